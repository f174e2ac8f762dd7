#include "link/deviceinfo.h"

#include "link/answertext.h"
#include "link/linklimits.h"

#include <algorithm>

std::optional<DeviceInfo> readDeviceInfo(const QByteArray &payload)
{
    UlvoCalc::calcMsg answer;
    if (!parseAnswer(payload, answer) || answer.type() != UlvoCalc::calcMsg::SEND_DEVICE_INF
        || !answer.has_devinf())
        return std::nullopt;
    const UlvoCalc::deviceInf &inf = answer.devinf();
    DeviceInfo info;
    info.hv = QString::fromStdString(inf.hv());
    info.fv = QString::fromStdString(inf.fv());
    info.pv = QString::fromStdString(inf.pv());
    info.name = QString::fromStdString(inf.name());
    // A chunk size of nothing would make every read ask for no bytes; one too large could not be
    // framed together with the FRAME message's own fields.
    const int reported = inf.maxchunksize();
    info.chunkSize = reported <= 0 ? LinkLimits::defaultChunkSize : std::min(reported, LinkLimits::maxChunkSize);
    return info;
}
