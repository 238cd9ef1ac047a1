#include "platform/singleinstance.h"

#include "platform/filesync.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

SingleInstance::SingleInstance(const QString &lockFolder, QObject *parent)
    : QObject(parent)
    , m_lock(lockFolder + QStringLiteral("/Quillarren.lock"))
{
    QDir().mkpath(lockFolder);
    const QByteArray hash = QCryptographicHash::hash(QDir(lockFolder).absolutePath().toUtf8(),
                                                     QCryptographicHash::Sha1).toHex().left(16);
    m_serverName = QStringLiteral("quillarren-") + QString::fromLatin1(hash);
    m_lock.setStaleLockTime(0);   // a lock whose process is gone is stale at once
}

SingleInstance::~SingleInstance()
{
    if (m_server)
        m_server->close();
}

bool SingleInstance::acquire()
{
    if (!m_lock.tryLock(100))
        return false;
    FileSync::makePrivateFile(m_lock.fileName());
    m_server = new QLocalServer(this);
    QLocalServer::removeServer(m_serverName);
    m_server->listen(m_serverName);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            emit raiseRequested();
            socket->disconnectFromServer();
        }
    });
    return true;
}

bool SingleInstance::signalRunning()
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(1000))
        return false;
    socket.write("raise\n");
    socket.waitForBytesWritten(1000);
    return true;
}
