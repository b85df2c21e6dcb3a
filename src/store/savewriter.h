// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Writes the store's snapshots off the thread that draws, in order, newest first to go.
#pragma once

#include "records.h"
#include "savefile.h"

#include <QCoreApplication>
#include <QObject>
#include <QString>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace tapalong {

// Where the store keeps its data between runs: the save file, or a wrapper a test can watch.
// save() runs on the writer's thread, one call at a time.
class Storage {
public:
    virtual ~Storage() = default;
    virtual SaveFile::LoadResult load() = 0;
    virtual bool save(const AppData &data) = 0;
    // Why the last save() failed, in one plain sentence.
    virtual QString problem() const
    {
        return QCoreApplication::translate("SaveFile", "the file could not be written");
    }
};

class SaveWriter : public QObject {
    Q_OBJECT

public:
    // `worker` writes on a thread of its own; `caller` writes inside submit(), for tests that
    // count writes.
    enum class Thread { worker, caller };

    explicit SaveWriter(std::unique_ptr<Storage> storage, Thread thread = Thread::worker,
                        QObject *parent = nullptr);
    // Writes what is still waiting first.
    ~SaveWriter() override;

    // On the caller's thread; before the first submit().
    SaveFile::LoadResult load() { return m_storage->load(); }

    // Hands over a snapshot (AppData shares its lists, so this is cheap and the store may
    // change its own copy at once). A snapshot still waiting is dropped for the newer one: only
    // the newest state matters, and the disk never goes back to an older one.
    void submit(AppData snapshot);
    // Returns once nothing waits or is being written; written() has then been emitted for the
    // last write, if it had not been already.
    void flush();

signals:
    // The outcome of the newest write done, on the thread this object lives in. An older
    // outcome overtaken by a newer write is not reported.
    void written(bool ok, const QString &problem);

private:
    void run();
    void deliver();

    std::unique_ptr<Storage> m_storage;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::optional<AppData> m_pending;
    bool m_busy = false;
    bool m_stopping = false;
    quint64 m_done = 0;      // writes finished
    quint64 m_delivered = 0; // of those, the last reported
    bool m_lastOk = true;
    QString m_lastProblem;
    std::thread m_thread; // last: starts once everything above exists
};

} // namespace tapalong
