#include "link/backuparchivecheck.h"

#include "link/calcname.h"
#include "link/linklimits.h"
#include "link/plainfilename.h"
#include "link/ziparchive.h"

namespace {

QString nameProblem(const QByteArray &name)
{
    if (name.isEmpty())
        return QStringLiteral("has no name");
    if (!CalcName::decode(name))
        return QStringLiteral("has a name that is not UTF-8");
    // A longer name could not even be announced to the calculator.
    if (name.size() > maxFileNameBytes)
        return QStringLiteral("has a name longer than %1 bytes").arg(maxFileNameBytes);
    if (!CalcName::isValid(name))
        return QStringLiteral("has a name that is not a calculator file name: %1").arg(CalcName::display(name));
    if (!CalcName::isArchiveName(name))
        return QStringLiteral("has a control character in its name: %1").arg(CalcName::display(name));
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
        return QStringLiteral("no file in the archive");
    if (files > LinkLimits::maxFileCount)
        return QStringLiteral("more than %1 files").arg(LinkLimits::maxFileCount);
    for (qint64 i = 0; i < archive.entryCount(); ++i) {
        if (archive.isFolder(i))
            continue;
        const QByteArray name = archive.entryName(i);
        const QString problem = nameProblem(name);
        if (!problem.isEmpty())
            return QStringLiteral("entry %1 %2").arg(i).arg(problem);
        if (!archive.readEntry(i, LinkLimits::maxFileSize))
            return QStringLiteral("%1: %2").arg(CalcName::display(name), archive.errorString());
    }
    return QString();
}
