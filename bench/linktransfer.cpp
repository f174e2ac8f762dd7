// The link against a bare read/write exchange, both talking to the same minimal responder on a
// pty: throughput and the host thread's CPU per frame, downloads and uploads, chunks of 512 and
// 4096 bytes. The full simulator's rows are bench/transfer's.
// Run by hand: umockdev-wrapper build/bench/linktransfer [rounds, default 41]
// Many short rounds alternate link and bare exchange (and which goes first); the figures are
// medians and each ratio is the median of the rounds' ratios, which keeps a shared machine's load
// out of them. CPU is the calling thread's own clock (the responder runs on another thread).

#include "bench/benchsupport.h"
#include "bench/minimalresponder.h"
#include "link/culvocalc.h"
#include "tools/simulator/simulatedusb.h"

#include <QCoreApplication>
#include <QFile>
#include <QSerialPortInfo>

#include <algorithm>
#include <termios.h>
#include <cstdio>
#include <time.h>
#include <unistd.h>
#include <vector>

using UlvoCalc::calcMsg;

namespace {

using BenchSupport::framedMessage;
using BenchSupport::median;

constexpr int fileSize = 128 * 1024;
constexpr int headerSize = 6;

double nowNs(clockid_t clock)
{
    timespec t {};
    clock_gettime(clock, &t);
    return t.tv_sec * 1e9 + t.tv_nsec;
}

struct Sample {
    double bytesPerSecond = 0;
    double cpuUsPerFrame = 0;
    bool ok = false;
};

// Wall and thread CPU time of one transfer of `frames` frames.
template<typename Transfer>
Sample measure(int frames, Transfer transfer)
{
    const double wall0 = nowNs(CLOCK_MONOTONIC);
    const double cpu0 = nowNs(CLOCK_THREAD_CPUTIME_ID);
    Sample s;
    s.ok = transfer();
    const double cpu = nowNs(CLOCK_THREAD_CPUTIME_ID) - cpu0;
    const double wall = nowNs(CLOCK_MONOTONIC) - wall0;
    s.bytesPerSecond = fileSize / (wall / 1e9);
    s.cpuUsPerFrame = cpu / 1e3 / frames;
    return s;
}

// The host side with nothing but reads and writes of frames built beforehand.
class BareExchange
{
public:
    BareExchange(int fd, int chunkSize, const QByteArray &content)
        : m_fd(fd), m_buffer(1 << 17)
    {
        calcMsg ack;
        ack.set_type(calcMsg::SUCCESS);
        m_ack = framedMessage(ack);
        calcMsg get;
        get.set_type(calcMsg::GET_FILE);
        get.mutable_finf()->set_name("BENCH.bin");
        get.mutable_finf()->set_size(content.size());
        m_getFile = framedMessage(get);
        calcMsg put = get;
        put.set_type(calcMsg::SEND_FILE);
        m_sendFile = framedMessage(put);
        for (int offset = 0, num = 0;; offset += chunkSize, ++num) {
            const int n = std::min(chunkSize, int(content.size()) - offset);
            m_uploadFrames.push_back(BenchSupport::framedFileFrame(num, content.constData() + offset, n));
            if (n < chunkSize)
                break;
        }
        m_downloadFrames = (content.size() + chunkSize - 1) / chunkSize;
    }
    int downloadFrames() const { return m_downloadFrames; }
    int uploadFrames() const { return int(m_uploadFrames.size()); }

    bool download()
    {
        const BlockingReads blocking(m_fd);
        if (!write(m_getFile))
            return false;
        for (int i = 0; i < m_downloadFrames; ++i) {
            if (!skipFrame() || (i + 1 < m_downloadFrames && !write(m_ack)))
                return false;
        }
        return true;
    }
    bool upload()
    {
        const BlockingReads blocking(m_fd);
        if (!write(m_sendFile) || !skipFrame())
            return false;
        for (const QByteArray &f : m_uploadFrames) {
            if (!write(f) || !skipFrame())
                return false;
        }
        return true;
    }

private:
    // The link's port leaves the line returning at once from an empty read; a bare exchange
    // blocks in read() until bytes come.
    class BlockingReads
    {
    public:
        explicit BlockingReads(int fd) : m_fd(fd)
        {
            tcgetattr(fd, &m_saved);
            termios tio = m_saved;
            tio.c_cc[VMIN] = 1;
            tio.c_cc[VTIME] = 0;
            tcsetattr(fd, TCSANOW, &tio);
        }
        ~BlockingReads() { tcsetattr(m_fd, TCSANOW, &m_saved); }

    private:
        int m_fd;
        termios m_saved {};
    };

    bool write(const QByteArray &bytes) { return BenchSupport::writeAll(m_fd, bytes); }
    // Reads one whole frame, as few reads as the line allows, and drops it.
    bool skipFrame()
    {
        for (;;) {
            const size_t available = m_end - m_begin;
            if (available >= size_t(headerSize)) {
                const unsigned char *head = reinterpret_cast<unsigned char *>(m_buffer.data() + m_begin);
                const size_t length = size_t(headerSize) + (head[4] | (head[5] << 8));
                if (available >= length) {
                    m_begin += length;
                    return true;
                }
            }
            if (m_begin == m_end)
                m_begin = m_end = 0;
            const ssize_t n = ::read(m_fd, m_buffer.data() + m_end, m_buffer.size() - m_end);
            if (n <= 0)
                return false;
            m_end += size_t(n);
        }
    }

    int m_fd;
    std::vector<char> m_buffer;
    size_t m_begin = 0;
    size_t m_end = 0;
    QByteArray m_ack;
    QByteArray m_getFile;
    QByteArray m_sendFile;
    std::vector<QByteArray> m_uploadFrames;
    int m_downloadFrames = 0;
};

struct Row {
    std::vector<double> linkRate, rawRate, linkCpu, rawCpu, rateRatio, cpuRatio;
    // One round of both, in the order given; false when either transfer failed.
    template<typename LinkTransfer, typename RawTransfer>
    bool addRound(bool linkFirst, int frames, LinkTransfer linkTransfer, RawTransfer rawTransfer)
    {
        Sample link, raw;
        if (linkFirst)
            link = measure(frames, linkTransfer);
        raw = measure(frames, rawTransfer);
        if (!linkFirst)
            link = measure(frames, linkTransfer);
        if (!link.ok || !raw.ok)
            return false;
        add(link, raw);
        return true;
    }
    void add(const Sample &link, const Sample &raw)
    {
        linkRate.push_back(link.bytesPerSecond);
        rawRate.push_back(raw.bytesPerSecond);
        linkCpu.push_back(link.cpuUsPerFrame);
        rawCpu.push_back(raw.cpuUsPerFrame);
        rateRatio.push_back(link.bytesPerSecond / raw.bytesPerSecond);
        cpuRatio.push_back(link.cpuUsPerFrame / raw.cpuUsPerFrame);
    }
    void print(int chunk, const char *direction) const
    {
        std::printf("%-6d %-9s %10.2f %10.2f %8.2f %11.2f %11.2f %8.2f\n", chunk, direction,
                    median(linkRate) / 1e6, median(rawRate) / 1e6, median(rateRatio), median(linkCpu),
                    median(rawCpu), median(cpuRatio));
    }
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 41;
    MinimalResponder responder(fileSize);
    SimulatedUsb usb;
    if (!usb.isValid() || !responder.isValid()) {
        std::fprintf(stderr, "Needs umockdev-wrapper: umockdev-wrapper %s\n", argv[0]);
        return 1;
    }
    // A device with the calculator's ids whose node leads to the responder's line instead of a
    // line nobody serves.
    const QString portName = plugAsCalculator(usb, responder);
    if (portName.isEmpty()) {
        std::fprintf(stderr, "Could not plug the responder\n");
        return 1;
    }

    std::printf("%d rounds of %d KiB\n", rounds, fileSize / 1024);
    std::printf("%-6s %-9s %10s %10s %8s %11s %11s %8s\n", "chunk", "direction", "link MB/s", "raw MB/s",
                "ratio", "link us/fr", "raw us/fr", "ratio");
    for (int chunk : {512, 4096}) {
        responder.setChunkSize(chunk);
        CUlvoCalc link {QSerialPortInfo(portName)};
        if (link.currentChunkSize() != chunk) {
            std::fprintf(stderr, "The link did not take chunk size %d\n", chunk);
            return 1;
        }
        BareExchange raw(responder.hostFd(), chunk, responder.content());
        UlvoCalc::fileInf inf;
        inf.set_name("BENCH.bin");
        inf.set_size(fileSize);
        // The download is checked after its round, outside the timed part: the bare exchange
        // keeps nothing to check.
        std::optional<QByteArray> downloaded;
        const auto linkDown = [&] {
            downloaded = link.getData(inf);
            return downloaded.has_value();
        };
        const auto linkUp = [&] { return link.sendFile(inf, responder.content()); };
        Row down, up;
        for (int round = 0; round < rounds; ++round) {
            // Alternate which goes first, so neither always meets the caches the other warmed.
            const bool linkFirst = round % 2 == 0;
            if (!down.addRound(linkFirst, raw.downloadFrames(), linkDown, [&] { return raw.download(); })
                || downloaded != responder.content()
                || !up.addRound(linkFirst, raw.uploadFrames(), linkUp, [&] { return raw.upload(); })) {
                std::fprintf(stderr, "Transfer failed (chunk %d, round %d)\n", chunk, round);
                return 1;
            }
        }
        down.print(chunk, "download");
        up.print(chunk, "upload");
    }
    return 0;
}
