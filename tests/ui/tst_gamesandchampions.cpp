// Guards what the games and champions tabs derive from the store: the learned-keys label, the
// score lines, the board a visit opens on, ranks, the current explorer's mark and empty boards.
#include "championsboard.h"
#include "curriculum.h"
#include "gameshub.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace tapalong;

namespace {

class FakeClock : public Clock {
public:
    Timestamp now() const override { return {700'000'000}; }
};

constexpr int letterDropBoard = 0;
constexpr int keyMolesBoard = 3;
constexpr int starsBoard = 5;
constexpr int speedBoard = 6;

const QString noScore = QStringLiteral("No score yet — go!");

struct Household {
    Household() : store(SaveFile(dir.filePath("tapalong.json")), clock) {}

    // The new explorer becomes the current one.
    QString add(const QString &name)
    {
        store.addProfile(name, QStringLiteral("🦊"));
        return store.currentProfileId();
    }
    void finish(const char *lessonId, int stars = 2, double wpm = 12)
    {
        const auto lesson = Curriculum::lessonById(QString::fromLatin1(lessonId));
        store.recordLesson(*lesson, stars, wpm, 95, 40);
    }
    void play(GameKind kind, int score) { store.recordGame(kind, score, std::nullopt, score); }
    std::unique_ptr<ChampionsBoard> champions()
    {
        auto champions = std::make_unique<ChampionsBoard>();
        champions->setStore(&store);
        return champions;
    }

    QTemporaryDir dir;
    FakeClock clock;
    AppStore store;
};

QStringList column(const QVariantList &maps, const char *field)
{
    QStringList values;
    for (const QVariant &map : maps)
        values.append(map.toMap().value(field).toString());
    return values;
}

} // namespace

class TestGamesAndChampions : public QObject {
    Q_OBJECT

private slots:
    void keysLabelShowsTwelveAtMost()
    {
        QCOMPARE(GamesHub::keysLabel("asdfghjkleir"), "A S D F G H J K L E I R");
        QCOMPARE(GamesHub::keysLabel("asdfghjkleiru"), "A S D F G H J K L E I R …");
    }

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
        QCOMPARE(hub.learnedKeys(), "A S D F G H J K L E I R …");

        h.play(GameKind::letterDrop, 0); // a recorded 0 is no high score
        h.play(GameKind::keyMoles, 480);
        QCOMPARE(column(hub.cards(), "kind"),
                 (QStringList{"letterDrop", "wordMeteors", "rocketRace", "keyMoles", "copyCat"}));
        QCOMPARE(column(hub.cards(), "scoreLine"),
                 (QStringList{noScore, noScore, noScore, "High score: 480", noScore}));

        // Guards against showing the last explorer's keys and scores behind the picker.
        h.store.switchPlayer();
        QCOMPARE(hub.learnedKeys(), "A S D F J K L");
        QCOMPARE(column(hub.cards(), "scoreLine"), QStringList(5, noScore));
    }

    void everyVisitStartsOnTheStarsBoardAndEmptyBoardsSayHowToGetOn()
    {
        Household h;
        h.add("Ann");
        h.play(GameKind::letterDrop, 0); // a 0 earns no place
        h.champions()->setBoard(keyMolesBoard);

        const auto champions = h.champions();
        QCOMPARE(champions->boards().at(champions->board()).toMap().value("title"),
                 "Star Collectors");
        champions->setBoard(7); // past the last board: nothing changes
        QCOMPARE(champions->board(), starsBoard);

        const QList<std::pair<int, QString>> boards = {
            {starsBoard, "No stars yet — finish a lesson to get on the board!"},
            {speedBoard, "No speeds yet — finish a lesson to set your pace!"},
            {letterDropBoard, "No scores yet — be the first to play!"},
        };
        for (const auto &[board, message] : boards) {
            champions->setBoard(board);
            QVERIFY(champions->rows().isEmpty());
            QCOMPARE(champions->emptyMessage(), message);
        }
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

        const auto champions = h.champions();
        // Ties keep creation order and still take consecutive ranks.
        QCOMPARE(column(champions->rows(), "name"), (QStringList{"Cleo", "Ann", "Ben"}));
        QCOMPARE(column(champions->rows(), "rank"), (QStringList{"1", "2", "3"}));
        QCOMPARE(column(champions->rows(), "value"),
                 (QStringList{"3 ⭐️", "2 ⭐️", "2 ⭐️"}));
        QCOMPARE(column(champions->rows(), "isCurrent"), (QStringList{"false", "true", "false"}));

        champions->setBoard(speedBoard);
        QCOMPARE(column(champions->rows(), "value"), (QStringList{"23 wpm", "22 wpm", "12 wpm"}));

        champions->setBoard(keyMolesBoard);
        QCOMPARE(column(champions->rows(), "id"), (QStringList{ben, ann}));
        QCOMPARE(column(champions->rows(), "isCurrent"), (QStringList{"false", "true"}));
        QSignalSpy rowsChanged(champions.get(), &ChampionsBoard::rowsChanged);
        h.store.switchPlayer();
        QCOMPARE(rowsChanged.count(), 1);
        QCOMPARE(column(champions->rows(), "isCurrent"), (QStringList{"false", "false"}));
    }
};

QTEST_GUILESS_MAIN(TestGamesAndChampions)

#include "tst_gamesandchampions.moc"
