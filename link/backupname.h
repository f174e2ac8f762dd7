#pragma once

#include <QDate>
#include <QString>

// The file name a backup gets when the user names none: the calculator's name and the day,
// e.g. "ULVO-2026-12-10.ubk". Characters that cannot stand in a file name become "_".
QString defaultBackupName(const QString &calcName, const QDate &date);
// The calculator's name (read from the device, so untrusted) made fit to name one file or folder
// inside a chosen folder: no separators, no control characters, no leading dots, never empty.
QString calcNameForDisk(const QString &calcName);
