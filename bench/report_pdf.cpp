// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Prints how long the printed report and the certificates take for a household of eight
// explorers whose histories are full, every badge earned and every unit finished. Not a test.
// With a folder as its argument it leaves the files there, to be looked at.
#include "badges.h"
#include "curriculum.h"
#include "practice.h"
#include "reportpdf.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace tapalong;

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QTemporaryDir temporary;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
    const SystemClock clock;
    const double now = clock.now().secondsSinceReference;

    QList<Profile> household;
    for (int p = 0; p < 8; ++p) {
        Profile profile;
        profile.name = QStringLiteral("Explorer %1").arg(p + 1);
        profile.avatar = QStringLiteral("🦊");
        for (const Lesson &lesson : Curriculum::allLessons())
            profile.lessonResults.insert(lesson.id, {2, 14, 95, {now - 86400}});
        bench::addFullPractice(profile, now - (History::maxEntries - 1) * 4000.0, 4000.0);
        for (const Badge &badge : BadgeEngine::all())
            profile.badges.insert(badge.id, {now - 3 * 86400});
        household.append(profile);
    }
    const QDate today = clock.now().localDate();

    std::vector<double> reports;
    QElapsedTimer all;
    all.start();
    for (int p = 0; p < household.size(); ++p) {
        QElapsedTimer timer;
        timer.start();
        ReportPdf::writeReport(folder + QStringLiteral("/report-%1.pdf").arg(p + 1), household[p],
                               today);
        reports.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    const double allReports = double(all.nsecsElapsed()) / 1e6;
    std::vector<double> certificates;
    for (const LearningUnit &unit : Curriculum::units()) {
        QElapsedTimer timer;
        timer.start();
        ReportPdf::writeCertificate(folder + QStringLiteral("/certificate-%1.pdf").arg(unit.id),
                                    household.first(), unit);
        certificates.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("report, first explorer (fonts loaded cold): %.1f ms\n", reports.front());
    std::sort(reports.begin() + 1, reports.end());
    std::printf("report, the other seven: median %.1f ms, slowest %.1f ms\n",
                reports[1 + reports.size() / 2 - 1], reports.back());
    std::printf("all eight reports: %.1f ms\n", allReports);
    std::sort(certificates.begin(), certificates.end());
    std::printf("certificate: median %.1f ms, slowest %.1f ms\n",
                certificates[certificates.size() / 2], certificates.back());
    return 0;
}
