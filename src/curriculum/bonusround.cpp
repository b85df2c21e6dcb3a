// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "bonusround.h"

#include "gamefacts.h"
#include "wordbank.h"

#include <QSet>

#include <algorithm>

namespace tapalong {

namespace {

QString withoutSpaces(QString keys)
{
    keys.remove(QLatin1Char(' '));
    return keys;
}

// Word Meteors needs enough short words to keep the sky busy.
bool hasEnoughWords(const QString &keyPool)
{
    const QStringList words = WordBank::words(QSet<QChar>(keyPool.cbegin(), keyPool.cend()),
                                             Curriculum::active().language());
    const auto shortWords = std::count_if(words.cbegin(), words.cend(), [](const QString &word) {
        return word.size() >= 2 && word.size() <= 6;
    });
    return shortWords >= 12;
}

// Rocket Race types ordinary phrases, which use the whole alphabet.
bool hasAllLetters(const QString &keyPool)
{
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        if (!keyPool.contains(QLatin1Char(letter)))
            return false;
    }
    return true;
}

} // namespace

QString BonusSetup::pool() const
{
    return withoutSpaces(lesson.keyPool);
}

QString BonusSetup::focus() const
{
    return withoutSpaces(lesson.newKeys);
}

QList<GameKind> BonusRound::eligibleGames(const Lesson &lesson)
{
    const auto met = [&](BonusNeed need) {
        switch (need) {
        case BonusNeed::anyKeys:
            return true;
        case BonusNeed::enoughWords:
            return hasEnoughWords(lesson.keyPool);
        case BonusNeed::allLetters:
            return hasAllLetters(lesson.keyPool);
        }
        return false;
    };
    QList<GameKind> games;
    for (BonusNeed need : {BonusNeed::anyKeys, BonusNeed::enoughWords, BonusNeed::allLetters}) {
        if (!met(need))
            continue;
        for (const GameFacts &row : gameTable) {
            if (row.bonusNeed == need)
                games.append(row.kind);
        }
    }

    const int index = std::max(Curriculum::indexOf(lesson), 0);
    std::rotate(games.begin(), games.begin() + index % games.size(), games.end());
    return games;
}

} // namespace tapalong
