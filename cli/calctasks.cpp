#include "cli/calctasks.h"

#include "link/backuparchivecheck.h"
#include "link/culvocalc.h"
#include "link/ziparchive.h"
#include "safety/completecopy.h"
#include "safety/safetycopymaker.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QUrl>

#include <algorithm>
#include <optional>

namespace {

using FileInf = QPair<QString, int>;

const QString textNoFile = QStringLiteral("File doesn\u2019t exist.");

// The calculator file a user means by `name`: the exact name, else the one name that differs only
// in letter case (calculator names are upper case, people type lower case).
std::optional<FileInf> findCalcFile(const QList<FileInf> &files, const QString &name)
{
    std::optional<FileInf> loose;
    int looseCount = 0;
    for (const FileInf &file : files) {
        if (file.first == name)
            return file;
        if (file.first.compare(name, Qt::CaseInsensitive) == 0) {
            loose = file;
            ++looseCount;
        }
    }
    return looseCount == 1 ? loose : std::nullopt;
}

bool isOnCalc(const QList<FileInf> &files, const QString &name)
{
    return std::any_of(files.cbegin(), files.cend(), [&](const FileInf &file) {
        return file.first.compare(name, Qt::CaseInsensitive) == 0;
    });
}

QString countText(const char *verb, int done, int wanted)
{
    const QString files = wanted == 1 ? QStringLiteral("file") : QStringLiteral("files");
    if (done == wanted)
        return QStringLiteral("%1 %2 %3").arg(QLatin1String(verb)).arg(done).arg(files);
    return QStringLiteral("%1 %2 of %3 %4").arg(QLatin1String(verb)).arg(done).arg(wanted).arg(files);
}

// Keeps a safety copy before files are erased. False when the erasing must not go ahead (the
// reason is in the outcome); a copy kept is named among the notices.
bool keepSafetyCopy(const SafetyCopyResult &copy, TaskContext &context, const char *notDone)
{
    switch (copy.outcome) {
    case SafetyCopyResult::Outcome::Made:
        context.outcome.notices.append(QStringLiteral("Safety copy saved on the path: ") + copy.path);
        return true;
    case SafetyCopyResult::Outcome::NothingToCopy:
        return true;
    case SafetyCopyResult::Outcome::Cancelled:
        return false;
    case SafetyCopyResult::Outcome::Failed:
        break;
    }
    context.fail(QStringLiteral("No safety copy could be made, so %1: %2").arg(QLatin1String(notDone), copy.failure));
    return false;
}

} // namespace

void DescribeTask::run(CUlvoCalc &link, TaskContext &context)
{
    const int files = link.getNumberOfFiles();
    context.outcome.json = QJsonObject {
        {QStringLiteral("port"), context.outcome.port},
        {QStringLiteral("name"), link.getName()},
        {QStringLiteral("hardwareVersion"), link.hardwareVersion()},
        {QStringLiteral("firmwareVersion"), link.firmwareVersion()},
        {QStringLiteral("protocolVersion"), link.protocolVersion()},
        {QStringLiteral("files"), files},
    };
}

void ListFilesTask::run(CUlvoCalc &link, TaskContext &context)
{
    QJsonArray files;
    for (const FileInf &file : link.getFilesInfo())
        files.append(QJsonObject {{QStringLiteral("name"), file.first}, {QStringLiteral("size"), file.second}});
    context.outcome.json = files;
}

GetTask::GetTask(QStringList names, QString folder, bool force)
    : names(std::move(names))
    , folder(std::move(folder))
    , force(force)
{
}

void GetTask::run(CUlvoCalc &link, TaskContext &context)
{
    const QList<FileInf> calcFiles = link.getFilesInfo();
    if (!context.outcome.ok)
        return;
    QList<FileInf> wanted;
    qint64 total = 0;
    for (const QString &name : names) {
        const std::optional<FileInf> file = findCalcFile(calcFiles, name);
        if (!file) {
            context.fail(name + QStringLiteral(": ") + textNoFile);
            continue;
        }
        if (QFileInfo::exists(folder + QLatin1Char('/') + file->first) && !force) {
            context.fail(QStringLiteral("File %1 already exists in %2 (use --force to replace it)")
                             .arg(file->first, folder));
            continue;
        }
        wanted.append(*file);
        total += file->second;
    }
    int written = 0;
    qint64 done = 0;
    for (int i = 0; i < wanted.size(); ++i) {
        const FileInf &file = wanted.at(i);
        context.startFile(i + 1, wanted.size(), file.first, done, total);
        const int errorsBefore = context.errorCount();
        if (!link.genGetFilesRequest({file}, folder).isEmpty())
            ++written;
        else if (link.wasCancelled())
            break;
        else if (context.errorCount() == errorsBefore)
            context.fail(file.first + QStringLiteral(": not downloaded"));
        done += file.second;
    }
    context.setCurrentFile(QString());
    context.outcome.summary = countText("Downloaded", written, names.size());
}

PutTask::PutTask(QList<SendPlan::SendPair> files, bool force)
    : files(std::move(files))
    , force(force)
{
}

void PutTask::run(CUlvoCalc &link, TaskContext &context)
{
    const QList<FileInf> calcFiles = link.getFilesInfo();
    if (!context.outcome.ok)
        return;
    QList<SendPlan::SendPair> batch;
    // A file that --force lets take another's place in the batch counts once.
    int refused = 0;
    for (const SendPlan::SendPair &file : files) {
        const bool onCalc = isOnCalc(calcFiles, file.second);
        const bool inBatch = SendPlan::isInBatch(file.second, batch);
        if (!onCalc && !inBatch)
            batch.append(file);
        else if (force)
            SendPlan::placeReplacement(batch, file);
        else {
            ++refused;
            context.fail(onCalc ? QStringLiteral("File %1 already exists on the calculator (use --force to replace it)")
                                      .arg(file.second)
                                : QStringLiteral("%1: another file of this command is sent as %2 (use --force to send this one instead)")
                                      .arg(file.first, file.second));
        }
    }

    qint64 total = 0;
    for (const SendPlan::SendPair &file : qAsConst(batch))
        total += QFileInfo(file.first).size();
    int sent = 0;
    qint64 done = 0;
    for (int i = 0; i < batch.size(); ++i) {
        const SendPlan::SendPair &file = batch.at(i);
        context.startFile(i + 1, batch.size(), file.second, done, total);
        // A file the link did not begin (stopped) has no outcome, and is not sent either.
        const FileOutcome outcome = link.sendFileBatch({file}).value(0);
        if (link.wasCancelled())
            break;
        if (outcome.done)
            ++sent;
        else if (outcome.texts.isEmpty()) // the link's own texts have reached the context already
            context.fail(file.second + QStringLiteral(": not sent"));
        done += QFileInfo(file.first).size();
    }
    context.setCurrentFile(QString());
    context.outcome.summary = countText("Sent", sent, batch.size() + refused);
}

RemoveTask::RemoveTask(QStringList names, bool safetyCopy)
    : names(std::move(names))
    , safetyCopy(safetyCopy)
{
}

void RemoveTask::run(CUlvoCalc &link, TaskContext &context)
{
    const QList<FileInf> calcFiles = link.getFilesInfo();
    if (!context.outcome.ok)
        return;
    QList<FileInf> doomed;
    for (const QString &name : names) {
        if (const std::optional<FileInf> file = findCalcFile(calcFiles, name))
            doomed.append(*file);
        else
            context.fail(name + QStringLiteral(": ") + textNoFile);
    }
    if (safetyCopy && !doomed.isEmpty()) {
        SafetyCopies store;
        if (!keepSafetyCopy(copyBeforeDelete(link, store, link.getName(), doomed), context, "nothing was deleted"))
            return;
    }
    int deleted = 0;
    for (int i = 0; i < doomed.size(); ++i) {
        const FileInf &file = doomed.at(i);
        context.startFile(i + 1, doomed.size(), file.first, 0, 0);
        const FileOutcome outcome = link.deleteFileBatch({file}).value(0);
        if (outcome.done)
            ++deleted;
        else if (outcome.texts.isEmpty())
            context.fail(file.first + QStringLiteral(": not deleted"));
    }
    context.setCurrentFile(QString());
    context.outcome.summary = countText("Deleted", deleted, names.size());
}

RenameTask::RenameTask(QString newName)
    : newName(std::move(newName))
{
}

void RenameTask::run(CUlvoCalc &link, TaskContext &context)
{
    const QString oldName = link.getName();
    if (!link.setDeviceName(newName)) {
        if (context.outcome.ok)
            context.fail(QStringLiteral("The calculator kept its name %1").arg(oldName));
        return;
    }
    context.outcome.summary = QStringLiteral("Renamed %1 to %2").arg(oldName, link.getName());
}

BackupTask::BackupTask(QString path)
    : path(std::move(path))
{
}

void BackupTask::run(CUlvoCalc &link, TaskContext &context)
{
    context.startFile(0, 0, QStringLiteral("backup"), 0, 0);
    const std::optional<QString> archive = link.createBackup();
    if (archive && archive->isEmpty()) {
        if (context.outcome.ok)
            context.fail(QStringLiteral("Can't write backup file"));
        return;
    }
    if (!archive && link.wasCancelled())
        return; // the link has removed its archive
    if (!archive) {
        // Without a text the calculator simply has no files: there is nothing to lose, and a
        // nightly backup of a cleared calculator is no failure. No archive is written.
        if (context.outcome.ok)
            context.outcome.summary = QStringLiteral("Nothing to back up: the calculator has no files");
        return;
    }
    const bool saved = copyComplete(*archive, path);
    QFile::remove(*archive);
    if (!saved) {
        context.fail(QStringLiteral("Can't save backup on the path: ") + path);
        return;
    }
    context.outcome.summary = QStringLiteral("Backup saved on the path: ") + path;
}

RestoreTask::RestoreTask(QString path, bool safetyCopy)
    : path(std::move(path))
    , safetyCopy(safetyCopy)
{
}

void RestoreTask::run(CUlvoCalc &link, TaskContext &context)
{
    ZipArchive chosen;
    // An archive the restore refuses anyway needs no copy first; the link says why it refuses.
    if (safetyCopy && checkBackupArchive(chosen, path).isEmpty()) {
        chosen.close();
        context.startFile(0, 0, QStringLiteral("safety copy"), 0, 0);
        SafetyCopies store;
        if (!keepSafetyCopy(copyBeforeRestore(link, store, link.getName()), context, "the restore did not start"))
            return;
    }
    context.startFile(0, 0, QStringLiteral("restore"), 0, 0);
    link.restoreBackup(QUrl::fromLocalFile(path));
    if (!context.outcome.ok)
        return;
    const int files = link.getNumberOfFiles();
    context.outcome.summary = QStringLiteral("Backup successfully sent to calculator (%1 %2)")
                                  .arg(files)
                                  .arg(files == 1 ? QStringLiteral("file") : QStringLiteral("files"));
}
