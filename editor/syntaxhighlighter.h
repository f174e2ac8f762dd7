#pragma once

#include "editor/programtokens.h"

#include <QAbstractItemModel>
#include <QPointer>
#include <QQuickTextDocument>
#include <QSyntaxHighlighter>
#include <QTextLayout>
#include <QTimer>
#include <QVariant>
#include <QVariantList>

#include "editor/textcharformat.h"

// Hands each block of a Qt Quick text area's document to the window document (the highlightBlock
// signal) and applies the formats the document's handler sets back, while the block is highlighted.
// Before that it colours the language's words itself: the catalogue's tokens, numbers and texts in
// quotes, each with its format when one is set; the document's formats, set later, win.
class SyntaxHighlighter : public QSyntaxHighlighter
{
    Q_OBJECT
    Q_PROPERTY(QQuickTextDocument *textDocument READ textDocument WRITE setTextDocument
                       NOTIFY textDocumentChanged)
    // The function catalogue whose leaf tokens are coloured; follows the model as it changes.
    Q_PROPERTY(QAbstractItemModel *catalogue READ catalogue WRITE setCatalogue NOTIFY catalogueChanged)
    Q_PROPERTY(TextCharFormat *tokenFormat READ tokenFormat WRITE setTokenFormat NOTIFY formatsChanged)
    Q_PROPERTY(TextCharFormat *numberFormat READ numberFormat WRITE setNumberFormat NOTIFY formatsChanged)
    Q_PROPERTY(TextCharFormat *stringFormat READ stringFormat WRITE setStringFormat NOTIFY formatsChanged)

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

    // Start positions of needle in the calculator text (see ProgramSearch).
    Q_INVOKABLE QVariantList findAll(const QString &needle, bool caseSensitive) const;
    // Replaces every match of needle by replacement as one undo step; the number replaced.
    Q_INVOKABLE int replaceAll(const QString &needle, bool caseSensitive, const QString &replacement);
    // Replaces length characters from start by replacement as one undo step.
    Q_INVOKABLE void replaceAt(int start, int length, const QString &replacement);
    // The position where line lineNumber (from 1) starts, the line clamped to the existing ones;
    // -1 without a document.
    Q_INVOKABLE int lineStart(int lineNumber) const;

    // A whole program loaded at once would be coloured line by line before anything is shown.
    // Between these two calls lines are left as they are; resuming colours the first
    // firstStepLines lines at once and the rest in short steps from the event loop, so the text
    // shows at once and stays responsive. Edits meanwhile are coloured as usual.
    Q_INVOKABLE void deferHighlighting();
    Q_INVOKABLE void resumeHighlighting();
    static constexpr int firstStepLines = 200;

    QAbstractItemModel *catalogue() const;
    void setCatalogue(QAbstractItemModel *catalogue);
    TextCharFormat *tokenFormat() const;
    void setTokenFormat(TextCharFormat *format);
    TextCharFormat *numberFormat() const;
    void setNumberFormat(TextCharFormat *format);
    TextCharFormat *stringFormat() const;
    void setStringFormat(TextCharFormat *format);

signals:
    void textDocumentChanged();
    void highlightBlock(QVariant text);
    void catalogueChanged();
    void formatsChanged();

protected:
    void highlightBlock(const QString &text) override;

private:
    void reloadTokens();
    void rehighlightText();
    void highlightStep();
    // Sends a format to the block being highlighted, or to the collection of a step.
    void applyFormat(int start, int count, const QTextCharFormat &format);
    // Highlights blocks from m_nextStepBlock until count blocks or the time budget are done.
    void highlightBlocks(int count, qint64 budgetNs);
    void setWordFormat(QPointer<TextCharFormat> &slot, TextCharFormat *format);
    const TextCharFormat *formatOf(ProgramTokens::Kind kind) const;

    // Not owned: the text area owns it, and may go first.
    QPointer<QQuickTextDocument> m_textDocument;
    QPointer<QAbstractItemModel> m_catalogue;
    QPointer<TextCharFormat> m_tokenFormat;
    QPointer<TextCharFormat> m_numberFormat;
    QPointer<TextCharFormat> m_stringFormat;
    ProgramTokens m_tokens;
    // A line's formats gathered by a step of resumed highlighting: a format index per character.
    struct CollectedFormats
    {
        QVector<QTextCharFormat> formats;
        QVector<int> formatAt;
        QVector<QTextLayout::FormatRange> ranges() const;
    };
    CollectedFormats *m_collected = nullptr;
    bool m_deferred = false;
    int m_nextStepBlock = -1;
    QTimer m_stepTimer;
};
