// Rules the command-line tool shares with the window: the calculator name a local file is sent
// under and where it goes in a send, the default name of a backup, and the tool's help.
#include "cli/clioptions.h"
#include "link/backupname.h"
#include "link/culvocalc.h"
#include "link/sendplan.h"

#include <QtTest>

Q_DECLARE_METATYPE(SendPlan::Placement)

namespace {

// Qt's own words of the help in another language, as its catalogue gives them.
class UsageTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "QCommandLineParser") == 0 && qstrcmp(sourceText, "Usage: %1") == 0)
            return QStringLiteral("Aufruf: %1");
        return QString();
    }
};

} // namespace

class TestCliRules : public QObject
{
    Q_OBJECT
private slots:
    void calcNameIsWhatTheCalculatorShows_data();
    void calcNameIsWhatTheCalculatorShows();
    void placement_data();
    void placement();
    void replacementTakesThePlaceOfTheSameName();
    void defaultBackupName_data();
    void defaultBackupName();
    void helpNamesTheTool_data();
    void helpNamesTheTool();
};

void TestCliRules::calcNameIsWhatTheCalculatorShows_data()
{
    QTest::addColumn<QString>("local");
    QTest::addColumn<QString>("calcName");
    QTest::newRow("blank removed") << "my program.txt" << "MYPROGRAM.txt";
    QTest::newRow("long base") << "verylongprogramname.txt" << "VERYLONGPROGRA.txt";
    // One pass leaves U+FFFD, which the link's own pass on sending turns into "_".
    QTest::newRow("letter outside ASCII") << QStringLiteral("caf\u00e9.txt") << "CAF_.txt";
    // A Latin-1 letter that reads as UTF-8 survives one pass as É and changes twice more.
    QTest::newRow("UTF-8 read as Latin-1") << QStringLiteral("\u00c3\u00a9.txt") << "_.txt";
    QTest::newRow("only dots") << "..." << "";
    // "é" as UTF-8 read as Latin-1 four times: five passes leave U+FFFD, the sixth "_".
    QString misread = QStringLiteral("\u00e9");
    for (int i = 0; i < 4; ++i)
        misread = QString::fromLatin1(misread.toUtf8());
    QTest::newRow("UTF-8 read as Latin-1 four times") << misread << "_";
}

void TestCliRules::calcNameIsWhatTheCalculatorShows()
{
    QFETCH(QString, local);
    QFETCH(QString, calcName);
    QCOMPARE(SendPlan::calcName(local), calcName);
    // The link sends through the plan too: a planned name must not change there.
    QCOMPARE(SendPlan::calcName(calcName), calcName);
    QCOMPARE(CUlvoCalc::convertToSfn(calcName), calcName);
}

void TestCliRules::placement_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QString>("local");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<SendPlan::Placement>("placement");
    using P = SendPlan::Placement;
    QTest::newRow("empty file") << qint64(0) << "a.txt" << false << P::Skipped;
    QTest::newRow("empty beats rename") << qint64(0) << "my program.txt" << false << P::Skipped;
    QTest::newRow("length changes") << qint64(5) << "my program.txt" << true << P::Renamed;
    QTest::newRow("characters replaced only") << qint64(5) << "a+b.txt" << false << P::Accepted;
    QTest::newRow("name taken") << qint64(5) << "a.txt" << true << P::Taken;
    QTest::newRow("free") << qint64(5) << "a.txt" << false << P::Accepted;
}

void TestCliRules::placement()
{
    QFETCH(qint64, size);
    QFETCH(QString, local);
    QFETCH(bool, taken);
    QFETCH(SendPlan::Placement, placement);
    QCOMPARE(SendPlan::place(size, local, SendPlan::calcName(local), taken), placement);
}

void TestCliRules::replacementTakesThePlaceOfTheSameName()
{
    QList<SendPlan::SendPair> batch {{"/a/one.txt", "ONE.txt"}, {"/a/two.txt", "TWO.txt"}};
    QVERIFY(SendPlan::isInBatch("one.TXT", batch));
    QVERIFY(!SendPlan::isInBatch("THREE.txt", batch));

    // The later local file wins over the batch's file of exactly that name ...
    SendPlan::placeReplacement(batch, {"/b/one.txt", "ONE.txt"});
    QCOMPARE(batch, (QList<SendPlan::SendPair> {{"/b/one.txt", "ONE.txt"}, {"/a/two.txt", "TWO.txt"}}));
    // ... and one that differs in case joins the batch.
    SendPlan::placeReplacement(batch, {"/b/two.TXT", "TWO.TXT"});
    QCOMPARE(batch.size(), 3);
    QCOMPARE(batch.last().second, QStringLiteral("TWO.TXT"));
}

void TestCliRules::defaultBackupName_data()
{
    QTest::addColumn<QString>("calcName");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("plain") << "ULVO" << "ULVO-2026-03-07.ubk";
    QTest::newRow("blank inside kept") << "MATHS 7B" << "MATHS 7B-2026-03-07.ubk";
    QTest::newRow("separators") << "A/B\\C" << "A_B_C-2026-03-07.ubk";
    QTest::newRow("dots only") << ".." << "calculator-2026-03-07.ubk";
    QTest::newRow("hidden") << ".rc" << "rc-2026-03-07.ubk";
    QTest::newRow("empty") << "" << "calculator-2026-03-07.ubk";
    QTest::newRow("control character") << QStringLiteral("A\nB") << "A_B-2026-03-07.ubk";
}

void TestCliRules::defaultBackupName()
{
    QFETCH(QString, calcName);
    QFETCH(QString, fileName);
    QCOMPARE(::defaultBackupName(calcName, QDate(2026, 3, 7)), fileName);
}

void TestCliRules::helpNamesTheTool_data()
{
    QTest::addColumn<bool>("translated");
    QTest::addColumn<QString>("usageLine");
    QTest::newRow("English") << false << "Usage: ulvo-connect-cli [options]";
    QTest::newRow("translated") << true << "Aufruf: ulvo-connect-cli [options]";
}

void TestCliRules::helpNamesTheTool()
{
    QFETCH(bool, translated);
    QFETCH(QString, usageLine);
    UsageTranslator translator;
    if (translated)
        QVERIFY(QCoreApplication::installTranslator(&translator));
    const QString name = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(QStringLiteral("ulvo-connect-cli"));
    const ParsedCommandLine parsed = parseCommandLine(QCoreApplication::arguments() << QStringLiteral("--help"));
    QCoreApplication::setApplicationName(name);
    QCoreApplication::removeTranslator(&translator);

    QCOMPARE(parsed.options.action, CliOptions::Action::Help);
    QVERIFY2(parsed.helpText.startsWith(usageLine), qPrintable(parsed.helpText));
    QVERIFY2(!parsed.helpText.contains(QCoreApplication::arguments().constFirst()), qPrintable(parsed.helpText));
}

QTEST_GUILESS_MAIN(TestCliRules)
#include "tst_cli_rules.moc"
