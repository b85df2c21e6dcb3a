// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// One running Tapalong per save folder. Two would each hold their own copy of the household
// and overwrite each other's progress with every save, so a second start asks the first to
// show its window and leaves.
#pragma once

#include <QList>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QObject>
#include <QPointer>
#include <QString>

namespace tapalong {

class SingleInstance : public QObject {
    Q_OBJECT

public:
    // What the running one told a second start.
    enum class Answer {
        none,     // nothing: it did not answer in time
        heard,    // it heard, and said no more
        shown,    // its window is in front
        notShown, // the desktop kept its window where it was
    };

    // `folder` is the save file's folder; the lock is kept beside the file.
    explicit SingleInstance(const QString &folder, QObject *parent = nullptr);

    // True when this process now holds the folder, also when it takes over the lock of one that
    // crashed or a lock file that names no one (empty or garbled), or when the folder cannot be
    // locked at all (the save file then reports its own trouble). False while another running
    // Tapalong holds it.
    bool claim();
    // Gives the folder up before this object goes: for an exit that skips destructors.
    void release();
    // From a second start: asks the running one to show its window, handing over the token
    // with which the desktop lets a program it started bring a window forward (a Wayland
    // compositor's xdg-activation token, from XDG_ACTIVATION_TOKEN; empty when none).
    Answer askRunningToShow(const QString &activationToken = {}) const;
    // From the running one, after showRequested: tells every start that asked since whether
    // the window came forward.
    void answerShow(bool shown);

signals:
    void showRequested(const QString &activationToken);

private:
    // True when the lock file holds no process id, host and name that can be read.
    bool namesNoOwner() const;

    QString m_folder;
    QString m_serverName;
    QLockFile m_lock;
    QLocalServer m_server;
    QList<QPointer<QLocalSocket>> m_asking;
};

} // namespace tapalong
