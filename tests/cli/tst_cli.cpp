// ulvo-connect-cli end to end: the tool runs as a child process of the test and finds the
// simulated calculators the test plugs (the child shares the test's umockdev testbed through
// UMOCKDEV_DIR). Each command's main path, its refusals, --all and --json.
#include "link/culvocalc.h"
#include "link/ziparchive.h"
#include "session/localfiles.h"
#include "session/portopenfailures.h"
#include "tools/simulator/simulatedcalculator.h"
#include "tools/simulator/simulatedusb.h"

#include <QDate>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <memory>
#include <csignal>
#include <pty.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using UlvoCalc::calcMsg;

namespace {

// Bound for one run of the tool; a restore alone waits 3 s for the calculator to restart.
constexpr int toolTimeoutMs = 60000;

struct ToolRun {
    int exitCode = -1;
    QString out;
    QString err;
};

} // namespace

class TestCli : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void usageErrorsExit2_data();
    void usageErrorsExit2();
    void listAndLsAsJson();
    void choosingACalculator_data();
    void choosingACalculator();
    void getKeepsLocalFilesUnlessForced();
    void putConvertsNamesAndKeepsCalculatorFiles();
    void putAllGoesOnWhenOneCalculatorRefuses();
    void rmAndRename();
    void backupWritesOneArchivePerCalculator();
    void restoreNeedsYesAndAnIntactArchive();
    void rmAndRestoreKeepSafetyCopies();
    void putFromBackupSendsChosenEntries();
    void getAndRestoreAll();
    void watchServesEachPlugIn();
    void progressOnlyOnATerminal_data();
    void progressOnlyOnATerminal();
    void unopenablePortIsExplained_data();
    void unopenablePortIsExplained();
    void interruptedCommandLeavesNothing_data();
    void interruptedCommandLeavesNothing();
    void speaksTheSystemLanguage_data();
    void speaksTheSystemLanguage();

private:
    SimulatedCalculator *attach(const QString &name, const QList<QPair<QString, QByteArray>> &files = {});
    // stderrFile: a file (a terminal) that takes the tool's standard error instead of a pipe.
    // withoutFileOverride: the tool runs without the capabilities that let root ignore file modes.
    ToolRun tool(const QStringList &arguments, const QString &stderrFile = QString(),
                 bool withoutFileOverride = false);
    // Starts the tool in `process` with the test's calculators and `tempDir` as its TMPDIR.
    void startTool(QProcess &process, const QStringList &arguments, const QString &tempDir = QString());
    QString path(const QString &name) const { return work->filePath(name); }

    std::unique_ptr<SimulatedUsb> usb;
    std::vector<std::unique_ptr<SimulatedCalculator>> calcs;
    std::unique_ptr<QTemporaryDir> work;
    // LANG for the tool; empty: the test's own (English).
    QString toolLanguage;
};

void TestCli::initTestCase()
{
    usb = std::make_unique<SimulatedUsb>();
    QVERIFY(usb->isValid());
    // Restarts after a restore come back quickly; the link still waits its own 3 s.
    usb->setRebootDelay(500);
}

void TestCli::init()
{
    work = std::make_unique<QTemporaryDir>();
    QVERIFY(work->isValid());
}

void TestCli::cleanup()
{
    toolLanguage.clear();
    calcs.clear(); // a calculator that goes leaves the bus
    work.reset();
}

SimulatedCalculator *TestCli::attach(const QString &name, const QList<QPair<QString, QByteArray>> &files)
{
    SimulatedCalculator::Options options;
    options.name = name;
    calcs.push_back(std::make_unique<SimulatedCalculator>(options));
    SimulatedCalculator *calc = calcs.back().get();
    for (const auto &file : files)
        calc->setFile(file.first, file.second);
    if (usb->plug(calc).isEmpty())
        qFatal("cannot plug a simulated calculator");
    return calc;
}

ToolRun TestCli::tool(const QStringList &arguments, const QString &stderrFile, bool withoutFileOverride)
{
    QProcess process;
    if (!stderrFile.isEmpty())
        process.setStandardErrorFile(stderrFile, QIODevice::Append);
    if (withoutFileOverride) {
        process.setProgram(QStringLiteral("setpriv"));
        startTool(process, QStringList {QStringLiteral("--bounding-set=-dac_override,-dac_read_search"),
                                        QStringLiteral(ULVO_CLI_PATH)}
                               + arguments);
    } else {
        startTool(process, arguments);
    }
    ToolRun run;
    if (!process.waitForFinished(toolTimeoutMs)) {
        process.kill();
        process.waitForFinished(toolTimeoutMs);
        qWarning("the tool did not end: %s", qPrintable(arguments.join(QLatin1Char(' '))));
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

void TestCli::startTool(QProcess &process, const QStringList &arguments, const QString &tempDir)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("UMOCKDEV_DIR"), usb->rootDir());
    if (!tempDir.isEmpty())
        env.insert(QStringLiteral("TMPDIR"), tempDir);
    // Safety copies of one test are not seen by the next.
    env.insert(QStringLiteral("XDG_DATA_HOME"), path(QStringLiteral("data")));
    if (!toolLanguage.isEmpty())
        env.insert(QStringLiteral("LANG"), toolLanguage);
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(work->path());
    process.start(process.program().isEmpty() ? QStringLiteral(ULVO_CLI_PATH) : process.program(), arguments);
}

void TestCli::usageErrorsExit2_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    const struct {
        const char *tag;
        QStringList arguments;
        const char *message;
    } rows[] = {
        {"no command", {}, "no command given"},
        {"unknown command", {"copy"}, "unknown command: copy"},
        {"unknown option", {"ls", "--colour"}, "Unknown option 'colour'"},
        {"get without names", {"get"}, "get: missing argument"},
        {"rename with two names", {"rename", "A", "B"}, "rename: too many arguments"},
        {"name too long", {"rename", "ABCDEFGHIJKLMNOPQ"}, "longer than 16 characters"},
        {"option of another command", {"list", "--force"}, "list: option --force does not apply"},
        {"json on put", {"put", "x", "--json"}, "put: option --json does not apply"},
        {"calc and all", {"put", "x", "--all", "--calc", "ULVO"}, "--calc and --all exclude each other"},
        {"backup file and all", {"backup", "x.ubk", "--all"}, "give either FILE or --all/--output"},
        {"restore without yes", {"restore", "x.ubk"}, "add --yes"},
        {"no safety copy on get", {"get", "x", "--no-safety-copy"}, "get: option --no-safety-copy does not apply"},
        {"from backup on rm", {"rm", "x", "--from-backup", "x.ubk"}, "rm: option --from-backup does not apply"},
        {"from backup without names", {"put", "--from-backup", "x.ubk"}, "put: missing argument"},
        {"safety with an argument", {"safety", "x"}, "safety: too many arguments"},
        {"watch of another command", {"watch", "get", "x"}, "watch: only put can be watched"},
        {"watch without files", {"watch", "put"}, "watch: missing argument"},
        {"count of nothing", {"watch", "put", "x", "--count", "0"}, "--count needs a number above 0"},
        {"count on put", {"put", "x", "--count", "2"}, "put: option --count does not apply"},
    };
    for (const auto &row : rows)
        QTest::newRow(row.tag) << row.arguments << QString::fromLatin1(row.message);
}

void TestCli::usageErrorsExit2()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    // A calculator is attached so that a usage error is seen to touch nothing.
    SimulatedCalculator *calc = attach(QStringLiteral("ULVO"), {{"PROG.UCB", "1"}});
    writeFile(path("x.ubk"), "not an archive");
    calc->clearReceived();

    const ToolRun run = tool(arguments);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY(run.err.contains("--help"));
    QVERIFY(run.out.isEmpty());
    QCOMPARE(calc->received().size(), 0);
    QCOMPARE(calc->files().size(), 1);
}

void TestCli::listAndLsAsJson()
{
    attach(QStringLiteral("CLASS-A"), {{"PROG.UCB", "abc"}, {"DATA.BIN", QByteArray(1000, 'x')}});
    attach(QStringLiteral("CLASS-B"));

    const ToolRun list = tool({"list", "--json"});
    QCOMPARE(list.exitCode, 0);
    QJsonParseError error;
    const QJsonArray calcsJson = QJsonDocument::fromJson(list.out.toUtf8(), &error).array();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(calcsJson.size(), 2);
    QMap<QString, QJsonObject> byName;
    for (const QJsonValue &value : calcsJson)
        byName.insert(value[QStringLiteral("name")].toString(), value.toObject());
    QCOMPARE(byName.keys(), QStringList({"CLASS-A", "CLASS-B"}));
    QCOMPARE(byName["CLASS-A"]["files"].toInt(), 2);
    QCOMPARE(byName["CLASS-B"]["files"].toInt(), 0);
    QCOMPARE(byName["CLASS-A"]["port"].toString(), usb->portNameOf(calcs.at(0).get()));
    QCOMPARE(byName["CLASS-A"]["firmwareVersion"].toString(), QStringLiteral("FW 2.6.1"));

    const ToolRun ls = tool({"ls", "--json", "--calc", "CLASS-A"});
    QCOMPARE(ls.exitCode, 0);
    const QJsonArray files = QJsonDocument::fromJson(ls.out.toUtf8(), &error).array();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(files.size(), 2);
    QCOMPARE(files[0]["name"].toString(), QStringLiteral("PROG.UCB"));
    QCOMPARE(files[0]["size"].toInt(), 3);
    QCOMPARE(files[1]["name"].toString(), QStringLiteral("DATA.BIN"));
    QCOMPARE(files[1]["size"].toInt(), 1000);

    // The table says the same for people.
    const ToolRun table = tool({"list"});
    QCOMPARE(table.exitCode, 0);
    QVERIFY(table.out.startsWith("PORT"));
    QVERIFY(table.out.contains(QRegularExpression("CLASS-A .*FW 2\\.6\\.1 .* 2\\n")));
}

void TestCli::choosingACalculator_data()
{
    QTest::addColumn<int>("attached");
    QTest::addColumn<QString>("selector"); // "port:N" for the port of calculator N
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("expected"); // on stdout when 0, on stderr otherwise
    QTest::newRow("the only one") << 1 << QString() << 0 << "ONE.UCB";
    QTest::newRow("two need a choice") << 2 << QString() << 2 << "2 calculators are attached";
    QTest::newRow("by name") << 2 << "CALC-2" << 0 << "TWO.UCB";
    QTest::newRow("by port") << 2 << "port:1" << 0 << "TWO.UCB";
    QTest::newRow("by device path") << 2 << "/dev/port:1" << 0 << "TWO.UCB";
    QTest::newRow("no such calculator") << 2 << "CALC-9" << 1 << "No attached calculator is called";
    QTest::newRow("none attached") << 0 << QString() << 1 << "No calculator is attached";
}

void TestCli::choosingACalculator()
{
    QFETCH(int, attached);
    QFETCH(QString, selector);
    QFETCH(int, exitCode);
    QFETCH(QString, expected);
    const QStringList names {"ONE.UCB", "TWO.UCB"};
    for (int i = 0; i < attached; ++i)
        attach(QStringLiteral("CALC-%1").arg(i + 1), {{names.at(i), "x"}});
    selector.replace(QStringLiteral("port:1"), attached > 1 ? usb->portNameOf(calcs.at(1).get()) : QString());

    QStringList arguments {"ls"};
    if (!selector.isEmpty())
        arguments << "--calc" << selector;
    const ToolRun run = tool(arguments);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2((exitCode == 0 ? run.out : run.err).contains(expected), qPrintable(run.out + run.err));
    if (exitCode == 2) {
        // The error lists what there is to choose from.
        QVERIFY(run.err.contains("CALC-1") && run.err.contains("CALC-2"));
    }
}

void TestCli::getKeepsLocalFilesUnlessForced()
{
    attach(QStringLiteral("ULVO"), {{"PROG.UCB", "new program"}, {"DATA.BIN", "new data"}});
    QVERIFY(QDir(work->path()).mkdir("out"));
    writeFile(path("out/PROG.UCB"), "my own edits");

    // Typed in lower case, as people do: the calculator's name is found regardless.
    const ToolRun kept = tool({"get", "prog.ucb", "DATA.BIN", "-o", "out"});
    QCOMPARE(kept.exitCode, 1);
    QVERIFY2(kept.err.contains("File PROG.UCB already exists"), qPrintable(kept.err));
    QCOMPARE(readFile(path("out/PROG.UCB")), QByteArray("my own edits"));
    QCOMPARE(readFile(path("out/DATA.BIN")), QByteArray("new data"));

    const ToolRun forced = tool({"get", "PROG.UCB", "-o", "out", "--force"});
    QCOMPARE(forced.exitCode, 0);
    QCOMPARE(readFile(path("out/PROG.UCB")), QByteArray("new program"));

    const ToolRun missing = tool({"get", "NOPE.UCB"});
    QCOMPARE(missing.exitCode, 1);
    QVERIFY2(missing.err.contains(QStringLiteral("NOPE.UCB: File doesn\u2019t exist.")), qPrintable(missing.err));
}

void TestCli::putConvertsNamesAndKeepsCalculatorFiles()
{
    SimulatedCalculator *calc = attach(QStringLiteral("ULVO"), {{"KEEP.UCB", "on the calculator"}});
    writeFile(path("my program.txt"), "program");
    writeFile(path("keep.ucb"), "from the computer");

    const ToolRun run = tool({"put", "my program.txt", "keep.ucb"});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.out.contains("my program.txt -> MYPROGRAM.txt"), qPrintable(run.out));
    QVERIFY2(run.err.contains("File KEEP.ucb already exists on the calculator"), qPrintable(run.err));
    QCOMPARE(calc->file("MYPROGRAM.txt"), QByteArray("program"));
    QCOMPARE(calc->file("KEEP.UCB"), QByteArray("on the calculator"));

    const ToolRun forced = tool({"put", "keep.ucb", "--force", "--quiet"});
    QCOMPARE(forced.exitCode, 0);
    QVERIFY(forced.out.isEmpty());
    QVERIFY(forced.err.isEmpty());
    QCOMPARE(calc->file("KEEP.ucb"), QByteArray("from the computer"));

    // Two local files of one calculator name: the first is sent, or with --force the later one.
    QVERIFY(QDir(work->path()).mkdir("other"));
    writeFile(path("twin.txt"), "first twin");
    writeFile(path("other/twin.txt"), "second twin");
    const ToolRun twins = tool({"put", "twin.txt", "other/twin.txt"});
    QCOMPARE(twins.exitCode, 1);
    QVERIFY2(twins.err.contains("another file of this command is sent as TWIN.txt"), qPrintable(twins.err));
    QVERIFY2(twins.out.contains("Sent 1 of 2 files"), qPrintable(twins.out));
    QCOMPARE(calc->file("TWIN.txt"), QByteArray("first twin"));
    const ToolRun forcedTwins = tool({"put", "twin.txt", "other/twin.txt", "--force"});
    QCOMPARE(forcedTwins.exitCode, 0);
    QVERIFY2(forcedTwins.out.contains("Sent 1 file"), qPrintable(forcedTwins.out));
    QCOMPARE(calc->file("TWIN.txt"), QByteArray("second twin"));

    // Local problems stop the command before any calculator is touched.
    writeFile(path("empty.txt"), "");
    calc->clearReceived();
    const ToolRun local = tool({"put", "my program.txt", "empty.txt", "absent.txt"});
    QCOMPARE(local.exitCode, 1);
    QVERIFY(local.err.contains("empty files are not sent"));
    QVERIFY(local.err.contains("Can't read file: absent.txt"));
    QCOMPARE(calc->received().size(), 0);
}

void TestCli::putAllGoesOnWhenOneCalculatorRefuses()
{
    attach(QStringLiteral("DESK-1"));
    SimulatedCalculator *refusing = attach(QStringLiteral("DESK-2"));
    attach(QStringLiteral("DESK-3"));
    refusing->failOn(calcMsg::SEND_FILE, calcMsg::MEMORY_ERROR);
    const QByteArray content = QByteArray(3000, 'p');
    writeFile(path("lesson.ucb"), content);

    const ToolRun run = tool({"put", "lesson.ucb", "--all"});
    QCOMPARE(run.exitCode, 1);
    QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines.takeFirst(), QStringLiteral("lesson.ucb -> LESSON.ucb"));
    const QString refusingPort = usb->portNameOf(refusing);
    for (const QString &line : lines) {
        if (line.startsWith(refusingPort))
            QVERIFY2(line.contains("DESK-2: FAILED"), qPrintable(line));
        else
            QVERIFY2(line.contains(": ok. Sent 1 file"), qPrintable(line));
    }
    QVERIFY2(run.err.contains(refusingPort + " DESK-2: LESSON.ucb: Memory error."), qPrintable(run.err));
    for (const auto &calc : calcs)
        QCOMPARE(calc->file("LESSON.ucb"), calc.get() == refusing ? QByteArray() : content);
}

void TestCli::rmAndRename()
{
    SimulatedCalculator *calc = attach(QStringLiteral("ULVO"), {{"A.UCB", "a"}, {"B.UCB", "b"}, {"C.UCB", "c"}});

    const ToolRun rm = tool({"rm", "A.UCB", "c.ucb"});
    QCOMPARE(rm.exitCode, 0);
    QCOMPARE(calc->files().size(), 1);
    QCOMPARE(calc->files().constFirst().first, QStringLiteral("B.UCB"));

    const ToolRun missing = tool({"rm", "A.UCB"});
    QCOMPARE(missing.exitCode, 1);
    QVERIFY(missing.err.contains(QStringLiteral("A.UCB: File doesn\u2019t exist.")));

    const ToolRun rename = tool({"rename", "MATHS 7B"});
    QCOMPARE(rename.exitCode, 0);
    QCOMPARE(calc->name(), QStringLiteral("MATHS 7B"));
    QVERIFY(rename.out.contains("Renamed ULVO to MATHS 7B"));
}

void TestCli::backupWritesOneArchivePerCalculator()
{
    attach(QStringLiteral("DESK-1"), {{"A.UCB", "first"}, {"B.BIN", QByteArray(5000, 'b')}});
    attach(QStringLiteral("DESK-2"), {{"C.UCB", "second"}});
    // A cleared calculator has nothing to lose: no archive, and no failure of the whole run.
    attach(QStringLiteral("DESK-3"));
    QVERIFY(QDir(work->path()).mkdir("saved"));

    const ToolRun run = tool({"backup", "--all", "-o", "saved"});
    QVERIFY2(run.exitCode == 0, qPrintable(run.out + run.err));
    QVERIFY2(run.out.contains("DESK-3: ok. Nothing to back up"), qPrintable(run.out));
    QCOMPARE(QDir(path("saved")).entryList(QDir::Files).size(), 2);
    const QString date = QDate::currentDate().toString(Qt::ISODate);
    const struct {
        QString name;
        QStringList entries;
    } expected[] = {{"DESK-1", {"A.UCB", "B.BIN"}}, {"DESK-2", {"C.UCB"}}};
    for (const auto &calc : expected) {
        ZipArchive archive;
        QVERIFY(archive.open(path("saved/" + calc.name + "-" + date + ".ubk")));
        QStringList entries;
        for (qint64 i = 0; i < archive.entryCount(); ++i)
            entries << QString::fromUtf8(archive.entryName(i));
        QCOMPARE(entries, calc.entries);
    }
    // Nothing is left in the temporary folder.
    QCOMPARE(QDir(QDir::tempPath()).entryList({"*.ubk"}, QDir::Files), QStringList());

    // A backup of the same day is not written over unless forced.
    const ToolRun again = tool({"backup", "--calc", "DESK-2", "-o", "saved"});
    QCOMPARE(again.exitCode, 1);
    QVERIFY(again.err.contains("already exists"));
    const ToolRun forced = tool({"backup", "--calc", "DESK-2", "-o", "saved", "--force"});
    QVERIFY2(forced.exitCode == 0, qPrintable(forced.out + forced.err));
}

void TestCli::restoreNeedsYesAndAnIntactArchive()
{
    SimulatedCalculator *calc = attach(QStringLiteral("ULVO"), {{"OLD.UCB", "old"}});
    {
        ZipArchive archive;
        QVERIFY(archive.create(path("good.ubk")));
        QVERIFY(archive.addEntry("NEW1.UCB", "one"));
        QVERIFY(archive.addEntry("NEW2.BIN", QByteArray(2000, 'n')));
        QVERIFY(archive.close());
    }
    // A real archive cut short: it opens as a file but not as an archive.
    QByteArray cut = readFile(path("good.ubk"));
    cut.chop(cut.size() / 2);
    writeFile(path("broken.ubk"), cut);
    calc->clearReceived();

    const ToolRun unconfirmed = tool({"restore", "good.ubk"});
    QCOMPARE(unconfirmed.exitCode, 2);
    const ToolRun broken = tool({"restore", "broken.ubk", "--yes"});
    QCOMPARE(broken.exitCode, 1);
    QVERIFY2(broken.err.contains("Invalid backup file"), qPrintable(broken.err));
    QCOMPARE(calc->receivedCount(calcMsg::CLEAR_FILESYSTEM), 0);
    QCOMPARE(calc->file("OLD.UCB"), QByteArray("old"));

    const ToolRun restored = tool({"restore", "good.ubk", "--yes"});
    QCOMPARE(restored.exitCode, 0);
    QVERIFY2(restored.out.contains("Backup successfully sent to calculator (2 files)"), qPrintable(restored.out));
    QCOMPARE(calc->files().size(), 2);
    QCOMPARE(calc->file("NEW1.UCB"), QByteArray("one"));
    QCOMPARE(calc->file("NEW2.BIN"), QByteArray(2000, 'n'));
}

void TestCli::rmAndRestoreKeepSafetyCopies()
{
    SimulatedCalculator *calc = attach(QStringLiteral("ULVO"), {{"A.UCB", "a"}, {"B.UCB", "b"}, {"C.UCB", "c"}});
    {
        ZipArchive archive;
        QVERIFY(archive.create(path("good.ubk")));
        QVERIFY(archive.addEntry("NEW1.UCB", "one"));
        QVERIFY(archive.close());
    }
    const QString folder = path("data/ulvo-connect/safety/");
    const QRegularExpression saved("Safety copy saved on the path: (" + QRegularExpression::escape(folder)
                                   + "ULVO-\\d{4}-\\d\\d-\\d\\d-\\d{6}(-\\d+)?\\.ubk)\n");

    const ToolRun rm = tool({"rm", "A.UCB"});
    QVERIFY2(rm.exitCode == 0, qPrintable(rm.out + rm.err));
    const QRegularExpressionMatch rmCopy = saved.match(rm.out);
    QVERIFY2(rmCopy.hasMatch(), qPrintable(rm.out));
    {
        ZipArchive copy;
        QVERIFY(copy.open(rmCopy.captured(1)));
        QCOMPARE(copy.entryCount(), qint64(1));
        QCOMPARE(copy.entryName(0), QByteArray("A.UCB"));
    }
    const ToolRun unsafe = tool({"rm", "B.UCB", "--no-safety-copy"});
    QCOMPARE(unsafe.exitCode, 0);
    QVERIFY2(!unsafe.out.contains("Safety copy"), qPrintable(unsafe.out));

    const ToolRun restore = tool({"restore", "good.ubk", "--yes"});
    QVERIFY2(restore.exitCode == 0, qPrintable(restore.out + restore.err));
    QVERIFY2(saved.match(restore.out).hasMatch(), qPrintable(restore.out));
    QCOMPARE(calc->file("NEW1.UCB"), QByteArray("one"));

    const ToolRun listed = tool({"safety"});
    QCOMPARE(listed.exitCode, 0);
    const QStringList lines = listed.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2);
    QVERIFY2(lines.at(0).contains("ULVO  before restore") && lines.at(0).contains("1 files"), qPrintable(lines.at(0)));
    QVERIFY2(lines.at(1).contains("before delete") && lines.at(1).endsWith(rmCopy.captured(1)), qPrintable(lines.at(1)));
    const QJsonArray json = QJsonDocument::fromJson(tool({"safety", "--json"}).out.toUtf8()).array();
    QCOMPARE(json.size(), 2);
    QCOMPARE(json.at(1).toObject().value("kind").toString(), QString("before delete"));

    // No copy, no delete.
    calc->failOn(calcMsg::GET_FILE, calcMsg::WRITE_ERROR, 0, QStringLiteral("Disk full"));
    const ToolRun refused = tool({"rm", "NEW1.UCB"});
    QCOMPARE(refused.exitCode, 1);
    QVERIFY2(refused.err.contains("No safety copy could be made, so nothing was deleted"), qPrintable(refused.err));
    QCOMPARE(calc->file("NEW1.UCB"), QByteArray("one"));
}

void TestCli::putFromBackupSendsChosenEntries()
{
    SimulatedCalculator *calc = attach(QStringLiteral("ULVO"), {{"X.TXT", "old x"}});
    {
        ZipArchive archive;
        QVERIFY(archive.create(path("term.ubk")));
        QVERIFY(archive.addEntry("X.TXT", "new x"));
        QVERIFY(archive.addEntry("Y.TXT", "new y"));
        QVERIFY(archive.addEntry("W.TXT", "not chosen"));
        QVERIFY(archive.close());
    }
    calc->clearReceived();

    const ToolRun missing = tool({"put", "--from-backup", "term.ubk", "Y.TXT", "Q.TXT"});
    QCOMPARE(missing.exitCode, 1);
    QVERIFY2(missing.err.contains("Not in the backup") && missing.err.contains("Q.TXT"), qPrintable(missing.err));
    QCOMPARE(calc->received().size(), 0);

    const ToolRun sent = tool({"put", "--from-backup", "term.ubk", "Y.TXT", "X.TXT"});
    QCOMPARE(sent.exitCode, 1);
    QVERIFY2(sent.err.contains("File X.TXT already exists on the calculator"), qPrintable(sent.err));
    QCOMPARE(calc->file("Y.TXT"), QByteArray("new y"));
    QCOMPARE(calc->file("X.TXT"), QByteArray("old x"));

    const ToolRun forced = tool({"put", "--from-backup", "term.ubk", "X.TXT", "--force"});
    QVERIFY2(forced.exitCode == 0, qPrintable(forced.out + forced.err));
    QCOMPARE(calc->file("X.TXT"), QByteArray("new x"));
    QVERIFY(calc->file("W.TXT").isEmpty());
    QCOMPARE(calc->receivedCount(calcMsg::CLEAR_FILESYSTEM), 0);
}

// get --all collects into a folder per calculator (two of the same name apart); restore --all
// checks the archive once and erases no calculator for a broken one.
void TestCli::getAndRestoreAll()
{
    SimulatedCalculator *first = attach(QStringLiteral("DESK"), {{"PRG1.UCB", "first"}});
    SimulatedCalculator *second = attach(QStringLiteral("DESK"), {{"PRG1.UCB", "second"}});
    SimulatedCalculator *other = attach(QStringLiteral("DESK-9"), {{"PRG1.UCB", "other"}, {"X.BIN", "x"}});
    QVERIFY(QDir(work->path()).mkdir("out"));
    QVERIFY(QDir(work->path()).mkdir("again"));

    const ToolRun got = tool({"get", "PRG1.UCB", "--all", "-o", "out"});
    QVERIFY2(got.exitCode == 0, qPrintable(got.out + got.err));
    QCOMPARE(got.out.count(": ok. Downloaded 1 file"), 3);
    const QString firstFolder = "out/DESK-" + usb->portNameOf(first);
    QCOMPARE(readFile(path(firstFolder + "/PRG1.UCB")), QByteArray("first"));
    QCOMPARE(readFile(path("out/DESK-" + usb->portNameOf(second) + "/PRG1.UCB")), QByteArray("second"));
    QCOMPARE(readFile(path("out/DESK-9/PRG1.UCB")), QByteArray("other"));

    // One calculator without the file fails alone, and the run says so.
    const ToolRun partly = tool({"get", "X.BIN", "--all", "-o", "again", "-q"});
    QCOMPARE(partly.exitCode, 1);
    QCOMPARE(readFile(path("again/DESK-9/X.BIN")), QByteArray("x"));

    {
        ZipArchive archive;
        QVERIFY(archive.create(path("class.ubk")));
        QVERIFY(archive.addEntry("EXAM.UCB", "exam"));
        QVERIFY(archive.close());
    }
    QByteArray cut = readFile(path("class.ubk"));
    cut.chop(cut.size() / 2);
    writeFile(path("broken.ubk"), cut);
    const ToolRun broken = tool({"restore", "broken.ubk", "--all", "--yes"});
    QCOMPARE(broken.exitCode, 1);
    QVERIFY2(broken.err.contains("Invalid backup file"), qPrintable(broken.err));
    for (const auto &calc : calcs)
        QCOMPARE(calc->receivedCount(calcMsg::CLEAR_FILESYSTEM), 0);
    QCOMPARE(tool({"restore", "class.ubk", "--all"}).exitCode, 2);

    const ToolRun restored = tool({"restore", "class.ubk", "--all", "--yes"});
    QVERIFY2(restored.exitCode == 0, qPrintable(restored.out + restored.err));
    QCOMPARE(restored.out.count(": ok."), 3);
    for (SimulatedCalculator *calc : {first, second, other}) {
        QCOMPARE(calc->files().size(), 1);
        QCOMPARE(calc->file("EXAM.UCB"), QByteArray("exam"));
    }
}

// watch put serves calculators plugged in after it started, one line each, and ends after
// --count of them (status 1: one refused) or on Ctrl-C (status 0: all served well).
void TestCli::watchServesEachPlugIn()
{
    SimulatedCalculator *before = attach(QStringLiteral("BEFORE"));
    writeFile(path("lesson.ucb"), "Disp 1");
    QProcess counted;
    startTool(counted, {"watch", "put", "lesson.ucb", "--count", "2"});
    QVERIFY(counted.waitForStarted(toolTimeoutMs));
    QString err;
    QTRY_VERIFY_WITH_TIMEOUT((err += counted.readAllStandardError()).contains("Waiting"), toolTimeoutMs);
    SimulatedCalculator *a = attach(QStringLiteral("ROOM-A"));
    QString out;
    QTRY_VERIFY_WITH_TIMEOUT((out += counted.readAllStandardOutput()).contains("ROOM-A: ok. Sent 1 file"),
                             toolTimeoutMs);
    SimulatedCalculator *b = attach(QStringLiteral("ROOM-B"));
    b->failOn(calcMsg::SEND_FILE, calcMsg::MEMORY_ERROR);
    QVERIFY(counted.waitForFinished(toolTimeoutMs));
    out += counted.readAllStandardOutput();
    QCOMPARE(counted.exitCode(), 1);
    QVERIFY2(out.contains("ROOM-B: FAILED"), qPrintable(out));
    QCOMPARE(out.count(QLatin1Char('\n')), 3); // the name notice, then one line per calculator
    QCOMPARE(a->file("LESSON.ucb"), QByteArray("Disp 1"));
    QCOMPARE(before->receivedCount(calcMsg::SEND_FILE), 0);

    QProcess open;
    startTool(open, {"watch", "put", "lesson.ucb", "-q"});
    QVERIFY(open.waitForStarted(toolTimeoutMs));
    err.clear();
    QTRY_VERIFY_WITH_TIMEOUT((err += open.readAllStandardError()).contains("Waiting"), toolTimeoutMs);
    attach(QStringLiteral("ROOM-C"));
    out.clear();
    QTRY_VERIFY_WITH_TIMEOUT((out += open.readAllStandardOutput()).contains("ROOM-C: ok"), toolTimeoutMs);
    QCOMPARE(::kill(pid_t(open.processId()), SIGINT), 0);
    QVERIFY(open.waitForFinished(toolTimeoutMs));
    QCOMPARE(open.exitStatus(), QProcess::NormalExit);
    QCOMPARE(open.exitCode(), 0);
}

void TestCli::progressOnlyOnATerminal_data()
{
    QTest::addColumn<bool>("terminal");
    QTest::addColumn<bool>("quiet");
    QTest::addColumn<bool>("shown");
    QTest::newRow("terminal") << true << false << true;
    QTest::newRow("terminal, quiet") << true << true << false;
    QTest::newRow("pipe") << false << false << false;
}

void TestCli::progressOnlyOnATerminal()
{
    QFETCH(bool, terminal);
    QFETCH(bool, quiet);
    QFETCH(bool, shown);
    attach(QStringLiteral("ULVO"));
    writeFile(path("data.bin"), QByteArray(4000, 'd'));
    int master = -1;
    int slave = -1;
    char slaveName[256] = {};
    QCOMPARE(openpty(&master, &slave, slaveName, nullptr, nullptr), 0);
    const auto closeBoth = qScopeGuard([&] {
        ::close(master);
        ::close(slave);
    });

    QStringList arguments {"put", "data.bin"};
    if (quiet)
        arguments << "--quiet";
    const ToolRun run = tool(arguments, terminal ? QString::fromLocal8Bit(slaveName) : QString());
    QCOMPARE(run.exitCode, 0);
    QByteArray seen = terminal ? QByteArray() : run.err.toUtf8();
    if (terminal) {
        ::fcntl(master, F_SETFL, O_NONBLOCK);
        char buffer[4096];
        for (ssize_t n; (n = ::read(master, buffer, sizeof buffer)) > 0;)
            seen.append(buffer, int(n));
    }
    QVERIFY2(seen.contains("[1/1] DATA.bin  0 bytes of 3.9 KiB (0%)") == shown, seen.toPercentEncoding().constData());
    // What was drawn is wiped, so only results stay on the screen.
    QCOMPARE(seen.endsWith("\r\x1b[K"), shown);
    if (!shown)
        QVERIFY2(seen.isEmpty(), seen.constData());
}

void TestCli::unopenablePortIsExplained_data()
{
    addPortOpenFailureRows();
}

// A port that exists but will not open is explained in the window's words.
void TestCli::unopenablePortIsExplained()
{
    QFETCH(bool, heldElsewhere);
    QFETCH(QString, remedy);
    SimulatedCalculator *calc = attach(QStringLiteral("LOCKED"));
    const QList<QSerialPortInfo> ports = CUlvoCalc::findCalcs();
    QCOMPARE(ports.size(), 1);
    QSerialPort other(ports.first());
    const QByteArray line = calc->slavePath().toLocal8Bit();
    if (heldElsewhere)
        QVERIFY(other.open(QIODevice::ReadWrite));
    else
        QCOMPARE(::chmod(line.constData(), 0), 0);

    const ToolRun run = tool({"ls"}, QString(), !heldElsewhere);
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.err.trimmed(), "ulvo-connect-cli: Cannot open the calculator's port "
                                    + ports.first().systemLocation() + remedy);
}

void TestCli::interruptedCommandLeavesNothing_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("get") << QStringList {"get", "BIG1.BIN", "BIG2.BIN", "-o", "out"};
    QTest::newRow("backup") << QStringList {"backup", "out/calc.ubk"};
}

// Ctrl-C in the middle of a transfer: the tool removes what it had begun (a download's files, the
// backup's temporary archive) and exits 130.
void TestCli::interruptedCommandLeavesNothing()
{
    QFETCH(QStringList, arguments);
    SimulatedCalculator *calc = attach(QStringLiteral("SLOW"), {{"BIG1.BIN", QByteArray(20000, 'a')},
                                                                {"BIG2.BIN", QByteArray(20000, 'b')}});
    calc->setMaxChunkSize(256);
    calc->setReplyDelay(20);
    QVERIFY(QDir(work->path()).mkdir("out"));
    QVERIFY(QDir(work->path()).mkdir("tmp"));

    QProcess process;
    startTool(process, arguments, path("tmp"));
    QVERIFY(process.waitForStarted(toolTimeoutMs));
    QTRY_VERIFY_WITH_TIMEOUT(calc->receivedCount(calcMsg::GET_FILE) >= 1, toolTimeoutMs);
    QCOMPARE(::kill(pid_t(process.processId()), SIGINT), 0);
    QVERIFY(process.waitForFinished(toolTimeoutMs));

    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 130);
    const QDir::Filters everything = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    QCOMPARE(QDir(path("out")).entryList(everything), QStringList());
    QCOMPARE(QDir(path("tmp")).entryList(everything), QStringList());
}


// The tool speaks the language of LANG: its own texts (a usage error, the help, a result with a
// count) and Qt's (the help's usage line); under C the English texts, word for word.
void TestCli::speaksTheSystemLanguage_data()
{
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("noCommand");
    QTest::addColumn<QString>("helpUsage");
    QTest::addColumn<QString>("helpFirstLine");
    QTest::addColumn<QString>("sentOne");
    QTest::addColumn<QString>("safetyKind"); // in the listing of safety copies

    QTest::newRow("German") << "de_DE.UTF-8" << "ulvo-connect-cli: kein Befehl angegeben\n"
                            << "Aufruf: ulvo-connect-cli"
                            << "Tauscht Dateien mit Ulvo-Grafikrechnern aus, die per USB angeschlossen sind.\n"
                            << "1 Datei gesendet\n" << "  vor dem Löschen            ";
    QTest::newRow("C") << "C" << "ulvo-connect-cli: no command given\n"
                       << "Usage: ulvo-connect-cli"
                       << "Exchanges files with Ulvo graphing calculators attached by USB.\n"
                       << "Sent 1 file\n" << "  before delete   ";
}

void TestCli::speaksTheSystemLanguage()
{
    QFETCH(QString, lang);
    QFETCH(QString, noCommand);
    QFETCH(QString, helpUsage);
    QFETCH(QString, helpFirstLine);
    QFETCH(QString, sentOne);
    QFETCH(QString, safetyKind);
    toolLanguage = lang;

    const ToolRun bare = tool({});
    QCOMPARE(bare.exitCode, 2);
    QVERIFY2(bare.err.startsWith(noCommand), qPrintable(bare.err));

    const ToolRun help = tool({"--help"});
    QCOMPARE(help.exitCode, 0);
    const QStringList lines = help.out.split(QLatin1Char('\n'));
    QVERIFY2(lines.size() > 2, qPrintable(help.out));
    QVERIFY2(lines.at(0).startsWith(helpUsage), qPrintable(lines.at(0)));
    QCOMPARE(lines.at(1) + QLatin1Char('\n'), helpFirstLine);

    SimulatedCalculator *calc = attach(QStringLiteral("ULVO"));
    writeFile(path("ONE.ucb"), "Disp 1"); // a calculator name already: no renaming line
    const ToolRun sent = tool({"put", "ONE.ucb"});
    QVERIFY2(sent.exitCode == 0, qPrintable(sent.out + sent.err));
    QCOMPARE(sent.out, sentOne);
    QCOMPARE(calc->file("ONE.ucb"), QByteArray("Disp 1"));

    QCOMPARE(tool({"rm", "ONE.ucb"}).exitCode, 0);
    const ToolRun listing = tool({"safety"});
    QCOMPARE(listing.exitCode, 0);
    QVERIFY2(listing.out.contains(safetyKind), qPrintable(listing.out));
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
