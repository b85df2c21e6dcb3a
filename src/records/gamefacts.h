// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// The games' constant facts, one row each: a sixth game is one more row here.
#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <cstddef>
#include <optional>

namespace tapalong {

// One of the palette's colours, for a table below the layer that holds the palette (Theme).
enum class Tint { sunshine, mint, coral, sky, lavender, tangerine, pink };

enum class GameKind { letterDrop, wordMeteors, rocketRace, keyMoles, copyCat };

// What a lesson's keys must allow before the game is offered as its bonus round. The bonus
// cards list the games with the least need first, in the order of the table within each need.
enum class BonusNeed { anyKeys, enoughWords, allLetters };

struct GameFacts {
    GameKind kind;
    QStringView id;    // the saved kind, and the game's name in navigation and in QML
    QStringView title; // English; title() hands it out translated
    QStringView emoji;
    QStringView tagline; // under the title on the games tab; English, like the title
    Tint tint;           // of its card among a lesson's bonus rounds
    BonusNeed bonusNeed;
    QStringView screen; // its screen's QML type in the Tapalong.Games module
};

// In the order the games tab shows them. `u"" QT_TRANSLATE_NOOP(…)` keeps a text a constant
// QStringView while lupdate sees it.
inline constexpr auto gameTable = std::to_array<GameFacts>({
    {GameKind::letterDrop, u"letterDrop", u"" QT_TRANSLATE_NOOP("GameFacts", "Letter Drop"),
     u"\U0001FA82",
     u"" QT_TRANSLATE_NOOP("GameFacts", "Letters are falling! Type them before they splash."),
     Tint::sky, BonusNeed::anyKeys, u"LetterDropView"},
    {GameKind::wordMeteors, u"wordMeteors", u"" QT_TRANSLATE_NOOP("GameFacts", "Word Meteors"),
     u"\u2604\uFE0F",
     u"" QT_TRANSLATE_NOOP("GameFacts", "Blast word meteors before they hit your planet."),
     Tint::coral, BonusNeed::enoughWords, u"WordMeteorsView"},
    {GameKind::rocketRace, u"rocketRace", u"" QT_TRANSLATE_NOOP("GameFacts", "Rocket Race"),
     u"\U0001F680",
     u"" QT_TRANSLATE_NOOP("GameFacts", "Type fast to race your rocket past the bots!"), Tint::mint,
     BonusNeed::allLetters, u"RocketRaceView"},
    {GameKind::keyMoles, u"keyMoles", u"" QT_TRANSLATE_NOOP("GameFacts", "Key Moles"),
     u"\U0001F439", u"" QT_TRANSLATE_NOOP("GameFacts", "Bonk the moles by typing their letters!"),
     Tint::tangerine, BonusNeed::anyKeys, u"KeyMolesView"},
    {GameKind::copyCat, u"copyCat", u"" QT_TRANSLATE_NOOP("GameFacts", "Copy Cat"), u"\U0001F99C",
     u"" QT_TRANSLATE_NOOP("GameFacts", "Echo the parrot's secret key pattern from memory!"),
     Tint::lavender, BonusNeed::anyKeys, u"CopyCatView"},
});

inline constexpr std::array<GameKind, gameTable.size()> allGameKinds = [] {
    std::array<GameKind, gameTable.size()> kinds{};
    for (std::size_t i = 0; i < kinds.size(); ++i)
        kinds[i] = gameTable[i].kind;
    return kinds;
}();

const GameFacts &facts(GameKind kind);

// The id, by which the save file and QML know the game.
QString gameId(GameKind kind);
std::optional<GameKind> gameKindFromId(const QString &id);
QString emoji(GameKind kind);
// The title and the tagline in the user's language.
QString title(GameKind kind);
QString tagline(GameKind kind);

} // namespace tapalong
