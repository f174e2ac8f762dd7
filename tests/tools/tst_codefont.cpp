// The built-in code font as the application sees it through Qt: it loads from the resource,
// maps every calculator code to a glyph of its own and has the widths and outlines the editor
// relies on.

#include <QtEndian>
#include <QtTest>

#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainterPath>
#include <QRawFont>
#include <QSet>

namespace {

const QString fontResource = QStringLiteral(":/fonts/UlvoCodeSaverFont.ttf");
constexpr qreal designSize = 1000; // pixel size equal to units per em: advances in font units

} // namespace

class TestCodeFont : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void registersItsOwnFamily();
    void fontTables();
    void mapsEachCodeToItsOwnGlyph();
    void advances_data();
    void advances();
    void outlines_data();
    void outlines();

private:
    quint32 glyphFor(int code) const;
    QByteArray m_data;
    QRawFont m_font;
};

void TestCodeFont::initTestCase()
{
    QFile file(fontResource);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.errorString()));
    m_data = file.readAll();
    m_font = QRawFont(m_data, designSize, QFont::PreferNoHinting);
    QVERIFY(m_font.isValid());
}

quint32 TestCodeFont::glyphFor(int code) const
{
    const QVector<quint32> glyphs = m_font.glyphIndexesForString(QString(QChar(code)));
    return glyphs.size() == 1 ? glyphs.first() : 0;
}

void TestCodeFont::registersItsOwnFamily()
{
    const int id = QFontDatabase::addApplicationFont(fontResource);
    QVERIFY(id != -1);
    QCOMPARE(QFontDatabase::applicationFontFamilies(id), QStringList{QStringLiteral("Ulvo Code")});
    QCOMPARE(m_font.familyName(), QStringLiteral("Ulvo Code"));
}

void TestCodeFont::fontTables()
{
    const QByteArray maxp = m_font.fontTable("maxp");
    const QByteArray head = m_font.fontTable("head");
    const QByteArray post = m_font.fontTable("post");
    QVERIFY(maxp.size() >= 6 && head.size() >= 20 && post.size() >= 16);
    QCOMPARE(qFromBigEndian<quint16>(maxp.constData() + 4), quint16(259)); // numGlyphs
    QCOMPARE(qFromBigEndian<quint16>(head.constData() + 18), quint16(1000)); // unitsPerEm
    QCOMPARE(qFromBigEndian<quint32>(post.constData() + 12), quint32(0)); // isFixedPitch
    QCOMPARE(m_font.unitsPerEm(), qreal(1000));
}

void TestCodeFont::mapsEachCodeToItsOwnGlyph()
{
    QSet<quint32> glyphs;
    for (int code = 0; code <= 0xFF; ++code) {
        QVERIFY2(m_font.supportsCharacter(QChar(code)), qPrintable(QString::number(code, 16)));
        glyphs.insert(glyphFor(code));
    }
    QCOMPARE(glyphs.size(), 256);
    QVERIFY(!glyphs.contains(0));
    // Nothing beyond Latin-1 is mapped: other characters fall back to a system font.
    QVERIFY(!m_font.supportsCharacter(QChar(0x0100)));
    QVERIFY(!m_font.supportsCharacter(QChar(0x2192)));
}

void TestCodeFont::advances_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<int>("minWidth");
    QTest::addColumn<int>("maxWidth");
    QTest::newRow("control codes") << 0x00 << 0x1F << 560 << 560;
    QTest::newRow("ASCII") << 0x20 << 0x7E << 560 << 560;
    QTest::newRow("square root") << 0x7F << 0x7F << 468 << 1378;
    QTest::newRow("calculator symbols") << 0x80 << 0xE2 << 468 << 1378;
    QTest::newRow("plot icons") << 0xB5 << 0xBA << 930 << 1378;
}

void TestCodeFont::advances()
{
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(int, minWidth);
    QFETCH(int, maxWidth);
    for (int code = first; code <= last; ++code) {
        const QVector<QPointF> advance =
            m_font.advancesForGlyphIndexes(QVector<quint32>{glyphFor(code)}, QRawFont::UseDesignMetrics);
        QVERIFY(advance.size() == 1);
        const int width = qRound(advance.first().x());
        QVERIFY2(width >= minWidth && width <= maxWidth,
                 qPrintable(QStringLiteral("code %1 is %2 wide").arg(code, 2, 16).arg(width)));
    }
}

void TestCodeFont::outlines_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<bool>("drawn");
    QTest::newRow("control codes") << 0x00 << 0x1F << false;
    QTest::newRow("space") << 0x20 << 0x20 << false;
    QTest::newRow("printable ASCII") << 0x21 << 0x7E << true;
    QTest::newRow("square root to sigma") << 0x7F << 0xAB << true;
    QTest::newRow("0xAC") << 0xAC << 0xAC << false;
    QTest::newRow("low line to low comma") << 0xAD << 0xDC << true;
    QTest::newRow("0xDD") << 0xDD << 0xDD << false;
    QTest::newRow("minus to italic bracket") << 0xDE << 0xE2 << true;
    QTest::newRow("0xE3 onwards") << 0xE3 << 0xFF << false;
}

void TestCodeFont::outlines()
{
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(bool, drawn);
    for (int code = first; code <= last; ++code) {
        const bool hasOutline = !m_font.pathForGlyph(glyphFor(code)).isEmpty();
        QVERIFY2(hasOutline == drawn, qPrintable(QStringLiteral("code %1").arg(code, 2, 16)));
    }
}

QTEST_MAIN(TestCodeFont)
#include "tst_codefont.moc"
