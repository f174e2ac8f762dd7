#include "safety/backupentries.h"

#include "link/backuparchivecheck.h"
#include "link/calcname.h"
#include "link/linklimits.h"
#include "link/ziparchive.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

QString invalidBackupText(const QString &path, const QString &why)
{
    //: %1 is the archive's path, %2 what is wrong with it.
    return QCoreApplication::translate("BackupEntries", "Invalid backup file: %1 (%2)").arg(path, why);
}

BackupEntries listBackupEntries(const QString &archivePath)
{
    BackupEntries entries;
    ZipArchive archive;
    const QString problem = checkBackupArchive(archive, archivePath);
    if (!problem.isEmpty()) {
        entries.problem = invalidBackupText(archivePath, problem);
        return entries;
    }
    for (qint64 i = 0; i < archive.entryCount(); ++i) {
        if (archive.isFolder(i))
            continue;
        entries.names.append(CalcName::display(archive.entryName(i)));
        entries.sizes.append(archive.entrySize(i).value_or(0));
    }
    return entries;
}

QStringList extractBackupEntries(const QString &archivePath, const QStringList &names,
                                 const QString &folder, QString *error)
{
    auto fail = [error](const QString &text) {
        if (error)
            *error = text;
        return QStringList();
    };
    ZipArchive archive;
    const QString problem = checkBackupArchive(archive, archivePath);
    if (!problem.isEmpty())
        return fail(invalidBackupText(archivePath, problem));
    QList<qint64> chosen;
    QStringList missing = names;
    for (qint64 i = 0; i < archive.entryCount(); ++i) {
        if (archive.isFolder(i))
            continue;
        const QString name = CalcName::display(archive.entryName(i));
        if (names.isEmpty() || names.contains(name)) {
            chosen.append(i);
            missing.removeAll(name);
        }
    }
    if (!missing.isEmpty())
        return fail(QCoreApplication::translate("BackupEntries", "Not in the backup %1: %2")
                        .arg(archivePath, missing.join(QStringLiteral(", "))));
    QStringList paths;
    const QDir target(folder);
    for (const qint64 i : qAsConst(chosen)) {
        const QString name = CalcName::display(archive.entryName(i));
        // The check allows only plain file names; a name that would still leave the folder is
        // refused all the same.
        if (QFileInfo(name).fileName() != name || name == QLatin1String(".") || name == QLatin1String(".."))
            return fail(invalidBackupText(
                archivePath, QCoreApplication::translate("BackupEntries", "entry %1 is no plain file name").arg(name)));
        const std::optional<QByteArray> content = archive.readEntry(i, LinkLimits::maxFileSize);
        const QString path = target.filePath(name);
        QSaveFile file(path);
        if (!content || !file.open(QIODevice::WriteOnly) || file.write(*content) != content->size() || !file.commit())
            return fail(QCoreApplication::translate("BackupEntries", "Can't write file: %1").arg(path));
        paths.append(path);
    }
    return paths;
}
