#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The file entries of a backup archive, read only after the archive has passed the same check a
// restore makes, so their names are calculator file names and can stand as files in a folder.
struct BackupEntries {
    QString problem; // empty when the archive is usable; else "Invalid backup file: <path> (<why>)"
    QStringList names;
    QList<qint64> sizes;
};
BackupEntries listBackupEntries(const QString &archivePath);

// "Invalid backup file: <path> (<why>)", the words for an archive that a restore would refuse.
QString invalidBackupText(const QString &path, const QString &why);

// Writes the entries named in `names` (every file entry when empty) as files into `folder` and
// returns their paths in archive order. Names not in the archive are reported in *error and
// nothing is written.
QStringList extractBackupEntries(const QString &archivePath, const QStringList &names,
                                 const QString &folder, QString *error);
