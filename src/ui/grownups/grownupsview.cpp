// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "grownupsview.h"
#include "storebinding.h"

#include "grownupsreport.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRandomGenerator>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace tapalong {

namespace {

// "7 Dec", the month's name in the household's language, whose locale is the default one.
QString shortDate(QDate day)
{
    //: How QDate writes a day under the charts: "7 Dec"
    return QLocale().toString(day, QCoreApplication::translate("Grownups", "d MMM"));
}

// "%n lessons" in the plural form the language takes for n (English's from its catalogue).
// Each text is marked with QT_TRANSLATE_N_NOOP, which lupdate reads as a count.
QString counted(const char *text, qint64 n)
{
    return QCoreApplication::translate("Grownups", text, nullptr, int(n));
}

} // namespace

GrownupsGate::GrownupsGate(QObject *parent)
    : QObject(parent), m_seed(QRandomGenerator::global()->generate64()), m_rng(m_seed)
{
    newSum();
}

void GrownupsGate::setSeed(quint64 seed)
{
    m_seed = seed;
    m_rng = SeededRNG(seed);
    newSum();
}

QString GrownupsGate::question() const
{
    return tr("What is %1 + %2?").arg(m_a).arg(m_b);
}

bool GrownupsGate::answer(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (ok && value == expected()) {
        if (!m_passed) {
            m_passed = true;
            emit passedChanged();
        }
        return true;
    }
    newSum();
    return false;
}

void GrownupsGate::newSum()
{
    // The ones add up to ten or more, so the answer needs a carry, not a glance at the digits.
    const int onesA = int(m_rng.nextInRange(2, 9));
    const int onesB = int(m_rng.nextInRange(10 - onesA, 9));
    m_a = int(m_rng.nextInRange(1, 7)) * 10 + onesA;
    m_b = int(m_rng.nextInRange(1, 7)) * 10 + onesB;
    emit questionChanged();
}

GrownupsView::GrownupsView(QObject *parent)
    : QObject(parent), m_today(AppStore::systemClock().now().localDate())
{
    refresh();
}

void GrownupsView::setStore(AppStore *store)
{
    if (!rebindStore(m_store, store, this, &GrownupsView::refresh))
        return;
    emit storeChanged();
    refresh();
}

void GrownupsView::setToday(QDate today)
{
    if (m_today == today)
        return;
    m_today = today;
    refresh();
}

void GrownupsView::setSelected(int selected)
{
    m_chosen = true;
    if (m_selected == selected)
        return;
    m_selected = selected;
    refresh();
}

void GrownupsView::refresh()
{
    namespace R = GrownupsReport;
    m_explorers.clear();
    m_speedPoints.clear();
    m_days.clear();
    m_units.clear();
    m_games.clear();
    m_heat.clear();
    const QList<Profile> profiles = m_store ? m_store->data().profiles : QList<Profile>();
    if (m_store)
        m_explorers = m_store->profileList();
    // The explorer who is playing comes first to mind, until the grown-up picks another.
    if (!m_chosen && m_store && m_store->currentProfile())
        m_selected = int(m_store->currentProfile() - m_store->data().profiles.constData());
    const Profile empty;
    const Profile &profile =
        m_selected >= 0 && m_selected < profiles.size() ? profiles.at(m_selected) : empty;

    m_summary = profile.name.isEmpty() ? QString() : R::summary(profile, m_today);

    const QList<R::SpeedPoint> points = R::speedPoints(profile);
    m_speedScale = 10;
    qint64 lessons = 0;
    const R::SpeedPoint *latestLesson = nullptr;
    QDate lastDay;
    for (const R::SpeedPoint &point : points) {
        m_speedScale = std::max({m_speedScale, point.wpm, point.goal});
        m_speedPoints.append({point.wpm, point.accuracy, point.goal, point.practice,
                              point.day == lastDay ? QString() : shortDate(point.day)});
        lastDay = point.day;
        if (!point.practice) {
            ++lessons;
            latestLesson = &point;
        }
    }
    m_speedScale = std::ceil(m_speedScale / 5) * 5;
    m_accuracyFloor = R::accuracyFloor(points);
    m_speedText = !latestLesson
                      ? tr("No lessons yet.")
                      : tr("%1, latest %2 wpm at %3% accuracy")
                            .arg(counted(QT_TRANSLATE_N_NOOP("Grownups", "%n lesson(s)"), lessons))
                            .arg(std::llround(latestLesson->wpm))
                            .arg(std::llround(latestLesson->accuracy));
    QStringList legend;
    if (lessons > 0)
        legend << tr("dashes: each lesson's goal");
    if (const qint64 drills = qint64(points.size()) - lessons; drills > 0)
        legend << tr("rings: tricky-key practice (%1)")
                      .arg(counted(QT_TRANSLATE_N_NOOP("Grownups", "%n drill(s)"), drills));
    m_speedLegend = legend.join(tr("  ·  "));

    double totalMinutes = 0;
    m_dayScale = 10;
    for (const R::DayMinutes &day : R::practiceDays(profile, m_today)) {
        totalMinutes += day.minutes;
        m_dayScale = std::max(m_dayScale, day.minutes);
        m_days.append({day.minutes, shortDate(day.day)});
    }
    m_dayScale = std::ceil(m_dayScale / 5) * 5;
    const qint64 wholeMinutes = std::llround(totalMinutes);
    m_practiceText = totalMinutes > 0 && wholeMinutes == 0
                         ? tr("Under a minute in the last four weeks")
                         : tr("%1 in the last four weeks")
                               .arg(counted(QT_TRANSLATE_N_NOOP("Grownups", "%n minute(s)"),
                                            wholeMinutes));
    const qint64 streak = R::currentStreak(profile, m_today);
    m_streakText = streak > 0 ? tr("🔥 %1 in a row")
                                    .arg(counted(QT_TRANSLATE_N_NOOP("Grownups", "%n day(s)"),
                                                 streak))
                              : tr("No streak right now");

    for (const R::UnitStars &unit : R::unitStars(profile)) {
        m_units.append(
            {unit.emoji, unit.title, tr("%1 of %2 ⭐").arg(unit.stars).arg(unit.maxStars)});
    }
    for (const R::GamePlayed &game : R::gamesPlayed(profile)) {
        // Scores from before the history was kept have no games counted.
        m_games.append({emoji(game.kind), title(game.kind),
                        game.played > 0
                            ? tr("%1, best score %2")
                                  .arg(counted(QT_TRANSLATE_N_NOOP("Grownups", "%n game(s)"),
                                               game.played))
                                  .arg(game.best)
                            : tr("best score %1").arg(game.best)});
    }

    const QMap<QChar, double> rates = R::errorRates(profile);
    for (auto it = rates.cbegin(); it != rates.cend(); ++it)
        m_heat.insert(QString(it.key()), it.value());
    QStringList tricky;
    for (const R::TrickyKey &key : R::trickiestKeys(profile)) {
        tricky.append(key.oftenTypedInstead ? tr("%1 (%2% missed, often %3)")
                                                  .arg(R::keyName(key.key))
                                                  .arg(std::llround(100 * key.errorRate))
                                                  .arg(R::keyName(*key.oftenTypedInstead))
                                            : tr("%1 (%2% missed)")
                                                  .arg(R::keyName(key.key))
                                                  .arg(std::llround(100 * key.errorRate)));
    }
    m_trickyText = tricky.isEmpty() ? tr("No tricky keys yet: more typing will tell.")
                                    : tr("Trickiest keys: %1").arg(tricky.join(tr(", ")));
    emit updated();
}

} // namespace tapalong
