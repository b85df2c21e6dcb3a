// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "savewriter.h"

#include <utility>

namespace tapalong {

SaveWriter::SaveWriter(std::unique_ptr<Storage> storage, Thread thread, QObject *parent)
    : QObject(parent), m_storage(std::move(storage))
{
    if (thread == Thread::worker)
        m_thread = std::thread([this] { run(); });
}

SaveWriter::~SaveWriter()
{
    if (!m_thread.joinable())
        return;
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

void SaveWriter::submit(AppData snapshot)
{
    if (!m_thread.joinable()) {
        const bool ok = m_storage->save(snapshot);
        emit written(ok, ok ? QString() : m_storage->problem());
        return;
    }
    {
        const std::lock_guard lock(m_mutex);
        m_pending = std::move(snapshot);
    }
    m_wake.notify_one();
}

void SaveWriter::flush()
{
    if (!m_thread.joinable())
        return;
    {
        std::unique_lock lock(m_mutex);
        m_idle.wait(lock, [this] { return !m_pending && !m_busy; });
    }
    deliver();
}

void SaveWriter::run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_pending || m_stopping; });
        if (!m_pending)
            return; // stopping, and everything is written
        const AppData snapshot = std::move(*m_pending);
        m_pending.reset();
        m_busy = true;
        lock.unlock();

        const bool ok = m_storage->save(snapshot);
        const QString problem = ok ? QString() : m_storage->problem();

        lock.lock();
        m_busy = false;
        m_lastOk = ok;
        m_lastProblem = problem;
        ++m_done;
        m_idle.notify_all();
        // Dropped unread if this object is gone by then.
        QMetaObject::invokeMethod(this, &SaveWriter::deliver, Qt::QueuedConnection);
    }
}

void SaveWriter::deliver()
{
    bool ok = true;
    QString problem;
    {
        const std::lock_guard lock(m_mutex);
        if (m_delivered == m_done)
            return;
        m_delivered = m_done;
        ok = m_lastOk;
        problem = m_lastProblem;
    }
    emit written(ok, problem);
}

} // namespace tapalong
