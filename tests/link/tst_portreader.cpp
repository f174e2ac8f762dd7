#include "link/portreader.h"

#include <QBuffer>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QSerialPort>
#include <QtTest>

#include <pty.h>
#include <termios.h>
#include <unistd.h>

// A raw pty: the device's end stays here, the serial port opens the other.
struct RawPty {
    int master = -1;
    QString slavePath;
    RawPty()
    {
        int slave = -1;
        char name[256] = {};
        if (openpty(&master, &slave, name, nullptr, nullptr) != 0)
            return;
        termios tio {};
        tcgetattr(master, &tio);
        cfmakeraw(&tio);
        tcsetattr(master, TCSANOW, &tio);
        ::close(slave);
        slavePath = QString::fromLocal8Bit(name);
    }
    ~RawPty()
    {
        if (master >= 0)
            ::close(master);
    }
    bool send(const QByteArray &bytes) const
    {
        return ::write(master, bytes.constData(), size_t(bytes.size())) == bytes.size();
    }
};

// A serial port open on a raw pty, with a reader prepared for it.
struct PreparedPort {
    RawPty pty;
    QSerialPort port;
    PortReader reader;
    bool open()
    {
        port.setPortName(pty.slavePath);
        if (pty.master < 0 || !port.open(QIODevice::ReadWrite))
            return false;
        reader.prepare(port);
        return true;
    }
};

class TestPortReader : public QObject
{
    Q_OBJECT
private slots:
    void serialPortBytesInOrder();
    void nothingInTimeEndsAtTheDeadline_data();
    void nothingInTimeEndsAtTheDeadline();
    void otherDevicesReadThroughTheirOwnWait();
    void closedPortReadsNothing();
};

// Reads until size bytes have come or a read brings nothing.
QByteArray readBytes(PortReader &reader, QSerialPort &port, int size, int waitMs)
{
    QByteArray got;
    char buffer[64];
    while (got.size() < size) {
        const qint64 n = reader.read(port, buffer, std::min<qint64>(sizeof buffer, size - got.size()), QDeadlineTimer(waitMs));
        if (n <= 0)
            break;
        got.append(buffer, int(n));
    }
    return got;
}

// Bytes Qt has already taken into the port's buffer come before those still in the line, whether
// the wait is long enough for a blocking read or not.
void TestPortReader::serialPortBytesInOrder()
{
    PreparedPort line;
    QVERIFY(line.open());
    auto &[pty, port, reader] = line;

    QVERIFY(pty.send("first"));
    QVERIFY(port.waitForReadyRead(2000)); // Qt now holds "first" in its own buffer
    QVERIFY(pty.send("second"));
    QCOMPARE(readBytes(reader, port, 5, 5000), QByteArray("first"));
    QCOMPARE(readBytes(reader, port, 6, 5000), QByteArray("second"));
    QVERIFY(pty.send("third"));
    QCOMPARE(readBytes(reader, port, 5, PortReader::sliceMs / 2), QByteArray("third"));
}

// With nothing on the line the read gives up at its deadline: never before, and a slice of
// blocking read never stretches it far.
void TestPortReader::nothingInTimeEndsAtTheDeadline_data()
{
    QTest::addColumn<int>("waitMs");
    QTest::newRow("shorter than two slices") << PortReader::sliceMs;
    QTest::newRow("several slices") << 5 * PortReader::sliceMs + 30;
}

void TestPortReader::nothingInTimeEndsAtTheDeadline()
{
    QFETCH(int, waitMs);
    PreparedPort line;
    QVERIFY(line.open());
    auto &[pty, port, reader] = line;
    char buffer[16];
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(reader.read(port, buffer, sizeof buffer, QDeadlineTimer(waitMs)), qint64(0));
    QVERIFY2(timer.elapsed() >= waitMs - 5, qPrintable(QString::number(timer.elapsed())));
    QVERIFY2(timer.elapsed() < waitMs + 1000, qPrintable(QString::number(timer.elapsed())));
    // The line still works afterwards.
    QVERIFY(pty.send("x"));
    QCOMPARE(reader.read(port, buffer, sizeof buffer, QDeadlineTimer(2000)), qint64(1));
    QCOMPARE(buffer[0], 'x');
}

void TestPortReader::otherDevicesReadThroughTheirOwnWait()
{
    QBuffer device;
    device.setData("abc");
    QVERIFY(device.open(QIODevice::ReadOnly));
    PortReader reader;
    reader.prepare(device);
    char buffer[2];
    QCOMPARE(reader.read(device, buffer, sizeof buffer, QDeadlineTimer(1000)), qint64(2));
    QCOMPARE(QByteArray(buffer, 2), QByteArray("ab"));
}

void TestPortReader::closedPortReadsNothing()
{
    PreparedPort line;
    QVERIFY(line.open());
    auto &[pty, port, reader] = line;
    QVERIFY(pty.send("late"));
    port.close();
    char buffer[8];
    QCOMPARE(reader.read(port, buffer, sizeof buffer, QDeadlineTimer(1000)), qint64(0));
}

QTEST_GUILESS_MAIN(TestPortReader)
#include "tst_portreader.moc"
