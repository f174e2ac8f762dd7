#include "editor/syntaxhighlighter.h"

#include "editor/programsearch.h"
#include "editor/textcharformat.h"

#include <QColor>
#include <QFont>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

SyntaxHighlighter::SyntaxHighlighter(QObject *parent)
    : QSyntaxHighlighter(parent)
{
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
    if (!m_tokens.isEmpty() || m_numberFormat || m_stringFormat) {
        for (const ProgramTokens::Span &span : m_tokens.scan(text)) {
            if (const TextCharFormat *format = formatOf(span.kind))
                QSyntaxHighlighter::setFormat(span.start, span.length,
                                              static_cast<const QTextCharFormat &>(*format));
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
        rehighlight();
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
        QSyntaxHighlighter::setFormat(start, count, static_cast<const QTextCharFormat &>(*charFormat));
        return;
    }
    if (format.canConvert<QColor>()) {
        // Any string converts to QColor (and to QFont, as a family name); a misspelt colour
        // must not turn into a font, so a string counts only when it names a colour.
        const QColor colour = format.value<QColor>();
        if (colour.isValid())
            QSyntaxHighlighter::setFormat(start, count, colour);
        return;
    }
    if (format.userType() == QMetaType::QFont)
        QSyntaxHighlighter::setFormat(start, count, format.value<QFont>());
}

// Keeps this class's meta-object code in this object file, so linking it pulls in no other class.
#include "moc_syntaxhighlighter.cpp"
