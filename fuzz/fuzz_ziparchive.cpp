// Any bytes opened as an archive: one that is accepted reads back entry by entry at the sizes it
// records (or refuses the entry), and never more than the bound is read.
#include "fuzzcheck.h"
#include "link/ziparchive.h"

namespace {
constexpr qint64 maxEntrySize = 1 << 20;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ZipArchive archive;
    if (!archive.openFromMemory(QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size))))
        return 0;
    for (qint64 i = 0; i < archive.entryCount(); ++i) {
        archive.isFolder(i);
        const std::optional<QByteArray> content = archive.readEntry(i, maxEntrySize);
        FUZZ_CHECK(!content || content->size() == archive.entrySize(i).value_or(-1));
        FUZZ_CHECK(!content || content->size() <= maxEntrySize);
    }
    FUZZ_CHECK(archive.close());
    return 0;
}
