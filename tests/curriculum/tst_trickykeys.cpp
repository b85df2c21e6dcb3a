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
        QCOMPARE(TrickyKeys::weakestKeys(mia, 5), "tke"); // f and j were never missed
        QCOMPARE(TrickyKeys::easiestKeys(mia, u"tke", 3), "fjd");
    }

    // Guards against drilling keys never missed: J missed 29 times in 94, F and D never, gave
    // a drill on "J, F and D" with more F than J in it.
    void onlyAKeyMissedWellAboveTheChildsRateIsTricky()
    {
        Profile ada;
        ada.id = QUuid::fromString(QStringLiteral("1F8FAD5B-D9CB-469F-A165-70867728950E"));
        ada.lessonResults.insert("u1l1", {2, 10, 90, {}});
        ada.lessonResults.insert("u1l2", {2, 10, 90, {}});
        ada.keyStats[u'j'] = {65, 29, {{u'h', 29}}};
        ada.keyStats[u'f'] = {94, 0, {}};
        ada.keyStats[u'd'] = {60, 0, {}};
        ada.keyStats[u'k'] = {60, 0, {}};
        QCOMPARE(TrickyKeys::weakestKeys(ada), "j");
        QVERIFY(TrickyKeys::hasTrickyKeys(ada));

        const Lesson drill = TrickyKeys::drill(ada, QDate(2026, 12, 7));
        QCOMPARE(drill.newKeys, "j");
        QVERIFY2(!drill.drills.front().contains(u'f'), qPrintable(drill.drills.front()));
        const QString all = drill.drills.join(u' ');
        for (QChar other : QStringLiteral("fdk"))
            QVERIFY2(all.count(u'j') > 2 * all.count(other), qPrintable(all));

        // A few slips, or the child's usual rate everywhere, make no key tricky.
        Profile steady = ada;
        steady.keyStats[u'j'] = {90, 4, {}};
        QCOMPARE(TrickyKeys::weakestKeys(steady), "");
        for (QChar key : QStringLiteral("fjdk"))
            steady.keyStats[key] = {90, 10, {}};
        steady.keyStats[u'j'] = {85, 15, {}}; // 15 % beside 10 %: not clearly more
        QCOMPARE(TrickyKeys::weakestKeys(steady), "");
        QVERIFY(!TrickyKeys::hasTrickyKeys(steady));
        QVERIFY(TrickyKeys::drill(steady, QDate(2026, 12, 7)).drills.isEmpty());
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
