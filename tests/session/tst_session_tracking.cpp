// The session as the windows drive it: calculators appearing and going, the busy state, operations
// of one calculator refused while one runs, two calculators at once, unplugs and exit mid-operation.
#include "localfiles.h"
#include "portopenfailures.h"
#include "replacingtranslator.h"
#include "sessionrig.h"

#include "link/culvocalc.h"

#include <QElapsedTimer>
#include <QSerialPort>

#include <cstring>
#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

using UlvoCalc::calcMsg;

namespace {

const QString busyText = QStringLiteral("Calculator is busy: wait until the current operation ends");

QByteArray pattern(int size)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char('A' + i % 26);
    return bytes;
}

SimulatedCalculator::Options named(const QString &name)
{
    SimulatedCalculator::Options options;
    options.name = name;
    return options;
}

// Makes this thread, and the threads it starts meanwhile, subject to file permissions even as
// root, so that a port the test makes unreadable cannot be opened.
class FilePermissionsEnforced
{
public:
    FilePermissionsEnforced()
    {
        if (syscall(SYS_capget, &header, saved) != 0)
            return;
        __user_cap_data_struct reduced[2];
        std::memcpy(reduced, saved, sizeof reduced);
        reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        active = syscall(SYS_capset, &header, reduced) == 0;
    }
    ~FilePermissionsEnforced()
    {
        if (active)
            syscall(SYS_capset, &header, saved);
    }
    FilePermissionsEnforced(const FilePermissionsEnforced &) = delete;
    FilePermissionsEnforced &operator=(const FilePermissionsEnforced &) = delete;

private:
    __user_cap_header_struct header {_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved[2] {};
    bool active = false;
};

// One poll that contacts a listed calculator again, and the end of that contact.
bool pollRetries(SessionRig &rig)
{
    QSignalSpy contacted(rig.session.get(), &CUlvoCalcSession::calcContacted);
    rig.session->update();
    return contacted.wait(5000);
}

} // namespace

class TestSessionTracking : public QObject
{
    Q_OBJECT
private slots:
    void firstCalculatorIsListedBySelf();
    void secondCalculatorKeepsSelection();
    void unplugFollowsModelSelection();
    void replugWithinOnePollKeepsListing();
    void silentCalculatorIsListed();
    void silentCalculatorLeavesWindowResponsive();
    void unopenablePortIsReportedOnce_data();
    void unopenablePortIsReportedOnce();
    void busyCalculatorRefusesSecondOperation();
    void refusedRequestsLeaveRunningInputs_data();
    void refusedRequestsLeaveRunningInputs();
    void unplugDuringOperationEndsWithError_data();
    void unplugDuringOperationEndsWithError();
    void otherCalculatorsErrorStaysOutOfEndText_data();
    void otherCalculatorsErrorStaysOutOfEndText();
    void twoCalculatorsRunAtOnce();
    void renameEndsOnTheRenamedRow();
    void exitDuringOperationWaitsForIt();
};

void TestSessionTracking::firstCalculatorIsListedBySelf()
{
    SessionRig rig;
    QCOMPARE(rig.session->getCurrentIndex(), -1);
    QCOMPARE(rig.calcModel.rowCount(), 0);
    QCOMPARE(rig.fileModel.rowCount(), 0);
    rig.poll();
    QCOMPARE(rig.calcModel.rowCount(), 0);
    QCOMPARE(rig.session->getCurrentIndex(), -1);

    rig.session->onStatusChange(QStringLiteral("old text"));
    QStringList order;
    QObject::connect(rig.session.get(), &CUlvoCalcSession::indexChanged, [&](int from, int to) {
        order << QStringLiteral("indexChanged(%1,%2)").arg(from).arg(to);
    });
    QObject::connect(rig.session.get(), &CUlvoCalcSession::connectNewCalc, [&] { order << "connectNewCalc"; });
    QSignalSpy contacted(rig.session.get(), &CUlvoCalcSession::calcContacted);
    SimulatedCalculator calc(named(QStringLiteral("FIRST")));
    calc.setFile(QStringLiteral("A.UCB"), "abc");
    calc.setFile(QStringLiteral("B.TXT"), "hello");
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!rig.usb.plug(&calc).isEmpty());
    // Only the poll timer lists it.
    QTRY_COMPARE_WITH_TIMEOUT(order.size(), 2, 2500);
    QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(order, (QStringList {"indexChanged(-1,0)", "connectNewCalc"}));
    QCOMPARE(rig.session->getCurrentIndex(), 0);
    QCOMPARE(rig.calcModel.rowCount(), 1);
    // Its name and files follow once the first contact has ended.
    QTRY_COMPARE(contacted.count(), 1);
    QCOMPARE(rig.calcModel.getName(), QStringLiteral("FIRST"));
    QCOMPARE(rig.fileNames(), (QStringList {"A.UCB", "B.TXT"}));
    QCOMPARE(rig.session->getStatusLineText(), QString());
}

void TestSessionTracking::secondCalculatorKeepsSelection()
{
    SessionRig rig;
    SimulatedCalculator first(named(QStringLiteral("FIRST")));
    first.setFile(QStringLiteral("ONE.TXT"), "1");
    SimulatedCalculator second(named(QStringLiteral("SECOND")));
    second.setFile(QStringLiteral("TWO.TXT"), "2");
    rig.attach(first);
    rig.session->onStatusChange(QStringLiteral("old text"));
    QSignalSpy indexChanged(rig.session.get(), &CUlvoCalcSession::indexChanged);
    QSignalSpy connected(rig.session.get(), &CUlvoCalcSession::connectNewCalc);
    rig.attach(second);
    QCOMPARE(connected.count(), 1);
    QCOMPARE(indexChanged.count(), 1);
    QCOMPARE(indexChanged.first(), (QVariantList {0, 0}));
    QCOMPARE(rig.calcModel.rowCount(), 2);
    QCOMPARE(rig.session->getCurrentIndex(), 0);
    QCOMPARE(rig.calcModel.getName(), QStringLiteral("FIRST"));
    QCOMPARE(rig.fileNames(), QStringList {"ONE.TXT"});
    QCOMPARE(rig.session->getStatusLineText(), QString());

    // The windows select a row through the model; the cached list shows without an exchange.
    second.clearReceived();
    rig.calcModel.setCurrentIndex(1);
    QCOMPARE(rig.session->getCurrentIndex(), 1);
    QCOMPARE(rig.fileNames(), QStringList {"TWO.TXT"});
    QCOMPARE(second.received().size(), 0);
}

void TestSessionTracking::unplugFollowsModelSelection()
{
    SessionRig rig;
    SimulatedCalculator first(named(QStringLiteral("FIRST")));
    first.setFile(QStringLiteral("ONE.TXT"), "1");
    SimulatedCalculator second(named(QStringLiteral("SECOND")));
    second.setFile(QStringLiteral("TWO.TXT"), "2");
    rig.attach(first);
    rig.attach(second);

    rig.usb.unplug(&first);
    rig.poll();
    QCOMPARE(rig.calcModel.rowCount(), 1);
    QCOMPARE(rig.session->getCurrentIndex(), 0);
    QCOMPARE(rig.calcModel.getName(), QStringLiteral("SECOND"));
    QCOMPARE(rig.fileNames(), QStringList {"TWO.TXT"});

    rig.usb.unplug(&second);
    rig.poll();
    QCOMPARE(rig.calcModel.rowCount(), 0);
    QCOMPARE(rig.fileModel.rowCount(), 0);
    // Nothing is selected any more whatever the index says: operations find no calculator.
    rig.session->setError(QStringLiteral("pending"));
    rig.session->changeCalcName(QStringLiteral("X"));
    QCOMPARE(rig.session->getError(), QString());
    QCOMPARE(rig.session->getIsBusy(), false);
    QCOMPARE(rig.session->downloadFiles(), QList<QUrl>());
}

void TestSessionTracking::replugWithinOnePollKeepsListing()
{
    SessionRig rig;
    SimulatedCalculator calc(named(QStringLiteral("FIRST")));
    calc.setFile(QStringLiteral("ONE.TXT"), "1");
    rig.attach(calc);
    QSignalSpy indexChanged(rig.session.get(), &CUlvoCalcSession::indexChanged);
    QSignalSpy connected(rig.session.get(), &CUlvoCalcSession::connectNewCalc);

    rig.usb.unplug(&calc);
    calc.setName(QStringLiteral("RENAMED"));
    calc.setFile(QStringLiteral("NEW.TXT"), "2");
    QVERIFY(rig.usb.replug(&calc));
    rig.poll();
    QCOMPARE(rig.calcModel.rowCount(), 1);
    QCOMPARE(rig.calcModel.getName(), QStringLiteral("FIRST"));
    QCOMPARE(rig.fileNames(), QStringList {"ONE.TXT"});
    QCOMPARE(indexChanged.count(), 0);
    QCOMPARE(connected.count(), 0);
}

void TestSessionTracking::silentCalculatorIsListed()
{
    SessionRig rig;
    // A device with the calculator's identifiers that never answers.
    const QString port = rig.usb.plugOther(SimulatedUsb::calcVendorId, SimulatedUsb::calcProductId);
    QVERIFY(!port.isEmpty());
    QSignalSpy contacted(rig.session.get(), &CUlvoCalcSession::calcContacted);
    rig.session->update();
    // Listed at once under its port name while the contact runs ...
    QCOMPARE(rig.calcModel.rowCount(), 1);
    QCOMPARE(rig.session->getCurrentIndex(), 0);
    QCOMPARE(rig.calcModel.getName(), port + " (connecting...)");
    // ... which is one bounded wait for the device information, not a second one for the listing.
    QElapsedTimer clock;
    clock.start();
    QVERIFY(contacted.wait(15000));
    QVERIFY2(clock.elapsed() < 15000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(rig.calcModel.getName(), port);
    QCOMPARE(rig.fileModel.rowCount(), 0);
    QCOMPARE(rig.session->getError(), QString());
    QCOMPARE(rig.session->getStatusLineText(), QString());
}

void TestSessionTracking::silentCalculatorLeavesWindowResponsive()
{
    SessionRig rig;
    SimulatedCalculator first(named(QStringLiteral("FIRST")));
    first.setFile(QStringLiteral("ONE.BIN"), pattern(4096));
    rig.attach(first);
    first.setReplyDelay(20);

    // The main thread's longest pause, as a repaint timer would see it.
    QElapsedTimer sinceTick;
    qint64 longestPause = 0;
    QTimer frame;
    QObject::connect(&frame, &QTimer::timeout, [&] {
        longestPause = std::max(longestPause, sinceTick.restart());
    });
    sinceTick.start();
    frame.start(20);

    const QString silent = rig.usb.plugOther(SimulatedUsb::calcVendorId, SimulatedUsb::calcProductId);
    QVERIFY(!silent.isEmpty());
    QSignalSpy contacted(rig.session.get(), &CUlvoCalcSession::calcContacted);
    rig.session->update();
    QCOMPARE(rig.calcModel.rowCount(), 2);
    QCOMPARE(rig.session->getCurrentIndex(), 0);

    // The selected calculator downloads while the other one is still being waited for.
    QTemporaryDir dir;
    selectFiles(rig, {"ONE.BIN"});
    rig.session->fromCalcUrls(false, QUrl::fromLocalFile(dir.path()));
    rig.log.clear();
    QCOMPARE(rig.session->downloadFiles().size(), 1);
    QVERIFY(rig.waitIdle());
    QCOMPARE(contacted.count(), 0);
    QCOMPARE(rig.session->getStatusLineText(),
             QStringLiteral("Files successfully download on path: ") + dir.path() + "/");
    QFile one(dir.filePath("ONE.BIN"));
    QVERIFY(one.open(QIODevice::ReadOnly));
    QCOMPARE(one.readAll(), pattern(4096));

    QVERIFY(contacted.wait(15000));
    QVERIFY2(longestPause < 1000, qPrintable(QString::number(longestPause)));
}

void TestSessionTracking::unopenablePortIsReportedOnce_data()
{
    addPortOpenFailureRows();
}

// A port that exists but cannot be opened is said in words once per plug-in, on the status line
// and in the error box; the calculator is listed, and gets its name once the port can be opened.
void TestSessionTracking::unopenablePortIsReportedOnce()
{
    QFETCH(bool, heldElsewhere);
    QFETCH(QString, remedy);
    SessionRig rig;
    SimulatedCalculator calc(named(QStringLiteral("LOCKED")));
    calc.setFile(QStringLiteral("ONE.TXT"), "1");
    const QString portName = rig.usb.plug(&calc);
    QVERIFY(!portName.isEmpty());
    const QList<QSerialPortInfo> ports = CUlvoCalc::findCalcs();
    QCOMPARE(ports.size(), 1);
    const QString device = ports.first().systemLocation();

    QSerialPort other(ports.first());
    std::unique_ptr<FilePermissionsEnforced> enforced;
    const QByteArray line = calc.slavePath().toLocal8Bit();
    struct stat before {};
    QCOMPARE(::stat(line.constData(), &before), 0);
    if (heldElsewhere) {
        QVERIFY(other.open(QIODevice::ReadWrite));
    } else {
        QCOMPARE(::chmod(line.constData(), 0), 0);
        enforced = std::make_unique<FilePermissionsEnforced>();
    }

    QSignalSpy errors(rig.session.get(), &CUlvoCalcSession::errorChange);
    const QString expected = QStringLiteral("Cannot open the calculator's port ") + device + remedy;
    // Listed by the first poll; every later poll tries the port again.
    rig.poll();
    for (int retry = 0; retry < 2; ++retry)
        QVERIFY(pollRetries(rig));
    QCOMPARE(rig.calcModel.rowCount(), 1);
    QCOMPARE(rig.calcModel.getName(), portName);
    QCOMPARE(rig.fileModel.rowCount(), 0);
    QCOMPARE(rig.session->getError(), expected);
    QCOMPARE(errors.count(), 1);
    QCOMPARE(rig.session->getStatusLineText(), QStringLiteral("Error: ") + expected);
    QCOMPARE(rig.log.count(QStringLiteral("status:Error: ") + expected), 1);

    // Once the port is free the next poll names the calculator, without another word.
    enforced.reset();
    other.close();
    QCOMPARE(::chmod(line.constData(), before.st_mode & 07777), 0);
    QVERIFY(pollRetries(rig));
    QCOMPARE(rig.calcModel.getName(), QStringLiteral("LOCKED"));
    QCOMPARE(rig.fileNames(), QStringList {"ONE.TXT"});
    QCOMPARE(errors.count(), 1);
}

void TestSessionTracking::busyCalculatorRefusesSecondOperation()
{
    SessionRig rig;
    SimulatedCalculator calc;
    calc.setFile(QStringLiteral("A.UCB"), pattern(2048));
    calc.setFile(QStringLiteral("B.TXT"), "keep me");
    rig.attach(calc);
    calc.setReplyDelay(100);
    QTemporaryDir dir;
    QSignalSpy opened(rig.session.get(), &CUlvoCalcSession::openEditFromCalc);
    QSignalSpy backup(rig.session.get(), &CUlvoCalcSession::backupLoaded);

    selectFiles(rig, {"A.UCB"});
    rig.session->fromCalcUrls(false, QUrl::fromLocalFile(dir.path()));
    rig.log.clear();
    QCOMPARE(rig.session->downloadFiles().size(), 1);

    // Every request for the same calculator is refused with a text while the download runs;
    // a refused threaded request still clears a pending error.
    rig.session->setError(QStringLiteral("pending"));
    selectFiles(rig, {"B.TXT"});
    rig.session->fromCalcUrls(false, QUrl::fromLocalFile(dir.path()));
    QCOMPARE(rig.session->downloadFiles(), QList<QUrl>());
    QCOMPARE(rig.session->getError(), QString());
    QCOMPARE(rig.session->getStatusLineText(), busyText);
    // The delete shortcut stays active while busy; its refused selection must not ride along
    // with the next delete.
    selectFiles(rig, {"A.UCB"});
    rig.session->deleteSelectedFiles();
    QCOMPARE(rig.session->getStatusLineText(), busyText);
    rig.session->createBackup();
    rig.session->changeCalcName(QStringLiteral("OTHER"));
    rig.session->downloadForEdit(0);
    rig.session->sendFileFromEdit(QStringLiteral("P.UCB"), QStringLiteral("text"));
    QCOMPARE(rig.session->getStatusLineText(), busyText);

    QVERIFY(rig.waitIdle());
    QCOMPARE(rig.session->getStatusLineText(),
             QStringLiteral("Files successfully download on path: ") + dir.path() + "/");
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList {"A.UCB"});
    QFile a(dir.filePath("A.UCB"));
    QVERIFY(a.open(QIODevice::ReadOnly));
    QCOMPARE(a.readAll(), pattern(2048));
    QCOMPARE(opened.count(), 0);
    QCOMPARE(backup.count(), 0);
    QCOMPARE(calc.receivedCount(calcMsg::DELETE_FILE), 0);
    QCOMPARE(calc.receivedCount(calcMsg::CHANGE_NAME), 0);
    QCOMPARE(calc.receivedCount(calcMsg::SEND_FILE), 0);
    QCOMPARE(rig.calcModel.getName(), QStringLiteral("ULVO"));

    // Once idle the calculator takes the next request.
    calc.setReplyDelay(0);
    rig.log.clear();
    selectFiles(rig, {"B.TXT"});
    rig.session->deleteSelectedFiles();
    QVERIFY(rig.waitIdle());
    QCOMPARE(rig.session->getStatusLineText(), withNewestCopy(QStringLiteral("Files successfully deleted")));
    QCOMPARE(rig.fileNames(), QStringList {"A.UCB"});
    QCOMPARE(calc.receivedCount(calcMsg::DELETE_FILE), 1);
}

// The operation that runs while every other request is refused.
enum class Running { Send, Download, Delete, Rename, Backup, Restore, EditorOpen, EditorSend };
Q_DECLARE_METATYPE(Running)

void TestSessionTracking::refusedRequestsLeaveRunningInputs_data()
{
    QTest::addColumn<Running>("running");
    QTest::newRow("send") << Running::Send;
    QTest::newRow("download") << Running::Download;
    QTest::newRow("delete") << Running::Delete;
    QTest::newRow("rename") << Running::Rename;
    QTest::newRow("backup") << Running::Backup;
    QTest::newRow("restore") << Running::Restore;
    QTest::newRow("editor open") << Running::EditorOpen;
    QTest::newRow("editor send") << Running::EditorSend;
}

// A request refused while an operation runs must not change what that operation reads, before or
// after its exchange (its end text included).
void TestSessionTracking::refusedRequestsLeaveRunningInputs()
{
    QFETCH(Running, running);
    SessionRig rig;
    SimulatedCalculator calc;
    calc.setFile(QStringLiteral("A.UCB"), pattern(1024));
    calc.setFile(QStringLiteral("B.TXT"), "keep me");
    rig.attach(calc);
    QTemporaryDir dir;
    const QString folderX = dir.filePath("x");
    const QString folderY = dir.filePath("y");
    QVERIFY(QDir().mkpath(folderX) && QDir().mkpath(folderY));
    const QUrl sendX = writeFile(dir.filePath("SENDX.TXT"), "x");
    const QUrl sendY = writeFile(dir.filePath("SENDY.TXT"), "y");
    QSignalSpy backups(rig.session.get(), &CUlvoCalcSession::backupLoaded);
    QSignalSpy opened(rig.session.get(), &CUlvoCalcSession::openEditFromCalc);
    QSignalSpy editorSent(rig.session.get(), &CUlvoCalcSession::fileFromEditSent);
    QUrl archiveX;
    if (running == Running::Restore) {
        rig.log.clear();
        rig.session->createBackup();
        QVERIFY(rig.waitIdle());
        archiveX = QUrl::fromLocalFile(backups.takeFirst().first().toString());
        calc.clearFiles();
        calc.setFile(QStringLiteral("B.TXT"), "keep me");
    }
    calc.setReplyDelay(100);
    calc.clearReceived();
    rig.log.clear();

    switch (running) {
    case Running::Send:
        rig.session->toCalcUrls({sendX});
        rig.session->sendFiles();
        break;
    case Running::Download:
        selectFiles(rig, {"A.UCB"});
        rig.session->fromCalcUrls(false, QUrl::fromLocalFile(folderX));
        QCOMPARE(rig.session->downloadFiles().size(), 1);
        break;
    case Running::Delete:
        selectFiles(rig, {"A.UCB"});
        rig.session->deleteSelectedFiles();
        break;
    case Running::Rename:
        rig.session->changeCalcName(QStringLiteral("NAMEX"));
        break;
    case Running::Backup:
        rig.session->createBackup();
        break;
    case Running::Restore:
        rig.session->restoreBackup(archiveX);
        break;
    case Running::EditorOpen:
        QVERIFY(rig.session->downloadForEdit(0));
        break;
    case Running::EditorSend:
        QVERIFY(rig.session->sendFileFromEdit(QStringLiteral("PRGX.ucb"), QStringLiteral("X=1")));
        break;
    }

    // Every request, each with other inputs, while the operation runs.
    rig.session->toCalcUrls({sendY});
    rig.session->sendFiles();
    selectFiles(rig, {"B.TXT"});
    rig.session->fromCalcUrls(false, QUrl::fromLocalFile(folderY));
    QCOMPARE(rig.session->downloadFiles(), QList<QUrl>());
    selectFiles(rig, {"B.TXT"});
    rig.session->deleteSelectedFiles();
    rig.session->changeCalcName(QStringLiteral("NAMEY"));
    rig.session->createBackup();
    rig.session->restoreBackup(QUrl::fromLocalFile(dir.filePath("missing.ubk")));
    QVERIFY(!rig.session->downloadForEdit(0));
    QVERIFY(!rig.session->sendFileFromEdit(QStringLiteral("PRGY.ucb"), QStringLiteral("Y=1")));
    QCOMPARE(rig.session->getStatusLineText(), busyText);

    QVERIFY(rig.waitIdle(20000));
    QCOMPARE(rig.session->getError(), QString());
    // Nothing of the refused requests reached the calculator or the computer.
    QCOMPARE(QDir(folderY).entryList(QDir::Files), QStringList());
    QVERIFY(calc.file(QStringLiteral("SENDY.TXT")).isEmpty());
    QVERIFY(calc.file(QStringLiteral("PRGY.ucb")).isEmpty());
    QCOMPARE(calc.file(QStringLiteral("B.TXT")), QByteArray("keep me"));
    QVERIFY(calc.name() != QStringLiteral("NAMEY"));

    switch (running) {
    case Running::Send:
        QCOMPARE(rig.session->getStatusLineText(), QStringLiteral("Files successful sent to calculator"));
        QCOMPARE(calc.file(QStringLiteral("SENDX.TXT")), QByteArray("x"));
        break;
    case Running::Download:
        QCOMPARE(rig.session->getStatusLineText(),
                 QStringLiteral("Files successfully download on path: ") + folderX + "/");
        QCOMPARE(readFile(folderX + "/A.UCB"), pattern(1024));
        break;
    case Running::Delete:
        QCOMPARE(rig.session->getStatusLineText(), withNewestCopy(QStringLiteral("Files successfully deleted")));
        QCOMPARE(rig.fileNames(), QStringList {"B.TXT"});
        break;
    case Running::Rename:
        QCOMPARE(rig.session->getStatusLineText(), QStringLiteral("Calculator name successfully changed"));
        QCOMPARE(calc.name(), QStringLiteral("NAMEX"));
        QCOMPARE(rig.calcModel.getName(), QStringLiteral("NAMEX"));
        break;
    case Running::Backup:
        QCOMPARE(backups.count(), 1);
        QFile::remove(backups.first().first().toString());
        break;
    case Running::Restore:
        QCOMPARE(rig.session->getStatusLineText(), withNewestCopy(QStringLiteral("Backup successfully sent to calculator")));
        QCOMPARE(calc.file(QStringLiteral("A.UCB")), pattern(1024));
        QFile::remove(archiveX.toLocalFile());
        break;
    case Running::EditorOpen:
        QCOMPARE(opened.count(), 1);
        QCOMPARE(opened.first(), (QVariantList {"A.UCB", QString::fromLatin1(pattern(1024))}));
        break;
    case Running::EditorSend:
        QCOMPARE(editorSent.count(), 1);
        QCOMPARE(editorSent.first(), (QVariantList {"PRGX.ucb", true}));
        QCOMPARE(rig.session->getStatusLineText(), QStringLiteral("File 'PRGX.ucb' successfully sent"));
        QCOMPARE(calc.file(QStringLiteral("PRGX.ucb")), QByteArray("X=1\n"));
        break;
    }
}

void TestSessionTracking::unplugDuringOperationEndsWithError_data()
{
    QTest::addColumn<QString>("errorFormat");
    QTest::newRow("English") << QStringLiteral("Error: %1");
    // An error on the status line is known as one by how it was set, not by its first word.
    QTest::newRow("translated") << QStringLiteral("Fehler: %1");
}

void TestSessionTracking::unplugDuringOperationEndsWithError()
{
    QFETCH(QString, errorFormat);
    const ReplacingTranslator words({{QStringLiteral("Error: %1"), errorFormat}});
    SessionRig rig;
    SimulatedCalculator calc;
    calc.setFile(QStringLiteral("BIG.BIN"), pattern(8192));
    rig.attach(calc);
    calc.setReplyDelay(100);
    QTemporaryDir dir;
    selectFiles(rig, {"BIG.BIN"});
    rig.session->fromCalcUrls(false, QUrl::fromLocalFile(dir.path()));
    rig.log.clear();
    rig.session->downloadFiles();
    QTRY_VERIFY(calc.receivedCount(calcMsg::GET_FILE) == 1);

    rig.usb.unplug(&calc);
    // Listed while its operation runs (a restore's reboot looks the same for a moment) ...
    rig.poll();
    QCOMPARE(rig.calcModel.rowCount(), 1);
    QVERIFY(rig.waitIdle());
    QVERIFY(!rig.session->getError().isEmpty());
    QCOMPARE(rig.session->getStatusLineText(), errorFormat.arg(rig.session->getError()));
    QVERIFY(!QFile::exists(dir.filePath("BIG.BIN")));
    // ... and dropped by the next poll once it has ended; the error stays on the status line.
    const QString errorStatus = rig.session->getStatusLineText();
    rig.poll();
    QCOMPARE(rig.calcModel.rowCount(), 0);
    QCOMPARE(rig.session->getStatusLineText(), errorStatus);

    // The calculator comes back as a new one and works; the next operation replaces the error.
    calc.setReplyDelay(0);
    QVERIFY(rig.usb.replug(&calc));
    rig.poll();
    QCOMPARE(rig.calcModel.rowCount(), 1);
    QCOMPARE(rig.fileNames(), QStringList {"BIG.BIN"});
    QCOMPARE(rig.session->getStatusLineText(), errorStatus);
    rig.log.clear();
    rig.session->changeCalcName(QStringLiteral("BACK"));
    QVERIFY(rig.waitIdle());
    QCOMPARE(rig.session->getStatusLineText(), QStringLiteral("Calculator name successfully changed"));
}

enum class RunningKind { Download, EditorSend };
Q_DECLARE_METATYPE(RunningKind)

void TestSessionTracking::otherCalculatorsErrorStaysOutOfEndText_data()
{
    QTest::addColumn<RunningKind>("kind");
    QTest::newRow("download") << RunningKind::Download;
    QTest::newRow("editor send") << RunningKind::EditorSend;
}

// A calculator whose port cannot be opened is plugged in while another one's operation runs: the
// window is told of the failure, and the running operation still ends with its own success text.
void TestSessionTracking::otherCalculatorsErrorStaysOutOfEndText()
{
    QFETCH(RunningKind, kind);
    SessionRig rig;
    SimulatedCalculator working(named(QStringLiteral("WORKING")));
    working.setFile(QStringLiteral("BIG.BIN"), pattern(8192));
    rig.attach(working);
    working.setReplyDelay(100);
    QTemporaryDir dir;
    QSignalSpy editorSent(rig.session.get(), &CUlvoCalcSession::fileFromEditSent);
    rig.log.clear();
    QString success;
    if (kind == RunningKind::Download) {
        selectFiles(rig, {"BIG.BIN"});
        rig.session->fromCalcUrls(false, QUrl::fromLocalFile(dir.path()));
        rig.session->downloadFiles();
        success = QStringLiteral("Files successfully download on path: ") + dir.path() + "/";
    } else {
        QVERIFY(rig.session->sendFileFromEdit(QStringLiteral("PRG1.ucb"), QString(3000, 'A')));
        success = QStringLiteral("File 'PRG1.ucb' successfully sent");
    }
    QTRY_VERIFY(rig.session->getIsBusy());

    SimulatedCalculator locked(named(QStringLiteral("LOCKED")));
    const QString lockedName = rig.usb.plug(&locked);
    const QList<QSerialPortInfo> ports = CUlvoCalc::findCalcs();
    const auto lockedPort = std::find_if(ports.begin(), ports.end(), [&](const QSerialPortInfo &port) {
        return port.portName() == lockedName;
    });
    QVERIFY(lockedPort != ports.end());
    QSerialPort other(*lockedPort);
    QVERIFY(other.open(QIODevice::ReadWrite));
    rig.poll();
    QVERIFY2(rig.session->getIsBusy(), "the failure must arrive while the operation runs");
    const QString failure = rig.session->getError();
    QVERIFY(failure.startsWith(QStringLiteral("Cannot open the calculator's port ")));

    QVERIFY(rig.waitIdle(20000));
    QCOMPARE(rig.session->getStatusLineText(), success);
    // The window's last error is still the other calculator's; each row keeps its own outcome.
    QCOMPARE(rig.session->getError(), failure);
    QCOMPARE(rig.session->calcState(0).result, CalcState::Result::Succeeded);
    QCOMPARE(rig.session->calcState(0).text, success);
    QCOMPARE(rig.session->calcState(1).result, CalcState::Result::None);
    if (kind == RunningKind::EditorSend) {
        QCOMPARE(editorSent.count(), 1);
        QCOMPARE(editorSent.first().at(1).toBool(), true);
        QCOMPARE(working.file(QStringLiteral("PRG1.ucb")), QByteArray(3000, 'A') + "\n");
    } else {
        QFile big(dir.filePath("BIG.BIN"));
        QVERIFY(big.open(QIODevice::ReadOnly));
        QCOMPARE(big.readAll(), pattern(8192));
    }
}

void TestSessionTracking::twoCalculatorsRunAtOnce()
{
    SessionRig rig;
    SimulatedCalculator first(named(QStringLiteral("FIRST")));
    first.setFile(QStringLiteral("ONE.BIN"), pattern(2048));
    first.setFile(QStringLiteral("GONE.TXT"), "x");
    SimulatedCalculator second(named(QStringLiteral("SECOND")));
    second.setFile(QStringLiteral("TWO.BIN"), pattern(3000));
    rig.attach(first);
    rig.attach(second);
    first.setReplyDelay(100);
    second.setReplyDelay(100);
    QTemporaryDir dir;

    // The first calculator deletes (its file list is rewritten at the end) while the second
    // downloads; switching the selection meanwhile reads both cached lists.
    rig.log.clear();
    selectFiles(rig, {"GONE.TXT"});
    rig.session->deleteSelectedFiles();
    rig.calcModel.setCurrentIndex(1);
    selectFiles(rig, {"TWO.BIN"});
    rig.session->fromCalcUrls(false, QUrl::fromLocalFile(dir.path()));
    QCOMPARE(rig.session->downloadFiles().size(), 1);
    rig.calcModel.setCurrentIndex(0);
    rig.calcModel.setCurrentIndex(1);
    rig.calcModel.setCurrentIndex(0);
    rig.log.removeAll("status:");

    QVERIFY(rig.waitIdle());
    // Busy from the first start to the last end, with both end texts in between.
    QCOMPARE(rig.log.count("idle"), 1);
    QCOMPARE(rig.log.last(), QStringLiteral("idle"));
    QCOMPARE(rig.log.filter("status:").size(), 2);
    QVERIFY(rig.log.contains("status:" + withNewestCopy("Files successfully deleted")));
    QVERIFY(rig.log.contains("status:Files successfully download on path: " + dir.path() + "/"));
    QCOMPARE(rig.fileNames(), QStringList {"ONE.BIN"});
    QFile two(dir.filePath("TWO.BIN"));
    QVERIFY(two.open(QIODevice::ReadOnly));
    QCOMPARE(two.readAll(), pattern(3000));
}

// The selection moves to another calculator while the rename runs: the renamed one's row changes.
void TestSessionTracking::renameEndsOnTheRenamedRow()
{
    SessionRig rig;
    SimulatedCalculator first(named(QStringLiteral("FIRST")));
    SimulatedCalculator second(named(QStringLiteral("SECOND")));
    rig.attach(first);
    rig.attach(second);
    first.setReplyDelay(100);
    rig.log.clear();

    rig.session->changeCalcName(QStringLiteral("RENAMED"));
    rig.calcModel.setCurrentIndex(1);
    QVERIFY(rig.waitIdle());

    QCOMPARE(first.name(), QStringLiteral("RENAMED"));
    QCOMPARE(rig.calcModel.data(rig.calcModel.index(0)).toString(), QStringLiteral("RENAMED"));
    QCOMPARE(rig.calcModel.data(rig.calcModel.index(1)).toString(), QStringLiteral("SECOND"));
    QCOMPARE(rig.calcModel.getName(), QStringLiteral("SECOND"));
}

void TestSessionTracking::exitDuringOperationWaitsForIt()
{
    SessionRig rig;
    SimulatedCalculator calc;
    calc.setFile(QStringLiteral("ONE.BIN"), pattern(2048));
    rig.attach(calc);
    calc.setReplyDelay(100);
    QTemporaryDir dir;
    selectFiles(rig, {"ONE.BIN"});
    rig.session->fromCalcUrls(false, QUrl::fromLocalFile(dir.path()));
    rig.session->downloadFiles();
    QElapsedTimer clock;
    clock.start();
    rig.session.reset();
    QVERIFY(clock.elapsed() < CUlvoCalcSession::exitWaitMs + 1000);
    // The operation ran to its end before the session went.
    QFile one(dir.filePath("ONE.BIN"));
    QVERIFY(one.open(QIODevice::ReadOnly));
    QCOMPARE(one.readAll(), pattern(2048));
}

QTEST_MAIN(TestSessionTracking)
#include "tst_session_tracking.moc"
