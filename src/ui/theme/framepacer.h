// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// The clock every animation of the program, and every game, advances on: 60 ticks a second.
#pragma once

#include <QAnimationDriver>
#include <QElapsedTimer>
#include <QTimer>
#include <QtGlobal>

namespace tapalong {

// When the next tick is due so that ticks average exactly 60 a second. Timers count whole
// milliseconds and 1/60 s is not one, so a fixed 16 ms interval runs 4 % fast: here tick n of a
// run is due n/60 s after the run began, and each wait is that due time rounded to the
// millisecond: 17, 16, 17, … ms. A tick delivered late is absorbed by the next wait; one later
// than a whole tick moves the schedule on instead of hurrying to catch up.
class FrameSchedule {
public:
    static constexpr qint64 ticksPerSecond = 60;

    // A run begins at `nowNs`; answers the wait, in ms, before its first tick.
    int restart(qint64 nowNs)
    {
        m_startNs = nowNs;
        m_fired = 0;
        return waitFrom(nowNs);
    }

    // A tick happened at `nowNs`; answers the wait, in ms, before the next one.
    int fired(qint64 nowNs)
    {
        ++m_fired;
        if (dueNs(m_fired + 1) <= nowNs) {
            m_startNs = nowNs;
            m_fired = 0;
        }
        return waitFrom(nowNs);
    }

private:
    qint64 dueNs(qint64 tick) const { return m_startNs + tick * 1'000'000'000 / ticksPerSecond; }
    int waitFrom(qint64 nowNs) const
    {
        return int((dueNs(m_fired + 1) - nowNs + 500'000) / 1'000'000);
    }

    qint64 m_startNs = 0;
    qint64 m_fired = 0;
};

// Qt Quick's software renderer advances animations on a 16 ms timer (62.5 a second) and draws
// whenever something changed; a game stepping 60 times a second beside it beat against it, and
// frames came unevenly. Installed, this driver advances every animation 60 times a second on
// the schedule above, and the games step on the same ticks (GameFrame), so each tick gives one
// frame with everything on it. Only for the software renderer: an OpenGL render loop brings a
// driver of its own, paced by the display.
class FramePacer : public QAnimationDriver {
    Q_OBJECT

public:
    explicit FramePacer(QObject *parent = nullptr);

    // Installs one pacer for the program when Qt Quick draws with its software renderer, and
    // has each frame drawn as soon as it is asked for. Call before any window shows.
    static void installForSoftwareRenderer();

protected:
    void start() override;
    void stop() override;

private:
    void tick();

    QTimer m_timer;
    QElapsedTimer m_clock;
    FrameSchedule m_schedule;
};

} // namespace tapalong
