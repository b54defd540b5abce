#include "single_instance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace {
const QByteArray kActivate = "activate\n";
const QByteArray kDone = "done\n";
} // namespace

SingleInstance::SingleInstance(QString folder, QObject *parent)
    : QObject(parent)
    , m_folder(folder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)
                                : std::move(folder))
{
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *connection = m_server.nextPendingConnection())
            answer(connection);
    });
}

bool SingleInstance::acquire()
{
    QDir().mkpath(m_folder);
    m_lock = std::make_unique<QLockFile>(m_folder + QStringLiteral("/TovrelUI.lock"));
    // Only a dead owner makes the lock stale, never its age: a copy may run for weeks.
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0))
        return false;
    // Holding the lock, a socket file left over is a dead copy's.
    QLocalServer::removeServer(socketPath());
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    m_server.listen(socketPath());
    return true;
}

void SingleInstance::answer(QLocalSocket *connection)
{
    connection->setParent(this);
    connect(connection, &QLocalSocket::disconnected, connection, &QObject::deleteLater);
    connect(connection, &QLocalSocket::readyRead, connection, [this, connection] {
        if (!connection->canReadLine())
            return;
        if (connection->readLine() == kActivate)
            Q_EMIT activationRequested();
        connection->write(kDone);
        connection->flush();
        connection->disconnectFromServer();
    });
}

bool SingleInstance::activateRunning(int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    // The running copy may hold the lock a moment before it listens.
    for (;;) {
        socket.connectToServer(socketPath());
        if (socket.waitForConnected(int(qMax<qint64>(1, deadline.remainingTime()))))
            break;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(50);
    }
    socket.write(kActivate);
    if (!socket.waitForBytesWritten(int(qMax<qint64>(1, deadline.remainingTime()))))
        return false;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime()))))
            return false;
    }
    return socket.readLine() == kDone;
}
