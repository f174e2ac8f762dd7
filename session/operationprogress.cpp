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
    case Phase::Checking: return tr("Checking the backup archive");
    case Phase::Clearing: return tr("Clearing the calculator");
    case Phase::Rebooting: return tr("Restarting the calculator");
    case Phase::Waiting: return tr("Waiting for the calculator");
    //: Progress: followed by the file's name, its place in the batch and the percentage.
    case Phase::SafetyCopy: return tr("Making a safety copy") + fileAndPercent();
    case Phase::Transferring: break;
    }
    // Each followed by the file's name, its place in the batch and the percentage.
    QString verb;
    switch (m_kind) {
    case Kind::None: return QString();
    //: Progress of a download, followed by the file's name and the percentage.
    case Kind::Download: verb = tr("Downloading"); break;
    //: Progress of a send, followed by the file's name and the percentage.
    case Kind::Send: verb = tr("Sending"); break;
    //: Progress of a backup, followed by the file's name and the percentage.
    case Kind::Backup: verb = tr("Backing up"); break;
    //: Progress of a restore, followed by the file's name and the percentage.
    case Kind::Restore: verb = tr("Restoring"); break;
    //: Progress of opening a program from the calculator, followed by its name and the percentage.
    case Kind::EditorOpen: verb = tr("Opening"); break;
    //: Progress of a send, followed by the file's name and the percentage.
    case Kind::EditorSend: verb = tr("Sending"); break;
    }
    return verb + fileAndPercent();
}

QString OperationProgress::fileAndPercent() const
{
    QString text;
    if (!m_state.fileName.isEmpty())
        text += QLatin1Char(' ') + m_state.fileName;
    if (m_state.fileCount > 1 && m_state.fileIndex > 0)
        //: Progress: file %1 of the %2 files of the batch.
        text += tr(" (%1 of %2)").arg(m_state.fileIndex).arg(m_state.fileCount);
    //: Progress: the percentage done.
    text += tr(" — %1 %").arg(percent());
    const int left = secondsLeft();
    if (left >= 60)
        //: Progress: the time left in minutes.
        text += tr(", about %1 min left").arg((left + 59) / 60);
    else if (left >= 0)
        //: Progress: the time left in seconds.
        text += tr(", about %1 s left").arg(left);
    return text;
}

QString OperationProgress::cancelledText() const
{
    const int done = m_state.filesDone;
    const int count = m_state.fileCount;
    switch (m_kind) {
    case Kind::Download:
        return tr("Download cancelled: %1 of %n files downloaded", "", count).arg(done);
    case Kind::Send:
        return tr("Send cancelled: %1 of %n files sent", "", count).arg(done);
    case Kind::Backup:
        return tr("Backup cancelled: %1 of %n files read, no archive was made", "", count).arg(done);
    case Kind::Restore:
        return tr("Restore cancelled: the calculator was not changed");
    case Kind::EditorOpen:
        return tr("Opening cancelled: the program was not opened");
    case Kind::EditorSend:
    case Kind::None:
        break;
    }
    return tr("Operation cancelled");
}
