// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Plays Rocket Race or Copy Cat by itself over the night sky, as the program shows it, and
// prints how evenly frames came while something moved: a race typed at about 5 keys a second
// with one wrong key in ten, while the rivals fly; the parrot's patterns echoed as soon as it is
// the child's turn, so that show follows show. Runs the program's own event loop, so that the
// frames come as they would for a child (a test runner's waits sleep in steps of 10 ms).
// Not a test: scripts/measure-game-frames.sh prints its lines.
//   bench_moving_frames --game rocketRace|copyCat [--seconds 10]
#include "appstore.h"
#include "copycatmodel.h"
#include "framepacer.h"
#include "gameframe.h"
#include "rocketracemodel.h"

#include <QAbstractAnimation>
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
#include <atomic>
#include <cstdio>
#include <mutex>
#include <vector>

Q_IMPORT_QML_PLUGIN(Tapalong_GamesPlugin)
Q_IMPORT_QML_PLUGIN(Tapalong_UiPlugin)
Q_IMPORT_QML_PLUGIN(Tapalong_StorePlugin)
Q_IMPORT_QML_PLUGIN(Tapalong_CurriculumPlugin)

using namespace tapalong;

namespace {

struct Frame {
    double startMs; // when its animations were advanced, or -1
    double endMs;   // when it was on screen
    bool moving;
    qint64 tick; // how many ticks of the animation clock had passed
};

// Counts the ticks of the animation clock the games and every animation advance on, whichever
// drives it: an animation that never ends is advanced on each.
class TickCounter : public QAbstractAnimation {
public:
    std::atomic<qint64> ticks = 0;
    int duration() const override { return -1; }

protected:
    void updateCurrentTime(int) override { ++ticks; }
};

void press(QWindow *window, int key, const QString &text)
{
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(window, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(window, &up);
}

QString stats(std::vector<double> values)
{
    if (values.empty())
        return QStringLiteral("none");
    std::sort(values.begin(), values.end());
    return QString::asprintf("median %.0f ms, 99th percentile %.0f ms, longest %.0f ms",
                             values[values.size() / 2],
                             values[std::size_t(double(values.size()) * 0.99)], values.back());
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND") &&
        qEnvironmentVariableIsEmpty("QSG_RHI_BACKEND"))
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QGuiApplication app(argc, argv);
    FramePacer::installForSoftwareRenderer();

    QCommandLineParser parser;
    parser.addOptions({{"game", "rocketRace or copyCat", "game", "rocketRace"},
                       {"seconds", "how long to measure", "seconds", "10"}});
    parser.process(app);
    const bool race = parser.value("game") != QLatin1String("copyCat");
    const double seconds = parser.value("seconds").toDouble();

    QTemporaryDir home;
    AppStore store{SaveFile(home.filePath("tapalong.json"))};
    AppStore::setInstance(&store);
    store.addProfile("Mia", "🦊");

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
            %1 { id: screen; anchors.fill: parent }
        })")
                        .arg(race ? "RocketRaceView" : "CopyCatView")
                        .toUtf8());
    auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().value(0));
    if (!window)
        return 1;
    auto *frame = window->property("screen").value<QObject *>()->property("frame").value<GameFrame *>();
    GameModel *model = frame->model();
    auto *racer = qobject_cast<RocketRaceModel *>(model);
    auto *parrot = qobject_cast<CopyCatModel *>(model);

    QElapsedTimer clock;
    clock.start();
    const auto now = [&] { return double(clock.nsecsElapsed()) / 1e6; };
    std::vector<Frame> frames;
    TickCounter ticks;
    ticks.start();
    std::atomic<bool> measuring = false;
    std::atomic<double> startMs = -1;
    std::atomic<double> movingUntil = 0;
    // The rivals move on every tick of a race; the parrot's cards and slots settle within
    // 0.5 s of a change. With OpenGL it is asked from the thread that renders: a stale answer
    // only moves the edge of the stretch measured by a frame.
    const auto moving = [&] { return race ? model->isPlaying() : now() <= movingUntil; };
    if (parrot) {
        for (auto signal : {&CopyCatModel::showVisibleChanged, &CopyCatModel::phaseChanged,
                            &CopyCatModel::echoIndexChanged})
            QObject::connect(parrot, signal, window, [&] { movingUntil = now() + 500; });
    }
    // With OpenGL these come from the thread that renders: stamped there, as they happen. The
    // stamps end before the lock and the list do: that thread draws until the window goes.
    std::mutex framesLock;
    QObject stamps;
    QObject::connect(
        window, &QQuickWindow::afterAnimating, &stamps, [&] { startMs = now(); },
        Qt::DirectConnection);
    QObject::connect(
        window, &QQuickWindow::frameSwapped, &stamps,
        [&] {
            const std::lock_guard<std::mutex> hold(framesLock);
            if (measuring)
                frames.push_back({startMs, now(), moving(), ticks.ticks});
            startMs = -1;
        },
        Qt::DirectConnection);

    int typed = 0;
    QTimer player;
    player.setInterval(race ? 190 : 120);
    QObject::connect(&player, &QTimer::timeout, window, [&] {
        if (!model->isPlaying()) {
            press(window, Qt::Key_Space, " "); // starts, and starts again after the end
            return;
        }
        if (racer) {
            const QString passage = racer->passage();
            if (racer->typedCount() >= passage.size())
                return;
            const QChar next = ++typed % 10 == 0 ? QChar(u'q') : passage.at(racer->typedCount());
            press(window, next == u' ' ? Qt::Key_Space : Qt::Key_unknown, QString(next));
        } else if (parrot->isEcho()) {
            press(window, Qt::Key_unknown, parrot->sequence().mid(parrot->echoIndex(), 1));
        }
    });
    player.start();
    // A second to settle, then the measurement.
    QTimer::singleShot(1000, window, [&] { measuring = true; });
    QTimer::singleShot(int(1000 + seconds * 1000), window, [&] {
        {
            // Not held into quit(), which waits for the thread that renders to stop.
            const std::lock_guard<std::mutex> hold(framesLock);
            measuring = false;
        }
        std::vector<double> gaps;
        std::vector<double> costs;
        // A gap counts between the first frames after two ticks in a row: something moved on
        // each. A tick that changed nothing on screen (the parrot holding a card) brings no
        // frame, and the pause it leaves is not a stutter; a busy moment delays the ticks
        // themselves, so it shows as a long gap.
        const Frame *previous = frames.empty() ? nullptr : &frames.front();
        for (std::size_t i = 1; i < frames.size(); ++i) {
            if (frames[i].startMs >= 0)
                costs.push_back(frames[i].endMs - frames[i].startMs);
            if (frames[i].tick == frames[i - 1].tick)
                continue; // drawn again before the next tick
            if (previous && frames[i].moving && previous->moving &&
                frames[i].tick == previous->tick + 1)
                gaps.push_back(frames[i].endMs - previous->endMs);
            previous = &frames[i];
        }
        double movingMs = 0;
        for (double gap : gaps)
            movingMs += gap;
        const double span = frames.size() > 1 ? (frames.back().endMs - frames.front().endMs) / 1000 : 0;
        std::printf("%s: %.1f frames a second over %.1f s; while moving, %.1f fps, gaps %s; "
                    "each frame's sync to swap %s\n",
                    race ? "Rocket Race, typing" : "Copy Cat, shows and echoes",
                    span > 0 ? double(frames.size() - 1) / span : 0.0, span,
                    movingMs > 0 ? 1000 * double(gaps.size()) / movingMs : 0.0,
                    qPrintable(stats(gaps)), qPrintable(stats(costs)));
        std::fflush(stdout);
        app.quit();
    });
    return app.exec();
}
