#pragma once

#include <QElapsedTimer>
#include <QMetaType>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>

// Where a long operation of the link stands. Sent to the user interface as it goes.
struct TransferProgress {
    // What a restore is doing; the other operations only transfer. SafetyCopy is set by the
    // session's worker while it copies files that a delete or restore is about to erase.
    enum class Phase { Transferring, Checking, Clearing, Rebooting, Waiting, SafetyCopy };

    Phase phase = Phase::Transferring;
    int fileIndex = 0; // from 1 once the first file has begun
    int fileCount = 0;
    QString fileName;
    qint64 fileBytesDone = 0;
    qint64 fileBytesTotal = 0;
    qint64 bytesDone = 0; // of the whole operation
    qint64 bytesTotal = 0;
    int filesDone = 0; // files transferred completely
    bool cancelled = false;
};
Q_DECLARE_METATYPE(TransferProgress)

// A request to stop, made on one thread and honoured by the link on another at its next frame or
// file boundary.
class CancelToken
{
public:
    void request() { m_requested.store(true, std::memory_order_relaxed); }
    void reset() { m_requested.store(false, std::memory_order_relaxed); }
    bool isRequested() const { return m_requested.load(std::memory_order_relaxed); }

private:
    std::atomic<bool> m_requested{false};
};

// Keeps the progress of the link's current operation and passes it on, at most once per
// interval while frames move so a fast link is not slowed by its own reporting; a file's start
// and end, a phase and a cancellation are always passed on.
class ProgressTracker
{
public:
    using Sink = std::function<void(const TransferProgress &)>;
    static constexpr int defaultIntervalMs = 50;

    void setSink(Sink sink) { m_sink = std::move(sink); }
    void setCancelToken(std::shared_ptr<const CancelToken> token) { m_cancel = std::move(token); }
    void setIntervalMs(int ms) { m_intervalMs = ms; }

    void beginOperation(int fileCount, qint64 bytesTotal,
                        TransferProgress::Phase phase = TransferProgress::Phase::Transferring);
    void setPhase(TransferProgress::Phase phase);
    void beginFile(const QString &name, qint64 size);
    // One frame of the current file has moved. False when a stop has been requested.
    bool frameMoved(qint64 bytes)
    {
        const qint64 left = m_state.fileBytesTotal - m_state.fileBytesDone;
        const qint64 counted = bytes < left ? bytes : left;
        m_state.fileBytesDone += counted;
        m_state.bytesDone += counted;
        if (m_sink && (!m_clock.isValid() || m_clock.elapsed() >= m_intervalMs))
            publish();
        return !isCancelRequested();
    }
    void endFile(bool transferred);
    bool isCancelRequested() const { return m_cancel && m_cancel->isRequested(); }
    // The operation stopped because it was asked to.
    void markCancelled();
    bool wasCancelled() const { return m_state.cancelled; }
    const TransferProgress &state() const { return m_state; }

private:
    void publish();

    Sink m_sink;
    std::shared_ptr<const CancelToken> m_cancel;
    TransferProgress m_state;
    QElapsedTimer m_clock;
    int m_intervalMs = defaultIntervalMs;
};
