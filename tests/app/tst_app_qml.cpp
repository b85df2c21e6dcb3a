// Runs the Qt Quick tests of the root view against the statically linked modules.
#include "testsupport.h"

#include <QQmlEngine>
#include <QTemporaryDir>
#include <QtQml/qqmlextensionplugin.h>
#include <QtQuickTest>

Q_IMPORT_QML_PLUGIN(Tapalong_AppPlugin)
Q_IMPORT_QML_PLUGIN(Tapalong_UiPlugin)
Q_IMPORT_QML_PLUGIN(Tapalong_StorePlugin)

class Setup : public QObject {
    Q_OBJECT

public:
    Setup()
    {
        tapalong::AppStore::setInstance(&m_store);
        tapalong::TestSupport::store = &m_store;
    }

public slots:
    void qmlEngineAvailable(QQmlEngine *engine)
    {
        // Where the static modules keep their qmldir; Qt 6.4 does not look there by itself.
        engine->addImportPath(QStringLiteral("qrc:/qt/qml"));
    }

private:
    QTemporaryDir m_dir;
    tapalong::AppStore m_store{tapalong::SaveFile(m_dir.filePath(QStringLiteral("tapalong.json")))};
};

QUICK_TEST_MAIN_WITH_SETUP(tst_app_qml, Setup)

#include "tst_app_qml.moc"
