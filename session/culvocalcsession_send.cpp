// Sending files to the calculator: sorting local files by collision kind and starting the upload.

#include "session/culvocalcsession.h"

#include "link/culvocalc.h"
#include "models/ulvofilemodel.h"
#include "session/culvoworker.h"

#include <QFile>

#include <algorithm>

bool CUlvoCalcSession::isFileExist(QString name)
{
    return fileModel->isFileExist(name);
}

bool CUlvoCalcSession::isFileWillBeSend(QString name)
{
    const QString upper = name.toUpper();
    return std::any_of(filesToSend.cbegin(), filesToSend.cend(),
                       [&](const SendPair &file) { return file.second.toUpper() == upper; });
}

bool CUlvoCalcSession::isCalcNameTaken(const QString &name)
{
    return fileModel->isFileExist(name) || isFileWillBeSend(name);
}

void CUlvoCalcSession::toCalcUrls(QList<QUrl> urls)
{
    // Zero-size names stay until they are taken: the user may still be told about them.
    existingCollisions.clear();
    filesToSend.clear();
    longNameCollisions.clear();
    for (const QUrl &url : qAsConst(urls)) {
        const QString local = url.toLocalFile();
        const QString name = url.fileName(QUrl::FullyDecoded);
        if (QFile(local).size() == 0) {
            zeroSizeFiles.append(name);
            continue;
        }
        const QString converted = CUlvoCalc::convertToSfn(name);
        if (converted.size() != name.size())
            longNameCollisions.append({local, converted});
        else if (isCalcNameTaken(converted))
            existingCollisions.append({local, converted});
        else
            filesToSend.append({local, converted});
    }
}

bool CUlvoCalcSession::isToCalcZeroSizeCollision()
{
    return !zeroSizeFiles.isEmpty();
}

QString CUlvoCalcSession::collisionToCalcZeroSizeFileName()
{
    return zeroSizeFiles.isEmpty() ? QString() : zeroSizeFiles.takeFirst();
}

bool CUlvoCalcSession::isToCalcExistingCollision()
{
    return !existingCollisions.isEmpty();
}

QString CUlvoCalcSession::collisionToCalcFileName()
{
    return existingCollisions.isEmpty() ? QString() : existingCollisions.first().second;
}

void CUlvoCalcSession::releaseToCalcCollision(bool replace)
{
    if (existingCollisions.isEmpty())
        return;
    const SendPair collision = existingCollisions.takeFirst();
    if (!replace)
        return;
    for (SendPair &file : filesToSend) {
        if (file.second == collision.second) {
            file = collision;
            return;
        }
    }
    filesToSend.append(collision);
}

bool CUlvoCalcSession::isToCalcNameCollision()
{
    if (longNameCollisions.isEmpty())
        return false;
    const SendPair collision = longNameCollisions.takeFirst();
    nameCollisionOld = QUrl::fromLocalFile(collision.first).fileName(QUrl::FullyDecoded);
    nameCollisionNew = collision.second;
    if (isCalcNameTaken(nameCollisionNew))
        existingCollisions.append(collision);
    else
        filesToSend.append(collision);
    return true;
}

QString CUlvoCalcSession::getNameToCalcCollisionOld()
{
    return nameCollisionOld;
}

QString CUlvoCalcSession::getNameToCalcCollisionNew()
{
    return nameCollisionNew;
}

void CUlvoCalcSession::sendFiles()
{
    clearPendingError();
    CUlvoWorker *worker = selectedWorker();
    if (currentIndex == -1 || !worker || refuseWhenWorkerRunning(worker))
        return;
    // The list is copied, not moved: it stays until the next toCalcUrls.
    worker->sendFilesList = filesToSend;
    startOperation(worker, &CUlvoWorker::sendFiles, &CUlvoCalcSession::onFilesListChange,
                   &CUlvoCalcSession::onSendFilesEnd);
}
