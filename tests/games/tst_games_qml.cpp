// Runs the Qt Quick tests of the game screens against the statically linked modules, with a
// store of its own in a temporary folder.
#include "gamestestsupport.h"

#include <QQmlEngine>
#include <QTemporaryDir>
#include <QtQml/qqmlextensionplugin.h>
#include <QtQuickTest>

Q_IMPORT_QML_PLUGIN(Tapalong_GamesPlugin)
Q_IMPORT_QML_PLUGIN(Tapalong_UiPlugin)
Q_IMPORT_QML_PLUGIN(Tapalong_StorePlugin)
Q_IMPORT_QML_PLUGIN(Tapalong_CurriculumPlugin)

class Setup : public QObject {
    Q_OBJECT

public:
    Setup()
    {
        tapalong::AppStore::setInstance(&m_store);
        tapalong::GamesTestSupport::store = &m_store;
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

QUICK_TEST_MAIN_WITH_SETUP(tst_games_qml, Setup)

#include "tst_games_qml.moc"
