// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// What the games and champions tabs derive from the store.
#include "championsboard.h"
#include "curriculum.h"
#include "gameshub.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace tapalong;

namespace {

class FakeClock : public Clock {
public:
    Timestamp now() const override { return {700'000'000}; }
};

// The boards follow the game table: one per game in its order, then stars, then speed.
int gameBoard(GameKind kind)
{
    return int(std::ranges::find(allGameKinds, kind) - allGameKinds.begin());
}
const int starsBoard = int(gameTable.size());
const int speedBoard = starsBoard + 1;
const QString noScore = QStringLiteral("No score yet — go!");

template <typename Row, typename Field>
QStringList column(const QList<Row> &rows, Field Row::*field)
{
    QStringList values;
    for (const Row &row : rows)
        values.append(QVariant::fromValue(row.*field).toString());
    return values;
}

struct Household {
    Household() : store(SaveFile(dir.filePath("tapalong.json")), clock)
    {
        champions.setStore(&store);
    }
    QString add(const QString &name)
    {
        store.addProfile(name, QStringLiteral("🦊"));
        return store.currentProfileId();
    }
    void finish(const char *lessonId, int stars = 2, double wpm = 12)
    {
        store.recordLesson(*Curriculum::lessonById(QString::fromLatin1(lessonId)), stars, wpm, 95,
                           40);
    }
    void play(GameKind kind, int score) { store.recordGame(kind, score, std::nullopt, score); }
    template <typename Field> QStringList rows(Field ChampionRowInfo::*field) const
    {
        return column(champions.rows(), field);
    }

    QTemporaryDir dir;
    FakeClock clock;
    AppStore store;
    ChampionsBoard champions;
};

} // namespace

class TestGamesAndChampions : public QObject {
    Q_OBJECT

private slots:
    void hubFollowsTheCurrentExplorer()
    {
        Household h;
        GamesHub hub;
        hub.setStore(&h.store);
        h.add("Mia");
        QCOMPARE(hub.learnedKeys(), "A S D F J K L"); // nothing finished yet

        QSignalSpy updated(&hub, &GamesHub::updated);
        h.finish("u2l2");
        QCOMPARE(updated.count(), 1);
        QCOMPARE(hub.learnedKeys(), "A S D F G H J K L E I R …"); // twelve at most

        h.play(GameKind::letterDrop, 0); // a recorded 0 is no high score
        h.play(GameKind::keyMoles, 480);
        QStringList scoreLines(gameTable.size(), noScore);
        scoreLines[gameBoard(GameKind::keyMoles)] = "High score: 480";
        QCOMPARE(column(hub.cards(), &GameCardInfo::scoreLine), scoreLines);

        // Guards against showing the last explorer's keys and scores behind the picker.
        h.store.switchPlayer();
        QCOMPARE(hub.learnedKeys(), "A S D F J K L");
        QCOMPARE(column(hub.cards(), &GameCardInfo::scoreLine), QStringList(gameTable.size(), noScore));
    }

    void everyVisitStartsOnTheStarsBoardAndEmptyBoardsSayHowToGetOn()
    {
        Household h;
        h.add("Ann");
        h.play(GameKind::letterDrop, 0); // a 0 earns no place
        h.champions.setBoard(gameBoard(GameKind::keyMoles));

        ChampionsBoard champions;
        champions.setStore(&h.store);
        QCOMPARE(champions.board(), starsBoard);
        champions.setBoard(speedBoard + 1); // past the last board: nothing changes
        QCOMPARE(champions.board(), starsBoard);
        QVERIFY(champions.rows().isEmpty());
        QCOMPARE(champions.emptyMessage(), "No stars yet — finish a lesson to get on the board!");
        champions.setBoard(gameBoard(GameKind::letterDrop));
        QVERIFY(champions.rows().isEmpty());
        QCOMPARE(champions.emptyMessage(), "No scores yet — be the first to play!");
    }

    void rowsRankTheChosenBoardAndMarkTheCurrentExplorer()
    {
        Household h;
        const QString ann = h.add("Ann");
        h.finish("u1l1", 2, 22.4);
        h.play(GameKind::keyMoles, 300);
        const QString ben = h.add("Ben");
        h.finish("u1l1", 2, 22.5);
        h.play(GameKind::keyMoles, 480);
        h.add("Cleo");
        h.finish("u1l1", 3);
        h.add("Dan"); // nothing finished: on no board
        h.store.chooseProfile(ann);

        // Ties keep creation order and still take consecutive ranks.
        QCOMPARE(h.rows(&ChampionRowInfo::name), (QStringList{"Cleo", "Ann", "Ben"}));
        QCOMPARE(h.rows(&ChampionRowInfo::rank), (QStringList{"1", "2", "3"}));
        QCOMPARE(h.rows(&ChampionRowInfo::value),
                 (QStringList{"3 ⭐️", "2 ⭐️", "2 ⭐️"}));
        QCOMPARE(h.rows(&ChampionRowInfo::isCurrent), (QStringList{"false", "true", "false"}));

        h.champions.setBoard(speedBoard);
        QCOMPARE(h.rows(&ChampionRowInfo::value), (QStringList{"23 wpm", "22 wpm", "12 wpm"}));

        h.champions.setBoard(gameBoard(GameKind::keyMoles));
        QCOMPARE(h.rows(&ChampionRowInfo::id), (QStringList{ben, ann}));
        QSignalSpy rowsChanged(&h.champions, &ChampionsBoard::rowsChanged);
        h.store.switchPlayer();
        QCOMPARE(rowsChanged.count(), 1);
        QCOMPARE(h.rows(&ChampionRowInfo::isCurrent), (QStringList{"false", "false"}));
    }
};

QTEST_GUILESS_MAIN(TestGamesAndChampions)

#include "tst_gamesandchampions.moc"
