#include "app/singleinstance.h"

#include "app/applog.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QUrl>

namespace {

constexpr int handOverTimeoutMs = 2000;
// Requests are lines: "activate", or "open " and the file's URL (encoded, so without line ends).
// Anyone of the same user may connect; a request is no longer than a long path's URL.
constexpr int maxRequestSize = 64 * 1024;
const QByteArray activateRequest = QByteArrayLiteral("activate");
const QByteArray openRequest = QByteArrayLiteral("open ");

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

bool SingleInstance::claim(const QString &programFile)
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
        QByteArray request = activateRequest + '\n';
        if (!programFile.isEmpty())
            request += openRequest + QUrl::fromLocalFile(programFile).toEncoded() + '\n';
        socket.write(request);
        socket.waitForBytesWritten(handOverTimeoutMs);
        socket.disconnectFromServer();
    }
    return false;
}

void SingleInstance::onConnection()
{
    while (QLocalSocket *socket = server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // Whole lines only: a request may arrive in pieces.
        auto pending = std::make_shared<QByteArray>();
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, pending] {
            pending->append(socket->readAll());
            if (pending->size() > maxRequestSize) {
                qCWarning(lcApp) << "Dropping an oversized request";
                pending->clear();
                socket->abort();
                return;
            }
            for (int end = pending->indexOf('\n'); end >= 0; end = pending->indexOf('\n')) {
                const QByteArray line = pending->left(end);
                pending->remove(0, end + 1);
                onRequest(line);
            }
        });
    }
}

void SingleInstance::onRequest(const QByteArray &request)
{
    if (request == activateRequest) {
        emit activationRequested();
        return;
    }
    if (request.startsWith(openRequest)) {
        const QUrl url = QUrl::fromEncoded(request.mid(openRequest.size()), QUrl::StrictMode);
        if (url.isValid() && url.isLocalFile())
            emit openRequested(url.toLocalFile());
        return;
    }
    qCDebug(lcApp) << "Ignoring an unknown request";
}
