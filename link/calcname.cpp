#include "link/calcname.h"

#include "link/plainfilename.h"

#include <QTextCodec>

#include <algorithm>

namespace CalcName {

std::optional<QString> decode(const QByteArray &bytes)
{
    // QString::fromUtf8 drops a leading byte-order mark, which would make "\uFEFFA" and "A" the
    // same file; the codec keeps it when told the bytes have no header.
    static QTextCodec *const utf8 = QTextCodec::codecForName("UTF-8");
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    const QString text = utf8->toUnicode(bytes.constData(), bytes.size(), &state);
    if (state.invalidChars != 0 || state.remainingChars != 0 || encode(text) != bytes)
        return std::nullopt;
    return text;
}

QByteArray encode(const QString &name)
{
    return name.toUtf8();
}

QString display(const QByteArray &bytes)
{
    static QTextCodec *const utf8 = QTextCodec::codecForName("UTF-8");
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    QString text = utf8->toUnicode(bytes.constData(), bytes.size(), &state);
    // A sequence cut off at the end is held back for more bytes that will never come.
    if (state.remainingChars != 0)
        text += QChar(QChar::ReplacementCharacter);
    return text;
}

bool isValid(const QByteArray &bytes)
{
    const std::optional<QString> name = decode(bytes);
    return name && isPlainFileName(*name);
}

bool isArchiveName(const QByteArray &bytes)
{
    return isValid(bytes) && std::none_of(bytes.cbegin(), bytes.cend(), [](char c) { return uchar(c) < 0x20; });
}

} // namespace CalcName
