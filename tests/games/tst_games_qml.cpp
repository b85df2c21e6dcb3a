// Runs the Qt Quick tests of the game screens against the statically linked modules, with a
// store of its own in a temporary folder.
#include "appstore.h"
#include "curriculum.h"
#include "gameframe.h"
#include "gamestestsupport.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QQmlEngine>
#include <QTemporaryDir>
#include <QWindow>
#include <QtQml/qqmlextensionplugin.h>
#include <QtQuickTest>

#include <memory>

Q_IMPORT_QML_PLUGIN(Tapalong_GamesPlugin)
Q_IMPORT_QML_PLUGIN(Tapalong_UiPlugin)
Q_IMPORT_QML_PLUGIN(Tapalong_StorePlugin)
Q_IMPORT_QML_PLUGIN(Tapalong_CurriculumPlugin)

namespace tapalong {

void GamesTestSupport::reset()
{
    store->setData(AppData{});
    m_sounds.played.clear();
}

void GamesTestSupport::finishLessonsThrough(const QString &lessonId)
{
    for (const Lesson &lesson : Curriculum::allLessons()) {
        store->recordLesson(lesson, 3, 20, 100, 50);
        if (lesson.id == lessonId)
            return;
    }
}

int GamesTestSupport::recordedGames() const
{
    const Profile *profile = store->currentProfile();
    return profile ? int(profile->gameScores.size()) : 0;
}

void GamesTestSupport::runTicks(GameFrame *frame, int ticks)
{
    for (int i = 0; i < ticks && frame->model()->isPlaying(); ++i)
        frame->step();
}

void GamesTestSupport::holdKey(QWindow *window, int key, const QString &text, int repeats)
{
    for (int i = 0; i <= repeats; ++i) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text, i > 0);
        QCoreApplication::sendEvent(window, &press);
    }
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(window, &release);
}

} // namespace tapalong

class Setup : public QObject {
    Q_OBJECT

public:
    Setup()
        : m_store(std::make_unique<tapalong::AppStore>(
              tapalong::SaveFile(m_dir.filePath(QStringLiteral("tapalong.json")))))
    {
        tapalong::AppStore::setInstance(m_store.get());
        tapalong::GamesTestSupport::store = m_store.get();
    }

public slots:
    void qmlEngineAvailable(QQmlEngine *engine)
    {
        // Where the static modules keep their qmldir; Qt 6.4 does not look there by itself.
        engine->addImportPath(QStringLiteral("qrc:/qt/qml"));
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<tapalong::AppStore> m_store;
};

QUICK_TEST_MAIN_WITH_SETUP(tst_games_qml, Setup)

#include "tst_games_qml.moc"
