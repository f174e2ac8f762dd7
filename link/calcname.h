#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Calculator file names as they travel: the bytes the calculator sends are the file's identity in
// every request and archive entry; the text shown to the user is derived from them.
namespace CalcName {

// The name as text, when that text encodes back to exactly these bytes (UTF-8; a leading
// byte-order mark is kept as U+FEFF). No value for bytes that are not UTF-8.
std::optional<QString> decode(const QByteArray &bytes);
// The bytes of a name that decode() gave (or any text): its UTF-8.
QByteArray encode(const QString &name);
// Text for messages about any name: invalid sequences become U+FFFD.
QString display(const QByteArray &bytes);
// Whether the bytes name a calculator file that can also be a file in a folder as it is: UTF-8,
// and a plain file name (see isPlainFileName).
bool isValid(const QByteArray &bytes);
// Whether a valid name can also be a backup archive entry: ZIP tools store a name with control
// characters in a legacy code page rather than as UTF-8, so it would not read back as itself.
bool isArchiveName(const QByteArray &bytes);

} // namespace CalcName
