// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "appstore.h"

#include "curriculum.h"
#include "practicetexts.h"

#include <QJSEngine>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace tapalong {

namespace {

AppStore *s_instance = nullptr;

class FileStorage final : public Storage {
public:
    explicit FileStorage(SaveFile file) : m_file(std::move(file)) {}
    SaveFile::LoadResult load() override { return m_file.load(); }
    bool save(const AppData &data) override { return m_file.save(data); }
    QString problem() const override { return m_file.problem(); }

private:
    SaveFile m_file;
};

// The screens compute these; a division by a zero time must not reach the file, because the
// encoder refuses infinity and NaN and every later save would then fail too.
double finiteOrZero(double value)
{
    return std::isfinite(value) ? value : 0.0;
}

} // namespace

const Clock &AppStore::systemClock()
{
    static const SystemClock clock;
    return clock;
}

AppStore::AppStore(SaveFile file, const Clock &clock, QObject *parent)
    : AppStore(std::make_unique<FileStorage>(std::move(file)), clock, SaveWriter::Thread::worker,
               parent)
{
}

AppStore::AppStore(std::unique_ptr<Storage> storage, const Clock &clock, SaveWriter::Thread thread,
                   QObject *parent)
    : QObject(parent), m_writer(std::move(storage), thread), m_clock(clock)
{
    m_retry.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, &AppStore::retrySave);
    connect(&m_writer, &SaveWriter::written, this, &AppStore::saved);
    SaveFile::LoadResult loaded = m_writer.load();
    m_firstStart = loaded.outcome == SaveFile::LoadOutcome::missing;
    // Written back at once, so the file is in this program's own form from now on.
    if (loaded.outcome == SaveFile::LoadOutcome::loaded)
        setData(std::move(loaded.data));
}

AppStore::~AppStore()
{
    m_writer.flush();
    if (s_instance == this)
        s_instance = nullptr;
}

void AppStore::setInstance(AppStore *store)
{
    s_instance = store;
}

AppStore *AppStore::instance()
{
    return s_instance;
}

AppStore *AppStore::create(QQmlEngine *, QJSEngine *engine)
{
    Q_ASSERT_X(s_instance, "AppStore::create", "setInstance() must come first");
    if (s_instance)
        engine->setObjectOwnership(s_instance, QJSEngine::CppOwnership);
    return s_instance;
}

void AppStore::setData(AppData data)
{
    m_data = std::move(data);
    emit dataChanged();
    // A failed write is tried again by the next change, by the retry timer, or on the way out.
    m_writer.submit(m_data);
}

bool AppStore::saveIfUnsaved()
{
    m_writer.flush();
    if (m_unsaved) {
        m_writer.submit(m_data);
        m_writer.flush();
    }
    return !m_unsaved;
}

void AppStore::retrySave()
{
    m_retry.stop();
    m_writer.submit(m_data);
}

void AppStore::saved(bool ok, const QString &problem)
{
    m_unsaved = !ok;
    QString notice;
    if (ok) {
        m_retry.stop();
        m_nextRetryMs = firstRetryMs;
    } else {
        notice = tr("Tapalong cannot save right now: %1. Progress is kept safe while Tapalong "
                    "stays open and is saved as soon as that works again.")
                     .arg(problem);
        // A change made meanwhile does not put the next try off.
        if (!m_retry.isActive()) {
            m_retry.start(m_nextRetryMs);
            m_nextRetryMs = std::min(2 * m_nextRetryMs, maxRetryMs);
        }
    }
    if (notice != m_saveProblem) {
        m_saveProblem = notice;
        emit saveProblemChanged();
    }
}

QList<ProfileSummary> AppStore::profileList() const
{
    QList<ProfileSummary> list;
    list.reserve(m_data.profiles.size());
    for (const Profile &profile : m_data.profiles) {
        // std::round takes halves away from zero; kept a double so a wild value from the file
        // cannot overflow an integer.
        list.append({profile.id.toString(QUuid::WithoutBraces).toUpper(), profile.name,
                     profile.avatar, double(profile.totalStars()), std::round(profile.bestWPM())});
    }
    return list;
}

QString AppStore::currentProfileId() const
{
    const Profile *current = currentProfile();
    return current ? current->id.toString(QUuid::WithoutBraces).toUpper() : QString();
}

QString AppStore::currentName() const
{
    const Profile *current = currentProfile();
    return current ? current->name : QString();
}

QString AppStore::currentAvatar() const
{
    const Profile *current = currentProfile();
    return current ? current->avatar : QStringLiteral("🙂");
}

QString AppStore::trimmedName(const QString &name)
{
    const auto trimmable = [](QChar c) {
        return c == QLatin1Char('\t') || c.category() == QChar::Separator_Space;
    };
    qsizetype begin = 0;
    qsizetype end = name.size();
    while (begin < end && trimmable(name.at(begin)))
        ++begin;
    while (end > begin && trimmable(name.at(end - 1)))
        --end;
    return name.mid(begin, end - begin);
}

void AppStore::addProfile(const QString &name, const QString &avatar)
{
    Profile profile;
    profile.id = QUuid::createUuid();
    profile.name = name;
    profile.avatar = avatar;
    profile.createdAt = m_clock.now();

    AppData next = m_data;
    next.profiles.append(profile);
    setData(next);

    next = m_data;
    next.currentProfileID = profile.id;
    setData(std::move(next));
}

void AppStore::deleteProfile(QUuid id)
{
    AppData next = m_data;
    next.profiles.removeIf([&](const Profile &p) { return p.id == id; });
    setData(std::move(next));

    if (m_data.currentProfileID == id) {
        next = m_data;
        next.currentProfileID.reset();
        setData(std::move(next));
    }
}

void AppStore::deleteProfile(const QString &id)
{
    deleteProfile(QUuid::fromString(id));
}

void AppStore::toggleVoice()
{
    AppData next = m_data;
    next.settings.voiceEnabled = !next.settings.voiceEnabled;
    setData(std::move(next));
}

QStringList AppStore::languages()
{
    return {QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("fr"),
            QStringLiteral("es")};
}

QString AppStore::language() const
{
    // A language only a later version speaks reads as no choice at all; the file keeps it.
    const std::optional<QString> &chosen = m_data.settings.language;
    return chosen && languages().contains(*chosen) ? *chosen : m_desktopLanguage;
}

void AppStore::setLanguageSwitch(const QString &desktopLanguage,
                                 std::function<void(const QString &)> apply)
{
    m_desktopLanguage = languages().contains(desktopLanguage) ? desktopLanguage
                                                              : QStringLiteral("en");
    m_applyLanguage = std::move(apply);
}

void AppStore::chooseLanguage(const QString &language)
{
    if (!languages().contains(language) || m_data.settings.language == language)
        return;
    const bool changes = language != this->language();
    if (changes && m_applyLanguage)
        m_applyLanguage(language);
    AppData next = m_data;
    next.settings.language = language;
    setData(std::move(next));
}

void AppStore::toggleSound()
{
    AppData next = m_data;
    next.settings.soundEnabled = !next.settings.soundEnabled;
    setData(std::move(next));
}

bool AppStore::setKeyboardLayout(const QString &name)
{
    const auto layout = LayoutName::parse(name);
    if (!layout)
        return false;
    if (*layout != m_data.settings.keyboardLayout) {
        AppData next = m_data;
        next.settings.keyboardLayout = *layout;
        setData(std::move(next));
    }
    return true;
}

void AppStore::chooseProfile(const QString &id)
{
    const QUuid uuid = QUuid::fromString(id);
    const bool known = std::any_of(m_data.profiles.cbegin(), m_data.profiles.cend(),
                                   [&](const Profile &p) { return p.id == uuid; });
    if (!known)
        return;
    AppData next = m_data;
    next.currentProfileID = uuid;
    setData(std::move(next));
}

void AppStore::switchPlayer()
{
    AppData next = m_data;
    next.currentProfileID.reset();
    setData(std::move(next));
}

void AppStore::updateCurrent(const std::function<void(Profile &)> &change)
{
    const Profile *current = currentProfile();
    if (!current)
        return;
    AppData next = m_data;
    change(next.profiles[current - m_data.profiles.constData()]);
    setData(std::move(next));
}

QList<Badge> AppStore::recordLesson(const Lesson &lesson, int stars, double wpm, double accuracy,
                                    int correctKeys, const AttemptDetails &details)
{
    const LessonResult candidate{std::clamp(stars, 0, 3), std::max(finiteOrZero(wpm), 0.0),
                                 std::clamp(finiteOrZero(accuracy), 0.0, 100.0), m_clock.now()};
    QList<Badge> earned;
    updateCurrent([&](Profile &profile) {
        touchStreak(profile);
        addCorrectKeys(profile, correctKeys);
        const auto stored = profile.lessonResults.constFind(lesson.id);
        // The best attempt by stars, then speed; a tie keeps the older one.
        if (stored == profile.lessonResults.cend() || candidate.stars > stored->stars ||
            (candidate.stars == stored->stars && candidate.wpm > stored->wpm))
            profile.lessonResults.insert(lesson.id, candidate);
        addToHistory(profile, lesson.id, candidate, details);
        earned = BadgeEngine::award(profile, m_clock);
    });
    return earned;
}

QList<Badge> AppStore::recordGame(GameKind kind, int score, std::optional<double> wpm,
                                  int correctKeys, const AttemptDetails &details)
{
    if (wpm && !std::isfinite(*wpm))
        wpm.reset();
    const GameScore game{QUuid::createUuid(), kind, score, wpm, m_clock.now()};
    QList<Badge> earned;
    updateCurrent([&](Profile &profile) {
        touchStreak(profile);
        addCorrectKeys(profile, correctKeys);
        profile.gameScores.append(game);
        // Stable, so among equal scores the newest is last and the first to go.
        std::stable_sort(profile.gameScores.begin(), profile.gameScores.end(),
                         [](const GameScore &a, const GameScore &b) { return a.score > b.score; });
        if (profile.gameScores.size() > maxGameScores)
            profile.gameScores.resize(maxGameScores);
        PracticeEntry entry;
        entry.date = game.date;
        entry.game = kind;
        entry.score = score;
        entry.seconds = std::max(finiteOrZero(details.seconds), 0.0);
        History::append(profile.history, std::move(entry));
        History::merge(profile.keyStats, details.keyStats);
        earned = BadgeEngine::award(profile, m_clock);
    });
    return earned;
}

QList<Badge> AppStore::recordTrickyPractice(int stars, double wpm, double accuracy, int correctKeys,
                                            const AttemptDetails &details)
{
    return recordPractice(History::trickyLessonId, stars, wpm, accuracy, correctKeys, details);
}

QList<Badge> AppStore::recordTextPractice(int stars, double wpm, double accuracy, int correctKeys,
                                          const AttemptDetails &details)
{
    return recordPractice(History::homeTextLessonId, stars, wpm, accuracy, correctKeys, details);
}

QList<Badge> AppStore::recordPractice(QLatin1StringView lessonId, int stars, double wpm,
                                      double accuracy, int correctKeys,
                                      const AttemptDetails &details)
{
    const LessonResult attempt{std::clamp(stars, 0, 3), std::max(finiteOrZero(wpm), 0.0),
                               std::clamp(finiteOrZero(accuracy), 0.0, 100.0), m_clock.now()};
    QList<Badge> earned;
    updateCurrent([&](Profile &profile) {
        touchStreak(profile);
        addCorrectKeys(profile, correctKeys);
        addToHistory(profile, lessonId, attempt, details);
        earned = BadgeEngine::award(profile, m_clock);
    });
    return earned;
}

void AppStore::updateProfile(QUuid profileId, const std::function<void(Profile &)> &change)
{
    const auto it = std::find_if(m_data.profiles.cbegin(), m_data.profiles.cend(),
                                 [&](const Profile &p) { return p.id == profileId; });
    if (it == m_data.profiles.cend())
        return;
    AppData next = m_data;
    change(next.profiles[it - m_data.profiles.cbegin()]);
    setData(std::move(next));
}

QUuid AppStore::addPracticeText(QUuid profileId, const QString &text)
{
    if (text.isEmpty() || text.size() > PracticeTexts::maxChars)
        return {};
    const auto it = std::find_if(m_data.profiles.cbegin(), m_data.profiles.cend(),
                                 [&](const Profile &p) { return p.id == profileId; });
    if (it == m_data.profiles.cend() || it->practiceTexts.size() >= PracticeTexts::maxTexts)
        return {};
    const PracticeText added{QUuid::createUuid(), text, m_clock.now()};
    updateProfile(profileId, [&](Profile &profile) { profile.practiceTexts.append(added); });
    return added.id;
}

void AppStore::removePracticeText(QUuid profileId, QUuid textId)
{
    const auto it = std::find_if(m_data.profiles.cbegin(), m_data.profiles.cend(),
                                 [&](const Profile &p) { return p.id == profileId; });
    if (it == m_data.profiles.cend() ||
        std::none_of(it->practiceTexts.cbegin(), it->practiceTexts.cend(),
                     [&](const PracticeText &t) { return t.id == textId; }))
        return;
    updateProfile(profileId, [&](Profile &profile) {
        profile.practiceTexts.removeIf([&](const PracticeText &t) { return t.id == textId; });
    });
}

void AppStore::setComfort(QUuid profileId, const Comfort &comfort)
{
    const auto it = std::find_if(m_data.profiles.cbegin(), m_data.profiles.cend(),
                                 [&](const Profile &p) { return p.id == profileId; });
    if (it == m_data.profiles.cend() || it->comfort == comfort)
        return;
    updateProfile(profileId, [&](Profile &profile) { profile.comfort = comfort; });
}

SpokenHelp AppStore::spokenHelpOf(const QString &profileId) const
{
    const QUuid id(profileId);
    for (const Profile &profile : m_data.profiles) {
        if (profile.id == id && !id.isNull())
            return profile.spokenHelp;
    }
    return {};
}

void AppStore::setSayNames(const QString &profileId, bool on)
{
    setSpokenHelp(profileId, &SpokenHelp::sayNames, on);
}

void AppStore::setSayNextKey(const QString &profileId, bool on)
{
    setSpokenHelp(profileId, &SpokenHelp::sayNextKey, on);
}

void AppStore::setSpokenHelp(const QString &profileId, bool SpokenHelp::*flag, bool on)
{
    if (spokenHelpOf(profileId).*flag == on)
        return;
    updateProfile(QUuid(profileId), [&](Profile &profile) { profile.spokenHelp.*flag = on; });
}

void AppStore::addToHistory(Profile &profile, const QString &lessonId, const LessonResult &result,
                            const AttemptDetails &details)
{
    PracticeEntry entry;
    entry.date = result.date;
    entry.lessonId = lessonId;
    entry.wpm = result.wpm;
    entry.accuracy = result.accuracy;
    entry.stars = result.stars;
    entry.keys = std::max<qint64>(details.keys, 0);
    entry.seconds = std::max(finiteOrZero(details.seconds), 0.0);
    History::append(profile.history, std::move(entry));
    History::merge(profile.keyStats, details.keyStats);
}

void AppStore::touchStreak(Profile &profile) const
{
    const Timestamp now = m_clock.now();
    if (!profile.lastActiveDay) {
        profile.streak = 1;
    } else {
        // Calendar days in the user's zone, so a lesson just before and one just after local
        // midnight are on consecutive days whatever the UTC date.
        const QDate today = now.localDate();
        const QDate lastDay = profile.lastActiveDay->localDate();
        if (lastDay != today) {
            // An invalid date gives 0 here and so restarts the streak, as a clock set back does.
            if (lastDay.daysTo(today) != 1)
                profile.streak = 1;
            else if (profile.streak < std::numeric_limits<qint64>::max())
                ++profile.streak;
        }
    }
    profile.lastActiveDay = now;
}

void AppStore::addCorrectKeys(Profile &profile, int correctKeys) const
{
    // Saturates: the total comes from the file and may hold anything.
    if (correctKeys > 0 &&
        qAddOverflow(profile.totalCorrectKeys, qint64(correctKeys), &profile.totalCorrectKeys))
        profile.totalCorrectKeys = std::numeric_limits<qint64>::max();
}

} // namespace tapalong
