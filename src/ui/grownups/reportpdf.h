// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// One explorer's progress on paper, and a certificate for each unit they finished: PDFs a
// grown-up saves and prints, drawn from the figures the grown-ups' view shows.
#pragma once

#include "curriculum.h"
#include "records.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

namespace tapalong::ReportPdf {

// Two A4 pages: the summary, speed and accuracy, practice per day, the keys, stars per unit
// and badges. False when the file could not be written.
bool writeReport(const QString &path, const Profile &profile, QDate today);

// The day the unit was finished, the latest of its lessons' results; none while one of its
// lessons has no result.
std::optional<QDate> finishedOn(const Profile &profile, const LearningUnit &unit);
// One landscape A4 page for a finished unit; false for a unit not finished or a file that
// could not be written.
bool writeCertificate(const QString &path, const Profile &profile, const LearningUnit &unit);

} // namespace tapalong::ReportPdf
