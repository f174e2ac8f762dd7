// Idle cost of tracking calculators: the session's CPU per second with no calculator and with four
// attached, on a simulated bus that also carries many other serial devices, as a desktop does.
// Run by hand: umockdev-wrapper build/bench/idle [seconds per phase, default 10]
// CPU time, not wall time, so the load of a shared machine barely moves the figures. The main
// thread is where the session lives; the process figure adds the simulated calculators' threads.

#include "models/ulvocalcmodel.h"
#include "models/ulvofilemodel.h"
#include "session/culvocalcsession.h"
#include "tools/simulator/simulatedcalculator.h"
#include "tools/simulator/simulatedusb.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <time.h>
#include <vector>

namespace {

constexpr int otherDevices = 64;
constexpr int calculators = 4;
constexpr double goalMsPerSecond = 1.0;

double cpuMs(clockid_t clock)
{
    timespec t {};
    clock_gettime(clock, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

void runEventLoopFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

struct Figures {
    double thread = 0;
    double process = 0;
};

Figures measure(int seconds)
{
    const double thread0 = cpuMs(CLOCK_THREAD_CPUTIME_ID);
    const double process0 = cpuMs(CLOCK_PROCESS_CPUTIME_ID);
    runEventLoopFor(seconds * 1000);
    return {(cpuMs(CLOCK_THREAD_CPUTIME_ID) - thread0) / seconds,
            (cpuMs(CLOCK_PROCESS_CPUTIME_ID) - process0) / seconds};
}

void printRow(int calcs, const Figures &f)
{
    std::printf("%-12d %18.3f %18.3f %14.2f\n", calcs, f.thread, f.process, f.thread / goalMsPerSecond);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(1, atoi(argv[1])) : 10;

    SimulatedUsb usb;
    if (!usb.isValid()) {
        std::fprintf(stderr, "Needs umockdev-wrapper: umockdev-wrapper %s\n", argv[0]);
        return 1;
    }
    for (int i = 0; i < otherDevices; ++i)
        usb.plugOther(0x1a86, 0x7523);

    UlvoCalcModel calcModel;
    UlvoFileModel fileModel;
    auto session = std::make_unique<CUlvoCalcSession>();
    session->initialize(&calcModel, &fileModel);
    // The first poll runs a second after start; measure after it.
    runEventLoopFor(1500);

    std::printf("%d other serial devices on the bus, %d s per phase\n", otherDevices, seconds);
    std::printf("%-12s %18s %18s %14s\n", "calculators", "main ms CPU/s", "process ms CPU/s",
                "main / 1 ms/s");
    printRow(0, measure(seconds));

    std::vector<std::unique_ptr<SimulatedCalculator>> calcs;
    for (int i = 0; i < calculators; ++i) {
        calcs.push_back(std::make_unique<SimulatedCalculator>());
        usb.plug(calcs.back().get());
    }
    const QDeadlineTimer listed(20000);
    while (calcModel.rowCount() < calculators && !listed.hasExpired())
        runEventLoopFor(100);
    if (calcModel.rowCount() < calculators) {
        std::fprintf(stderr, "Only %d of %d calculators were listed\n", calcModel.rowCount(), calculators);
        return 1;
    }
    runEventLoopFor(1500);
    printRow(calculators, measure(seconds));
    session.reset();
    return 0;
}
