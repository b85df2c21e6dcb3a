// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "champions.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace tapalong {

namespace {

template <typename Measure> QList<LeaderRow> rank(const AppData &data, Measure measure)
{
    QList<LeaderRow> rows;
    for (const Profile &profile : data.profiles) {
        const auto [sortKey, value] = measure(profile);
        if (sortKey > 0)
            rows.append({profile.id, profile.name, profile.avatar, value, sortKey});
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [](const LeaderRow &a, const LeaderRow &b) { return a.sortKey > b.sortKey; });
    return rows;
}

} // namespace

QList<LeaderRow> Champions::starRows(const AppData &data)
{
    return rank(data, [](const Profile &p) {
        const qint64 stars = p.totalStars();
        return std::pair{double(stars), QString::number(stars) + QStringLiteral(" \u2B50\uFE0F")};
    });
}

QList<LeaderRow> Champions::wpmRows(const AppData &data)
{
    return rank(data, [](const Profile &p) {
        const double wpm = p.bestWPM();
        // std::round takes halves away from zero; 'f' with no decimals cannot overflow an int.
        return std::pair{wpm, QCoreApplication::translate("Champions", "%1 wpm")
                                  .arg(QString::number(std::round(wpm), 'f', 0))};
    });
}

QList<LeaderRow> Champions::gameRows(const AppData &data, GameKind kind)
{
    return rank(data, [kind](const Profile &p) {
        const qint64 score = p.bestScore(kind);
        return std::pair{double(score), QString::number(score)};
    });
}

QList<Board> Board::all()
{
    QList<Board> boards;
    for (GameKind kind : allGameKinds)
        boards.append(game(kind));
    boards.append({stars(), speed()});
    return boards;
}

QString Board::emoji() const
{
    switch (m_type) {
    case Type::game:
        return tapalong::emoji(m_kind);
    case Type::stars:
        return QStringLiteral("\u2B50\uFE0F");
    case Type::speed:
        return QStringLiteral("\U0001F680");
    }
    Q_UNREACHABLE();
}

QString Board::title() const
{
    return m_type == Type::game
               ? tapalong::title(m_kind)
               : QCoreApplication::translate("Champions", name().toUtf8().constData());
}

QString Board::name() const
{
    switch (m_type) {
    case Type::game:
        return facts(m_kind).title.toString();
    case Type::stars:
        return QStringLiteral(QT_TRANSLATE_NOOP("Champions", "Star Collectors"));
    case Type::speed:
        return QStringLiteral(QT_TRANSLATE_NOOP("Champions", "Fastest Typists"));
    }
    Q_UNREACHABLE();
}

QList<LeaderRow> Board::rows(const AppData &data) const
{
    switch (m_type) {
    case Type::game:
        return Champions::gameRows(data, m_kind);
    case Type::stars:
        return Champions::starRows(data);
    case Type::speed:
        return Champions::wpmRows(data);
    }
    Q_UNREACHABLE();
}

} // namespace tapalong
