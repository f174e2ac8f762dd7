// Sending files to the calculator: sorting local files by collision kind and starting the upload.

#include "session/culvocalcsession.h"

#include "link/culvocalc.h"
#include "link/sendplan.h"
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
    return SendPlan::isInBatch(name, filesToSend);
}

bool CUlvoCalcSession::isCalcNameTaken(const QString &name)
{
    if (isFileWillBeSend(name))
        return true;
    const QList<CUlvoWorker *> members = classWorkers();
    if (members.isEmpty())
        return fileModel->isFileExist(name);
    return std::any_of(members.cbegin(), members.cend(),
                       [&](const CUlvoWorker *worker) { return worker->hasFile(name); });
}

void CUlvoCalcSession::toCalcUrls(QList<QUrl> urls)
{
    // Zero-size names stay until they are taken: the user may still be told about them.
    existingCollisions.clear();
    sendWhereAbsent.clear();
    filesToSend.clear();
    longNameCollisions.clear();
    for (const QUrl &url : qAsConst(urls)) {
        const QString local = url.toLocalFile();
        const QString name = url.fileName(QUrl::FullyDecoded);
        const QString converted = SendPlan::calcName(name);
        switch (SendPlan::place(QFile(local).size(), name, converted, isCalcNameTaken(converted))) {
        case SendPlan::Placement::Skipped: zeroSizeFiles.append(name); break;
        case SendPlan::Placement::Renamed: longNameCollisions.append({local, converted}); break;
        case SendPlan::Placement::Taken: existingCollisions.append({local, converted}); break;
        case SendPlan::Placement::Accepted: filesToSend.append({local, converted}); break;
        }
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
    if (replace)
        SendPlan::placeReplacement(filesToSend, collision);
    else if (isClassSelected())
        sendWhereAbsent.append(collision);
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
    if (isClassSelected()) {
        sendToClass();
        return;
    }
    CUlvoWorker *worker = selectedWorker();
    if (currentIndex == -1 || !worker || refuseWhenWorkerRunning(worker))
        return;
    // The list is copied, not moved: it stays until the next toCalcUrls.
    worker->sendFilesList = filesToSend;
    startOperation(worker, &CUlvoWorker::sendFiles, &CUlvoCalcSession::onFilesListChange,
                   &CUlvoCalcSession::onSendFilesEnd);
}
