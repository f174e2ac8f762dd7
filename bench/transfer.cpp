// Throughput of file transfer through the link to the simulated calculator, against a raw
// stop-and-wait exchange of frames of the same sizes over a pty (no Qt, no protobuf).
// Run by hand: umockdev-wrapper build/bench/transfer

#include "link/culvocalc.h"
#include "tools/simulator/simulatedcalculator.h"
#include "tools/simulator/simulatedusb.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSerialPortInfo>
#include <QThread>

#include <cstdio>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr int fileSize = 1024 * 1024;
// What a FRAME message adds to its chunk on the line (preamble, length, message fields).
constexpr int frameOverhead = 6 + 16;
constexpr int answerSize = 8;

bool writeAll(int fd, const char *data, size_t n)
{
    while (n > 0) {
        const ssize_t done = ::write(fd, data, n);
        if (done <= 0)
            return false;
        data += done;
        n -= size_t(done);
    }
    return true;
}

bool readAll(int fd, char *data, size_t n)
{
    while (n > 0) {
        const ssize_t done = ::read(fd, data, n);
        if (done <= 0)
            return false;
        data += done;
        n -= size_t(done);
    }
    return true;
}

struct Pty {
    int master = -1;
    int slave = -1;
    Pty()
    {
        if (openpty(&master, &slave, nullptr, nullptr, nullptr) != 0)
            return;
        for (int fd : {master, slave}) {
            termios tio;
            tcgetattr(fd, &tio);
            cfmakeraw(&tio);
            tcsetattr(fd, TCSANOW, &tio);
        }
    }
    ~Pty()
    {
        if (master >= 0)
            ::close(master);
        if (slave >= 0)
            ::close(slave);
    }
};

// Moves fileSize bytes in frames of chunk bytes from `from` to `to`, each frame answered by a
// small reply before the next is sent. Bytes per second of file content.
double rawStopAndWait(int chunk)
{
    Pty pty;
    if (pty.master < 0)
        return 0;
    const int frames = (fileSize + chunk - 1) / chunk;
    const size_t frameBytes = size_t(chunk + frameOverhead);
    std::thread peer([&] {
        std::vector<char> frame(frameBytes);
        const char answer[answerSize] = {'C', 'A', 'L', 'C', 2, 0, 8, 11};
        for (int i = 0; i < frames; ++i) {
            if (!readAll(pty.slave, frame.data(), frame.size())
                || !writeAll(pty.slave, answer, sizeof answer))
                return;
        }
    });
    std::vector<char> frame(frameBytes, 'x');
    char answer[answerSize];
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < frames; ++i) {
        if (!writeAll(pty.master, frame.data(), frame.size()) || !readAll(pty.master, answer, sizeof answer))
            break;
    }
    const double seconds = timer.nsecsElapsed() / 1e9;
    peer.join();
    return fileSize / seconds;
}

struct LinkFigures {
    double download = 0;
    double upload = 0;
};

LinkFigures linkTransfer(SimulatedCalculator &calc, const QString &portName, int chunk)
{
    LinkFigures figures;
    calc.clearFiles();
    calc.setMaxChunkSize(chunk);
    QByteArray content(fileSize, Qt::Uninitialized);
    for (int i = 0; i < fileSize; ++i)
        content[i] = char(i * 31);
    calc.setFile("BENCH.bin", content);

    CUlvoCalc link{QSerialPortInfo(portName)};
    if (link.currentChunkSize() != chunk)
        return figures;
    UlvoCalc::fileInf inf;
    inf.set_name("BENCH.bin");
    inf.set_size(fileSize);

    QElapsedTimer timer;
    timer.start();
    const std::optional<QByteArray> got = link.getData(inf);
    const double downSeconds = timer.nsecsElapsed() / 1e9;
    if (got && *got == content)
        figures.download = fileSize / downSeconds;

    inf.set_name("BACK.bin");
    timer.restart();
    const bool sent = link.sendFile(inf, content);
    const double upSeconds = timer.nsecsElapsed() / 1e9;
    if (sent && calc.file("BACK.bin") == content)
        figures.upload = fileSize / upSeconds;
    return figures;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    SimulatedCalculator calc;
    SimulatedUsb usb;
    if (!usb.isValid()) {
        std::fprintf(stderr, "Needs umockdev-wrapper: umockdev-wrapper %s\n", argv[0]);
        return 1;
    }
    const QString portName = usb.plug(&calc);
    if (portName.isEmpty()) {
        std::fprintf(stderr, "Could not plug the simulated calculator\n");
        return 1;
    }

    std::printf("%-6s %-9s %14s %14s %7s\n", "chunk", "direction", "link B/s", "raw B/s", "ratio");
    for (int chunk : {512, 4096}) {
        const LinkFigures link = linkTransfer(calc, portName, chunk);
        const double raw = rawStopAndWait(chunk);
        for (const auto &[direction, value] : {std::pair{"download", link.download},
                                               std::pair{"upload", link.upload}}) {
            std::printf("%-6d %-9s %14.0f %14.0f %7.2f\n", chunk, direction, value, raw,
                        raw > 0 ? value / raw : 0.0);
        }
    }
    return 0;
}
