// Any answer to GET_DEVICE_INF: read or refused, and a chunk size the link can frame.
#include "exchangeinput.h"
#include "fuzzcheck.h"
#include "link/deviceinfo.h"
#include "link/linklimits.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::optional<DeviceInfo> info =
        readDeviceInfo(QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size)));
    FUZZ_CHECK(!info || (info->chunkSize >= 1 && info->chunkSize <= LinkLimits::maxChunkSize));
    return 0;
}
