#include "link/transferprogress.h"

void ProgressTracker::beginOperation(int fileCount, qint64 bytesTotal, TransferProgress::Phase phase)
{
    m_state = TransferProgress();
    m_state.phase = phase;
    m_state.fileCount = fileCount;
    m_state.bytesTotal = bytesTotal;
    publish();
}

void ProgressTracker::setPhase(TransferProgress::Phase phase)
{
    m_state.phase = phase;
    publish();
}

void ProgressTracker::beginFile(const QString &name, qint64 size)
{
    ++m_state.fileIndex;
    m_state.fileName = name;
    m_state.fileBytesDone = 0;
    m_state.fileBytesTotal = size;
    publish();
}

void ProgressTracker::endFile(bool transferred)
{
    // The operation's count moves past a file that failed as well, so it still ends at its total.
    m_state.bytesDone += m_state.fileBytesTotal - m_state.fileBytesDone;
    if (transferred) {
        m_state.fileBytesDone = m_state.fileBytesTotal;
        ++m_state.filesDone;
    }
    publish();
}

void ProgressTracker::markCancelled()
{
    m_state.cancelled = true;
    publish();
}

void ProgressTracker::publish()
{
    if (!m_sink)
        return;
    m_clock.start();
    m_sink(m_state);
}
