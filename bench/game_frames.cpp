// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Plays a game screen by itself over the night sky, as the program shows it, and prints how
// evenly the window's frames came: frames per second and the longest gap, while playing and
// while the new-high-score confetti falls. With --shots it also saves the cards and the
// playfield as PNGs. Not a test: the figures are for people to read.
//   bench_game_frames [--game ID] [--bonus LESSON_ID] [--play SECONDS] [--shots DIR]
// Any game of the table plays; only Letter Drop, Word Meteors and Key Moles are caught by it,
// the others run out their time untouched.
#include "appstore.h"
#include "framepacer.h"
#include "gamefacts.h"
#include "gameframe.h"
#include "keymolesmodel.h"
#include "letterdropmodel.h"
#include "wordmeteorsmodel.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTimer>
#include <QtQml/qqmlextensionplugin.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

Q_IMPORT_QML_PLUGIN(Tapalong_GamesPlugin)
Q_IMPORT_QML_PLUGIN(Tapalong_UiPlugin)
Q_IMPORT_QML_PLUGIN(Tapalong_StorePlugin)
Q_IMPORT_QML_PLUGIN(Tapalong_CurriculumPlugin)

using namespace tapalong;

namespace {

// Gaps between swapped frames, in ms, and what each frame cost from the start of its
// animations to its swap. A gap is long either because a frame was slow or because nothing on
// screen changed, which the costs tell apart.
struct FrameLog {
    std::vector<double> gaps;
    std::vector<double> costs;
    double lastMs = -1;

    void frame(double startMs, double nowMs)
    {
        if (lastMs >= 0)
            gaps.push_back(nowMs - lastMs);
        if (startMs >= 0)
            costs.push_back(nowMs - startMs);
        lastMs = nowMs;
    }
    void print(const char *what) const
    {
        if (gaps.empty()) {
            std::printf("%-22s no frames\n", what);
            return;
        }
        double total = 0;
        for (double gap : gaps)
            total += gap;
        std::vector<double> sorted = gaps;
        std::sort(sorted.begin(), sorted.end());
        const double p99 = sorted[std::size_t(double(sorted.size() - 1) * 0.99)];
        const auto over = std::count_if(gaps.begin(), gaps.end(), [](double g) { return g > 34; });
        std::vector<double> work = costs;
        std::sort(work.begin(), work.end());
        std::printf("%-22s %5zu frames in %5.1f s: %5.1f fps; gaps: longest %5.1f ms, 99th "
                    "%5.1f ms, %zu over 34 ms; work per frame: median %4.1f ms, 99th %4.1f ms, "
                    "longest %5.1f ms\n",
                    what, gaps.size(), total / 1000, 1000 * double(gaps.size()) / total,
                    sorted.back(), p99, std::size_t(over), work[work.size() / 2],
                    work[std::size_t(double(work.size() - 1) * 0.99)], work.back());
    }
};

// The key a quick child would press next, or none: Letter Drop's lowest letter once it is
// halfway down, Word Meteors' next letter of the target or the lowest word, Key Moles' first
// mole.
QString nextKey(GameModel *model)
{
    if (auto *drops = qobject_cast<LetterDropModel *>(model)) {
        const Falling *lowest = nullptr;
        for (const Falling &letter : drops->fallingLetters().items()) {
            if (!lowest || letter.y > lowest->y)
                lowest = &letter;
        }
        return lowest && lowest->y > 0.45 ? QString(lowest->ch) : QString();
    }
    if (auto *words = qobject_cast<WordMeteorsModel *>(model)) {
        const Meteor *pick = nullptr;
        for (const Meteor &meteor : words->meteorList().items()) {
            if (words->targetId() == meteor.id)
                return meteor.word.mid(meteor.typed, 1);
            if (!pick || meteor.y > pick->y)
                pick = &meteor;
        }
        return pick && pick->y > 0.3 ? pick->word.left(1) : QString();
    }
    if (auto *moles = qobject_cast<KeyMolesModel *>(model)) {
        for (const HoleSlot &hole : moles->holeList().all()) {
            if (hole.mole)
                return QString(*hole.mole);
        }
    }
    return {};
}

void press(QWindow *window, int key, const QString &text)
{
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(window, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(window, &up);
}

// Whether the playfield shows what the game is about: a word half typed, moles up.
bool worthAPicture(GameModel *model)
{
    if (auto *words = qobject_cast<WordMeteorsModel *>(model))
        return words->targetId().has_value();
    if (auto *moles = qobject_cast<KeyMolesModel *>(model))
        return moles->molesUp() >= 1;
    return true;
}

double elapsedOf(GameModel *model)
{
    if (auto *drops = qobject_cast<LetterDropModel *>(model))
        return drops->elapsed();
    if (auto *words = qobject_cast<WordMeteorsModel *>(model))
        return words->elapsed();
    if (auto *moles = qobject_cast<KeyMolesModel *>(model))
        return moles->elapsed();
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    // As the program chooses, unless the environment asks for another renderer.
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND") &&
        qEnvironmentVariableIsEmpty("QSG_RHI_BACKEND"))
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QGuiApplication app(argc, argv);
    FramePacer::installForSoftwareRenderer();

    QCommandLineParser parser;
    QStringList ids;
    for (const GameFacts &row : gameTable)
        ids.append(row.id.toString());
    parser.addOptions({{"game", "one of " + ids.join(", "), "game", "letterDrop"},
                       {"bonus", "play the bonus round after this lesson", "lesson"},
                       {"play", "seconds of game time to keep catching", "seconds", "75"},
                       {"shots", "save PNGs of the cards and the playfield here", "dir"}});
    parser.process(app);
    const QString game = parser.value("game");
    const double playSeconds = parser.value("play").toDouble();
    const QString shots = parser.value("shots");
    const std::optional<GameKind> kind = gameKindFromId(game);
    if (!kind) {
        qCritical("No game is called %s.", qPrintable(game));
        return 2;
    }
    const QString view = facts(*kind).screen.toString();

    QTemporaryDir home;
    AppStore store{SaveFile(home.filePath("tapalong.json"))};
    AppStore::setInstance(&store);
    store.addProfile("Mia", "🦊");

    const QString bonus =
        parser.isSet("bonus")
            ? QString("bonus: ({lessonId: \"%1\", duration: 45})").arg(parser.value("bonus"))
            : QString();
    QQmlApplicationEngine engine;
    engine.addImportPath("qrc:/qt/qml");
    engine.loadData(QString(R"(
        import QtQuick
        import Tapalong.Games
        import Tapalong.Ui
        Window {
            width: 1180; height: 780; visible: true; color: Theme.bgTop
            property Item screen: screen
            Background { anchors.fill: parent }
            StarfieldView { anchors.fill: parent; opacity: 0.7 }
            %1 { id: screen; anchors.fill: parent; %2 }
        })")
                        .arg(view, bonus)
                        .toUtf8());
    auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().value(0));
    if (!window)
        return 1;
    auto *screen = window->property("screen").value<QObject *>();
    auto *frame = screen->property("frame").value<GameFrame *>();
    GameModel *model = frame->model();

    auto shot = [&](const char *name) {
        if (!shots.isEmpty())
            window->grabWindow().save(QString("%1/%2-%3.png").arg(shots, game, name));
    };

    FrameLog playing;
    FrameLog confetti;
    QElapsedTimer clock;
    clock.start();
    double frameStartMs = -1;
    QObject::connect(window, &QQuickWindow::afterAnimating, window,
                     [&] { frameStartMs = double(clock.nsecsElapsed()) / 1e6; });
    QObject::connect(window, &QQuickWindow::frameSwapped, window, [&] {
        const double nowMs = double(clock.nsecsElapsed()) / 1e6;
        if (model->isPlaying())
            playing.frame(frameStartMs, nowMs);
        else if (model->isOver())
            confetti.frame(frameStartMs, nowMs);
        // The wait on the paused card is no gap between frames of play.
        if (!model->isPlaying())
            playing.lastMs = -1;
        frameStartMs = -1;
    });

    double startedMs = 0;
    double endedMs = 0;
    double overMs = 0;
    double pausedAtMs = 0;
    double pausedMs = 0;
    bool pausedOnce = false;
    QObject::connect(model, &GameModel::stateChanged, window, [&] {
        if (model->isOver() && endedMs == 0)
            endedMs = double(clock.nsecsElapsed()) / 1e6;
    });

    QTimer player;
    player.setInterval(110); // a quick child's pace
    QObject::connect(&player, &QTimer::timeout, &app, [&] {
        const double nowMs = double(clock.nsecsElapsed()) / 1e6;
        if (model->isReady()) {
            shot("ready");
            press(window, Qt::Key_Return, "\r");
            startedMs = nowMs;
            return;
        }
        if (model->isPlaying()) {
            const double played = elapsedOf(model);
            if (!pausedOnce && played >= 20 && worthAPicture(model)) {
                shot("playing");
                pausedOnce = true;
                pausedAtMs = nowMs;
                press(window, Qt::Key_Escape, "\x1b");
                return;
            }
            // A short rest before the picture lets the playfield fill.
            const bool resting = !pausedOnce && played >= 19 && played < 20;
            if (played < playSeconds && !resting) {
                const QString key = nextKey(model);
                if (!key.isEmpty())
                    press(window, Qt::Key_unknown, key);
            }
            return;
        }
        if (model->isPaused()) {
            // Repainted by now, so the card is on screen.
            shot("paused");
            pausedMs = nowMs - pausedAtMs;
            press(window, Qt::Key_Escape, "\x1b");
            return;
        }
        if (overMs == 0) {
            overMs = nowMs;
            const double playedMs = endedMs - startedMs - pausedMs;
            std::printf("%s: score %d, %.2f s of game time in %.2f s of play: %.2f ticks "
                        "a second\n",
                        qPrintable(game), model->score(), elapsedOf(model), playedMs / 1000,
                        elapsedOf(model) * 60 * 1000 / playedMs);
            return;
        }
        if (nowMs - overMs > 900 && nowMs - overMs < 1100)
            shot("over");
        if (nowMs - overMs > 4000) {
            playing.print("while playing");
            confetti.print(frame->isNewHighScore() ? "with confetti" : "on the game-over card");
            app.quit();
        }
    });
    player.start();
    return app.exec();
}
