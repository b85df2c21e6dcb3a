// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Turns SIGTERM, SIGINT and SIGHUP (logout, shutdown, Ctrl+C, a closed terminal) into an
// ordinary quit through the event loop, so that the last save still runs.
#pragma once

#include <QObject>
#include <QSocketNotifier>

#include <memory>

namespace tapalong {

class QuitSignals : public QObject {
    Q_OBJECT

public:
    // One at a time: the handlers write to this object's pipe. Each signal asks again, which a
    // quit that is under way ignores; the default action comes back once this object is gone.
    explicit QuitSignals(QObject *parent = nullptr);
    ~QuitSignals() override;

signals:
    void quitRequested(int signal);

private:
    int m_pipe[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace tapalong
