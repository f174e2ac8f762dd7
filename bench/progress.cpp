// A download with progress reporting on (reports queued to this thread, a stop token checked every
// frame) against the same download with nobody listening, both from one minimal responder on a pty.
// Run by hand: umockdev-wrapper build/bench/progress [rounds, default 21]
// Rounds alternate which goes first; the ratio is the median of the rounds' own ratios.

#include "bench/benchsupport.h"
#include "bench/minimalresponder.h"
#include "link/culvocalc.h"
#include "tools/simulator/simulatedusb.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSerialPortInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

namespace {

constexpr int fileSize = 1024 * 1024;

// Bytes per second of one batch download of one file, or 0 when it failed.
double downloadRate(CUlvoCalc &link, const QString &folder)
{
    QElapsedTimer clock;
    clock.start();
    const QList<QUrl> written = link.genGetFilesRequest({{QStringLiteral("BENCH.bin"), fileSize}}, folder);
    const double seconds = clock.nsecsElapsed() / 1e9;
    return written.size() == 1 ? fileSize / seconds : 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 21;
    MinimalResponder responder(fileSize);
    SimulatedUsb usb;
    QTemporaryDir folder;
    if (!usb.isValid() || !responder.isValid() || !folder.isValid()) {
        std::fprintf(stderr, "Needs umockdev-wrapper: umockdev-wrapper %s\n", argv[0]);
        return 1;
    }
    const QString portName = plugAsCalculator(usb, responder);
    if (portName.isEmpty()) {
        std::fprintf(stderr, "Could not plug the responder\n");
        return 1;
    }

    std::printf("%d rounds of %d KiB\n", rounds, fileSize / 1024);
    std::printf("%-6s %14s %14s %8s %9s\n", "chunk", "with MB/s", "without MB/s", "ratio", "reports");
    for (int chunk : {512, 4096}) {
        responder.setChunkSize(chunk);
        CUlvoCalc link {QSerialPortInfo(portName)};
        if (link.currentChunkSize() != chunk) {
            std::fprintf(stderr, "The link did not take chunk size %d\n", chunk);
            return 1;
        }
        // As the application has it: a receiver on another object, reached through the event queue.
        QObject receiver;
        int reports = 0;
        auto token = std::make_shared<CancelToken>();
        std::vector<double> with, without, ratio;
        for (int round = 0; round < rounds; ++round) {
            double rateWith = 0, rateWithout = 0;
            for (int turn = 0; turn < 2; ++turn) {
                const bool reporting = (turn == 0) == (round % 2 == 0);
                QMetaObject::Connection connection;
                if (reporting) {
                    link.setCancelToken(token);
                    connection = QObject::connect(&link, &CUlvoCalc::progress, &receiver,
                                                  [&reports](const TransferProgress &) { ++reports; },
                                                  Qt::QueuedConnection);
                } else {
                    link.setCancelToken(nullptr);
                }
                (reporting ? rateWith : rateWithout) = downloadRate(link, folder.path());
                QObject::disconnect(connection);
                QCoreApplication::processEvents();
            }
            if (rateWith == 0 || rateWithout == 0) {
                std::fprintf(stderr, "Download failed (chunk %d, round %d)\n", chunk, round);
                return 1;
            }
            with.push_back(rateWith);
            without.push_back(rateWithout);
            ratio.push_back(rateWith / rateWithout);
        }
        std::printf("%-6d %14.2f %14.2f %8.3f %9.1f\n", chunk, BenchSupport::median(with) / 1e6,
                    BenchSupport::median(without) / 1e6, BenchSupport::median(ratio),
                    double(reports) / rounds);
    }
    return 0;
}
