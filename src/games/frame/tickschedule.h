// When the game timer should fire next, so that its firings average exactly 60 a second.
#pragma once

#include <QtGlobal>

namespace tapalong {

// Timers count whole milliseconds and 1/60 s is not one, so a fixed 16 ms interval runs 4 %
// fast. Here firing n of a run is due n/60 s after the run began, and each wait is that exact
// due time rounded to the millisecond: 17, 16, 17, … ms, 60 firings to the second. A firing
// delivered late is absorbed by the next wait; one later than a whole tick moves the schedule
// on instead of hurrying to catch up, so a busy machine plays slower rather than in bursts.
class TickSchedule {
public:
    static constexpr qint64 ticksPerSecond = 60;

    // A run begins at `nowNs`; answers the wait, in ms, before its first firing.
    int restart(qint64 nowNs)
    {
        m_startNs = nowNs;
        m_fired = 0;
        return waitFrom(nowNs);
    }

    // A firing happened at `nowNs`; answers the wait, in ms, before the next one.
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
    qint64 dueNs(qint64 firing) const
    {
        return m_startNs + firing * 1'000'000'000 / ticksPerSecond;
    }
    int waitFrom(qint64 nowNs) const
    {
        const qint64 waitNs = dueNs(m_fired + 1) - nowNs;
        return int((waitNs + 500'000) / 1'000'000);
    }

    qint64 m_startNs = 0;
    qint64 m_fired = 0;
};

} // namespace tapalong
