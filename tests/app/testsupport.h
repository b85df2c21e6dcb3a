// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Lets the Qt Quick tests start each case from an empty household and hear what was played.
#pragma once

#include "appstore.h"
#include "curriculum.h"
#include "history.h"
#include "recordingsound.h"

#include <QtQml/qqmlregistration.h>

#include <algorithm>

namespace tapalong {

class TestSupport : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QStringList played READ played)

public:
    // The store under test, set before the first QML file loads.
    static inline AppStore *store = nullptr;
    // What the program's edge played, set up with the store.
    static inline RecordingSoundBackend *sounds = nullptr;

    QStringList played() const { return sounds->played; }
    // No profiles, both settings on, nothing heard yet.
    Q_INVOKABLE void reset()
    {
        store->setData(AppData{});
        sounds->played.clear();
    }
    // Every lesson of the course finished by the current explorer.
    Q_INVOKABLE void finishCourse()
    {
        for (const Lesson &lesson : Curriculum::allLessons())
            store->recordLesson(lesson, 3, 20, 1, 50);
    }
    // "D and K" finished, and F, J, D and K typed often enough for tricky-key practice, K
    // the trickiest.
    Q_INVOKABLE void typeEnoughForTrickyKeys()
    {
        store->updateCurrent([](Profile &profile) {
            profile.lessonResults.insert(QStringLiteral("u1l2"), {2, 9, 90, {}});
            for (QChar key : QStringLiteral("fjdk"))
                profile.keyStats.insert(key, {30, 0, {}});
            profile.keyStats[u'k'].wrong = 12;
        });
    }
    // Tricky-key practices in the current explorer's history.
    Q_INVOKABLE int trickyPractices() const
    {
        const Profile *profile = store->currentProfile();
        return profile ? int(std::count_if(profile->history.cbegin(), profile->history.cend(),
                                           [](const PracticeEntry &entry) {
                                               return entry.lessonId == History::trickyLessonId;
                                           }))
                       : 0;
    }
};

} // namespace tapalong
