#include "link/framecodec.h"

#include <cstring>

namespace FrameCodec {

const QByteArray &preamble()
{
    static const QByteArray value("CALC", 4);
    return value;
}

void addSize(QByteArray &data)
{
    const quint16 n = static_cast<quint16>(data.size() & 0xFFFF);
    data.prepend(static_cast<char>((n >> 8) & 0xFF));
    data.prepend(static_cast<char>(n & 0xFF));
}

void addPreamble(QByteArray &data)
{
    data.prepend(preamble());
}

bool frame(QByteArray &data)
{
    if (data.size() > maxPayload)
        return false;
    addSize(data);
    addPreamble(data);
    return true;
}

} // namespace FrameCodec

void FrameDecoder::feed(const QByteArray &bytes)
{
    // Drop what has been consumed before growing, so a long stream does not accumulate.
    if (m_pos > 0 && m_pos >= m_buffer.size() / 2) {
        m_buffer.remove(0, m_pos);
        m_pos = 0;
    }
    m_buffer.append(bytes);
}

std::optional<QByteArray> FrameDecoder::takeFrame()
{
    const int end = m_buffer.size();
    while (m_state == State::Hunting && m_pos < end) {
        if (isPreamble(m_buffer.at(m_pos++)))
            m_state = State::Length;
    }
    if (m_state == State::Length && end - m_pos >= 2) {
        const auto lo = static_cast<unsigned char>(m_buffer.at(m_pos));
        const auto hi = static_cast<unsigned char>(m_buffer.at(m_pos + 1));
        m_length = lo + 256 * hi;
        m_pos += 2;
        m_state = State::Payload;
    }
    if (m_state == State::Payload && end - m_pos >= m_length) {
        QByteArray payload = m_buffer.mid(m_pos, m_length);
        m_pos += m_length;
        m_state = State::Hunting;
        // The next preamble is made of bytes after this frame only.
        std::memset(m_window, 0, sizeof m_window);
        if (m_pos >= m_buffer.size()) {
            m_buffer.clear();
            m_pos = 0;
        }
        return payload;
    }
    return std::nullopt;
}

void FrameDecoder::clear()
{
    m_buffer.clear();
    m_pos = 0;
    m_length = 0;
    m_state = State::Hunting;
    std::memset(m_window, 0, sizeof m_window);
}

bool FrameDecoder::isPreamble(char c)
{
    std::memmove(m_window, m_window + 1, 3);
    m_window[3] = c;
    return std::memcmp(m_window, FrameCodec::preamble().constData(), 4) == 0;
}
