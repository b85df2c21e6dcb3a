// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// The grown-ups' view: the door that opens it, the sum that guards it, and the view model
// of one explorer's progress.
#pragma once

#include "appstore.h"
#include "seededrng.h"

#include <QDate>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

namespace tapalong {

// Whether the grown-ups' view is open. The picker and the profile menu ask for it; the window
// loads the view only while it is open, so it costs nothing the rest of the time.
class GrownupsDoor : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(bool open READ isOpen NOTIFY openChanged FINAL)

public:
    using QObject::QObject;
    bool isOpen() const { return m_open; }
    Q_INVOKABLE void show() { setOpen(true); }
    Q_INVOKABLE void close() { setOpen(false); }

signals:
    void openChanged();

private:
    void setOpen(bool open)
    {
        if (m_open == open)
            return;
        m_open = open;
        emit openChanged();
    }
    bool m_open = false;
};

// A sum of two two-digit numbers with a carry: a grown-up answers it at a glance, a young
// child who presses keys at random does not (one chance in a hundred per try, and every wrong
// answer brings a new sum).
class GrownupsGate : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString question READ question NOTIFY questionChanged FINAL)
    Q_PROPERTY(bool passed READ passed NOTIFY passedChanged FINAL)
    // Set by tests for a known sum; the program starts from a random seed.
    Q_PROPERTY(quint64 seed READ seed WRITE setSeed FINAL)

public:
    explicit GrownupsGate(QObject *parent = nullptr);

    QString question() const;
    bool passed() const { return m_passed; }
    quint64 seed() const { return m_seed; }
    void setSeed(quint64 seed);
    int expected() const { return m_a + m_b; }
    // True when the answer is right; a wrong one brings a new sum.
    Q_INVOKABLE bool answer(const QString &text);

signals:
    void questionChanged();
    void passedChanged();

private:
    void newSum();

    quint64 m_seed;
    SeededRNG m_rng;
    int m_a = 0;
    int m_b = 0;
    bool m_passed = false;
};

// One lesson or tricky-key practice on the speed and accuracy charts.
struct ChartPoint {
    Q_GADGET
    QML_VALUE_TYPE(chartPoint)
    Q_PROPERTY(double wpm MEMBER wpm)
    Q_PROPERTY(double accuracy MEMBER accuracy)
    // The lesson's goal speed; 0 for tricky-key practice.
    Q_PROPERTY(double goal MEMBER goal)
    // Tricky-key practice: marked apart, and left out of the lessons' line.
    Q_PROPERTY(bool practice MEMBER practice)
    // The day, "7 Dec", on the first point of each day; empty on the others.
    Q_PROPERTY(QString label MEMBER label)

public:
    double wpm = 0;
    double accuracy = 0;
    double goal = 0;
    bool practice = false;
    QString label;

    bool operator==(const ChartPoint &) const = default;
};

// One day's bar on the practice chart.
struct ChartDay {
    Q_GADGET
    QML_VALUE_TYPE(chartDay)
    Q_PROPERTY(double minutes MEMBER minutes)
    // The day, "7 Dec".
    Q_PROPERTY(QString label MEMBER label)

public:
    double minutes = 0;
    QString label;

    bool operator==(const ChartDay &) const = default;
};

// One line of the report: a unit's stars or a game's scores.
struct ReportLine {
    Q_GADGET
    QML_VALUE_TYPE(reportLine)
    Q_PROPERTY(QString emoji MEMBER emoji)
    Q_PROPERTY(QString title MEMBER title)
    Q_PROPERTY(QString text MEMBER text)

public:
    QString emoji;
    QString title;
    QString text;

    bool operator==(const ReportLine &) const = default;
};

// One explorer's progress, for the grown-ups' view. Read-only: recomputed from the store when
// its data change and when another explorer is chosen.
class GrownupsView : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(tapalong::AppStore *store READ store WRITE setStore NOTIFY storeChanged FINAL)
    // Today by the local calendar; tests set it, the program leaves it to the system clock.
    Q_PROPERTY(QDate today READ today WRITE setToday NOTIFY updated FINAL)
    // In the household's order.
    Q_PROPERTY(QList<tapalong::ProfileSummary> explorers READ explorers NOTIFY updated FINAL)
    // The current explorer's place until another is chosen.
    Q_PROPERTY(int selected READ selected WRITE setSelected NOTIFY updated FINAL)
    Q_PROPERTY(QString summary READ summary NOTIFY updated FINAL)
    // The scale is the top of the chart in wpm.
    Q_PROPERTY(QList<tapalong::ChartPoint> speedPoints READ speedPoints NOTIFY updated FINAL)
    Q_PROPERTY(double speedScale READ speedScale NOTIFY updated FINAL)
    Q_PROPERTY(QString speedText READ speedText NOTIFY updated FINAL)
    // What the marks on the speed chart mean, only those drawn.
    Q_PROPERTY(QString speedLegend READ speedLegend NOTIFY updated FINAL)
    // The bottom of the accuracy chart in percent.
    Q_PROPERTY(double accuracyFloor READ accuracyFloor NOTIFY updated FINAL)
    // The scale is the top of the chart in minutes.
    Q_PROPERTY(QList<tapalong::ChartDay> days READ days NOTIFY updated FINAL)
    Q_PROPERTY(double dayScale READ dayScale NOTIFY updated FINAL)
    Q_PROPERTY(QString practiceText READ practiceText NOTIFY updated FINAL)
    Q_PROPERTY(QString streakText READ streakText NOTIFY updated FINAL)
    Q_PROPERTY(QList<tapalong::ReportLine> units READ units NOTIFY updated FINAL)
    Q_PROPERTY(QList<tapalong::ReportLine> games READ games NOTIFY updated FINAL)
    // Character → share of mistakes (0 … 1), for the keys typed at least once.
    Q_PROPERTY(QVariantMap heat READ heat NOTIFY updated FINAL)
    Q_PROPERTY(QString trickyText READ trickyText NOTIFY updated FINAL)

public:
    explicit GrownupsView(QObject *parent = nullptr);

    AppStore *store() const { return m_store; }
    void setStore(AppStore *store);
    QDate today() const { return m_today; }
    void setToday(QDate today);
    int selected() const { return m_selected; }
    void setSelected(int selected);

    QList<ProfileSummary> explorers() const { return m_explorers; }
    QString summary() const { return m_summary; }
    QList<ChartPoint> speedPoints() const { return m_speedPoints; }
    double speedScale() const { return m_speedScale; }
    QString speedText() const { return m_speedText; }
    QString speedLegend() const { return m_speedLegend; }
    double accuracyFloor() const { return m_accuracyFloor; }
    QList<ChartDay> days() const { return m_days; }
    double dayScale() const { return m_dayScale; }
    QString practiceText() const { return m_practiceText; }
    QString streakText() const { return m_streakText; }
    QList<ReportLine> units() const { return m_units; }
    QList<ReportLine> games() const { return m_games; }
    QVariantMap heat() const { return m_heat; }
    QString trickyText() const { return m_trickyText; }

signals:
    void storeChanged();
    void updated();

private:
    void refresh();

    QPointer<AppStore> m_store;
    QDate m_today;
    int m_selected = 0;
    bool m_chosen = false; // set once a grown-up picks an explorer
    QList<ProfileSummary> m_explorers;
    QString m_summary;
    QList<ChartPoint> m_speedPoints;
    double m_speedScale = 10;
    QString m_speedText;
    QString m_speedLegend;
    double m_accuracyFloor = 0;
    QList<ChartDay> m_days;
    double m_dayScale = 10;
    QString m_practiceText;
    QString m_streakText;
    QList<ReportLine> m_units;
    QList<ReportLine> m_games;
    QVariantMap m_heat;
    QString m_trickyText;
};

} // namespace tapalong
