// Operations on several selected calculators at once: each calculator runs its own operation on
// its own thread, and the status line sums them up when the last one has ended.

#include "session/culvocalcsession.h"

#include "link/backuparchivecheck.h"
#include "link/backupname.h"
#include "link/plainfilename.h"
#include "link/ziparchive.h"
#include "models/ulvocalcmodel.h"
#include "safety/backupentries.h"
#include "session/culvoworker.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QSet>

namespace {

QString memberName(const CUlvoWorker *worker)
{
    const QString name = worker->getDeviceName();
    return name.isEmpty() ? worker->getPortName() : name;
}

// base, base-2, base-3 ...: the first not in taken (compared ignoring case, as file systems may).
QString uniqueName(const QString &base, const QString &suffix, const QSet<QString> &taken,
                   const QDir &folder)
{
    for (int n = 1;; ++n) {
        const QString name = (n == 1 ? base : base + QStringLiteral("-%1").arg(n)) + suffix;
        if (!taken.contains(name.toUpper()) && !folder.exists(name))
            return name;
    }
}

} // namespace

QList<CUlvoWorker *> CUlvoCalcSession::classWorkers() const
{
    QList<CUlvoWorker *> members;
    if (!calcModel || calcModel->selectedCount() < 2)
        return members;
    for (int row : calcModel->selectedRows()) {
        if (row >= 0 && row < workers.size())
            members.append(workers.at(row));
    }
    return members.size() >= 2 ? members : QList<CUlvoWorker *>();
}

bool CUlvoCalcSession::isClassSelected() const
{
    return !classWorkers().isEmpty();
}

int CUlvoCalcSession::selectedCalcCount() const
{
    return calcModel ? calcModel->selectedCount() : 0;
}

QString CUlvoCalcSession::noneHasFilesText()
{
    return tr("None of the selected calculators has these files");
}

bool CUlvoCalcSession::isClassMember(const CUlvoWorker *worker) const
{
    return worker && classOperation && classOperation->contains(worker);
}

bool CUlvoCalcSession::refuseWhenAnyRunning(const QList<CUlvoWorker *> &members)
{
    // All or none: a class half started would sum up only part of it.
    const bool running = classOperation != nullptr
        || std::any_of(members.cbegin(), members.cend(),
                       [this](const CUlvoWorker *worker) { return isWorkerRunning(worker); });
    if (running)
        onStatusChange(busyText());
    return running;
}

QString CUlvoCalcSession::collisionToCalcQuestion()
{
    const QString name = collisionToCalcFileName();
    const QList<CUlvoWorker *> members = classWorkers();
    if (members.isEmpty())
        return tr("File %1 already exists on your calculator.\nDo you want to replace it?").arg(name);
    const int having = int(std::count_if(members.cbegin(), members.cend(),
                                         [&](const CUlvoWorker *worker) { return worker->hasFile(name); }));
    //: %1 is a file name; %2 of the %n selected calculators hold a file of that name.
    return tr("%1 already exists on %2 of %n calculators. Replace it there?", "", members.size())
        .arg(name, QString::number(having));
}

void CUlvoCalcSession::startClassMember(CUlvoWorker *worker, WorkerSlot operation,
                                        SessionSlot refresh, SessionSlot endHandler, Relay relay)
{
    classOperation->add(worker, memberName(worker));
    startOperation(worker, operation, refresh, endHandler, relay);
}

void CUlvoCalcSession::noteClassEnd(const CUlvoWorker *worker)
{
    if (!isClassMember(worker))
        return;
    classOperation->finish(worker, stateOf.value(worker));
    if (!classOperation->isDone()) {
        onStatusChange(classOperation->runningText());
        return;
    }
    const QString summary = classOperation->summary();
    classOperation.reset();
    classBackupTargets.clear();
    classBackupSaved.clear();
    emit classRunningChange();
    onStatusChange(summary);
}

void CUlvoCalcSession::announceClassStart()
{
    emit classRunningChange();
    onStatusChange(classOperation->runningText());
}

void CUlvoCalcSession::sendToClass()
{
    const QList<CUlvoWorker *> members = classWorkers();
    if (refuseWhenAnyRunning(members))
        return;
    classOperation = std::make_unique<ClassOperation>(ClassOperation::Kind::Send);
    for (CUlvoWorker *worker : members) {
        QList<SendPair> files = filesToSend;
        for (const SendPair &kept : qAsConst(sendWhereAbsent)) {
            if (!worker->hasFile(kept.second))
                files.append(kept);
        }
        worker->sendFilesList = files;
    }
    for (CUlvoWorker *worker : members) {
        startClassMember(worker, &CUlvoWorker::sendFiles, &CUlvoCalcSession::onFilesListChange,
                         &CUlvoCalcSession::onSendFilesEnd);
    }
    announceClassStart();
}

QList<QUrl> CUlvoCalcSession::collectFromClass()
{
    const QList<CUlvoWorker *> members = classWorkers();
    if (refuseWhenAnyRunning(members))
        return {};
    const QDir root(downloadFolder);
    QSet<QString> usedFolders;
    QList<QUrl> urls;
    QList<CUlvoWorker *> taking;
    for (CUlvoWorker *worker : members) {
        QList<FileInf> files;
        for (const FileInf &wanted : qAsConst(filesToDownload)) {
            const FileInf own = worker->fileNamed(wanted.first);
            if (!own.first.isEmpty())
                files.append(own);
        }
        // A calculator without any of the files has nothing to give.
        if (files.isEmpty())
            continue;
        const QString folderName = uniqueName(calcNameForDisk(memberName(worker)), QString(), usedFolders, root);
        usedFolders.insert(folderName.toUpper());
        const QString folder = root.filePath(folderName);
        if (!root.mkpath(folderName)) {
            onErrorChange(tr("Can't create folder: %1").arg(folder));
            continue;
        }
        worker->filesList = files;
        worker->destFolder = folder;
        QList<QUrl> promised;
        for (const FileInf &file : qAsConst(files)) {
            if (isPlainFileName(file.first))
                promised.append(QUrl::fromLocalFile(folder + QLatin1Char('/') + file.first));
        }
        promisedDownloads.insert(worker, promised);
        urls += promised;
        taking.append(worker);
    }
    if (taking.isEmpty()) {
        onStatusChange(noneHasFilesText());
        return {};
    }
    classOperation = std::make_unique<ClassOperation>(ClassOperation::Kind::Collect);
    for (CUlvoWorker *worker : qAsConst(taking)) {
        startClassMember(worker, &CUlvoWorker::getFiles, &CUlvoCalcSession::onDownloadFinished,
                         &CUlvoCalcSession::onDownloadFilesEnd);
    }
    announceClassStart();
    return urls;
}

void CUlvoCalcSession::deleteOnClass(const QList<FileInf> &files)
{
    const QList<CUlvoWorker *> members = classWorkers();
    if (refuseWhenAnyRunning(members))
        return;
    QList<CUlvoWorker *> deleting;
    for (CUlvoWorker *worker : members) {
        QList<FileInf> own;
        for (const FileInf &wanted : files) {
            const FileInf file = worker->fileNamed(wanted.first);
            if (!file.first.isEmpty())
                own.append(file);
        }
        if (own.isEmpty())
            continue;
        worker->filesList = own;
        deleting.append(worker);
    }
    if (deleting.isEmpty()) {
        onStatusChange(noneHasFilesText());
        return;
    }
    classOperation = std::make_unique<ClassOperation>(ClassOperation::Kind::Delete);
    for (CUlvoWorker *worker : qAsConst(deleting)) {
        startClassMember(worker, &CUlvoWorker::delFiles, &CUlvoCalcSession::onFilesListChange,
                         &CUlvoCalcSession::onDeleteSelectedFilesEnd);
    }
    announceClassStart();
}

void CUlvoCalcSession::createClassBackup(QUrl folderUrl)
{
    clearPendingError();
    const QList<CUlvoWorker *> members = classWorkers();
    if (members.isEmpty() || refuseWhenAnyRunning(members))
        return;
    const QDir folder(folderUrl.toLocalFile());
    if (folderUrl.toLocalFile().isEmpty() || !folder.exists()) {
        onStatusChange(tr("Error: No such folder: %1").arg(folderUrl.toLocalFile()), true);
        return;
    }
    const QDate today = QDate::currentDate();
    const QString suffix = QStringLiteral(".ubk");
    QSet<QString> used;
    classOperation = std::make_unique<ClassOperation>(ClassOperation::Kind::Backup);
    for (CUlvoWorker *worker : members) {
        const QString name = uniqueName(defaultBackupName(memberName(worker), today).chopped(suffix.size()),
                                        suffix, used, folder);
        used.insert(name.toUpper());
        classBackupTargets.insert(worker, folder.filePath(name));
        startClassMember(worker, &CUlvoWorker::createBackup, nullptr,
                         &CUlvoCalcSession::onClassBackupEnd, Relay::ClassBackup);
    }
    announceClassStart();
}

void CUlvoCalcSession::onClassBackupLoaded(QString fileName)
{
    auto *worker = qobject_cast<CUlvoWorker *>(sender());
    const QString target = classBackupTargets.value(worker);
    if (target.isEmpty())
        return;
    // The link wrote a temporary file; the archive is moved (or, across file systems, copied) to
    // its name, which no other file holds.
    const bool moved = QFile::rename(fileName, target)
        || (QFile::copy(fileName, target) && QFile::remove(fileName));
    if (moved)
        classBackupSaved.insert(worker);
    else
        QFile::remove(fileName);
}

void CUlvoCalcSession::onClassBackupEnd()
{
    const CUlvoWorker *worker = endingWorker();
    QString failure = endingFailure();
    if (failure.isEmpty() && !classBackupSaved.contains(worker)) {
        failure = tr("Backup not saved: %1").arg(classBackupTargets.value(worker));
        onErrorChange(failure);
    }
    recordOutcome(worker, tr("Backup saved: %1").arg(classBackupTargets.value(worker)), failure);
}

void CUlvoCalcSession::restoreClass(const QUrl &url)
{
    const QList<CUlvoWorker *> members = classWorkers();
    if (refuseWhenAnyRunning(members))
        return;
    // Checked once, before any calculator is cleared: a bad archive leaves the whole class as it
    // was. Each link checks it again before it clears its own calculator.
    const QString path = url.toLocalFile();
    ZipArchive archive;
    const QString problem = checkBackupArchive(archive, path);
    if (!problem.isEmpty()) {
        const QString text = invalidBackupText(path, problem);
        onErrorChange(text);
        onStatusChange(errorText(text), true);
        return;
    }
    classOperation = std::make_unique<ClassOperation>(ClassOperation::Kind::Restore);
    for (CUlvoWorker *worker : members) {
        worker->backupUrl = url;
        startClassMember(worker, &CUlvoWorker::restoreBackup, &CUlvoCalcSession::onFilesListChange,
                         &CUlvoCalcSession::onRestoreBackupEnd);
    }
    announceClassStart();
}
