#include "cli/calctasks.h"

#include "link/backuparchivecheck.h"
#include "link/culvocalc.h"
#include "link/ziparchive.h"
#include "safety/completecopy.h"
#include "safety/safetycopymaker.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QUrl>

#include <algorithm>
#include <optional>

namespace {

using FileInf = QPair<QString, int>;

struct CalcTasks {
    Q_DECLARE_TR_FUNCTIONS(CalcTasks)
};

QString noSuchFile(const QString &name)
{
    return CalcTasks::tr("%1: File doesn’t exist.").arg(name);
}

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

// The summary of a batch: `allDone` ("Sent %n file(s)") when every wanted file was handled, else
// `someDone` ("Sent %1 of %n file(s)"); both counted by the files wanted.
QString countText(const char *allDone, const char *someDone, int done, int wanted)
{
    if (done == wanted)
        return CalcTasks::tr(allDone, nullptr, wanted);
    return CalcTasks::tr(someDone, nullptr, wanted).arg(done);
}

// Keeps a safety copy before files are erased. False when the erasing must not go ahead (the
// reason is in the outcome); a copy kept is named among the notices.
// `notDone` is the failure's sentence, with %1 for why no copy was made.
bool keepSafetyCopy(const SafetyCopyResult &copy, TaskContext &context, const char *notDone)
{
    switch (copy.outcome) {
    case SafetyCopyResult::Outcome::Made:
        context.outcome.notices.append(CalcTasks::tr("Safety copy saved on the path: %1").arg(copy.path));
        return true;
    case SafetyCopyResult::Outcome::NothingToCopy:
        return true;
    case SafetyCopyResult::Outcome::Cancelled:
        return false;
    case SafetyCopyResult::Outcome::Failed:
        break;
    }
    context.fail(CalcTasks::tr(notDone).arg(copy.failure));
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
            context.fail(noSuchFile(name));
            continue;
        }
        if (QFileInfo::exists(folder + QLatin1Char('/') + file->first) && !force) {
            context.fail(CalcTasks::tr("File %1 already exists in %2 (use --force to replace it)")
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
            context.fail(CalcTasks::tr("%1: not downloaded").arg(file.first));
        done += file.second;
    }
    context.setCurrentFile(QString());
    context.outcome.summary = countText(QT_TRANSLATE_N_NOOP("CalcTasks", "Downloaded %n file(s)"),
                                        QT_TRANSLATE_N_NOOP("CalcTasks", "Downloaded %1 of %n file(s)"), written,
                                        names.size());
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
            context.fail(onCalc ? CalcTasks::tr("File %1 already exists on the calculator (use --force to replace it)")
                                      .arg(file.second)
                                : CalcTasks::tr("%1: another file of this command is sent as %2 (use --force to send this one instead)")
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
            context.fail(CalcTasks::tr("%1: not sent").arg(file.second));
        done += QFileInfo(file.first).size();
    }
    context.setCurrentFile(QString());
    context.outcome.summary = countText(QT_TRANSLATE_N_NOOP("CalcTasks", "Sent %n file(s)"),
                                        QT_TRANSLATE_N_NOOP("CalcTasks", "Sent %1 of %n file(s)"), sent,
                                        batch.size() + refused);
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
            context.fail(noSuchFile(name));
    }
    if (safetyCopy && !doomed.isEmpty()) {
        SafetyCopies store;
        if (!keepSafetyCopy(copyBeforeDelete(link, store, link.getName(), doomed), context,
                            QT_TRANSLATE_NOOP("CalcTasks", "No safety copy could be made, so nothing was deleted: %1")))
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
            context.fail(CalcTasks::tr("%1: not deleted").arg(file.first));
    }
    context.setCurrentFile(QString());
    context.outcome.summary = countText(QT_TRANSLATE_N_NOOP("CalcTasks", "Deleted %n file(s)"),
                                        QT_TRANSLATE_N_NOOP("CalcTasks", "Deleted %1 of %n file(s)"), deleted,
                                        names.size());
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
            context.fail(CalcTasks::tr("The calculator kept its name %1").arg(oldName));
        return;
    }
    context.outcome.summary = CalcTasks::tr("Renamed %1 to %2").arg(oldName, link.getName());
}

BackupTask::BackupTask(QString path)
    : path(std::move(path))
{
}

void BackupTask::run(CUlvoCalc &link, TaskContext &context)
{
    //: Stands where a file's name would, while a whole calculator is read into an archive.
    context.startFile(0, 0, CalcTasks::tr("backup"), 0, 0);
    const std::optional<QString> archive = link.createBackup();
    if (archive && archive->isEmpty()) {
        if (context.outcome.ok)
            context.fail(CalcTasks::tr("Can't write backup file"));
        return;
    }
    if (!archive && link.wasCancelled())
        return; // the link has removed its archive
    if (!archive) {
        // Without a text the calculator simply has no files: there is nothing to lose, and a
        // nightly backup of a cleared calculator is no failure. No archive is written.
        if (context.outcome.ok)
            context.outcome.summary = CalcTasks::tr("Nothing to back up: the calculator has no files");
        return;
    }
    const bool saved = copyComplete(*archive, path);
    QFile::remove(*archive);
    if (!saved) {
        context.fail(CalcTasks::tr("Can't save backup on the path: %1").arg(path));
        return;
    }
    context.outcome.summary = CalcTasks::tr("Backup saved on the path: %1").arg(path);
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
        //: Stands where a file's name would, while the calculator's files are copied before a restore.
        context.startFile(0, 0, CalcTasks::tr("safety copy"), 0, 0);
        SafetyCopies store;
        if (!keepSafetyCopy(copyBeforeRestore(link, store, link.getName()), context,
                            QT_TRANSLATE_NOOP("CalcTasks", "No safety copy could be made, so the restore did not start: %1")))
            return;
    }
    //: Stands where a file's name would, while an archive is written to the calculator.
    context.startFile(0, 0, CalcTasks::tr("restore"), 0, 0);
    link.restoreBackup(QUrl::fromLocalFile(path));
    if (!context.outcome.ok)
        return;
    const int files = link.getNumberOfFiles();
    context.outcome.summary = CalcTasks::tr("Backup successfully sent to calculator (%n file(s))", nullptr, files);
}
