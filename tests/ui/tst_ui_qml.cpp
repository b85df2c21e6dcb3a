// Runs the Qt Quick tests of the shared widgets against the statically linked Tapalong.Ui.
#include "appstore.h"

#include <QQmlEngine>
#include <QTemporaryDir>
#include <QtQml/qqmlextensionplugin.h>
#include <QtQuickTest>

#include <memory>

Q_IMPORT_QML_PLUGIN(Tapalong_UiPlugin)
Q_IMPORT_QML_PLUGIN(Tapalong_StorePlugin)
Q_IMPORT_QML_PLUGIN(Tapalong_CurriculumPlugin)

class Setup : public QObject {
    Q_OBJECT

public slots:
    void qmlEngineAvailable(QQmlEngine *engine)
    {
        // Where the static module keeps its qmldir; Qt 6.4 does not look there by itself.
        engine->addImportPath(QStringLiteral("qrc:/qt/qml"));
        // The screens read the one store; here it starts empty, in a folder of its own.
        if (!m_store) {
            m_store = std::make_unique<tapalong::AppStore>(
                tapalong::SaveFile(m_dir.filePath(QStringLiteral("tapalong.json"))));
            tapalong::AppStore::setInstance(m_store.get());
        }
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<tapalong::AppStore> m_store;
};

QUICK_TEST_MAIN_WITH_SETUP(tst_ui_qml, Setup)

#include "tst_ui_qml.moc"
