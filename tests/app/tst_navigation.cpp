// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Which screen the root view shows, and the destinations it refuses.
#include "navigation.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(Tapalong_GamesPlugin)

using namespace tapalong;

class TestNavigation : public QObject {
    Q_OBJECT

private slots:
    void eachDestinationOpensItsOwnScreen()
    {
        // A lesson with no game is the lesson itself; a game with no lesson is free play.
        const QList<std::array<QString, 4>> destinations = {
            {"u1l1", "", "lesson-u1l1", ""},
            {"", "letterDrop", "game-letterDrop", ""},
            {"u1l1", "copyCat", "bonus-u1l1-copyCat", "u1l2"},
            {"u6l3", "wordMeteors", "bonus-u6l3-wordMeteors", ""}}; // after the last lesson
        for (const auto &[lessonId, game, key, next] : destinations) {
            Navigation navigation;
            QVERIFY(game.isEmpty()       ? navigation.openLesson(lessonId)
                    : lessonId.isEmpty() ? navigation.openGame(game)
                                         : navigation.openBonus(lessonId, game));
            const auto kind = lessonId.isEmpty() ? ScreenKind::Kind::Game
                              : game.isEmpty()   ? ScreenKind::Kind::Lesson
                                                 : ScreenKind::Kind::Bonus;
            QCOMPARE(navigation.kind(), kind);
            QCOMPARE(navigation.screenKey(), key);
            QCOMPARE(navigation.lessonId(), lessonId);
            QCOMPARE(navigation.game(), game);
            QCOMPARE(navigation.nextLessonId(), next);
        }
    }

    // A stale id would open a screen with no way back; the same key is the same screen.
    void unknownDestinationsAreRefusedAndTheSameScreenChangesNothing()
    {
        Navigation navigation;
        QVERIFY(navigation.openLesson("u2l1"));
        QSignalSpy changed(&navigation, &Navigation::screenChanged);
        QVERIFY(!navigation.openLesson("u9l9"));
        QVERIFY(!navigation.openLesson(""));
        QVERIFY(!navigation.openGame("LetterDrop")); // ids are case-sensitive
        QVERIFY(!navigation.openBonus("u1l1", "pong"));
        QVERIFY(!navigation.openBonus("u0l0", "copyCat"));
        QVERIFY(navigation.openLesson("u2l1"));
        QCOMPARE(changed.count(), 0);
        QCOMPARE(navigation.screenKey(), "lesson-u2l1");

        QVERIFY(navigation.openBonus("u1l1", "keyMoles"));
        QCOMPARE(changed.count(), 1);
        navigation.showMain();
        QCOMPARE(navigation.game(), QString());
    }

    // A row of the game table whose screen is missing would open an empty window.
    void everyGameOfTheTableHasItsScreen()
    {
        const Navigation navigation;
        for (const GameFacts &row : gameTable) {
            const QUrl url = navigation.gameScreenUrl(row.id.toString());
            QVERIFY2(QFile::exists(u':' + url.path()), qPrintable(url.toString()));
        }
        QVERIFY(navigation.gameScreenUrl(u"pinball"_qs).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestNavigation)
#include "tst_navigation.moc"
