// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
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
    void gamesSuitTheKeysWhichLeaveOutSpaces()
    {
        const auto games = BonusRound::eligibleGames;
        QCOMPARE(games(courseLesson("u1l1")), (Games{drop, moles, cat}));          // no words
        QCOMPARE(games(courseLesson("u1l2")), (Games{moles, cat, drop}));          // rotated by 1
        QCOMPARE(games(courseLesson("u1l4")), (Games{meteors, drop, moles, cat})); // 18 words
        QCOMPARE(games(extraLesson(u"adhs"_qs)), (Games{drop, moles, cat}));       // 11 short words
        QCOMPARE(games(extraLesson(u"ahls"_qs)), (Games{drop, moles, cat, meteors})); // 12
        QCOMPARE(games(extraLesson(u"adfgl"_qs)), (Games{drop, moles, cat})); // 11 and alfalfa
        QCOMPARE(games(extraLesson(u"abcdefghijklmnoprstuvwxyz"_qs)),         // all letters but q
                 (Games{drop, moles, cat, meteors}));
        // Fault guarded: a lesson outside the course has no index to rotate by.
        QCOMPARE(games(extraLesson(u"abcdefghijklmnopqrstuvwxyz"_qs)),
                 (Games{drop, moles, cat, meteors, race}));

        // The game's keys leave out spaces.
        const BonusSetup spaced{extraLesson(u" a s;d "_qs, u"s ;"_qs), 45};
        QCOMPARE(spaced.pool(), u"as;d"_qs);
        QCOMPARE(spaced.focus(), u"s;"_qs);
    }
};

QTEST_GUILESS_MAIN(BonusRoundTest)
#include "tst_bonusround.moc"
