#include "link/backupname.h"

QString defaultBackupName(const QString &calcName, const QDate &date)
{
    return calcNameForDisk(calcName) + QLatin1Char('-') + date.toString(Qt::ISODate) + QStringLiteral(".ubk");
}

QString calcNameForDisk(const QString &calcName)
{
    QString base = calcName.trimmed();
    for (QChar &c : base) {
        // Folder separators and control characters would make the name a path or unreadable.
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = QLatin1Char('_');
    }
    // A name of dots alone would be "." or "..", or a hidden file.
    while (base.startsWith(QLatin1Char('.')))
        base.remove(0, 1);
    if (base.isEmpty())
        base = QStringLiteral("calculator");
    return base;
}
