#include "editor/textcharformat.h"

#include <QSignalSpy>
#include <QtTest>

class TestTextCharFormat : public QObject
{
    Q_OBJECT
private slots:
    void metaCastGivesFormatPart();
    void setForeground_data();
    void setForeground();
    void sameForegroundStillNotifies();
    void setFontNotifiesOnlyOnChange();
};

void TestTextCharFormat::metaCastGivesFormatPart()
{
    TextCharFormat format;
    format.setForeground(QStringLiteral("#015CC5"));

    auto *part = static_cast<QTextCharFormat *>(format.qt_metacast("QTextCharFormat"));
    QCOMPARE(part, static_cast<QTextCharFormat *>(&format));
    QCOMPARE(part->foreground().color(), QColor(0x01, 0x5C, 0xC5));
}

void TestTextCharFormat::setForeground_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QColor>("expected"); // invalid: the value is ignored

    QTest::newRow("colour name") << QVariant(QStringLiteral("#8E44AD")) << QColor(0x8E, 0x44, 0xAD);
    QTest::newRow("svg name") << QVariant(QStringLiteral("darkred")) << QColor(0x8B, 0, 0);
    QTest::newRow("colour") << QVariant(QColor(Qt::green)) << QColor(Qt::green);
    QTest::newRow("not a colour name") << QVariant(QStringLiteral("bracket")) << QColor();
    QTest::newRow("empty text") << QVariant(QString()) << QColor();
    QTest::newRow("number") << QVariant(42) << QColor();
    QTest::newRow("font") << QVariant(QFont(QStringLiteral("Serif"))) << QColor();
    QTest::newRow("nothing") << QVariant() << QColor();
}

void TestTextCharFormat::setForeground()
{
    QFETCH(QVariant, value);
    QFETCH(QColor, expected);

    TextCharFormat format;
    format.setForeground(QColor(Qt::blue));
    QSignalSpy changed(&format, &TextCharFormat::foregroundChanged);

    format.setForeground(value);

    const bool applies = expected.isValid();
    QCOMPARE(changed.count(), applies ? 1 : 0);
    QCOMPARE(format.foreground().value<QColor>(), applies ? expected : QColor(Qt::blue));
}

void TestTextCharFormat::sameForegroundStillNotifies()
{
    TextCharFormat format;
    QSignalSpy changed(&format, &TextCharFormat::foregroundChanged);
    format.setForeground(QStringLiteral("#27AE60"));
    format.setForeground(QStringLiteral("#27AE60"));
    QCOMPARE(changed.count(), 2);
}

void TestTextCharFormat::setFontNotifiesOnlyOnChange()
{
    TextCharFormat format;
    QSignalSpy changed(&format, &TextCharFormat::fontChanged);
    QFont bold(QStringLiteral("Serif"), 13);
    bold.setBold(true);

    format.setFont(bold);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(format.font(), bold);
    QVERIFY(format.fontWeight() == QFont::Bold);

    format.setFont(bold);
    QCOMPARE(changed.count(), 1);
}

QTEST_MAIN(TestTextCharFormat)
#include "tst_textcharformat.moc"
