#pragma once

#include <QByteArray>
#include <optional>
#include <vector>

// Framing of messages on the calculator line: "CALC", a 16-bit little-endian payload length,
// then the payload (a serialised calcMsg). Shared by the link and the calculator simulator.
namespace FrameCodec {

inline constexpr int maxPayload = 65535;
// Preamble and length.
inline constexpr int headerSize = 6;

const QByteArray &preamble();

// Puts the two length bytes (low 16 bits of data's size, low byte first) in front of data.
void addSize(QByteArray &data);
// Puts the preamble in front of data.
void addPreamble(QByteArray &data);
// Turns a payload into a whole frame, in place. A payload the length field cannot express is
// refused and left unchanged.
bool frame(QByteArray &data);
// Writes the preamble and the length of a payload of size bytes (at most maxPayload) into the
// headerSize bytes at dest, for frames built in place behind room left for their header.
void writeHeader(char *dest, int size);

} // namespace FrameCodec

// Where a complete frame's payload lies inside a decoder's buffer.
struct FramePayload {
    const char *data = nullptr;
    int size = 0;
};

// Incremental reader of frames from a byte stream. Bytes before a preamble are skipped; bytes
// that follow a complete frame stay buffered for the next one. Each reader has its own preamble
// window, so readers on different ports never disturb each other. The buffer is kept from frame
// to frame, so a steady stream of frames allocates nothing.
class FrameDecoder
{
public:
    enum class State { Hunting, Length, Payload };

    void feed(const QByteArray &bytes);
    // Room for up to n more bytes behind those buffered, to read into; commit() then counts the
    // ones that were put there. Leaves payloads returned by nextFrame() invalid.
    char *space(int n);
    void commit(int n);
    // The payload of the next complete frame, if one has arrived.
    std::optional<QByteArray> takeFrame();
    // The same without a copy: valid until the decoder is next given bytes, space or cleared.
    std::optional<FramePayload> nextFrame();
    // Hunting until a preamble has been seen; then inside a frame.
    State state() const { return m_state; }
    bool hasBufferedBytes() const { return m_pos < m_end; }
    void clear();

    // Shifts c into the window of the last four bytes examined; true when they read "CALC".
    bool isPreamble(char c);

private:
    char m_window[4] = {0, 0, 0, 0};
    // Bytes [m_pos, m_end) are received and not yet examined or taken.
    std::vector<char> m_buffer;
    int m_pos = 0;
    int m_end = 0;
    int m_length = 0;
    State m_state = State::Hunting;
};
