#pragma once

#include "link/answertext.h"

#include <QByteArray>
#include <QVector>

// Puts a download together from the calculator's answers, without any I/O: the driver sends
// GET_FILE, hands every payload that arrives to take(), sends an ack while the answer is
// NeedMore, and keeps content() once it is Complete. The file is accepted only when the frames
// cover the listed size exactly once each: every frame number once, every frame's data as long as
// its size, frame k at offset k * chunk size.
class DownloadAssembly
{
public:
    enum class Step { NeedMore, Complete, Failed };

    // fileSize as listed (1 .. any), chunkSize as the calculator announced it (>= 1).
    DownloadAssembly(int fileSize, int chunkSize);

    int frameCount() const { return m_frameCount; }
    Step take(const QByteArray &payload);
    // The file, once Complete.
    const QByteArray &content() const { return m_content; }
    // Why, once Failed.
    const ExchangeFailure &failure() const { return m_failure; }

private:
    Step fail(int errorType, const QString &text);

    QByteArray m_content;
    QVector<bool> m_received;
    int m_chunkSize;
    int m_frameCount;
    int m_taken = 0;
    ExchangeFailure m_failure;
};
