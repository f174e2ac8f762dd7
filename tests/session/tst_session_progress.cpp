// Progress of the selected calculator's operation as the window binds to it, and stopping it.
#include "link/culvocalc.h"
#include "localfiles.h"
#include "sessionrig.h"
#include "testzip.h"

namespace {

constexpr int chunk = 64;

SimulatedCalculator::Options smallFrames(const QString &name)
{
    SimulatedCalculator::Options options;
    options.name = name;
    options.maxChunkSize = chunk;
    return options;
}

QByteArray pattern(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char(i * 13);
    return bytes;
}

// Threads of this process: an operation's thread is gone once the count is back.
int threadCount()
{
    return QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size();
}

struct Seen {
    QString kind;
    QString fileName;
    qint64 done;
    qint64 total;
    bool hasProgress;
};

} // namespace

class TestSessionProgress : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void wordsForEachKind_data();
    void wordsForEachKind();
    void propertiesMoveToTotalThenReset_data();
    void propertiesMoveToTotalThenReset();
    void twoCalculatorsKeepTheirOwn();
    void cancelLeavesSessionIdle_data();
    void cancelLeavesSessionIdle();

private:
    // Starts one operation of the given kind on the selected calculator.
    void start(SessionRig &rig, const QString &kind);
    QTemporaryDir base;
    std::unique_ptr<QTemporaryDir> dir;
};

void TestSessionProgress::init()
{
    dir.reset();
    dir = std::make_unique<QTemporaryDir>(base.filePath("t-XXXXXX"));
    QVERIFY(dir->isValid());
    QVERIFY(QDir(dir->path()).mkdir("down"));
}

void TestSessionProgress::wordsForEachKind_data()
{
    using Kind = OperationProgress::Kind;
    using Phase = TransferProgress::Phase;
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("phase");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("cancelled");
    QTest::addColumn<bool>("canCancel");
    QTest::newRow("download") << int(Kind::Download) << int(Phase::Transferring)
                              << QString("Downloading PICTURE1.BIN (3 of 7) \u2014 45 %")
                              << "Download cancelled: 2 of 7 files downloaded" << true;
    QTest::newRow("send") << int(Kind::Send) << int(Phase::Transferring)
                          << QString("Sending PICTURE1.BIN (3 of 7) \u2014 45 %")
                          << "Send cancelled: 2 of 7 files sent" << true;
    QTest::newRow("backup") << int(Kind::Backup) << int(Phase::Transferring)
                            << QString("Backing up PICTURE1.BIN (3 of 7) \u2014 45 %")
                            << "Backup cancelled: 2 of 7 files read, no archive was made" << true;
    QTest::newRow("restore, checking") << int(Kind::Restore) << int(Phase::Checking)
                                       << "Checking the backup archive"
                                       << "Restore cancelled: the calculator was not changed" << true;
    QTest::newRow("restore, safety copy") << int(Kind::Restore) << int(Phase::SafetyCopy)
                                          << QString("Making a safety copy PICTURE1.BIN (3 of 7) \u2014 45 %")
                                          << "Restore cancelled: the calculator was not changed" << true;
    QTest::newRow("restore, clearing") << int(Kind::Restore) << int(Phase::Clearing)
                                       << "Clearing the calculator"
                                       << "Restore cancelled: the calculator was not changed" << false;
    QTest::newRow("restore, sending") << int(Kind::Restore) << int(Phase::Transferring)
                                      << QString("Restoring PICTURE1.BIN (3 of 7) \u2014 45 %")
                                      << "Restore cancelled: the calculator was not changed" << false;
    QTest::newRow("restore, rebooting") << int(Kind::Restore) << int(Phase::Rebooting)
                                        << "Restarting the calculator"
                                        << "Restore cancelled: the calculator was not changed" << false;
    QTest::newRow("editor send") << int(Kind::EditorSend) << int(Phase::Transferring)
                                 << QString("Sending PICTURE1.BIN (3 of 7) \u2014 45 %")
                                 << "Operation cancelled" << false;
}

// Words and whether a stop is offered, for each kind and phase (no time left before enough reports).
void TestSessionProgress::wordsForEachKind()
{
    QFETCH(int, kind);
    QFETCH(int, phase);
    QFETCH(QString, text);
    QFETCH(QString, cancelled);
    QFETCH(bool, canCancel);
    OperationProgress progress{OperationProgress::Kind(kind)};
    TransferProgress state;
    state.phase = TransferProgress::Phase(phase);
    state.fileName = "PICTURE1.BIN";
    state.fileIndex = 3;
    state.fileCount = 7;
    state.filesDone = 2;
    state.bytesDone = 450;
    state.bytesTotal = 1000;
    progress.take(state);

    QCOMPARE(progress.text(), text);
    QCOMPARE(progress.secondsLeft(), -1);
    QCOMPARE(progress.cancelledText(), cancelled);
    QCOMPARE(progress.canCancel(), canCancel);
}

void TestSessionProgress::start(SessionRig &rig, const QString &kind)
{
    if (kind == "download") {
        selectFiles(rig, rig.fileNames());
        rig.session->fromCalcUrls(false, QUrl::fromLocalFile(dir->filePath("down")));
        rig.session->downloadFiles();
    } else if (kind == "send") {
        QList<QUrl> urls;
        for (const char *name : {"s1.bin", "s2.bin", "s3.bin"})
            urls << writeFile(dir->filePath(name), pattern(20 * chunk));
        rig.session->toCalcUrls(urls);
        rig.session->sendFiles();
    } else if (kind == "backup") {
        // The offered archive is not kept.
        connect(rig.session.get(), &CUlvoCalcSession::backupLoaded, this, [](const QString &path) { QFile::remove(path); });
        rig.session->createBackup();
    } else if (kind == "restore") {
        const QString archive = dir->filePath("restore.ubk");
        QVERIFY(writeZip(archive, {{"R1.BIN", pattern(20 * chunk)}, {"R2.BIN", pattern(10 * chunk)}}));
        rig.session->restoreBackup(QUrl::fromLocalFile(archive));
    }
}

void TestSessionProgress::propertiesMoveToTotalThenReset_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<qint64>("total");
    QTest::newRow("download") << "download" << qint64(40 * chunk + 30 * chunk);
    QTest::newRow("send") << "send" << qint64(3 * 20 * chunk);
    QTest::newRow("backup") << "backup" << qint64(40 * chunk + 30 * chunk);
    QTest::newRow("restore") << "restore" << qint64(30 * chunk);
}

void TestSessionProgress::propertiesMoveToTotalThenReset()
{
    QFETCH(QString, kind);
    QFETCH(qint64, total);
    SessionRig rig;
    SimulatedCalculator calc(smallFrames("ONE"));
    calc.setFile("A.BIN", pattern(40 * chunk));
    calc.setFile("B.BIN", pattern(30 * chunk));
    rig.attach(calc);
    rig.session->onIndexChange(0);
    calc.setReplyDelay(3);
    QList<Seen> seen;
    connect(rig.session.get(), &CUlvoCalcSession::progressChange, this, [&] {
        const CUlvoCalcSession &s = *rig.session;
        seen.append({s.operationKind(), s.progressFileName(), s.progressBytesDone(),
                     s.progressBytesTotal(), s.hasProgress()});
    });
    rig.log.clear();

    start(rig, kind);
    QVERIFY(rig.waitIdle(30000));

    QVERIFY(seen.size() >= 3);
    for (int i = 1; i < seen.size() - 1; ++i) {
        QVERIFY(seen.at(i).hasProgress);
        QCOMPARE(seen.at(i).kind, kind);
        if (seen.at(i).total == seen.at(i - 1).total)
            QVERIFY2(seen.at(i).done >= seen.at(i - 1).done, qPrintable(QString::number(i)));
    }
    const Seen &final = seen.at(seen.size() - 2);
    QCOMPARE(final.total, total);
    QCOMPARE(final.done, total);
    // Once ended, nothing is left to show.
    QVERIFY(!seen.last().hasProgress);
    QCOMPARE(rig.session->operationKind(), QString());
    QCOMPARE(rig.session->progressText(), QString());
    QCOMPARE(rig.session->progressBytesTotal(), qint64(0));
    QVERIFY(!rig.session->canCancel());
}

void TestSessionProgress::twoCalculatorsKeepTheirOwn()
{
    SessionRig rig;
    SimulatedCalculator first(smallFrames("FIRST"));
    SimulatedCalculator second(smallFrames("SECOND"));
    first.setFile("FIRST.BIN", pattern(300 * chunk));
    second.setFile("SECOND.BIN", pattern(300 * chunk));
    rig.attach(first);
    rig.attach(second);
    first.setReplyDelay(2);
    second.setReplyDelay(2);
    QStringList namesSeen;
    connect(rig.session.get(), &CUlvoCalcSession::progressChange, this, [&] {
        namesSeen << rig.session->progressFileName();
    });

    rig.session->onIndexChange(0);
    rig.log.clear();
    start(rig, "download");
    QTRY_VERIFY_WITH_TIMEOUT(rig.session->progressBytesDone() > 0, 10000);
    QCOMPARE(rig.session->progressFileName(), QString("FIRST.BIN"));

    // The other calculator is idle: nothing to show for it, though the first one goes on.
    rig.session->onIndexChange(1);
    QVERIFY(!rig.session->hasProgress());
    QCOMPARE(rig.session->operationKind(), QString());
    namesSeen.clear();
    start(rig, "download");
    QTRY_VERIFY_WITH_TIMEOUT(rig.session->progressBytesDone() > 0, 10000);
    QCOMPARE(rig.session->progressFileName(), QString("SECOND.BIN"));
    QVERIFY(!namesSeen.contains("FIRST.BIN"));

    rig.session->onIndexChange(0);
    QCOMPARE(rig.session->operationKind(), QString("download"));
    QCOMPARE(rig.session->progressFileName(), QString("FIRST.BIN"));
    QVERIFY(rig.waitIdle(60000));
    QCOMPARE(readFile(dir->filePath("down/SECOND.BIN")), pattern(300 * chunk));
}

void TestSessionProgress::cancelLeavesSessionIdle_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("status");
    // How far the operation got before the stop is seen depends on the machine's pace.
    QTest::newRow("download") << "download" << "Download cancelled: [01] of 2 files downloaded";
    QTest::newRow("send") << "send" << "Send cancelled: [12] of 3 files sent";
    QTest::newRow("backup") << "backup" << "Backup cancelled: [01] of 2 files read, no archive was made";
    QTest::newRow("restore") << "restore" << "Restore cancelled: the calculator was not changed";
}

void TestSessionProgress::cancelLeavesSessionIdle()
{
    QFETCH(QString, kind);
    QFETCH(QString, status);
    SessionRig rig;
    SimulatedCalculator calc(smallFrames("ONE"));
    calc.setFile("A.BIN", pattern(100 * chunk));
    calc.setFile("B.BIN", pattern(30 * chunk));
    rig.attach(calc);
    rig.session->onIndexChange(0);
    calc.setReplyDelay(kind == "restore" ? 30 : 3);
    const int threadsBefore = threadCount();
    const QStringList backupsBefore = QDir::temp().entryList({"calc-backup*"}, QDir::Files);
    rig.log.clear();

    start(rig, kind);
    QVERIFY(rig.session->canCancel());
    if (kind != "restore")
        QTRY_VERIFY_WITH_TIMEOUT(rig.session->progressBytesDone() > 0, 10000);
    rig.session->cancelOperation();
    QVERIFY(rig.waitIdle(30000));

    QVERIFY2(QRegularExpression("^" + status + "$").match(rig.session->getStatusLineText()).hasMatch(),
             qPrintable(rig.session->getStatusLineText()));
    QVERIFY(!rig.session->getIsBusy());
    QVERIFY(!rig.session->hasProgress());
    QTRY_COMPARE_WITH_TIMEOUT(threadCount(), threadsBefore, 5000);
    QVERIFY(QDir(dir->filePath("down")).entryList(QDir::Files).isEmpty());
    QCOMPARE(QDir::temp().entryList({"calc-backup*"}, QDir::Files), backupsBefore);
    if (kind == "restore")
        QCOMPARE(calc.receivedCount(UlvoCalc::calcMsg::CLEAR_FILESYSTEM), 0);

    // The next operation on the same calculator works.
    calc.setReplyDelay(0);
    rig.log.clear();
    start(rig, "download");
    QVERIFY(rig.waitIdle(30000));
    QVERIFY2(rig.session->getStatusLineText().startsWith("Files successfully download"),
             qPrintable(rig.session->getStatusLineText()));
    QCOMPARE(readFile(dir->filePath("down/A.BIN")), pattern(100 * chunk));
}

QTEST_MAIN(TestSessionProgress)
#include "tst_session_progress.moc"
