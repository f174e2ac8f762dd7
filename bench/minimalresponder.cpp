#include "bench/minimalresponder.h"

#include "bench/benchsupport.h"
#include "serializeData.pb.h"
#include "tools/simulator/simulatedusb.h"

#include <QFile>

#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

using UlvoCalc::calcMsg;

namespace {

using BenchSupport::framedMessage;

constexpr int headerSize = 6; // preamble and length

} // namespace

MinimalResponder::MinimalResponder(int fileSize)
    : m_content(fileSize, Qt::Uninitialized)
{
    for (int i = 0; i < fileSize; ++i)
        m_content[i] = char(i * 31);
    calcMsg ack;
    ack.set_type(calcMsg::SUCCESS);
    m_ack = framedMessage(ack);
    setChunkSize(m_chunkSize);

    char name[256] = {};
    if (openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0 || pipe(m_wake) != 0)
        return;
    m_slavePath = QString::fromLocal8Bit(name);
    for (int fd : {m_master, m_slave}) {
        termios tio {};
        tcgetattr(fd, &tio);
        cfmakeraw(&tio);
        tcsetattr(fd, TCSANOW, &tio);
    }
    m_thread = std::thread([this] { serve(); });
}

MinimalResponder::~MinimalResponder()
{
    if (m_thread.joinable()) {
        const char wake = 0;
        (void)::write(m_wake[1], &wake, 1);
        m_thread.join();
    }
    for (int fd : {m_master, m_slave, m_wake[0], m_wake[1]}) {
        if (fd >= 0)
            ::close(fd);
    }
}

void MinimalResponder::setChunkSize(int chunkSize)
{
    std::lock_guard lock(m_mutex);
    m_chunkSize = chunkSize;
    calcMsg inf;
    inf.set_type(calcMsg::SEND_DEVICE_INF);
    inf.mutable_devinf()->set_name("BENCH");
    inf.mutable_devinf()->set_maxchunksize(chunkSize);
    m_deviceInf = framedMessage(inf);
    m_downloadFrames.clear();
    for (int offset = 0, num = 0; offset < m_content.size(); offset += chunkSize, ++num) {
        const int n = std::min(chunkSize, m_content.size() - offset);
        m_downloadFrames.append(BenchSupport::framedFileFrame(num, m_content.constData() + offset, n));
    }
}

// The next frame's payload from the line; false when the responder is to stop.
bool MinimalResponder::nextFrame(QByteArray &payload)
{
    for (;;) {
        const int available = m_received.size() - m_receivedPos;
        if (available >= headerSize) {
            const char *head = m_received.constData() + m_receivedPos;
            const int length = quint8(head[4]) | (quint8(head[5]) << 8);
            if (available >= headerSize + length) {
                payload = m_received.mid(m_receivedPos + headerSize, length);
                m_receivedPos += headerSize + length;
                return true;
            }
        }
        if (m_receivedPos > 0) {
            m_received.remove(0, m_receivedPos);
            m_receivedPos = 0;
        }
        pollfd fds[2] = {{m_master, POLLIN, 0}, {m_wake[0], POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0 || (fds[1].revents & POLLIN))
            return false;
        char buf[65536];
        const ssize_t n = ::read(m_master, buf, sizeof buf);
        if (n <= 0)
            return false;
        m_received.append(buf, int(n));
    }
}

void MinimalResponder::serve()
{
    QByteArray payload;
    while (nextFrame(payload)) {
        calcMsg request;
        if (!request.ParseFromArray(payload.constData(), payload.size()))
            continue;
        std::lock_guard lock(m_mutex);
        switch (request.type()) {
        case calcMsg::GET_DEVICE_INF:
            BenchSupport::writeAll(m_master, m_deviceInf);
            break;
        case calcMsg::GET_FILE:
            // Every frame but the last is acknowledged before the next goes.
            for (int i = 0; i < m_downloadFrames.size(); ++i) {
                if (!BenchSupport::writeAll(m_master, m_downloadFrames.at(i)))
                    return;
                if (i + 1 < m_downloadFrames.size() && !nextFrame(payload))
                    return;
            }
            break;
        case calcMsg::SEND_FILE: {
            // A short frame ends the file; a length that is a whole number of chunks ends with an
            // empty one.
            const int frames = request.finf().size() / m_chunkSize + 1;
            BenchSupport::writeAll(m_master, m_ack);
            for (int i = 0; i < frames; ++i) {
                if (!nextFrame(payload) || !BenchSupport::writeAll(m_master, m_ack))
                    return;
            }
            break;
        }
        default:
            BenchSupport::writeAll(m_master, m_ack);
            break;
        }
    }
}

QString plugAsCalculator(SimulatedUsb &usb, const MinimalResponder &responder)
{
    const QString portName = usb.plugOther(SimulatedUsb::calcVendorId, SimulatedUsb::calcProductId);
    const QString node = usb.rootDir() + QStringLiteral("/dev/") + portName;
    if (portName.isEmpty() || !QFile::remove(node) || !QFile::link(responder.slavePath(), node))
        return QString();
    return portName;
}
