#include "appstore.h"
#include "coursejson.h"
#include "coverwatch.h"
#include "framepacer.h"
#include "narrator.h"
#include "qtsoundbackend.h"
#include "qtspeechbackend.h"
#include "savefile.h"
#include "singleinstance.h"
#include "soundplayer.h"
#include "uiprobe.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QTimer>
#include <QtQml/qqmlextensionplugin.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>

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
// Mesa's software rasteriser. Measured under Xvfb (scripts/measure-startup.sh), idling on the
// main view under the twinkling sky, OpenGL took 9 % of a core and 164 MB, and 700 ms of CPU to
// the first frame; Qt Quick's own software renderer 1.6 %, 59 MB and 170 ms. Nothing here needs
// a GPU, so the software renderer is the default; QT_QUICK_BACKEND or QSG_RHI_BACKEND still
// choose otherwise.
void chooseRenderer()
{
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND") &&
        qEnvironmentVariableIsEmpty("QSG_RHI_BACKEND"))
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
}

// With TAPALONG_TRACE_KEYS=1 (scripts/measure-keys.sh) prints, on the monotonic clock, when
// each X key press reaches the program, with the X server's own time of the key, and when the
// first frame after it is on screen. Qt hands a key to the window in the same pass of the event
// loop that reads it, so no frame comes between the two.
class KeyTrace final : public QAbstractNativeEventFilter {
public:
    explicit KeyTrace(QQuickWindow *window)
    {
        m_frames = QObject::connect(
            window, &QQuickWindow::frameSwapped, window,
            [this] {
                if (m_keyPending.exchange(false))
                    std::fprintf(stderr, "tapalong: frame %.3f\n", monotonicMs());
            },
            Qt::DirectConnection);
    }
    ~KeyTrace() override { QObject::disconnect(m_frames); }

    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override
    {
        // An xcb event starts with its code (bit 7: sent by a client); a key press is 2 and
        // holds the server's time in milliseconds at bytes 4 to 7.
        const auto *bytes = static_cast<const unsigned char *>(message);
        if (type != "xcb_generic_event_t" || (bytes[0] & 0x7f) != 2)
            return false;
        quint32 serverMs = 0;
        std::memcpy(&serverMs, bytes + 4, sizeof serverMs);
        std::fprintf(stderr, "tapalong: key %.3f %u\n", monotonicMs(), unsigned(serverMs));
        m_keyPending = true;
        return false;
    }

private:
    static double monotonicMs()
    {
        using namespace std::chrono;
        return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
    }

    QMetaObject::Connection m_frames;
    std::atomic<bool> m_keyPending{false};
};

} // namespace

int main(int argc, char *argv[])
{
    const double startedMs = wallClockMs();

    // Printing the course needs no window and must not touch the save file.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--print-course") == 0) {
            QCoreApplication app(argc, argv);
            const QByteArray json = tapalong::courseJson();
            std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
            return std::fflush(stdout) == 0 ? 0 : 1;
        }
    }

    chooseRenderer();
    QGuiApplication app(argc, argv);
    tapalong::FramePacer::installForSoftwareRenderer();
    // No organisation name: the save file lives in ~/.local/share/Tapalong.
    QGuiApplication::setApplicationName(QStringLiteral("Tapalong"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Tapalong"));
    QGuiApplication::setDesktopFileName(QStringLiteral("tapalong"));

    // Declared before the engine, so that they outlive every screen that plays or speaks.
    std::unique_ptr<tapalong::QtSoundBackend> sound;
    std::unique_ptr<tapalong::QtSpeechBackend> speech;

    const QString savePath = tapalong::SaveFile::defaultPath();
    tapalong::SingleInstance instance(QFileInfo(savePath).absolutePath());
    if (!instance.claim()) {
        // A second click on the icon: the household is already open in a window.
        const bool heard = instance.askRunningToShow();
        std::fprintf(stderr, "tapalong: already running%s\n",
                     heard ? "; its window was asked to come forward" : " (it did not answer)");
        return 0;
    }

    tapalong::AppStore store{tapalong::SaveFile(savePath)};
    tapalong::AppStore::setInstance(&store);

    QQmlApplicationEngine engine;
    engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
    engine.load(QUrl(QStringLiteral("qrc:/qt/qml/Tapalong/App/Main.qml")));
    auto *window = engine.rootObjects().isEmpty()
                       ? nullptr
                       : qobject_cast<QQuickWindow *>(engine.rootObjects().constFirst());
    if (!window)
        return 1;
    QObject::connect(&instance, &tapalong::SingleInstance::showRequested, window, [window] {
        // Out of the taskbar if minimised; a maximised window stays maximised.
        window->setWindowStates(window->windowStates() & ~Qt::WindowMinimized);
        window->show();
        window->raise();
        window->requestActivate();
    });

    // Opening the audio device takes a while and nothing plays before the first click, so the
    // sound and the voice are set up once the first frame is on screen.
    const bool trace = qEnvironmentVariableIntValue("TAPALONG_TRACE_STARTUP") != 0;
    auto firstFrame = std::make_shared<QMetaObject::Connection>();
    *firstFrame = QObject::connect(
        window, &QQuickWindow::frameSwapped, window,
        [&, firstFrame] {
            QObject::disconnect(*firstFrame);
            if (trace) {
                const double now = wallClockMs();
                // CPU time tells the program's own cost apart from a busy machine's delays.
                const double cpuMs = 1000.0 * double(std::clock()) / CLOCKS_PER_SEC;
                std::fprintf(stderr,
                             "tapalong: first frame at %.3f ms since the epoch, %.1f ms after "
                             "main(), %.1f ms of CPU\n",
                             now, now - startedMs, cpuMs);
            }
            QTimer::singleShot(0, &app, [&] {
                sound = std::make_unique<tapalong::QtSoundBackend>();
                speech = std::make_unique<tapalong::QtSpeechBackend>();
                tapalong::SoundPlayer::setBackend(sound.get());
                tapalong::Narrator::shared().setBackend(speech.get());
            });
        },
        Qt::DirectConnection);

    std::unique_ptr<KeyTrace> keyTrace;
    if (qEnvironmentVariableIntValue("TAPALONG_TRACE_KEYS") != 0) {
        keyTrace = std::make_unique<KeyTrace>(window);
        app.installNativeEventFilter(keyTrace.get());
    }

    // The sky rests while other windows cover this one.
    tapalong::CoverWatch coverWatch(window);
    app.installNativeEventFilter(&coverWatch);

    // The system tests find what they click through this file.
    if (const QString probe = qEnvironmentVariable("TAPALONG_UI_PROBE"); !probe.isEmpty())
        new tapalong::UiProbe(window, probe);

    const int status = app.exec();
    store.saveIfUnsaved();
    tapalong::SoundPlayer::setBackend(nullptr);
    tapalong::Narrator::shared().setBackend(nullptr);
    return status;
}
