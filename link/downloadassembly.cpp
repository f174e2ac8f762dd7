#include "link/downloadassembly.h"

#include "link/linktexts.h"

#include <algorithm>

using UlvoCalc::calcMsg;

DownloadAssembly::DownloadAssembly(int fileSize, int chunkSize)
    : m_content(std::max(0, fileSize), '\0')
    , m_chunkSize(std::max(1, chunkSize))
    , m_frameCount(int((qint64(m_content.size()) + m_chunkSize - 1) / m_chunkSize))
{
    m_received.resize(m_frameCount);
}

DownloadAssembly::Step DownloadAssembly::take(const QByteArray &payload)
{
    if (m_taken >= m_frameCount)
        return fail(calcMsg::INVALID_FRAME_NUMBER, LinkTexts::wrongFrameNumber());
    calcMsg answer;
    if (!parseAnswer(payload, answer))
        return fail(calcMsg::UNSPECIFITED_ERROR, LinkTexts::unreadableAnswer());
    if (answer.type() != calcMsg::FRAME) {
        const ExchangeFailure refused = refusal(answer);
        return fail(refused.errorType, refused.text);
    }
    // Frame contents are untrusted: the bytes must exist, be exactly as many as announced, and
    // land inside the file at a place no other frame has filled.
    const UlvoCalc::calcFrame &frame = answer.frame();
    if (frame.data_size() < 1 || frame.size() < 0 || qint64(frame.size()) != qint64(frame.data(0).size()))
        return fail(calcMsg::DATASIZE_INVALID, LinkTexts::wrongDataSize());
    const int k = frame.framenum();
    if (k < 0 || k >= m_frameCount || m_received.at(k))
        return fail(calcMsg::INVALID_FRAME_NUMBER, LinkTexts::wrongFrameNumber());
    const qint64 offset = qint64(m_chunkSize) * k;
    if (offset + frame.size() > m_content.size())
        return fail(calcMsg::INVALID_FRAME_NUMBER, LinkTexts::wrongFrameNumber());
    // Every frame but the last carries a whole chunk, the last one the rest.
    const qint64 expected = std::min<qint64>(m_chunkSize, m_content.size() - offset);
    if (frame.size() != expected)
        return fail(calcMsg::DATASIZE_INVALID, LinkTexts::wrongDataSize());
    std::copy_n(frame.data(0).data(), frame.size(), m_content.data() + offset);
    m_received[k] = true;
    ++m_taken;
    return m_taken == m_frameCount ? Step::Complete : Step::NeedMore;
}

DownloadAssembly::Step DownloadAssembly::fail(int errorType, const QString &text)
{
    m_failure = {errorType, text};
    m_content.clear();
    return Step::Failed;
}
