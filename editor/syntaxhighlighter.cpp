#include "editor/syntaxhighlighter.h"

#include "editor/programsearch.h"
#include "editor/textcharformat.h"

#include <QColor>
#include <QElapsedTimer>

#include <algorithm>
#include <QFont>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// Each later step of resumed highlighting keeps the event loop this long at most.
constexpr qint64 stepBudgetNs = 8 * 1000 * 1000;

} // namespace

SyntaxHighlighter::SyntaxHighlighter(QObject *parent)
    : QSyntaxHighlighter(parent)
{
    m_stepTimer.setInterval(0);
    connect(&m_stepTimer, &QTimer::timeout, this, &SyntaxHighlighter::highlightStep);
}

QQuickTextDocument *SyntaxHighlighter::textDocument() const
{
    return m_textDocument;
}

void SyntaxHighlighter::setTextDocument(QQuickTextDocument *doc)
{
    if (doc == m_textDocument)
        return;
    m_textDocument = doc;
    QSyntaxHighlighter::setDocument(doc ? doc->textDocument() : nullptr);
    emit textDocumentChanged();
}

void SyntaxHighlighter::highlightBlock(const QString &text)
{
    if (m_deferred)
        return;
    if (!m_tokens.isEmpty() || m_numberFormat || m_stringFormat) {
        for (const ProgramTokens::Span &span : m_tokens.scan(text)) {
            if (const TextCharFormat *format = formatOf(span.kind))
                applyFormat(span.start, span.length, static_cast<const QTextCharFormat &>(*format));
        }
    }
    emit highlightBlock(QVariant(text));
}

const TextCharFormat *SyntaxHighlighter::formatOf(ProgramTokens::Kind kind) const
{
    switch (kind) {
    case ProgramTokens::Kind::Token:
        return m_tokenFormat;
    case ProgramTokens::Kind::Number:
        return m_numberFormat;
    case ProgramTokens::Kind::String:
        return m_stringFormat;
    }
    return nullptr;
}

void SyntaxHighlighter::deferHighlighting()
{
    m_stepTimer.stop();
    m_deferred = true;
}

void SyntaxHighlighter::resumeHighlighting()
{
    m_deferred = false;
    m_nextStepBlock = 0;
    highlightBlocks(firstStepLines, -1);
    if (m_nextStepBlock >= 0)
        m_stepTimer.start();
}

void SyntaxHighlighter::highlightStep()
{
    highlightBlocks(-1, stepBudgetNs);
    if (m_nextStepBlock < 0)
        m_stepTimer.stop();
}

void SyntaxHighlighter::highlightBlocks(int count, qint64 budgetNs)
{
    QTextDocument *doc = document();
    QTextBlock block = doc ? doc->findBlockByNumber(m_nextStepBlock) : QTextBlock();
    if (!block.isValid()) {
        m_nextStepBlock = -1;
        return;
    }
    // The base class would have the document laid out again after every line, each time
    // walking all lines: the formats go straight to the lines, and the document hears of them
    // once for the whole step.
    const int from = block.position();
    int to = from;
    CollectedFormats collected;
    m_collected = &collected;
    QElapsedTimer clock;
    clock.start();
    for (int done = 0; block.isValid(); block = block.next(), ++done) {
        if ((count >= 0 && done >= count) || (budgetNs >= 0 && clock.nsecsElapsed() >= budgetNs))
            break;
        collected.formats.clear();
        collected.formatAt.fill(-1, block.length() - 1);
        highlightBlock(block.text());
        block.layout()->setFormats(collected.ranges());
        to = block.position() + block.length();
    }
    m_collected = nullptr;
    if (to > from)
        doc->markContentsDirty(from, to - from);
    m_nextStepBlock = block.isValid() ? block.blockNumber() : -1;
}

QAbstractItemModel *SyntaxHighlighter::catalogue() const
{
    return m_catalogue;
}

void SyntaxHighlighter::setCatalogue(QAbstractItemModel *catalogue)
{
    if (catalogue == m_catalogue)
        return;
    if (m_catalogue)
        disconnect(m_catalogue, nullptr, this, nullptr);
    m_catalogue = catalogue;
    if (catalogue) {
        connect(catalogue, &QAbstractItemModel::modelReset, this, &SyntaxHighlighter::reloadTokens);
        connect(catalogue, &QAbstractItemModel::layoutChanged, this, &SyntaxHighlighter::reloadTokens);
        connect(catalogue, &QAbstractItemModel::rowsInserted, this, &SyntaxHighlighter::reloadTokens);
        connect(catalogue, &QAbstractItemModel::rowsRemoved, this, &SyntaxHighlighter::reloadTokens);
        connect(catalogue, &QAbstractItemModel::dataChanged, this, &SyntaxHighlighter::reloadTokens);
    }
    reloadTokens();
    emit catalogueChanged();
}

void SyntaxHighlighter::reloadTokens()
{
    m_tokens = ProgramTokens(ProgramTokens::catalogueTokens(m_catalogue));
    rehighlightText();
}

void SyntaxHighlighter::rehighlightText()
{
    // An empty document has nothing to colour; while the window document is still being built
    // its handler must not run at all.
    if (document() && !document()->isEmpty())
        resumeHighlighting();
}

TextCharFormat *SyntaxHighlighter::tokenFormat() const
{
    return m_tokenFormat;
}

void SyntaxHighlighter::setTokenFormat(TextCharFormat *format)
{
    setWordFormat(m_tokenFormat, format);
}

TextCharFormat *SyntaxHighlighter::numberFormat() const
{
    return m_numberFormat;
}

void SyntaxHighlighter::setNumberFormat(TextCharFormat *format)
{
    setWordFormat(m_numberFormat, format);
}

TextCharFormat *SyntaxHighlighter::stringFormat() const
{
    return m_stringFormat;
}

void SyntaxHighlighter::setStringFormat(TextCharFormat *format)
{
    setWordFormat(m_stringFormat, format);
}

void SyntaxHighlighter::setWordFormat(QPointer<TextCharFormat> &slot, TextCharFormat *format)
{
    if (slot == format)
        return;
    if (slot)
        disconnect(slot, nullptr, this, nullptr);
    slot = format;
    // A colour given after the format was set still reaches the text.
    if (format)
        connect(format, &TextCharFormat::foregroundChanged, this, &SyntaxHighlighter::rehighlightText);
    rehighlightText();
    emit formatsChanged();
}

QVariantList SyntaxHighlighter::findAll(const QString &needle, bool caseSensitive) const
{
    QVariantList positions;
    for (int position : ProgramSearch::findAll(calculatorText(), needle, caseSensitive))
        positions.append(position);
    return positions;
}

int SyntaxHighlighter::replaceAll(const QString &needle, bool caseSensitive, const QString &replacement)
{
    QTextDocument *doc = document();
    if (!doc)
        return 0;
    const QVector<int> matches = ProgramSearch::findAll(calculatorText(), needle, caseSensitive);
    if (matches.isEmpty())
        return 0;
    QTextCursor cursor(doc);
    cursor.beginEditBlock();
    // From the end, so the positions still to replace stay where they were found.
    for (auto match = matches.crbegin(); match != matches.crend(); ++match) {
        cursor.setPosition(*match);
        cursor.setPosition(*match + needle.size(), QTextCursor::KeepAnchor);
        cursor.insertText(replacement);
    }
    cursor.endEditBlock();
    return matches.size();
}

void SyntaxHighlighter::replaceAt(int start, int length, const QString &replacement)
{
    QTextDocument *doc = document();
    const int end = start + length;
    // The last position is the document's closing paragraph mark, which no cursor may select.
    if (!doc || start < 0 || length < 0 || end > doc->characterCount() - 1)
        return;
    QTextCursor cursor(doc);
    cursor.beginEditBlock();
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.insertText(replacement);
    cursor.endEditBlock();
}

int SyntaxHighlighter::lineStart(int lineNumber) const
{
    const QTextDocument *doc = document();
    if (!doc)
        return -1;
    const int block = qBound(0, lineNumber - 1, doc->blockCount() - 1);
    return doc->findBlockByNumber(block).position();
}

QString SyntaxHighlighter::calculatorText() const
{
    const QTextDocument *doc = document();
    if (!doc)
        return QString();
    QString text = doc->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

void SyntaxHighlighter::setFormat(int start, int count, const QVariant &format)
{
    if (const auto *charFormat = qobject_cast<TextCharFormat *>(format.value<QObject *>())) {
        applyFormat(start, count, static_cast<const QTextCharFormat &>(*charFormat));
        return;
    }
    QTextCharFormat plain;
    if (format.canConvert<QColor>()) {
        // Any string converts to QColor (and to QFont, as a family name); a misspelt colour
        // must not turn into a font, so a string counts only when it names a colour.
        const QColor colour = format.value<QColor>();
        if (!colour.isValid())
            return;
        plain.setForeground(colour);
    } else if (format.userType() == QMetaType::QFont) {
        plain.setFont(format.value<QFont>());
    } else {
        return;
    }
    applyFormat(start, count, plain);
}

void SyntaxHighlighter::applyFormat(int start, int count, const QTextCharFormat &format)
{
    if (!m_collected) {
        QSyntaxHighlighter::setFormat(start, count, format);
        return;
    }
    // As the base class does: later formats replace earlier ones, character by character.
    QVector<int> &at = m_collected->formatAt;
    const int end = qMin(start + count, at.size());
    if (start < 0 || start >= end)
        return;
    m_collected->formats.append(format);
    std::fill(at.begin() + start, at.begin() + end, m_collected->formats.size() - 1);
}

QVector<QTextLayout::FormatRange> SyntaxHighlighter::CollectedFormats::ranges() const
{
    QVector<QTextLayout::FormatRange> ranges;
    for (int start = 0; start < formatAt.size();) {
        int end = start + 1;
        while (end < formatAt.size() && formatAt.at(end) == formatAt.at(start))
            ++end;
        if (formatAt.at(start) >= 0)
            ranges.append({start, end - start, formats.at(formatAt.at(start))});
        start = end;
    }
    return ranges;
}

// Keeps this class's meta-object code in this object file, so linking it pulls in no other class.
#include "moc_syntaxhighlighter.cpp"
