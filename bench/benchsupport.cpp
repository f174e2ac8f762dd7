#include "bench/benchsupport.h"

#include "link/framecodec.h"
#include "serializeData.pb.h"

#include <algorithm>
#include <unistd.h>

namespace BenchSupport {

bool writeAll(int fd, const char *data, size_t n)
{
    while (n > 0) {
        const ssize_t done = ::write(fd, data, n);
        if (done <= 0)
            return false;
        data += done;
        n -= size_t(done);
    }
    return true;
}

bool readAll(int fd, char *data, size_t n)
{
    while (n > 0) {
        const ssize_t done = ::read(fd, data, n);
        if (done <= 0)
            return false;
        data += done;
        n -= size_t(done);
    }
    return true;
}

QByteArray framedMessage(const UlvoCalc::calcMsg &msg)
{
    QByteArray bytes(int(msg.ByteSizeLong()), Qt::Uninitialized);
    msg.SerializeToArray(bytes.data(), bytes.size());
    FrameCodec::frame(bytes);
    return bytes;
}

QByteArray framedFileFrame(int num, const char *data, int n)
{
    UlvoCalc::calcMsg msg;
    msg.set_type(UlvoCalc::calcMsg::FRAME);
    msg.mutable_frame()->set_framenum(num);
    msg.mutable_frame()->set_size(n);
    msg.mutable_frame()->add_data(data, size_t(n));
    return framedMessage(msg);
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace BenchSupport
