// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Word Meteors: words fall towards the planet and the child blasts each by typing it out.
#pragma once

#include "gamemodel.h"
#include "movinglist.h"

#include <QAbstractListModel>
#include <QString>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

#include <optional>

namespace tapalong {

struct Meteor {
    int id = 0; // unique within its model, never reused
    QString word;
    double x = 0;     // fraction of the playfield's width
    double y = 0;     // fraction of the fall height; the meteor lands at 1.0
    double speed = 0; // fall heights per second
    int typed = 0;    // leading characters of word typed on it
};

// Roles: meteorId (int), word, typed (int), posX and posY (fractions), isTarget (bool). They
// are not named id, x and y, which a QML delegate already has.
class MeteorList final : public MovingList<Meteor> {
public:
    enum Role {
        MeteorIdRole = Qt::UserRole + 1,
        WordRole,
        TypedRole,
        PosXRole,
        PosYRole,
        IsTargetRole
    };

    explicit MeteorList(QObject *parent = nullptr);

    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    std::optional<std::size_t> rowOf(int id) const;
    void setTyped(std::size_t row, int typed);
    std::optional<int> targetId() const { return m_targetId; }
    void setTargetId(std::optional<int> id);

private:
    std::optional<int> m_targetId;
};

class WordMeteorsModel : public tapalong::GameModel {
    Q_OBJECT
    QML_ELEMENT

    Q_PROPERTY(QAbstractListModel *meteors READ meteors CONSTANT FINAL)

public:
    static constexpr int startHearts = 3;
    static constexpr double startY = -0.06;

    // The program's: the system's random generator.
    explicit WordMeteorsModel(QObject *parent = nullptr);
    explicit WordMeteorsModel(QRandomGenerator &rng, QObject *parent = nullptr);

    GameKind kind() const override { return GameKind::wordMeteors; }
    bool hasHearts() const override { return true; }
    bool accepts(QChar ch) const override { return ch.isLetter(); }
    void start() override;
    void tick(double dt) override;
    void handle(QChar ch) override;

    // Both rebuild the word lists for the new keys.
    void setUpBonus(const BonusSetup &bonus) override;
    void setUpFreePlay(const QString &learnedKeys) override;

    // The words of 2 to 6 letters typeable with the pool; when there are fewer than 15, every
    // plain lower-case word shorter than 6 letters instead, whatever keys it needs.
    void rebuildCandidates();
    const QStringList &candidates() const { return m_candidates; }
    const QStringList &focusCandidates() const { return m_focusCandidates; }

    // Scores and removes one meteor; an index outside the list does nothing.
    void destroyMeteor(int index);

    MeteorList *meteors() { return &m_meteors; }
    const MeteorList &meteorList() const { return m_meteors; }
    std::optional<int> targetId() const { return m_meteors.targetId(); }
    double elapsed() const { return m_elapsed; }

    // Puts a meteor at the top of the sky, as a spawn does once it has drawn the word, x and
    // speed; also how a test sets a scene.
    void launch(const QString &word, double x, double speed, double y = startY);

private:
    void spawn();
    const QString &pick() const;

    MeteorList m_meteors;
    QStringList m_candidates;
    QStringList m_focusCandidates;
    double m_elapsed = 0;
    double m_sinceSpawn = 10;
    int m_lastId = 0;
};

} // namespace tapalong
