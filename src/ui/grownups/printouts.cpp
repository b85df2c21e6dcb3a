// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "printouts.h"

#include "backup.h"
#include "reportpdf.h"
#include "storebinding.h"

#include <QDesktopServices>
#include <QDir>

namespace tapalong {

namespace {

const LearningUnit *unitById(const QString &id)
{
    for (const LearningUnit &unit : Curriculum::units()) {
        if (unit.id == id)
            return &unit;
    }
    return nullptr;
}

// A name any file system takes: the explorer's name without the characters some refuse.
QString forFileName(QString text)
{
    static const QString refused = QStringLiteral("/\\:*?\"<>|");
    for (QChar &ch : text) {
        if (refused.contains(ch) || ch.category() == QChar::Other_Control)
            ch = u'-';
    }
    return text.trimmed();
}

} // namespace

Printouts::Printouts(QObject *parent)
    : QObject(parent), m_today(AppStore::systemClock().now().localDate())
{
}

Printouts::~Printouts()
{
    if (m_thread)
        m_thread->wait();
}

void Printouts::setStore(AppStore *store)
{
    if (!rebindStore(m_store, store, this, &Printouts::changed))
        return;
    emit changed();
}

void Printouts::setExplorer(int explorer)
{
    if (m_explorer == explorer)
        return;
    m_explorer = explorer;
    emit changed();
}

void Printouts::setToday(QDate today)
{
    if (m_today == today)
        return;
    m_today = today;
    emit changed();
}

const Profile *Printouts::profile() const
{
    if (!m_store || m_explorer < 0 || m_explorer >= m_store->data().profiles.size())
        return nullptr;
    return &m_store->data().profiles.at(m_explorer);
}

QList<FinishedUnit> Printouts::finishedUnits() const
{
    QList<FinishedUnit> units;
    if (const Profile *explorer = profile()) {
        for (const LearningUnit &unit : Curriculum::units()) {
            if (ReportPdf::finishedOn(*explorer, unit))
                units.append({unit.id, unit.emoji, unit.title});
        }
    }
    return units;
}

QString Printouts::reportName() const
{
    const Profile *explorer = profile();
    return explorer ? tr("Tapalong report %1 %2.pdf")
                          .arg(forFileName(explorer->name), m_today.toString(Qt::ISODate))
                    : QString();
}

QUrl Printouts::startFolder()
{
    return BackupController::startFolder();
}

QString Printouts::certificateName(const QString &unitId) const
{
    const Profile *explorer = profile();
    const LearningUnit *unit = unitById(unitId);
    return explorer && unit ? tr("Tapalong certificate %1 %2.pdf")
                                  .arg(forFileName(explorer->name), forFileName(unit->title))
                            : QString();
}

bool Printouts::saveReport(const QUrl &file)
{
    const Profile *explorer = profile();
    if (!explorer)
        return false;
    return start(file, [profile = *explorer, today = m_today](const QString &path) {
        return ReportPdf::writeReport(path, profile, today);
    });
}

bool Printouts::saveCertificate(const QString &unitId, const QUrl &file)
{
    const Profile *explorer = profile();
    const LearningUnit *unit = unitById(unitId);
    if (!explorer || !unit || !ReportPdf::finishedOn(*explorer, *unit))
        return false;
    return start(file, [profile = *explorer, unit = *unit](const QString &path) {
        return ReportPdf::writeCertificate(path, profile, unit);
    });
}

bool Printouts::start(const QUrl &file, std::function<bool(const QString &)> write)
{
    if (m_thread || !file.isLocalFile())
        return false;
    m_path = file.toLocalFile();
    m_written = false;
    // The explorer is copied into the job, so the store may change while it is written.
    m_thread.reset(QThread::create([this, write = std::move(write), path = m_path] {
        m_written = write(path);
    }));
    connect(m_thread.get(), &QThread::finished, this, &Printouts::finish);
    m_thread->start(QThread::LowPriority);
    emit busyChanged();
    return true;
}

void Printouts::finish()
{
    m_thread.reset();
    m_failed = !m_written;
    if (m_written) {
        m_savedFile = QUrl::fromLocalFile(m_path);
        m_message = tr("Saved as %1.").arg(QDir::toNativeSeparators(m_path));
    } else {
        m_message = tr("The file could not be saved there. Try another folder.");
    }
    emit busyChanged();
}

bool Printouts::openSaved()
{
    return !m_savedFile.isEmpty() && QDesktopServices::openUrl(m_savedFile);
}

} // namespace tapalong
