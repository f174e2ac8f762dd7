#include "link/backuparchivecheck.h"

#include "link/calcname.h"
#include "link/linklimits.h"
#include "link/plainfilename.h"
#include "link/ziparchive.h"

#include <QCoreApplication>

namespace {

struct BackupArchiveCheck {
    Q_DECLARE_TR_FUNCTIONS(BackupArchiveCheck)
};

// Why entry `index` cannot be restored under `name`, as a whole reason; empty when it can.
QString nameProblem(qint64 index, const QByteArray &name)
{
    const QString entry = QString::number(index);
    if (name.isEmpty())
        return BackupArchiveCheck::tr("entry %1 has no name").arg(entry);
    if (!CalcName::decode(name))
        return BackupArchiveCheck::tr("entry %1 has a name that is not UTF-8").arg(entry);
    // A longer name could not even be announced to the calculator.
    if (name.size() > maxFileNameBytes)
        return BackupArchiveCheck::tr("entry %1 has a name longer than %2 bytes").arg(entry).arg(maxFileNameBytes);
    if (!CalcName::isValid(name))
        return BackupArchiveCheck::tr("entry %1 has a name that is not a calculator file name: %2")
            .arg(entry, CalcName::display(name));
    if (!CalcName::isArchiveName(name))
        return BackupArchiveCheck::tr("entry %1 has a control character in its name: %2")
            .arg(entry, CalcName::display(name));
    return QString();
}

} // namespace

QString checkBackupArchive(ZipArchive &archive, const QString &path)
{
    if (!archive.open(path))
        return archive.errorString();
    return checkOpenBackupArchive(archive);
}

QString checkOpenBackupArchive(ZipArchive &archive)
{
    // Counted before anything is read: a list the calculator cannot hold is refused at once.
    qint64 files = 0;
    for (qint64 i = 0; i < archive.entryCount(); ++i)
        files += archive.isFolder(i) ? 0 : 1;
    if (files == 0)
        return BackupArchiveCheck::tr("no file in the archive");
    if (files > LinkLimits::maxFileCount)
        return BackupArchiveCheck::tr("more than %1 files").arg(LinkLimits::maxFileCount);
    for (qint64 i = 0; i < archive.entryCount(); ++i) {
        if (archive.isFolder(i))
            continue;
        const QByteArray name = archive.entryName(i);
        const QString problem = nameProblem(i, name);
        if (!problem.isEmpty())
            return problem;
        if (!archive.readEntry(i, LinkLimits::maxFileSize))
            return BackupArchiveCheck::tr("%1: %2", "an entry's name, then why it cannot be read")
                .arg(CalcName::display(name), archive.errorString());
    }
    return QString();
}
