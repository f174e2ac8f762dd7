#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;

// One running instance per logged-in user. The first start holds a lock file and listens on a
// local socket, both in the user's runtime folder; a later start finds the lock taken, asks the
// running instance to come to the front and is then meant to exit.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    // An empty folder means the user's runtime folder (XDG_RUNTIME_DIR).
    explicit SingleInstance(const QString &folder = QString(), QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when this is the only instance; otherwise the running one has been asked to show
    // itself.
    bool claim();

signals:
    // Another start asked this instance to bring its window to the front.
    void activationRequested();

private:
    void onConnection();

    QString lockPath;
    QString socketPath;
    QLockFile lock;
    std::unique_ptr<QLocalServer> server;
};
