// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// The rules of the lesson screen: tutorial, keys, pause, recording once, and what the cards say.
#pragma once

#include "badges.h"
#include "curriculum.h"
#include "keyinput.h"
#include "keymonitor.h"
#include "lessonsession.h"
#include "lessontutorial.h"

#include <QColor>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QQmlParserStatus>
#include <QString>
#include <QTimer>
#include <QtQml/qqmlregistration.h>

#include <memory>
#include <optional>

namespace tapalong {

class AppStore;
class Clock;

// A game offered on the results card after a lesson.
struct BonusChoice {
    Q_GADGET
    QML_VALUE_TYPE(bonusChoice)
    // The game's id.
    Q_PROPERTY(QString kind MEMBER kind)
    Q_PROPERTY(QString emoji MEMBER emoji)
    Q_PROPERTY(QString title MEMBER title)
    Q_PROPERTY(QColor color MEMBER color)

public:
    QString kind;
    QString emoji;
    QString title;
    QColor color;

    bool operator==(const BonusChoice &) const = default;
};

// What the results card shows.
struct LessonResults {
    Q_GADGET
    QML_VALUE_TYPE(lessonResults)
    Q_PROPERTY(QString title MEMBER title)
    // The speed as a whole number, even when it is 0.
    Q_PROPERTY(QString speedText MEMBER speedText)
    Q_PROPERTY(QString accuracyText MEMBER accuracyText)
    // Of this attempt.
    Q_PROPERTY(QList<tapalong::Badge> newBadges MEMBER newBadges)
    // At most three.
    Q_PROPERTY(QList<tapalong::BonusChoice> bonusChoices MEMBER bonusChoices)
    // "" when this was the last lesson, and for practice.
    Q_PROPERTY(QString nextLessonTitle MEMBER nextLessonTitle)

public:
    QString title;
    QString speedText;
    QString accuracyText;
    QList<Badge> newBadges;
    QList<BonusChoice> bonusChoices;
    QString nextLessonTitle;

    bool operator==(const LessonResults &) const = default;
};

// One per lesson screen, for the screen's whole life. The screen declares it as
//     LessonController { lessonId: root.lessonId; store: AppStore; active: root.enabled }
// and draws everything from it, its session and its `tutorial`. While `active`, every key of
// the application reaches handleKey() and is consumed, by the tutorial while it lasts; the
// first time it turns active the current tutorial step is spoken. Turning inactive, leaving,
// restarting and ending the tutorial silence the narrator at once. When the session finishes,
// the attempt is recorded in the store once (finish()), `results` holds the card's contents,
// and 0.3 s later `showStars` lets the card pop its stars in.
// With lessonId "tricky" it plays the current profile's tricky-key practice instead, and with
// "text:<id>" one of its texts from home (TextCheck::lessonIdFor); both are recorded as
// practice and never as a lesson result.
// The screen never navigates itself: exit(), openNext() and openBonus() emit the requests,
// which the root view answers; they also stop listening, so the screen is inert while it fades.
class LessonController : public QObject, public QQmlParserStatus {
    Q_OBJECT
    Q_INTERFACES(QQmlParserStatus)
    QML_ELEMENT

    Q_PROPERTY(QString lessonId READ lessonId WRITE setLessonId NOTIFY lessonChanged FINAL)
    Q_PROPERTY(tapalong::AppStore *store READ store WRITE setStore NOTIFY storeChanged FINAL)
    Q_PROPERTY(bool active READ isActive WRITE setActive NOTIFY activeChanged FINAL)
    // Null while lessonId names no lesson.
    Q_PROPERTY(tapalong::LessonSession *session READ session NOTIFY lessonChanged FINAL)
    // The lesson's emoji, two spaces and its title.
    Q_PROPERTY(QString heading READ heading NOTIFY lessonChanged FINAL)

    Q_PROPERTY(tapalong::LessonTutorial *tutorial READ tutorial CONSTANT FINAL)

    Q_PROPERTY(bool paused READ paused NOTIFY pausedChanged FINAL)
    Q_PROPERTY(bool recorded READ recorded NOTIFY recordedChanged FINAL)
    Q_PROPERTY(bool showStars READ showStars NOTIFY showStarsChanged FINAL)
    // The key to light: the expected character while typing, "" when finished or paused.
    Q_PROPERTY(QString highlight READ highlight NOTIFY highlightChanged FINAL)
    // The highlighted key in words, for a screen reader: "space", "f".
    Q_PROPERTY(QString highlightName READ highlightName NOTIFY highlightChanged FINAL)

    Q_PROPERTY(QString drillLabel READ drillLabel NOTIFY drillLabelChanged FINAL)
    // The live bar: "–" until the first correct key.
    Q_PROPERTY(QString wpmText READ wpmText NOTIFY statsChanged FINAL)
    Q_PROPERTY(QString accuracyText READ accuracyText NOTIFY statsChanged FINAL)
    Q_PROPERTY(tapalong::LessonResults results READ results NOTIFY resultsChanged FINAL)

public:
    static constexpr int showStarsDelayMs = 300;

    // For QML: the system clock.
    explicit LessonController(QObject *parent = nullptr);
    // For tests: the clock must outlive the controller.
    explicit LessonController(const Clock &clock, QObject *parent = nullptr);
    ~LessonController() override;

    void classBegin() override;
    void componentComplete() override;

    // Consumes every key, as the key monitor does while the screen is active.
    bool handleKey(const KeyInput &key);
    // Records the finished attempt the first time it is called per attempt; does nothing
    // before the session is finished. Runs by itself when the session finishes.
    void finish();

    // The keys of a drill line: letters, digits, punctuation, symbols and the space.
    static bool isTypingCharacter(QChar ch);
    static QString verdictSpeech(int stars);
    // What the narrator tells after the verdict: the speed, the accuracy and any new badges.
    static QString resultsNews(double wpm, double accuracy, const QList<Badge> &earned);
    static QString lineDoneNews(int linesLeft);
    static QString titleFor(int stars);

    Q_INVOKABLE void resume();
    Q_INVOKABLE void restart(); // "Try again": no tutorial this time
    Q_INVOKABLE void exit();
    Q_INVOKABLE void openNext();
    Q_INVOKABLE void openBonus(const QString &kind);

    QString lessonId() const { return m_lessonId; }
    void setLessonId(const QString &lessonId);
    AppStore *store() const { return m_store; }
    void setStore(AppStore *store);
    bool isActive() const { return m_active; }
    void setActive(bool active);
    bool isListening() const { return m_monitor.isListening(); }

    LessonSession *session() const { return m_session.get(); }
    QString heading() const;
    LessonTutorial *tutorial() { return &m_tutorial; }
    bool paused() const { return m_paused; }
    bool recorded() const { return m_recorded; }
    const QList<Badge> &newBadges() const { return m_newBadges; }
    bool showStars() const { return m_showStars; }
    QString highlight() const;
    bool hasNextLesson() const { return m_nextLesson.has_value(); }
    QList<BonusChoice> bonusChoices() const;
    QString drillLabel() const;
    QString highlightName() const;
    QString wpmText() const;
    QString accuracyText() const;
    QString speedText() const;
    QString title() const;
    LessonResults results() const;

signals:
    void lessonChanged();
    void storeChanged();
    void activeChanged();
    void pausedChanged();
    void recordedChanged();
    void showStarsChanged();
    void highlightChanged();
    void drillLabelChanged();
    void statsChanged();
    void resultsChanged();
    void exitRequested();
    void nextRequested(const QString &lessonId);
    void bonusRequested(const QString &lessonId, const QString &kind);

private:
    bool isTrickyPractice() const;
    bool isPractice() const; // tricky keys or a text from home
    std::optional<Lesson> lessonToPlay() const;
    void build();
    // Listening follows `active` once the declaration is complete, and never resumes after
    // the screen has asked to leave.
    void updateListening();
    void setPaused(bool paused);
    void setRecorded(bool recorded);
    void setNewBadges(QList<Badge> badges);
    void setShowStars(bool show);
    void onFinishedChanged();
    void onLineStarted();
    void sayNextKey();
    void leave();

    const Clock &m_clock;
    QString m_lessonId;
    QPointer<AppStore> m_store;
    bool m_active = false;
    bool m_complete = true; // false between QML's classBegin and componentComplete
    bool m_leaving = false;

    std::unique_ptr<LessonSession> m_session;
    std::optional<Lesson> m_nextLesson;
    QList<GameKind> m_bonusGames;

    LessonTutorial m_tutorial;
    bool m_paused = false;
    bool m_recorded = false;
    QList<Badge> m_newBadges;
    bool m_showStars = false;

    KeyMonitor m_monitor;
    QTimer m_starsTimer;
};

} // namespace tapalong
