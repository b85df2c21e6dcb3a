// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Rocket Race: the child types a passage against three rivals who type at fixed speeds.
#pragma once

#include "gamemodel.h"

#include <QAbstractListModel>
#include <QList>
#include <QString>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

#include <array>
#include <optional>

class QRandomGenerator;

namespace tapalong {

struct Bot {
    const char16_t *name; // English; the rival list shows it translated
    const char16_t *emoji;
    double wpm; // a word is 5 characters
};

inline constexpr std::array<Bot, 3> bots{{
    {u"" QT_TRANSLATE_NOOP("RocketRace", "Turbo Turtle"), u"\U0001F422", 10},
    {u"" QT_TRANSLATE_NOOP("RocketRace", "Comet Cat"), u"\U0001F431", 18},
    {u"" QT_TRANSLATE_NOOP("RocketRace", "Falcon Flash"), u"\U0001F985", 26},
}};

// The rivals as fixed rows in the order of `bots`. Roles: rivalName, rivalEmoji, progress
// (0…1) and finishedPlace (1…3 among the rivals, 0 until the rival is across the line).
class RivalList final : public QAbstractListModel {
public:
    enum Role { RivalNameRole = Qt::UserRole + 1, RivalEmojiRole, ProgressRole, FinishedPlaceRole };
    static constexpr int count = int(bots.size());

    explicit RivalList(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    double progress(int rival) const { return m_progress.at(std::size_t(rival)); }
    std::optional<int> place(int rival) const { return m_place.at(std::size_t(rival)); }
    int finishedCount() const;

    // Every rival at its progress for this race time; one change over the rows that moved.
    void advance(double elapsed, qsizetype passageLength);
    void reset();

private:
    std::array<double, count> m_progress{};
    std::array<std::optional<int>, count> m_place{};
};

class RocketRaceModel : public tapalong::GameModel {
    Q_OBJECT
    QML_ELEMENT

    Q_PROPERTY(QAbstractListModel *rivals READ rivals CONSTANT FINAL)
    Q_PROPERTY(QString passage READ passage NOTIFY passageChanged FINAL)
    Q_PROPERTY(int typedCount READ typedCount NOTIFY typedCountChanged FINAL)
    Q_PROPERTY(int wrongCount READ wrongCount NOTIFY wrongCountChanged FINAL)
    Q_PROPERTY(bool raceStarted READ raceStarted NOTIFY raceStartedChanged FINAL)
    Q_PROPERTY(double elapsed READ elapsed NOTIFY elapsedChanged FINAL)
    Q_PROPERTY(int place READ place NOTIFY placeChanged FINAL)
    Q_PROPERTY(bool shortRace READ shortRace NOTIFY shortRaceChanged FINAL)
    // The child's rocket: typedCount over the passage length, 0 for no passage.
    Q_PROPERTY(double progress READ progress NOTIFY typedCountChanged FINAL)
    // The live figures of the bar and the game-over card, rounded.
    Q_PROPERTY(int wpm READ shownWpm NOTIFY wpmChanged FINAL)
    Q_PROPERTY(int accuracy READ accuracy NOTIFY accuracyChanged FINAL)
    // The passage row: the characters from windowStart, up to 12 typed and 32 to come.
    Q_PROPERTY(int windowStart READ windowStart NOTIFY typedCountChanged FINAL)
    Q_PROPERTY(QString windowText READ windowText NOTIFY typedCountChanged FINAL)
    // The most characters windowText ever holds.
    Q_PROPERTY(int windowSize READ windowSize CONSTANT FINAL)

public:
    // The passage when the phrase list is too short to make one.
    static constexpr auto fallbackPassage =
        u"the quick fox jumps over the lazy dog and races across the sunny green field today";

    // The program's: the system's random generator.
    explicit RocketRaceModel(QObject *parent = nullptr);
    explicit RocketRaceModel(QRandomGenerator &rng, QObject *parent = nullptr);

    GameKind kind() const override { return GameKind::rocketRace; }
    bool accepts(QChar ch) const override { return ch.isLetter() || ch == u' '; }
    void start() override;
    void tick(double dt) override;
    void handle(QChar ch) override;
    // A bonus round is a short race; the keys and the round's length play no part.
    void setUpBonus(const BonusSetup &bonus) override;
    void setUpFreePlay(const QString &) override {}
    // Unrounded; the score uses it rounded.
    std::optional<double> recordedWpm() const override { return wpm(); }

    // `phrases` phrases of the list joined by spaces, as close to the length that suits them
    // as 25 shuffles find; the first shuffle is kept only as the best of a bad lot.
    static QString buildPassage(QRandomGenerator &rng, int phrases, const QStringList &list);

    RivalList *rivals() { return &m_rivals; }
    const RivalList &rivalList() const { return m_rivals; }
    QString passage() const { return m_passage; }
    int typedCount() const { return m_typedCount; }
    int wrongCount() const { return m_wrongCount; }
    bool raceStarted() const { return m_raceStarted; }
    double elapsed() const { return m_elapsed; }
    int place() const { return m_place; }
    bool shortRace() const { return m_shortRace; }
    void setShortRace(bool shortRace);
    double progress() const;
    double wpm() const; // correct keys per 5, per minute of race time; 0 before the clock runs
    int roundedWpm() const;
    // roundedWpm once the race is over; while it runs, at least a second of race time counts,
    // so the first letter reads as 12 wpm rather than 720.
    int shownWpm() const;
    int accuracy() const;
    int windowStart() const;
    QString windowText() const;
    static int windowSize();

    // The phrases passages are made of; the easy phrases unless a test gives others.
    void setPhrases(const QStringList &phrases) { m_phrases = phrases; }

signals:
    void passageChanged();
    void typedCountChanged();
    void wrongCountChanged();
    void raceStartedChanged();
    void elapsedChanged();
    void placeChanged();
    void shortRaceChanged();
    void wpmChanged();
    void accuracyChanged();

private:
    void finishPlayer();
    void setPassage(const QString &passage);
    void setTypedCount(int typedCount);
    void setWrongCount(int wrongCount);
    void setRaceStarted(bool raceStarted);
    void setElapsed(double elapsed);
    void setPlace(int place);
    // Announces the rounded figures that changed since they were last announced.
    void refreshFigures();

    RivalList m_rivals;
    std::optional<QStringList> m_phrases; // the active course's, unless a test sets them
    QString m_passage;
    int m_typedCount = 0;
    int m_wrongCount = 0;
    bool m_raceStarted = false;
    double m_elapsed = 0;
    int m_place = 0;
    bool m_shortRace = false;
    int m_shownWpm = 0;
    int m_shownAccuracy = 100;
};

} // namespace tapalong
