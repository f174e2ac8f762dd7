// The program editor's services: opening a program from the calculator, sending the editor's
// text to it (both operations of the selected calculator, like the others) and saving the text
// on the computer.

#include "session/culvocalcsession.h"

#include "link/calctext.h"
#include "models/ulvofilemodel.h"
#include "session/culvoworker.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QUrl>


bool CUlvoCalcSession::downloadForEdit(int row)
{
    const FileInf file = fileModel->getFileInfAt(row);
    if (file.first.isEmpty() && file.second == 0) {
        onStatusChange(tr("File information error"));
        return false;
    }
    if (!file.first.contains(QLatin1String(".ucb")) && !file.first.contains(QLatin1String(".UCB"))) {
        onStatusChange(tr("File type error. Please select UlvoBasic program file"));
        return false;
    }
    CUlvoWorker *worker = selectedWorker();
    if (!worker)
        return false;
    clearPendingError();
    if (refuseWhenWorkerRunning(worker))
        return false;
    worker->filesList = {file};
    startOperation(worker, &CUlvoWorker::getFileForEdit, nullptr,
                   &CUlvoCalcSession::onDownloadForEditEnd, Relay::EditFile);
    return true;
}

void CUlvoCalcSession::onDownloadForEditEnd()
{
    // An opened program leaves the status line as it was.
    const QString failure = endingFailure();
    const QString text = recordOutcome(endingWorker(), QString(), failure);
    if (!failure.isEmpty())
        onStatusChange(text, true);
}

bool CUlvoCalcSession::sendFileFromEdit(QString fileName, QString fileData)
{
    CUlvoWorker *worker = selectedWorker();
    if (!worker) {
        onStatusChange(tr("Calculator for sending the file is not selected"));
        return false;
    }
    clearPendingError();
    if (refuseWhenWorkerRunning(worker))
        return false;
    worker->editFileName = fileName;
    worker->editFileData = fileData;
    startOperation(worker, &CUlvoWorker::sendFileFromEdit, &CUlvoCalcSession::onFilesListChange,
                   &CUlvoCalcSession::onSendFileFromEditEnd);
    return true;
}

void CUlvoCalcSession::onSendFileFromEditEnd()
{
    const CUlvoWorker *worker = endingWorker();
    const QString fileName = worker ? worker->editFileName : QString();
    const bool sent = setEndStatus(tr("File '%1' successfully sent").arg(fileName));
    emit fileFromEditSent(fileName, sent);
}

bool CUlvoCalcSession::saveFileOnComputer(QString fileName, QString fileData)
{
    QByteArray bytes = fileData.toLatin1();
    if (!bytes.endsWith('\n'))
        bytes.append('\n');
    // Written aside and swapped in whole: a failed save leaves the earlier file as it was.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text) || file.write(bytes) != bytes.size()
        || !file.commit()) {
        onStatusChange(tr("Error: Can't save file: %1").arg(fileName), true);
        return false;
    }
    return true;
}

QVariant CUlvoCalcSession::openFileOnComputer(QString filePath)
{
    const auto refuse = [this](const QString &text) {
        onStatusChange(text, true);
        return QVariant();
    };
    const QString cantOpen = tr("Error: Can't open file: %1").arg(filePath);
    // Only regular files: a device or a pipe could block or never end.
    QFile file(filePath);
    if (!QFileInfo(filePath).isFile() || !file.open(QIODevice::ReadOnly))
        return refuse(cantOpen);
    // One byte past the limit is read rather than the size trusted: the file may grow meanwhile.
    const QByteArray bytes = file.read(maxProgramFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return refuse(cantOpen);
    if (bytes.size() > maxProgramFileSize)
        return refuse(tr("Error: File is larger than 1 MiB: %1").arg(filePath));
    return calcTextFromBytes(bytes);
}

void CUlvoCalcSession::editFileOnComputer(QString filePath)
{
    emit openEditFromComputer(QUrl::fromLocalFile(filePath));
}
