// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "savefile.h"

#include "savecodec.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSaveFile>
#include <QStandardPaths>

#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
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

// What may be replaced in place: nothing, a regular file, or a link to a regular file of this
// user's own (a save file kept in a synced folder). Anything else (a folder, a link to a system
// file when run as root, a dangling link) is moved aside like an unreadable file.
bool isReplaceable(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat st {};
    if (::lstat(native.constData(), &st) != 0)
        return errno == ENOENT;
    if (S_ISREG(st.st_mode))
        return true;
    if (!S_ISLNK(st.st_mode) || ::stat(native.constData(), &st) != 0)
        return false;
    return S_ISREG(st.st_mode) && st.st_uid == ::geteuid();
}

// Never replaces what is at `to`; false with errno EEXIST when something is there.
bool renameWithoutReplacing(const QByteArray &from, const QByteArray &to)
{
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system without that flag: the folder's lock keeps other Tapalongs out meanwhile.
    struct stat st {};
    if (::lstat(to.constData(), &st) == 0) {
        errno = EEXIST;
        return false;
    }
    return ::rename(from.constData(), to.constData()) == 0;
}

// The cause of a failed write in words a parent knows, with the system's own words otherwise:
// an English sentence marked for translation and what stands for its %1.
std::pair<const char *, QString> plainReason(int error, const QString &folder,
                                             const QString &systemWords)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return {QT_TRANSLATE_NOOP("SaveFile", "the disk is full"), {}};
    case EROFS:
        return {QT_TRANSLATE_NOOP("SaveFile", "the disk can only be read, not written"), {}};
    case EACCES:
    case EPERM:
        return {QT_TRANSLATE_NOOP("SaveFile", "this user may not write in %1"), folder};
    case ENOENT:
    case ENOTDIR:
        return {QT_TRANSLATE_NOOP("SaveFile", "the folder %1 is missing"), folder};
    case EIO:
        return {QT_TRANSLATE_NOOP("SaveFile", "the disk reported an error"), {}};
    default:
        return {"%1", systemWords};
    }
}

// QSaveFile's temporary name: the file's name, a dot and six letters or digits.
bool isOwnLeftover(const QString &name, const QString &fileName)
{
    if (name.size() != fileName.size() + 7 || !name.startsWith(fileName + QLatin1Char('.')))
        return false;
    for (qsizetype i = fileName.size() + 1; i < name.size(); ++i) {
        const char16_t c = name.at(i).unicode();
        if (!((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9')))
            return false;
    }
    return true;
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
    const bool replaceable = isReplaceable(path_);
    if (replaceable && !file.exists())
        return {};

    // From here on something is there: whatever goes wrong, keep it until it is moved aside.
    QByteArray bytes;
    if (replaceable && file.open(QIODevice::ReadOnly) && file.size() <= maxFileSize) {
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
                                   "is kept and moved aside before anything is saved.";
    return {LoadOutcome::unreadable, {}};
}

bool SaveFile::fail(const char *reason, const QString &detail)
{
    const auto filled = [&](const QString &text) {
        return detail.isNull() ? text : text.arg(detail);
    };
    // The old file stays as it was; the store tries again later.
    qCWarning(lcSave).noquote() << "Could not save" << path_
                                << '(' + filled(QString::fromUtf8(reason)) + ')';
    problem_ = filled(QCoreApplication::translate("SaveFile", reason));
    return false;
}

bool SaveFile::moveUnreadableAside()
{
    const QByteArray from = QFile::encodeName(path_);
    struct stat st {};
    if (::lstat(from.constData(), &st) != 0)
        return true; // gone meanwhile: nothing left to keep

    // A rename needs only the folder's permission, so it works for a file of mode 000, one
    // left by root, a folder or a link; the thing itself is not touched.
    const QString stamp =
        clock_->now().toDateTime().toLocalTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString base = path_ + QStringLiteral(".unreadable-") + stamp;
    for (int attempt = 1; attempt <= maxCopyNameAttempts; ++attempt) {
        const QString target =
            attempt == 1 ? base : base + QLatin1Char('-') + QString::number(attempt);
        if (!renameWithoutReplacing(from, QFile::encodeName(target))) {
            if (errno == EEXIST)
                continue;
            break;
        }
        // The owner's own regular file only: a link's target stays as it was.
        if (S_ISREG(st.st_mode) && st.st_uid == ::geteuid())
            QFile::setPermissions(target, ownerOnly);
        qCWarning(lcSave).noquote() << "The unreadable save file was moved to" << target;
        return true;
    }
    const QString reason = qt_error_string(errno);
    qCWarning(lcSave).noquote() << "The unreadable" << path_
                                << "could not be moved aside, so it is not replaced";
    return fail(QT_TRANSLATE_NOOP("SaveFile",
                                  "the old save file is in the way and cannot be moved aside (%1)"),
                reason);
}

bool SaveFile::save(const AppData &data)
{
    const QByteArray bytes = SaveCodec::encode(data);
    if (bytes.isEmpty())
        return fail(
            QT_TRANSLATE_NOOP("SaveFile", "the progress holds a number that cannot be written"));

    makeFolder();

    if (!isReplaceable(path_))
        keepUnreadable_ = true; // appeared since it was loaded
    if (keepUnreadable_) {
        if (!moveUnreadableAside())
            return false;
        keepUnreadable_ = false;
    }

    QSaveFile file(path_);
    const QString folder = QFileInfo(path_).absolutePath();
    // errno still holds the cause right after the call that failed.
    const auto failed = [&] {
        const int error = errno;
        const auto [reason, detail] = plainReason(error, folder, file.errorString());
        return fail(reason, detail);
    };
    if (!file.open(QIODevice::WriteOnly))
        return failed();
    // Set on the temporary file, so the replaced file is never readable by others.
    if (!file.setPermissions(ownerOnly))
        return failed();
    if (file.write(bytes) != bytes.size() || !file.flush())
        return failed();
    // QSaveFile renames without syncing; without this a power cut soon after a lesson can
    // leave an empty file where the child's progress was.
    if (::fsync(file.handle()) != 0) {
        const auto [reason, detail] = plainReason(errno, folder, qt_error_string(errno));
        return fail(reason, detail);
    }
    if (!file.commit())
        return failed();
    syncFolder(folder);
    problem_.clear();
    return true;
}

int SaveFile::removeLeftovers() const
{
    const QFileInfo info(path_);
    const QDir folder = info.absoluteDir();
    int removed = 0;
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QByteArray native = QFile::encodeName(folder.filePath(name));
        struct stat st {};
        // Regular files of our own only; a link with such a name is left alone.
        if (!isOwnLeftover(name, info.fileName()) || ::lstat(native.constData(), &st) != 0 ||
            !S_ISREG(st.st_mode) || st.st_uid != ::geteuid())
            continue;
        if (::unlink(native.constData()) == 0)
            ++removed;
    }
    if (removed > 0)
        qCInfo(lcSave).noquote() << "Removed" << removed
                                 << "temporary file(s) left by an interrupted save";
    return removed;
}

} // namespace tapalong
