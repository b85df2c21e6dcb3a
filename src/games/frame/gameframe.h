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
//   newBadges, best and isNewHighScore tell the game-over card what to show.
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
    Q_PROPERTY(
        QString gameOverWords READ gameOverWords WRITE setGameOverWords NOTIFY resultChanged FINAL)

    Q_PROPERTY(bool isBonus READ isBonus NOTIFY setupChanged FINAL)
    Q_PROPERTY(int bonusSeconds READ bonusSeconds NOTIFY setupChanged FINAL) // whole seconds
    Q_PROPERTY(bool hasNextLesson READ hasNextLesson NOTIFY setupChanged FINAL)
    Q_PROPERTY(QString nextLessonId READ nextLessonId NOTIFY setupChanged FINAL)
    Q_PROPERTY(QString nextLessonTitle READ nextLessonTitle NOTIFY setupChanged FINAL)
    Q_PROPERTY(QString gameTitle READ gameTitle NOTIFY setupChanged FINAL)
    Q_PROPERTY(QString gameEmoji READ gameEmoji NOTIFY setupChanged FINAL)
    Q_PROPERTY(QString barTitle READ barTitle NOTIFY setupChanged FINAL)
    Q_PROPERTY(QString startEmoji READ startEmoji NOTIFY setupChanged FINAL)
    Q_PROPERTY(QString startTitle READ startTitle NOTIFY setupChanged FINAL)

    Q_PROPERTY(QString poolLabel READ poolLabel NOTIFY keysChanged FINAL)
    Q_PROPERTY(QString focusLabel READ focusLabel NOTIFY keysChanged FINAL)
    // The start card's focus line: a bonus round with new keys.
    Q_PROPERTY(bool showsFocus READ showsFocus NOTIFY keysChanged FINAL)

    // A number for QML, whose tooling in Qt 6.4 knows no qint64.
    Q_PROPERTY(double best READ bestNumber NOTIFY resultChanged FINAL)
    Q_PROPERTY(bool isNewHighScore READ isNewHighScore NOTIFY resultChanged FINAL)
    Q_PROPERTY(QString headline READ headline NOTIFY resultChanged FINAL)
    Q_PROPERTY(bool recorded READ recorded NOTIFY recordedChanged FINAL)
    // Of the last recorded game, each {id, title, emoji}.
    Q_PROPERTY(QList<tapalong::Badge> newBadges READ newBadges NOTIFY newBadgesChanged FINAL)

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
    // Each key upper-cased, separated by single spaces: "A S D F".
    Q_INVOKABLE static QString keysLabel(const QString &keys);

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

    qint64 best() const { return m_best; }
    double bestNumber() const { return double(m_best); }
    bool isNewHighScore() const { return m_isNewHighScore; }
    QString headline() const;
    bool recorded() const { return m_recorded; }
    const QList<Badge> &newBadges() const { return m_newBadges; }
    bool isTimerRunning() const { return m_clockRunning; }

signals:
    void modelChanged();
    void storeChanged();
    void setupChanged();
    void keysChanged();
    void resultChanged();
    void recordedChanged();
    void newBadgesChanged();
    void exitRequested();
    void openLessonRequested(const QString &lessonId);

private:
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
    bool m_recorded = false;
    double m_playedSeconds = 0; // of play, pauses left out: for the practice history
    QList<Badge> m_newBadges;
    qint64 m_best = 0;
    bool m_isNewHighScore = false;
};

} // namespace tapalong
