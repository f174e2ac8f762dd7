// The simulated calculator as the application sees it: through Qt Serial Port's discovery and I/O.
#include "link/framecodec.h"
#include "serializeData.pb.h"
#include "tools/simulator/simulatedcalculator.h"
#include "tools/simulator/simulatedusb.h"

#include <QSerialPort>
#include <QSerialPortInfo>
#include <QtTest>

using UlvoCalc::calcMsg;

namespace {

QStringList portNames(quint16 vendor, quint16 product)
{
    QStringList names;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
        if (info.vendorIdentifier() == vendor && info.productIdentifier() == product)
            names << info.portName();
    }
    return names;
}

// Sends one request and returns the first answer, through a real serial port.
std::optional<calcMsg> exchange(QSerialPort &port, calcMsg::msgType type)
{
    calcMsg request;
    request.set_type(type);
    QByteArray bytes(static_cast<int>(request.ByteSizeLong()), Qt::Uninitialized);
    request.SerializeToArray(bytes.data(), bytes.size());
    FrameCodec::frame(bytes);
    port.write(bytes);
    port.waitForBytesWritten(1000);
    FrameDecoder decoder;
    for (int i = 0; i < 50; ++i) {
        if (port.bytesAvailable() == 0 && !port.waitForReadyRead(5000))
            break;
        decoder.feed(port.readAll());
        if (auto payload = decoder.takeFrame()) {
            calcMsg answer;
            if (!answer.ParseFromArray(payload->constData(), payload->size()))
                return std::nullopt;
            return answer;
        }
    }
    return std::nullopt;
}

} // namespace

class TestSimulator : public QObject
{
    Q_OBJECT
private slots:
    void discoveryListsPluggedDevices();
    void answersThroughSerialPort();
    void unplugAndReplugUnderSameName();
    void rebootLeavesAndComesBack();
};

void TestSimulator::discoveryListsPluggedDevices()
{
    SimulatedUsb usb;
    QVERIFY(usb.isValid());
    QCOMPARE(portNames(SimulatedUsb::calcVendorId, SimulatedUsb::calcProductId), QStringList());
    SimulatedCalculator a;
    SimulatedCalculator b;
    const QString portA = usb.plug(&a);
    const QString other = usb.plugOther(0x1234, 0x5678);
    const QString portB = usb.plug(&b);
    QVERIFY(!portA.isEmpty() && !portB.isEmpty() && !other.isEmpty());
    QStringList calcs = portNames(SimulatedUsb::calcVendorId, SimulatedUsb::calcProductId);
    calcs.sort();
    QStringList expected {portA, portB};
    expected.sort();
    QCOMPARE(calcs, expected);
    QCOMPARE(portNames(0x1234, 0x5678), QStringList {other});
}

void TestSimulator::answersThroughSerialPort()
{
    SimulatedUsb usb;
    SimulatedCalculator::Options options;
    options.name = QStringLiteral("MY CALC");
    options.maxChunkSize = 1024;
    SimulatedCalculator calc(options);
    const QString name = usb.plug(&calc);
    QSerialPort port(name);
    QVERIFY2(port.open(QIODevice::ReadWrite), qPrintable(port.errorString()));
    const auto info = exchange(port, calcMsg::GET_DEVICE_INF);
    QVERIFY(info);
    QCOMPARE(info->type(), calcMsg::SEND_DEVICE_INF);
    QCOMPARE(QString::fromStdString(info->devinf().name()), QStringLiteral("MY CALC"));
    QCOMPARE(info->devinf().maxchunksize(), 1024);
    QCOMPARE(calc.receivedCount(calcMsg::GET_DEVICE_INF), 1);

    // A second open of the same port is refused, as on real hardware.
    QSerialPort second(name);
    QVERIFY(!second.open(QIODevice::ReadWrite));
}

void TestSimulator::unplugAndReplugUnderSameName()
{
    SimulatedUsb usb;
    SimulatedCalculator calc;
    calc.setFile(QStringLiteral("A.UCB"), "abc");
    const QString name = usb.plug(&calc);
    usb.unplug(&calc);
    QVERIFY(!portNames(SimulatedUsb::calcVendorId, SimulatedUsb::calcProductId).contains(name));
    QVERIFY(usb.replug(&calc));
    QCOMPARE(portNames(SimulatedUsb::calcVendorId, SimulatedUsb::calcProductId), QStringList {name});
    QSerialPort port(name);
    QVERIFY(port.open(QIODevice::ReadWrite));
    const auto count = exchange(port, calcMsg::GET_FILES_NUM);
    QVERIFY(count);
    QCOMPARE(count->numberoffiles(), 1);
}

void TestSimulator::rebootLeavesAndComesBack()
{
    SimulatedUsb usb;
    usb.setRebootDelay(300);
    SimulatedCalculator calc;
    QSignalSpy rebooted(&calc, &SimulatedCalculator::rebootRequested);
    const QString name = usb.plug(&calc);
    {
        QSerialPort port(name);
        QVERIFY(port.open(QIODevice::ReadWrite));
        const auto answer = exchange(port, calcMsg::REBOOT);
        QVERIFY(answer);
        QCOMPARE(answer->type(), calcMsg::SUCCESS);
    }
    QTRY_COMPARE(rebooted.count(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(portNames(SimulatedUsb::calcVendorId, SimulatedUsb::calcProductId).isEmpty(), 2000);
    QTRY_COMPARE_WITH_TIMEOUT(portNames(SimulatedUsb::calcVendorId, SimulatedUsb::calcProductId),
                              QStringList {name}, 3000);
    QSerialPort port(name);
    QVERIFY(port.open(QIODevice::ReadWrite));
    const auto info = exchange(port, calcMsg::GET_DEVICE_INF);
    QVERIFY(info);
    QCOMPARE(info->type(), calcMsg::SEND_DEVICE_INF);
}

QTEST_GUILESS_MAIN(TestSimulator)
#include "tst_simulator.moc"
