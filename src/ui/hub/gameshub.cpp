// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "gameshub.h"
#include "storebinding.h"

#include "curriculum.h"

#include <QStringList>

namespace tapalong {

namespace {
constexpr qsizetype shownKeys = 12;
} // namespace

GamesHub::GamesHub(QObject *parent) : QObject(parent)
{
    refresh();
}

void GamesHub::setStore(AppStore *store)
{
    if (!rebindStore(m_store, store, this, &GamesHub::refresh))
        return;
    emit storeChanged();
    refresh();
}

QString GamesHub::keysLabel(const QString &keys)
{
    QStringList shown;
    for (const QChar key : keys.first(qMin(keys.size(), shownKeys)))
        shown.append(QString(key.toUpper()));
    QString label = shown.join(QLatin1Char(' '));
    if (keys.size() > shownKeys)
        label += QStringLiteral(" …");
    return label;
}

QString GamesHub::scoreLine(qint64 best)
{
    return best >= 1 ? tr("High score: %1").arg(best) : tr("No score yet — go!");
}

QString GamesHub::tagline(GameKind kind)
{
    return tapalong::tagline(kind);
}

void GamesHub::refresh()
{
    const Profile blank;
    const Profile *current = m_store ? m_store->currentProfile() : nullptr;
    const Profile &profile = current ? *current : blank;

    QString learned = keysLabel(Curriculum::learnedKeys(profile));
    QList<GameCardInfo> cards;
    for (GameKind kind : allGameKinds)
        cards.append({gameId(kind), emoji(kind), title(kind), tagline(kind),
                      scoreLine(profile.bestScore(kind))});
    if (learned == m_learnedKeys && cards == m_cards)
        return;
    m_learnedKeys = std::move(learned);
    m_cards = std::move(cards);
    emit updated();
}

} // namespace tapalong
