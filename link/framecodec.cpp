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

void writeHeader(char *dest, int size)
{
    std::memcpy(dest, preamble().constData(), 4);
    dest[4] = static_cast<char>(size & 0xFF);
    dest[5] = static_cast<char>((size >> 8) & 0xFF);
}

} // namespace FrameCodec

void FrameDecoder::feed(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return;
    std::memcpy(space(bytes.size()), bytes.constData(), size_t(bytes.size()));
    commit(bytes.size());
}

char *FrameDecoder::space(int n)
{
    // Move what is still unread to the front instead of growing, so the buffer stays as large as
    // one read plus an unfinished frame.
    if (m_pos == m_end) {
        m_pos = m_end = 0;
    } else if (m_pos > 0 && size_t(m_end) + size_t(n) > m_buffer.size()) {
        std::memmove(m_buffer.data(), m_buffer.data() + m_pos, size_t(m_end - m_pos));
        m_end -= m_pos;
        m_pos = 0;
    }
    if (size_t(m_end) + size_t(n) > m_buffer.size())
        m_buffer.resize(size_t(m_end) + size_t(n));
    return m_buffer.data() + m_end;
}

void FrameDecoder::commit(int n)
{
    m_end += n;
}

std::optional<QByteArray> FrameDecoder::takeFrame()
{
    if (const std::optional<FramePayload> payload = nextFrame())
        return QByteArray(payload->data, payload->size);
    return std::nullopt;
}

std::optional<FramePayload> FrameDecoder::nextFrame()
{
    const char *bytes = m_buffer.data();
    while (m_state == State::Hunting && m_pos < m_end) {
        if (isPreamble(bytes[m_pos++]))
            m_state = State::Length;
    }
    if (m_state == State::Length && m_end - m_pos >= 2) {
        const auto lo = static_cast<unsigned char>(bytes[m_pos]);
        const auto hi = static_cast<unsigned char>(bytes[m_pos + 1]);
        m_length = lo + 256 * hi;
        m_pos += 2;
        m_state = State::Payload;
    }
    if (m_state == State::Payload && m_end - m_pos >= m_length) {
        const FramePayload payload {bytes + m_pos, m_length};
        m_pos += m_length;
        m_state = State::Hunting;
        // The next preamble is made of bytes after this frame only.
        std::memset(m_window, 0, sizeof m_window);
        return payload;
    }
    return std::nullopt;
}

void FrameDecoder::clear()
{
    m_pos = 0;
    m_end = 0;
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
