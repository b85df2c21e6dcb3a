// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Guards what the store adds to the practice history and key statistics: a typed lesson's keys
// and entry, and practice and games kept apart from the course's results.
#include "appstore.h"
#include "curriculum.h"
#include "history.h"
#include "lessonsession.h"

#include <QTemporaryDir>
#include <QTest>

using namespace tapalong;

namespace {

class FakeClock : public Clock {
public:
    Timestamp now() const override { return moment; }
    Timestamp moment{700'000'000};
};

} // namespace

class TestStoreHistory : public QObject {
    Q_OBJECT

private slots:
    void aTypedLessonWithMistakesAddsItsKeysAndOneEntry()
    {
        QTemporaryDir dir;
        FakeClock clock;
        AppStore store(SaveFile(dir.filePath("tapalong.json")), clock);
        store.addProfile("Mia", "🦊");
        Lesson lesson = *Curriculum::lessonById("u1l1");
        lesson.drills = {"fff", "jj"};
        LessonSession session(lesson, clock);
        // Two r's and a g where the first f was asked for, one k for the last j.
        for (QChar ch : QStringLiteral("rgrfffjkj"))
            session.handle(ch);
        QVERIFY(session.finished());
        clock.moment.secondsSinceReference += 30;
        store.recordLesson(lesson, session.stars(), 10, session.accuracy(), session.correct(),
                           {30, session.correct() + session.wrong(), session.keyStats()});
        store.recordLesson(lesson, session.stars(), 10, session.accuracy(), session.correct(),
                           {30, session.correct() + session.wrong(), session.keyStats()});

        const Profile &mia = *store.currentProfile();
        QCOMPARE(mia.keyStats.size(), 2);
        QCOMPARE(mia.keyStats.value(u'f'), (KeyStat{6, 6, {{u'r', 4}, {u'g', 2}}}));
        QCOMPARE(mia.keyStats.value(u'j'), (KeyStat{4, 2, {{u'k', 2}}}));
        QCOMPARE(mia.history.size(), 2);
        const PracticeEntry &entry = mia.history.back();
        QCOMPARE(entry.lessonId, "u1l1");
        QCOMPARE(entry.keys, 9);
        QCOMPARE(entry.seconds, 30.0);
        QCOMPARE(entry.accuracy, session.accuracy());
        QCOMPARE(entry.date.secondsSinceReference, 700'000'030.0);
    }

    void trickyPracticeAndGamesGoToTheHistoryButNotTheResults()
    {
        QTemporaryDir dir;
        FakeClock clock;
        AppStore store(SaveFile(dir.filePath("tapalong.json")), clock);
        store.addProfile("Mia", "🦊");
        KeyStats typed;
        History::count(typed, u'q', u'w');
        store.recordTrickyPractice(3, 14, 95, 40, {50, 42, typed});
        store.recordGame(GameKind::keyMoles, 120, std::nullopt, 30, {45.5, 0, {}});

        const Profile &mia = *store.currentProfile();
        QVERIFY(mia.lessonResults.isEmpty());
        QCOMPARE(mia.totalStars(), 0);
        QCOMPARE(mia.history.size(), 2);
        QCOMPARE(mia.history[0].lessonId, History::trickyLessonId);
        QCOMPARE(mia.history[1].game, GameKind::keyMoles);
        QCOMPARE(mia.history[1].score, 120);
        QCOMPARE(mia.history[1].seconds, 45.5);
        QCOMPARE(mia.keyStats.value(u'q').wrong, 1);
        QCOMPARE(mia.streak, 1);
    }
};

QTEST_GUILESS_MAIN(TestStoreHistory)
#include "tst_storehistory.moc"
