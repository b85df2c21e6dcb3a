// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Texts from home: a grown-up's text made typeable on a keyboard, and laid out as lesson lines.
#pragma once

#include "curriculum.h"
#include "keyboardlayout.h"
#include "records.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QUuid>

#include <optional>

namespace tapalong::TextCheck {

// The longest line of a text's lesson: the lesson screen draws up to 40 characters in its
// larger face.
inline constexpr int lineWidth = 40;

// A character (one grapheme) the keyboard cannot type, how often the text holds it, and the
// plain form offered instead: ' for typographic quotes, - for dashes, e for é where the keyboard
// has no é; empty when there is none.
struct Untypeable {
    QString character;
    qsizetype count = 0;
    QString replacement;

    bool operator==(const Untypeable &) const = default;
};

struct Prepared {
    QString text;                 // what would be saved: every character typeable
    QList<Untypeable> untypeable; // in order of first appearance
    qsizetype controlsRemoved = 0;
    qsizetype trimmedFrom = 0;    // the length before trimming to the limit; 0 when not trimmed
};

// Line ends of every kind become \n, tabs and other spaces a plain space, runs of spaces one,
// spaces at line ends and blank lines beyond one go; control and invisible format characters
// are taken out and counted. Each untypeable character is replaced by its plain form, or
// dropped when it has none or is in `dropped`. Then the text is cut to PracticeTexts::maxChars
// at a space or line end where one is near.
Prepared prepare(const QString &raw, const Keyboard &keyboard, const QSet<QString> &dropped = {});

// The text in lines of at most `width` characters, broken at spaces; each line break of the text
// starts a new line and blank lines are left out. No word is lost: one longer than a line is
// split over lines.
QStringList wrap(const QString &text, int width = lineWidth);

// The lesson a text is typed as: its lines made typeable on the keyboard in use now (which may
// not be the one it was checked against), under `lessonId`.
Lesson lesson(const PracticeText &text, const QString &lessonId, const Keyboard &keyboard);

// The lesson screen opens a text by an id of its own, "text:" and the text's id; the history
// keeps every text under History::homeTextLessonId.
QString lessonIdFor(const QUuid &textId);
std::optional<QUuid> textIdOf(const QString &lessonId);

// The first words, for a list: at most `length` characters, "…" when cut.
QString preview(const QString &text, int length = 48);

} // namespace tapalong::TextCheck
