#pragma once

#include "link/fileoutcome.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <QSerialPortInfo>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <memory>
#include <mutex>

struct TransferProgress;
class CUlvoCalc;
class CancelToken;

// One attached calculator: its port and the name and file list last read from it. Every
// operation, the first contact included, opens a link of its own for its one exchange and closes
// it again, so no port stays open between operations. An operation runs on the thread the
// session moved the worker to; the worker moves itself back to the main thread before it emits
// finished().
class CUlvoWorker : public QObject
{
    Q_OBJECT
public:
    using FileInf = QPair<QString, int>;
    using SendPair = QPair<QString, QString>;
    // A calculator's files as listed, and the names the listing had to leave out.
    struct Listing {
        QList<FileInf> files;
        QStringList leftOut;
    };

    // Contacts nobody: the calculator's name and files are read by firstContact().
    explicit CUlvoWorker(QSerialPortInfo portInfo, QObject *parent = nullptr);
    ~CUlvoWorker() override;

    QString getDeviceName() const;
    QString getPortName() const;
    QList<FileInf> getFilesInfo() const;
    // The cached listing's entry of that name, ignoring case as the calculator does.
    bool hasFile(const QString &name) const;
    FileInf fileNamed(const QString &name) const;
    // The local files the last download wrote, in request order.
    QList<QUrl> getDownloadedUrls() const;
    // Files the last listing left out because their names cannot be read, named for the user.
    QStringList getLeftOutFiles() const;
    // Set by firstContact(): why the port could not be opened, in words for the user (empty when
    // it opened); and whether it could not, so a later poll may try again.
    QString getOpenFailure() const;
    bool isUnreachable() const;
    // Asks the running operation to stop at its next frame or file; safe from any thread.
    void requestCancel();
    // Before an operation starts: no stop requested, no error yet.
    void clearCancel();
    // The last error this worker's current (or last) operation reported; empty when none did.
    // Errors of other calculators never land here, so an end text can rest on it alone.
    QString operationError() const;

    // Inputs of the operations, written by the session while no operation of this worker runs.
    QList<SendPair> sendFilesList;
    QList<FileInf> filesList;
    QString destFolder;
    QString newDeviceName;
    QUrl backupUrl;
    QString editFileName;
    QString editFileData;
    // Result of the last send or delete: what happened to each file. Written on the operation's
    // thread before finished(), read by the session after it.
    QList<FileOutcome> outcomes;
    // Whether delete and restore first keep a safety copy of what they erase (on by default).
    bool makeSafetyCopy = true;
    // Result of the last delete or restore: the safety copy it kept; empty when none was made.
    QString safetyCopyPath;

signals:
    void fileForEditRecv(QString fileName, QString fileData);
    void backupLoaded(QString fileName);
    void finished();
    void errorNotify(QString errorText);
    // The link's progress, emitted on the operation's thread.
    void progress(TransferProgress state);

public slots:
    // Reads the calculator's name and file list; reports nothing through errorNotify (a
    // calculator that does not answer is listed anyway).
    void firstContact();
    void sendFiles();
    void getFiles();
    void delFiles();
    void setDeviceName();
    void getFileForEdit();
    void sendFileFromEdit();
    void createBackup();
    void restoreBackup();

private:
    void setCachedName(const QString &name);
    // Keeps the file list read at the end of an operation.
    void cacheListing(const Listing &listing);
    // Moves the worker back to the main thread and announces the end of the operation.
    void finishOperation();
    // The calculator's name for the safety copy's file name.
    QString copyName(const QString &linkName) const;

    const QSerialPortInfo port;
    // deviceName and filesInfo are written by an operation thread and read on the main thread.
    // A std::mutex, since ThreadSanitizer sees its every lock; a contended QMutex waits inside
    // Qt, which is not built for the sanitizer, and its hand-over would look like a race.
    mutable std::mutex cacheMutex;
    QString deviceName;
    QList<FileInf> filesInfo;
    QStringList leftOutFiles;
    QList<QUrl> downloadedUrls;
    QString openFailure;
    QString lastOperationError;
    bool unreachable = false;
    const std::shared_ptr<CancelToken> cancelToken;
};
