// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Picks the words of the word bank that a child can type with a given set of keys.
#pragma once

#include <QChar>
#include <QSet>
#include <QStringList>
#include <QStringView>

namespace tapalong::WordBank {

// In word-list order, every word whose letters are all in the pool. Matching is exact, so
// upper-case keys admit no words. A linear filter: cheap enough to call on every refresh.
QStringList words(const QSet<QChar> &pool);
QStringList words(QStringView pool); // each QChar of pool is one key

} // namespace tapalong::WordBank
