// The program editor's services: opening a program from the calculator, sending the editor's
// text to it and saving the text on the computer. The exchanges run on the main thread.

#include "session/culvocalcsession.h"

#include "models/ulvofilemodel.h"
#include "session/culvoworker.h"

#include <QSaveFile>


void CUlvoCalcSession::downloadForEdit(int row)
{
    const FileInf file = fileModel->getFileInfAt(row);
    if (file.first.isEmpty() && file.second == 0) {
        onStatusChange(QStringLiteral("File information error"));
        return;
    }
    if (!file.first.contains(QLatin1String(".ucb")) && !file.first.contains(QLatin1String(".UCB"))) {
        onStatusChange(QStringLiteral("File type error. Please select UlvoBasic program file"));
        return;
    }
    CUlvoWorker *worker = selectedWorker();
    if (!worker || refuseWhenWorkerRunning(worker))
        return;
    editorWorker = worker;
    worker->filesList = {file};
    const QMetaObject::Connection relay =
        connect(worker, &CUlvoWorker::fileForEditRecv, this, &CUlvoCalcSession::openEditFromCalc);
    worker->getFileForEdit();
    disconnect(relay);
    worker->filesList.clear();
    editorWorker = nullptr;
}

void CUlvoCalcSession::sendFileFromEdit(QString fileName, QString fileData)
{
    CUlvoWorker *worker = selectedWorker();
    if (!worker) {
        onStatusChange(QStringLiteral("Calculator for sending the file is not selected"));
        return;
    }
    if (refuseWhenWorkerRunning(worker))
        return;
    // Only errors of this exchange decide its outcome; the pending one is kept for the dialog.
    bool failed = false;
    QString failure;
    const QMetaObject::Connection watch =
        connect(worker, &CUlvoWorker::errorNotify, this, [&](const QString &text) {
            failed = true;
            failure = text;
        });
    editorWorker = worker;
    worker->sendFileFromEdit(fileName, fileData);
    disconnect(watch);
    editorWorker = nullptr;
    refillFileModel();
    if (failed)
        onStatusChange(QStringLiteral("Error: ") + failure);
    else
        onStatusChange(QStringLiteral("File '") + fileName + QStringLiteral("' successfully sent"));
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
        onStatusChange(QStringLiteral("Error: Can't save file: ") + fileName);
        return false;
    }
    return true;
}
