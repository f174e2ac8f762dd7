#pragma once

#include <QPointer>
#include <QQuickTextDocument>
#include <QSyntaxHighlighter>
#include <QVariant>

// Hands each block of a Qt Quick text area's document to the window document (the highlightBlock
// signal) and applies the formats the document's handler sets back, while the block is highlighted.
class SyntaxHighlighter : public QSyntaxHighlighter
{
    Q_OBJECT
    Q_PROPERTY(QQuickTextDocument *textDocument READ textDocument WRITE setTextDocument
                       NOTIFY textDocumentChanged)

public:
    explicit SyntaxHighlighter(QObject *parent = nullptr);

    QQuickTextDocument *textDocument() const;
    // Attaches to the document the text area wraps; null detaches from any document.
    void setTextDocument(QQuickTextDocument *doc);

    // Formats count characters of the block being highlighted from start. The format is a
    // TextCharFormat object, a colour (as foreground) or a font; anything else changes nothing.
    Q_INVOKABLE void setFormat(int start, int count, const QVariant &format);

    // The attached document's text exactly as it holds it, lines joined by "\n". A text area's
    // own text turns U+00A0 into a blank, but in calculator text it is a symbol of its own
    // (code 0xA0) that must be saved and sent as it is. Empty without a document.
    Q_INVOKABLE QString calculatorText() const;

signals:
    void textDocumentChanged();
    void highlightBlock(QVariant text);

protected:
    void highlightBlock(const QString &text) override;

private:
    // Not owned: the text area owns it, and may go first.
    QPointer<QQuickTextDocument> m_textDocument;
};
