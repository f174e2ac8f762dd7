// Any byte stream, cut into any pieces, gives the frames that a reader taking one byte at a time
// finds, in the same order, and leaves the decoder in the same state.
#include "fuzzcheck.h"
#include "link/framecodec.h"

#include <QList>
#include <cstring>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

// The framing rule with nothing buffered: hunt with a four-byte window that starts afresh after
// each frame, then two length bytes (low first), then the payload.
struct ReferenceReader {
    char window[4] = {0, 0, 0, 0};
    QByteArray header;
    QByteArray payload;
    FrameDecoder::State state = FrameDecoder::State::Hunting;
    QList<QByteArray> frames;

    void read(char c)
    {
        switch (state) {
        case FrameDecoder::State::Hunting:
            std::memmove(window, window + 1, 3);
            window[3] = c;
            if (std::memcmp(window, "CALC", 4) == 0) {
                state = FrameDecoder::State::Length;
                header.clear();
            }
            return;
        case FrameDecoder::State::Length:
            header += c;
            if (header.size() == 2) {
                payload.clear();
                state = FrameDecoder::State::Payload;
                endIfComplete();
            }
            return;
        case FrameDecoder::State::Payload:
            payload += c;
            endIfComplete();
            return;
        }
    }
    // Bytes of an unfinished frame after its preamble.
    int pending() const
    {
        if (state == FrameDecoder::State::Length)
            return header.size();
        return state == FrameDecoder::State::Payload ? payload.size() : 0;
    }
    void endIfComplete()
    {
        const int length = quint8(header[0]) + 256 * quint8(header[1]);
        if (payload.size() == length) {
            frames.append(payload);
            state = FrameDecoder::State::Hunting;
            std::memset(window, 0, sizeof window);
        }
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    // The number of pieces is the last byte, their lengths (used in turn) come first, the stream
    // after them.
    const std::vector<uint8_t> pieces = input.ConsumeBytes<uint8_t>(input.ConsumeIntegralInRange(0, 16));
    const std::string stream = input.ConsumeRemainingBytesAsString();

    ReferenceReader reference;
    for (char c : stream)
        reference.read(c);

    FrameDecoder decoder;
    QList<QByteArray> frames;
    for (size_t at = 0, i = 0; at < stream.size(); ++i) {
        const size_t length = pieces.empty() ? stream.size() : 1 + pieces[i % pieces.size()];
        decoder.feed(QByteArray());
        decoder.feed(QByteArray::fromStdString(stream.substr(at, length)));
        at += length;
        while (std::optional<QByteArray> frame = decoder.takeFrame())
            frames.append(*frame);
    }
    FUZZ_CHECK(frames == reference.frames);
    FUZZ_CHECK(decoder.state() == reference.state);
    FUZZ_CHECK(decoder.hasBufferedBytes() == (reference.pending() > 0));
    return 0;
}
