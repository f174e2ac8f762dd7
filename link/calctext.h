#pragma once

#include <QByteArray>
#include <QString>

// Program bytes as calculator text: one character per code. The text ends at the first NUL byte,
// wherever the bytes came from (the calculator or a file on the computer).
inline QString calcTextFromBytes(const QByteArray &bytes)
{
    const int nul = bytes.indexOf('\0');
    return QString::fromLatin1(nul < 0 ? bytes : bytes.left(nul));
}
