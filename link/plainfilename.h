#pragma once

#include <QString>

// Whether a calculator file name can name a file inside a folder of the computer (a download,
// a backup entry) as it is: not empty, not "." or "..", no folder separator, no NUL, and no
// longer than a file system allows for one name.
inline constexpr int maxFileNameBytes = 255;

inline bool isPlainFileName(const QString &name)
{
    return !name.isEmpty() && name.toUtf8().size() <= maxFileNameBytes
           && name != QLatin1String(".") && name != QLatin1String("..")
           && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'))
           && !name.contains(QChar(0));
}
