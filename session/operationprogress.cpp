#include "session/operationprogress.h"

OperationProgress::OperationProgress(Kind kind)
    : m_kind(kind)
{
    m_clock.start();
}

QString OperationProgress::kindName() const
{
    switch (m_kind) {
    case Kind::None: return QString();
    case Kind::Download: return QStringLiteral("download");
    case Kind::Send: return QStringLiteral("send");
    case Kind::Backup: return QStringLiteral("backup");
    case Kind::Restore: return QStringLiteral("restore");
    case Kind::EditorOpen: return QStringLiteral("editorOpen");
    case Kind::EditorSend: return QStringLiteral("editorSend");
    }
    return QString();
}

void OperationProgress::take(const TransferProgress &state)
{
    if (state.bytesDone > m_state.bytesDone)
        ++m_movingReports;
    m_state = state;
    ++m_reports;
}

int OperationProgress::percent() const
{
    if (m_state.bytesTotal <= 0)
        return 0;
    return int(m_state.bytesDone * 100 / m_state.bytesTotal);
}

int OperationProgress::secondsLeft() const
{
    if (m_movingReports < reportsBeforeEstimate || m_state.bytesDone <= 0
        || m_state.phase != TransferProgress::Phase::Transferring)
        return -1;
    const qint64 left = m_state.bytesTotal - m_state.bytesDone;
    const double msPerByte = double(m_clock.elapsed()) / double(m_state.bytesDone);
    return int(left * msPerByte / 1000.0 + 0.999);
}

bool OperationProgress::canCancel() const
{
    // The editor sends one file, and a file in flight always completes.
    if (m_kind == Kind::None || m_kind == Kind::EditorSend || m_state.cancelled)
        return false;
    // The link itself refuses a stop once clearing has begun, whatever the window last heard.
    if (m_kind == Kind::Restore)
        return m_reports == 0 || m_state.phase == TransferProgress::Phase::Checking
               || m_state.phase == TransferProgress::Phase::SafetyCopy;
    return true;
}

QString OperationProgress::text() const
{
    using Phase = TransferProgress::Phase;
    switch (m_state.phase) {
    case Phase::Checking: return QStringLiteral("Checking the backup archive");
    case Phase::Clearing: return QStringLiteral("Clearing the calculator");
    case Phase::Rebooting: return QStringLiteral("Restarting the calculator");
    case Phase::Waiting: return QStringLiteral("Waiting for the calculator");
    case Phase::SafetyCopy: return QStringLiteral("Making a safety copy") + fileAndPercent();
    case Phase::Transferring: break;
    }
    QString verb;
    switch (m_kind) {
    case Kind::None: return QString();
    case Kind::Download: verb = QStringLiteral("Downloading"); break;
    case Kind::Send: verb = QStringLiteral("Sending"); break;
    case Kind::Backup: verb = QStringLiteral("Backing up"); break;
    case Kind::Restore: verb = QStringLiteral("Restoring"); break;
    case Kind::EditorOpen: verb = QStringLiteral("Opening"); break;
    case Kind::EditorSend: verb = QStringLiteral("Sending"); break;
    }
    return verb + fileAndPercent();
}

QString OperationProgress::fileAndPercent() const
{
    QString text;
    if (!m_state.fileName.isEmpty())
        text += QLatin1Char(' ') + m_state.fileName;
    if (m_state.fileCount > 1 && m_state.fileIndex > 0)
        text += QStringLiteral(" (%1 of %2)").arg(m_state.fileIndex).arg(m_state.fileCount);
    text += QStringLiteral(" \u2014 %1 %").arg(percent());
    const int left = secondsLeft();
    if (left >= 60)
        text += QStringLiteral(", about %1 min left").arg((left + 59) / 60);
    else if (left >= 0)
        text += QStringLiteral(", about %1 s left").arg(left);
    return text;
}

QString OperationProgress::cancelledText() const
{
    const int done = m_state.filesDone;
    const int count = m_state.fileCount;
    switch (m_kind) {
    case Kind::Download:
        return QStringLiteral("Download cancelled: %1 of %2 files downloaded").arg(done).arg(count);
    case Kind::Send:
        return QStringLiteral("Send cancelled: %1 of %2 files sent").arg(done).arg(count);
    case Kind::Backup:
        return QStringLiteral("Backup cancelled: %1 of %2 files read, no archive was made").arg(done).arg(count);
    case Kind::Restore:
        return QStringLiteral("Restore cancelled: the calculator was not changed");
    case Kind::EditorOpen:
        return QStringLiteral("Opening cancelled: the program was not opened");
    case Kind::EditorSend:
    case Kind::None:
        break;
    }
    return QStringLiteral("Operation cancelled");
}
