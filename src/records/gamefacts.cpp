#include "gamefacts.h"

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

QString title(GameKind kind)
{
    return facts(kind).title.toString();
}

} // namespace tapalong
