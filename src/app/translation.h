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
// thread only; `catalogues` is where tapalong_<language>.qm lives. Answers the language the
// program's texts are now in: `language`, or under TAPALONG_TRANSLATION its catalogue's
// ("de", empty when the file names none), which the narrator must not read in another voice.
QString installTranslation(const QString &language,
                           const QString &catalogues = QStringLiteral(":/i18n"));

// What a change of the household's language does before the screens hear of it: its texts
// installed, and the active keyboard's course built again from its words (the drills, the
// games' words and the titles follow). Answers as installTranslation does.
QString useLanguage(const QString &language);

} // namespace tapalong
