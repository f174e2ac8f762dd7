#include "session/culvoworker.h"

#include "link/backuparchivecheck.h"
#include "link/culvocalc.h"
#include "link/linktexts.h"
#include "link/ziparchive.h"
#include "safety/safetycopymaker.h"
#include "session/portaccess.h"

#include <QCoreApplication>
#include <QSet>
#include <QThread>

#include <utility>

namespace {

// The link of one operation: opened on the operation's thread, its errors relayed by the worker
// while it lives, released (port closed) when the operation's scope ends.
class OperationLink
{
public:
    OperationLink(const QSerialPortInfo &port, CUlvoWorker *worker)
        : link(port, worker)
        , worker(worker)
        , relay(QObject::connect(&link, &CUlvoCalc::errorNotify, worker,
                                 [this](const QString &text) {
                                     if (relisting)
                                         heldDuringListing.append(text);
                                     else
                                         pass(text);
                                 }))
        , progress(QObject::connect(&link, &CUlvoCalc::progress, worker,
                                    [this, worker](TransferProgress state) {
                                        if (inSafetyCopy)
                                            state.phase = TransferProgress::Phase::SafetyCopy;
                                        emit worker->progress(state);
                                    }))
    {
    }
    OperationLink(const QSerialPortInfo &port, CUlvoWorker *worker, std::shared_ptr<const CancelToken> cancel)
        : OperationLink(port, worker)
    {
        link.setCancelToken(std::move(cancel));
    }
    ~OperationLink()
    {
        QObject::disconnect(relay);
        QObject::disconnect(progress);
    }
    CUlvoCalc *operator->() { return &link; }
    CUlvoCalc &get() { return link; }
    // The listing that ends an operation. A file whose name cannot be read is told by the
    // listing's own notice, not as a failure of the operation that has just succeeded; the link's
    // other reports meanwhile are passed on. The notices are told apart by the very texts the
    // link made for the names it left out, whatever language those are in.
    CUlvoWorker::Listing relist()
    {
        relisting = true;
        CUlvoWorker::Listing listing {link.getFilesInfo(), link.leftOutFiles()};
        relisting = false;
        QSet<QString> notices;
        for (const QString &name : qAsConst(listing.leftOut))
            notices.insert(LinkTexts::invalidFileName(name));
        for (const QString &text : std::exchange(heldDuringListing, {})) {
            if (!notices.contains(text))
                pass(text);
        }
        return listing;
    }
    CUlvoCalc &operator*() { return link; }
    // Whether the link has reported an error during this operation.
    bool hasReported() const { return reported; }
    // While set, the link's progress is shown as the safety copy's phase.
    bool inSafetyCopy = false;

private:
    void pass(const QString &text)
    {
        reported = true;
        emit worker->errorNotify(text);
    }

    CUlvoCalc link;
    CUlvoWorker *const worker;
    bool reported = false;
    bool relisting = false;
    QStringList heldDuringListing;
    QMetaObject::Connection relay;
    QMetaObject::Connection progress;
};

} // namespace

CUlvoWorker::CUlvoWorker(QSerialPortInfo portInfo, QObject *parent)
    : QObject(parent)
    , port(std::move(portInfo))
    , cancelToken(std::make_shared<CancelToken>())
{
    // Recorded on the operation's thread as each error leaves the worker; read after finished().
    connect(this, &CUlvoWorker::errorNotify, this, [this](const QString &text) {
        const std::lock_guard<std::mutex> lock(cacheMutex);
        lastOperationError = text;
    }, Qt::DirectConnection);
}

void CUlvoWorker::requestCancel()
{
    cancelToken->request();
}

void CUlvoWorker::clearCancel()
{
    cancelToken->reset();
    const std::lock_guard<std::mutex> lock(cacheMutex);
    lastOperationError.clear();
}

QString CUlvoWorker::operationError() const
{
    const std::lock_guard<std::mutex> lock(cacheMutex);
    return lastOperationError;
}

CUlvoWorker::~CUlvoWorker() = default;

void CUlvoWorker::firstContact()
{
    {
        // When the calculator did not answer the device information, asking for its files would
        // only add a second full wait.
        CUlvoCalc link(this);
        const bool answered = link.initialize(port);
        const bool opened = link.isOpen();
        const QList<FileInf> files = answered ? link.getFilesInfo() : QList<FileInf>();
        const QString failure = opened ? QString() : describePortOpenFailure(port);
        const std::lock_guard<std::mutex> lock(cacheMutex);
        deviceName = link.getName();
        filesInfo = files;
        leftOutFiles = link.leftOutFiles();
        openFailure = failure;
        unreachable = !opened;
    }
    finishOperation();
}

QString CUlvoWorker::getDeviceName() const
{
    const std::lock_guard<std::mutex> lock(cacheMutex);
    return deviceName;
}

QList<QUrl> CUlvoWorker::getDownloadedUrls() const
{
    const std::lock_guard<std::mutex> lock(cacheMutex);
    return downloadedUrls;
}

QStringList CUlvoWorker::getLeftOutFiles() const
{
    const std::lock_guard<std::mutex> lock(cacheMutex);
    return leftOutFiles;
}

QString CUlvoWorker::getOpenFailure() const
{
    const std::lock_guard<std::mutex> lock(cacheMutex);
    return openFailure;
}

bool CUlvoWorker::isUnreachable() const
{
    const std::lock_guard<std::mutex> lock(cacheMutex);
    return unreachable;
}

QString CUlvoWorker::getPortName() const
{
    return port.portName();
}

QList<CUlvoWorker::FileInf> CUlvoWorker::getFilesInfo() const
{
    const std::lock_guard<std::mutex> lock(cacheMutex);
    return filesInfo;
}

bool CUlvoWorker::hasFile(const QString &name) const
{
    return !fileNamed(name).first.isEmpty();
}

CUlvoWorker::FileInf CUlvoWorker::fileNamed(const QString &name) const
{
    const std::lock_guard<std::mutex> lock(cacheMutex);
    for (const FileInf &file : qAsConst(filesInfo)) {
        if (file.first.compare(name, Qt::CaseInsensitive) == 0)
            return file;
    }
    return {};
}

void CUlvoWorker::setCachedName(const QString &name)
{
    const std::lock_guard<std::mutex> lock(cacheMutex);
    deviceName = name;
}

void CUlvoWorker::cacheListing(const Listing &listing)
{
    const std::lock_guard<std::mutex> lock(cacheMutex);
    filesInfo = listing.files;
    leftOutFiles = listing.leftOut;
}

void CUlvoWorker::finishOperation()
{
    // The link is gone by now, so its port is closed before anyone learns of the end.
    if (QCoreApplication *app = QCoreApplication::instance())
        moveToThread(app->thread());
    emit finished();
}

void CUlvoWorker::sendFiles()
{
    {
        OperationLink link(port, this, cancelToken);
        outcomes = link->sendFileBatch(sendFilesList);
        cacheListing(link.relist());
    }
    finishOperation();
}

void CUlvoWorker::getFiles()
{
    {
        OperationLink link(port, this, cancelToken);
        const QList<QUrl> written = link->genGetFilesRequest(filesList, destFolder);
        const std::lock_guard<std::mutex> lock(cacheMutex);
        downloadedUrls = written;
    }
    finishOperation();
}

QString CUlvoWorker::copyName(const QString &linkName) const
{
    return linkName.isEmpty() ? port.portName() : linkName;
}

void CUlvoWorker::delFiles()
{
    safetyCopyPath.clear();
    {
        OperationLink link(port, this);
        bool goAhead = true;
        if (makeSafetyCopy) {
            link.inSafetyCopy = true;
            SafetyCopies store;
            const SafetyCopyResult copy = copyBeforeDelete(*link, store, copyName(link->getName()), filesList);
            link.inSafetyCopy = false;
            safetyCopyPath = copy.path;
            if (copy.outcome == SafetyCopyResult::Outcome::Failed) {
                //: %1 says why the safety copy failed.
                emit errorNotify(tr("No safety copy could be made, so nothing was deleted: %1").arg(copy.failure));
                goAhead = false;
            }
        }
        if (goAhead)
            outcomes = link->deleteFileBatch(filesList);
        else
            outcomes.clear();
        cacheListing(link.relist());
    }
    finishOperation();
}

void CUlvoWorker::setDeviceName()
{
    {
        OperationLink link(port, this);
        // The link reports no text when the calculator merely refuses the name; a refusal must
        // not end as a success.
        if (!link->setDeviceName(newDeviceName) && !link.hasReported())
            emit errorNotify(tr("Calculator name was not changed"));
        setCachedName(link->getName());
    }
    finishOperation();
}

void CUlvoWorker::getFileForEdit()
{
    {
        OperationLink link(port, this, cancelToken);
        const QPair<QString, QString> file = link->genGetFileString(filesList.value(0));
        // A stopped opening opens nothing.
        if (!link->wasCancelled())
            emit fileForEditRecv(file.first, file.second);
    }
    finishOperation();
}

void CUlvoWorker::sendFileFromEdit()
{
    {
        OperationLink link(port, this, cancelToken);
        link->genSendFileString(editFileName, editFileData);
        cacheListing(link.relist());
    }
    finishOperation();
}

void CUlvoWorker::createBackup()
{
    {
        OperationLink link(port, this, cancelToken);
        if (const std::optional<QString> path = link->createBackup())
            emit backupLoaded(*path);
    }
    finishOperation();
}

void CUlvoWorker::restoreBackup()
{
    safetyCopyPath.clear();
    {
        OperationLink link(port, this, cancelToken);
        // An archive the restore would refuse anyway is refused before anything is copied.
        ZipArchive chosen;
        const bool usable = checkBackupArchive(chosen, backupUrl.toLocalFile()).isEmpty();
        chosen.close();
        bool goAhead = true;
        if (makeSafetyCopy && usable) {
            link.inSafetyCopy = true;
            SafetyCopies store;
            const SafetyCopyResult copy = copyBeforeRestore(*link, store, copyName(link->getName()));
            link.inSafetyCopy = false;
            safetyCopyPath = copy.path;
            if (copy.outcome == SafetyCopyResult::Outcome::Cancelled) {
                goAhead = false;
            } else if (copy.outcome == SafetyCopyResult::Outcome::Failed) {
                //: %1 says why the safety copy failed.
                emit errorNotify(
                    tr("No safety copy could be made, so the restore did not start: %1").arg(copy.failure));
                goAhead = false;
            }
        }
        if (goAhead) {
            link->restoreBackup(backupUrl);
            cacheListing(link.relist());
        }
    }
    finishOperation();
}
