// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// The one JSON file that holds AppData between runs: where it lives, reading it, replacing it.
#pragma once

#include "records.h"

#include <QString>

namespace tapalong {

class SaveFile {
public:
    enum class LoadOutcome { missing, unreadable, loaded };
    struct LoadResult {
        LoadOutcome outcome = LoadOutcome::missing;
        AppData data; // the file's content when loaded, the defaults otherwise
    };

    // A larger file is treated as unreadable without being read into memory.
    static constexpr qint64 maxFileSize = 16 * 1024 * 1024;

    // The clock names the copy of an unreadable file; it must outlive this object.
    explicit SaveFile(QString path);
    SaveFile(QString path, const Clock &clock);

    // tapalong.json in the per-user application data folder; ~/.tapalong when the platform
    // reports no such folder.
    static QString defaultPath();

    QString path() const { return path_; }

    // Creates the folder first, every time. Never writes the file. A symbolic link counts as
    // unreadable unless it leads to a regular file of this user's own.
    LoadResult load();

    // Replaces the file atomically, readable by its owner only. An unreadable file found by
    // load(), or a link that may not be followed, is first renamed aside, once; if that fails
    // nothing is written. Returns whether the new content is on disk. Safe to call from any one
    // thread at a time.
    bool save(const AppData &data);

    // Why the last save() failed, in one plain sentence; empty after a success.
    QString problem() const { return problem_; }

    // Removes the temporary files a run killed while saving leaves beside the file (QSaveFile
    // names them tapalong.json.XXXXXX). Only for the one process that holds the folder's lock.
    // Returns how many went.
    int removeLeftovers() const;

private:
    void makeFolder() const;
    bool moveUnreadableAside();
    // `reason` is English, marked for translation, with %1 standing for `detail` if given: the
    // log keeps the English, problem() the user's language.
    bool fail(const char *reason, const QString &detail = QString());

    QString path_;
    const Clock *clock_;
    bool keepUnreadable_ = false;
    QString problem_;
};

} // namespace tapalong
