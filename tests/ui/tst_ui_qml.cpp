// Runs the Qt Quick tests of the shared widgets against the statically linked Tapalong.Ui.
#include "uitestsupport.h"

#include <QQmlEngine>
#include <QTemporaryDir>
#include <QtQml/qqmlextensionplugin.h>
#include <QtQuickTest>

Q_IMPORT_QML_PLUGIN(Tapalong_UiPlugin)
Q_IMPORT_QML_PLUGIN(Tapalong_StorePlugin)
Q_IMPORT_QML_PLUGIN(Tapalong_CurriculumPlugin)

// The screens read the one store; here it starts empty, in a folder of its own.
class Setup : public QObject {
    Q_OBJECT

public:
    Setup()
    {
        tapalong::AppStore::setInstance(&m_store);
        tapalong::UiTestSupport::store = &m_store;
    }

public slots:
    void qmlEngineAvailable(QQmlEngine *engine)
    {
        // Where the static module keeps its qmldir; Qt 6.4 does not look there by itself.
        engine->addImportPath(QStringLiteral("qrc:/qt/qml"));
    }

private:
    QTemporaryDir m_dir;
    tapalong::AppStore m_store{tapalong::SaveFile(m_dir.filePath(QStringLiteral("tapalong.json")))};
};

QUICK_TEST_MAIN_WITH_SETUP(tst_ui_qml, Setup)

#include "tst_ui_qml.moc"
