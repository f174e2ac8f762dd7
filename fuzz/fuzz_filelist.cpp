// Any answers to GET_FILES_INF: never more files than announced, and every listed name is the
// text of the bytes the calculator sent, so it can be asked for again by exactly those bytes.
#include "exchangeinput.h"
#include "fuzzcheck.h"
#include "link/calcname.h"
#include "link/filelisting.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const int count = input.ConsumeIntegralInRange(-2, 300);
    FileListCollector collector(count);
    FileListCollector::Step step = FileListCollector::Step::Next;
    while (collector.wantsList() && step != FileListCollector::Step::Done && input.remaining_bytes() > 0)
        step = collector.take(nextPayload(input));
    FUZZ_CHECK(collector.files().size() <= qMax(count, 0));
    for (const auto &file : collector.files())
        FUZZ_CHECK(CalcName::decode(CalcName::encode(file.first)) == file.first);
    return 0;
}
