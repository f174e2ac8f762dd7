// The session's operations end to end against a simulated calculator: each threaded operation with
// and without a failure injected, the send collision dialogue, download URLs, backup and restore,
// and the editor bridge.
#include "link/culvocalc.h"
#include "sessionrig.h"
#include "localfiles.h"
#include "replacingtranslator.h"

using UlvoCalc::calcMsg;

Q_DECLARE_METATYPE(calcMsg::msgType)

namespace {

using Files = QList<QPair<QString, QByteArray>>;

// The main window's send dialogue: existing names asked about first, then long-name notices, then
// the transfer. Answers are consumed in order; every question and notice is recorded.
void runSendDialogue(CUlvoCalcSession &session, QList<bool> answers, QStringList &asked)
{
    for (;;) {
        if (session.isToCalcExistingCollision()) {
            asked << "replace " + session.collisionToCalcFileName();
            session.releaseToCalcCollision(answers.takeFirst());
        } else if (session.isToCalcNameCollision()) {
            asked << "rename " + session.getNameToCalcCollisionOld() + " -> "
                    + session.getNameToCalcCollisionNew();
        } else {
            session.sendFiles();
            return;
        }
    }
}

} // namespace

class TestSessionOperations : public QObject
{
    Q_OBJECT
private slots:
    void endOfOperation_data();
    void endOfOperation();
    void refusalWithoutTextIsNoSuccess_data();
    void refusalWithoutTextIsNoSuccess();
    void sendDialogue_data();
    void sendDialogue();
    void downloadUrlsNameWrittenFiles();
    void downloadEndNamesArrivedFiles_data();
    void downloadEndNamesArrivedFiles();
    void backupTwiceThenRestore();
    void restoreSurvivesRebootOffTheBus();
    void failedBackupEmitsNothing();
    void unreadableNameIsNamed();
    void unreadableNameUnderTranslation();
    void relaysServeOneOperation();
    void editorOpensProgram();
    void editorSendReportsOutcome();
};

void TestSessionOperations::endOfOperation_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<bool>("fail");
    QTest::addColumn<calcMsg::msgType>("failRequest");
    QTest::addColumn<QString>("success");
    QTest::addColumn<QString>("refresh");
    QTest::addColumn<QString>("errorText");
    const struct {
        const char *operation;
        calcMsg::msgType failRequest;
        const char *success;
        const char *refresh;
        const char *errorText;
    } rows[] = {
        {"send", calcMsg::SEND_FILE, "Files successful sent to calculator", "files", "Disk full"},
        {"download", calcMsg::GET_FILE, "Files successfully download on path: %1/", "", "Disk full"},
        {"delete", calcMsg::DELETE_FILE, "Files successfully deleted", "files", "Disk full"},
        // The calculator's refusal of a name carries no text the link passes on.
        {"rename", calcMsg::CHANGE_NAME, "Calculator name successfully changed", "name:NEW NAME",
         "Calculator name was not changed"},
        {"restore", calcMsg::CLEAR_FILESYSTEM, "Backup successfully sent to calculator", "files",
         "Can't clear filesystem"},
    };
    for (const auto &row : rows) {
        QTest::addRow("%s", row.operation)
            << row.operation << false << row.failRequest << row.success << row.refresh << QString();
        QTest::addRow("%s failing", row.operation) << row.operation << true << row.failRequest
                                                   << row.success << row.refresh << row.errorText;
    }
}

void TestSessionOperations::endOfOperation()
{
    QFETCH(QString, operation);
    QFETCH(bool, fail);
    QFETCH(calcMsg::msgType, failRequest);
    QFETCH(QString, success);
    QFETCH(QString, refresh);
    QFETCH(QString, errorText);

    SessionRig rig;
    SimulatedCalculator calc;
    calc.setFile(QStringLiteral("A.UCB"), "A=1\n");
    calc.setFile(QStringLiteral("B.TXT"), "bee");
    rig.attach(calc);
    calc.setRestartHandlers({}, {}, 0); // restarts keep the line: no unplug for the poll to see
    QTemporaryDir dir;
    QString archive = dir.filePath("backup.ubk");
    if (operation == "restore") {
        QSignalSpy loaded(rig.session.get(), &CUlvoCalcSession::backupLoaded);
        rig.session->createBackup();
        QVERIFY(loaded.wait(5000));
        rig.session->renameBackup(loaded.first().first().toString(), archive);
        calc.clearFiles();
        calc.setFile(QStringLiteral("C.TXT"), "sea");
        QVERIFY(rig.waitIdle());
    }
    if (fail)
        calc.failOn(failRequest, calcMsg::WRITE_ERROR, 0, QStringLiteral("Disk full"));
    rig.session->onErrorChange(QStringLiteral("pending"));
    rig.log.clear();

    if (operation == "send") {
        rig.session->toCalcUrls({writeFile(dir.filePath("new.txt"), "fresh")});
        rig.session->sendFiles();
    } else if (operation == "download") {
        selectFiles(rig, {"A.UCB"});
        rig.session->fromCalcUrls(true, QUrl::fromLocalFile(dir.path()));
        rig.session->downloadFiles();
    } else if (operation == "delete") {
        selectFiles(rig, {"A.UCB", "B.TXT"});
        rig.session->deleteSelectedFiles();
    } else if (operation == "rename") {
        rig.session->changeCalcName(QStringLiteral("NEW NAME"));
    } else if (operation == "restore") {
        rig.session->restoreBackup(QUrl::fromLocalFile(archive));
    }
    QVERIFY(rig.waitIdle(15000));

    if (fail) {
        QVERIFY2(rig.session->getError().contains(errorText), qPrintable(rig.session->getError()));
        QCOMPARE(rig.session->getStatusLineText(), QStringLiteral("Error: ") + rig.session->getError());
    } else {
        QCOMPARE(rig.session->getError(), QString());
        if (success.contains("%1"))
            success = success.arg(dir.path());
        // What erases files names the safety copy it kept first.
        if (operation == "delete" || operation == "restore")
            success = withNewestCopy(success);
        QCOMPARE(rig.session->getStatusLineText(), success);
    }
    // The refresh comes before the end text, which comes before the busy state ends.
    QStringList expected {"busy"};
    if (!refresh.isEmpty())
        expected << (fail && operation == "rename" ? "name:ULVO" : refresh);
    expected << "status:" + rig.session->getStatusLineText() << "idle";
    if (operation == "delete" && !fail)
        expected.removeAll("files"); // the calculator has no file left to list
    QCOMPARE(rig.log, expected);

    const QStringList shown = rig.fileNames();
    if (operation == "send")
        QCOMPARE(shown, fail ? QStringList({"A.UCB", "B.TXT"}) : QStringList({"A.UCB", "B.TXT", "NEW.txt"}));
    else if (operation == "download")
        QCOMPARE(readFile(dir.filePath("A.UCB")), fail ? QByteArray("<missing>") : QByteArray("A=1\n"));
    else if (operation == "delete")
        QCOMPARE(shown, fail ? QStringList({"A.UCB"}) : QStringList());
    else if (operation == "rename")
        QCOMPARE(rig.calcModel.getName(), fail ? QStringLiteral("ULVO") : QStringLiteral("NEW NAME"));
    else if (operation == "restore")
        QCOMPARE(shown, fail ? QStringList({"C.TXT"}) : QStringList({"A.UCB", "B.TXT"}));
}

// A calculator may refuse with an error type the link has no text for: no text reaches the
// session, but the batch's result still says which file failed, and that is no success.
void TestSessionOperations::refusalWithoutTextIsNoSuccess_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<calcMsg::msgType>("request");
    QTest::addColumn<QString>("errorText");
    QTest::newRow("send") << "send" << calcMsg::SEND_FILE << "NEW.txt: not sent";
    QTest::newRow("delete") << "delete" << calcMsg::DELETE_FILE << "A.UCB: not deleted";
}

void TestSessionOperations::refusalWithoutTextIsNoSuccess()
{
    QFETCH(QString, operation);
    QFETCH(calcMsg::msgType, request);
    QFETCH(QString, errorText);

    SessionRig rig;
    SimulatedCalculator calc;
    calc.setFile(QStringLiteral("A.UCB"), "A=1\n");
    rig.attach(calc);
    calc.failOn(request, SimulatedCalculator::ErrType(9));
    QTemporaryDir dir;
    if (operation == "send") {
        rig.session->toCalcUrls({writeFile(dir.filePath("new.txt"), "fresh")});
        rig.session->sendFiles();
    } else {
        selectFiles(rig, {"A.UCB"});
        rig.session->deleteSelectedFiles();
    }
    QVERIFY(rig.waitIdle(15000));
    QCOMPARE(rig.session->getError(), errorText);
    QCOMPARE(rig.session->getStatusLineText(), QStringLiteral("Error: ") + errorText);
}

void TestSessionOperations::sendDialogue_data()
{
    QTest::addColumn<Files>("local");
    QTest::addColumn<Files>("onCalc");
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<Files>("expected");

    const QString longName = QStringLiteral("averyveryverylongname.txt");
    const QString converted = CUlvoCalc::convertToSfn(longName);
    QTest::newRow("characters replaced, same length")
        << Files {{"a+b.txt", "ab"}} << Files {} << QList<bool> {} << QStringList {}
        << Files {{"A_B.txt", "ab"}};
    QTest::newRow("long name")
        << Files {{longName, "long"}} << Files {} << QList<bool> {}
        << QStringList {"rename " + longName + " -> " + converted} << Files {{converted, "long"}};
    QTest::newRow("long name taken, replaced")
        << Files {{longName, "long"}} << Files {{converted, "old"}} << QList<bool> {true}
        << QStringList {"rename " + longName + " -> " + converted, "replace " + converted}
        << Files {{converted, "long"}};
    QTest::newRow("same name twice, second wins")
        << Files {{"dup.txt", "first"}, {"sub/dup.txt", "second"}} << Files {} << QList<bool> {true}
        << QStringList {"replace DUP.txt"} << Files {{"DUP.txt", "second"}};
    QTest::newRow("same name twice, first kept")
        << Files {{"dup.txt", "first"}, {"sub/dup.txt", "second"}} << Files {} << QList<bool> {false}
        << QStringList {"replace DUP.txt"} << Files {{"DUP.txt", "first"}};
    QTest::newRow("names differing in case, second replaces first")
        << Files {{"abc.txt", "lower"}, {"abc.TXT", "upper"}} << Files {} << QList<bool> {true}
        << QStringList {"replace ABC.TXT"} << Files {{"ABC.TXT", "upper"}};
    QTest::newRow("on calculator in another case, skipped")
        << Files {{"abc.txt", "new"}} << Files {{"ABC.TXT", "old"}} << QList<bool> {false}
        << QStringList {"replace ABC.txt"} << Files {{"ABC.TXT", "old"}};
    QTest::newRow("only the first collision skipped")
        << Files {{"x.txt", "new x"}, {"y.txt", "new y"}} << Files {{"X.txt", "old x"}, {"Y.txt", "old y"}}
        << QList<bool> {false, true} << QStringList {"replace X.txt", "replace Y.txt"}
        << Files {{"X.txt", "old x"}, {"Y.txt", "new y"}};
    QTest::newRow("empty file never sent")
        << Files {{"empty.txt", ""}, {"full.txt", "f"}} << Files {} << QList<bool> {} << QStringList {}
        << Files {{"FULL.txt", "f"}};
}

void TestSessionOperations::sendDialogue()
{
    QFETCH(Files, local);
    QFETCH(Files, onCalc);
    QFETCH(QList<bool>, answers);
    QFETCH(QStringList, asked);
    QFETCH(Files, expected);

    SessionRig rig;
    SimulatedCalculator calc;
    for (const auto &file : onCalc)
        calc.setFile(file.first, file.second);
    rig.attach(calc);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("sub"));
    QList<QUrl> urls;
    for (const auto &file : local)
        urls << writeFile(dir.filePath(file.first), file.second);

    rig.session->toCalcUrls(urls);
    calc.clearReceived();
    QStringList questions;
    rig.log.clear();
    runSendDialogue(*rig.session, answers, questions);
    QCOMPARE(questions, asked);
    QVERIFY(rig.waitIdle());
    QCOMPARE(rig.session->getStatusLineText(), QStringLiteral("Files successful sent to calculator"));
    QCOMPARE(calc.files(), expected);
    QStringList names;
    for (const auto &file : expected)
        names << file.first;
    QCOMPARE(rig.fileNames(), names);

    // The accepted files stay until the next sorting: sending again sends them again.
    const int sent = calc.receivedCount(calcMsg::SEND_FILE);
    calc.clearReceived();
    rig.log.clear();
    rig.session->sendFiles();
    QVERIFY(rig.waitIdle());
    QCOMPARE(calc.files(), expected);
    QCOMPARE(calc.receivedCount(calcMsg::SEND_FILE), sent);
}

void TestSessionOperations::downloadUrlsNameWrittenFiles()
{
    SessionRig rig;
    SimulatedCalculator calc;
    calc.setFile(QStringLiteral("A#1.TXT"), "hash");
    calc.setFile(QStringLiteral("Q?X.TXT"), "question");
    calc.setFile(QStringLiteral("EMPTY.TXT"), "");
    calc.setFile(QStringLiteral(".."), "dots");
    calc.setFile(QStringLiteral("B.TXT"), "bee");
    rig.attach(calc);
    QTemporaryDir dir;
    selectFiles(rig, rig.fileNames());
    rig.session->fromCalcUrls(false, QUrl::fromLocalFile(dir.path()));
    rig.log.clear();
    const QList<QUrl> urls = rig.session->downloadFiles();
    QVERIFY(rig.waitIdle());

    QStringList named;
    for (const QUrl &url : urls) {
        QVERIFY(url.isLocalFile());
        QCOMPARE(QFileInfo(url.toLocalFile()).absolutePath(), QFileInfo(dir.path()).absoluteFilePath());
        named << rig.session->fileNameFromUrl(url);
        QVERIFY2(QFile::exists(url.toLocalFile()), qPrintable(url.toString()));
    }
    QCOMPARE(named, (QStringList {"A#1.TXT", "Q?X.TXT", "EMPTY.TXT", "B.TXT"}));
    QStringList written = QDir(dir.path()).entryList(QDir::Files);
    written.sort();
    named.sort();
    QCOMPARE(written, named);
    QCOMPARE(readFile(dir.filePath("A#1.TXT")), QByteArray("hash"));
}

void TestSessionOperations::downloadEndNamesArrivedFiles_data()
{
    QTest::addColumn<bool>("failSecond");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QStringList>("arrived");
    QTest::newRow("complete") << false << false << QStringList {"A.UCB", "B.TXT"};
    QTest::newRow("second fails") << true << false << QStringList {"A.UCB"};
    // Stopped while the first file is on its way: the second one is never written.
    QTest::newRow("stopped") << false << true << QStringList {"A.UCB"};
}

// However a download ends, the session names the files it promised and those that arrived.
void TestSessionOperations::downloadEndNamesArrivedFiles()
{
    QFETCH(bool, failSecond);
    QFETCH(bool, cancel);
    QFETCH(QStringList, arrived);
    SessionRig rig;
    SimulatedCalculator calc;
    calc.setFile(QStringLiteral("A.UCB"), "A=1\n");
    calc.setFile(QStringLiteral("B.TXT"), "bee");
    rig.attach(calc);
    if (failSecond)
        calc.failOn(calcMsg::GET_FILE, calcMsg::CONNECTION_ERROR, 0, QStringLiteral("Disk gone"), 2);
    if (cancel)
        calc.setReplyDelay(200);
    QTemporaryDir dir;
    QSignalSpy ended(rig.session.get(), &CUlvoCalcSession::downloadEnded);
    selectFiles(rig, rig.fileNames());
    rig.session->fromCalcUrls(false, QUrl::fromLocalFile(dir.path()));
    rig.log.clear();
    const QList<QUrl> promised = rig.session->downloadFiles();
    if (cancel) {
        QTRY_VERIFY_WITH_TIMEOUT(rig.session->canCancel(), 5000);
        rig.session->cancelOperation();
    }
    QVERIFY(rig.waitIdle());

    QCOMPARE(ended.count(), 1);
    QCOMPARE(ended.first().at(0).value<QList<QUrl>>(), promised);
    // Exactly the files on disk; a stop may come before or after the first file is complete.
    QList<QUrl> expected;
    for (const QString &name : arrived) {
        if (!cancel || QFile::exists(dir.filePath(name)))
            expected << QUrl::fromLocalFile(dir.filePath(name));
    }
    QCOMPARE(ended.first().at(1).value<QList<QUrl>>(), expected);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), expected.size());
}

void TestSessionOperations::backupTwiceThenRestore()
{
    SessionRig rig;
    SimulatedCalculator calc;
    calc.setFile(QStringLiteral("A.UCB"), "A=1\n");
    calc.setFile(QStringLiteral("B.BIN"), QByteArray(1500, 'b'));
    rig.attach(calc);
    calc.setRestartHandlers({}, {}, 0);
    QTemporaryDir dir;
    QSignalSpy loaded(rig.session.get(), &CUlvoCalcSession::backupLoaded);
    rig.session->onStatusChange(QStringLiteral("before"));

    const QString kept = dir.filePath("mine.ubk");
    for (int run = 1; run <= 2; ++run) {
        rig.log.clear();
        rig.session->createBackup();
        QVERIFY(rig.waitIdle());
        QCOMPARE(loaded.count(), run);
        const QString temporary = loaded.last().first().toString();
        QVERIFY(QFile::exists(temporary));
        // The save dialogue's Accept: move, tell, then remove the (now absent) temporary file.
        rig.session->renameBackup(temporary, kept);
        rig.session->removeFile(temporary);
        QVERIFY(!QFile::exists(temporary));
        QVERIFY(QFile::exists(kept));
        QCOMPARE(rig.session->getStatusLineText(), QStringLiteral("before")); // no end handler
    }

    calc.clearFiles();
    calc.setFile(QStringLiteral("OTHER.TXT"), "x");
    rig.log.clear();
    rig.session->restoreBackup(QUrl::fromLocalFile(kept));
    QVERIFY(rig.waitIdle(15000));
    QCOMPARE(rig.session->getStatusLineText(), withNewestCopy(QStringLiteral("Backup successfully sent to calculator")));
    QCOMPARE(rig.fileNames(), (QStringList {"A.UCB", "B.BIN"}));
    QCOMPARE(calc.file(QStringLiteral("B.BIN")), QByteArray(1500, 'b'));
}

// The calculator leaves the bus while it restarts at the end of a restore, and the polls go on
// meanwhile: the running restore keeps its worker, finds the calculator back on the same port and
// lists its new files; the calculator is not listed a second time.
void TestSessionOperations::restoreSurvivesRebootOffTheBus()
{
    SessionRig rig;
    rig.usb.setRebootDelay(1500);
    SimulatedCalculator calc;
    calc.setFile(QStringLiteral("A.UCB"), "A=1\n");
    rig.attach(calc);
    const QString archive = rig.backupArchive();
    QVERIFY(!archive.isEmpty());

    calc.setFile(QStringLiteral("LATER.TXT"), "x");
    QSignalSpy rebooted(&calc, &SimulatedCalculator::rebootRequested);
    QSignalSpy added(rig.session.get(), &CUlvoCalcSession::connectNewCalc);
    rig.log.clear();
    rig.session->restoreBackup(QUrl::fromLocalFile(archive));
    QVERIFY(rebooted.wait(10000));
    // Poll while the calculator is off the bus, as the timer does.
    QTRY_VERIFY_WITH_TIMEOUT(CUlvoCalc::findCalcs().isEmpty(), 2000);
    rig.session->update();
    QVERIFY(rig.waitIdle(15000));
    rig.session->update();
    QCOMPARE(added.count(), 0);
    QCOMPARE(rig.calcModel.rowCount(), 1);
    QCOMPARE(rig.calcModel.getName(), QStringLiteral("ULVO"));
    QCOMPARE(rig.session->getStatusLineText(), withNewestCopy(QStringLiteral("Backup successfully sent to calculator")));
    QCOMPARE(rig.fileNames(), QStringList {"A.UCB"});
    QFile::remove(archive);
}

void TestSessionOperations::failedBackupEmitsNothing()
{
    SessionRig rig;
    SimulatedCalculator calc;
    calc.setFile(QStringLiteral("A.UCB"), "A=1\n");
    rig.attach(calc);
    calc.failOn(calcMsg::GET_FILE, calcMsg::CONNECTION_ERROR, 0, QStringLiteral("Disk gone"));
    QSignalSpy loaded(rig.session.get(), &CUlvoCalcSession::backupLoaded);
    rig.session->onStatusChange(QStringLiteral("before"));
    rig.log.clear();
    rig.session->createBackup();
    QVERIFY(rig.waitIdle());
    QCOMPARE(loaded.count(), 0);
    QVERIFY(rig.session->getError().contains("Disk gone"));
    QCOMPARE(rig.session->getStatusLineText(), QStringLiteral("before"));
}

// A file whose name is not UTF-8 cannot be listed or archived: the user is told which one.
void TestSessionOperations::unreadableNameIsNamed()
{
    SessionRig rig;
    SimulatedCalculator calc;
    calc.setRawFile("bad\xff\xfe.txt", "x");
    calc.setFile(QStringLiteral("OK.TXT"), "ok");
    const QString named = QStringLiteral("bad\uFFFD\uFFFD.txt");
    rig.attach(calc);

    QCOMPARE(rig.fileNames(), QStringList {"OK.TXT"});
    const QString notice = "File not shown, its name can't be read: " + named;
    QCOMPARE(rig.session->getStatusLineText(), notice);
    QCOMPARE(rig.log.count("status:" + notice), 1);

    QCOMPARE(rig.backupArchive(), QString());
    QCOMPARE(rig.session->getError(), "Can't back up file, its name can't be read: " + named);

    // The listing that follows a send or a delete meets the same name: the notice tells of it,
    // and the operation, which did all it was asked, still ends as a success.
    rig.session->onErrorChange(QString());
    QTemporaryDir dir;
    rig.log.clear();
    rig.session->toCalcUrls({writeFile(dir.filePath("NEW.TXT"), "fresh")});
    rig.session->sendFiles();
    QVERIFY(rig.waitIdle());
    QCOMPARE(rig.session->getError(), QString());
    QCOMPARE(rig.session->getStatusLineText(), QStringLiteral("Files successful sent to calculator"));
    QCOMPARE(rig.fileNames(), (QStringList {"OK.TXT", "NEW.TXT"}));

    selectFiles(rig, {"NEW.TXT"});
    rig.log.clear();
    rig.session->deleteSelectedFiles();
    QVERIFY(rig.waitIdle());
    QCOMPARE(rig.session->getError(), QString());
    QCOMPARE(rig.session->getStatusLineText(), withNewestCopy(QStringLiteral("Files successfully deleted")));
    QCOMPARE(rig.fileNames(), QStringList {"OK.TXT"});
}

// The listing's notice is told apart from a failure whatever words the link put it in, the name
// standing anywhere in them.
void TestSessionOperations::unreadableNameUnderTranslation()
{
    const ReplacingTranslator german({
        {QStringLiteral("Invalid file name: %1"), QStringLiteral("Der Dateiname %1 ist ungültig")},
        {QStringLiteral("File not shown, its name can't be read: %1"),
         QStringLiteral("Datei nicht angezeigt, ihr Name ist unlesbar: %1")},
        {QStringLiteral("Files successful sent to calculator"), QStringLiteral("Dateien gesendet")},
    });
    SessionRig rig;
    SimulatedCalculator calc;
    calc.setRawFile("bad\xff\xfe.txt", "x");
    rig.attach(calc);
    const QString notice = QStringLiteral("Datei nicht angezeigt, ihr Name ist unlesbar: bad��.txt");
    QCOMPARE(rig.session->getStatusLineText(), notice);

    QTemporaryDir dir;
    rig.session->toCalcUrls({writeFile(dir.filePath("NEW.TXT"), "fresh")});
    rig.session->sendFiles();
    QVERIFY(rig.waitIdle());
    QCOMPARE(rig.session->getError(), QString());
    QCOMPARE(rig.session->getStatusLineText(), QStringLiteral("Dateien gesendet"));
    QCOMPARE(rig.fileNames(), QStringList {"NEW.TXT"});
}

void TestSessionOperations::relaysServeOneOperation()
{
    SessionRig rig;
    SimulatedCalculator calc;
    rig.attach(calc);
    rig.log.clear();
    rig.session->changeCalcName(QStringLiteral("NEW"));
    QVERIFY(rig.waitIdle());
    QCOMPARE(rig.calcModel.getName(), QStringLiteral("NEW"));

    // A later send refreshes the file list only; the rename's refresh is gone.
    QTemporaryDir dir;
    rig.session->toCalcUrls({writeFile(dir.filePath("a.txt"), "a")});
    rig.log.clear();
    rig.session->sendFiles();
    QVERIFY(rig.waitIdle());
    QCOMPARE(rig.log, (QStringList {"busy", "files", "status:Files successful sent to calculator", "idle"}));
}

void TestSessionOperations::editorOpensProgram()
{
    SessionRig rig;
    SimulatedCalculator calc;
    calc.setFile(QStringLiteral("NOTES.TXT"), "text");
    calc.setFile(QStringLiteral("PRG1.UCB"), "A\xB2\n");
    rig.attach(calc);
    rig.session->onStatusChange(QStringLiteral("before"));
    QSignalSpy opened(rig.session.get(), &CUlvoCalcSession::openEditFromCalc);

    QVERIFY(!rig.session->downloadForEdit(0));
    QCOMPARE(rig.session->getStatusLineText(),
             QStringLiteral("File type error. Please select UlvoBasic program file"));
    QCOMPARE(calc.receivedCount(calcMsg::GET_FILE), 0);

    // An operation like the others: busy while it runs, the program arrives afterwards.
    rig.session->onStatusChange(QStringLiteral("before"));
    rig.log.clear();
    QVERIFY(rig.session->downloadForEdit(1));
    QCOMPARE(opened.count(), 0);
    QVERIFY(rig.waitIdle());
    QCOMPARE(opened.count(), 1);
    QCOMPARE(opened.first(), (QVariantList {"PRG1.UCB", QStringLiteral("A\u00B2\n")}));
    QCOMPARE(rig.session->getStatusLineText(), QStringLiteral("before"));
    QCOMPARE(rig.log, (QStringList {"busy", "idle"}));

    // A failed read still opens the editor, empty, and says why on the status line.
    calc.failOn(calcMsg::GET_FILE, calcMsg::FILE_NOT_EXIST, 0, QStringLiteral("No file"));
    rig.log.clear();
    QVERIFY(rig.session->downloadForEdit(1));
    QVERIFY(rig.waitIdle());
    QCOMPARE(opened.count(), 2);
    QCOMPARE(opened.last(), (QVariantList {QString(), QString()}));
    QVERIFY(rig.session->getError().contains("No file"));
    QCOMPARE(rig.session->getStatusLineText(), QStringLiteral("Error: ") + rig.session->getError());
}

void TestSessionOperations::editorSendReportsOutcome()
{
    SessionRig rig;
    SimulatedCalculator calc;
    calc.setFile(QStringLiteral("A.TXT"), "a");
    rig.attach(calc);
    QSignalSpy outcome(rig.session.get(), &CUlvoCalcSession::fileFromEditSent);

    rig.log.clear();
    QVERIFY(rig.session->sendFileFromEdit(QStringLiteral("PRG1.ucb"), QStringLiteral("B=2")));
    QVERIFY(rig.waitIdle());
    QCOMPARE(outcome.count(), 1);
    QCOMPARE(outcome.last(), (QVariantList {"PRG1.ucb", true}));
    QCOMPARE(rig.session->getStatusLineText(), QStringLiteral("File 'PRG1.ucb' successfully sent"));
    QCOMPARE(rig.fileNames(), (QStringList {"A.TXT", "PRG1.ucb"}));
    QCOMPARE(calc.file(QStringLiteral("PRG1.ucb")), QByteArray("B=2\n"));
    QVERIFY(rig.session->isFileExist(QStringLiteral("prg1.UCB")));

    // A failure is never reported as success.
    calc.failOn(calcMsg::SEND_FILE, calcMsg::MEMORY_ERROR, 0, QStringLiteral("Memory full"));
    rig.log.clear();
    QVERIFY(rig.session->sendFileFromEdit(QStringLiteral("PRG2.ucb"), QStringLiteral("C=3")));
    QVERIFY(rig.waitIdle());
    QCOMPARE(outcome.count(), 2);
    QCOMPARE(outcome.last(), (QVariantList {"PRG2.ucb", false}));
    QVERIFY(rig.session->getError().contains("Memory full"));
    QCOMPARE(rig.session->getStatusLineText(), QStringLiteral("Error: ") + rig.session->getError());
    QCOMPARE(rig.fileNames(), (QStringList {"A.TXT", "PRG1.ucb"}));

    // An earlier error alone does not fail the next send: it is cleared when the send starts.
    rig.log.clear();
    QVERIFY(rig.session->sendFileFromEdit(QStringLiteral("PRG3.ucb"), QStringLiteral("D=4")));
    QVERIFY(rig.waitIdle());
    QCOMPARE(outcome.last(), (QVariantList {"PRG3.ucb", true}));
    QCOMPARE(rig.session->getStatusLineText(), QStringLiteral("File 'PRG3.ucb' successfully sent"));
}

QTEST_MAIN(TestSessionOperations)
#include "tst_session_operations.moc"
