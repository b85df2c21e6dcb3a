// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// The one owner of the saved data while the program runs: every change is published and saved.
#pragma once

#include "badges.h"
#include "champions.h"
#include "history.h"
#include "records.h"
#include "savefile.h"
#include "savewriter.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QUuid>
#include <QtQml/qqmlregistration.h>

#include <functional>
#include <memory>
#include <optional>

class QJSEngine;
class QQmlEngine;

namespace tapalong {

struct Lesson;

// One explorer's card in the profile picker.
struct ProfileSummary {
    Q_GADGET
    QML_VALUE_TYPE(profileSummary)
    // The form chooseProfile() and deleteProfile() take.
    Q_PROPERTY(QString id MEMBER id)
    Q_PROPERTY(QString name MEMBER name)
    Q_PROPERTY(QString avatar MEMBER avatar)
    // A double, as numbers are in QML: 6.4's qmllint does not know qint64.
    Q_PROPERTY(double totalStars MEMBER totalStars)
    // Rounded to a whole number, halves away from zero.
    Q_PROPERTY(double bestWPM MEMBER bestWPM)

public:
    QString id;
    QString name;
    QString avatar;
    double totalStars = 0;
    double bestWPM = 0;

    bool operator==(const ProfileSummary &) const = default;
};

class AppStore : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(bool hasCurrentProfile READ hasCurrentProfile NOTIFY dataChanged)
    Q_PROPERTY(bool soundEnabled READ soundEnabled NOTIFY dataChanged)
    Q_PROPERTY(bool voiceEnabled READ voiceEnabled NOTIFY dataChanged)
    // The household's keyboard, "LAYOUT" or "LAYOUT(VARIANT)": "us", "de", "us(intl)".
    Q_PROPERTY(QString keyboardLayout READ keyboardLayout NOTIFY dataChanged)
    // The household's language, one of `languages`: a grown-up's choice, or the desktop's.
    Q_PROPERTY(QString language READ language NOTIFY dataChanged)
    // In creation order.
    Q_PROPERTY(QList<tapalong::ProfileSummary> profiles READ profileList NOTIFY dataChanged)
    // Empty, empty and "🙂" while there is no current profile.
    Q_PROPERTY(QString currentProfileId READ currentProfileId NOTIFY dataChanged)
    Q_PROPERTY(QString currentName READ currentName NOTIFY dataChanged)
    Q_PROPERTY(QString currentAvatar READ currentAvatar NOTIFY dataChanged)
    // The current explorer's spoken help; false without one.
    Q_PROPERTY(bool sayNames READ sayNames NOTIFY dataChanged)
    Q_PROPERTY(bool sayNextKey READ sayNextKey NOTIFY dataChanged)
    // A sentence for a parent while saving fails: what failed, and that progress is kept until
    // it can be written. Empty while all is well.
    Q_PROPERTY(QString saveProblem READ saveProblem NOTIFY saveProblemChanged)

public:
    // All kinds together.
    static constexpr qsizetype maxGameScores = 60;

    static const Clock &systemClock();

    // A refused save is tried again after these, doubling in between. The longest wait is
    // short because some ends run no code at all (a Wayland compositor that dies takes the
    // program with it at once): once the disk has room again, a change is on it within 10 s.
    static constexpr int firstRetryMs = 2000;
    static constexpr int maxRetryMs = 10000;

    // Both load at once. The clock must outlive the store. The save file is written on a
    // worker thread; a test's storage where `thread` says.
    explicit AppStore(SaveFile file, const Clock &clock = systemClock(), QObject *parent = nullptr);
    AppStore(std::unique_ptr<Storage> storage, const Clock &clock,
             SaveWriter::Thread thread = SaveWriter::Thread::caller, QObject *parent = nullptr);
    // Waits for the last write.
    ~AppStore() override;

    // The clock the store dates things by; others that date things for it read the same.
    const Clock &clock() const { return m_clock; }

    // QML's singleton is the store handed to setInstance(), which must happen before the first
    // QML file that uses it is loaded; the caller keeps ownership.
    static void setInstance(AppStore *store);
    static AppStore *create(QQmlEngine *, QJSEngine *engine);
    // The one handed to setInstance(); null before.
    static AppStore *instance();

    const AppData &data() const { return m_data; }
    // True when there was no save file to load: the household's first start, before anything
    // was ever saved.
    bool isFirstStart() const { return m_firstStart; }
    // The one change path: publish, then hand the new state to the writer.
    void setData(AppData data);
    // True while the last save that finished failed: what is on screen is not yet on disk.
    bool isUnsaved() const { return m_unsaved; }
    // Waits for the writes under way and tries once more if the last failed; the program does
    // so on the way out, so a disk that filled up for a moment does not cost a lesson. Returns
    // whether everything is on disk.
    bool saveIfUnsaved();
    // While saving fails: the wait before the next try, 0 when none is due.
    int retryDelayMs() const { return m_retry.isActive() ? m_retry.interval() : 0; }
    // What the retry timer does when it fires; tests call it instead of waiting.
    void retrySave();
    QString saveProblem() const { return m_saveProblem; }

    // Null when there is none, including when currentProfileID matches no profile.
    const Profile *currentProfile() const { return m_data.currentProfile(); }

    // Appends the profile and then makes it current: two saves.
    Q_INVOKABLE void addProfile(const QString &name, const QString &avatar);
    // One save, and a second one when it was the current profile.
    void deleteProfile(QUuid id); // by value: callers often pass an id held in data()
    Q_INVOKABLE void deleteProfile(const QString &id);
    Q_INVOKABLE void toggleVoice();
    Q_INVOKABLE void toggleSound();
    // Saves a layout name of the right shape and answers true; anything else changes nothing.
    // Whether the keyboard data knows the layout is the caller's to check.
    Q_INVOKABLE bool setKeyboardLayout(const QString &name);
    // Only from the grown-ups' corner, never during a lesson or game: the switch (see
    // setLanguageSwitch) installs the language's texts before anyone hears of the change, so
    // every table of translated text is rebuilt when the screens read it again.
    Q_INVOKABLE void chooseLanguage(const QString &language);
    // The languages the program speaks, English first.
    static QStringList languages();
    // The desktop's language, and what makes a language current (installs its catalogue); the
    // program sets them at start, before the screens exist.
    void setLanguageSwitch(const QString &desktopLanguage,
                           std::function<void(const QString &)> apply);
    // An id that names no profile changes nothing.
    Q_INVOKABLE void chooseProfile(const QString &id);
    Q_INVOKABLE void switchPlayer();

    // One save, or none without a current profile.
    void updateCurrent(const std::function<void(Profile &)> &change);

    // Both return the badges newly earned; empty, and nothing saved, without a current profile.
    // The details also go to the practice history and the key statistics.
    QList<Badge> recordLesson(const Lesson &lesson, int stars, double wpm, double accuracy,
                              int correctKeys, const AttemptDetails &details = {});
    QList<Badge> recordGame(GameKind kind, int score, std::optional<double> wpm, int correctKeys,
                            const AttemptDetails &details = {});
    // Tricky-key practice counts as play (streak, keys, badges) but never as a lesson result.
    QList<Badge> recordTrickyPractice(int stars, double wpm, double accuracy, int correctKeys,
                                      const AttemptDetails &details);
    // A text from home counts exactly as tricky-key practice does.
    QList<Badge> recordTextPractice(int stars, double wpm, double accuracy, int correctKeys,
                                    const AttemptDetails &details);

    // Texts from home, for any explorer. The text must come from TextCheck::prepare (typeable,
    // within the limits); an empty one, one over PracticeTexts::maxChars, an explorer who has
    // PracticeTexts::maxTexts already or an id that names no explorer change nothing. Returns
    // the new text's id, null when nothing was added.
    QUuid addPracticeText(QUuid profileId, const QString &text);
    void removePracticeText(QUuid profileId, QUuid textId);
    // An explorer's look; an id that names no explorer, or the look it has, changes nothing.
    void setComfort(QUuid profileId, const Comfort &comfort);

    // Any explorer's spoken help, set by the grown-ups; an id that names no explorer reads as
    // all off and changes nothing. A flag set as it already is saves nothing.
    SpokenHelp spokenHelpOf(const QString &profileId) const;
    Q_INVOKABLE bool saysNames(const QString &profileId) const
    {
        return spokenHelpOf(profileId).sayNames;
    }
    Q_INVOKABLE bool saysNextKey(const QString &profileId) const
    {
        return spokenHelpOf(profileId).sayNextKey;
    }
    Q_INVOKABLE void setSayNames(const QString &profileId, bool on);
    Q_INVOKABLE void setSayNextKey(const QString &profileId, bool on);

    QList<LeaderRow> starRows() const { return Champions::starRows(m_data); }
    QList<LeaderRow> wpmRows() const { return Champions::wpmRows(m_data); }
    QList<LeaderRow> gameRows(GameKind kind) const { return Champions::gameRows(m_data, kind); }

    bool hasCurrentProfile() const { return currentProfile() != nullptr; }
    bool soundEnabled() const { return m_data.settings.soundEnabled; }
    bool voiceEnabled() const { return m_data.settings.voiceEnabled; }
    QString keyboardLayout() const { return m_data.settings.keyboardLayout.text(); }
    QString language() const;
    bool sayNames() const { return currentProfile() && currentProfile()->spokenHelp.sayNames; }
    bool sayNextKey() const
    {
        return currentProfile() && currentProfile()->spokenHelp.sayNextKey;
    }

    QList<ProfileSummary> profileList() const;
    QString currentProfileId() const;
    QString currentName() const;
    QString currentAvatar() const;

    // A new explorer's name: spaces of every kind and tabs go from both ends, line breaks stay.
    Q_INVOKABLE static QString trimmedName(const QString &name);

signals:
    void dataChanged();
    void saveProblemChanged();

private:
    void saved(bool ok, const QString &problem);
    void touchStreak(Profile &profile) const;
    void addCorrectKeys(Profile &profile, int correctKeys) const;
    QList<Badge> recordPractice(QLatin1StringView lessonId, int stars, double wpm,
                                double accuracy, int correctKeys, const AttemptDetails &details);
    void updateProfile(QUuid profileId, const std::function<void(Profile &)> &change);
    void setSpokenHelp(const QString &profileId, bool SpokenHelp::*flag, bool on);
    static void addToHistory(Profile &profile, const QString &lessonId,
                             const LessonResult &result, const AttemptDetails &details);

    SaveWriter m_writer;
    const Clock &m_clock;
    AppData m_data;
    bool m_unsaved = false;
    QString m_saveProblem;
    bool m_firstStart = false;
    QTimer m_retry;
    int m_nextRetryMs = firstRetryMs;
    QString m_desktopLanguage = QStringLiteral("en");
    std::function<void(const QString &)> m_applyLanguage;
};

} // namespace tapalong
