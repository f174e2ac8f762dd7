// The port watcher on udev reports synthesised by umockdev, and the session tracking calculators
// with it: listed and dropped within a second of plugging and unplugging, and polling every second
// where no udev monitor can be had.
// GLib headers use "signals" as a name; they must come before Qt defines it as a keyword.
#include <umockdev.h>

#include "sessionrig.h"
#include "session/portwatcher.h"
#include "link/culvocalc.h"

#include <QSerialPort>

#include <sys/resource.h>
#include <unistd.h>

namespace {

// A bare testbed for reports about devices of any kind; freed with its devices.
class Testbed
{
public:
    Testbed() : m_testbed(umockdev_testbed_new()) {}
    ~Testbed() { g_object_unref(m_testbed); }
    Testbed(const Testbed &) = delete;
    Testbed &operator=(const Testbed &) = delete;

    // Adding a device reports it to udev monitors by itself.
    QByteArray addUsbDevice(const char *name)
    {
        return take(umockdev_testbed_add_device(m_testbed, "usb", name, nullptr, "idVendor", "1a86",
                                                nullptr, "DEVTYPE", "usb_device", nullptr));
    }
    QByteArray addTty(const char *name, const QByteArray &parent)
    {
        const QByteArray devName = QByteArray("/dev/") + name;
        return take(umockdev_testbed_add_device(m_testbed, "tty", name, parent.constData(), nullptr,
                                                "DEVNAME", devName.constData(), nullptr));
    }
    void report(const QByteArray &path, const char *action)
    {
        umockdev_testbed_uevent(m_testbed, path.constData(), action);
    }

private:
    static QByteArray take(gchar *path)
    {
        const QByteArray copy(path);
        g_free(path);
        return copy;
    }
    UMockdevTestbed *m_testbed;
};

// While it lives, this process can open no further file: a udev monitor cannot be had.
class NoFreeFiles
{
public:
    NoFreeFiles()
    {
        getrlimit(RLIMIT_NOFILE, &m_saved);
        // Every descriptor below the lowest free one is taken.
        const int lowestFree = ::dup(0);
        ::close(lowestFree);
        rlimit limit = m_saved;
        limit.rlim_cur = rlim_t(lowestFree);
        setrlimit(RLIMIT_NOFILE, &limit);
    }
    ~NoFreeFiles() { setrlimit(RLIMIT_NOFILE, &m_saved); }
    NoFreeFiles(const NoFreeFiles &) = delete;
    NoFreeFiles &operator=(const NoFreeFiles &) = delete;

private:
    rlimit m_saved {};
};

// Long enough for a report that is coming to have been told.
constexpr int quietMs = 2 * PortWatcher::coalesceMs + 200;

} // namespace

class TestPortWatcher : public QObject
{
    Q_OBJECT
private slots:
    void tellsTtyAdditionsAndRemovalsOnly();
    void burstIsToldTogether();
    void withoutMonitorTellsNothing();
    void sessionFollowsPlugsWithinOneSecond();
    void sessionDropsCalculatorGoneDuringOperation();
    void sessionPollsEverySecondWithoutMonitor();
    void sessionRetriesHeldPortUntilFree();
};

void TestPortWatcher::tellsTtyAdditionsAndRemovalsOnly()
{
    Testbed bed;
    PortWatcher watcher;
    QVERIFY(watcher.isWatching());
    QSignalSpy changed(&watcher, &PortWatcher::portsChanged);

    const QByteArray usb = bed.addUsbDevice("usb-quiet");
    bed.report(usb, "change");
    QVERIFY(!changed.wait(quietMs));

    const QByteArray tty = bed.addTty("ttyUSB7", usb);
    QVERIFY(changed.wait(1000));
    bed.report(tty, "change");
    bed.report(tty, "bind");
    QVERIFY(!changed.wait(quietMs));
    QCOMPARE(changed.count(), 1);

    bed.report(tty, "remove");
    QVERIFY(changed.wait(1000));
    bed.report(tty, "move");
    QVERIFY(changed.wait(1000));
    QCOMPARE(changed.count(), 3);
}

void TestPortWatcher::burstIsToldTogether()
{
    Testbed bed;
    PortWatcher watcher;
    QSignalSpy changed(&watcher, &PortWatcher::portsChanged);
    const QByteArray usb = bed.addUsbDevice("usb-hub");
    constexpr int devices = 8;
    // Each report is read as it comes, as devices that appear one after another are.
    for (int i = 0; i < devices; ++i) {
        bed.addTty(qPrintable(QStringLiteral("ttyUSB%1").arg(i)), usb);
        QCoreApplication::processEvents();
    }
    QTRY_VERIFY_WITH_TIMEOUT(changed.count() > 0, 1000);
    QVERIFY(!changed.wait(quietMs));
    // One enumeration per burst, not one per device.
    QVERIFY2(changed.count() < devices / 2, qPrintable(QString::number(changed.count())));
}

void TestPortWatcher::withoutMonitorTellsNothing()
{
    Testbed bed;
    std::unique_ptr<PortWatcher> watcher;
    {
        NoFreeFiles noFiles;
        watcher = std::make_unique<PortWatcher>();
    }
    QVERIFY(!watcher->isWatching());
    QSignalSpy changed(watcher.get(), &PortWatcher::portsChanged);
    bed.addTty("ttyUSB3", bed.addUsbDevice("usb-unwatched"));
    QVERIFY(!changed.wait(quietMs));
}

void TestPortWatcher::sessionFollowsPlugsWithinOneSecond()
{
    QVERIFY(PortWatcher().isWatching());
    SessionRig rig;
    SimulatedCalculator first;
    SimulatedCalculator second;
    QVERIFY(!rig.usb.plug(&first).isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(rig.calcModel.rowCount(), 1, 2500);

    QVERIFY(!rig.usb.plug(&second).isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(rig.calcModel.rowCount(), 2, 1000);
    rig.usb.unplug(&first);
    QTRY_COMPARE_WITH_TIMEOUT(rig.calcModel.rowCount(), 1, 1000);
    // Another vendor's device prompts a poll that lists nothing new.
    QVERIFY(!rig.usb.plugOther(0x1a86, 0x7523).isEmpty());
    QVERIFY(rig.usb.replug(&first));
    QTRY_COMPARE_WITH_TIMEOUT(rig.calcModel.rowCount(), 2, 1000);
}

// A restore ends with the calculator restarting off the bus; this one never comes back. Its
// removal is reported while the restore still runs, and nothing is reported after the restore
// gives up: the session must still find out that it has gone.
void TestPortWatcher::sessionDropsCalculatorGoneDuringOperation()
{
    SessionRig rig;
    rig.usb.setRebootDelay(600000);
    SimulatedCalculator calc;
    calc.setFile(QStringLiteral("A.UCB"), "A=1\n");
    rig.attach(calc);
    const QString archive = rig.backupArchive();
    QVERIFY(!archive.isEmpty());

    rig.log.clear();
    rig.session->restoreBackup(QUrl::fromLocalFile(archive));
    QVERIFY(rig.waitIdle(15000));
    QTRY_COMPARE_WITH_TIMEOUT(rig.calcModel.rowCount(), 0, 2500);
    QFile::remove(archive);
}

void TestPortWatcher::sessionPollsEverySecondWithoutMonitor()
{
    SimulatedUsb usb;
    UlvoCalcModel calcModel;
    UlvoFileModel fileModel;
    CUlvoCalcSession session;
    {
        NoFreeFiles noFiles;
        session.initialize(&calcModel, &fileModel);
    }
    SimulatedCalculator first;
    SimulatedCalculator second;
    QVERIFY(!usb.plug(&first).isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(calcModel.rowCount(), 1, 2500);
    // Nothing reports these: only polls that go on every second find them.
    QVERIFY(!usb.plug(&second).isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(calcModel.rowCount(), 2, 2500);
    usb.unplug(&first);
    QTRY_COMPARE_WITH_TIMEOUT(calcModel.rowCount(), 1, 2500);
}

// A port held by another program is listed but cannot be opened; freeing it makes no udev report,
// so only the timer can bring the poll that finally names the calculator.
void TestPortWatcher::sessionRetriesHeldPortUntilFree()
{
    QVERIFY(PortWatcher().isWatching());
    SessionRig rig;
    SimulatedCalculator::Options options;
    options.name = QStringLiteral("HELD");
    SimulatedCalculator calc(options);
    calc.setFile(QStringLiteral("ONE.TXT"), "1");
    QSignalSpy contacted(rig.session.get(), &CUlvoCalcSession::calcContacted);
    const QString portName = rig.usb.plug(&calc);
    QVERIFY(!portName.isEmpty());
    const QList<QSerialPortInfo> ports = CUlvoCalc::findCalcs();
    QCOMPARE(ports.size(), 1);
    QSerialPort other(ports.first());
    QVERIFY(other.open(QIODevice::ReadWrite));
    QTRY_VERIFY_WITH_TIMEOUT(!rig.session->getError().isEmpty(), 5000);
    // Past the poll that listed it and the one the start-up timer brings, it is still tried.
    QTRY_VERIFY_WITH_TIMEOUT(contacted.count() >= 3, 5000);
    QCOMPARE(rig.calcModel.getName(), portName);

    other.close();
    QTRY_COMPARE_WITH_TIMEOUT(rig.calcModel.getName(), QStringLiteral("HELD"), 5000);
    QCOMPARE(rig.fileNames(), QStringList {"ONE.TXT"});
}

QTEST_MAIN(TestPortWatcher)
#include "tst_portwatcher.moc"
