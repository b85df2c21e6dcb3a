// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "backup.h"

#include "savecodec.h"
#include "savefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSet>
#include <QStandardPaths>
#include <QStringList>

#include <algorithm>

namespace tapalong {

namespace Backup {

ReadResult read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt,
                QCoreApplication::translate("Backup", "The file could not be opened (%1).")
                    .arg(file.errorString())};
    if (file.size() > SaveFile::maxFileSize)
        return {std::nullopt, QCoreApplication::translate(
                                  "Backup", "The file is far larger than any household.")};
    std::optional<AppData> data = SaveCodec::decode(file.readAll());
    if (!data)
        return {std::nullopt,
                QCoreApplication::translate(
                    "Backup", "This file is not a Tapalong household, or it is damaged.")};
    return {std::move(data), {}};
}

QString describe(const AppData &data)
{
    QStringList names;
    qint64 lessons = 0;
    std::optional<Timestamp> last;
    for (const Profile &profile : data.profiles) {
        names.append(profile.name);
        lessons += profile.lessonResults.size();
        if (profile.lastActiveDay && (!last || *profile.lastActiveDay > *last))
            last = profile.lastActiveDay;
    }
    if (names.isEmpty())
        return QCoreApplication::translate("Backup", "No explorers.");
    const QString who = names.size() == 1
                            ? names.front()
                            : QCoreApplication::translate("Backup", "%1 and %2")
                                  .arg(QStringList(names.mid(0, names.size() - 1))
                                           .join(QCoreApplication::translate("Backup", ", ")),
                                       names.back());
    const QString explorers =
        QCoreApplication::translate("Backup", "%n explorer(s) (%1)", nullptr, int(names.size()))
            .arg(who);
    const QString finished =
        QCoreApplication::translate("Backup", "%n lesson(s) finished", nullptr, int(lessons));
    QString text = QCoreApplication::translate("Backup", "%1, %2").arg(explorers, finished);
    if (last) {
        // The month's name in the household's language, whose locale is the default one.
        const QString day = QLocale().toString(
            last->toDateTime().toLocalTime().date(),
            //: How QDate writes the day a household last played: "7 December 2026"
            QCoreApplication::translate("Backup", "d MMMM yyyy"));
        text = QCoreApplication::translate("Backup", "%1, last played on %2").arg(text, day);
    }
    return QCoreApplication::translate("Backup", "%1.").arg(text);
}

bool keepAside(const QString &path, const Clock &clock)
{
    if (!QFileInfo::exists(path))
        return true;
    const QString base =
        path + QStringLiteral(".before-restore-") +
        clock.now().toDateTime().toLocalTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (int attempt = 1; attempt <= 100; ++attempt) {
        const QString target = attempt == 1 ? base : base + u'-' + QString::number(attempt);
        if (QFileInfo::exists(target))
            continue;
        if (!QFile::copy(path, target))
            return false;
        QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        return true;
    }
    return false;
}

QString suggestedName(const Clock &clock)
{
    //: The name a backup file is offered under, before ".json"; %1 is the date, 2026-12-07
    return QCoreApplication::translate("Backup", "Tapalong backup %1")
               .arg(clock.now().localDate().toString(Qt::ISODate)) +
           QStringLiteral(".json");
}

QString targetPath(const QString &folder, const QString &typedName, const QString &suffix)
{
    QString name = typedName.trimmed();
    if (name.startsWith(QStringLiteral("~/")))
        name = QDir::homePath() + name.mid(1);
    if (name.isEmpty() || name.endsWith(u'/'))
        return {};
    QString path = QFileInfo(name).isAbsolute() ? name : QDir(folder).filePath(name);
    if (QFileInfo(path).suffix().isEmpty())
        path += u'.' + suffix;
    return QDir::cleanPath(path);
}

} // namespace Backup

BackupController::BackupController(QObject *parent)
    : QObject(parent), m_savePath(SaveFile::defaultPath())
{
}

void BackupController::setStore(AppStore *store)
{
    if (m_store == store)
        return;
    m_store = store;
    emit storeChanged();
}

void BackupController::setSavePath(const QString &path)
{
    if (m_savePath == path)
        return;
    m_savePath = path;
    emit storeChanged();
}

QUrl BackupController::startFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString folder = QFileInfo(documents).isDir()
                               ? documents
                               : QStandardPaths::writableLocation(QStandardPaths::HomeLocation);
    return QUrl::fromLocalFile(folder);
}

void BackupController::setMessage(const QString &message, bool failed)
{
    m_message = message;
    m_failed = failed;
    emit changed();
}

QString BackupController::suggestedName() const
{
    return Backup::suggestedName(m_store ? m_store->clock() : AppStore::systemClock());
}

QUrl BackupController::suggestedFile() const
{
    return QUrl::fromLocalFile(QDir(startFolder().toLocalFile()).filePath(suggestedName()));
}

QString BackupController::target(const QUrl &folder, const QString &typedName,
                                 const QString &suffix)
{
    return Backup::targetPath(folder.toLocalFile(), typedName, suffix);
}

bool BackupController::exists(const QString &path)
{
    return !path.isEmpty() && QFileInfo::exists(path);
}

QString BackupController::localPath(const QUrl &url)
{
    return url.toLocalFile();
}

bool BackupController::isQtQuickDialog(QObject *dialog)
{
    // Qt 6.4 makes the helper of its own dialog, QQuickPlatformFileDialog, a child of the
    // FileDialog once it opens; a desktop's helper comes from the platform theme instead.
    if (!dialog)
        return false;
    const QObjectList children = dialog->children();
    return std::any_of(children.cbegin(), children.cend(), [](const QObject *child) {
        return child->inherits("QQuickPlatformFileDialog");
    });
}

bool BackupController::saveCopy(const QUrl &file)
{
    if (!m_store)
        return false;
    const QString path = file.toLocalFile();
    if (path.isEmpty() || !SaveFile(path).save(m_store->data())) {
        setMessage(tr("The copy could not be saved there. Try another folder."), true);
        return false;
    }
    setMessage(tr("Saved a copy: %1").arg(Backup::describe(m_store->data())));
    return true;
}

bool BackupController::inspect(const QUrl &file)
{
    m_pending.reset();
    m_preview.clear();
    Backup::ReadResult result = Backup::read(file.toLocalFile());
    if (!result.data) {
        setMessage(tr("%1 Nothing was changed.").arg(result.problem), true);
        return false;
    }
    m_preview = tr("This copy holds %1 Restoring it replaces everything on this computer.")
                    .arg(Backup::describe(*result.data));
    m_pending = std::move(result.data);
    setMessage({});
    return true;
}

bool BackupController::restore()
{
    if (!m_store || !m_pending)
        return false;
    // The copy kept aside must be the household as it is now, not a write still under way.
    m_store->saveIfUnsaved();
    if (!Backup::keepAside(m_savePath, AppStore::systemClock())) {
        m_pending.reset();
        setMessage(tr("The current household could not be kept aside, so nothing was changed."),
                   true);
        return false;
    }
    m_store->setData(std::move(*m_pending));
    m_pending.reset();
    m_preview.clear();
    setMessage(tr("Restored. The household from before is kept beside the save file."));
    return true;
}

void BackupController::cancel()
{
    m_pending.reset();
    m_preview.clear();
    setMessage({});
}

} // namespace tapalong
