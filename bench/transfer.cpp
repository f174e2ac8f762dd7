// Throughput of file transfer through the link to the simulated calculator, against a raw
// stop-and-wait exchange of frames of the same sizes over a pty (no Qt, no protobuf).
// Run by hand: umockdev-wrapper build/bench/transfer
// Link and raw transfers alternate over several rounds; the figures are medians, and the ratio is
// the median of each round's ratio, which keeps the load of a shared machine out of it. The raw
// exchange is measured in both directions of the pty, since the link's download and upload use
// different ones.

#include "bench/benchsupport.h"
#include "link/culvocalc.h"
#include "tools/simulator/simulatedcalculator.h"
#include "tools/simulator/simulatedusb.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSerialPortInfo>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {

using BenchSupport::readAll;
using BenchSupport::writeAll;

constexpr int fileSize = 1024 * 1024;
// What a FRAME message adds to its chunk on the line (preamble, length, message fields).
constexpr int frameOverhead = 6 + 16;
constexpr int answerSize = 8;
constexpr int runs = 7;

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

enum class Direction { Download, Upload };

// Moves fileSize bytes in frames of chunk bytes across a pty, each frame answered by a small reply
// before the next is sent. A download's frames travel from the device side (the master) to the
// computer side (the slave), an upload's the other way. Bytes per second of file content.
double rawStopAndWait(int chunk, Direction direction)
{
    Pty pty;
    if (pty.master < 0)
        return 0;
    const int sender = direction == Direction::Download ? pty.master : pty.slave;
    const int receiver = direction == Direction::Download ? pty.slave : pty.master;
    const int frames = (fileSize + chunk - 1) / chunk;
    const size_t frameBytes = size_t(chunk + frameOverhead);
    std::thread peer([&] {
        std::vector<char> frame(frameBytes);
        const char answer[answerSize] = {'C', 'A', 'L', 'C', 2, 0, 8, 11};
        for (int i = 0; i < frames; ++i) {
            if (!readAll(receiver, frame.data(), frame.size())
                || !writeAll(receiver, answer, sizeof answer))
                return;
        }
    });
    std::vector<char> frame(frameBytes, 'x');
    char answer[answerSize];
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < frames; ++i) {
        if (!writeAll(sender, frame.data(), frame.size()) || !readAll(sender, answer, sizeof answer))
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

    std::printf("%-6s %-9s %14s %14s %13s\n", "chunk", "direction", "link B/s", "raw B/s",
                "median ratio");
    using BenchSupport::median;
    for (int chunk : {512, 4096}) {
        // Link and raw run back to back in each round, so a round's ratio sees one machine load.
        std::vector<double> linkDown, linkUp, rawDown, rawUp, ratioDown, ratioUp;
        for (int run = 0; run < runs; ++run) {
            const LinkFigures once = linkTransfer(calc, portName, chunk);
            linkDown.push_back(once.download);
            rawDown.push_back(rawStopAndWait(chunk, Direction::Download));
            linkUp.push_back(once.upload);
            rawUp.push_back(rawStopAndWait(chunk, Direction::Upload));
            ratioDown.push_back(rawDown.back() > 0 ? linkDown.back() / rawDown.back() : 0.0);
            ratioUp.push_back(rawUp.back() > 0 ? linkUp.back() / rawUp.back() : 0.0);
        }
        std::printf("%-6d %-9s %14.0f %14.0f %13.2f\n", chunk, "download", median(linkDown),
                    median(rawDown), median(ratioDown));
        std::printf("%-6d %-9s %14.0f %14.0f %13.2f\n", chunk, "upload", median(linkUp), median(rawUp),
                    median(ratioUp));
    }
    return 0;
}
