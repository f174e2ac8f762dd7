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
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <sys/resource.h>
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

// Processor time of this process (the link threads and the simulated calculators), in ms.
double cpuMs()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval &t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

struct Timing {
    double wallMs = -1;
    double cpuMs = 0;
};

// One put to every port; wallMs negative when a calculator failed.
Timing timePut(const QList<QSerialPortInfo> &ports, const SendPlan::SendPair &file)
{
    const double cpuBefore = cpuMs();
    QElapsedTimer timer;
    timer.start();
    const QList<TaskOutcome> outcomes = runOnCalcs(ports, [&](int) {
        return std::make_unique<PutTask>(QList<SendPlan::SendPair> {file}, true);
    });
    const Timing timing {timer.nsecsElapsed() / 1e6, cpuMs() - cpuBefore};
    for (const TaskOutcome &outcome : outcomes) {
        if (!outcome.ok) {
            std::fprintf(stderr, "broadcast: %s: %s\n", qPrintable(outcome.port),
                         qPrintable(outcome.errors.join(QStringLiteral("; "))));
            return {};
        }
    }
    return timing;
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

    std::vector<double> one, all, ratios, cpuOne, cpuAll;
    for (int round = 0; round < rounds; ++round) {
        const Timing t1 = timePut(ports.mid(0, 1), send);
        const Timing t8 = timePut(ports, send);
        if (t1.wallMs <= 0 || t8.wallMs <= 0)
            return 1;
        one.push_back(t1.wallMs);
        all.push_back(t8.wallMs);
        cpuOne.push_back(t1.cpuMs);
        cpuAll.push_back(t8.cpuMs);
        ratios.push_back(t8.wallMs / t1.wallMs);
    }
    // The processor time says how far the machine's cores, not the tool, bound the 8-way run.
    std::printf("put of %d KiB, chunk size 512, median of %d rounds, %d cores\n", fileSize / 1024,
                rounds, QThread::idealThreadCount());
    std::printf("  1 calculator:  %8.1f ms  (processor time %6.1f ms)\n", median(one), median(cpuOne));
    std::printf("  %d calculators: %8.1f ms  (processor time %6.1f ms)\n", calcCount, median(all),
                median(cpuAll));
    std::printf("  ratio %d/1:     %8.2f (goal <= 1.3)\n", calcCount, median(ratios));
    return 0;
}
