#pragma once

#include <QByteArray>

#include <cstddef>
#include <vector>

namespace UlvoCalc {
class calcMsg;
}

// Small pieces the benchmarks share.
namespace BenchSupport {

// Writes all n bytes to a blocking descriptor; false on failure or end of line.
bool writeAll(int fd, const char *data, size_t n);
inline bool writeAll(int fd, const QByteArray &bytes)
{
    return writeAll(fd, bytes.constData(), size_t(bytes.size()));
}
// Reads exactly n bytes from a blocking descriptor; false on failure or end of line.
bool readAll(int fd, char *data, size_t n);
// A message serialised and framed for the line.
QByteArray framedMessage(const UlvoCalc::calcMsg &msg);
// A FRAME message carrying n bytes of file data as frame number num, framed for the line.
QByteArray framedFileFrame(int num, const char *data, int n);
// The middle value (the upper one of an even count); 0 for none.
double median(std::vector<double> values);

} // namespace BenchSupport
