// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// A long time of practice for one explorer: a full history and well-counted keys, for the
// benchmarks that need a household as large as the caps allow.
#pragma once

#include "curriculum.h"
#include "history.h"
#include "records.h"

namespace tapalong::bench {

// Newest last: the first entry at `firstDate`, one every `spacing` seconds.
inline void addFullPractice(Profile &profile, double firstDate, double spacing)
{
    const auto lessons = Curriculum::allLessons();
    for (int i = 0; i < History::maxEntries; ++i) {
        PracticeEntry entry;
        entry.date = {firstDate + i * spacing};
        if (i % 4 == 3) {
            entry.game = allGameKinds[size_t(i % 5)];
            entry.score = 100 + i % 300;
        } else {
            entry.lessonId = lessons[i % lessons.size()].id;
            entry.wpm = 5 + (i % 17) * 0.73;
            entry.accuracy = 80 + (i % 20) * 0.9;
            entry.stars = 1 + i % 3;
            entry.keys = 120 + i % 40;
        }
        entry.seconds = 60.5 + i % 30;
        profile.history.append(entry);
    }
    for (char c = 'a'; c <= 'z'; ++c) {
        for (char typed = 'a'; typed <= 'z'; typed += 5)
            History::count(profile.keyStats, QChar(c), QChar(typed));
        profile.keyStats[QChar(c)].right += 900;
    }
}

} // namespace tapalong::bench
