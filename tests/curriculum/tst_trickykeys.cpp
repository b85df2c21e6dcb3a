// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Guards the choice of tricky keys and the practice drill built from them.
#include "history.h"
#include "trickykeys.h"
#include "wordbank.h"

#include <QTest>

using namespace tapalong;

namespace {

// Finished the first two units; every learned key typed 30 times, some with mistakes.
Profile practisedProfile()
{
    Profile mia;
    mia.id = QUuid::fromString(QStringLiteral("0F8FAD5B-D9CB-469F-A165-70867728950E"));
    for (const char *id : {"u1l1", "u1l2", "u1l3", "u1l4", "u1l5", "u1l6", "u2l1", "u2l2",
                           "u2l3"})
        mia.lessonResults.insert(QString::fromLatin1(id), {2, 10, 90, {700'000'000}});
    for (QChar key : QStringLiteral("asdfghjkl;eiruty"))
        mia.keyStats.insert(key, {30, 0, {}});
    mia.keyStats[u't'] = {20, 10, {{u'r', 8}, {u'y', 2}}};
    mia.keyStats[u'e'] = {24, 6, {{u'w', 6}}};
    mia.keyStats[u'k'] = {48, 12, {}}; // the same rate as e, more mistakes: before e
    mia.keyStats[u'p'] = {1, 40, {}};  // not learned yet: never chosen
    mia.keyStats[u'g'] = {5, 5, {}};   // too few attempts to judge
    return mia;
}

} // namespace

class TestTrickyKeys : public QObject {
    Q_OBJECT

private slots:
    void enoughStatisticsNeedsSeveralWellTypedLearnedKeys()
    {
        Profile mia = practisedProfile();
        QVERIFY(TrickyKeys::hasEnoughStatistics(mia));

        Profile beginner;
        beginner.lessonResults.insert("u1l1", {1, 5, 80, {}});
        for (QChar key : QStringLiteral("fjdk"))
            beginner.keyStats.insert(key, {TrickyKeys::minAttempts, 0, {}});
        // d and k are not learned after the first lesson: two keys are not enough.
        QVERIFY(!TrickyKeys::hasEnoughStatistics(beginner));
        beginner.lessonResults.insert("u1l2", {1, 5, 80, {}});
        QVERIFY(TrickyKeys::hasEnoughStatistics(beginner));
        beginner.keyStats[u'k'].right -= 1;
        QVERIFY(!TrickyKeys::hasEnoughStatistics(beginner));
    }

    void theWeakestLearnedKeysComeFirst()
    {
        const Profile mia = practisedProfile();
        QCOMPARE(TrickyKeys::weakestKeys(mia), "tke");
        QCOMPARE(TrickyKeys::weakestKeys(mia, 5), "tkefj");
        QCOMPARE(TrickyKeys::easiestKeys(mia, u"tke", 3), "fjd");
    }

    void theDrillIsExactForTheSameProfileDayAndStatistics()
    {
        const Profile mia = practisedProfile();
        const QDate day(2026, 12, 6);
        const Lesson drill = TrickyKeys::drill(mia, day);
        QCOMPARE(drill.id, History::trickyLessonId);
        QCOMPARE(drill.drills, (QStringList{
                                   "kkk kkk ttt eee kkk kek kkk ktk eee kkk",
                                   "te tf jj fj jj td ketd ef eejk kk",
                                   "tired teeth flat get eyelash ear desert legs",
                                   "gusty hut salt tart eraser legal dusty tall",
                               }));
        QCOMPARE(TrickyKeys::drill(mia, day), drill);
        QVERIFY(TrickyKeys::drill(mia, day.addDays(1)).drills != drill.drills);
        Profile changed = mia;
        changed.keyStats[u'a'].right += 1;
        QVERIFY(TrickyKeys::drill(changed, day).drills != drill.drills);
    }

    void theDrillUsesOnlyLearnedKeysAndEveryWordHoldsAWeakKey()
    {
        const Profile mia = practisedProfile();
        const Lesson drill = TrickyKeys::drill(mia, QDate(2026, 12, 6));
        QCOMPARE(drill.drills.size(), 4);
        const QString learned = TrickyKeys::learnedKeys(mia);
        for (const QString &line : drill.drills) {
            QVERIFY(!line.isEmpty());
            for (QChar c : line)
                QVERIFY2(c == u' ' || learned.contains(c), qPrintable(line));
        }
        for (const QString &line : drill.drills.mid(2)) {
            for (const QString &word : line.split(u' '))
                QVERIFY2(word.contains(u't') || word.contains(u'k') || word.contains(u'e'),
                         qPrintable(word));
        }
        QVERIFY(TrickyKeys::drill(Profile{}, QDate(2026, 12, 6)).drills.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestTrickyKeys)
#include "tst_trickykeys.moc"
