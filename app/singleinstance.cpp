#include "app/singleinstance.h"

#include "app/applog.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {

constexpr int handOverTimeoutMs = 2000;
const QByteArray activateRequest = QByteArrayLiteral("activate\n");

QString runtimeFolder(const QString &folder)
{
    return folder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) : folder;
}

} // namespace

SingleInstance::SingleInstance(const QString &folder, QObject *parent)
    : QObject(parent)
    , lockPath(QDir(runtimeFolder(folder)).filePath(QStringLiteral("ulvo-connect.lock")))
    , socketPath(QDir(runtimeFolder(folder)).filePath(QStringLiteral("ulvo-connect.socket")))
    , lock(lockPath)
{
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::claim()
{
    // The lock decides; the socket only carries the request. A lock left by a crashed instance
    // is recognised as stale by its process id and taken over.
    if (lock.tryLock(0)) {
        QLocalServer::removeServer(socketPath); // left behind by a crashed instance
        server = std::make_unique<QLocalServer>();
        server->setSocketOptions(QLocalServer::UserAccessOption);
        connect(server.get(), &QLocalServer::newConnection, this, &SingleInstance::onConnection);
        if (!server->listen(socketPath))
            qCWarning(lcApp) << "Cannot listen on" << socketPath << server->errorString();
        return true;
    }
    qCDebug(lcApp) << "Already running: asking it to show its window";
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (socket.waitForConnected(handOverTimeoutMs)) {
        socket.write(activateRequest);
        socket.waitForBytesWritten(handOverTimeoutMs);
        socket.disconnectFromServer();
    }
    return false;
}

void SingleInstance::onConnection()
{
    while (QLocalSocket *socket = server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->readAll().contains(activateRequest.trimmed()))
                emit activationRequested();
        });
    }
}
