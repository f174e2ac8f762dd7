// What the safety copy adds to a restore and to a delete, against the same operation without it,
// through the link to the full simulator on a pty:
//   restore of a calculator holding 1 MiB: the extra time of the copy next to a plain backup of
//   that calculator (the copy should cost no more than the backup);
//   delete of 5 files: with the copy against without it (should stay within 2x).
// Run by hand: build/bench/safetycopy [rounds, default 9]
// Prints each case's medians and ratio.
// The variants alternate (and which goes first) in every round; figures are medians, each ratio
// the median of the rounds' own ratios. The link's 3-second wait after a restart is set to 0: it
// is the same with and without the copy and would only hide the difference.

#include "bench/benchsupport.h"
#include "link/culvocalc.h"
#include "link/ziparchive.h"
#include "safety/safetycopymaker.h"
#include "tools/simulator/simulatedcalculator.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSerialPort>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

using BenchSupport::median;

constexpr int calcBytes = 1024 * 1024;
constexpr int calcFiles = 8;
constexpr int deletedFiles = 5;

std::unique_ptr<CUlvoCalc> linkTo(const QString &pty)
{
    auto port = std::make_shared<QSerialPort>();
    port->setPortName(pty);
    LinkTimeouts timeouts;
    timeouts.rebootMs = 0;
    return std::make_unique<CUlvoCalc>(port, timeouts);
}

void fillCalculator(SimulatedCalculator &calc)
{
    calc.clearFiles();
    for (int i = 0; i < calcFiles; ++i)
        calc.setFile(QStringLiteral("FILE%1.BIN").arg(i), QByteArray(calcBytes / calcFiles, char('a' + i)));
}

double timedMs(const std::function<bool()> &step)
{
    QElapsedTimer clock;
    clock.start();
    if (!step())
        std::fprintf(stderr, "a step failed\n");
    return clock.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 9;

    SimulatedCalculator calc;
    if (!calc.start()) {
        std::fprintf(stderr, "no pty\n");
        return 1;
    }
    const QString pty = calc.slavePath();
    SafetyCopies store;

    // The archive restored: 1 MiB as well.
    const QString archivePath = data.filePath(QStringLiteral("restore.ubk"));
    {
        ZipArchive archive;
        archive.create(archivePath);
        for (int i = 0; i < calcFiles; ++i)
            archive.addEntry(QStringLiteral("NEW%1.BIN").arg(i).toUtf8(), QByteArray(calcBytes / calcFiles, char('k' + i)));
        archive.close();
    }
    const QUrl archiveUrl = QUrl::fromLocalFile(archivePath);

    std::vector<double> backupMs, restoreMs, restoreCopyMs, overheadRatio;
    for (int round = 0; round < rounds; ++round) {
        auto backup = [&] {
            fillCalculator(calc);
            auto link = linkTo(pty);
            const std::optional<QString> path = link->createBackup();
            const bool ok = path && !path->isEmpty();
            if (ok)
                QFile::remove(*path);
            return ok;
        };
        auto plain = [&] {
            fillCalculator(calc);
            auto link = linkTo(pty);
            link->restoreBackup(archiveUrl);
            return calc.files().size() == calcFiles;
        };
        auto withCopy = [&] {
            fillCalculator(calc);
            auto link = linkTo(pty);
            const SafetyCopyResult copy = copyBeforeRestore(*link, store, QStringLiteral("BENCH"));
            link->restoreBackup(archiveUrl);
            SafetyCopies::remove(copy.path);
            return copy.outcome == SafetyCopyResult::Outcome::Made && calc.files().size() == calcFiles;
        };
        double b = 0, r = 0, rc = 0;
        if (round % 2 == 0) {
            b = timedMs(backup);
            r = timedMs(plain);
            rc = timedMs(withCopy);
        } else {
            rc = timedMs(withCopy);
            r = timedMs(plain);
            b = timedMs(backup);
        }
        backupMs.push_back(b);
        restoreMs.push_back(r);
        restoreCopyMs.push_back(rc);
        overheadRatio.push_back((rc - r) / b);
    }
    std::printf("restore of a calculator holding 1 MiB (%d files), %d rounds\n", calcFiles, rounds);
    std::printf("    backup alone (ms)                 %8.1f\n", median(backupMs));
    std::printf("    restore without copy (ms)         %8.1f\n", median(restoreMs));
    std::printf("    restore with copy (ms)            %8.1f\n", median(restoreCopyMs));
    std::printf("    (with - without) / backup         %8.2f\n\n", median(overheadRatio));

    // The pty answers at once; a calculator on USB takes about a millisecond per answer, which the
    // second pair of rows simulates.
    struct DeleteCase {
        int fileSize;
        int replyDelayMs;
    };
    for (const DeleteCase c : {DeleteCase{200, 0}, DeleteCase{4096, 0}, DeleteCase{200, 1}, DeleteCase{4096, 1}}) {
        const int fileSize = c.fileSize;
        calc.setReplyDelay(c.replyDelayMs);
        std::vector<double> deleteMs, deleteCopyMs, ratio;
        auto fill = [&] {
            calc.clearFiles();
            for (int i = 0; i < deletedFiles; ++i)
                calc.setFile(QStringLiteral("PROG%1.UCB").arg(i), QByteArray(fileSize, 'p'));
        };
        QList<QPair<QString, int>> doomed;
        for (int i = 0; i < deletedFiles; ++i)
            doomed.append({QStringLiteral("PROG%1.UCB").arg(i), fileSize});
        for (int round = 0; round < rounds; ++round) {
            auto plain = [&] {
                fill();
                auto link = linkTo(pty);
                link->genDelFilesRequest(doomed);
                return calc.files().isEmpty();
            };
            auto withCopy = [&] {
                fill();
                auto link = linkTo(pty);
                const SafetyCopyResult copy = copyBeforeDelete(*link, store, QStringLiteral("BENCH"), doomed);
                link->genDelFilesRequest(doomed);
                SafetyCopies::remove(copy.path);
                return copy.outcome == SafetyCopyResult::Outcome::Made && calc.files().isEmpty();
            };
            double d = 0, dc = 0;
            if (round % 2 == 0) {
                d = timedMs(plain);
                dc = timedMs(withCopy);
            } else {
                dc = timedMs(withCopy);
                d = timedMs(plain);
            }
            deleteMs.push_back(d);
            deleteCopyMs.push_back(dc);
            ratio.push_back(dc / d);
        }
        std::printf("delete of %d files of %d bytes, answers delayed %d ms, %d rounds\n", deletedFiles, fileSize,
                    c.replyDelayMs, rounds);
        std::printf("    without copy (ms)                 %8.1f\n", median(deleteMs));
        std::printf("    with copy (ms)                    %8.1f\n", median(deleteCopyMs));
        std::printf("    with / without                    %8.2f\n\n", median(ratio));
    }
    return 0;
}
