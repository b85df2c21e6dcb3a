// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "rocketracemodel.h"

#include "announcer.h"
#include "curriculum.h"
#include "wordbank.h"

#include <QCoreApplication>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tapalong {

namespace {

struct PassageLength {
    int minimum;
    int maximum;
    int target;
};

constexpr int candidateCount = 24; // after the first
constexpr int windowBehind = 12;
constexpr int windowAhead = 32;

int placeBonus(int place)
{
    switch (place) {
    case 1:
        return 200;
    case 2:
        return 100;
    case 3:
        return 50;
    default:
        return 0;
    }
}

} // namespace

RivalList::RivalList(QObject *parent) : QAbstractListModel(parent) {}

int RivalList::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count;
}

QVariant RivalList::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const std::size_t row = std::size_t(index.row());
    switch (role) {
    case RivalNameRole:
        return QCoreApplication::translate("RocketRace",
                                           QString::fromUtf16(bots[row].name).toUtf8().constData());
    case RivalEmojiRole:
        return QString::fromUtf16(bots[row].emoji);
    case ProgressRole:
        return m_progress[row];
    case FinishedPlaceRole:
        return m_place[row].value_or(0);
    default:
        return {};
    }
}

QHash<int, QByteArray> RivalList::roleNames() const
{
    return {{RivalNameRole, "rivalName"},
            {RivalEmojiRole, "rivalEmoji"},
            {ProgressRole, "progress"},
            {FinishedPlaceRole, "finishedPlace"}};
}

int RivalList::finishedCount() const
{
    return int(std::count_if(m_place.cbegin(), m_place.cend(),
                             [](const std::optional<int> &place) { return place.has_value(); }));
}

void RivalList::advance(double elapsed, qsizetype passageLength)
{
    static const QList<int> progressRoles{ProgressRole};
    static const QList<int> placeRoles{FinishedPlaceRole};
    int firstMoved = count;
    int lastMoved = -1;
    // In list order, so that rivals crossing the line in one tick are placed in list order.
    for (int i = 0; i < count; ++i) {
        const std::size_t row = std::size_t(i);
        const double progress = std::clamp(elapsed / 60.0 * bots[row].wpm * 5.0 /
                                               double(std::max<qsizetype>(passageLength, 1)),
                                           0.0, 1.0);
        if (progress != m_progress[row]) {
            m_progress[row] = progress;
            firstMoved = std::min(firstMoved, i);
            lastMoved = i;
        }
        if (progress >= 1 && !m_place[row]) {
            m_place[row] = finishedCount() + 1;
            emit dataChanged(index(i), index(i), placeRoles);
        }
    }
    if (lastMoved >= 0)
        emit dataChanged(index(firstMoved), index(lastMoved), progressRoles);
}

void RivalList::reset()
{
    const bool atStart = std::all_of(m_progress.cbegin(), m_progress.cend(),
                                     [](double progress) { return progress == 0; }) &&
                         finishedCount() == 0;
    if (atStart)
        return;
    m_progress.fill(0);
    m_place.fill(std::nullopt);
    emit dataChanged(index(0), index(count - 1), {ProgressRole, FinishedPlaceRole});
}

RocketRaceModel::RocketRaceModel(QObject *parent)
    : RocketRaceModel(*QRandomGenerator::global(), parent)
{
}

RocketRaceModel::RocketRaceModel(QRandomGenerator &rng, QObject *parent)
    : GameModel(rng, parent), m_rivals(this)
{
}

QString RocketRaceModel::buildPassage(QRandomGenerator &rng, int phrases, const QStringList &list)
{
    if (phrases < 1 || list.size() < phrases)
        return QString::fromUtf16(fallbackPassage);
    const PassageLength length =
        phrases <= 2 ? PassageLength{55, 95, 75} : PassageLength{90, 140, 115};
    QStringList deck = list;
    // Only the first entries are used, so only they are shuffled (Fisher–Yates, cut short).
    const auto candidate = [&] {
        for (int i = 0; i < phrases; ++i)
            deck.swapItemsAt(i, i + int(rng.bounded(int(deck.size()) - i)));
        return deck.first(phrases).join(u' ');
    };
    const auto distance = [&length](const QString &passage) {
        return std::abs(int(passage.size()) - length.target);
    };

    QString best = candidate();
    for (int i = 0; i < candidateCount; ++i) {
        QString next = candidate();
        if (next.size() >= length.minimum && next.size() <= length.maximum)
            return next;
        // Strictly closer: on a tie the earlier one stays.
        if (distance(next) < distance(best))
            best = std::move(next);
    }
    return best;
}

void RocketRaceModel::start()
{
    const Course &course = Curriculum::active();
    setPassage(buildPassage(rng(), m_shortRace ? 2 : 3,
                            m_phrases ? *m_phrases
                                      : WordBank::phrases(course.language(), course.keyboard())));
    setTypedCount(0);
    setWrongCount(0);
    setCorrectKeys(0);
    clearKeyStats();
    setRaceStarted(false);
    setElapsed(0);
    setScore(0);
    setPlace(0);
    m_rivals.reset();
    refreshFigures();
    setState(State::Playing);
}

void RocketRaceModel::tick(double dt)
{
    // The clock and the rivals wait for the first correct letter.
    if (!isPlaying() || !m_raceStarted)
        return;
    setElapsed(m_elapsed + dt);
    m_rivals.advance(m_elapsed * pace(), m_passage.size());
    refreshFigures();
}

void RocketRaceModel::handle(QChar ch)
{
    if (!isPlaying())
        return;
    const QChar typed = ch.toLower();
    if (!typed.isLetter() && typed != u' ')
        return;
    if (m_typedCount >= m_passage.size())
        return;
    // Case never matters in the race: German passages keep their nouns' capitals as a child
    // reads them, and Shift or Caps Lock must neither be needed nor count as a mistake.
    const QChar expected = m_passage.at(m_typedCount).toLower();
    countKey(expected, typed);
    if (typed != expected) {
        // Counted before the start too, without starting the race.
        setWrongCount(m_wrongCount + 1);
        Announcer::instance().announce(Announcer::Event::wrongKey);
        refreshFigures();
        return;
    }
    setRaceStarted(true);
    setCorrectKeys(correctKeys() + 1);
    setTypedCount(m_typedCount + 1);
    refreshFigures();
    if (m_typedCount == m_passage.size())
        finishPlayer();
}

void RocketRaceModel::setUpBonus(const BonusSetup &)
{
    setShortRace(true);
}

void RocketRaceModel::setShortRace(bool shortRace)
{
    if (m_shortRace == shortRace)
        return;
    m_shortRace = shortRace;
    emit shortRaceChanged();
}

double RocketRaceModel::progress() const
{
    if (m_passage.isEmpty())
        return 0;
    return std::min(double(m_typedCount) / double(m_passage.size()), 1.0);
}

double RocketRaceModel::wpm() const
{
    const double minutes = m_elapsed / 60.0;
    if (minutes <= 0 || correctKeys() < 1)
        return 0;
    return correctKeys() / 5.0 / minutes;
}

int RocketRaceModel::roundedWpm() const
{
    // Halves away from zero; the slack keeps the clock's drift from deciding a half.
    return int(std::round(wpm() + clockSlack));
}

int RocketRaceModel::shownWpm() const
{
    if (isOver() || correctKeys() < 1 || m_elapsed <= 0)
        return roundedWpm();
    const double minutes = std::max(m_elapsed, 1.0) / 60.0;
    return int(std::round(correctKeys() / 5.0 / minutes + clockSlack));
}

int RocketRaceModel::accuracy() const
{
    const int counted = correctKeys() + m_wrongCount;
    if (counted == 0)
        return 100;
    return int(std::round(100.0 * correctKeys() / counted));
}

int RocketRaceModel::windowStart() const
{
    return std::max(m_typedCount - windowBehind, 0);
}

int RocketRaceModel::windowSize()
{
    return windowBehind + windowAhead;
}

QString RocketRaceModel::windowText() const
{
    const int first = windowStart();
    const int end = std::min(m_typedCount + windowAhead, int(m_passage.size()));
    return m_passage.mid(first, std::max(end - first, 0));
}

void RocketRaceModel::finishPlayer()
{
    int finished = 0;
    for (int i = 0; i < RivalList::count; ++i) {
        if (m_rivals.progress(i) >= 1)
            ++finished;
    }
    const int place = finished + 1;
    setPlace(place);
    setScore(roundedWpm() * 10 + placeBonus(place));
    setState(State::Over);
    refreshFigures(); // the card shows the exact speed the score was made from
}

void RocketRaceModel::setPassage(const QString &passage)
{
    if (m_passage == passage)
        return;
    m_passage = passage;
    emit passageChanged();
    emit typedCountChanged(); // the window and the progress follow the passage too
}

void RocketRaceModel::setTypedCount(int typedCount)
{
    if (m_typedCount == typedCount)
        return;
    m_typedCount = typedCount;
    emit typedCountChanged();
}

void RocketRaceModel::setWrongCount(int wrongCount)
{
    if (m_wrongCount == wrongCount)
        return;
    m_wrongCount = wrongCount;
    emit wrongCountChanged();
}

void RocketRaceModel::setRaceStarted(bool raceStarted)
{
    if (m_raceStarted == raceStarted)
        return;
    m_raceStarted = raceStarted;
    emit raceStartedChanged();
}

void RocketRaceModel::setElapsed(double elapsed)
{
    if (m_elapsed == elapsed)
        return;
    m_elapsed = elapsed;
    emit elapsedChanged();
}

void RocketRaceModel::setPlace(int place)
{
    if (m_place == place)
        return;
    m_place = place;
    emit placeChanged();
}

void RocketRaceModel::refreshFigures()
{
    const int wpm = shownWpm();
    if (wpm != m_shownWpm) {
        m_shownWpm = wpm;
        emit wpmChanged();
    }
    const int shownAccuracy = accuracy();
    if (shownAccuracy != m_shownAccuracy) {
        m_shownAccuracy = shownAccuracy;
        emit accuracyChanged();
    }
}

} // namespace tapalong
