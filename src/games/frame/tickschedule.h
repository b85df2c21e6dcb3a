// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// How many game ticks of exactly 1/60 s each frame the renderer draws carries.
#pragma once

#include <QtGlobal>

namespace tapalong {

// The games step on the frames themselves, so that every tick is on screen once and none waits
// beside the frames for the next one. The frames come 60 a second (FramePacer), 16 or 17 ms
// apart; a game's time must still pass in exact ticks of 1/60 s. The first frame of a run takes
// a tick, and from there tick n is due n/60 s later: a frame takes every tick due by half a
// tick after it, so the ± 1 ms of timer jitter never splits one frame's tick over two. A frame
// late by a whole tick takes two, so the game keeps its pace through one lost frame; a longer
// stall moves the schedule on instead of hurrying to catch up, and the game plays slower.
class TickSchedule {
public:
    static constexpr qint64 ticksPerSecond = 60;
    static constexpr int mostPerFrame = 2;

    // A run begins: its first frame takes a tick.
    void restart() { m_started = false; }

    // A frame at `nowMs` (any monotonic origin); answers how many ticks it carries.
    int frame(double nowMs)
    {
        constexpr double tickMs = 1000.0 / ticksPerSecond;
        if (!m_started) {
            m_started = true;
            m_dueMs = nowMs + tickMs;
            return 1;
        }
        int ticks = 0;
        while (ticks < mostPerFrame && m_dueMs <= nowMs + tickMs / 2) {
            ++ticks;
            m_dueMs += tickMs;
        }
        if (m_dueMs <= nowMs + tickMs / 2)
            m_dueMs = nowMs + tickMs;
        return ticks;
    }

private:
    bool m_started = false;
    double m_dueMs = 0;
};

} // namespace tapalong
