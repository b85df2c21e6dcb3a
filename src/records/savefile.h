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

    // Creates the folder first, every time. Never writes the file.
    LoadResult load();

    // Replaces the file atomically, readable by its owner only. An unreadable file found by
    // load() is first copied aside, once; if that copy fails nothing is written. Returns
    // whether the new content is on disk.
    bool save(const AppData &data);

private:
    void makeFolder() const;
    bool copyUnreadableAside() const;

    QString path_;
    const Clock *clock_;
    bool keepUnreadable_ = false;
};

} // namespace tapalong
