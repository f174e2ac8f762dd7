#include "link/culvocalc.h"

#include <QtTest>

// The calculator's file-name rule: 14 characters of upper-case base, a dot, 3 of extension.
class TestCalcFileName : public QObject
{
    Q_OBJECT
private slots:
    void convertsNames_data();
    void convertsNames();
    void asciiResultIsStable_data();
    void asciiResultIsStable();
    void nonAsciiResultChangesAgain();
};

void TestCalcFileName::convertsNames_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");

    QTest::newRow("blank removed") << "my program.txt" << "MYPROGRAM.txt";
    QTest::newRow("no extension") << "readme" << "README";
    QTest::newRow("inner dots removed") << "archive.tar.gz" << "ARCHIVETAR.gz";
    QTest::newRow("leading dot") << ".profile" << "PROFILE";
    QTest::newRow("reserved signs") << "a+b=c.txt" << "A_B_C.txt";
    QTest::newRow("extension cut") << "data.jsonl" << "DATA.jso";
    QTest::newRow("final dot stays") << "file." << "FILE.";
    QTest::newRow("base cut") << "verylongprogramname.txt" << "VERYLONGPROGRA.txt";
    QTest::newRow("only dots") << "..." << "";
    QTest::newRow("latin-1 letter") << QString::fromUtf8("café.txt")
                                    << QString::fromUtf8("CAF\uFFFD.txt");

    // Beyond the examples: each step of the rule on its own.
    QTest::newRow("long name without dot") << "abcdefghijklmnopq" << "ABCDEFGHIJKLMN";
    QTest::newRow("reserved, first half") << "+\"\\*,/:" << "_______";
    QTest::newRow("reserved, second half") << ";=<>?[]|" << "________";
    QTest::newRow("controls and DEL removed") << QString("a\tb\x7f" "c\r.t\nx") << "ABC.tx";
    QTest::newRow("cut at NUL") << QString::fromLatin1("ab\0cd.txt", 9) << "AB";
    QTest::newRow("outside latin-1 becomes _") << QString::fromUtf8("π.txt") << "_.txt";
    QTest::newRow("utf-8 read from latin-1") << QString::fromLatin1("\xc3\xa9.b") << QString::fromUtf8("\u00c9.b");
    QTest::newRow("extension keeps case") << "Prog.Ucb" << "PROG.Ucb";
    QTest::newRow("dots in long base") << "a.b.c.d.e.f.g.h.i.j.k.l.m.n.o.p.txt" << "ABCDEFGHIJKLMN.txt";
    QTest::newRow("empty") << "" << "";
    // Upper case can be longer than lower case: the limits hold for the result.
    // "ß" as its UTF-8 bytes read as Latin-1, which the rule turns back into "ß".
    const QString sharpS = QString::fromLatin1("\xc3\x9f");
    QTest::newRow("sharp s grows when upper-cased") << sharpS.repeated(28) + ".txt"
                                                   << QString(14, QLatin1Char('S')) + ".txt";
    QTest::newRow("sharp s without extension") << sharpS.repeated(20) << QString(14, QLatin1Char('S'));
    // U+1F642 (two UTF-16 units) as its UTF-8 bytes read as Latin-1: a cut keeps whole characters.
    const QString smiley = QString::fromLatin1("\xf0\x9f\x99\x82");
    const QString smileyText = QStringLiteral("\U0001F642");
    // U+1F600's second unit, DE00, has a low byte below 0x20: the character goes as a whole.
    QTest::newRow("character removed whole") << "a" + QString::fromLatin1("\xf0\x9f\x98\x80") + "b.txt"
                                             << "AB.txt";
    QTest::newRow("character across the base limit") << "abcdefghijklm" + smiley << "ABCDEFGHIJKLM";
    QTest::newRow("character across the base limit, dot") << "abcdefghijklm" + smiley + ".txt"
                                                            << "ABCDEFGHIJKLM.txt";
    QTest::newRow("character within the base limit") << "abcdefghijkl" + smiley + "x.b"
                                                       << "ABCDEFGHIJKL" + smileyText + ".b";
    QTest::newRow("character across the extension limit") << "a.xy" + smiley << "A.xy";
    QTest::newRow("character within the extension limit") << "a.x" + smiley + "z" << "A.x" + smileyText;
}

void TestCalcFileName::convertsNames()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);
    const QString result = CUlvoCalc::convertToSfn(input);
    QCOMPARE(result, expected);
    const int dot = result.lastIndexOf(QLatin1Char('.'));
    QVERIFY(result.left(dot < 0 ? result.size() : dot).size() <= 14);
    QVERIFY(dot < 0 || result.size() - dot - 1 <= 3);
    // Sent as UTF-8, a lone surrogate would arrive as "?", which a calculator name may not hold.
    for (int i = 0; i < result.size(); ++i) {
        const QChar c = result.at(i);
        if (c.isHighSurrogate())
            QVERIFY2(i + 1 < result.size() && result.at(++i).isLowSurrogate(), "lone high surrogate");
        else
            QVERIFY2(!c.isLowSurrogate(), "lone low surrogate");
    }
    QVERIFY(!result.toUtf8().contains('?'));
}

void TestCalcFileName::asciiResultIsStable_data()
{
    convertsNames_data();
}

void TestCalcFileName::asciiResultIsStable()
{
    QFETCH(QString, input);
    const QString once = CUlvoCalc::convertToSfn(input);
    bool ascii = true;
    for (QChar c : once)
        ascii = ascii && c.unicode() < 0x80;
    if (!ascii)
        QSKIP("result is not pure ASCII");
    QCOMPARE(CUlvoCalc::convertToSfn(once), once);
}

void TestCalcFileName::nonAsciiResultChangesAgain()
{
    const QString once = CUlvoCalc::convertToSfn(QString::fromUtf8("café.txt"));
    QCOMPARE(CUlvoCalc::convertToSfn(once), QStringLiteral("CAF_.txt"));
}

QTEST_GUILESS_MAIN(TestCalcFileName)
#include "tst_calcfilename.moc"
