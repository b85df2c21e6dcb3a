#include "bonusround.h"

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
    const QStringList words = WordBank::words(QSet<QChar>(keyPool.cbegin(), keyPool.cend()));
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
    QList<GameKind> games{GameKind::letterDrop, GameKind::keyMoles, GameKind::copyCat};
    if (hasEnoughWords(lesson.keyPool))
        games.append(GameKind::wordMeteors);
    if (hasAllLetters(lesson.keyPool))
        games.append(GameKind::rocketRace);

    const int index = std::max(Curriculum::indexOf(lesson), 0);
    std::rotate(games.begin(), games.begin() + index % games.size(), games.end());
    return games;
}

} // namespace tapalong
