#pragma once

#include <QString>

class ZipArchive;

// Checks a backup archive before the calculator is cleared for it: it opens, every entry reads
// back whole within the size limit, every file entry has a valid calculator name, and there is
// at least one file entry and no more than a file list holds. Folder entries are skipped.
// Returns an empty text when the archive is usable (it is left open in archive), otherwise the
// reason for "Invalid backup file: <path> (<reason>)".
QString checkBackupArchive(ZipArchive &archive, const QString &path);
// The same checks on an archive already open for reading (from disk or from memory).
QString checkOpenBackupArchive(ZipArchive &archive);
