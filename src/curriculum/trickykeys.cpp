// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "trickykeys.h"

#include "drillbuilder.h"
#include "history.h"
#include "seededrng.h"
#include "wordbank.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace tapalong::TrickyKeys {

namespace {

struct Rated {
    QChar key;
    qint64 attempts;
    qint64 wrong;
    int order;
};

// Learned keys with enough attempts, in course order.
QList<Rated> rated(const Profile &profile)
{
    QList<Rated> keys;
    const QString learned = learnedKeys(profile);
    for (int i = 0; i < learned.size(); ++i) {
        const KeyStat stat = profile.keyStats.value(learned.at(i));
        const qint64 attempts = stat.right + stat.wrong;
        if (attempts >= minAttempts)
            keys.append({learned.at(i), attempts, stat.wrong, i});
    }
    return keys;
}

// a before b when a's error rate is higher; compared as cross products, without rounding.
bool trickier(const Rated &a, const Rated &b)
{
    const long double left = static_cast<long double>(a.wrong) * b.attempts;
    const long double right = static_cast<long double>(b.wrong) * a.attempts;
    if (left != right)
        return left > right;
    if (a.wrong != b.wrong)
        return a.wrong > b.wrong;
    return a.order < b.order;
}

QString firstKeys(const QList<Rated> &keys, int count)
{
    QString text;
    for (const Rated &key : keys) {
        if (text.size() >= count)
            break;
        text.append(key.key);
    }
    return text;
}

QString wordLine(const QStringList &words, SeededRNG &rng)
{
    QStringList chosen;
    qsizetype length = 0;
    for (int tries = 0; tries < 20; ++tries) {
        const QString &word = rng.randomElement(words);
        if (length + word.size() + 1 > DrillBuilder::maxLineLength + 1)
            break;
        chosen.append(word);
        length += word.size() + 1;
    }
    return chosen.join(u' ');
}

} // namespace

QString learnedKeys(const Profile &profile)
{
    QString keys;
    for (const Lesson &lesson : Curriculum::allLessons()) {
        if (!profile.lessonResults.contains(lesson.id))
            continue;
        for (QChar c : lesson.keyPool) {
            if (c != u' ' && !keys.contains(c))
                keys.append(c);
        }
    }
    return keys;
}

bool hasEnoughStatistics(const Profile &profile)
{
    return rated(profile).size() >= minKeys;
}

QString weakestKeys(const Profile &profile, int count)
{
    QList<Rated> keys = rated(profile);
    qint64 allAttempts = 0, allWrong = 0;
    for (const Rated &key : keys) {
        allAttempts += key.attempts;
        allWrong += key.wrong;
    }
    keys.removeIf([&](const Rated &key) {
        const qint64 otherAttempts = allAttempts - key.attempts;
        const double others =
            otherAttempts > 0 ? double(allWrong - key.wrong) / double(otherAttempts) : 0;
        const double rate = double(key.wrong) / double(key.attempts);
        return key.wrong < minMisses || rate < rateFactor * others || rate < others + minRateGap;
    });
    std::sort(keys.begin(), keys.end(), trickier);
    return firstKeys(keys, count);
}

bool hasTrickyKeys(const Profile &profile)
{
    return hasEnoughStatistics(profile) && !weakestKeys(profile, 1).isEmpty();
}

QString easiestKeys(const Profile &profile, QStringView excluded, int count)
{
    QList<Rated> keys = rated(profile);
    keys.removeIf([&](const Rated &key) { return excluded.contains(key.key); });
    std::sort(keys.begin(), keys.end(), [](const Rated &a, const Rated &b) {
        const long double left = static_cast<long double>(a.wrong) * b.attempts;
        const long double right = static_cast<long double>(b.wrong) * a.attempts;
        if (left != right)
            return left < right;
        if (a.wrong != b.wrong)
            return a.wrong < b.wrong;
        return a.order < b.order;
    });
    return firstKeys(keys, count);
}

Lesson drill(const Profile &profile, QDate day)
{
    Lesson lesson;
    lesson.id = History::trickyLessonId;
    lesson.title = QCoreApplication::translate("Course", "Tricky keys");
    lesson.emoji = QStringLiteral("🎯");
    if (!hasTrickyKeys(profile))
        return lesson;

    const QString weak = weakestKeys(profile);
    const QString easy = easiestKeys(profile, weak, drillKeys);
    const QString learned = learnedKeys(profile);
    lesson.newKeys = weak;
    lesson.keyPool = learned;

    // Everything the drill depends on goes into the seed, so a new day or a new mistake
    // gives new lines, and nothing else does.
    QString seedText = profile.id.toString(QUuid::WithoutBraces).toUpper() + u'|' +
                       day.toString(Qt::ISODate) + u'|';
    for (QChar key : learned) {
        const KeyStat stat = profile.keyStats.value(key);
        seedText += QStringLiteral("%1%2/%3;").arg(key).arg(stat.right).arg(stat.wrong);
    }
    SeededRNG rng(Curriculum::seed(seedText));

    // The weak keys make up two thirds of the mixed lines however few they are, so that a
    // single tricky key is what the drill is about.
    QString mixPool;
    while (mixPool.size() < 2 * easy.size() || mixPool.isEmpty())
        mixPool += weak;
    mixPool += easy;
    QStringList words = WordBank::words(learned, Curriculum::active().language());
    words.removeIf([&](const QString &word) {
        return std::none_of(weak.cbegin(), weak.cend(), [&](QChar c) { return word.contains(c); });
    });
    lesson.drills.append(DrillBuilder::repeatsDrill(weak, rng));
    lesson.drills.append(DrillBuilder::mixDrill(mixPool, rng));
    for (int line = 0; line < 2; ++line) {
        lesson.drills.append(words.size() >= 5 ? wordLine(words, rng)
                                               : DrillBuilder::mixDrill(mixPool, rng));
    }
    return lesson;
}

} // namespace tapalong::TrickyKeys
