// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

#include <utility>

namespace tapalong {

namespace {

// The running one takes up to half a second to see whether its window came forward.
constexpr int answerTimeoutMs = 2000;
constexpr qint64 maxRequestBytes = 4096;
constexpr char shownReply[] = "shown\n";
constexpr char notShownReply[] = "not shown\n";
constexpr unsigned long garbledLockGraceMs = 300;

// The socket lives in the user's runtime folder (private to them) when there is one; its name
// follows the save folder, so a test's throwaway home never meets the real program.
QString serverNameFor(const QString &folder)
{
    const QByteArray hash =
        QCryptographicHash::hash(QDir(folder).absolutePath().toUtf8(), QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    const QString name = QStringLiteral("tapalong-") + QString::fromLatin1(hash);
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? name : runtime + QLatin1Char('/') + name;
}

} // namespace

SingleInstance::SingleInstance(const QString &folder, QObject *parent)
    : QObject(parent), m_folder(folder), m_serverName(serverNameFor(folder)),
      m_lock(QDir(folder).filePath(QStringLiteral("tapalong.lock")))
{
    // Held for the whole run; a lock whose owner has died is recognised by its process id.
    m_lock.setStaleLockTime(0);
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            // The asker sends one line, its activation token, and waits for the answer.
            const auto readRequest = [this, socket] {
                if (!socket->canReadLine()) {
                    if (socket->bytesAvailable() > maxRequestBytes)
                        socket->abort();
                    return;
                }
                disconnect(socket, &QLocalSocket::readyRead, this, nullptr);
                const QString token =
                    QString::fromUtf8(socket->readLine(maxRequestBytes).trimmed());
                m_asking.append(socket);
                emit showRequested(token);
            };
            connect(socket, &QLocalSocket::readyRead, this, readRequest);
            readRequest();
        }
    });
}

bool SingleInstance::namesNoOwner() const
{
    qint64 pid = 0;
    QString host;
    QString app;
    return !m_lock.getLockInfo(&pid, &host, &app);
}

bool SingleInstance::claim()
{
    QDir().mkpath(m_folder);
    if (!m_lock.tryLock(0) && m_lock.error() == QLockFile::LockFailedError && namesNoOwner()) {
        // An empty or garbled lock (a full disk, a crash while it was written) names no live
        // Tapalong, yet QLockFile would keep it forever. A starting Tapalong writes its own
        // within moments, so look twice before taking over; the second lock keeps two starts
        // from both taking over at once.
        QThread::msleep(garbledLockGraceMs);
        QLockFile takeover(m_lock.fileName() + QStringLiteral(".rmlock"));
        if (namesNoOwner() && takeover.tryLock(0) && namesNoOwner())
            m_lock.removeStaleLockFile();
    }
    if (!m_lock.isLocked() && !m_lock.tryLock(0))
        return m_lock.error() != QLockFile::LockFailedError;
    // A socket left by a crashed run is ours to replace now that we hold the lock.
    QLocalServer::removeServer(m_serverName);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    m_server.listen(m_serverName); // without it a second start just leaves, unheard
    return true;
}

void SingleInstance::release()
{
    m_server.close();
    m_lock.unlock();
}

SingleInstance::Answer SingleInstance::askRunningToShow(const QString &activationToken) const
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(answerTimeoutMs))
        return Answer::none;
    QByteArray request = activationToken.toUtf8();
    request.replace('\n', QByteArray());
    socket.write(request + '\n');
    QByteArray reply;
    while (!reply.contains('\n') &&
           (socket.bytesAvailable() > 0 || socket.waitForReadyRead(answerTimeoutMs)))
        reply += socket.readAll();
    reply += socket.readAll();
    if (reply.startsWith(shownReply))
        return Answer::shown;
    if (reply.startsWith(notShownReply))
        return Answer::notShown;
    // An older Tapalong answers by closing the connection once it has heard.
    return socket.state() == QLocalSocket::UnconnectedState ? Answer::heard : Answer::none;
}

void SingleInstance::answerShow(bool shown)
{
    for (const QPointer<QLocalSocket> &socket : std::exchange(m_asking, {})) {
        if (!socket)
            continue;
        socket->write(shown ? shownReply : notShownReply);
        socket->disconnectFromServer(); // once written
    }
}

} // namespace tapalong
