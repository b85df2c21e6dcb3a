// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "reportpdf.h"

#include "badges.h"
#include "grownupsreport.h"
#include "keyboardlayout.h"
#include "paper.h"
#include "theme.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPainterPath>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace tapalong::ReportPdf {

namespace {

namespace R = GrownupsReport;
using Paper::face;

// lupdate files these texts under the namespace's full name: the catalogue must find them there.
QString tr(const char *text, const char *comment = nullptr, int n = -1)
{
    return QCoreApplication::translate("tapalong::ReportPdf", text, comment, n);
}

constexpr qreal pageWidth = 595; // A4 in points
constexpr qreal margin = 42;
constexpr qreal column = pageWidth - 2 * margin;
// Lessons on the paper's charts: more than this and the line becomes a band.
constexpr qsizetype chartedLessons = 60;

QString longDate(QDate day)
{
    return QLocale().toString(day, QLocale::LongFormat);
}

qreal heading(QPainter &painter, qreal y, const QString &title)
{
    return y + Paper::text(painter, QRectF(margin, y, column, 30), title, face(15, QFont::Bold),
                           Paper::ink()) +
           6;
}

// The view's heat colours: mint for rarely, sunshine for sometimes, coral for often; a
// quarter of the presses missed already tops the scale.
QColor heatColour(double rate)
{
    const auto mix = [](QColor a, QColor b, double t) {
        return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                                float(a.greenF() + (b.greenF() - a.greenF()) * t),
                                float(a.blueF() + (b.blueF() - a.blueF()) * t));
    };
    const double t = std::min(rate / 0.25, 1.0);
    return t < 0.5 ? mix(Theme::mint(), Theme::sunshine(), t * 2)
                   : mix(Theme::sunshine(), Theme::coral(), (t - 0.5) * 2);
}

// A line over the box, one value per point, oldest on the left; `low` is the bottom.
void lineChart(QPainter &painter, const QRectF &box, const QList<double> &values, double low,
               double high, const QColor &colour, const QString &unit)
{
    const QFont small = face(7.5);
    painter.setPen(QPen(Paper::faint(), 0.8));
    for (int i = 0; i <= 2; ++i) {
        const double value = low + (high - low) * i / 2;
        const qreal y = box.bottom() - box.height() * i / 2;
        painter.setPen(QPen(Paper::faint(), 0.8));
        painter.drawLine(QPointF(box.left(), y), QPointF(box.right(), y));
        Paper::text(painter, QRectF(box.left() - 40, y - 5, 36, 10),
                    QStringLiteral("%1%2").arg(std::llround(value)).arg(unit), small, Paper::ink(),
                    Qt::AlignRight | Qt::AlignVCenter);
    }
    if (values.isEmpty())
        return;
    const auto at = [&](int i, double value) {
        const qreal x = values.size() == 1
                            ? box.center().x()
                            : box.left() + box.width() * i / qreal(values.size() - 1);
        const double t = std::clamp((value - low) / (high - low), 0.0, 1.0);
        return QPointF(x, box.bottom() - box.height() * t);
    };
    QPainterPath line;
    for (int i = 0; i < values.size(); ++i) {
        if (i == 0)
            line.moveTo(at(i, values[i]));
        else
            line.lineTo(at(i, values[i]));
    }
    painter.setPen(QPen(colour.darker(130), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(line);
    // Dots only while they can be told apart.
    if (values.size() <= 60) {
        painter.setBrush(colour);
        for (int i = 0; i < values.size(); ++i)
            painter.drawEllipse(at(i, values[i]), 2, 2);
    }
}

QList<R::SpeedPoint> latest(const QList<R::SpeedPoint> &points)
{
    return points.mid(std::max<qsizetype>(0, points.size() - chartedLessons));
}

qreal speedAndAccuracy(QPainter &painter, qreal y, const Profile &profile)
{
    const QList<R::SpeedPoint> points = latest(R::speedPoints(profile));
    QList<double> speeds, accuracies;
    double top = 10, lowest = 100;
    for (const R::SpeedPoint &point : points) {
        speeds.append(point.wpm);
        accuracies.append(point.accuracy);
        top = std::max({top, point.wpm, point.goal});
        lowest = std::min(lowest, point.accuracy);
    }
    top = std::ceil(top / 5) * 5;
    // From the tens below the lowest: 88 % and 95 % must look different on paper.
    const double floorAccuracy = std::clamp(std::floor(lowest / 10) * 10 - 10, 0.0, 80.0);

    const qreal half = (column - 24) / 2;
    const QFont title = face(11, QFont::DemiBold);
    Paper::text(painter, QRectF(margin, y, half, 16), tr("Speed (words per minute)"), title,
                Paper::ink());
    Paper::text(painter, QRectF(margin + half + 24, y, half, 16), tr("Accuracy (%)"), title,
                Paper::ink());
    y += 22;
    const QRectF speedBox(margin + 36, y, half - 40, 110);
    const QRectF accuracyBox(margin + half + 24 + 36, y, half - 40, 110);
    lineChart(painter, speedBox, speeds, 0, top, Theme::sky(), QString());

    // Each lesson's goal, dashed, left out where tricky-key practice (which has none) stands.
    painter.setPen(QPen(Theme::tangerine(), 1, Qt::DashLine));
    for (int i = 0; i < points.size(); ++i) {
        if (points[i].goal <= 0)
            continue;
        const qreal step = points.size() == 1 ? 0 : speedBox.width() / qreal(points.size() - 1);
        const qreal x = points.size() == 1 ? speedBox.center().x() : speedBox.left() + step * i;
        const qreal gy = speedBox.bottom() - speedBox.height() * points[i].goal / top;
        painter.drawLine(QPointF(x - std::max<qreal>(step / 2, 4), gy),
                         QPointF(x + std::max<qreal>(step / 2, 4), gy));
    }
    lineChart(painter, accuracyBox, accuracies, floorAccuracy, 100, Theme::mint(),
              QStringLiteral("%"));
    y += 116;

    const QFont note = face(8.5);
    const QString order = points.isEmpty()
                              ? tr("No lessons yet.")
                              : R::count("ReportPdf", points.size(),
                                         QT_TRANSLATE_NOOP("ReportPdf", "The latest lesson or practice."),
                                         QT_TRANSLATE_NOOP("ReportPdf", "The latest %1 lessons and practices, oldest on the left."));
    Paper::text(painter, QRectF(margin, y, half, 24),
                points.isEmpty() ? order : order + QLatin1Char(' ') + tr("Dashes: each lesson's goal."),
                note, Paper::ink());
    if (!points.isEmpty())
        Paper::text(painter, QRectF(margin + half + 24, y, half, 24),
                    tr("Latest: %1 wpm at %2% accuracy.")
                        .arg(std::llround(points.back().wpm))
                        .arg(std::llround(points.back().accuracy)),
                    note, Paper::ink());
    return y + 30;
}

qreal practicePerDay(QPainter &painter, qreal y, const Profile &profile, QDate today)
{
    y = heading(painter, y, tr("Practice per day, the last four weeks"));
    const QList<R::DayMinutes> days = R::practiceDays(profile, today);
    double top = 10, total = 0;
    for (const R::DayMinutes &day : days) {
        top = std::max(top, day.minutes);
        total += day.minutes;
    }
    top = std::ceil(top / 5) * 5;
    const QRectF box(margin + 36, y, column - 36, 80);
    const QFont small = face(7.5);
    painter.setPen(QPen(Paper::faint(), 0.8));
    painter.drawLine(box.bottomLeft(), box.bottomRight());
    Paper::text(painter, QRectF(margin, box.top() - 5, 32, 10), tr("%1 min").arg(top), small,
                Paper::ink(), Qt::AlignRight | Qt::AlignVCenter);
    const qreal slot = box.width() / days.size();
    for (int i = 0; i < days.size(); ++i) {
        const qreal h = box.height() * days[i].minutes / top;
        painter.setPen(Qt::NoPen);
        painter.setBrush(Theme::lavender());
        painter.drawRect(QRectF(box.left() + slot * i + 2, box.bottom() - h, slot - 4, h));
        // A date a week, counted back from today, so that the labels never crowd.
        if ((days.size() - 1 - i) % 7 != 0)
            continue;
        const QString label = QLocale().toString(days[i].day, QStringLiteral("d MMM"));
        Paper::text(painter, QRectF(box.left() + slot * i - 10, box.bottom() + 2, slot + 20, 10),
                    label, small, Paper::ink(), Qt::AlignHCenter | Qt::AlignTop);
    }
    y = box.bottom() + 16;
    const qint64 minutes = std::llround(total);
    const QString sum = total > 0 && minutes == 0
                            ? tr("Under a minute in the last four weeks.")
                            : R::count("ReportPdf", minutes,
                                       QT_TRANSLATE_NOOP("ReportPdf", "%1 minute in the last four weeks."),
                                       QT_TRANSLATE_NOOP("ReportPdf", "%1 minutes in the last four weeks."));
    const qint64 streak = R::currentStreak(profile, today);
    const QString streakText = streak > 0 ? R::count("ReportPdf", streak,
                                                   QT_TRANSLATE_NOOP("ReportPdf", "%1 day in a row."),
                                                   QT_TRANSLATE_NOOP("ReportPdf", "%1 days in a row."))
                                          : tr("No streak right now.");
    return y + Paper::text(painter, QRectF(margin, y, column, 30),
                           sum + QLatin1Char(' ') + streakText, face(9), Paper::ink()) +
           10;
}

qreal keys(QPainter &painter, qreal y, const Profile &profile)
{
    y = heading(painter, y, tr("Keys"));
    const QMap<QChar, double> rates = R::errorRates(profile);
    const auto &rows = KeyboardLayout::rows();
    double widest = 0;
    for (const QList<KeyDef> &row : rows) {
        double width = 0;
        for (const KeyDef &key : row)
            width += key.width;
        widest = std::max(widest, width);
    }
    const qreal gap = 3;
    const qreal unit = (column - 40) / widest;
    const QFont label = face(unit * 0.36, QFont::DemiBold);
    for (const QList<KeyDef> &row : rows) {
        double width = 0;
        for (const KeyDef &key : row)
            width += key.width;
        qreal x = margin + (column - width * unit) / 2;
        for (const KeyDef &key : row) {
            const QRectF cap(x + gap / 2, y, key.width * unit - gap, unit - gap);
            std::optional<double> rate;
            for (const std::optional<QChar> &ch : {key.output, key.shifted}) {
                if (ch && rates.contains(*ch))
                    rate = std::max(rate.value_or(0), rates.value(*ch));
            }
            painter.setPen(QPen(Paper::faint(), 0.8));
            painter.setBrush(rate ? heatColour(*rate) : QColor(Qt::white));
            painter.drawRoundedRect(cap, 4, 4);
            Paper::text(painter, cap, key.label, label, Paper::ink(), Qt::AlignCenter);
            x += key.width * unit;
        }
        y += unit;
    }
    y += 6;
    // The legend's swatches are the colours themselves.
    const QFont note = face(8.5);
    qreal x = margin;
    const std::pair<double, QString> legend[] = {{0, tr("rarely missed")},
                                                 {0.125, tr("sometimes")},
                                                 {0.25, tr("often")},
                                                 {-1, tr("not typed yet")}};
    for (const auto &[rate, name] : legend) {
        painter.setPen(QPen(Paper::faint(), 0.8));
        painter.setBrush(rate < 0 ? QColor(Qt::white) : heatColour(rate));
        painter.drawRoundedRect(QRectF(x, y + 1, 10, 10), 2, 2);
        painter.setFont(note);
        const qreal w = painter.fontMetrics().horizontalAdvance(name);
        Paper::text(painter, QRectF(x + 14, y, w + 4, 12), name, note, Paper::ink());
        x += 14 + w + 18;
    }
    y += 18;

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
    const QString text = tricky.isEmpty() ? tr("No tricky keys yet: more typing will tell.")
                                          : tr("Trickiest keys: %1").arg(tricky.join(tr(", ")));
    return y + Paper::text(painter, QRectF(margin, y, column, 40), text,
                           face(10, QFont::DemiBold), Paper::ink()) +
           14;
}

qreal stars(QPainter &painter, qreal y, const Profile &profile)
{
    y = heading(painter, y, tr("Stars per unit"));
    const QFont line = face(10);
    for (const R::UnitStars &unit : R::unitStars(profile)) {
        Paper::emoji(painter, QRectF(margin, y, 16, 16), unit.emoji);
        Paper::text(painter, QRectF(margin + 22, y + 1, column - 150, 16), unit.title, line,
                    Paper::ink());
        const QString count = tr("%1 of %2").arg(unit.stars).arg(unit.maxStars);
        Paper::text(painter, QRectF(margin + column - 120, y + 1, 96, 16), count, line,
                    Paper::ink(), Qt::AlignRight | Qt::AlignTop);
        Paper::emoji(painter, QRectF(margin + column - 20, y, 16, 16), QStringLiteral("⭐"));
        y += 20;
    }
    return y + 10;
}

qreal badges(QPainter &painter, qreal y, const Profile &profile)
{
    y = heading(painter, y, tr("Badges"));
    const QFont line = face(10);
    bool any = false;
    for (const Badge &badge : BadgeEngine::all()) {
        const auto earned = profile.badges.constFind(badge.id);
        if (earned == profile.badges.cend())
            continue;
        any = true;
        Paper::emoji(painter, QRectF(margin, y, 16, 16), badge.emoji);
        Paper::text(painter, QRectF(margin + 22, y + 1, column - 180, 16), badge.title, line,
                    Paper::ink());
        Paper::text(painter, QRectF(margin + column - 160, y + 1, 160, 16),
                    tr("earned %1").arg(QLocale().toString(earned->localDate(),
                                                           QLocale::ShortFormat)),
                    line, Paper::ink(), Qt::AlignRight | Qt::AlignTop);
        y += 20;
    }
    if (!any)
        y += Paper::text(painter, QRectF(margin, y, column, 16), tr("No badges yet."), line,
                         Paper::ink());
    return y + 10;
}

} // namespace

bool writeReport(const QString &path, const Profile &profile, QDate today)
{
    Paper::Sheet sheet(path, tr("Tapalong report for %1").arg(profile.name));
    if (!sheet.painter.isActive())
        return false;
    QPainter &painter = sheet.painter;

    qreal y = margin;
    Paper::emoji(painter, QRectF(margin, y, 40, 40), profile.avatar);
    Paper::text(painter, QRectF(margin + 50, y, column - 50, 24),
                tr("%1's typing report").arg(profile.name), face(20, QFont::Bold), Paper::ink());
    Paper::text(painter, QRectF(margin + 50, y + 26, column - 50, 14),
                tr("Tapalong, %1").arg(longDate(today)), face(9), Paper::ink());
    y += 54;
    y += Paper::text(painter, QRectF(margin, y, column, 60), R::summary(profile, today),
                     face(12, QFont::DemiBold), Paper::ink()) +
         18;
    y = speedAndAccuracy(painter, y, profile);
    y = practicePerDay(painter, y, profile, today);
    y = keys(painter, y, profile);

    sheet.writer.newPage();
    y = margin;
    y = stars(painter, y, profile);
    badges(painter, y, profile);
    return painter.end();
}

std::optional<QDate> finishedOn(const Profile &profile, const LearningUnit &unit)
{
    std::optional<Timestamp> latest;
    for (const Lesson &lesson : unit.lessons) {
        const auto result = profile.lessonResults.constFind(lesson.id);
        if (result == profile.lessonResults.cend())
            return std::nullopt;
        latest = std::max(latest.value_or(result->date), result->date);
    }
    if (!latest)
        return std::nullopt;
    return latest->localDate();
}

bool writeCertificate(const QString &path, const Profile &profile, const LearningUnit &unit)
{
    const std::optional<QDate> day = finishedOn(profile, unit);
    if (!day)
        return false;
    Paper::Sheet sheet(path, tr("Certificate for %1").arg(profile.name), true);
    if (!sheet.painter.isActive())
        return false;
    QPainter &painter = sheet.painter;
    const QRectF page(0, 0, 842, 595);

    painter.setPen(QPen(Theme::lavender(), 6));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(page.adjusted(28, 28, -28, -28), 24, 24);
    painter.setPen(QPen(Theme::sunshine(), 2));
    painter.drawRoundedRect(page.adjusted(40, 40, -40, -40), 18, 18);

    const QRectF body = page.adjusted(70, 64, -70, -64);
    const auto centred = [&](qreal y, qreal height, const QString &text, const QFont &font) {
        Paper::text(painter, QRectF(body.left(), y, body.width(), height), text, font,
                    Paper::ink(), Qt::AlignHCenter | Qt::AlignTop);
    };
    centred(body.top(), 40, tr("Certificate"), face(34, QFont::Bold));
    Paper::emoji(painter, QRectF(body.center().x() - 45, body.top() + 54, 90, 90), profile.avatar);
    centred(body.top() + 150, 50, profile.name, face(36, QFont::Bold));
    //: On a certificate, above the unit's name: "Mia finished the unit"
    centred(body.top() + 206, 24, tr("finished the unit"), face(15));
    Paper::emoji(painter, QRectF(body.center().x() - 20, body.top() + 236, 40, 40), unit.emoji);
    centred(body.top() + 280, 34, unit.title, face(24, QFont::DemiBold));

    qint64 stars = 0;
    for (const Lesson &lesson : unit.lessons)
        stars += profile.lessonResults.value(lesson.id).stars;
    const qint64 most = 3 * qint64(unit.lessons.size());
    const QString count = tr("%1 of %2 stars").arg(stars).arg(most);
    painter.setFont(face(15, QFont::DemiBold));
    const qreal countWidth = painter.fontMetrics().horizontalAdvance(count);
    const qreal starsY = body.top() + 330;
    Paper::emoji(painter, QRectF(body.center().x() - countWidth / 2 - 26, starsY, 20, 20),
                 QStringLiteral("⭐"));
    centred(starsY + 1, 22, count, face(15, QFont::DemiBold));
    //: On a certificate: the day the unit was finished, "on Monday, 7 December 2026"
    centred(starsY + 34, 22, tr("on %1").arg(longDate(*day)), face(13));
    return painter.end();
}

} // namespace tapalong::ReportPdf
