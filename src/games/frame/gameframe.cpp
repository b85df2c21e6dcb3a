// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "gameframe.h"

#include "announcer.h"
#include "appstore.h"
#include "curriculum.h"

#include <QQmlEngine>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace tapalong {

GameFrame::GameFrame(QObject *parent) : QObject(parent), m_monitor(this), m_ticker(this)
{
    // The next lesson and the bonus round's headline follow the set-up.
    connect(this, &GameFrame::setupChanged, this, &GameFrame::overCardChanged);
    // The model steps once the animations of this tick have moved, right after it: stepped in
    // the middle of it, the model would restart each Behavior that follows it (a rival's
    // rocket) before that animation had moved, and it would never move while the game ran.
    // The frame comes a few ms later and shows both.
    m_ticker.onFrame = [this](int ms) {
        QMetaObject::invokeMethod(
            this,
            [this, ms, run = m_runs] {
                // Not for a run that has ended (a pause) since.
                if (run == m_runs)
                    onFrame(ms);
            },
            Qt::QueuedConnection);
    };
}

GameFrame::GameFrame(AppStore *store, GameModel *model, std::optional<BonusSetup> bonus,
                     QObject *parent)
    : GameFrame(parent)
{
    setStore(store);
    setModel(model);
    setBonus(std::move(bonus));
    setUp();
}

GameFrame::~GameFrame() = default;

void GameFrame::componentComplete()
{
    // The very object QML's AppStore singleton is.
    if (!m_store) {
        if (QQmlEngine *engine = qmlEngine(this))
            setStore(AppStore::create(engine, engine));
    }
    setUp();
}

void GameFrame::setUp()
{
    if (m_setUp)
        return;
    m_setUp = true;
    if (m_model) {
        if (m_bonus) {
            m_model->setUpBonus(*m_bonus);
        } else {
            const Profile *profile = m_store ? m_store->currentProfile() : nullptr;
            m_model->setUpFreePlay(profile ? Curriculum::learnedKeys(*profile) : QString());
        }
    }
    m_monitor.start([this](const KeyInput &key) { return handleKey(key); });
}

bool GameFrame::handleKey(const KeyInput &key)
{
    if (!m_model || m_leaving)
        return true;
    using State = GameModel::State;
    const State state = m_model->state();

    if (key.keyCode == KeyInput::escape) {
        switch (state) {
        case State::Playing:
            m_model->pause();
            break;
        case State::Paused:
            m_model->resume();
            break;
        case State::Ready:
        case State::Over:
            exit();
            break;
        }
        return true;
    }

    // Tab and Shift+Tab walk the buttons of the card on screen; out of play they type nothing.
    // A paused card's buttons also take Return and Space, which have no other meaning there.
    // On the start and game-over cards Space starts a game, as they say; Return does too until
    // the child has walked to a button, which it then presses: Return on "Next" must not start
    // the game again.
    const bool walksCard = key.keyCode == KeyInput::keyCodeFor(Qt::Key_Tab) ||
                           key.keyCode == KeyInput::keyCodeFor(Qt::Key_Backtab);
    if (state != State::Playing && walksCard) {
        m_walkedCard = state;
        return false;
    }
    if (state == State::Paused && (key.ch == u" " || key.keyCode == KeyInput::returnKey))
        return false;
    if (key.keyCode == KeyInput::returnKey && state != State::Playing && m_walkedCard == state)
        return false;

    switch (state) {
    case State::Ready:
    case State::Over:
        // Not filtered for repeats: the repeats of a held space then reach a playing game,
        // which drops them.
        if (key.ch == u" " || key.keyCode == KeyInput::returnKey)
            startGame();
        break;
    case State::Playing:
        // A grapheme of more than one UTF-16 unit is no key of any game.
        if (key.isRepeat || key.ch.size() != 1)
            break;
        if (m_model->accepts(key.ch.at(0)))
            m_model->handle(key.ch.at(0));
        break;
    case State::Paused:
        break;
    }
    return true;
}

void GameFrame::step()
{
    if (m_model) {
        m_model->tick(tickSeconds);
        m_playedSeconds += tickSeconds;
    }
}

void GameFrame::finish()
{
    if (!m_model || !m_model->isOver() || m_recorded)
        return;
    setRecorded(true);
    QList<Badge> earned;
    if (m_store) {
        earned =
            m_store->recordGame(m_model->kind(), m_model->score(), m_model->recordedWpm(),
                                m_model->correctKeys(), {m_playedSeconds, 0, m_model->keyStats()});
    }
    const bool anyEarned = !earned.isEmpty();
    setNewBadges(std::move(earned));
    Announcer::instance().announce(anyEarned ? Announcer::Event::badgesEarned
                                             : Announcer::Event::gameRecorded);
    refreshResult();
    Announcer::instance().tell(resultsNews());
}

QString GameFrame::resultsNews() const
{
    QString news = tr("Game over! You scored %1.").arg(m_model ? m_model->score() : 0);
    if (m_isNewHighScore)
        news += u' ' + tr("A new high score!");
    if (!m_newBadges.isEmpty())
        news += u' ' + BadgeEngine::news(m_newBadges);
    return news;
}

void GameFrame::startGame()
{
    if (!m_model || m_leaving || !(m_model->isReady() || m_model->isOver()))
        return;
    setRecorded(false);
    setNewBadges({});
    m_playedSeconds = 0;
    m_walkedCard.reset();
    m_model->start();
}

void GameFrame::resumeGame()
{
    if (m_model && !m_leaving)
        m_model->resume();
}

void GameFrame::exit()
{
    leave();
    emit exitRequested();
}

void GameFrame::openNextLesson()
{
    const std::optional<Lesson> next = nextLesson();
    if (!next)
        return;
    leave();
    emit openLessonRequested(next->id);
}

QString GameFrame::keysLabel(const QString &keys)
{
    QStringList labels;
    labels.reserve(keys.size());
    for (QChar key : keys)
        labels.append(QString(key).toUpper());
    return labels.join(u' ');
}

void GameFrame::setModel(GameModel *model)
{
    if (m_model == model)
        return;
    if (m_model)
        disconnect(m_model, nullptr, this, nullptr);
    m_model = model;
    if (m_model) {
        connect(m_model, &GameModel::stateChanged, this, &GameFrame::onStateChanged);
        connect(m_model, &GameModel::scoreChanged, this, &GameFrame::refreshResult);
        connect(m_model, &GameModel::poolChanged, this, &GameFrame::startCardChanged);
        connect(m_model, &GameModel::focusChanged, this, &GameFrame::startCardChanged);
    }
    emit modelChanged();
    emit setupChanged();
    emit startCardChanged();
    // Only a game that ends while this frame watches is recorded.
    updateTimer();
    refreshResult();
}

void GameFrame::setStore(AppStore *store)
{
    if (m_store == store)
        return;
    if (m_store)
        disconnect(m_store, nullptr, this, nullptr);
    m_store = store;
    if (m_store)
        connect(m_store, &AppStore::dataChanged, this, &GameFrame::refreshResult);
    emit storeChanged();
    refreshResult();
}

void GameFrame::setBonus(std::optional<BonusSetup> bonus)
{
    if (m_bonus == bonus)
        return;
    m_bonus = std::move(bonus);
    if (m_bonus)
        m_bonusDuration = m_bonus->duration;
    emit setupChanged();
    emit startCardChanged();
    refreshResult();
}

QString GameFrame::bonusLessonId() const
{
    return m_bonus ? m_bonus->lesson.id : QString();
}

void GameFrame::setBonusLessonId(const QString &lessonId)
{
    const std::optional<Lesson> lesson = Curriculum::lessonById(lessonId);
    setBonus(lesson ? std::optional(BonusSetup{*lesson, m_bonusDuration}) : std::nullopt);
}

void GameFrame::setBonusDuration(double seconds)
{
    if (m_bonusDuration == seconds)
        return;
    m_bonusDuration = seconds;
    if (m_bonus)
        m_bonus->duration = seconds;
    emit setupChanged();
}

void GameFrame::setGameOverWords(const QString &words)
{
    if (m_gameOverWords == words)
        return;
    m_gameOverWords = words;
    emit overCardChanged();
}

int GameFrame::bonusSeconds() const
{
    if (!m_bonus || !std::isfinite(m_bonus->duration))
        return 0;
    // Truncated, as the start card says it.
    return int(std::clamp(m_bonus->duration, 0.0, double(std::numeric_limits<int>::max())));
}

std::optional<Lesson> GameFrame::nextLesson() const
{
    return m_bonus ? Curriculum::lessonAfter(m_bonus->lesson) : std::nullopt;
}

QString GameFrame::nextLessonId() const
{
    const std::optional<Lesson> next = nextLesson();
    return next ? next->id : QString();
}

QString GameFrame::nextLessonTitle() const
{
    const std::optional<Lesson> next = nextLesson();
    return next ? next->title : QString();
}

QString GameFrame::gameTitle() const
{
    return m_model ? title(m_model->kind()) : QString();
}

QString GameFrame::gameEmoji() const
{
    return m_model ? emoji(m_model->kind()) : QString();
}

QString GameFrame::barTitle() const
{
    if (isBonus())
        return tr("🎁 Bonus Round · %1").arg(gameTitle());
    return gameEmoji() + u' ' + gameTitle();
}

QString GameFrame::startEmoji() const
{
    return isBonus() ? QStringLiteral("🎁") : gameEmoji();
}

QString GameFrame::startTitle() const
{
    return isBonus() ? tr("Bonus Round!") : gameTitle();
}

QString GameFrame::poolLabel() const
{
    const QString pool = m_model ? m_model->pool() : QString();
    return pool.size() < allLettersFrom ? keysLabel(pool) : tr("all your letters!");
}

QString GameFrame::focusLabel() const
{
    return m_model ? keysLabel(m_model->focus()) : QString();
}

bool GameFrame::showsFocus() const
{
    return isBonus() && m_model && !m_model->focus().isEmpty();
}

GameStartCard GameFrame::startCard() const
{
    return {startEmoji(), startTitle(), poolLabel(), showsFocus() ? focusLabel() : QString()};
}

GameOverCard GameFrame::overCard() const
{
    return {headline(), bestNumber(), m_isNewHighScore, m_newBadges, nextLessonTitle()};
}

QString GameFrame::headline() const
{
    if (m_isNewHighScore)
        return tr("🏆 NEW HIGH SCORE!");
    if (isBonus())
        return tr("🎁 Bonus round done!");
    return m_gameOverWords;
}

void GameFrame::onStateChanged()
{
    updateTimer();
    if (m_model && m_model->isOver())
        finish();
    refreshResult();
}

void GameFrame::updateTimer()
{
    // Nothing moves outside play, so the timer sleeps there.
    const bool run = m_model && m_model->isPlaying() && !m_leaving;
    if (run == m_clockRunning)
        return;
    m_clockRunning = run;
    if (run) {
        ++m_runs;
        m_schedule.restart();
        m_lastFrameMs = 0;
        m_ticker.start();
    } else {
        m_ticker.stop();
    }
}

void GameFrame::onFrame(int ms)
{
    // Starting reports time 0 at once, outside any frame.
    if (ms <= m_lastFrameMs)
        return;
    m_lastFrameMs = ms;
    // A tick may end the game, and with it the run.
    for (int ticks = m_schedule.frame(ms); ticks > 0 && m_clockRunning; --ticks)
        step();
}

void GameFrame::refreshResult()
{
    const Profile *profile = m_store ? m_store->currentProfile() : nullptr;
    const qint64 recordedBest = profile && m_model ? profile->bestScore(m_model->kind()) : 0;
    const bool over = m_model && m_model->isOver();
    // The game just played is already recorded, so a tie with the best is this game.
    const bool isNewHighScore = over && m_model->score() > 0 && m_model->score() >= recordedBest;
    // The household keeps one list of its best games of every kind, which may have had no room
    // for this one; the card still never shows a best below the score just played.
    const qint64 best = over ? std::max(recordedBest, qint64(m_model->score())) : recordedBest;
    if (best == m_best && isNewHighScore == m_isNewHighScore)
        return;
    m_best = best;
    m_isNewHighScore = isNewHighScore;
    emit overCardChanged();
}

void GameFrame::setRecorded(bool recorded)
{
    if (m_recorded == recorded)
        return;
    m_recorded = recorded;
    emit recordedChanged();
}

void GameFrame::setNewBadges(QList<Badge> badges)
{
    if (m_newBadges == badges)
        return;
    m_newBadges = std::move(badges);
    emit overCardChanged();
}

void GameFrame::leave()
{
    m_leaving = true;
    m_monitor.stop();
    updateTimer();
    if (m_model)
        m_model->silence();
}

} // namespace tapalong
