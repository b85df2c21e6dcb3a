// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Chooses the language the program speaks: the catalogue for the user's locale, or the one
// TAPALONG_TRANSLATION names (a translator's work in progress, the pseudo-translation).
#pragma once

#include <QString>

class QCoreApplication;

namespace tapalong {

// Installs the program's catalogue and Qt's own into `app`; English, the texts' own language,
// needs neither. Call before any text is made: the course and the badges translate once.
// Answers the language of the catalogue installed ("de_DE"), empty when there is none.
QString installTranslation(QCoreApplication &app);

} // namespace tapalong
