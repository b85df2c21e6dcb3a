// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Picks the words and phrases of a language's word bank that a child can type.
#pragma once

#include <QChar>
#include <QSet>
#include <QStringList>
#include <QStringView>

namespace tapalong {
class Keyboard;
}

namespace tapalong::WordBank {

// In word-list order, every word of the language whose letters are all in the pool. Matching
// is exact, so a German noun needs its capital in the pool. A linear filter: cheap enough to
// call on every refresh.
QStringList words(const QSet<QChar> &pool, QStringView language = u"en");
QStringList words(QStringView pool, QStringView language = u"en"); // each QChar is one key

// For a drill that capitalises: also the words that start with the capital of a key in the
// pool, which is how a German noun joins once Shift is taught.
QStringList capitalizableWords(QStringView pool, QStringView language);

// What a game falls back on when the child's keys make too few words: the language's words
// of lower-case letters alone, each one the keyboard can type.
QStringList lowerCaseWords(QStringView language, const Keyboard &keyboard);

// The language's easy phrases the keyboard can type: Rocket Race's passages.
QStringList phrases(QStringView language, const Keyboard &keyboard);

} // namespace tapalong::WordBank
