// Safety copies kept before deletes and restores, and single files sent from a backup archive.

#include "session/culvocalcsession.h"

#include "models/ulvocalcmodel.h"
#include "safety/backupentries.h"
#include "safety/safetycopies.h"
#include "session/culvoworker.h"

#include <QDir>
#include <QLocale>
#include <QTemporaryDir>

QString CUlvoCalcSession::withSafetyCopy(const QString &successText) const
{
    const CUlvoWorker *worker = endingWorker();
    if (!worker || worker->safetyCopyPath.isEmpty())
        return successText;
    //: A delete's or restore's success text (%1), then where the safety copy was kept (%2).
    return tr("%1; safety copy saved on the path: %2").arg(successText, worker->safetyCopyPath);
}

void CUlvoCalcSession::pruneSafetyCopies()
{
    SafetyCopies().prune(QDateTime::currentDateTime());
}

QVariantList CUlvoCalcSession::safetyCopies()
{
    QVariantList rows;
    const QLocale locale = QLocale::system();
    for (const SafetyCopies::Copy &copy : SafetyCopies().list()) {
        rows.append(QVariantMap {
            {QStringLiteral("path"), copy.path},
            {QStringLiteral("url"), QUrl::fromLocalFile(copy.path)},
            {QStringLiteral("calculator"), copy.calculator},
            {QStringLiteral("date"), copy.taken.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))},
            {QStringLiteral("kind"), SafetyCopies::kindLabel(copy.kind)},
            {QStringLiteral("restoreCopy"), copy.kind == SafetyCopies::Kind::BeforeRestore},
            {QStringLiteral("files"), copy.files},
            {QStringLiteral("size"), copy.size},
            {QStringLiteral("sizeText"), locale.formattedDataSize(copy.size)},
        });
    }
    return rows;
}

QUrl CUlvoCalcSession::safetyFolderUrl()
{
    const QString folder = SafetyCopies::defaultFolder();
    QDir().mkpath(folder);
    return QUrl::fromLocalFile(folder);
}

int CUlvoCalcSession::calcRowOfCopy(QString calculator)
{
    for (int row = 0; row < workers.size(); ++row) {
        // A calculator that told no name has its copies named after its port.
        const QString name = workers.at(row)->getDeviceName();
        if (SafetyCopies::safeName(name.isEmpty() ? workers.at(row)->getPortName() : name) == calculator)
            return row;
    }
    return -1;
}

QStringList CUlvoCalcSession::backupEntryNames(QUrl archive)
{
    const BackupEntries entries = listBackupEntries(archive.toLocalFile());
    if (!entries.problem.isEmpty())
        onStatusChange(errorText(entries.problem), true);
    return entries.names;
}

QList<QUrl> CUlvoCalcSession::backupEntryUrls(QUrl archive, QStringList names)
{
    auto folder = std::make_unique<QTemporaryDir>();
    QString error;
    const QStringList paths = folder->isValid()
                                  ? extractBackupEntries(archive.toLocalFile(), names, folder->path(), &error)
                                  : QStringList();
    if (paths.isEmpty()) {
        onStatusChange(errorText(error.isEmpty() ? tr("Can't create a temporary folder") : error), true);
        return {};
    }
    entryFolders.push_back(std::move(folder));
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls.append(QUrl::fromLocalFile(path));
    return urls;
}
