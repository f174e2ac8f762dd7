#include "editor/syntaxhighlighter.h"

#include "editor/textcharformat.h"

#include <QColor>
#include <QFont>
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
    emit highlightBlock(QVariant(text));
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
