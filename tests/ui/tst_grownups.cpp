// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Guards what the grown-ups' view says: the summary, the charts' figures, the tricky keys,
// the sum at the gate and the dashboard's practice card.
#include "grownupsreport.h"
#include "grownupsview.h"
#include "history.h"
#include "trickykeys.h"
#include "trickypractice.h"
#include "translation.h"

#include <QTemporaryDir>
#include <QTest>

#include <ctime>

using namespace tapalong;

namespace {

Timestamp at(const char *localIso)
{
    return Timestamp::fromDateTime(QDateTime::fromString(QString::fromLatin1(localIso), Qt::ISODate));
}

PracticeEntry lessonAt(const char *localIso, const char *lessonId, double wpm, double seconds)
{
    PracticeEntry entry;
    entry.date = at(localIso);
    entry.lessonId = QString::fromLatin1(lessonId);
    entry.wpm = wpm;
    entry.accuracy = 90;
    entry.stars = 2;
    entry.seconds = seconds;
    return entry;
}

// Mia: lessons on four days of the week before 2026-12-06, one the week before that.
Profile mia()
{
    Profile profile;
    profile.name = QStringLiteral("Mia");
    profile.history << lessonAt("2026-11-20T10:00:00", "u1l1", 5, 300)
                    << lessonAt("2026-12-01T10:00:00", "u1l1", 7.6, 120)
                    << lessonAt("2026-12-02T10:00:00", "u1l2", 9, 60)
                    << lessonAt("2026-12-02T18:00:00", "tricky", 10, 90)
                    << lessonAt("2026-12-05T23:30:00", "u1l3", 11, 60)
                    << lessonAt("2026-12-06T08:00:00", "u1l3", 12.4, 180);
    PracticeEntry game;
    game.date = at("2026-12-06T09:00:00");
    game.game = GameKind::keyMoles;
    game.score = 480;
    game.seconds = 60;
    profile.history << game;
    profile.gameScores << GameScore{QUuid::createUuid(), GameKind::keyMoles, 480, {}, game.date};
    profile.lessonResults.insert("u1l1", {3, 7.6, 95, at("2026-12-01T10:00:00")});
    profile.lessonResults.insert("u1l2", {2, 9, 90, at("2026-12-02T10:00:00")});
    profile.keyStats[u't'] = {30, 10, {{u'r', 7}, {u'y', 3}}};
    profile.keyStats[u'k'] = {45, 5, {{u'l', 5}}};
    profile.keyStats[u'f'] = {100, 0, {}};
    profile.keyStats[u'q'] = {2, 3, {{u'w', 3}}}; // too few presses to be named
    profile.streak = 2;
    profile.lastActiveDay = game.date;
    return profile;
}

const QDate today(2026, 12, 6);

} // namespace

class TestGrownups : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qputenv("TZ", "Europe/Berlin");
        tzset();
        installTranslation(QStringLiteral("en"));
    }

    void theSummarySaysDaysSpeedAndTheCommonestMixUp()
    {
        QCOMPARE(GrownupsReport::summary(mia(), today),
                 "Mia practised 4 days this week; their speed went from 8 to 12 wpm; they "
                 "often type R for T.");
        Profile quiet = mia();
        quiet.keyStats.clear();
        QCOMPARE(GrownupsReport::summary(quiet, today.addDays(30)),
                 "Mia has not practised this week.");
        QCOMPARE(GrownupsReport::summary(quiet, QDate(2026, 11, 21)),
                 "Mia practised 1 day this week; their speed was 5 wpm.");
    }

    // Guards "their speed went from 54 to 40 wpm", a lesson compared with a practice drill.
    void theSummaryComparesLessonsOnly()
    {
        Profile ada;
        ada.name = QStringLiteral("Ada");
        ada.history << lessonAt("2026-12-05T10:00:00", "u1l1", 54, 34)
                    << lessonAt("2026-12-06T10:00:00", "tricky", 40, 60);
        QCOMPARE(GrownupsReport::summary(ada, today),
                 "Ada practised 2 days this week; their speed was 54 wpm.");
        ada.history << lessonAt("2026-12-06T11:00:00", "u1l2", 50, 30);
        QCOMPARE(GrownupsReport::summary(ada, today),
                 "Ada practised 2 days this week; their speed went from 54 to 50 wpm.");
    }

    void practiceDaysAddUpMinutesByTheLocalCalendar()
    {
        const auto days = GrownupsReport::practiceDays(mia(), today);
        QCOMPARE(days.size(), GrownupsReport::shownDays);
        QCOMPARE(days.front().day, QDate(2026, 11, 9));
        QCOMPARE(days.back().day, today);
        QCOMPARE(days.back().minutes, 4.0);          // 180 s of lesson and a 60 s game
        QCOMPARE(days[days.size() - 2].minutes, 1.0); // 23:30 local is still the 5th
        QCOMPARE(days[days.size() - 5].minutes, 2.5);
        QCOMPARE(days[days.size() - 17].minutes, 5.0);
        QCOMPARE(GrownupsReport::currentStreak(mia(), today), 2);
        QCOMPARE(GrownupsReport::currentStreak(mia(), today.addDays(2)), 0);
    }

    void speedPointsCarryTheLessonsGoal()
    {
        const auto points = GrownupsReport::speedPoints(mia());
        QCOMPARE(points.size(), 6); // the game is not a point
        QCOMPARE(points.front().goal, 8.0);
        QCOMPARE(points[3].goal, 0.0); // tricky-key practice has no goal
        QVERIFY(points[3].practice);
        QVERIFY(!points[2].practice);
        QCOMPARE(points[4].day, QDate(2026, 12, 5)); // 23:30 local
    }

    // Guards an accuracy chart on which 88 % and 95 % looked the same.
    void theAccuracyChartStartsJustBelowTheLowestPoint()
    {
        const auto at = [](double accuracy) {
            GrownupsReport::SpeedPoint point;
            point.accuracy = accuracy;
            return point;
        };
        QCOMPARE(GrownupsReport::accuracyFloor({at(88), at(95)}), 70.0);
        QCOMPARE(GrownupsReport::accuracyFloor({at(100)}), 80.0);
        QCOMPARE(GrownupsReport::accuracyFloor({at(15)}), 0.0);
        QCOMPARE(GrownupsReport::accuracyFloor({}), 80.0);
    }

    void theTrickiestKeysNeedEnoughPresses()
    {
        const auto keys = GrownupsReport::trickiestKeys(mia());
        QCOMPARE(keys.size(), 2);
        QCOMPARE(keys[0].key, u't');
        QCOMPARE(keys[0].errorRate, 0.25);
        QCOMPARE(keys[0].oftenTypedInstead, std::optional<QChar>(u'r'));
        QCOMPARE(keys[1].key, u'k');
        QCOMPARE(GrownupsReport::keyName(u' '), "Space");
        QCOMPARE(GrownupsReport::keyName(u';'), "semicolon");
    }

    void theViewShowsTheChosenExplorer()
    {
        QTemporaryDir dir;
        AppStore store{SaveFile(dir.filePath("tapalong.json"))};
        AppData data;
        data.profiles << mia();
        data.profiles.front().id = QUuid::createUuid();
        Profile ben;
        ben.id = QUuid::createUuid();
        ben.name = QStringLiteral("Ben");
        ben.avatar = QStringLiteral("🐻");
        data.profiles << ben;
        store.setData(data);

        GrownupsView view;
        view.setToday(today);
        view.setStore(&store);
        QCOMPARE(view.explorers().size(), 2);
        QCOMPARE(view.speedPoints().size(), 6);
        QCOMPARE(view.speedScale(), 15.0);
        // The practice drill is marked and neither counted nor quoted as a lesson.
        QCOMPARE(view.speedText(), "5 lessons, latest 12 wpm at 90% accuracy");
        QCOMPARE(view.speedLegend(),
                 "dashes: each lesson's goal  ·  rings: tricky-key practice (1 drill)");
        QVERIFY(view.speedPoints()[3].practice);
        QCOMPARE(view.accuracyFloor(), 80.0);
        // Dates along the axis: the first point of each day carries its date.
        QStringList labels;
        for (const ChartPoint &point : view.speedPoints())
            labels << point.label;
        QCOMPARE(labels, (QStringList{"20 Nov", "1 Dec", "2 Dec", "", "5 Dec", "6 Dec"}));
        QCOMPARE(view.days().front().label, "9 Nov");
        QCOMPARE(view.days().back().label, "6 Dec");
        QCOMPARE(view.practiceText(), "15 minutes in the last four weeks");
        QCOMPARE(view.streakText(), "🔥 2 days in a row");
        QCOMPARE(view.trickyText(),
                 "Trickiest keys: T (25% missed, often R), K (10% missed, often L)");
        QCOMPARE(view.units().front().text, "5 of 18 ⭐");
        QCOMPARE(view.games().size(), 1);
        QCOMPARE(view.games().front().text, "1 game, best score 480");
        store.updateCurrent([](Profile &) {}); // no current explorer: nothing changes
        AppData older = store.data();
        older.profiles.front().history.clear();
        store.setData(older);
        QCOMPARE(view.games().front().text, "best score 480");
        store.setData(data);
        QCOMPARE(view.heat().value("t").toDouble(), 0.25);

        view.setSelected(1);
        QCOMPARE(view.summary(), "Ben has not practised this week.");
        store.chooseProfile(store.data().profiles.front().id.toString());
        QCOMPARE(view.selected(), 1); // a grown-up's choice stays

        GrownupsView fresh;
        fresh.setStore(&store);
        QCOMPARE(fresh.selected(), 0); // the explorer who is playing
        store.chooseProfile(store.data().profiles.back().id.toString());
        QCOMPARE(fresh.selected(), 1);
        view.setSelected(1);
        QCOMPARE(view.speedText(), "No lessons yet.");
        QCOMPARE(view.speedLegend(), "");
        QCOMPARE(view.trickyText(), "No tricky keys yet: more typing will tell.");
        QVERIFY(view.games().isEmpty());
    }

    void theGateAsksASumWithACarryAndChangesItAfterAWrongAnswer()
    {
        GrownupsGate gate;
        for (quint64 seed = 0; seed < 200; ++seed) {
            gate.setSeed(seed);
            const QStringList parts = gate.question().mid(8).chopped(1).split(" + ");
            QCOMPARE(parts.size(), 2);
            const int a = parts[0].toInt(), b = parts[1].toInt();
            QVERIFY(a >= 12 && a <= 79 && b >= 11 && b <= 79);
            QVERIFY2(a % 10 + b % 10 >= 10, qPrintable(gate.question()));
            QCOMPARE(gate.expected(), a + b);
        }
        gate.setSeed(7);
        const QString first = gate.question();
        QVERIFY(!gate.answer(QString::number(gate.expected() + 1)));
        QVERIFY(!gate.passed());
        gate.setSeed(7);
        QCOMPARE(gate.question(), first);
        QVERIFY(!gate.answer("lots"));
        QVERIFY(gate.answer(QStringLiteral(" %1 ").arg(gate.expected())));
        QVERIFY(gate.passed());
    }

    void thePracticeCardNamesOnlyTheKeysThatStandOut()
    {
        QTemporaryDir dir;
        AppStore store{SaveFile(dir.filePath("tapalong.json"))};
        store.addProfile("Mia", "🦊");
        TrickyPractice card;
        card.setStore(&store);
        QVERIFY(!card.available());
        store.updateCurrent([](Profile &p) {
            p.lessonResults.insert("u1l2", {2, 9, 90, {}});
            for (QChar key : QStringLiteral("fjdk"))
                p.keyStats.insert(key, {TrickyKeys::minAttempts, 0, {}});
            p.keyStats[u'j'].wrong = 9;
            p.keyStats[u'd'].wrong = 3;
        });
        QVERIFY(card.available());
        // D's three slips are too few to call it tricky; F and K were never missed.
        QCOMPARE(card.description(), "A quick drill on J, the key that trips you up most.");
        store.updateCurrent([](Profile &p) {
            p.keyStats[u'k'].wrong = 8;
            p.keyStats[u'f'].right = 200;
        });
        QCOMPARE(card.description(), "A quick drill on J and K, the keys that trip you up most.");
        store.updateCurrent([](Profile &p) {
            p.keyStats[u'j'].wrong = 1;
            p.keyStats[u'k'].wrong = 1;
        });
        QVERIFY(!card.available()); // nothing stands out: nothing to drill
        QCOMPARE(TrickyPractice::keyList("t"), "T");
        QCOMPARE(TrickyPractice::keyList(";kl"), "semicolon, K and L");
    }
};

QTEST_GUILESS_MAIN(TestGrownups)
#include "tst_grownups.moc"
