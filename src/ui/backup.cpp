#include "backup.h"

#include "savecodec.h"
#include "savefile.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSet>
#include <QStandardPaths>
#include <QStringList>

namespace tapalong {

namespace Backup {

ReadResult read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, QStringLiteral("The file could not be opened (%1).").arg(file.errorString())};
    if (file.size() > SaveFile::maxFileSize)
        return {std::nullopt, QStringLiteral("The file is far larger than any household.")};
    std::optional<AppData> data = SaveCodec::decode(file.readAll());
    if (!data)
        return {std::nullopt,
                QStringLiteral("This file is not a Tapalong household, or it is damaged.")};
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
        return QStringLiteral("No explorers.");
    const QString who = names.size() == 1
                            ? names.front()
                            : QStringList(names.mid(0, names.size() - 1)).join(QStringLiteral(", ")) +
                                  QStringLiteral(" and ") + names.back();
    QString text = QStringLiteral("%1 %2 (%3), %4 %5 finished")
                       .arg(names.size())
                       .arg(names.size() == 1 ? QStringLiteral("explorer") : QStringLiteral("explorers"),
                            who)
                       .arg(lessons)
                       .arg(lessons == 1 ? QStringLiteral("lesson") : QStringLiteral("lessons"));
    if (last)
        text += QStringLiteral(", last played on ") +
                QLocale(QLocale::English).toString(last->toDateTime().toLocalTime().date(),
                                                  QStringLiteral("d MMMM yyyy"));
    return text + u'.';
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

void BackupController::setMessage(const QString &message)
{
    m_message = message;
    emit changed();
}

bool BackupController::saveCopy(const QUrl &file)
{
    if (!m_store)
        return false;
    const QString path = file.toLocalFile();
    if (path.isEmpty() || !SaveFile(path).save(m_store->data())) {
        setMessage(QStringLiteral("The copy could not be saved there. Try another folder."));
        return false;
    }
    setMessage(QStringLiteral("Saved a copy: ") + Backup::describe(m_store->data()));
    return true;
}

bool BackupController::inspect(const QUrl &file)
{
    m_pending.reset();
    m_preview.clear();
    Backup::ReadResult result = Backup::read(file.toLocalFile());
    if (!result.data) {
        setMessage(result.problem + QStringLiteral(" Nothing was changed."));
        return false;
    }
    m_preview = QStringLiteral("This copy holds ") + Backup::describe(*result.data) +
                QStringLiteral(" Restoring it replaces everything on this computer.");
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
        setMessage(QStringLiteral("The current household could not be kept aside, so nothing was "
                                  "changed."));
        return false;
    }
    m_store->setData(std::move(*m_pending));
    m_pending.reset();
    m_preview.clear();
    setMessage(QStringLiteral("Restored. The household from before is kept beside the save file."));
    return true;
}

void BackupController::cancel()
{
    m_pending.reset();
    m_preview.clear();
    setMessage({});
}

} // namespace tapalong
