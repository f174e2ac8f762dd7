#include "editor/textcharformat.h"

#include <QBrush>
#include <QColor>

TextCharFormat::TextCharFormat(QObject *parent)
    : QObject(parent)
{
}

QFont TextCharFormat::font() const
{
    return QTextCharFormat::font();
}

void TextCharFormat::setFont(const QFont &font)
{
    if (QTextCharFormat::font() == font)
        return;
    QTextCharFormat::setFont(font);
    emit fontChanged();
}

QVariant TextCharFormat::foreground() const
{
    return QVariant::fromValue(QTextCharFormat::foreground().color());
}

void TextCharFormat::setForeground(const QVariant &value)
{
    // A string converts to QColor whatever it says; only a colour that came out valid counts.
    if (!value.canConvert<QColor>())
        return;
    const QColor colour = value.value<QColor>();
    if (!colour.isValid())
        return;
    QTextCharFormat::setForeground(QBrush(colour));
    emit foregroundChanged();
}

// Keeps this class's meta-object code in this object file, so linking it pulls in no other class.
#include "moc_textcharformat.cpp"
