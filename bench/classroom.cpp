// A classroom through the session, the window's own path: 30 simulated calculators answering
// after 2 ms per frame, as a real device does. Prints
//   - first contact: the time from the last of 30 plugs, 100 ms apart, until all are listed with
//     their names (goal: within 2 s);
//   - a 64 KiB send to one calculator and to all 30 at once, alternating over rounds, and the
//     median of each round's ratio 30/1 (goal <= 1.5);
//   - the longest pause of the main thread's event loop during the class sends (goal <= 100 ms).
// Run by hand: QT_QPA_PLATFORM=offscreen umockdev-wrapper build/bench/classroom

#include "bench/benchsupport.h"
#include "models/ulvocalcmodel.h"
#include "models/ulvofilemodel.h"
#include "session/culvocalcsession.h"
#include "tools/simulator/simulatedcalculator.h"
#include "tools/simulator/simulatedusb.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>

namespace {

constexpr int calcCount = 30;
constexpr int frameDelayMs = 2;
constexpr int fileSize = 64 * 1024;
constexpr int plugSpacingMs = 100;
constexpr int rounds = 5;
constexpr int timeoutMs = 120000;

// Runs the event loop until done() holds or the time-out; false on time-out.
template <typename Done>
bool runUntil(Done done, int ms = timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > ms)
            return false;
        QEventLoop loop;
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

// The longest gap between ticks of a 5 ms timer on the main thread while it runs.
class PauseMeter : public QObject
{
public:
    PauseMeter()
    {
        timer.setInterval(5);
        connect(&timer, &QTimer::timeout, this, [this] {
            const double ms = double(clock.nsecsElapsed()) / 1e6;
            const double cpu = threadCpuMs();
            if (ms > longestMs) {
                longestMs = ms;
                longestCpuMs = cpu - cpuAtTick;
            }
            cpuAtTick = cpu;
            clock.restart();
        });
    }
    void start()
    {
        cpuAtTick = threadCpuMs();
        clock.start();
        timer.start();
    }
    void stop() { timer.stop(); }
    double longestMs = 0;
    // The main thread's own CPU time in the longest pause: near it, the thread was busy; far
    // below, it was ready but not scheduled among the calculators' threads.
    double longestCpuMs = 0;

private:
    static double threadCpuMs()
    {
        timespec now {};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
    }

    QTimer timer;
    QElapsedTimer clock;
    double cpuAtTick = 0;
};

// One send of the prepared file to the selected calculators; wall ms, negative on failure.
double timeSend(CUlvoCalcSession &session, const QUrl &file, const QString &success)
{
    QElapsedTimer clock;
    clock.start();
    session.toCalcUrls({file});
    // The same name each round: replaced everywhere.
    while (session.isToCalcExistingCollision())
        session.releaseToCalcCollision(true);
    session.sendFiles();
    if (!runUntil([&] { return !session.getIsBusy() && session.getStatusLineText().startsWith(success.left(5)); }))
        return -1;
    const double ms = clock.nsecsElapsed() / 1e6;
    if (session.getStatusLineText() != success) {
        std::fprintf(stderr, "classroom: %s\n", qPrintable(session.getStatusLineText()));
        return -1;
    }
    return ms;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    SimulatedUsb usb;
    if (!usb.isValid()) {
        std::fprintf(stderr, "classroom: no umockdev testbed (run under umockdev-wrapper)\n");
        return 1;
    }
    UlvoCalcModel calcModel;
    UlvoFileModel fileModel;
    auto session = std::make_unique<CUlvoCalcSession>();
    session->initialize(&calcModel, &fileModel);
    int contacted = 0;
    QObject::connect(session.get(), &CUlvoCalcSession::calcContacted, [&] { ++contacted; });

    // First contact: plugged 100 ms apart while the session runs as in the window.
    std::vector<std::unique_ptr<SimulatedCalculator>> calcs;
    for (int i = 0; i < calcCount; ++i) {
        SimulatedCalculator::Options options;
        options.name = QStringLiteral("CLASS-%1").arg(i + 1, 2, 10, QLatin1Char('0'));
        calcs.push_back(std::make_unique<SimulatedCalculator>(options));
        calcs.back()->setReplyDelay(frameDelayMs);
        if (usb.plug(calcs.back().get()).isEmpty()) {
            std::fprintf(stderr, "classroom: cannot plug a calculator\n");
            return 1;
        }
        if (i + 1 < calcCount)
            runUntil([] { return false; }, plugSpacingMs);
    }
    QElapsedTimer sinceLastPlug;
    sinceLastPlug.start();
    if (!runUntil([&] { return contacted >= calcCount && calcModel.rowCount() == calcCount; })) {
        std::fprintf(stderr, "classroom: only %d of %d calculators contacted\n", contacted, calcCount);
        return 1;
    }
    const double firstContactMs = sinceLastPlug.nsecsElapsed() / 1e6;

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("LESSON.bin"));
    QFile file(path);
    QByteArray content(fileSize, Qt::Uninitialized);
    for (int i = 0; i < fileSize; ++i)
        content[i] = char(i * 31);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != fileSize)
        return 1;
    file.close();
    const QUrl url = QUrl::fromLocalFile(path);

    PauseMeter meter;
    std::vector<double> one, all, ratios;
    for (int round = 0; round < rounds; ++round) {
        calcModel.setCurrentIndex(0);
        const double t1 = timeSend(*session, url, QStringLiteral("Files successful sent to calculator"));
        calcModel.selectAll();
        meter.start();
        const double tAll = timeSend(*session, url, QStringLiteral("Sent to %1 of %1 calculators").arg(calcCount));
        meter.stop();
        if (t1 <= 0 || tAll <= 0)
            return 1;
        one.push_back(t1);
        all.push_back(tAll);
        ratios.push_back(tAll / t1);
    }
    std::printf("classroom: %d calculators, %d ms per frame, %d cores\n", calcCount, frameDelayMs,
                QThread::idealThreadCount());
    std::printf("  first contact, last of %d plugged %d ms apart: %8.1f ms after the last plug (goal <= 2000)\n",
                calcCount, plugSpacingMs, firstContactMs);
    std::printf("  send of %d KiB, median of %d rounds\n", fileSize / 1024, rounds);
    std::printf("    1 calculator:   %8.1f ms\n", BenchSupport::median(one));
    std::printf("    %d calculators: %8.1f ms\n", calcCount, BenchSupport::median(all));
    std::printf("    ratio %d/1:      %8.2f (goal <= 1.5)\n", calcCount, BenchSupport::median(ratios));
    std::printf("  longest main-thread pause during the class sends: %.1f ms (goal <= 100), "
                "of it on the main thread's CPU: %.1f ms\n",
                meter.longestMs, meter.longestCpuMs);
    session.reset();
    return 0;
}
