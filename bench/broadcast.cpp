// Sending one file to many calculators at once: put of a 256 KiB file to 1 and to 8 simulated
// calculators through the command-line tool's own runner (one thread and one link per
// calculator), alternating over several rounds. Prints the median times and the median of each
// round's ratio 8/1, which keeps the load of a shared machine out of it; the goal is <= 1.3.
// Run by hand: umockdev-wrapper build/bench/broadcast

#include "cli/calcrunner.h"
#include "cli/calctasks.h"
#include "link/sendplan.h"
#include "tools/simulator/simulatedcalculator.h"
#include "tools/simulator/simulatedusb.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int fileSize = 256 * 1024;
constexpr int calcCount = 8;
constexpr int rounds = 15;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Milliseconds for one put to every port; negative when a calculator failed.
double timePut(const QList<QSerialPortInfo> &ports, const SendPlan::SendPair &file)
{
    QElapsedTimer timer;
    timer.start();
    const QList<TaskOutcome> outcomes = runOnCalcs(ports, [&](int) {
        return std::make_unique<PutTask>(QList<SendPlan::SendPair> {file}, true);
    });
    const double ms = timer.nsecsElapsed() / 1e6;
    for (const TaskOutcome &outcome : outcomes) {
        if (!outcome.ok) {
            std::fprintf(stderr, "broadcast: %s: %s\n", qPrintable(outcome.port),
                         qPrintable(outcome.errors.join(QStringLiteral("; "))));
            return -1;
        }
    }
    return ms;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    SimulatedUsb usb;
    if (!usb.isValid()) {
        std::fprintf(stderr, "broadcast: no umockdev testbed (run under umockdev-wrapper)\n");
        return 1;
    }
    std::vector<std::unique_ptr<SimulatedCalculator>> calcs;
    QList<QSerialPortInfo> ports;
    for (int i = 0; i < calcCount; ++i) {
        calcs.push_back(std::make_unique<SimulatedCalculator>());
        const QString port = usb.plug(calcs.back().get());
        if (port.isEmpty()) {
            std::fprintf(stderr, "broadcast: cannot plug a calculator\n");
            return 1;
        }
        ports.append(QSerialPortInfo(port));
    }

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("lesson.bin"));
    QFile file(path);
    QByteArray content(fileSize, Qt::Uninitialized);
    for (int i = 0; i < fileSize; ++i)
        content[i] = char(i * 31);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != fileSize)
        return 1;
    file.close();
    const SendPlan::SendPair send {path, SendPlan::calcName(QStringLiteral("lesson.bin"))};

    std::vector<double> one, all, ratios;
    for (int round = 0; round < rounds; ++round) {
        const double t1 = timePut(ports.mid(0, 1), send);
        const double t8 = timePut(ports, send);
        if (t1 <= 0 || t8 <= 0)
            return 1;
        one.push_back(t1);
        all.push_back(t8);
        ratios.push_back(t8 / t1);
    }
    std::printf("put of %d KiB, chunk size 512, median of %d rounds\n", fileSize / 1024, rounds);
    std::printf("  1 calculator:  %8.1f ms\n", median(one));
    std::printf("  %d calculators: %8.1f ms\n", calcCount, median(all));
    std::printf("  ratio %d/1:     %8.2f (goal <= 1.3)\n", calcCount, median(ratios));
    return 0;
}
