// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// The rules side of one arcade game: the state, score and counters every game screen shows.
#pragma once

#include "records.h"

#include <QChar>
#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include <optional>

class QRandomGenerator;

namespace tapalong {

struct BonusSetup;

// The contract a game model keeps with GameFrame, which owns everything around the rules:
// - start() begins a game (also the replay) and ends in `playing`; tick(dt) and handle(ch)
//   do nothing unless the state is `playing`. The frame passes dt = 1/60 s, always.
// - A game ends by setting the state to `over`, as the very last thing of tick() or handle():
//   the frame records the game synchronously from the state change, so every published
//   figure must already be final.
// - handle() receives only characters for which accepts() answered true.
// - combo, misses and hearts stay 0 in a game that has no such thing; hasHearts tells the bar.
// - The published values announce a change only when they really changed.
// Main thread only. The random generator is not owned and must outlive the model.
class GameModel : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("each game screen creates its own game's model")

    Q_PROPERTY(State state READ state NOTIFY stateChanged FINAL)
    Q_PROPERTY(int score READ score NOTIFY scoreChanged FINAL)
    Q_PROPERTY(int correctKeys READ correctKeys NOTIFY correctKeysChanged FINAL)
    Q_PROPERTY(int combo READ combo NOTIFY comboChanged FINAL)
    // Every change shakes the score once.
    Q_PROPERTY(int misses READ misses NOTIFY missesChanged FINAL)
    Q_PROPERTY(bool hasHearts READ hasHearts CONSTANT FINAL)
    Q_PROPERTY(int hearts READ hearts NOTIFY heartsChanged FINAL)
    // Each QChar is one key; the keys of the course are plain ASCII.
    Q_PROPERTY(QString pool READ pool NOTIFY poolChanged FINAL)
    Q_PROPERTY(QString focus READ focus NOTIFY focusChanged FINAL)
    Q_PROPERTY(bool hasTimeLimit READ hasTimeLimit NOTIFY timeLimitChanged FINAL)
    Q_PROPERTY(double timeLimit READ timeLimitOrZero NOTIFY timeLimitChanged FINAL)
    // The time pill shows while there is a time left.
    Q_PROPERTY(bool hasTimeLeft READ hasTimeLeft NOTIFY hasTimeLeftChanged FINAL)
    Q_PROPERTY(double timeLeft READ timeLeftOrZero NOTIFY timeLeftChanged FINAL)
    // ⌈timeLeft⌉, announced once a second rather than on every tick.
    Q_PROPERTY(int secondsLeft READ secondsLeft NOTIFY secondsLeftChanged FINAL)
    // Gentle games: falling and moving things at this share of their usual speed, 1 as usual.
    // The clock and the time limit run as always.
    Q_PROPERTY(double pace READ pace WRITE setPace NOTIFY paceChanged FINAL)

public:
    enum class State { Ready, Playing, Paused, Over };
    Q_ENUM(State)

    // The resting keys of the active keyboard's home row, "asdfjkl" on US.
    static QString defaultPool();

    ~GameModel() override;

    virtual GameKind kind() const = 0;
    virtual void start() = 0;
    virtual void tick(double dt) = 0;
    virtual void handle(QChar ch) = 0;

    // The kind of character the game takes while playing; the frame drops the others. The
    // default takes letters, digits, punctuation and symbols.
    virtual bool accepts(QChar ch) const;

    void pause();          // playing → paused
    virtual void resume(); // paused → playing

    // The screen's set-up before the first game. Bonus: its pool when not empty, its focus,
    // its duration as the time limit. Free play: the learned keys when not empty, the time
    // limit untouched. A game that ignores part of it overrides these.
    virtual void setUpBonus(const BonusSetup &bonus);
    virtual void setUpFreePlay(const QString &learnedKeys);

    // What was typed for each key the game clearly expected, since start(): the race's next
    // letter, the echo's next key. Empty where several keys would do (falling letters, moles,
    // meteors not yet begun).
    const KeyStats &keyStats() const { return m_keyStats; }

    // The speed recorded with the score; only a race has one.
    virtual std::optional<double> recordedWpm() const { return std::nullopt; }
    // The screen is going away: end at once whatever would outlast it (speech).
    virtual void silence() {}
    virtual bool hasHearts() const { return false; }

    State state() const { return m_state; }
    bool isReady() const { return m_state == State::Ready; }
    bool isPlaying() const { return m_state == State::Playing; }
    bool isPaused() const { return m_state == State::Paused; }
    bool isOver() const { return m_state == State::Over; }
    int score() const { return m_score; }
    int correctKeys() const { return m_correctKeys; }
    int combo() const { return m_combo; }
    int misses() const { return m_misses; }
    int hearts() const { return m_hearts; }

    QString pool() const { return m_pool; }
    void setPool(const QString &pool);
    QString focus() const { return m_focus; }
    void setFocus(const QString &focus);
    std::optional<double> timeLimit() const { return m_timeLimit; }
    void setTimeLimit(std::optional<double> seconds); // a limit that is not finite is none
    bool hasTimeLimit() const { return m_timeLimit.has_value(); }
    double timeLimitOrZero() const { return m_timeLimit.value_or(0.0); }
    std::optional<double> timeLeft() const { return m_timeLeft; }
    bool hasTimeLeft() const { return m_timeLeft.has_value(); }
    double timeLeftOrZero() const { return m_timeLeft.value_or(0.0); }
    int secondsLeft() const;
    double pace() const { return m_pace; }
    // Kept within [minPace, 1]; a value that is no number changes nothing.
    void setPace(double pace);
    static constexpr double minPace = 0.25;

signals:
    void stateChanged();
    void scoreChanged();
    void correctKeysChanged();
    void comboChanged();
    void missesChanged();
    void heartsChanged();
    void poolChanged();
    void focusChanged();
    void timeLimitChanged();
    void hasTimeLeftChanged();
    void timeLeftChanged();
    void secondsLeftChanged();
    void paceChanged();

protected:
    // Game clocks sum steps of 1/60 s, which drift from whole ticks by far less than this; a
    // boundary within it of the clock belongs to the tick that reaches it.
    static constexpr double clockSlack = 1e-9;

    GameModel(QRandomGenerator &rng, QObject *parent);

    QRandomGenerator &rng() const { return m_rng; }
    // A uniformly random element; the text must not be empty.
    QChar randomKey(const QString &keys) const;
    // A uniform real in [low, high].
    double randomReal(double low, double high) const;

    void setState(State state);
    void setScore(int score);
    void setCorrectKeys(int correctKeys);
    void setCombo(int combo);
    void setMisses(int misses);
    void setHearts(int hearts);
    void setTimeLeft(std::optional<double> seconds);
    void countKey(QChar expected, QChar typed);
    void clearKeyStats() { m_keyStats.clear(); }

    // The clock step of the timed games: timeLeft follows elapsed, and when the limit is
    // reached the game is over and true comes back, so the caller ends its tick at once.
    bool runOutOfTime(double elapsed);

private:
    QRandomGenerator &m_rng;
    State m_state = State::Ready;
    int m_score = 0;
    int m_correctKeys = 0;
    int m_combo = 0;
    int m_misses = 0;
    int m_hearts = 0;
    QString m_pool = defaultPool();
    QString m_focus;
    std::optional<double> m_timeLimit;
    std::optional<double> m_timeLeft;
    KeyStats m_keyStats;
    double m_pace = 1.0;
};

} // namespace tapalong
