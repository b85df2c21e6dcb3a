// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "wordmeteorsmodel.h"

#include "announcer.h"
#include "curriculum.h"
#include "wordbank.h"

#include <QRandomGenerator>

#include <algorithm>

namespace tapalong {

namespace {

// At most six meteors share the sky.
constexpr std::size_t meteorCapacity = 16;

} // namespace

MeteorList::MeteorList(QObject *parent) : MovingList(PosYRole, meteorCapacity, parent) {}

QVariant MeteorList::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const Meteor &meteor = at(std::size_t(index.row()));
    switch (role) {
    case MeteorIdRole:
        return meteor.id;
    case WordRole:
        return meteor.word;
    case TypedRole:
        return meteor.typed;
    case PosXRole:
        return meteor.x;
    case PosYRole:
        return meteor.y;
    case IsTargetRole:
        return m_targetId == meteor.id;
    default:
        return {};
    }
}

QHash<int, QByteArray> MeteorList::roleNames() const
{
    return {{MeteorIdRole, "meteorId"}, {WordRole, "word"}, {TypedRole, "typed"},
            {PosXRole, "posX"},         {PosYRole, "posY"}, {IsTargetRole, "isTarget"}};
}

std::optional<std::size_t> MeteorList::rowOf(int id) const
{
    const auto found = std::find_if(items().cbegin(), items().cend(),
                                    [id](const Meteor &meteor) { return meteor.id == id; });
    if (found == items().cend())
        return std::nullopt;
    return std::size_t(found - items().cbegin());
}

void MeteorList::setTyped(std::size_t row, int typed)
{
    if (itemAt(row).typed == typed)
        return;
    itemAt(row).typed = typed;
    static const QList<int> roles{TypedRole};
    announce(row, roles);
}

void MeteorList::setTargetId(std::optional<int> id)
{
    if (m_targetId == id)
        return;
    const std::optional<int> before = m_targetId;
    m_targetId = id;
    static const QList<int> roles{IsTargetRole};
    for (const std::optional<int> &changed : {before, id}) {
        if (!changed)
            continue;
        if (const std::optional<std::size_t> row = rowOf(*changed))
            announce(*row, roles);
    }
}

WordMeteorsModel::WordMeteorsModel(QObject *parent)
    : WordMeteorsModel(*QRandomGenerator::global(), parent)
{
}

WordMeteorsModel::WordMeteorsModel(QRandomGenerator &rng, QObject *parent)
    : GameModel(rng, parent), m_meteors(this)
{
    setHearts(startHearts);
}

void WordMeteorsModel::start()
{
    m_meteors.setTargetId(std::nullopt);
    m_meteors.clear();
    setScore(0);
    setCombo(0);
    setHearts(startHearts);
    setCorrectKeys(0);
    m_elapsed = 0;
    m_sinceSpawn = 10;
    setTimeLeft(timeLimit());
    if (m_candidates.isEmpty())
        rebuildCandidates();
    setState(State::Playing);
}

void WordMeteorsModel::tick(double dt)
{
    if (!isPlaying())
        return;
    m_elapsed += dt;
    m_sinceSpawn += dt * pace();
    if (runOutOfTime(m_elapsed))
        return;

    const int mostMeteors = 2 + int(std::min(m_elapsed / 22.0, 4.0));
    const double spawnInterval = std::max(2.8 - 0.02 * m_elapsed, 1.1);
    // A full sky keeps the clock running, so the next meteor comes as soon as there is room.
    if (m_sinceSpawn >= spawnInterval && int(m_meteors.size()) < mostMeteors) {
        m_sinceSpawn = 0;
        spawn();
    }

    m_meteors.advance(dt * pace());
    const auto grounded = [](const Meteor &meteor) {
        return meteor.y >= 1.0;
    };
    if (std::none_of(m_meteors.items().cbegin(), m_meteors.items().cend(), grounded))
        return;
    if (const std::optional<int> target = targetId()) {
        const std::optional<std::size_t> row = m_meteors.rowOf(*target);
        if (row && grounded(m_meteors.at(*row)))
            m_meteors.setTargetId(std::nullopt);
    }
    const int landed = m_meteors.removeIf(grounded);
    setCombo(0);
    Announcer::instance().announce(Announcer::Event::targetsLost); // once, however many landed
    const int heartsLeft = hearts() - landed;
    if (heartsLeft >= 1) {
        setHearts(heartsLeft);
        return;
    }
    setHearts(0);
    setState(State::Over);
}

void WordMeteorsModel::handle(QChar ch)
{
    if (!isPlaying())
        return;
    const QChar typed = ch.toLower();

    const std::optional<int> target = targetId();
    const std::optional<std::size_t> targetRow = target ? m_meteors.rowOf(*target) : std::nullopt;
    if (targetRow) {
        const Meteor &meteor = m_meteors.at(*targetRow);
        if (meteor.typed < meteor.word.size() && meteor.word.at(meteor.typed) == typed) {
            const int typedNow = meteor.typed + 1;
            m_meteors.setTyped(*targetRow, typedNow);
            if (typedNow == m_meteors.at(*targetRow).word.size())
                destroyMeteor(int(*targetRow));
            return;
        }
        // The whole word again, on the same meteor.
        m_meteors.setTyped(*targetRow, 0);
        setCombo(0);
        setMisses(misses() + 1);
        Announcer::instance().announce(Announcer::Event::wrongKey);
        return;
    }

    const std::vector<Meteor> &meteors = m_meteors.items();
    std::optional<std::size_t> chosen;
    // Strictly greater, so that of two at one height the older (earlier in the list) wins.
    for (std::size_t i = 0; i < meteors.size(); ++i) {
        if (meteors[i].word.startsWith(typed) && (!chosen || meteors[i].y > meteors[*chosen].y))
            chosen = i;
    }
    if (!chosen) {
        setCombo(0);
        setMisses(misses() + 1);
        Announcer::instance().announce(Announcer::Event::wrongKey);
        return;
    }
    m_meteors.setTyped(*chosen, 1);
    if (meteors[*chosen].word.size() > 1)
        m_meteors.setTargetId(meteors[*chosen].id);
    else
        destroyMeteor(int(*chosen));
}

void WordMeteorsModel::setUpBonus(const BonusSetup &bonus)
{
    GameModel::setUpBonus(bonus);
    rebuildCandidates();
}

void WordMeteorsModel::setUpFreePlay(const QString &learnedKeys)
{
    GameModel::setUpFreePlay(learnedKeys);
    rebuildCandidates();
}

void WordMeteorsModel::rebuildCandidates()
{
    const Course &course = Curriculum::active();
    QStringList words = WordBank::words(pool(), course.language());
    words.removeIf([](const QString &word) { return word.size() < 2 || word.size() > 6; });
    if (words.size() < 15) {
        words = WordBank::lowerCaseWords(course.language(), course.keyboard());
        words.removeIf([](const QString &word) { return word.isEmpty() || word.size() >= 6; });
    }
    m_candidates = words;

    m_focusCandidates.clear();
    const QString keys = focus();
    if (keys.isEmpty())
        return;
    for (const QString &word : std::as_const(m_candidates)) {
        if (std::any_of(keys.cbegin(), keys.cend(), [&](QChar key) { return word.contains(key); }))
            m_focusCandidates.append(word);
    }
}

void WordMeteorsModel::destroyMeteor(int index)
{
    if (index < 0 || std::size_t(index) >= m_meteors.size())
        return;
    const Meteor &meteor = m_meteors.at(std::size_t(index));
    const int length = int(meteor.word.size());
    // The combo as it was before this word.
    setScore(score() + 10 * length + std::min(combo(), 20));
    setCombo(combo() + 1);
    setCorrectKeys(correctKeys() + length);
    if (targetId() == meteor.id)
        m_meteors.setTargetId(std::nullopt);
    m_meteors.removeAt(std::size_t(index));
    Announcer::instance().announce(Announcer::Event::targetCleared);
}

void WordMeteorsModel::launch(const QString &word, double x, double speed, double y)
{
    // Every meteor has a first letter to lock on to.
    if (word.isEmpty())
        return;
    m_meteors.append(Meteor{++m_lastId, word, x, y, speed, 0});
}

void WordMeteorsModel::spawn()
{
    if (m_candidates.isEmpty())
        return;
    // Random draws in a fixed order: the word and its re-picks, x, speed factor.
    const auto taken = [this](const QString &word) {
        return std::any_of(m_meteors.items().cbegin(), m_meteors.items().cend(),
                           [&](const Meteor &meteor) { return meteor.word.at(0) == word.at(0); });
    };
    const QString *word = &pick();
    for (int repick = 0; repick < 10 && taken(*word); ++repick)
        word = &pick();
    const double baseSpeed = std::min(m_elapsed * 0.0015, 0.06) + 0.045;
    const double x = randomReal(0.08, 0.92);
    const double speed = baseSpeed * randomReal(0.85, 1.2);
    launch(*word, x, speed);
}

const QString &WordMeteorsModel::pick() const
{
    if (!m_focusCandidates.isEmpty() && rng().bounded(10) < 6)
        return m_focusCandidates.at(rng().bounded(int(m_focusCandidates.size())));
    return m_candidates.at(rng().bounded(int(m_candidates.size())));
}

} // namespace tapalong
