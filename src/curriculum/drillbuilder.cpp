// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "drillbuilder.h"

#include "wordbank.h"
#include "wordbankdata.h"

#include <QStringList>

#include <algorithm>

namespace tapalong::DrillBuilder {

namespace {

QString chunkDrill(QStringView keys, int chunkCount, SeededRNG &rng)
{
    if (keys.isEmpty())
        return {};
    QStringList chunks;
    for (int c = 0; c < chunkCount; ++c) {
        const auto length = rng.nextInRange(2, 4);
        QString chunk;
        for (qint64 k = 0; k < length; ++k)
            chunk.append(rng.randomElement(keys));
        chunks.append(chunk);
    }
    return fitLine(chunks.join(u' '));
}

QString unusedEntry(const QStringList &list, SeededRNG &rng, QSet<int> &used,
                    const QSet<QChar> *typeable)
{
    if (list.isEmpty())
        return {};
    const auto fits = [&](const QString &entry) {
        return !typeable || std::all_of(entry.cbegin(), entry.cend(),
                                        [&](QChar c) { return typeable->contains(c); });
    };
    QList<int> candidates;
    for (int i = 0; i < list.size(); ++i) {
        if (!used.contains(i) && fits(list.at(i)))
            candidates.append(i);
    }
    const int k = candidates.isEmpty() ? 0 : rng.randomElement(candidates);
    used.insert(k);
    return fits(list.at(k)) ? fitLine(list.at(k)) : QString();
}

} // namespace

QString fitLine(const QString &line)
{
    if (line.size() <= maxLineLength)
        return line;
    const QString prefix = line.left(maxLineLength);
    const auto lastSpace = prefix.lastIndexOf(u' ');
    return lastSpace < 0 ? prefix : prefix.left(lastSpace);
}

QString repeatsDrill(QStringView newKeys, SeededRNG &rng)
{
    if (newKeys.isEmpty())
        return {};
    QStringList chunks;
    for (int p = 0; p < 10; ++p) {
        const QChar a = rng.randomElement(newKeys);
        if (p % 2 == 0) {
            chunks.append(QString(3, a));
        } else {
            const QChar b = rng.randomElement(newKeys);
            chunks.append(QString(a) + b + a);
        }
    }
    return fitLine(chunks.join(u' '));
}

QString mixDrill(QStringView pool, SeededRNG &rng)
{
    return chunkDrill(pool, 10, rng);
}

QString numberDrill(QStringView digits, SeededRNG &rng)
{
    return chunkDrill(digits, 9, rng);
}

QString wordDrill(QStringView pool, SeededRNG &rng, bool capitalized, QStringView language)
{
    QStringList words = capitalized ? WordBank::capitalizableWords(pool, language)
                                    : WordBank::words(pool, language);
    if (words.size() < 5)
        return mixDrill(pool, rng);
    rng.shuffle(words);
    QString line;
    for (QString &word : words) {
        if (capitalized && word[0].isLower())
            word[0] = word[0].toUpper();
        const QString candidate = line.isEmpty() ? word : line + u' ' + word;
        if (candidate.size() > maxLineLength)
            break;
        line = candidate;
    }
    return line;
}

QString phraseDrill(SeededRNG &rng, QSet<int> &used, const QSet<QChar> *typeable,
                    QStringView language)
{
    return unusedEntry(WordBankData::easyPhrases(language), rng, used, typeable);
}

QString sentenceDrill(SeededRNG &rng, QSet<int> &used, const QSet<QChar> *typeable,
                      QStringView language)
{
    return unusedEntry(WordBankData::sentences(language), rng, used, typeable);
}

} // namespace tapalong::DrillBuilder
