// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// An empty Qt Quick window of the program's size and colour: the yardstick scripts/measure.sh
// holds start-up time, memory and idle CPU against. It draws with the renderer the program
// would choose, or with --default-renderer as any Qt Quick program does that leaves the choice
// to Qt (OpenGL; Mesa's software rasteriser on a computer without a graphics card). With
// TAPALONG_TRACE_STARTUP=1 it reports its first frame as the program does.
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickWindow>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace {

double wallClockMs()
{
    using namespace std::chrono;
    return duration<double, std::milli>(system_clock::now().time_since_epoch()).count();
}

} // namespace

int main(int argc, char *argv[])
{
    const double startedMs = wallClockMs();
    const bool qtDefault = argc > 1 && std::strcmp(argv[1], "--default-renderer") == 0;
    if (!qtDefault && qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND") &&
        qEnvironmentVariableIsEmpty("QSG_RHI_BACKEND"))
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QGuiApplication app(argc, argv);

    QQmlApplicationEngine engine;
    engine.loadData(R"(
        import QtQuick
        Window { title: "Empty"; width: 1180; height: 780; visible: true; color: "#1b1145" })");
    auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().value(0));
    if (!window)
        return 1;
    if (qEnvironmentVariableIntValue("TAPALONG_TRACE_STARTUP") != 0) {
        QObject::connect(
            window, &QQuickWindow::frameSwapped, window,
            [startedMs] {
                static bool reported = false;
                if (reported)
                    return;
                reported = true;
                const double now = wallClockMs();
                const double cpuMs = 1000.0 * double(std::clock()) / CLOCKS_PER_SEC;
                std::fprintf(stderr,
                             "empty window: first frame at %.3f ms since the epoch, %.1f ms "
                             "after main(), %.1f ms of CPU\n",
                             now, now - startedMs, cpuMs);
            },
            Qt::DirectConnection);
    }
    return app.exec();
}
