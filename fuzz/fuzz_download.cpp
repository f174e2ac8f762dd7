// Any answers to GET_FILE: a download is accepted only when the frames cover the listed size
// exactly once each, frame k carrying bytes k * chunk onwards.
#include "exchangeinput.h"
#include "fuzzcheck.h"
#include "link/downloadassembly.h"
#include "serializeData.pb.h"

#include <QMap>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const int fileSize = input.ConsumeIntegralInRange(1, 1 << 16);
    const int chunkSize = input.ConsumeIntegralInRange(1, 4096);
    DownloadAssembly assembly(fileSize, chunkSize);
    QMap<int, QByteArray> frames; // as the calculator sent them, by number
    int duplicates = 0;
    DownloadAssembly::Step step = DownloadAssembly::Step::NeedMore;
    while (step == DownloadAssembly::Step::NeedMore && input.remaining_bytes() > 0) {
        const QByteArray payload = nextPayload(input);
        UlvoCalc::calcMsg msg;
        if (msg.ParseFromArray(payload.constData(), payload.size()) && msg.frame().data_size() > 0) {
            duplicates += frames.contains(msg.frame().framenum()) ? 1 : 0;
            frames.insert(msg.frame().framenum(), QByteArray::fromStdString(msg.frame().data(0)));
        }
        step = assembly.take(payload);
    }
    if (step != DownloadAssembly::Step::Complete)
        return 0;
    FUZZ_CHECK(duplicates == 0 && frames.size() == assembly.frameCount());
    FUZZ_CHECK(assembly.content().size() == fileSize);
    for (auto frame = frames.cbegin(); frame != frames.cend(); ++frame)
        FUZZ_CHECK(assembly.content().mid(frame.key() * chunkSize, chunkSize) == frame.value());
    return 0;
}
