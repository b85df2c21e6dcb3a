// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "wordbank.h"

#include "wordbankdata.h"

#include <algorithm>

namespace tapalong::WordBank {

QStringList words(const QSet<QChar> &pool)
{
    QStringList typeable;
    for (const QString &word : WordBankData::words()) {
        if (std::all_of(word.cbegin(), word.cend(), [&](QChar c) { return pool.contains(c); }))
            typeable.append(word);
    }
    return typeable;
}

QStringList words(QStringView pool)
{
    return words(QSet<QChar>(pool.begin(), pool.end()));
}

} // namespace tapalong::WordBank
