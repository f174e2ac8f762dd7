#include "textformatprobe.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

namespace {

// The highlight format that applies last to position, restricted to formats having property.
QTextCharFormat highlightFormatAt(QQuickTextDocument *doc, int position, int property)
{
    if (!doc || !doc->textDocument())
        return {};
    const QTextBlock block = doc->textDocument()->findBlock(position);
    if (!block.isValid() || !block.layout())
        return {};
    const int inBlock = position - block.position();
    QTextCharFormat found;
    for (const QTextLayout::FormatRange &range : block.layout()->formats()) {
        if (inBlock >= range.start && inBlock < range.start + range.length
            && range.format.hasProperty(property))
            found = range.format;
    }
    return found;
}

} // namespace

QString TextFormatProbe::highlightForeground(QQuickTextDocument *doc, int position) const
{
    const QTextCharFormat format = highlightFormatAt(doc, position, QTextFormat::ForegroundBrush);
    if (!format.hasProperty(QTextFormat::ForegroundBrush))
        return {};
    return format.foreground().color().name().toUpper();
}

QString TextFormatProbe::highlightFontFamily(QQuickTextDocument *doc, int position) const
{
    const QTextCharFormat format = highlightFormatAt(doc, position, QTextFormat::FontFamily);
    return format.hasProperty(QTextFormat::FontFamily) ? format.fontFamily() : QString();
}
