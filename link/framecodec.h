#pragma once

#include <QByteArray>
#include <optional>

// Framing of messages on the calculator line: "CALC", a 16-bit little-endian payload length,
// then the payload (a serialised calcMsg). Shared by the link and the calculator simulator.
namespace FrameCodec {

inline constexpr int maxPayload = 65535;

const QByteArray &preamble();

// Puts the two length bytes (low 16 bits of data's size, low byte first) in front of data.
void addSize(QByteArray &data);
// Puts the preamble in front of data.
void addPreamble(QByteArray &data);
// Turns a payload into a whole frame, in place. A payload the length field cannot express is
// refused and left unchanged.
bool frame(QByteArray &data);

} // namespace FrameCodec

// Incremental reader of frames from a byte stream. Bytes before a preamble are skipped; bytes
// that follow a complete frame stay buffered for the next one. Each reader has its own preamble
// window, so readers on different ports never disturb each other.
class FrameDecoder
{
public:
    enum class State { Hunting, Length, Payload };

    void feed(const QByteArray &bytes);
    // The payload of the next complete frame, if one has arrived.
    std::optional<QByteArray> takeFrame();
    // Hunting until a preamble has been seen; then inside a frame.
    State state() const { return m_state; }
    bool hasBufferedBytes() const { return m_pos < m_buffer.size(); }
    void clear();

    // Shifts c into the window of the last four bytes examined; true when they read "CALC".
    bool isPreamble(char c);

private:
    char m_window[4] = {0, 0, 0, 0};
    QByteArray m_buffer;
    int m_pos = 0;
    int m_length = 0;
    State m_state = State::Hunting;
};
