// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// The screen-side rules every arcade game shares: set-up, keys, the tick timer and recording.
#pragma once

#include "appstore.h"
#include "badges.h"
#include "bonusround.h"
#include "gamemodel.h"
#include "keyinput.h"
#include "keymonitor.h"
#include "tickschedule.h"

#include <QAbstractAnimation>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QQmlParserStatus>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include <functional>
#include <optional>

namespace tapalong {

// Calls back on every frame of the program's animation clock, the one the renderer draws by,
// with the animation's time in ms.
class FrameTicker : public QAbstractAnimation {
public:
    using QAbstractAnimation::QAbstractAnimation;
    std::function<void(int)> onFrame;
    int duration() const override { return -1; }

protected:
    void updateCurrentTime(int ms) override
    {
        if (onFrame)
            onFrame(ms);
    }
};

// What the start card shows.
struct GameStartCard {
    Q_GADGET
    QML_VALUE_TYPE(gameStartCard)
    Q_PROPERTY(QString emoji MEMBER emoji)
    Q_PROPERTY(QString title MEMBER title)
    // The keys in play, "A S D F", or a word for all the letters.
    Q_PROPERTY(QString poolLabel MEMBER poolLabel)
    // A bonus round's new keys; "" when the card has no focus line.
    Q_PROPERTY(QString focusLabel MEMBER focusLabel)

public:
    QString emoji;
    QString title;
    QString poolLabel;
    QString focusLabel;

    bool operator==(const GameStartCard &) const = default;
};

// What the game-over card shows.
struct GameOverCard {
    Q_GADGET
    QML_VALUE_TYPE(gameOverCard)
    Q_PROPERTY(QString headline MEMBER headline)
    // A number for QML, whose tooling in Qt 6.4 knows no qint64.
    Q_PROPERTY(double best MEMBER best)
    Q_PROPERTY(bool isNewHighScore MEMBER isNewHighScore)
    // Of the last recorded game.
    Q_PROPERTY(QList<tapalong::Badge> newBadges MEMBER newBadges)
    // The lesson after a bonus round's; "" in free play and after the last lesson.
    Q_PROPERTY(QString nextLessonTitle MEMBER nextLessonTitle)

public:
    QString headline;
    double best = 0;
    bool isNewHighScore = false;
    QList<Badge> newBadges;
    QString nextLessonTitle;

    bool operator==(const GameOverCard &) const = default;
};

// One per game screen, for the screen's whole life. A QML screen declares it with its model,
//     GameFrame { id: frame; model: LetterDropModel {}; bonusLessonId: root.lessonId }
// and binds its bar and cards to the frame and the model. The frame sets the model up and
// starts listening to keys when the declaration is complete; from then on:
// - every key reaches handleKey() and is consumed: Escape pauses, resumes, or asks to leave
//   from the start and game-over cards; space or Return starts a game from those cards; while
//   playing, a typed character of the kind the game accepts goes to the model.
// - while the model plays, every frame of the animation clock advances it by whole ticks of
//   exactly 1/60 s (step()), one a frame at 60 frames a second (TickSchedule).
// - when the model reaches `over`, the game is recorded in the store once (finish()), and
//   `overCard` tells the game-over card what to show: the best, whether this is a new high
//   score, and the badges it earned.
// - the screen never navigates itself: exit() and openNextLesson() emit exitRequested() and
//   openLessonRequested(), which the root view answers. Both also silence the frame, which
//   stays inert while its screen fades out, and the model (GameModel::silence()).
// Buttons call startGame() ("Start!", "Play again"), resumeGame() ("Resume"), exit() ("✕",
// "Quit", "All games", "Back to map") and openNextLesson() ("Next: …").
class GameFrame : public QObject, public QQmlParserStatus {
    Q_OBJECT
    Q_INTERFACES(QQmlParserStatus)
    QML_ELEMENT

    Q_PROPERTY(tapalong::GameModel *model READ model WRITE setModel NOTIFY modelChanged FINAL)
    // When not given, the AppStore singleton of the frame's QML engine.
    Q_PROPERTY(tapalong::AppStore *store READ store WRITE setStore NOTIFY storeChanged FINAL)
    // A bonus round after the lesson of this id; empty (and any id of no lesson) is free play.
    Q_PROPERTY(
        QString bonusLessonId READ bonusLessonId WRITE setBonusLessonId NOTIFY setupChanged FINAL)
    Q_PROPERTY(
        double bonusDuration READ bonusDuration WRITE setBonusDuration NOTIFY setupChanged FINAL)
    // Shown on the game-over card when neither a new high score nor a bonus round has words.
    Q_PROPERTY(QString gameOverWords READ gameOverWords WRITE setGameOverWords NOTIFY
                   overCardChanged FINAL)

    Q_PROPERTY(bool isBonus READ isBonus NOTIFY setupChanged FINAL)
    Q_PROPERTY(int bonusSeconds READ bonusSeconds NOTIFY setupChanged FINAL) // whole seconds
    Q_PROPERTY(QString barTitle READ barTitle NOTIFY setupChanged FINAL)
    Q_PROPERTY(tapalong::GameStartCard startCard READ startCard NOTIFY startCardChanged FINAL)
    Q_PROPERTY(tapalong::GameOverCard overCard READ overCard NOTIFY overCardChanged FINAL)
    Q_PROPERTY(bool recorded READ recorded NOTIFY recordedChanged FINAL)

public:
    static constexpr double tickSeconds = 1.0 / TickSchedule::ticksPerSecond;
    static constexpr double defaultBonusDuration = 45;
    static constexpr qsizetype allLettersFrom = 15;

    // For QML; set-up follows when the declaration is complete.
    explicit GameFrame(QObject *parent = nullptr);
    // For C++: set up at once. Neither the store nor the model is owned.
    GameFrame(AppStore *store, GameModel *model, std::optional<BonusSetup> bonus = std::nullopt,
              QObject *parent = nullptr);
    ~GameFrame() override;

    void classBegin() override {}
    void componentComplete() override;

    // Hands the model its keys and time limit and starts listening to keys; once only.
    void setUp();
    // Consumes every key; callable directly, as the key monitor does.
    bool handleKey(const KeyInput &key);
    // One tick: the model advances by exactly 1/60 s, however late the frame.
    void step();
    // Records the finished game the first time it is called per game; does nothing unless the
    // model is over.
    void finish();

    Q_INVOKABLE void startGame(); // from the start or game-over card only
    Q_INVOKABLE void resumeGame();
    Q_INVOKABLE void exit();
    Q_INVOKABLE void openNextLesson();

    GameModel *model() const { return m_model; }
    void setModel(GameModel *model);
    AppStore *store() const { return m_store; }
    void setStore(AppStore *store);
    std::optional<BonusSetup> bonus() const { return m_bonus; }
    void setBonus(std::optional<BonusSetup> bonus);
    QString bonusLessonId() const;
    void setBonusLessonId(const QString &lessonId);
    double bonusDuration() const { return m_bonusDuration; }
    void setBonusDuration(double seconds);
    QString gameOverWords() const { return m_gameOverWords; }
    void setGameOverWords(const QString &words);

    bool isBonus() const { return m_bonus.has_value(); }
    int bonusSeconds() const;
    std::optional<Lesson> nextLesson() const;
    bool hasNextLesson() const { return nextLesson().has_value(); }
    QString nextLessonId() const;
    QString nextLessonTitle() const;
    QString gameTitle() const;
    QString gameEmoji() const;
    QString barTitle() const;
    QString startEmoji() const;
    QString startTitle() const;

    QString poolLabel() const;
    QString focusLabel() const;
    bool showsFocus() const;
    GameStartCard startCard() const;

    qint64 best() const { return m_best; }
    double bestNumber() const { return double(m_best); }
    bool isNewHighScore() const { return m_isNewHighScore; }
    QString headline() const;
    // What the narrator tells once a game is over: the score, a high score, new badges.
    QString resultsNews() const;
    bool recorded() const { return m_recorded; }
    const QList<Badge> &newBadges() const { return m_newBadges; }
    GameOverCard overCard() const;
    bool isTimerRunning() const { return m_clockRunning; }

signals:
    void modelChanged();
    void storeChanged();
    void setupChanged();
    void startCardChanged();
    void overCardChanged();
    void recordedChanged();
    void exitRequested();
    void openLessonRequested(const QString &lessonId);

private:
    // Each key upper-cased, separated by single spaces: "A S D F".
    static QString keysLabel(const QString &keys);
    void onStateChanged();
    void updateTimer();
    void onFrame(int ms);
    void refreshResult();
    void setRecorded(bool recorded);
    void setNewBadges(QList<Badge> badges);
    void leave();

    QPointer<GameModel> m_model;
    QPointer<AppStore> m_store;
    std::optional<BonusSetup> m_bonus;
    double m_bonusDuration = defaultBonusDuration;
    QString m_gameOverWords;
    KeyMonitor m_monitor;
    FrameTicker m_ticker;
    TickSchedule m_schedule;
    int m_lastFrameMs = 0;
    int m_runs = 0;
    bool m_clockRunning = false;
    bool m_setUp = false;
    bool m_leaving = false;
    // The card the child has walked with Tab since the game last started.
    std::optional<GameModel::State> m_walkedCard;
    bool m_recorded = false;
    double m_playedSeconds = 0; // of play, pauses left out: for the practice history
    QList<Badge> m_newBadges;
    qint64 m_best = 0;
    bool m_isNewHighScore = false;
};

} // namespace tapalong
