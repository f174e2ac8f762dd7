#include "link/portreader.h"

#include <QDeadlineTimer>
#include <QSerialPort>

#include <algorithm>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {

QSerialPort *serialPort(QIODevice &port)
{
    return qobject_cast<QSerialPort *>(&port);
}

} // namespace

void PortReader::prepare(QIODevice &port)
{
    m_descriptor = -1;
    m_blocking = false;
    m_port = &port;
    QSerialPort *serial = serialPort(port);
    if (!serial || !serial->isOpen())
        return;
    const int descriptor = int(serial->handle());
    const int flags = ::fcntl(descriptor, F_GETFL);
    termios tio {};
    if (flags < 0 || ::tcgetattr(descriptor, &tio) != 0)
        return;
    // A read returns as soon as a byte is there, or empty after one slice (tenths of a second).
    // The port closing restores the line's own settings.
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = sliceMs / 100;
    if (::tcsetattr(descriptor, TCSANOW, &tio) != 0)
        return;
    m_descriptor = descriptor;
    m_flags = flags;
}

qint64 PortReader::read(QIODevice &port, char *dest, qint64 max, const QDeadlineTimer &deadline)
{
    if (!port.isOpen())
        return 0;
    if (port.bytesAvailable() > 0)
        return port.read(dest, max);
    // Only the descriptor prepare() saw, and only while a whole slice fits the wait: a slice
    // must never stretch a deadline.
    QSerialPort *serial = m_descriptor >= 0 ? serialPort(port) : nullptr;
    const bool sliceFits = deadline.isForever() || deadline.remainingTime() >= 2 * sliceMs;
    if (serial && int(serial->handle()) == m_descriptor && sliceFits) {
        const qint64 n = readBlocking(dest, max);
        if (n > 0)
            return n;
    }
    release();
    if (port.bytesAvailable() <= 0)
        port.waitForReadyRead(int(std::max<qint64>(0, deadline.remainingTime())));
    return port.isOpen() ? port.read(dest, max) : 0;
}

qint64 PortReader::readBlocking(char *dest, qint64 max)
{
    if (!m_blocking) {
        if (::fcntl(m_descriptor, F_SETFL, m_flags & ~O_NONBLOCK) != 0)
            return 0;
        m_blocking = true;
    }
    const ssize_t n = ::read(m_descriptor, dest, size_t(max));
    return n > 0 ? qint64(n) : 0;
}

void PortReader::release()
{
    if (!m_blocking)
        return;
    m_blocking = false;
    // Qt and the link write to this descriptor without blocking; a closed port has no descriptor
    // left to restore.
    auto *serial = m_port ? serialPort(*m_port) : nullptr;
    if (serial && serial->isOpen() && int(serial->handle()) == m_descriptor)
        ::fcntl(m_descriptor, F_SETFL, m_flags);
}
