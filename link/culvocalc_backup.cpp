// Backup of every calculator file into one ZIP archive, and restore of such an archive.

#include "link/backuparchivecheck.h"
#include "link/backuplist.h"
#include "link/culvocalc.h"
#include "link/linktexts.h"
#include "link/ziparchive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSerialPort>
#include <QTemporaryFile>
#include <QThread>

#include <algorithm>

namespace {

// A unique name per backup, so that two running instances never write the same archive.
QString reserveBackupPath(const QString &folder)
{
    // An unusable temporary folder comes back as an empty path; never fall back to "/".
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return QString();
    QTemporaryFile file(folder + QStringLiteral("/calc-backup-XXXXXX.ubk"));
    file.setAutoRemove(false);
    return file.open() ? file.fileName() : QString();
}

} // namespace

std::optional<QString> CUlvoCalc::createBackup()
{
    if (!sendMessage(UlvoCalc::calcMsg::GET_BACKUP_INFO))
        return std::nullopt;

    // The list comes without acknowledgements and ends with a descriptor without a name.
    BackupListCollector collector;
    for (BackupListCollector::Step step = BackupListCollector::Step::NeedMore;
         step != BackupListCollector::Step::Complete;) {
        // Parsed where it lies in the receive buffer, as every other answer.
        const std::optional<FramePayload> payload = receiveFrame();
        if (!payload) {
            onError(LinkTexts::readDevice());
            return std::nullopt;
        }
        step = collector.take(QByteArray::fromRawData(payload->data, payload->size));
        if (step == BackupListCollector::Step::Failed) {
            onError(collector.failureText());
            return std::nullopt;
        }
    }
    const QList<UlvoCalc::fileInf> &list = collector.list();
    if (list.isEmpty())
        return std::nullopt;
    qint64 total = 0;
    for (const UlvoCalc::fileInf &inf : list)
        total += qMax(0, inf.size());
    m_progress.beginOperation(list.size(), total);

    const QString folder = QDir::tempPath();
    const QString path = reserveBackupPath(folder);
    ZipArchive archive;
    if (path.isEmpty() || !archive.create(path)) {
        onError(tr("Can't create backup file in the temporary folder %1")
                    .arg(path.isEmpty() ? folder : path));
        if (!path.isEmpty())
            QFile::remove(path);
        return std::nullopt;
    }
    // Only a complete archive is offered: any failure removes what was begun.
    auto fail = [this, &path](const QString &error) {
        if (!error.isEmpty())
            onError(error);
        QFile::remove(path);
        return std::nullopt;
    };
    // A stopped backup offers nothing either.
    auto stop = [this, &fail] {
        m_progress.markCancelled();
        return fail(QString());
    };
    for (const UlvoCalc::fileInf &inf : qAsConst(list)) {
        if (m_progress.isCancelRequested())
            return stop();
        m_progress.beginFile(QString::fromStdString(inf.name()), qMax(0, inf.size()));
        // An empty file has nothing to download; it is kept as an empty entry.
        QByteArray content;
        if (inf.size() != 0) {
            std::optional<QByteArray> data = getData(inf);
            if (!data && m_progress.isCancelRequested())
                return stop();
            if (!data)
                return fail(QString()); // getData has reported why
            content = std::move(*data);
        }
        if (!archive.addEntry(QByteArray::fromStdString(inf.name()), content))
            return fail(LinkTexts::cantWriteBackup());
        m_progress.endFile(true);
    }
    if (!archive.close())
        return fail(LinkTexts::cantWriteBackup());
    return path;
}

void CUlvoCalc::restoreBackup(const QUrl &url)
{
    const QString path = url.toLocalFile();
    m_progress.beginOperation(0, 0, TransferProgress::Phase::Checking);
    ZipArchive archive;
    const QString problem = checkBackupArchive(archive, path);
    if (!problem.isEmpty()) {
        onError(tr("Invalid backup file: %1 (%2)").arg(path, problem));
        return;
    }
    // The last moment a stop leaves the calculator as it was.
    if (m_progress.isCancelRequested()) {
        m_progress.markCancelled();
        return;
    }
    int entries = 0;
    qint64 total = 0;
    for (qint64 i = 0; i < archive.entryCount(); ++i) {
        if (!archive.isFolder(i)) {
            ++entries;
            total += archive.entrySize(i).value_or(0);
        }
    }
    m_progress.beginOperation(entries, total, TransferProgress::Phase::Clearing);

    if (!commandSucceeds(UlvoCalc::calcMsg::CLEAR_FILESYSTEM, LinkTexts::cantClearFilesystem()))
        return;

    m_progress.setPhase(TransferProgress::Phase::Transferring);
    for (qint64 i = 0; i < archive.entryCount(); ++i) {
        if (archive.isFolder(i))
            continue;
        m_progress.beginFile(QString::fromUtf8(archive.entryName(i)), archive.entrySize(i).value_or(0));
        const std::optional<QByteArray> content = archive.readEntry(i, maxFileSize);
        if (!content) {
            onError(tr("Can't read backup file: %1").arg(path));
            break;
        }
        UlvoCalc::fileInf inf;
        inf.set_name(archive.entryName(i).toStdString());
        inf.set_size(content->size());
        const bool sent = sendFile(inf, *content);
        m_progress.endFile(sent);
        if (!sent)
            break; // the calculator's refusal has been reported
    }
    archive.close();

    // The calculator restarts after the clear whatever was sent.
    m_progress.setPhase(TransferProgress::Phase::Rebooting);
    if (!commandSucceeds(UlvoCalc::calcMsg::REBOOT, LinkTexts::cantRebootDevice()))
        return;
    port->close();
    if (decoder)
        decoder->clear();
    m_progress.setPhase(TransferProgress::Phase::Waiting);
    QThread::msleep(static_cast<unsigned long>(std::max(0, m_timeouts.rebootMs)));
    if (!port->open(QIODevice::ReadWrite))
        onError(LinkTexts::cantConnectDevice());
    else
        reader->prepare(*port);
}
