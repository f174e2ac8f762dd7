#include "simulatedlink.h"
#include "testzip.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

using Msg = UlvoCalc::calcMsg;
using Phase = TransferProgress::Phase;
Q_DECLARE_METATYPE(TransferProgress::Phase)

namespace {

constexpr int chunk = 64;

// Every state a link reported, with the time it arrived (reports come on the link's thread).
struct ProgressLog {
    QList<TransferProgress> states;
    QList<qint64> at;
    QElapsedTimer clock;
    // Called for each state; may request a stop.
    std::function<void(const TransferProgress &)> onState;

    void attach(CUlvoCalc *link)
    {
        clock.start();
        QObject::connect(link, &CUlvoCalc::progress, link, [this](const TransferProgress &state) {
            states.append(state);
            at.append(clock.elapsed());
            if (onState)
                onState(state);
        }, Qt::DirectConnection);
    }
};

// What every operation's reports must show: the batch's size first, counts that only grow, each
// file ending at its size, the whole ending at its total, and frame reports no closer together
// than the interval.
void checkReports(const ProgressLog &log, int fileCount, qint64 bytesTotal, int intervalMs)
{
    QVERIFY(!log.states.isEmpty());
    for (int i = 0; i < log.states.size(); ++i) {
        const TransferProgress &s = log.states.at(i);
        QCOMPARE(s.fileCount, fileCount);
        QCOMPARE(s.bytesTotal, bytesTotal);
        QVERIFY(s.fileBytesDone <= s.fileBytesTotal);
        if (i == 0)
            continue;
        const TransferProgress &before = log.states.at(i - 1);
        QVERIFY(s.bytesDone >= before.bytesDone);
        QVERIFY(s.fileIndex >= before.fileIndex);
        const bool midFile = s.fileIndex == before.fileIndex && s.fileBytesDone > before.fileBytesDone
            && s.fileBytesDone < s.fileBytesTotal;
        if (midFile)
            QVERIFY2(log.at.at(i) - log.at.at(i - 1) >= intervalMs - 5,
                     qPrintable(QString("report %1 came %2 ms after the one before").arg(i).arg(log.at.at(i) - log.at.at(i - 1))));
    }
    for (int file = 1; file <= fileCount; ++file) {
        const auto last = std::find_if(log.states.rbegin(), log.states.rend(),
                                       [file](const TransferProgress &s) { return s.fileIndex == file; });
        QVERIFY2(last != log.states.rend(), qPrintable(QString("no report for file %1").arg(file)));
        QCOMPARE(last->fileBytesDone, last->fileBytesTotal);
        QCOMPARE(last->filesDone, file);
    }
    QCOMPARE(log.states.last().bytesDone, bytesTotal);
    QVERIFY(!log.states.last().cancelled);
}

} // namespace

// Progress reports of the long operations, and stopping them at a chosen frame or file.
class TestLinkProgress : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void downloadReportsEveryFile();
    void uploadReportsEveryFile();
    void backupReportsEveryFile();
    void restoreReportsPhasesInOrder();

    void downloadStopsAtFrame_data();
    void downloadStopsAtFrame();
    void sendStopsBeforeNextFile();
    void backupStopsAndLeavesNoArchive();
    void restoreStopsWhileChecking();
    void restoreIgnoresStopAfterClearing();

private:
    // A restore on a thread of its own, so that this thread's event loop lets the device come back.
    void restoreOnThread(const QString &archive, ProgressLog *log, std::shared_ptr<CancelToken> token);
    QStringList backupsInTemp() const { return QDir(temp->path()).entryList(QDir::Files); }
    void stopAt(int fileIndex, qint64 fileBytes);

    SimulatedLink sim;
    QTemporaryDir base;
    std::unique_ptr<QTemporaryDir> temp;
    std::shared_ptr<CancelToken> token;
    ProgressLog log;
};

void TestLinkProgress::initTestCase()
{
    qRegisterMetaType<QPair<QString, int>>();
    QVERIFY(base.isValid());
    QVERIFY(sim.plug(SimulatedLink::Line::Usb));
}

void TestLinkProgress::init()
{
    temp = std::make_unique<QTemporaryDir>(base.filePath("tmp-XXXXXX"));
    QVERIFY(temp->isValid());
    qputenv("TMPDIR", QFile::encodeName(temp->path()));
    QVERIFY(sim.connect(chunk));
    // Slow enough per frame that reports are seen to be coalesced.
    sim.calc->setReplyDelay(4);
    token = std::make_shared<CancelToken>();
    sim.link->setCancelToken(token);
    log = ProgressLog();
    log.attach(sim.link.get());
}

// Requests a stop once the given file has moved that many bytes; reports come for every frame.
void TestLinkProgress::stopAt(int fileIndex, qint64 fileBytes)
{
    sim.link->setProgressIntervalMs(0);
    log.onState = [this, fileIndex, fileBytes](const TransferProgress &s) {
        if (s.fileIndex == fileIndex && s.fileBytesDone >= fileBytes)
            token->request();
    };
}

void TestLinkProgress::downloadReportsEveryFile()
{
    sim.calc->setFile("A", patternBytes(40 * chunk));
    sim.calc->setFile("B", patternBytes(100));

    const QList<QUrl> written = sim.link->genGetFilesRequest({{"A", 40 * chunk}, {"B", 100}}, temp->path());

    QCOMPARE(written.size(), 2);
    checkReports(log, 2, 40 * chunk + 100, ProgressTracker::defaultIntervalMs);
    QCOMPARE(log.states.first().fileIndex, 0);
    QCOMPARE(log.states.at(1).fileName, QString("A"));
    // 40 frames of at least 4 ms: some reports come from within the file, far fewer than frames.
    const int midFile = std::count_if(log.states.cbegin(), log.states.cend(), [](const TransferProgress &s) {
        return s.fileBytesDone > 0 && s.fileBytesDone < s.fileBytesTotal;
    });
    QVERIFY(midFile >= 1);
    QVERIFY(midFile < 40);
}

void TestLinkProgress::uploadReportsEveryFile()
{
    QFile a(temp->filePath("a.bin"));
    QVERIFY(a.open(QIODevice::WriteOnly) && a.write(patternBytes(40 * chunk)) == 40 * chunk);
    a.close();
    QFile b(temp->filePath("b.bin"));
    QVERIFY(b.open(QIODevice::WriteOnly) && b.write("bravo") == 5);
    b.close();

    sim.link->genSendFilesRequest({{a.fileName(), "a.bin"}, {b.fileName(), "b.bin"}});

    QCOMPARE(sim.calc->file("A.bin"), patternBytes(40 * chunk));
    checkReports(log, 2, 40 * chunk + 5, ProgressTracker::defaultIntervalMs);
    QCOMPARE(log.states.last().fileName, QString("B.bin"));
}

void TestLinkProgress::backupReportsEveryFile()
{
    sim.calc->setFile("A", patternBytes(30 * chunk));
    sim.calc->setFile("EMPTY", QByteArray());
    sim.calc->setFile("C", "charlie");

    const std::optional<QString> path = sim.link->createBackup();

    QVERIFY(path && !path->isEmpty());
    checkReports(log, 3, 30 * chunk + 7, ProgressTracker::defaultIntervalMs);
}

void TestLinkProgress::restoreReportsPhasesInOrder()
{
    const QString archive = temp->filePath("good.ubk");
    QVERIFY(writeZip(archive, {{"A", patternBytes(20 * chunk)}, {"C", "charlie"}}));
    ProgressLog restoreLog;

    restoreOnThread(archive, &restoreLog, token);

    QList<Phase> phases;
    for (const TransferProgress &s : restoreLog.states) {
        if (phases.isEmpty() || phases.last() != s.phase)
            phases.append(s.phase);
    }
    QCOMPARE(phases, (QList<Phase>{Phase::Checking, Phase::Clearing, Phase::Transferring,
                                   Phase::Rebooting, Phase::Waiting}));
    // From the clearing on, the archive's files and bytes are known.
    const auto clearing = std::find_if(restoreLog.states.cbegin(), restoreLog.states.cend(),
                                       [](const TransferProgress &s) { return s.phase == Phase::Clearing; });
    ProgressLog fromClearing;
    fromClearing.states = restoreLog.states.mid(int(clearing - restoreLog.states.cbegin()));
    fromClearing.at = restoreLog.at.mid(int(clearing - restoreLog.states.cbegin()));
    checkReports(fromClearing, 2, 20 * chunk + 7, ProgressTracker::defaultIntervalMs);
    QCOMPARE(sim.calc->file("A"), patternBytes(20 * chunk));
}

void TestLinkProgress::downloadStopsAtFrame_data()
{
    QTest::addColumn<int>("fileIndex");
    QTest::addColumn<int>("frame"); // from 1
    QTest::addColumn<QStringList>("kept");
    QTest::newRow("first frame of the first file") << 1 << 1 << QStringList();
    QTest::newRow("third frame of the second file") << 2 << 3 << QStringList{"A"};
    QTest::newRow("last frame but one of the second file") << 2 << 9 << QStringList{"A"};
}

void TestLinkProgress::downloadStopsAtFrame()
{
    QFETCH(int, fileIndex);
    QFETCH(int, frame);
    QFETCH(QStringList, kept);
    const QList<QPair<QString, int>> files{{"A", 5 * chunk}, {"B", 10 * chunk}, {"C", 30}};
    for (const auto &f : files)
        sim.calc->setFile(f.first, patternBytes(f.second));
    // A file of the same name from before stays as it was.
    QFile before(temp->filePath("B"));
    QVERIFY(before.open(QIODevice::WriteOnly) && before.write("old B") == 5);
    before.close();
    const QString dest = temp->path();
    stopAt(fileIndex, qint64(frame) * chunk);

    const QList<QUrl> written = sim.link->genGetFilesRequest(files, dest);

    QVERIFY(sim.link->wasCancelled());
    QVERIFY(sim.errors->isEmpty());
    QStringList names;
    for (const QUrl &url : written)
        names << QFileInfo(url.toLocalFile()).fileName();
    QCOMPARE(names, kept);
    QStringList onDisk = kept + QStringList{"B"};
    onDisk.sort();
    QCOMPARE(QDir(dest).entryList(QDir::Files, QDir::Name), onDisk);
    QFile old(temp->filePath("B"));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("old B"));
    // The link stopped acknowledging at the chosen frame, and asked for no further file.
    QCOMPARE(sim.calc->receivedCount(Msg::GET_FILE), fileIndex);
    const int acksOfEarlierFiles = fileIndex == 2 ? 5 - 1 : 0;
    QCOMPARE(sim.calc->receivedCount(Msg::SUCCESS), acksOfEarlierFiles + frame - 1);
    QCOMPARE(log.states.last().cancelled, true);
    QCOMPARE(log.states.last().filesDone, fileIndex - 1);

    // The calculator takes the next request as a new exchange.
    token->reset();
    sim.link->setProgressIntervalMs(ProgressTracker::defaultIntervalMs);
    log.onState = nullptr;
    const QList<QUrl> again = sim.link->genGetFilesRequest(files, dest);
    QCOMPARE(again.size(), 3);
    QVERIFY(sim.errors->isEmpty());
    QFile b(temp->filePath("B"));
    QVERIFY(b.open(QIODevice::ReadOnly));
    QCOMPARE(b.readAll(), patternBytes(10 * chunk));
    QCOMPARE(sim.link->getFilesInfo().size(), 3);
}

void TestLinkProgress::sendStopsBeforeNextFile()
{
    QList<QPair<QString, QString>> files;
    for (const char *name : {"a.bin", "b.bin", "c.bin"}) {
        QFile f(temp->filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(patternBytes(6 * chunk)) == 6 * chunk);
        files.append({f.fileName(), name});
    }
    QSignalSpy sent(sim.link.get(), &CUlvoCalc::fileSend);
    stopAt(2, 2 * chunk);

    sim.link->genSendFilesRequest(files);

    // The file in flight was completed; the third was never announced.
    QVERIFY(sim.link->wasCancelled());
    QCOMPARE(sent.size(), 2);
    QCOMPARE(sim.calc->receivedCount(Msg::SEND_FILE), 2);
    QCOMPARE(sim.calc->file("B.bin"), patternBytes(6 * chunk));
    QVERIFY(sim.calc->file("C.bin").isEmpty());
    QCOMPARE(log.states.last().filesDone, 2);

    token->reset();
    sim.link->genSendFilesRequest(files.mid(2));
    QCOMPARE(sim.calc->file("C.bin"), patternBytes(6 * chunk));
    QVERIFY(sim.errors->isEmpty());
}

void TestLinkProgress::backupStopsAndLeavesNoArchive()
{
    sim.calc->setFile("A", patternBytes(4 * chunk));
    sim.calc->setFile("B", patternBytes(8 * chunk));
    stopAt(2, 3 * chunk);

    QCOMPARE(sim.link->createBackup(), std::optional<QString>());

    QVERIFY(sim.link->wasCancelled());
    QVERIFY(sim.errors->isEmpty());
    QCOMPARE(backupsInTemp(), QStringList());

    token->reset();
    log.onState = nullptr;
    const std::optional<QString> path = sim.link->createBackup();
    QVERIFY(path && QFile::exists(*path));
    QVERIFY(sim.errors->isEmpty());
}

void TestLinkProgress::restoreStopsWhileChecking()
{
    const QString archive = temp->filePath("good.ubk");
    QVERIFY(writeZip(archive, {{"NEW", "new"}}));
    sim.calc->setFile("KEEP", "keep me");
    ProgressLog restoreLog;
    restoreLog.onState = [this](const TransferProgress &s) {
        if (s.phase == Phase::Checking)
            token->request();
    };

    restoreOnThread(archive, &restoreLog, token);

    QVERIFY(restoreLog.states.last().cancelled);
    QCOMPARE(sim.calc->receivedCount(Msg::CLEAR_FILESYSTEM), 0);
    QCOMPARE(sim.calc->file("KEEP"), QByteArray("keep me"));
    QVERIFY(sim.calc->file("NEW").isEmpty());
}

void TestLinkProgress::restoreIgnoresStopAfterClearing()
{
    const QString archive = temp->filePath("good.ubk");
    QVERIFY(writeZip(archive, {{"A", patternBytes(3 * chunk)}, {"B", "bravo"}}));
    ProgressLog restoreLog;
    restoreLog.onState = [this](const TransferProgress &s) {
        if (s.phase == Phase::Clearing)
            token->request();
    };

    restoreOnThread(archive, &restoreLog, token);

    QVERIFY(!restoreLog.states.last().cancelled);
    QCOMPARE(restoreLog.states.last().phase, Phase::Waiting);
    QCOMPARE(sim.calc->file("B"), QByteArray("bravo"));
    QCOMPARE(sim.calc->receivedCount(Msg::REBOOT), 1);
}

void TestLinkProgress::restoreOnThread(const QString &archive, ProgressLog *restoreLog,
                                       std::shared_ptr<CancelToken> cancel)
{
    sim.link.reset();
    QStringList errors;
    std::unique_ptr<QThread> thread(QThread::create([&] {
        CUlvoCalc link(portTo(sim.portName), testTimeouts());
        link.setCancelToken(cancel);
        QObject::connect(&link, &CUlvoCalc::errorNotify, [&](const QString &text) { errors << text; });
        restoreLog->attach(&link);
        sim.calc->clearReceived();
        link.restoreBackup(QUrl::fromLocalFile(archive));
    }));
    QSignalSpy finished(thread.get(), &QThread::finished);
    thread->start();
    QVERIFY(finished.wait(60000));
    thread->wait();
    QCOMPARE(errors, QStringList());
}

QTEST_GUILESS_MAIN(TestLinkProgress)
#include "tst_linkprogress.moc"
