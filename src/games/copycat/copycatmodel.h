// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Copy Cat: a parrot shows a pattern of keys, naming each aloud, and the child types it back.
#pragma once

#include "gamemodel.h"

#include <QAbstractListModel>
#include <QString>
#include <QtQml/qqmlregistration.h>

namespace tapalong {

// One slot per key of the pattern, changed in place: a new pattern reuses the rows it can and
// adds or removes only the difference. Roles: slotKey (the key as text) and revealed (bool:
// the child has typed it back).
class EchoSlots final : public QAbstractListModel {
public:
    enum Role { SlotKeyRole = Qt::UserRole + 1, RevealedRole };

    explicit EchoSlots(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    void setSequence(const QString &sequence);
    void setEchoIndex(int echoIndex);

private:
    QString m_sequence;
    int m_echoIndex = 0;
};

class CopyCatModel : public tapalong::GameModel {
    Q_OBJECT
    QML_ELEMENT

    Q_PROPERTY(Phase phase READ phase NOTIFY phaseChanged FINAL)
    Q_PROPERTY(int round READ round NOTIFY roundChanged FINAL)
    Q_PROPERTY(int roundCount READ roundCount CONSTANT FINAL)
    Q_PROPERTY(QString sequence READ sequence NOTIFY sequenceChanged FINAL)
    Q_PROPERTY(int echoIndex READ echoIndex NOTIFY echoIndexChanged FINAL)
    Q_PROPERTY(int showIndex READ showIndex NOTIFY showIndexChanged FINAL)
    Q_PROPERTY(bool showVisible READ showVisible NOTIFY showVisibleChanged FINAL)
    // The key of the show card, "" when none.
    Q_PROPERTY(QString showKey READ showKey NOTIFY showIndexChanged FINAL)
    Q_PROPERTY(QAbstractListModel *echoSlots READ echoSlots CONSTANT FINAL)
    Q_PROPERTY(bool wonGame READ wonGame NOTIFY wonGameChanged FINAL)

public:
    enum class Phase { Showing, Echo, Celebrating };
    Q_ENUM(Phase)

    static constexpr int rounds = 8;
    static constexpr int longestPattern = 7;
    static constexpr int startHearts = 3;
    static constexpr double showDuration = 0.75;
    static constexpr double gapDuration = 0.15;
    static constexpr double slotDuration = showDuration + gapDuration;
    static constexpr double celebrateDuration = 0.8;
    static constexpr int drawsPerKey = 20;

    // The program's: the system's random generator.
    explicit CopyCatModel(QObject *parent = nullptr);
    explicit CopyCatModel(QRandomGenerator &rng, QObject *parent = nullptr);

    GameKind kind() const override { return GameKind::copyCat; }
    bool hasHearts() const override { return true; }
    void start() override;
    void tick(double dt) override;
    void handle(QChar ch) override;
    // A show cut short by a pause is shown again from its first key.
    void resume() override;
    void silence() override;
    // There is no clock: the round's length plays no part.
    void setUpBonus(const BonusSetup &bonus) override;

    Phase phase() const { return m_phase; }
    bool isShowing() const { return m_phase == Phase::Showing; }
    bool isEcho() const { return m_phase == Phase::Echo; }
    bool isCelebrating() const { return m_phase == Phase::Celebrating; }
    int round() const { return m_round; }
    static int roundCount() { return rounds; }
    QString sequence() const { return m_sequence; }
    int echoIndex() const { return m_echoIndex; }
    int showIndex() const { return m_showIndex; }
    bool showVisible() const { return m_showVisible; }
    QString showKey() const;
    EchoSlots *echoSlots() { return &m_echoSlots; }
    bool wonGame() const { return m_wonGame; }
    double elapsed() const { return m_elapsed; }

    // A pattern of `length` keys that repeats a key straight after itself only when 20 draws
    // in a row gave it, or when there are fewer than two keys to draw from.
    QString makeSequence(int length) const;

signals:
    void phaseChanged();
    void roundChanged();
    void sequenceChanged();
    void echoIndexChanged();
    void showIndexChanged();
    void showVisibleChanged();
    void wonGameChanged();

private:
    void beginRound();
    void beginShow();
    void tickShow();
    void nextRoundOrWin();
    QChar drawKey() const;

    void setPhase(Phase phase);
    void setRound(int round);
    void setSequence(const QString &sequence);
    void setEchoIndex(int echoIndex);
    void setShowIndex(int showIndex);
    void setShowVisible(bool showVisible);
    void setWonGame(bool wonGame);

    EchoSlots m_echoSlots;
    Phase m_phase = Phase::Showing;
    int m_round = 1;
    QString m_sequence;
    int m_echoIndex = 0;
    int m_showIndex = -1;
    bool m_showVisible = false;
    bool m_wonGame = false;
    double m_elapsed = 0;
};

} // namespace tapalong
