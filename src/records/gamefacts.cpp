// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "gamefacts.h"

#include <QCoreApplication>

namespace tapalong {

const GameFacts &facts(GameKind kind)
{
    for (const GameFacts &row : gameTable) {
        if (row.kind == kind)
            return row;
    }
    Q_UNREACHABLE();
}

QString gameId(GameKind kind)
{
    return facts(kind).id.toString();
}

std::optional<GameKind> gameKindFromId(const QString &id)
{
    for (const GameFacts &row : gameTable) {
        if (row.id == id)
            return row.kind;
    }
    return std::nullopt;
}

QString emoji(GameKind kind)
{
    return facts(kind).emoji.toString();
}

namespace {
QString translated(QStringView english)
{
    return QCoreApplication::translate("GameFacts", english.toUtf8().constData());
}
} // namespace

QString title(GameKind kind)
{
    return translated(facts(kind).title);
}

QString tagline(GameKind kind)
{
    return translated(facts(kind).tagline);
}

} // namespace tapalong
