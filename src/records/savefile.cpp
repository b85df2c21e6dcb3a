#include "savefile.h"

#include "savecodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSaveFile>
#include <QStandardPaths>

#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

namespace tapalong {

namespace {

// A parent who finds the household empty, or progress not kept, needs to learn why and where
// the old file went; the window has no place for that, the terminal and the journal do.
Q_LOGGING_CATEGORY(lcSave, "tapalong.save")

// Makes a rename inside the folder durable; best effort, as the new content is already safe.
void syncFolder(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

constexpr auto ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
// Enough for a copy every second of an hour; beyond that something else is wrong.
constexpr int maxCopyNameAttempts = 3600;

const Clock &systemClock()
{
    static const SystemClock clock;
    return clock;
}

} // namespace

SaveFile::SaveFile(QString path) : SaveFile(std::move(path), systemClock()) {}

SaveFile::SaveFile(QString path, const Clock &clock) : path_(std::move(path)), clock_(&clock) {}

QString SaveFile::defaultPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (folder.isEmpty())
        folder = QDir::homePath() + QStringLiteral("/.tapalong");
    return folder + QStringLiteral("/tapalong.json");
}

void SaveFile::makeFolder() const
{
    // A failure here shows up as the failed read or write that follows.
    QDir().mkpath(QFileInfo(path_).absolutePath());
}

SaveFile::LoadResult SaveFile::load()
{
    makeFolder();
    keepUnreadable_ = false;

    QFile file(path_);
    if (!file.exists())
        return {};

    // From here on the file exists: whatever goes wrong, keep it until it is copied aside.
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly) && file.size() <= maxFileSize) {
        // Bounded even if the size was misreported or the file grew meanwhile.
        bytes = file.read(maxFileSize + 1);
        if (bytes.size() <= maxFileSize) {
            if (std::optional<AppData> data = SaveCodec::decode(bytes))
                return {LoadOutcome::loaded, std::move(*data)};
        }
    }
    keepUnreadable_ = true;
    qCWarning(lcSave).noquote() << path_
                                << "could not be read; starting with an empty household. The file "
                                   "is kept and copied aside before anything is saved.";
    return {LoadOutcome::unreadable, {}};
}

bool SaveFile::copyUnreadableAside() const
{
    if (!QFileInfo::exists(path_))
        return true; // gone meanwhile: nothing left to keep

    const QString stamp =
        clock_->now().toDateTime().toLocalTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString base = path_ + QStringLiteral(".unreadable-") + stamp;
    for (int attempt = 1; attempt <= maxCopyNameAttempts; ++attempt) {
        const QString target =
            attempt == 1 ? base : base + QLatin1Char('-') + QString::number(attempt);
        if (QFileInfo::exists(target))
            continue;
        if (!QFile::copy(path_, target))
            break;
        QFile::setPermissions(target, ownerOnly);
        qCWarning(lcSave).noquote() << "The unreadable save file was copied to" << target;
        return true;
    }
    qCWarning(lcSave).noquote() << "The unreadable" << path_
                                << "could not be copied aside, so it is not replaced";
    return false;
}

bool SaveFile::save(const AppData &data)
{
    const QByteArray bytes = SaveCodec::encode(data);
    if (bytes.isEmpty())
        return false;

    makeFolder();

    if (keepUnreadable_) {
        if (!copyUnreadableAside())
            return false;
        keepUnreadable_ = false;
    }

    QSaveFile file(path_);
    const auto failed = [&](const QString &reason) {
        // The old file stays as it was; the store tries again with the next change.
        qCWarning(lcSave).noquote() << "Could not save" << path_ << '(' + reason + ')';
        return false;
    };
    if (!file.open(QIODevice::WriteOnly))
        return failed(file.errorString());
    // Set on the temporary file, so the replaced file is never readable by others.
    if (!file.setPermissions(ownerOnly))
        return failed(file.errorString());
    if (file.write(bytes) != bytes.size() || !file.flush())
        return failed(file.errorString());
    // QSaveFile renames without syncing; without this a power cut soon after a lesson can
    // leave an empty file where the child's progress was.
    if (::fsync(file.handle()) != 0)
        return failed(qt_error_string(errno));
    if (!file.commit())
        return failed(file.errorString());
    syncFolder(QFileInfo(path_).absolutePath());
    return true;
}

} // namespace tapalong
