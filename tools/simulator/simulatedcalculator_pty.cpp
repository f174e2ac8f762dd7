// The simulated calculator's line: a raw pseudo-terminal served by a thread of its own, and the
// restart after REBOOT that takes the line away and brings a new one.

#include "tools/simulator/simulatedcalculator_p.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

using UlvoCalc::calcMsg;

namespace {

void setRaw(int fd)
{
    termios tio {};
    if (tcgetattr(fd, &tio) == 0) {
        cfmakeraw(&tio);
        tcsetattr(fd, TCSANOW, &tio);
    }
}

} // namespace

bool SimulatedCalculator::Private::openLine()
{
    int m = -1;
    int s = -1;
    char name[256] = {};
    if (openpty(&m, &s, name, nullptr, nullptr) != 0)
        return false;
    setRaw(s);
    fcntl(m, F_SETFD, FD_CLOEXEC);
    fcntl(s, F_SETFD, FD_CLOEXEC);
    fcntl(m, F_SETFL, fcntl(m, F_GETFL) | O_NONBLOCK);
    std::lock_guard lock(mutex);
    master = m;
    slaveKeeper = s;
    slavePath = QString::fromLocal8Bit(name);
    decoder.clear();
    exchange = Exchange();
    return true;
}

void SimulatedCalculator::Private::closeLine()
{
    std::lock_guard lock(mutex);
    if (master >= 0)
        close(master);
    if (slaveKeeper >= 0)
        close(slaveKeeper);
    master = -1;
    slaveKeeper = -1;
}

bool SimulatedCalculator::Private::waitWake(int ms)
{
    pollfd p {wake, POLLIN, 0};
    poll(&p, 1, ms);
    return !stopping;
}

void SimulatedCalculator::Private::serve()
{
    QByteArray buffer(64 * 1024, Qt::Uninitialized);
    while (!stopping) {
        pollfd fds[2] = {{master, POLLIN, 0}, {wake, POLLIN, 0}};
        if (poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if (stopping)
            break;
        if (!(fds[0].revents & POLLIN))
            continue;
        const ssize_t n = read(master, buffer.data(), buffer.size());
        if (n <= 0)
            continue;
        decoder.feed(QByteArray(buffer.constData(), static_cast<int>(n)));
        while (auto payload = decoder.takeFrame()) {
            calcMsg msg;
            // A payload that does not parse is dropped, as by a device that ignores line noise.
            if (!msg.ParseFromArray(payload->constData(), payload->size())) {
                qCDebug(lcSimulator) << "dropped a payload that is no message:" << payload->toHex();
                continue;
            }
            handle(msg);
            if (stopping)
                break;
        }
    }
}

void SimulatedCalculator::Private::writeBytes(const QByteArray &bytes)
{
    int done = 0;
    while (done < bytes.size() && !stopping) {
        const ssize_t n = write(master, bytes.constData() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<int>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return;
        // The line is full: wait until the computer has read some of it.
        pollfd fds[2] = {{master, POLLOUT, 0}, {wake, POLLIN, 0}};
        poll(fds, 2, 1000);
    }
}

void SimulatedCalculator::Private::reboot()
{
    std::function<void()> down;
    std::function<void(QString)> up;
    int delay;
    {
        std::lock_guard lock(mutex);
        down = restartDown;
        up = restartUp;
        delay = restartDelayMs;
    }
    emit q->rebootRequested();
    if (!down || !up)
        return;
    // The device leaves the bus with its line and comes back on a new one, as after a USB
    // re-enumeration.
    down();
    closeLine();
    if (!waitWake(delay) || !openLine())
        return;
    up(slavePath);
}
