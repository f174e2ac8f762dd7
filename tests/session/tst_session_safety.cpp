// Safety copies around delete and restore as the window drives them: the copy's own phase before
// anything is erased, failures that leave the calculator as it was, undo from the copies, and
// files sent from a backup through the ordinary send questions.
#include "localfiles.h"
#include "sessionrig.h"
#include "testzip.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using UlvoCalc::calcMsg;

namespace {

// Position of the first message of `type` the calculator received; -1 when none.
int firstIndexOf(const SimulatedCalculator &calc, calcMsg::msgType type)
{
    const QList<calcMsg> received = calc.received();
    for (int i = 0; i < received.size(); ++i) {
        if (received.at(i).type() == type)
            return i;
    }
    return -1;
}

} // namespace

class TestSessionSafety : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void restoreCopiesFirstAndUndoRestoresTheCopy();
    void failedCopyChangesNothing_data();
    void failedCopyChangesNothing();
    void emptyCalculatorNeedsNoCopy();
    void cancelDuringCopyLeavesCalculatorUntouched();
    void undoAfterDeleteSendsOnlyThoseFiles();
    void sendFromBackupAsksAboutCollisions_data();
    void sendFromBackupAsksAboutCollisions();

private:
    std::unique_ptr<QTemporaryDir> dir;
};

void TestSessionSafety::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    const QString folder = SafetyCopies::defaultFolder();
    QFile::remove(folder); // a test may have put a file in its place
    QVERIFY(QDir(folder).removeRecursively());
}

void TestSessionSafety::restoreCopiesFirstAndUndoRestoresTheCopy()
{
    SessionRig rig;
    SimulatedCalculator calc;
    calc.setFile("A.UCB", "A=1\n");
    calc.setFile("B.BIN", QByteArray(3000, 'b'));
    rig.attach(calc);
    calc.setRestartHandlers({}, {}, 0);
    const QString archive = dir->filePath("other.ubk");
    QVERIFY(writeZip(archive, {{"R.TXT", "other"}}));
    QStringList phases;
    connect(rig.session.get(), &CUlvoCalcSession::progressChange, this, [&] {
        const QString text = rig.session->progressText();
        const QString phase = text.section(QStringLiteral(" \u2014"), 0, 0).section(' ', 0, 1);
        if (!text.isEmpty() && (phases.isEmpty() || phases.last() != phase))
            phases << phase;
    });
    calc.clearReceived();
    rig.log.clear();

    rig.session->restoreBackup(QUrl::fromLocalFile(archive));
    QVERIFY(rig.waitIdle(20000));

    const QList<SafetyCopies::Copy> copies = SafetyCopies().list();
    QCOMPARE(copies.size(), 1);
    QCOMPARE(rig.session->getError(), QString());
    QCOMPARE(rig.session->getStatusLineText(), withNewestCopy("Backup successfully sent to calculator"));
    QCOMPARE(phases.mid(0, 3), QStringList({"Making a", "Checking the", "Clearing the"}));
    QVERIFY(firstIndexOf(calc, calcMsg::GET_BACKUP_INFO) >= 0);
    QVERIFY(firstIndexOf(calc, calcMsg::GET_BACKUP_INFO) < firstIndexOf(calc, calcMsg::CLEAR_FILESYSTEM));
    QCOMPARE(rig.fileNames(), QStringList({"R.TXT"}));
    const QVariantMap listed = rig.session->safetyCopies().value(0).toMap();
    QCOMPARE(listed.value("kind").toString(), QString("before restore"));
    QCOMPARE(listed.value("calculator").toString(), QString("ULVO"));
    QCOMPARE(listed.value("files").toInt(), 2);
    QCOMPARE(rig.session->calcRowOfCopy("ULVO"), 0);

    // Undo: the copy restored as a whole brings back what was there.
    rig.log.clear();
    rig.session->restoreBackup(listed.value("url").toUrl());
    QVERIFY(rig.waitIdle(20000));
    QCOMPARE(rig.session->getError(), QString());
    QCOMPARE(rig.fileNames(), QStringList({"A.UCB", "B.BIN"}));
    QCOMPARE(calc.file("A.UCB"), QByteArray("A=1\n"));
    QCOMPARE(calc.file("B.BIN"), QByteArray(3000, 'b'));
}

void TestSessionSafety::failedCopyChangesNothing_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<bool>("folderBlocked");
    QTest::addColumn<QString>("reason");
    for (const char *operation : {"delete", "restore"}) {
        QTest::addRow("%s, download fails", operation) << operation << false << "Disk full";
        QTest::addRow("%s, folder cannot be made", operation) << operation << true << "Can't create the folder";
    }
}

void TestSessionSafety::failedCopyChangesNothing()
{
    QFETCH(QString, operation);
    QFETCH(bool, folderBlocked);
    QFETCH(QString, reason);
    SessionRig rig;
    SimulatedCalculator calc;
    calc.setFile("A.UCB", "A=1\n");
    calc.setFile("B.BIN", QByteArray(3000, 'b'));
    rig.attach(calc);
    const QString archive = dir->filePath("other.ubk");
    QVERIFY(writeZip(archive, {{"R.TXT", "other"}}));
    if (folderBlocked) {
        QVERIFY(QDir().mkpath(QFileInfo(SafetyCopies::defaultFolder()).path()));
        writeFile(SafetyCopies::defaultFolder(), "in the way");
    } else {
        calc.failOn(calcMsg::GET_FILE, calcMsg::WRITE_ERROR, 0, "Disk full", 2);
    }
    calc.clearReceived();
    rig.log.clear();

    if (operation == "delete") {
        selectFiles(rig, {"A.UCB", "B.BIN"});
        rig.session->deleteSelectedFiles();
    } else {
        rig.session->restoreBackup(QUrl::fromLocalFile(archive));
    }
    QVERIFY(rig.waitIdle(20000));

    const QString refusal = operation == "delete" ? "No safety copy could be made, so nothing was deleted: "
                                                  : "No safety copy could be made, so the restore did not start: ";
    QVERIFY2(rig.session->getError().startsWith(refusal), qPrintable(rig.session->getError()));
    QVERIFY2(rig.session->getError().contains(reason), qPrintable(rig.session->getError()));
    QCOMPARE(rig.session->getStatusLineText(), "Error: " + rig.session->getError());
    QCOMPARE(calc.receivedCount(calcMsg::DELETE_FILE), 0);
    QCOMPARE(calc.receivedCount(calcMsg::CLEAR_FILESYSTEM), 0);
    QCOMPARE(calc.files().size(), 2);
    QCOMPARE(calc.file("B.BIN"), QByteArray(3000, 'b'));
    QCOMPARE(rig.fileNames(), QStringList({"A.UCB", "B.BIN"}));
    QVERIFY(SafetyCopies().list().isEmpty());
}

void TestSessionSafety::emptyCalculatorNeedsNoCopy()
{
    SessionRig rig;
    SimulatedCalculator calc;
    rig.attach(calc);
    calc.setRestartHandlers({}, {}, 0);
    const QString archive = dir->filePath("other.ubk");
    QVERIFY(writeZip(archive, {{"R.TXT", "other"}}));
    rig.log.clear();

    rig.session->restoreBackup(QUrl::fromLocalFile(archive));
    QVERIFY(rig.waitIdle(20000));

    QCOMPARE(rig.session->getStatusLineText(), QString("Backup successfully sent to calculator"));
    QCOMPARE(calc.file("R.TXT"), QByteArray("other"));
    QVERIFY(SafetyCopies().list().isEmpty());
}

void TestSessionSafety::cancelDuringCopyLeavesCalculatorUntouched()
{
    SessionRig rig;
    SimulatedCalculator::Options options;
    options.maxChunkSize = 64;
    SimulatedCalculator calc(options);
    calc.setFile("BIG.BIN", QByteArray(200 * 64, 'g'));
    rig.attach(calc);
    rig.session->onIndexChange(0);
    const QString archive = dir->filePath("other.ubk");
    QVERIFY(writeZip(archive, {{"R.TXT", "other"}}));
    calc.setReplyDelay(5);
    rig.log.clear();

    rig.session->restoreBackup(QUrl::fromLocalFile(archive));
    QTRY_VERIFY_WITH_TIMEOUT(rig.session->progressText().startsWith("Making a safety copy")
                                 && rig.session->progressBytesDone() > 0, 10000);
    QVERIFY(rig.session->canCancel());
    rig.session->cancelOperation();
    QVERIFY(rig.waitIdle(30000));

    QCOMPARE(rig.session->getStatusLineText(), QString("Restore cancelled: the calculator was not changed"));
    QCOMPARE(calc.receivedCount(calcMsg::CLEAR_FILESYSTEM), 0);
    QCOMPARE(calc.file("BIG.BIN"), QByteArray(200 * 64, 'g'));
    QVERIFY(SafetyCopies().list().isEmpty());
}

void TestSessionSafety::undoAfterDeleteSendsOnlyThoseFiles()
{
    SessionRig rig;
    SimulatedCalculator calc;
    calc.setFile("A.UCB", "A=1\n");
    calc.setFile("B.BIN", QByteArray(3000, 'b'));
    calc.setFile("C.TXT", "sea");
    rig.attach(calc);
    rig.log.clear();

    selectFiles(rig, {"A.UCB", "C.TXT"});
    rig.session->deleteSelectedFiles();
    QVERIFY(rig.waitIdle(20000));
    const QVariantList copies = rig.session->safetyCopies();
    QCOMPARE(copies.size(), 1);
    const QVariantMap copy = copies.first().toMap();
    QCOMPARE(rig.session->getStatusLineText(), withNewestCopy("Files successfully deleted"));
    QVERIFY(rig.session->getStatusLineText().endsWith(copy.value("path").toString()));
    QCOMPARE(copy.value("kind").toString(), QString("before delete"));
    QCOMPARE(copy.value("files").toInt(), 2);
    QCOMPARE(rig.fileNames(), QStringList({"B.BIN"}));

    // Meanwhile B changes; sending the copy back must not touch it.
    calc.setFile("B.BIN", "changed");
    calc.clearReceived();
    rig.log.clear();
    rig.session->toCalcUrls(rig.session->backupEntryUrls(copy.value("url").toUrl()));
    QVERIFY(!rig.session->isToCalcExistingCollision());
    QVERIFY(!rig.session->isToCalcNameCollision());
    rig.session->sendFiles();
    QVERIFY(rig.waitIdle(20000));

    QCOMPARE(rig.session->getStatusLineText(), QString("Files successful sent to calculator"));
    QCOMPARE(calc.receivedCount(calcMsg::SEND_FILE), 2);
    QCOMPARE(calc.file("A.UCB"), QByteArray("A=1\n"));
    QCOMPARE(calc.file("C.TXT"), QByteArray("sea"));
    QCOMPARE(calc.file("B.BIN"), QByteArray("changed"));
}

void TestSessionSafety::sendFromBackupAsksAboutCollisions_data()
{
    QTest::addColumn<bool>("replace");
    QTest::newRow("replace") << true;
    QTest::newRow("keep") << false;
}

void TestSessionSafety::sendFromBackupAsksAboutCollisions()
{
    QFETCH(bool, replace);
    SessionRig rig;
    SimulatedCalculator calc;
    calc.setFile("X.TXT", "old x");
    calc.setFile("Z.TXT", "zed");
    rig.attach(calc);
    const QString archive = dir->filePath("term.ubk");
    QVERIFY(writeZip(archive, {{"X.TXT", "new x"}, {"Y.TXT", "new y"}, {"W.TXT", "not chosen"}}));
    const QUrl url = QUrl::fromLocalFile(archive);
    calc.clearReceived();
    rig.log.clear();

    QCOMPARE(rig.session->backupEntryNames(url), QStringList({"X.TXT", "Y.TXT", "W.TXT"}));
    rig.session->toCalcUrls(rig.session->backupEntryUrls(url, {"X.TXT", "Y.TXT"}));
    QVERIFY(rig.session->isToCalcExistingCollision());
    QCOMPARE(rig.session->collisionToCalcFileName(), QString("X.TXT"));
    rig.session->releaseToCalcCollision(replace);
    QVERIFY(!rig.session->isToCalcExistingCollision());
    QVERIFY(!rig.session->isToCalcNameCollision());
    rig.session->sendFiles();
    QVERIFY(rig.waitIdle(20000));

    QCOMPARE(calc.file("X.TXT"), replace ? QByteArray("new x") : QByteArray("old x"));
    QCOMPARE(calc.file("Y.TXT"), QByteArray("new y"));
    QCOMPARE(calc.file("Z.TXT"), QByteArray("zed"));
    QVERIFY(calc.file("W.TXT").isEmpty());
    QCOMPARE(calc.receivedCount(calcMsg::CLEAR_FILESYSTEM), 0);
    QCOMPARE(calc.receivedCount(calcMsg::DELETE_FILE), 0);

    // An archive a restore would refuse lists nothing and says why.
    const QString broken = dir->filePath("broken.ubk");
    QVERIFY(writeZip(broken, {{"../X.TXT", "escape"}}));
    QVERIFY(rig.session->backupEntryNames(QUrl::fromLocalFile(broken)).isEmpty());
    QVERIFY2(rig.session->getStatusLineText().startsWith("Error: Invalid backup file: " + broken),
             qPrintable(rig.session->getStatusLineText()));
    QVERIFY(rig.session->backupEntryUrls(QUrl::fromLocalFile(broken)).isEmpty());
}

QTEST_MAIN(TestSessionSafety)
#include "tst_session_safety.moc"
