// Any bytes offered as a backup to restore: an archive that passes the check holds at least one
// file, every file has a calculator name and reads back whole within the size limit.
#include "fuzzcheck.h"
#include "link/backuparchivecheck.h"
#include "link/calcname.h"
#include "link/linklimits.h"
#include "link/ziparchive.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ZipArchive archive;
    if (!archive.openFromMemory(QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size)))
        || !checkOpenBackupArchive(archive).isEmpty())
        return 0;
    int files = 0;
    for (qint64 i = 0; i < archive.entryCount(); ++i) {
        if (archive.isFolder(i))
            continue;
        ++files;
        FUZZ_CHECK(CalcName::isValid(archive.entryName(i)));
        FUZZ_CHECK(archive.readEntry(i, LinkLimits::maxFileSize).has_value());
    }
    FUZZ_CHECK(files >= 1 && files <= LinkLimits::maxFileCount);
    return 0;
}
