// Downloading files from the calculator, and splitting local file URLs.

#include "session/culvocalcsession.h"

#include "link/plainfilename.h"
#include "models/ulvofilemodel.h"
#include "session/culvoworker.h"

#include <QDir>

void CUlvoCalcSession::addSelected(int row)
{
    const FileInf file = fileModel->getFileInfAt(row);
    if (file.first.isEmpty() && file.second == 0)
        return;
    selectedFiles.append(file);
}

void CUlvoCalcSession::fromCalcUrls(bool checkCollision, QUrl destFolder)
{
    downloadCollisions.clear();
    filesToDownload.clear();
    downloadFolder = destFolder.toLocalFile();
    const QDir folder(downloadFolder);
    // A collect writes into a new folder per calculator: nothing there to collide with.
    if (isClassSelected())
        checkCollision = false;
    for (const FileInf &file : qAsConst(selectedFiles)) {
        if (checkCollision && folder.exists(file.first))
            downloadCollisions.append(file);
        else
            filesToDownload.append(file);
    }
    selectedFiles.clear();
}

bool CUlvoCalcSession::isFromCalcCollision()
{
    return !downloadCollisions.isEmpty();
}

QString CUlvoCalcSession::collisionFromCalcFileName()
{
    if (downloadCollisions.isEmpty())
        return QString();
    return QUrl::fromLocalFile(downloadCollisions.first().first).fileName(QUrl::FullyDecoded);
}

void CUlvoCalcSession::releaseFromCalcCollision(bool replace)
{
    if (downloadCollisions.isEmpty())
        return;
    const FileInf collision = downloadCollisions.takeFirst();
    if (replace)
        filesToDownload.append(collision);
}

QList<QUrl> CUlvoCalcSession::downloadFiles()
{
    clearPendingError();
    if (isClassSelected())
        return collectFromClass();
    CUlvoWorker *worker = selectedWorker();
    if (!worker || refuseWhenWorkerRunning(worker))
        return {};
    worker->filesList = filesToDownload;
    worker->destFolder = downloadFolder;
    startOperation(worker, &CUlvoWorker::getFiles, &CUlvoCalcSession::onDownloadFinished,
                   &CUlvoCalcSession::onDownloadFilesEnd);

    // Only files the link will write are named: it keeps the calculator name as the local name
    // and refuses names that are no plain file name; an empty calculator file arrives empty.
    QList<QUrl> urls;
    for (const FileInf &file : qAsConst(filesToDownload)) {
        if (isPlainFileName(file.first))
            urls.append(QUrl::fromLocalFile(downloadFolder + QLatin1Char('/') + file.first));
    }
    promisedDownloads.insert(worker, urls);
    return urls;
}

void CUlvoCalcSession::onDownloadFinished()
{
    // Reached whether the download completed, failed or was stopped.
    auto *worker = qobject_cast<CUlvoWorker *>(sender());
    if (worker)
        emit downloadEnded(promisedDownloads.take(worker), worker->getDownloadedUrls());
}

QString CUlvoCalcSession::fileNameFromUrl(QUrl fileUrl)
{
    return fileUrl.fileName(QUrl::FullyDecoded);
}

QString CUlvoCalcSession::fileDirFromUrl(QUrl fileUrl)
{
    const QString path = fileUrl.toLocalFile();
    return path.left(path.size() - fileNameFromUrl(fileUrl).size());
}
