// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "appstore.h"
#include "bringforward.h"
#include "commandline.h"
#include "coverwatch.h"
#include "curriculum.h"
#include "desktopkeyboard.h"
#include "feedback.h"
#include "framepacer.h"
#include "keyboardchoice.h"
#include "keyboardlayout.h"
#include "keytrace.h"
#include "qtsoundbackend.h"
#include "qtspeechbackend.h"
#include "quitsignals.h"
#include "savefile.h"
#include "singleinstance.h"
#include "translation.h"
#include "uiprobe.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QSessionManager>
#include <QSignalBlocker>
#include <QTimer>
#include <QtQml/qqmlextensionplugin.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <utility>

#ifdef __GLIBC__
#include <malloc.h>
#endif

Q_IMPORT_QML_PLUGIN(Tapalong_AppPlugin)
Q_IMPORT_QML_PLUGIN(Tapalong_UiPlugin)
Q_IMPORT_QML_PLUGIN(Tapalong_StorePlugin)
Q_IMPORT_QML_PLUGIN(Tapalong_CurriculumPlugin)
Q_IMPORT_QML_PLUGIN(Tapalong_GamesPlugin)

namespace {

double wallClockMs()
{
    using namespace std::chrono;
    return duration<double, std::milli>(system_clock::now().time_since_epoch()).count();
}

// Qt Quick would draw through OpenGL, which on a family computer without a real GPU driver is
// Mesa's software rasteriser. Measured under Xvfb (scripts/measure.sh --opengl), OpenGL took
// 184 ms to the first frame, 172 MB, and 3 % of a core idling on the main view under the
// twinkling sky; Qt Quick's own software renderer 32 ms, 66 MB and 0.25 %. Nothing here needs
// a GPU, so the software renderer is the default; QT_QUICK_BACKEND or QSG_RHI_BACKEND still
// choose otherwise.
void chooseRenderer()
{
    if (!qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND") ||
        !qEnvironmentVariableIsEmpty("QSG_RHI_BACKEND"))
        return;
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    // Qt's Wayland plugin sets up its EGL buffers at start whether anything draws with them or
    // not: Mesa's software OpenGL, 56 MB under a nested Weston, for a window the software
    // renderer draws in shared memory. Naming no integration it has keeps EGL out; the two
    // warnings that costs are dropped (dropWaylandBufferWarnings).
    if (qEnvironmentVariableIsEmpty("QT_WAYLAND_CLIENT_BUFFER_INTEGRATION"))
        qputenv("QT_WAYLAND_CLIENT_BUFFER_INTEGRATION", "none");
}

QtMessageHandler s_nextMessageHandler = nullptr;

void dropWaylandBufferWarnings(QtMsgType type, const QMessageLogContext &context,
                               const QString &message)
{
    if (qstrcmp(context.category, "qt.qpa.wayland") == 0 &&
        (message.startsWith(u"Failed to load client buffer integration") ||
         message.startsWith(u"Available client buffer integrations")) &&
        qgetenv("QT_WAYLAND_CLIENT_BUFFER_INTEGRATION") == "none")
        return;
    s_nextMessageHandler(type, context, message);
}

// glibc raises its threshold for mapping a large block by itself after the first such block is
// freed, up to 32 MB. From then on the buffers of a few hundred KB to a few MB that Qt allocates
// and frees while it draws (images, glyph caches redrawn as an emoji scales) come from the heap,
// and the small long-lived blocks allocated between them keep it from shrinking. Over a session
// of lessons and games the live heap stayed at 14-15 MB while resident memory grew by 15 MB in
// ten minutes; with a fixed threshold such blocks are mapped, and returned as soon as freed.
void keepLargeBlocksOffTheHeap()
{
#ifdef __GLIBC__
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
}

// The store and the folder's lock while the event loop runs, for the one exit that skips the
// end of main(): when the display goes away, Qt's X11 connection calls exit() from inside the
// event loop. The window and its scene are past use by then, so the store saves without
// telling anyone: an outcome would reach the save notice, whose text would be laid out into a
// window Qt is tearing down. (Qt's Wayland connection ends with _exit(), which runs no
// handler: there only what the writer has already written is kept.)
tapalong::AppStore *s_storeAtExit = nullptr;
tapalong::SingleInstance *s_instanceAtExit = nullptr;

void saveAtExit()
{
    if (!s_storeAtExit)
        return;
    {
        const QSignalBlocker quiet(s_storeAtExit);
        s_storeAtExit->saveIfUnsaved();
    }
    s_instanceAtExit->release();
}

// TAPALONG_LAYOUT ("de", "us(dvorak)") starts on that layout's course and keyboard, whatever
// the household's: the screenshot tour and the tests show other keyboards with it. Answers
// whether it did.
bool useLayoutFromEnvironment()
{
    const QString wanted = qEnvironmentVariable("TAPALONG_LAYOUT");
    if (wanted.isEmpty())
        return false;
    const std::optional<tapalong::LayoutName> name = tapalong::LayoutName::parse(wanted);
    const std::optional<tapalong::Keyboard> keyboard =
        name ? tapalong::Keyboard::load(*name) : std::nullopt;
    if (!keyboard) {
        std::fprintf(stderr, "tapalong: no course for the layout %s in TAPALONG_LAYOUT\n",
                     qPrintable(wanted));
        return false;
    }
    tapalong::Curriculum::setActive(tapalong::Course::build(*keyboard));
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    const double startedMs = wallClockMs();
    keepLargeBlocksOffTheHeap();

    if (const auto status = tapalong::handleCommandLine(argc, argv))
        return *status;

    chooseRenderer();
    s_nextMessageHandler = qInstallMessageHandler(dropWaylandBufferWarnings);
    QGuiApplication app(argc, argv);
    tapalong::FramePacer::installForSoftwareRenderer();
    // No organisation name: the save file lives in ~/.local/share/Tapalong.
    QGuiApplication::setApplicationName(QStringLiteral("Tapalong"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Tapalong"));
    QGuiApplication::setDesktopFileName(QStringLiteral(TAPALONG_APP_ID));
    // The desktop's language for now: the household's is known once the store has read its file.
    const QString desktopLanguage = tapalong::desktopLanguage();
    QString textLanguage = tapalong::installTranslation(desktopLanguage);

    // Declared before the engine, so that they outlive every screen that plays or speaks.
    std::unique_ptr<tapalong::QtSoundBackend> sound;
    std::unique_ptr<tapalong::QtSpeechBackend> speech;

    const QString savePath = tapalong::SaveFile::defaultPath();
    tapalong::SingleInstance instance(QFileInfo(savePath).absolutePath());
    if (!instance.claim()) {
        // A second click on the icon: the household is already open in a window.
        using Answer = tapalong::SingleInstance::Answer;
        const Answer answer =
            instance.askRunningToShow(qEnvironmentVariable("XDG_ACTIVATION_TOKEN"));
        const char *outcome = "";
        switch (answer) {
        case Answer::none:
            outcome = " (it did not answer)";
            break;
        case Answer::heard:
            outcome = "; its window was asked to come forward";
            break;
        case Answer::shown:
            outcome = "; its window is in front";
            break;
        case Answer::notShown:
            outcome = "; this desktop does not let it bring its window forward, so switch to "
                      "Tapalong's window from the taskbar or the window list";
            break;
        }
        std::fprintf(stderr, "tapalong: already running%s\n", outcome);
        return 0;
    }
    // Only now that the folder is ours: another running Tapalong may be saving.
    tapalong::SaveFile(savePath).removeLeftovers();

    tapalong::AppStore store{tapalong::SaveFile(savePath)};
    tapalong::AppStore::setInstance(&store);
    tapalong::Feedback feedback(store);

    // Logout, shutdown and Ctrl+C quit through the event loop, and every way out that Qt shows
    // in advance waits for the last write.
    tapalong::QuitSignals quitSignals;
    QObject::connect(&quitSignals, &tapalong::QuitSignals::quitRequested, &app,
                     &QCoreApplication::quit, Qt::QueuedConnection);
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &store,
                     [&store] { store.saveIfUnsaved(); });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &store,
                     [&store](QSessionManager &) { store.saveIfUnsaved(); });

    // The household's course is built after the first frame and before the screens, which
    // read it as they are made (Main.qml): reading a layout other than US takes tens of
    // milliseconds that the sky need not wait for.
    tapalong::DesktopKeyboard desktopKeyboard;
    desktopKeyboard.start();
    tapalong::KeyboardChoice keyboardChoice(store, &desktopKeyboard);
    tapalong::KeyboardChoice::setInstance(&keyboardChoice);
    if (useLayoutFromEnvironment())
        keyboardChoice.startWithActive();

    QQmlApplicationEngine engine;
    // The grown-ups' corner changes the language while the program runs: the catalogues and the
    // tables first, then every qsTr binding, and the store's change rebuilds the screens.
    store.setLanguageSwitch(desktopLanguage, [&engine](const QString &language) {
        tapalong::useLanguage(language);
        engine.retranslate();
    });
    if (store.language() != desktopLanguage)
        textLanguage = tapalong::installTranslation(store.language());
    tapalong::Curriculum::rebuildActive(store.language());
    // A catalogue TAPALONG_TRANSLATION names may be in another language than the household's:
    // its lines are shown, never read out in the household's voice.
    const bool voiceSpeaksIt = textLanguage == store.language();
    engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
    engine.load(QUrl(QStringLiteral("qrc:/qt/qml/Tapalong/App/Main.qml")));
    auto *window = engine.rootObjects().isEmpty()
                       ? nullptr
                       : qobject_cast<QQuickWindow *>(engine.rootObjects().constFirst());
    if (!window)
        return 1;
    QObject::connect(&instance, &tapalong::SingleInstance::showRequested, window,
                     [window, &instance](const QString &activationToken) {
                         tapalong::bringForward(window, activationToken,
                                                [&instance](bool shown) {
                                                    instance.answerShow(shown);
                                                });
                     });

    std::unique_ptr<tapalong::KeyTrace> keyTrace;
    if (qEnvironmentVariableIntValue("TAPALONG_TRACE_KEYS") != 0) {
        keyTrace = std::make_unique<tapalong::KeyTrace>(window);
        app.installNativeEventFilter(keyTrace.get());
    }

    // The first frame shows the sky alone; the screens come in the frames after it (Main.qml).
    const bool trace = qEnvironmentVariableIntValue("TAPALONG_TRACE_STARTUP") != 0;
    const auto traceFrame = [&](const char *what) {
        if (!trace)
            return;
        const double now = wallClockMs();
        // CPU time tells the program's own cost apart from a busy machine's delays.
        const double cpuMs = 1000.0 * double(std::clock()) / CLOCKS_PER_SEC;
        std::fprintf(stderr,
                     "tapalong: %s at %.3f ms since the epoch, %.1f ms after main(), %.1f ms of "
                     "CPU\n",
                     what, now, now - startedMs, cpuMs);
    };
    // On this thread, where the screens are built: with the software renderer, at the moment
    // the frame is out; with OpenGL, which presents on a thread of its own, just after.
    const QObject *content = window->findChild<QObject *>(QStringLiteral("windowContent"));
    auto firstFrames = std::make_shared<QMetaObject::Connection>();
    auto onFrame = [&, content, firstFrames, sky = true]() mutable {
        if (std::exchange(sky, false))
            traceFrame("first frame");
        if (content && !content->property("item").value<QObject *>())
            return;
        QObject::disconnect(*firstFrames);
        traceFrame("first screen");
        // Opening the audio device takes a while and nothing plays before the first click, so
        // the sound and the voice are set up once the first screen is on show.
        QTimer::singleShot(0, &app, [&] {
            sound = std::make_unique<tapalong::QtSoundBackend>();
            feedback.setSoundBackend(sound.get());
            if (!voiceSpeaksIt)
                return;
            speech = std::make_unique<tapalong::QtSpeechBackend>();
            speech->traceHandOvers(keyTrace != nullptr);
            feedback.setSpeechBackend(speech.get());
            // Starting the speech engine blocks for tens of milliseconds or more: better now,
            // while the child looks at the first screen, than in the first line the tutorial
            // speaks.
            QTimer::singleShot(0, &app, [&] { speech->prepare(); });
        });
    };
    *firstFrames = QObject::connect(window, &QQuickWindow::frameSwapped, window, onFrame);

    // The sky rests while other windows cover this one.
    tapalong::CoverWatch coverWatch(window);
    app.installNativeEventFilter(&coverWatch);

    // The system tests find what they click through this file.
    if (const QString probe = qEnvironmentVariable("TAPALONG_UI_PROBE"); !probe.isEmpty())
        new tapalong::UiProbe(window, probe);

    s_storeAtExit = &store;
    s_instanceAtExit = &instance;
    std::atexit(saveAtExit);
    const int status = app.exec();
    store.saveIfUnsaved();
    s_storeAtExit = nullptr;
    s_instanceAtExit = nullptr;
    feedback.setSoundBackend(nullptr);
    feedback.setSpeechBackend(nullptr);
    return status;
}
