// Guards what the root view shows: screen identity, refused destinations and the bonus round's
// next lesson.
#include "navigation.h"

#include <QSignalSpy>
#include <QTest>

using namespace tapalong;

Q_DECLARE_METATYPE(tapalong::Screen)

class TestNavigation : public QObject {
    Q_OBJECT

private slots:
    void screenKeyNamesEachScreen_data()
    {
        QTest::addColumn<Screen>("screen");
        QTest::addColumn<QString>("key");
        QTest::newRow("main") << Screen::main() << "main";
        QTest::newRow("lesson") << Screen::lesson("u1l1") << "lesson-u1l1";
        QTest::newRow("free game") << Screen::game(GameKind::letterDrop) << "game-letterDrop";
        QTest::newRow("bonus") << Screen::bonus("u1l2", GameKind::copyCat) << "bonus-u1l2-copyCat";
        QTest::newRow("bonus, other lesson")
            << Screen::bonus("u6l3", GameKind::wordMeteors) << "bonus-u6l3-wordMeteors";
    }

    void screenKeyNamesEachScreen()
    {
        QFETCH(Screen, screen);
        QFETCH(QString, key);
        QCOMPARE(screen.key(), key);
    }

    // A stale or mistyped id would otherwise open a screen with nothing to show and no way back.
    void unknownDestinationsAreRefused()
    {
        Navigation navigation;
        QVERIFY(navigation.openLesson("u2l1"));
        QSignalSpy changed(&navigation, &Navigation::screenChanged);

        QVERIFY(!navigation.openLesson("u9l9"));
        QVERIFY(!navigation.openLesson(""));
        QVERIFY(!navigation.openGame("tetris"));
        QVERIFY(!navigation.openGame("LetterDrop")); // raw values are case-sensitive
        QVERIFY(!navigation.openBonus("u1l1", "pong"));
        QVERIFY(!navigation.openBonus("u0l0", "copyCat"));
        QCOMPARE(changed.count(), 0);
        QCOMPARE(navigation.screenKey(), "lesson-u2l1");
    }

    // The same key is the same screen: no change, no rebuild.
    void reopeningTheSameScreenChangesNothing()
    {
        Navigation navigation;
        QSignalSpy changed(&navigation, &Navigation::screenChanged);
        navigation.showMain();
        QVERIFY(navigation.openGame("keyMoles"));
        QVERIFY(navigation.openGame("keyMoles"));
        QCOMPARE(changed.count(), 1);
        QVERIFY(navigation.openBonus("u1l1", "keyMoles"));
        QCOMPARE(changed.count(), 2);
    }

    void bonusRoundKnowsTheNextLesson_data()
    {
        QTest::addColumn<QString>("lessonId");
        QTest::addColumn<QString>("next");
        QTest::newRow("within a unit") << "u1l1"
                                       << "u1l2";
        QTest::newRow("across units") << "u1l6"
                                      << "u2l1";
        QTest::newRow("after the last lesson") << "u6l3"
                                               << "";
    }

    void bonusRoundKnowsTheNextLesson()
    {
        QFETCH(QString, lessonId);
        QFETCH(QString, next);
        Navigation navigation;
        QVERIFY(navigation.openBonus(lessonId, "rocketRace"));
        QCOMPARE(navigation.kind(), "bonus");
        QCOMPARE(navigation.lessonId(), lessonId);
        QCOMPARE(navigation.game(), "rocketRace");
        QCOMPARE(navigation.nextLessonId(), next);
        QCOMPARE(navigation.bonusDuration(), 45.0);
    }

    void freePlayHasNoLessonAndNoNextLesson()
    {
        Navigation navigation;
        QVERIFY(navigation.openGame("copyCat"));
        QCOMPARE(navigation.kind(), "game");
        QCOMPARE(navigation.lessonId(), QString());
        QCOMPARE(navigation.nextLessonId(), QString());
    }
};

QTEST_GUILESS_MAIN(TestNavigation)
#include "tst_navigation.moc"
