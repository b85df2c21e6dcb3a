// Guards the bonus offer after a lesson: which games suit its keys and in which order.
#include "bonusround.h"
#include "curriculum.h"

#include <QTest>

using namespace tapalong;

namespace {

using Games = QList<GameKind>;
constexpr GameKind drop = GameKind::letterDrop, meteors = GameKind::wordMeteors,
                   race = GameKind::rocketRace, moles = GameKind::keyMoles, cat = GameKind::copyCat;

Lesson courseLesson(const char *id)
{
    return Curriculum::lessonById(QString::fromLatin1(id)).value();
}

// Not in the course, so its list is never rotated.
Lesson extraLesson(const QString &keyPool, const QString &newKeys = QString())
{
    return Lesson{u"extra"_qs, u"Extra"_qs, u"🧪"_qs, newKeys, keyPool, {u"a"_qs}, 10};
}

} // namespace

class BonusRoundTest : public QObject {
    Q_OBJECT

private slots:
    void gamesSuitTheKeys_data()
    {
        QTest::addColumn<Lesson>("lesson");
        QTest::addColumn<Games>("games");
        QTest::newRow("u1l1, no words") << courseLesson("u1l1") << Games{drop, moles, cat};
        QTest::newRow("u1l2, rotated by 1") << courseLesson("u1l2") << Games{moles, cat, drop};
        QTest::newRow("u1l4, 18 words") << courseLesson("u1l4") << Games{meteors, drop, moles, cat};
        QTest::newRow("u3l4, all letters")
            << courseLesson("u3l4") << Games{drop, moles, cat, meteors, race};
        QTest::newRow("11 short words") << extraLesson(u"adhs"_qs) << Games{drop, moles, cat};
        QTest::newRow("12 short words")
            << extraLesson(u"ahls"_qs) << Games{drop, moles, cat, meteors};
        QTest::newRow("11 short words and alfalfa")
            << extraLesson(u"adfgl"_qs) << Games{drop, moles, cat};
        QTest::newRow("all letters but q")
            << extraLesson(u"abcdefghijklmnoprstuvwxyz"_qs) << Games{drop, moles, cat, meteors};
        QTest::newRow("capitals only")
            << extraLesson(u"ABCDEFGHIJKLMNOPQRSTUVWXYZ"_qs) << Games{drop, moles, cat};
        // Fault guarded: a lesson outside the course has no index to rotate by.
        QTest::newRow("outside the course, every game")
            << extraLesson(u"abcdefghijklmnopqrstuvwxyz"_qs)
            << Games{drop, moles, cat, meteors, race};
    }

    void gamesSuitTheKeys()
    {
        QFETCH(Lesson, lesson);
        QTEST(BonusRound::eligibleGames(lesson), "games");
    }

    void setupKeysLeaveOutSpaces()
    {
        const BonusSetup review{courseLesson("u1l6"), 45};
        QCOMPARE(review.pool(), u"asdfghjkl;"_qs);
        QCOMPARE(review.focus(), QString());
        const BonusSetup spaced{extraLesson(u" a s;d "_qs, u"s ;"_qs), 45};
        QCOMPARE(spaced.pool(), u"as;d"_qs);
        QCOMPARE(spaced.focus(), u"s;"_qs);
    }
};

QTEST_GUILESS_MAIN(BonusRoundTest)
#include "tst_bonusround.moc"
