// Finding calculators among the serial ports, and a link made the way the worker makes it: from
// a discovered port, on the (simulated) USB bus.
#include "link/culvocalc.h"
#include "tools/simulator/simulatedcalculator.h"
#include "tools/simulator/simulatedusb.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

class TestLinkDiscovery : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void findsCalculatorsOnly();
    void linkFromDiscoveredPort();
    void unpluggedCalculator();

private:
    std::unique_ptr<SimulatedUsb> usb;
    // The bus keeps unplugged calculators known by address, so none is destroyed before it.
    std::vector<std::unique_ptr<SimulatedCalculator>> calcs;

    SimulatedCalculator *newCalc()
    {
        calcs.push_back(std::make_unique<SimulatedCalculator>());
        return calcs.back().get();
    }
};

void TestLinkDiscovery::initTestCase()
{
    usb = std::make_unique<SimulatedUsb>();
    QVERIFY2(usb->isValid(), "the test must run under umockdev-wrapper");
}

void TestLinkDiscovery::cleanupTestCase()
{
    usb.reset();
    calcs.clear();
}

void TestLinkDiscovery::findsCalculatorsOnly()
{
    const QString first = usb->plug(newCalc());
    QVERIFY(!first.isEmpty());
    const QString other = usb->plugOther(0x1234, 0x5740);
    QVERIFY(!other.isEmpty());
    const QString second = usb->plug(newCalc());
    QVERIFY(!second.isEmpty());

    QStringList expected;
    const auto ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : ports) {
        const QString name = info.portName();
        if (name == first || name == second)
            expected << name;
    }
    QCOMPARE(expected.size(), 2);

    QStringList found;
    const auto calcPorts = CUlvoCalc::findCalcs();
    for (const QSerialPortInfo &info : calcPorts)
        found << info.portName();
    QCOMPARE(found, expected);
    usb->unplug(first);
    usb->unplug(second);
    usb->unplug(other);
}

void TestLinkDiscovery::linkFromDiscoveredPort()
{
    SimulatedCalculator *calc = newCalc();
    calc->setFile(QStringLiteral("A.TXT"), "a");
    const QString port = usb->plug(calc);
    QVERIFY(!port.isEmpty());
    CUlvoCalc link{QSerialPortInfo(port)};
    QVERIFY(link.isOpen());
    QCOMPARE(link.portName(), port);
    QCOMPARE(link.getName(), QStringLiteral("ULVO"));
    QCOMPARE(link.getFilesInfo(), (QList<QPair<QString, int>>{{QStringLiteral("A.TXT"), 1}}));
    usb->unplug(port);
}

// A calculator that goes away mid-session closes the link's port instead of leaving it spinning.
void TestLinkDiscovery::unpluggedCalculator()
{
    SimulatedCalculator *calc = newCalc();
    const QString port = usb->plug(calc);
    QVERIFY(!port.isEmpty());
    CUlvoCalc link{QSerialPortInfo(port)};
    QVERIFY(link.isOpen());
    usb->unplug(calc);
    QCOMPARE(link.getNumberOfFiles(), 0);
    QVERIFY(!link.isOpen());
    QSignalSpy spy(&link, &CUlvoCalc::errorNotify);
    QVERIFY(link.getFilesInfo().isEmpty());
    QVERIFY(!link.sendMessage(UlvoCalc::calcMsg::GET_FILES_NUM));
    QCOMPARE(spy.size(), 2);
    QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("Connection error (error code: 422)"));
    QCOMPARE(spy.at(1).at(0).toString(), QStringLiteral("Error write device"));
}

QTEST_GUILESS_MAIN(TestLinkDiscovery)
#include "tst_linkdiscovery.moc"
