// Delete, rename, backup and restore on the selected calculator, and moving the backup archive.

#include "session/culvocalcsession.h"

#include "session/culvoworker.h"

#include <QFile>
#include <QFileInfo>

#include <utility>

void CUlvoCalcSession::deleteSelectedFiles()
{
    clearPendingError();
    // The marks serve this one request, refused or not: left behind they would join the files
    // of the next delete.
    const QList<FileInf> files = std::exchange(selectedFiles, {});
    if (isClassSelected()) {
        deleteOnClass(files);
        return;
    }
    CUlvoWorker *worker = selectedWorker();
    if (!worker || refuseWhenWorkerRunning(worker))
        return;
    worker->filesList = files;
    startOperation(worker, &CUlvoWorker::delFiles, &CUlvoCalcSession::onFilesListChange,
                   &CUlvoCalcSession::onDeleteSelectedFilesEnd);
}

void CUlvoCalcSession::changeCalcName(QString newName)
{
    clearPendingError();
    CUlvoWorker *worker = selectedWorker();
    if (workers.isEmpty() || !worker || refuseWhenWorkerRunning(worker))
        return;
    worker->newDeviceName = newName;
    startOperation(worker, &CUlvoWorker::setDeviceName, &CUlvoCalcSession::onDevNameChange,
                   &CUlvoCalcSession::onChangeCalcNameEnd);
}

void CUlvoCalcSession::createBackup()
{
    clearPendingError();
    CUlvoWorker *worker = selectedWorker();
    if (!worker || refuseWhenWorkerRunning(worker))
        return;
    startOperation(worker, &CUlvoWorker::createBackup, nullptr, nullptr, Relay::Backup);
}

void CUlvoCalcSession::restoreBackup(QUrl url)
{
    clearPendingError();
    if (isClassSelected()) {
        restoreClass(url);
        return;
    }
    CUlvoWorker *worker = selectedWorker();
    if (!worker || refuseWhenWorkerRunning(worker))
        return;
    worker->backupUrl = url;
    startOperation(worker, &CUlvoWorker::restoreBackup, &CUlvoCalcSession::onFilesListChange,
                   &CUlvoCalcSession::onRestoreBackupEnd);
}

bool CUlvoCalcSession::renameBackup(QString oldName, QString newName)
{
    if (oldName.isEmpty() || !QFile::exists(oldName))
        return false;
    const QFileInfo target(newName);
    if (target == QFileInfo(oldName))
        return true;
    // Only a file is replaced; a folder of that name is no place for the archive.
    if (target.isDir())
        return false;
    // The file that stood under the new name is only set aside, so a failed move can put it
    // back instead of losing it.
    QString asidePath;
    if (target.exists()) {
        for (int attempt = 0; attempt < 100 && asidePath.isEmpty(); ++attempt) {
            const QString candidate = newName + QStringLiteral(".old%1").arg(attempt);
            if (!QFile::exists(candidate) && QFile::rename(newName, candidate))
                asidePath = candidate;
        }
        if (asidePath.isEmpty())
            return false; // cannot make room without deleting it: leave both files as they are
    }
    if (!QFile::rename(oldName, newName)) {
        if (!asidePath.isEmpty())
            QFile::rename(asidePath, newName);
        return false;
    }
    if (!asidePath.isEmpty())
        QFile::remove(asidePath);
    return true;
}

void CUlvoCalcSession::removeFile(QString name)
{
    QFile::remove(name);
}
