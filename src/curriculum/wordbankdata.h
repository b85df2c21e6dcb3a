// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// The three fixed text lists the drills are made from, one set per language. Their order
// matters: the word list is shuffled by a seeded generator and the other two are addressed by
// index, so reordering any of them changes every lesson's drill lines.
#pragma once

#include <QStringList>
#include <QStringView>

#include <span>

namespace tapalong::WordBankData {

// The languages that have word lists: "en", "de", "fr", "es". English is the default.
const QStringList &languages();
bool hasLanguage(QStringView language);
// The language of a locale name ("de_AT", "fr-BE", "es_419" …) whose lists a course draws
// from; English for one without lists.
QString languageFor(QStringView localeName);

// An unknown language answers with the English lists.
const QStringList &words(QStringView language = u"en");       // 650 distinct, sorted
const QStringList &easyPhrases(QStringView language = u"en"); // 60 phrases, 33 to 45 characters
const QStringList &sentences(QStringView language = u"en");   // 90 sentences, 35 to 48

// English: lower-case words, phrases without capitals, sentences of ASCII only. The others
// are hand-made lists checked by scripts/wordlists.py: German nouns keep their capital,
// French sentences put a space before ! and ?, Spanish ones may open with ¿ or ¡.

namespace detail {
struct HandMadeLists {
    const char16_t *language;
    std::span<const char16_t *const> words;
    std::span<const char16_t *const> phrases;
    std::span<const char16_t *const> sentences;
};
// Written by scripts/wordlists.py.
std::span<const HandMadeLists> handMadeLists();
} // namespace detail

} // namespace tapalong::WordBankData
