#pragma once

#include <QString>

// Whether a calculator file name can name a file inside a folder of the computer (a download,
// a backup entry) as it is: not empty, not "." or "..", no folder separator, no NUL.
inline bool isPlainFileName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
           && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'))
           && !name.contains(QChar(0));
}
