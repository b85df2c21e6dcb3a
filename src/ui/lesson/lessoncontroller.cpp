// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "lessoncontroller.h"

#include "announcer.h"
#include "appstore.h"
#include "bonusround.h"
#include "history.h"
#include "theme.h"
#include "textcheck.h"
#include "tutorial.h"
#include "trickykeys.h"

#include <cmath>
#include <utility>

namespace tapalong {

namespace {

QString wholeNumber(double value)
{
    return QString::number(std::llround(value));
}

// A lesson measures a speed, which a system clock set back mid-lesson would inflate.
const Clock &lessonClock()
{
    static const SteadyClock clock;
    return clock;
}

} // namespace

LessonController::LessonController(QObject *parent) : LessonController(lessonClock(), parent) {}

LessonController::LessonController(const Clock &clock, QObject *parent)
    : QObject(parent), m_clock(clock), m_tutorial(this), m_monitor(this), m_starsTimer(this)
{
    m_starsTimer.setSingleShot(true);
    m_starsTimer.setInterval(showStarsDelayMs);
    connect(&m_starsTimer, &QTimer::timeout, this, [this] { setShowStars(true); });
    // The drill's first key comes up as the tutorial gives way to it.
    connect(&m_tutorial, &LessonTutorial::indexChanged, this, &LessonController::sayNextKey);
}

LessonController::~LessonController()
{
    // A screen that already went quiet must not cut off the screen that followed it.
    if (m_monitor.isListening())
        Announcer::instance().hush();
}

void LessonController::classBegin()
{
    m_complete = false;
}

void LessonController::componentComplete()
{
    m_complete = true;
    build();
    updateListening();
}

void LessonController::setLessonId(const QString &lessonId)
{
    if (m_lessonId == lessonId)
        return;
    m_lessonId = lessonId;
    if (m_complete) {
        build();
        updateListening();
    }
}

void LessonController::setStore(AppStore *store)
{
    if (m_store == store)
        return;
    m_store = store;
    emit storeChanged();
    // Practice is built from the store's current profile.
    if (m_complete && isPractice()) {
        build();
        updateListening();
    }
}

bool LessonController::isTrickyPractice() const
{
    return m_lessonId == History::trickyLessonId;
}

bool LessonController::isPractice() const
{
    return isTrickyPractice() || TextCheck::textIdOf(m_lessonId).has_value();
}

std::optional<Lesson> LessonController::lessonToPlay() const
{
    if (!isPractice())
        return Curriculum::lessonById(m_lessonId);
    const Profile *profile = m_store ? m_store->currentProfile() : nullptr;
    if (const auto textId = TextCheck::textIdOf(m_lessonId)) {
        if (!profile)
            return std::nullopt;
        for (const PracticeText &text : profile->practiceTexts) {
            if (text.id == *textId) {
                Lesson lesson = TextCheck::lesson(text, m_lessonId, KeyboardLayout::active());
                return lesson.drills.isEmpty() ? std::nullopt : std::optional<Lesson>(lesson);
            }
        }
        return std::nullopt;
    }
    if (!profile || !TrickyKeys::hasTrickyKeys(*profile))
        return std::nullopt;
    return TrickyKeys::drill(*profile, m_clock.now().localDate());
}

void LessonController::setActive(bool active)
{
    if (m_active == active)
        return;
    m_active = active;
    emit activeChanged();
    if (m_complete)
        updateListening();
}

void LessonController::build()
{
    const std::optional<Lesson> lesson = lessonToPlay();
    const std::optional<Lesson> current =
        m_session ? std::optional<Lesson>(m_session->lesson()) : std::nullopt;
    if (lesson == current)
        return;

    m_starsTimer.stop();
    std::unique_ptr<LessonSession> old = std::move(m_session);
    QList<TutorialStep> steps;
    m_nextLesson.reset();
    m_bonusGames.clear();
    if (lesson) {
        m_session = std::make_unique<LessonSession>(*lesson, m_clock);
        // Practice is not a course lesson: no tutorial, no bonus round and no "Next".
        if (!isPractice()) {
            steps = Tutorial::steps(*lesson);
            m_nextLesson = Curriculum::lessonAfter(*lesson);
            m_bonusGames = BonusRound::eligibleGames(*lesson).mid(0, 3);
        }

        LessonSession *session = m_session.get();
        connect(session, &LessonSession::finishedChanged, this,
                &LessonController::onFinishedChanged);
        connect(session, &LessonSession::finishedChanged, this,
                &LessonController::highlightChanged);
        connect(session, &LessonSession::expectedChanged, this,
                &LessonController::highlightChanged);
        connect(session, &LessonSession::drillIndexChanged, this,
                &LessonController::drillLabelChanged);
        connect(session, &LessonSession::drillIndexChanged, this,
                &LessonController::onLineStarted);
        // Every key as it comes up, the same letter again too: the child may not see the line.
        connect(session, &LessonSession::charIndexChanged, this, &LessonController::sayNextKey);
        connect(session, &LessonSession::wpmChanged, this, &LessonController::statsChanged);
        connect(session, &LessonSession::accuracyChanged, this, &LessonController::statsChanged);
        connect(session, &LessonSession::wpmChanged, this, &LessonController::resultsChanged);
        connect(session, &LessonSession::accuracyChanged, this,
                &LessonController::resultsChanged);
        connect(session, &LessonSession::starsChanged, this, &LessonController::resultsChanged);
    }
    m_paused = false;
    m_recorded = false;
    m_newBadges.clear();
    m_showStars = false;

    emit lessonChanged();
    m_tutorial.setSteps(std::move(steps));
    emit pausedChanged();
    emit recordedChanged();
    emit showStarsChanged();
    emit highlightChanged();
    emit drillLabelChanged();
    emit statsChanged();
    emit resultsChanged();
    // Bindings have moved to the new session; only now may the old one go.
    old.reset();
}

void LessonController::updateListening()
{
    const bool listen = m_active && !m_leaving && m_session;
    if (listen == m_monitor.isListening())
        return;
    if (listen) {
        m_monitor.start([this](const KeyInput &key) { return handleKey(key); });
        if (m_tutorial.isActive())
            Announcer::instance().say(m_tutorial.step().speech);
        else
            sayNextKey();
    } else {
        m_monitor.stop();
        Announcer::instance().hush();
    }
}

bool LessonController::isTypingCharacter(QChar ch)
{
    if (ch == u' ')
        return true;
    switch (ch.category()) {
    case QChar::Letter_Uppercase:
    case QChar::Letter_Lowercase:
    case QChar::Letter_Titlecase:
    case QChar::Letter_Modifier:
    case QChar::Letter_Other:
    case QChar::Number_DecimalDigit:
    case QChar::Number_Letter:
    case QChar::Number_Other:
    case QChar::Punctuation_Connector:
    case QChar::Punctuation_Dash:
    case QChar::Punctuation_Open:
    case QChar::Punctuation_Close:
    case QChar::Punctuation_InitialQuote:
    case QChar::Punctuation_FinalQuote:
    case QChar::Punctuation_Other:
    case QChar::Symbol_Math:
    case QChar::Symbol_Currency:
    case QChar::Symbol_Modifier:
    case QChar::Symbol_Other:
        return true;
    default:
        return false;
    }
}

bool LessonController::handleKey(const KeyInput &key)
{
    // Repeats are dropped everywhere, not only while typing: a held space or Return would race
    // through the tutorial, and a held Escape would flicker the pause card on and off.
    if (key.isRepeat || !m_session || m_leaving)
        return true;
    if (m_tutorial.isActive()) {
        m_tutorial.handleKey(key);
        return true;
    }
    if (key.keyCode == KeyInput::escape) {
        if (!m_session->finished())
            setPaused(!m_paused);
        return true;
    }
    // The pause and results cards type nothing: their keys go on to the card, where Tab moves
    // among its buttons and Return or Space presses the one with the focus.
    if (m_paused || m_session->finished())
        return false;
    // Drill lines are ASCII: a grapheme of more than one UTF-16 unit is never a drill key.
    if (key.ch.size() != 1)
        return true;
    const QChar ch = key.ch.front();
    if (isTypingCharacter(ch))
        m_session->handle(ch);
    return true;
}

void LessonController::resume()
{
    setPaused(false);
}

void LessonController::restart()
{
    if (!m_session || m_leaving)
        return;
    Announcer::instance().hush();
    m_starsTimer.stop();
    m_session->reset();
    setPaused(false);
    setRecorded(false);
    setShowStars(false);
    setNewBadges({});
    m_tutorial.close();
}

void LessonController::finish()
{
    if (!m_session || !m_session->finished() || m_recorded)
        return;
    setRecorded(true);
    const int stars = m_session->stars();
    QList<Badge> earned;
    if (m_store) {
        const AttemptDetails details{m_session->elapsedSeconds(),
                                     m_session->correct() + m_session->wrong(),
                                     m_session->keyStats()};
        if (isTrickyPractice())
            earned = m_store->recordTrickyPractice(stars, m_session->wpm(), m_session->accuracy(),
                                                   m_session->correct(), details);
        else if (isPractice())
            earned = m_store->recordTextPractice(stars, m_session->wpm(), m_session->accuracy(),
                                                 m_session->correct(), details);
        else
            earned = m_store->recordLesson(m_session->lesson(), stars, m_session->wpm(),
                                           m_session->accuracy(), m_session->correct(), details);
    }
    const bool anyEarned = !earned.isEmpty();
    setNewBadges(std::move(earned));
    if (anyEarned)
        Announcer::instance().announce(Announcer::Event::badgesEarned);
    Announcer::instance().say(verdictSpeech(stars));
    Announcer::instance().tell(resultsNews(m_session->wpm(), m_session->accuracy(), m_newBadges));
    m_starsTimer.start();
}

void LessonController::onLineStarted()
{
    if (!m_session || m_session->finished() || m_session->drillIndex() == 0)
        return;
    Announcer::instance().tell(lineDoneNews(m_session->drillCount() - m_session->drillIndex()));
}

void LessonController::sayNextKey()
{
    if (!m_session || m_leaving || m_paused || m_tutorial.isActive() || m_session->finished() ||
        !m_monitor.isListening())
        return;
    if (const std::optional<QChar> next = m_session->expected())
        Announcer::instance().tell(Tutorial::charName(*next), Announcer::Line::nextKey);
}

QString LessonController::lineDoneNews(int linesLeft)
{
    return tr("Line done! %n more to go.", nullptr, linesLeft);
}

QString LessonController::resultsNews(double wpm, double accuracy, const QList<Badge> &earned)
{
    QString news = tr("%1 words a minute, %2 percent right.")
                       .arg(wholeNumber(wpm), wholeNumber(accuracy));
    if (!earned.isEmpty())
        news += u' ' + BadgeEngine::news(earned);
    return news;
}

void LessonController::onFinishedChanged()
{
    if (m_session && m_session->finished())
        finish();
}

void LessonController::exit()
{
    leave();
    emit exitRequested();
}

void LessonController::openNext()
{
    if (!m_nextLesson)
        return;
    leave();
    emit nextRequested(m_nextLesson->id);
}

void LessonController::openBonus(const QString &kind)
{
    const std::optional<GameKind> game = gameKindFromId(kind);
    if (!game || !m_session)
        return;
    leave();
    emit bonusRequested(m_session->lesson().id, gameId(*game));
}

void LessonController::leave()
{
    m_leaving = true;
    m_tutorial.leave();
    m_starsTimer.stop();
    updateListening();
}

QString LessonController::verdictSpeech(int stars)
{
    if (stars >= 3)
        return tr("Amazing! You earned all three stars!");
    if (stars == 2)
        return tr("Great job! Two stars!");
    return tr("Lesson complete! Nice work — keep practicing and you'll shine.");
}

QString LessonController::titleFor(int stars)
{
    if (stars >= 3)
        return tr("AMAZING! 🎉");
    if (stars == 2)
        return tr("Great job! 🙌");
    return tr("Lesson complete! ✅");
}

QString LessonController::heading() const
{
    return m_session ? m_session->lesson().emoji + QStringLiteral("  ") + m_session->lesson().title
                     : QString();
}

QString LessonController::highlight() const
{
    if (!m_session || m_session->finished() || m_paused)
        return {};
    return m_session->expectedText();
}

QString LessonController::highlightName() const
{
    const QString key = highlight();
    return key.size() == 1 ? Tutorial::charName(key.front()) : QString();
}

QList<BonusChoice> LessonController::bonusChoices() const
{
    QList<BonusChoice> list;
    list.reserve(m_bonusGames.size());
    for (GameKind kind : m_bonusGames)
        list.append(
            {gameId(kind), emoji(kind), tapalong::title(kind), Theme::tint(facts(kind).tint)});
    return list;
}

QString LessonController::drillLabel() const
{
    if (!m_session)
        return {};
    return tr("Drill %1 of %2").arg(m_session->drillIndex() + 1).arg(m_session->drillCount());
}

QString LessonController::wpmText() const
{
    if (!m_session || m_session->wpm() == 0)
        return QStringLiteral("–");
    return wholeNumber(m_session->wpm());
}

QString LessonController::accuracyText() const
{
    return wholeNumber(m_session ? m_session->accuracy() : 100) + u'%';
}

QString LessonController::speedText() const
{
    return wholeNumber(m_session ? m_session->wpm() : 0);
}

QString LessonController::title() const
{
    return titleFor(m_session ? m_session->stars() : 0);
}

LessonResults LessonController::results() const
{
    return {title(),         speedText(),    accuracyText(),
            m_newBadges,     bonusChoices(), m_nextLesson ? m_nextLesson->title : QString()};
}

void LessonController::setPaused(bool paused)
{
    if (m_paused == paused)
        return;
    m_paused = paused;
    emit pausedChanged();
    emit highlightChanged();
}

void LessonController::setRecorded(bool recorded)
{
    if (m_recorded == recorded)
        return;
    m_recorded = recorded;
    emit recordedChanged();
}

void LessonController::setNewBadges(QList<Badge> badges)
{
    if (m_newBadges == badges)
        return;
    m_newBadges = std::move(badges);
    emit resultsChanged();
}

void LessonController::setShowStars(bool show)
{
    if (m_showStars == show)
        return;
    m_showStars = show;
    emit showStarsChanged();
}

} // namespace tapalong
