// Guards what the root view shows: screen identity, refused destinations and the bonus round's
// next lesson.
#include "navigation.h"

#include <QSignalSpy>
#include <QTest>

using namespace tapalong;

class TestNavigation : public QObject {
    Q_OBJECT

private slots:
    void eachDestinationOpensItsOwnScreen_data()
    {
        QTest::addColumn<QString>("lessonId"); // with no game: the lesson itself
        QTest::addColumn<QString>("game");     // with no lesson: free play
        QTest::addColumn<QString>("key");      // starts with the kind of screen
        QTest::addColumn<QString>("next");
        const auto add = [](const char *tag, const char *lessonId, const char *game,
                            const char *key, const char *next) {
            QTest::newRow(tag) << QString(lessonId) << QString(game) << QString(key)
                               << QString(next);
        };
        add("lesson", "u1l1", "", "lesson-u1l1", "");
        add("free game", "", "letterDrop", "game-letterDrop", "");
        add("bonus", "u1l1", "copyCat", "bonus-u1l1-copyCat", "u1l2");
        add("bonus after the last lesson", "u6l3", "wordMeteors", "bonus-u6l3-wordMeteors", "");
    }

    void eachDestinationOpensItsOwnScreen()
    {
        QFETCH(QString, lessonId);
        QFETCH(QString, game);
        QFETCH(QString, key);
        QFETCH(QString, next);
        Navigation navigation;
        QCOMPARE(navigation.screenKey(), "main");
        QVERIFY(game.isEmpty()       ? navigation.openLesson(lessonId)
                : lessonId.isEmpty() ? navigation.openGame(game)
                                     : navigation.openBonus(lessonId, game));
        QCOMPARE(navigation.kind(), key.section(u'-', 0, 0));
        QCOMPARE(navigation.screenKey(), key);
        QCOMPARE(navigation.lessonId(), lessonId);
        QCOMPARE(navigation.game(), game);
        QCOMPARE(navigation.nextLessonId(), next);
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
        navigation.showMain();
        QCOMPARE(navigation.screenKey(), "main");
        QCOMPARE(navigation.game(), QString());
    }
};

QTEST_GUILESS_MAIN(TestNavigation)
#include "tst_navigation.moc"
