// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// The three fixed text lists the drills are made from. Their order matters: the word
// list is shuffled by a seeded generator and the other two are addressed by index, so
// reordering any of them changes every lesson's drill lines.
#pragma once

#include <QStringList>

namespace tapalong::WordBankData {

const QStringList &words();       // 650 distinct lower-case words, alphabetical
const QStringList &easyPhrases(); // 60 lower-case phrases of 33 to 45 characters
const QStringList &sentences();   // 90 sentences of 35 to 48 characters

} // namespace tapalong::WordBankData
