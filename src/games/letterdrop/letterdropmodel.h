// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Letter Drop: letters fall towards the sea and the child catches each by typing it.
#pragma once

#include "gamemodel.h"
#include "movinglist.h"

#include <QAbstractListModel>
#include <QChar>
#include <QtQml/qqmlregistration.h>

namespace tapalong {

struct Falling {
    int id = 0; // unique within its model, never reused
    QChar ch;
    double x = 0;     // fraction of the playfield's width
    double y = 0;     // fraction of the fall height; the letter splashes at 1.0
    double speed = 0; // fall heights per second
};

// Roles: letterId (int), letter (the character, as text), posX and posY (fractions). They are
// not named id, x and y, which a QML delegate already has.
class FallingLetters final : public MovingList<Falling> {
public:
    enum Role { LetterIdRole = Qt::UserRole + 1, LetterRole, PosXRole, PosYRole };

    explicit FallingLetters(QObject *parent = nullptr);

    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;
};

class LetterDropModel : public tapalong::GameModel {
    Q_OBJECT
    QML_ELEMENT

    Q_PROPERTY(QAbstractListModel *letters READ letters CONSTANT FINAL)
    // The game's own name for its hearts.
    Q_PROPERTY(int lives READ lives NOTIFY heartsChanged FINAL)

public:
    static constexpr int startLives = 3;
    static constexpr double startY = -0.05;

    // The program's: the system's random generator.
    explicit LetterDropModel(QObject *parent = nullptr);
    explicit LetterDropModel(QRandomGenerator &rng, QObject *parent = nullptr);

    GameKind kind() const override { return GameKind::letterDrop; }
    bool hasHearts() const override { return true; }
    void start() override;
    void tick(double dt) override;
    void handle(QChar ch) override;

    FallingLetters *letters() { return &m_letters; }
    const FallingLetters &fallingLetters() const { return m_letters; }
    int lives() const { return hearts(); }
    double elapsed() const { return m_elapsed; }

    // Puts a letter at the top of the sky, as a spawn does once it has drawn the letter, x and
    // speed; also how a test sets a scene.
    void drop(QChar ch, double x, double speed, double y = startY);

private:
    void spawn();

    FallingLetters m_letters;
    double m_elapsed = 0;
    double m_sinceSpawn = 10;
    int m_lastId = 0;
};

} // namespace tapalong
