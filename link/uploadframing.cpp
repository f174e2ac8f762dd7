#include "link/uploadframing.h"

#include <algorithm>

UploadFraming::UploadFraming(const QByteArray &content, int chunkSize)
    : m_content(content)
    , m_chunkSize(std::max(1, chunkSize))
    , m_frameCount(frameCount(content.size(), m_chunkSize))
{
}

qint64 UploadFraming::frameCount(qint64 fileSize, int chunkSize)
{
    if (fileSize <= 0)
        return 0;
    // Whole chunks, then the short (possibly empty) frame that ends the file.
    return fileSize / std::max(1, chunkSize) + 1;
}

int UploadFraming::next(UlvoCalc::calcMsg &msg)
{
    const qint64 offset = m_next * m_chunkSize;
    const int n = int(std::min<qint64>(m_content.size() - offset, m_chunkSize));
    msg.set_type(UlvoCalc::calcMsg::FRAME);
    UlvoCalc::calcFrame *frame = msg.mutable_frame();
    frame->set_framenum(int(m_next));
    frame->set_size(n);
    if (frame->data_size() != 1) {
        frame->clear_data();
        frame->add_data();
    }
    frame->mutable_data(0)->assign(m_content.constData() + offset, size_t(n));
    ++m_next;
    return n;
}
