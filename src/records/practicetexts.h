// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Texts from home: how many and how long they may be, and their lenient reading from the file.
#pragma once

#include "records.h"

#include <QJsonValue>
#include <QList>

namespace tapalong::PracticeTexts {

// About a page: a young typist at 10 to 20 words a minute needs 10 to 20 minutes for it, as
// long as a child keeps at one text. Line breaks count as characters.
inline constexpr qsizetype maxChars = 1000;
// Enough for a school term's spelling lists, few enough for the dashboard to show them all.
inline constexpr qsizetype maxTexts = 20;

// Lenient, like the practice history: a text is a grown-up's gift, not progress, so a damaged
// entry (no canonical id, a repeated id, an empty text or one over maxChars, no date) is
// dropped with a line in the log and the rest of the file is used; absent or null reads as
// none. Keeps the first maxTexts.
QList<PracticeText> read(const QJsonValue &value);

} // namespace tapalong::PracticeTexts
