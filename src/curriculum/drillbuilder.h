// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Builds the drill lines of a lesson, one line per call, from a seeded generator.
#pragma once

#include "seededrng.h"

#include <QSet>
#include <QString>
#include <QStringView>

namespace tapalong::DrillBuilder {

// Every line a builder returns fits in this many characters.
inline constexpr qsizetype maxLineLength = 46;

// A line longer than maxLineLength loses its last words; a single over-long word is cut.
QString fitLine(const QString &line);

// Each QChar of a key list is one key. The builders continue the caller's generator, so the
// order of calls decides every line. An empty key list gives an empty line and draws nothing.
QString repeatsDrill(QStringView newKeys, SeededRNG &rng);
QString mixDrill(QStringView pool, SeededRNG &rng);
QString numberDrill(QStringView digits, SeededRNG &rng);
// Words of the language; falls back to mixDrill over the same pool when fewer than five words
// can be typed with it. Capitalising turns only lower-case words into capitalised ones: a
// German noun keeps the case it has.
QString wordDrill(QStringView pool, SeededRNG &rng, bool capitalized,
                  QStringView language = u"en");

// One entry not yet in used, which it then joins; entry 0 again once all are used. With
// `typeable`, only entries made of those characters are candidates, and the line is empty
// rather than one the keyboard cannot type.
QString phraseDrill(SeededRNG &rng, QSet<int> &used, const QSet<QChar> *typeable = nullptr,
                    QStringView language = u"en");
QString sentenceDrill(SeededRNG &rng, QSet<int> &used, const QSet<QChar> *typeable = nullptr,
                      QStringView language = u"en");

} // namespace tapalong::DrillBuilder
