// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "wordbank.h"

#include "keyboardlayout.h"
#include "wordbankdata.h"

#include <algorithm>

namespace tapalong::WordBank {

namespace {

bool typeable(const Keyboard &keyboard, const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(),
                       [&](QChar c) { return c == u' ' || keyboard.find(c).has_value(); });
}

} // namespace

QStringList words(const QSet<QChar> &pool, QStringView language)
{
    QStringList typeable;
    for (const QString &word : WordBankData::words(language)) {
        if (std::all_of(word.cbegin(), word.cend(), [&](QChar c) { return pool.contains(c); }))
            typeable.append(word);
    }
    return typeable;
}

QStringList words(QStringView pool, QStringView language)
{
    return words(QSet<QChar>(pool.begin(), pool.end()), language);
}

QStringList capitalizableWords(QStringView pool, QStringView language)
{
    const QSet<QChar> keys(pool.begin(), pool.end());
    QStringList typeable;
    for (const QString &word : WordBankData::words(language)) {
        const QChar first = word.front();
        const bool firstFits =
            keys.contains(first) || (first.isUpper() && keys.contains(first.toLower()));
        if (firstFits && std::all_of(word.cbegin() + 1, word.cend(),
                                     [&](QChar c) { return keys.contains(c); }))
            typeable.append(word);
    }
    return typeable;
}

QStringList lowerCaseWords(QStringView language, const Keyboard &keyboard)
{
    QStringList lower = WordBankData::words(language);
    lower.removeIf([&](const QString &word) {
        return !std::all_of(word.cbegin(), word.cend(), [](QChar c) { return c.isLower(); }) ||
               !typeable(keyboard, word);
    });
    return lower;
}

QStringList phrases(QStringView language, const Keyboard &keyboard)
{
    QStringList all = WordBankData::easyPhrases(language);
    all.removeIf([&](const QString &phrase) { return !typeable(keyboard, phrase); });
    return all;
}

} // namespace tapalong::WordBank
