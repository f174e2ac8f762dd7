#pragma once

#include "serializeData.pb.h"

#include <QByteArray>

// Splits an upload into the FRAME messages that follow an accepted SEND_FILE, without any I/O:
// frame k carries the file's bytes from offset k * chunk size, a whole chunk in every frame but
// the last. The calculator takes a short frame as the end of the file, so a file whose length is
// a whole multiple of the chunk size ends with an empty frame. An empty file has no frames at
// all: SEND_FILE alone stores it. The driver sends every frame in turn and waits for each
// answer before the next.
class UploadFraming
{
public:
    // content is the whole file, held (not copied) until the last frame is out; chunkSize as the
    // calculator announced it, taken as 1 when smaller.
    UploadFraming(const QByteArray &content, int chunkSize);

    // Frames a file of fileSize bytes travels in.
    static qint64 frameCount(qint64 fileSize, int chunkSize);

    bool hasNext() const { return m_next < m_frameCount; }
    // Writes the next frame into msg, a FRAME message that is reused from frame to frame so that
    // its buffers are allocated once; returns how many file bytes that frame carries.
    int next(UlvoCalc::calcMsg &msg);

private:
    const QByteArray &m_content;
    int m_chunkSize;
    qint64 m_frameCount;
    qint64 m_next = 0;
};
