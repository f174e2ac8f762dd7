#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;

// One running instance per logged-in user. The first start holds a lock file and listens on a
// local socket, both in the user's runtime folder; a later start finds the lock taken, asks the
// running instance to come to the front (and to open the program file it was given) and is then
// meant to exit.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    // An empty folder means the user's runtime folder (XDG_RUNTIME_DIR).
    explicit SingleInstance(const QString &folder = QString(), QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when this is the only instance; otherwise the running one has been asked to show
    // itself and to open programFile (an absolute path) when one is given.
    bool claim(const QString &programFile = QString());

signals:
    // Another start asked this instance to bring its window to the front.
    void activationRequested();
    // Another start was given this program file to open.
    void openRequested(const QString &filePath);

private:
    void onConnection();
    void onRequest(const QByteArray &request);

    QString lockPath;
    QString socketPath;
    QLockFile lock;
    std::unique_ptr<QLocalServer> server;
};
