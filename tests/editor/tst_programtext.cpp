// Finding text and the language's words in calculator text (one character per calculator code).
#include "editor/programsearch.h"
#include "editor/programtokens.h"
#include "models/ulvofunctreemodel.h"

#include <QFile>
#include <QtTest>

using Span = ProgramTokens::Span;
using Kind = ProgramTokens::Kind;
Q_DECLARE_METATYPE(QVector<int>)
Q_DECLARE_METATYPE(QVector<ProgramTokens::Span>)

namespace {

QString calc(const char *latin1)
{
    return QString::fromLatin1(latin1);
}

} // namespace

class TestProgramText : public QObject
{
    Q_OBJECT
private slots:
    void findAll_data();
    void findAll();
    void scan_data();
    void scan();
    void catalogueDrivesTheTokens();
};

void TestProgramText::findAll_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("needle");
    QTest::addColumn<bool>("caseSensitive");
    QTest::addColumn<QVector<int>>("matches");

    QTest::newRow("case ignored") << "Disp X:disp x" << "DISP" << false << QVector<int>{0, 7};
    QTest::newRow("case kept") << "Disp X:disp x" << "disp" << true << QVector<int>{7};
    QTest::newRow("no match") << "Disp X" << "Y" << false << QVector<int>{};
    QTest::newRow("empty needle") << "Disp X" << "" << false << QVector<int>{};
    QTest::newRow("needle longer than text") << "X" << "XY" << false << QVector<int>{};
    QTest::newRow("not overlapping") << "aaaa" << "aa" << true << QVector<int>{0, 2};
    QTest::newRow("store arrow") << calc("1\xa8" "A:2\xa8" "B") << calc("\xa8") << false << QVector<int>{1, 5};
    // 0xC1 (subscript one) and 0xE1 (italic bracket) are Latin-1 upper and lower case of each
    // other; as calculator codes they are unrelated.
    QTest::newRow("subscript is no capital") << calc("L\xc1 \xe1") << calc("\xc1") << false << QVector<int>{1};
    QTest::newRow("italic bracket is no small letter") << calc("L\xc1 \xe1") << calc("\xe1") << false << QVector<int>{3};
    // Unicode would turn 0xDF into "SS" and shift every later position.
    QTest::newRow("symbol 0xDF keeps its length") << calc("\xdf\xdeVarStats s") << "s" << false << QVector<int>{5, 9, 11};
    QTest::newRow("symbol 0xA0 is no blank") << calc("a\xa0 b") << " " << false << QVector<int>{2};
    QTest::newRow("line ends match") << "A\nB\n" << "\n" << false << QVector<int>{1, 3};
}

void TestProgramText::findAll()
{
    QFETCH(QString, text);
    QFETCH(QString, needle);
    QFETCH(bool, caseSensitive);
    QFETCH(QVector<int>, matches);
    QCOMPARE(ProgramSearch::findAll(text, needle, caseSensitive), matches);
}

void TestProgramText::scan_data()
{
    QTest::addColumn<QStringList>("tokens");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QVector<Span>>("spans");

    const QStringList tokens{"sin(", "Disp(", "Disp()", "if\r", "e", "Xmin\r", "Xmax", "+", calc("\xa8"),
                             "min(", "[A]"};
    QTest::newRow("function and number")
            << tokens << "Disp(sin(30))" << QVector<Span>{{0, 5, Kind::Token}, {5, 4, Kind::Token}, {9, 2, Kind::Number}};
    QTest::newRow("longest token wins") << tokens << "Disp()" << QVector<Span>{{0, 6, Kind::Token}};
    QTest::newRow("line end of the catalogue dropped") << tokens << "if X" << QVector<Span>{{0, 2, Kind::Token}};
    QTest::newRow("operators are no words") << tokens << "1+2" << QVector<Span>{{0, 1, Kind::Number}, {2, 1, Kind::Number}};
    QTest::newRow("not inside a longer word") << tokens << "else asin(x) Xmins" << QVector<Span>{};
    QTest::newRow("after a digit") << tokens << "2sin(X)" << QVector<Span>{{0, 1, Kind::Number}, {1, 4, Kind::Token}};
    QTest::newRow("digit of a name is no number") << tokens << "X2+e" << QVector<Span>{{3, 1, Kind::Token}};
    QTest::newRow("decimal number") << tokens << ".5+12.25" << QVector<Span>{{0, 2, Kind::Number}, {3, 5, Kind::Number}};
    QTest::newRow("symbol token") << tokens << calc("5\xa8" "A") << QVector<Span>{{0, 1, Kind::Number}, {1, 1, Kind::Token}};
    QTest::newRow("text in quotes hides its words")
            << tokens << "Disp(\"sin( 5\")" << QVector<Span>{{0, 5, Kind::Token}, {5, 8, Kind::String}};
    QTest::newRow("unclosed text runs to the line end") << tokens << "\"Xmax 1" << QVector<Span>{{0, 7, Kind::String}};
    QTest::newRow("token with brackets") << tokens << "[A]" << QVector<Span>{{0, 3, Kind::Token}};
    QTest::newRow("no catalogue") << QStringList() << "Disp(1)" << QVector<Span>{{5, 1, Kind::Number}};
}

void TestProgramText::scan()
{
    QFETCH(QStringList, tokens);
    QFETCH(QString, line);
    QFETCH(QVector<Span>, spans);
    QCOMPARE(ProgramTokens(tokens).scan(line), spans);
}

void TestProgramText::catalogueDrivesTheTokens()
{
    QFile resource(QStringLiteral(":/UlvoFunctions.txt"));
    QVERIFY(resource.open(QIODevice::ReadOnly));
    QByteArray text = resource.readAll();
    UlvoFuncTreeModel catalogue(text);
    const QStringList tokens = ProgramTokens::catalogueTokens(&catalogue);
    QCOMPARE(tokens.size(), 519); // the leaves only, no category
    QVERIFY(tokens.contains(QStringLiteral("sin(")));
    QVERIFY(!tokens.contains(QStringLiteral("Keypad\r")));

    const ProgramTokens words(tokens);
    QCOMPARE(words.scan(calc("Disp(sin(\xd2)):If")),
             (QVector<Span>{{0, 5, Kind::Token}, {5, 4, Kind::Token}, {9, 1, Kind::Token}}));
    QCOMPARE(words.scan(calc("1\xa8Xmin")), (QVector<Span>{{0, 1, Kind::Number}, {1, 1, Kind::Token}, {2, 4, Kind::Token}}));
}

QTEST_GUILESS_MAIN(TestProgramText)
#include "tst_programtext.moc"
