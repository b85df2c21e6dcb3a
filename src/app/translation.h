// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Chooses the language the program speaks: the household's, the desktop's until a grown-up
// chooses, or the catalogue TAPALONG_TRANSLATION names (a translator's work in progress, the
// pseudo-translation).
#pragma once

#include <QString>

namespace tapalong {

// The desktop's language among those the program speaks ("de", "fr", "es"); else "en".
QString desktopLanguage();

// Makes `language` the program's in place of the last one: its catalogue and Qt's own (English
// needs only its plural forms), the locale dates are written in, and every table of translated
// text built afresh on its next use. QML bindings follow once the engine retranslates. Main
// thread only; `catalogues` is where tapalong_<language>.qm lives.
void installTranslation(const QString &language,
                        const QString &catalogues = QStringLiteral(":/i18n"));

} // namespace tapalong
