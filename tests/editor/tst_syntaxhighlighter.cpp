#include "editor/syntaxhighlighter.h"
#include "editor/textcharformat.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QtTest>

#include <memory>

namespace {

// A Qt Quick text area, the owner of the QQuickTextDocument the editor hands to the highlighter.
class TextArea
{
public:
    explicit TextArea(QQmlEngine &engine)
    {
        QQmlComponent component(&engine);
        component.setData("import QtQuick 2.15\nTextEdit { textFormat: TextEdit.PlainText }", QUrl());
        m_item.reset(qobject_cast<QQuickItem *>(component.create()));
        Q_ASSERT(m_item);
    }

    QQuickItem *item() const { return m_item.get(); }

    QQuickTextDocument *textDocument() const
    {
        return m_item->property("textDocument").value<QQuickTextDocument *>();
    }

    void destroy() { m_item.reset(); }

private:
    std::unique_ptr<QQuickItem> m_item;
};

} // namespace

class TestSyntaxHighlighter : public QObject
{
    Q_OBJECT
private slots:
    void setTextDocumentAttaches();
    void forgetsDestroyedTextDocument();
    void highlightBlockHandsOutEachBlock();
    void setFormatChoosesByValue_data();
    void setFormatChoosesByValue();
    void setFormatOutsideHighlightingIsHarmless();
    void calculatorTextKeepsEveryCode();

private:
    QQmlEngine m_engine;
};

void TestSyntaxHighlighter::setTextDocumentAttaches()
{
    TextArea first(m_engine);
    TextArea second(m_engine);
    SyntaxHighlighter highlighter;
    QSignalSpy changed(&highlighter, &SyntaxHighlighter::textDocumentChanged);
    QCOMPARE(highlighter.textDocument(), nullptr);

    highlighter.setTextDocument(first.textDocument());
    QCOMPARE(changed.count(), 1);
    QCOMPARE(highlighter.textDocument(), first.textDocument());
    QCOMPARE(highlighter.document(), first.textDocument()->textDocument());

    highlighter.setTextDocument(first.textDocument());
    QCOMPARE(changed.count(), 1);

    highlighter.setTextDocument(second.textDocument());
    QCOMPARE(changed.count(), 2);
    QCOMPARE(highlighter.document(), second.textDocument()->textDocument());

    highlighter.setTextDocument(nullptr);
    QCOMPARE(changed.count(), 3);
    QCOMPARE(highlighter.textDocument(), nullptr);
    QCOMPARE(highlighter.document(), nullptr);
}

void TestSyntaxHighlighter::forgetsDestroyedTextDocument()
{
    TextArea area(m_engine);
    SyntaxHighlighter highlighter;
    highlighter.setTextDocument(area.textDocument());

    area.destroy();
    QCOMPARE(highlighter.textDocument(), nullptr);
    QCOMPARE(highlighter.document(), nullptr);
}

void TestSyntaxHighlighter::highlightBlockHandsOutEachBlock()
{
    TextArea area(m_engine);
    QTextDocument *doc = area.textDocument()->textDocument();
    doc->setPlainText(QStringLiteral("Disp (1\n)"));
    SyntaxHighlighter highlighter;
    QSignalSpy blocks(&highlighter, qOverload<QVariant>(&SyntaxHighlighter::highlightBlock));

    // An attached document is highlighted as a whole once control returns to the event loop.
    highlighter.setTextDocument(area.textDocument());
    QTRY_COMPARE(blocks.count(), 2);
    QCOMPARE(blocks.at(0).at(0), QVariant(QStringLiteral("Disp (1")));
    QCOMPARE(blocks.at(1).at(0), QVariant(QStringLiteral(")")));

    // An edit re-highlights the changed block only, at once.
    blocks.clear();
    QTextCursor(doc->lastBlock()).insertText(QStringLiteral("2"));
    QCOMPARE(blocks.count(), 1);
    QCOMPARE(blocks.at(0).at(0), QVariant(QStringLiteral("2)")));
}

void TestSyntaxHighlighter::setFormatChoosesByValue_data()
{
    QTest::addColumn<QString>("value"); // which value the handler passes
    QTest::addColumn<QColor>("foreground"); // invalid: no foreground applied
    QTest::addColumn<bool>("bold");

    const QColor blue(0x01, 0x5C, 0xC5);
    QTest::newRow("format object") << "format object" << blue << true;
    QTest::newRow("format pointer") << "format pointer" << blue << true;
    QTest::newRow("colour name") << "colour name" << QColor(0x8B, 0, 0) << false;
    QTest::newRow("colour") << "colour" << QColor(Qt::green) << false;
    QTest::newRow("font") << "font" << QColor() << true;
    QTest::newRow("not a colour name") << "not a colour name" << QColor() << false;
    QTest::newRow("number") << "number" << QColor() << false;
    QTest::newRow("other object") << "other object" << QColor() << false;
    QTest::newRow("nothing") << "nothing" << QColor() << false;
}

void TestSyntaxHighlighter::setFormatChoosesByValue()
{
    QFETCH(QString, value);
    QFETCH(QColor, foreground);
    QFETCH(bool, bold);

    TextCharFormat format;
    format.setForeground(QStringLiteral("#015CC5"));
    QFont boldFont;
    boldFont.setBold(true);
    format.setFont(boldFont);
    QObject otherObject;
    const QMap<QString, QVariant> values{
        {"format object", QVariant::fromValue<QObject *>(&format)},
        {"format pointer", QVariant::fromValue(&format)},
        {"colour name", QStringLiteral("#8B0000")},
        {"colour", QColor(Qt::green)},
        {"font", boldFont},
        {"not a colour name", QStringLiteral("bracket")},
        {"number", 7},
        {"other object", QVariant::fromValue(&otherObject)},
        {"nothing", QVariant()},
    };
    QVERIFY(values.contains(value));

    QTextDocument doc;
    SyntaxHighlighter highlighter;
    connect(&highlighter, qOverload<QVariant>(&SyntaxHighlighter::highlightBlock), this,
            [&](const QVariant &) { highlighter.setFormat(1, 2, values.value(value)); });
    highlighter.setDocument(&doc);
    doc.setPlainText(QStringLiteral("(ab)"));
    highlighter.rehighlight();

    const QVector<QTextLayout::FormatRange> ranges = doc.firstBlock().layout()->formats();
    if (!foreground.isValid() && !bold) {
        QVERIFY(ranges.isEmpty());
        return;
    }
    QCOMPARE(ranges.size(), 1);
    QCOMPARE(ranges.at(0).start, 1);
    QCOMPARE(ranges.at(0).length, 2);
    const QTextCharFormat applied = ranges.at(0).format;
    QCOMPARE(applied.hasProperty(QTextFormat::ForegroundBrush), foreground.isValid());
    if (foreground.isValid())
        QCOMPARE(applied.foreground().color(), foreground);
    QCOMPARE(applied.fontWeight() == QFont::Bold, bold);
}

void TestSyntaxHighlighter::setFormatOutsideHighlightingIsHarmless()
{
    QTextDocument doc(QStringLiteral("()"));
    SyntaxHighlighter highlighter;
    highlighter.setDocument(&doc);
    highlighter.rehighlight();

    highlighter.setFormat(0, 1, QStringLiteral("#8B0000"));
    QVERIFY(doc.firstBlock().layout()->formats().isEmpty());
}

// Code 0xA0 is a calculator symbol; the text area's own text would hand it on as a blank.
void TestSyntaxHighlighter::calculatorTextKeepsEveryCode()
{
    TextArea area(m_engine);
    SyntaxHighlighter highlighter;
    QCOMPARE(highlighter.calculatorText(), QString());
    QString text;
    for (int code = 0x20; code <= 0xFF; ++code)
        text += QChar(code);
    text += QStringLiteral("\nA\u00a0B\n\n");
    area.item()->setProperty("text", text);
    highlighter.setTextDocument(area.textDocument());
    QCOMPARE(highlighter.calculatorText(), text);
    QVERIFY(!area.item()->property("text").toString().contains(QChar(0xA0)));
}

QTEST_MAIN(TestSyntaxHighlighter)
#include "tst_syntaxhighlighter.moc"
