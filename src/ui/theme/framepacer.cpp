// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "framepacer.h"

#include <QCoreApplication>
#include <QQuickWindow>

namespace tapalong {

FramePacer::FramePacer(QObject *parent) : QAnimationDriver(parent)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &FramePacer::tick);
}

void FramePacer::installForSoftwareRenderer()
{
    static FramePacer *installed = nullptr;
    // graphicsApi() answers OpenGL here even when the software backend was chosen.
    const bool software = QQuickWindow::sceneGraphBackend() == QLatin1String("software") ||
                          qgetenv("QT_QUICK_BACKEND") == "software";
    if (installed || !software)
        return;
    // Qt waits 5 ms after something asks for a frame before drawing it, so that requests
    // close together make one frame. Here the frames come from the pacer's ticks and from keys,
    // never in bursts, and the wait was most of the time from a key to its frame (median 7 ms,
    // 2 ms without). Read once, at the first request, so before any window shows.
    if (!qEnvironmentVariableIsSet("QT_QPA_UPDATE_IDLE_TIME"))
        qputenv("QT_QPA_UPDATE_IDLE_TIME", "0");
    installed = new FramePacer(QCoreApplication::instance());
    installed->install();
}

void FramePacer::start()
{
    QAnimationDriver::start();
    m_clock.start();
    m_timer.start(m_schedule.restart(0));
}

void FramePacer::stop()
{
    m_timer.stop();
    QAnimationDriver::stop();
}

void FramePacer::tick()
{
    advance();
    // Advancing may have ended the last animation, and with it the run.
    if (isRunning())
        m_timer.start(m_schedule.fired(m_clock.nsecsElapsed()));
}

} // namespace tapalong
