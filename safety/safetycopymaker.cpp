#include "safety/safetycopymaker.h"

#include "link/backuparchivecheck.h"
#include "link/calcname.h"
#include "link/culvocalc.h"
#include "link/ziparchive.h"

#include <QCoreApplication>
#include <QFile>

namespace {

// The last text the link reported while it lives, so a failure can say why.
class ReportWatch
{
public:
    explicit ReportWatch(CUlvoCalc &link)
        : connection(QObject::connect(&link, &CUlvoCalc::errorNotify,
                                      [this](const QString &text) { last = text; }))
    {
    }
    ~ReportWatch() { QObject::disconnect(connection); }
    QString last;

private:
    QMetaObject::Connection connection;
};

QString cantWriteBackup()
{
    return QCoreApplication::translate("SafetyCopyMaker", "Can't write backup file");
}

SafetyCopyResult failed(const QString &why)
{
    SafetyCopyResult result;
    result.outcome = SafetyCopyResult::Outcome::Failed;
    result.failure = why;
    return result;
}

// Reads a kept copy back the way a restore would before trusting it; a copy that fails is removed.
SafetyCopyResult checked(const QString &path)
{
    ZipArchive check;
    const QString problem = checkBackupArchive(check, path);
    check.close();
    if (!problem.isEmpty()) {
        SafetyCopies::remove(path);
        //: Why a safety copy failed; %1 is what the check found wrong.
        return failed(QCoreApplication::translate("SafetyCopyMaker", "the copy does not pass the restore check (%1)")
                          .arg(problem));
    }
    SafetyCopyResult result;
    result.outcome = SafetyCopyResult::Outcome::Made;
    result.path = path;
    return result;
}

} // namespace

SafetyCopyResult copyBeforeRestore(CUlvoCalc &link, SafetyCopies &store, const QString &calcName)
{
    ReportWatch watch(link);
    const std::optional<QString> archive = link.createBackup();
    if (link.wasCancelled()) {
        SafetyCopyResult result;
        result.outcome = SafetyCopyResult::Outcome::Cancelled;
        return result;
    }
    if (!archive) {
        // Without a report the calculator simply holds no file: nothing to lose.
        if (watch.last.isEmpty()) {
            SafetyCopyResult result;
            result.outcome = SafetyCopyResult::Outcome::NothingToCopy;
            return result;
        }
        return failed(watch.last);
    }
    if (archive->isEmpty() || !QFile::exists(*archive))
        return failed(watch.last.isEmpty() ? cantWriteBackup() : watch.last);
    QString error;
    const QString path = store.keep(*archive, calcName, SafetyCopies::Kind::BeforeRestore,
                                    QDateTime::currentDateTime(), &error);
    if (path.isEmpty()) {
        QFile::remove(*archive);
        return failed(error);
    }
    return checked(path);
}

SafetyCopyResult copyBeforeDelete(CUlvoCalc &link, SafetyCopies &store, const QString &calcName,
                                  const QList<QPair<QString, int>> &files)
{
    if (files.isEmpty()) {
        SafetyCopyResult result;
        result.outcome = SafetyCopyResult::Outcome::NothingToCopy;
        return result;
    }
    ReportWatch watch(link);
    // Written straight into its place in the folder: the archive appears there only once closed.
    QString error;
    const QString path = store.reserve(calcName, QDateTime::currentDateTime(), &error);
    if (path.isEmpty())
        return failed(error);
    ZipArchive archive;
    auto fail = [&path](const QString &why) {
        SafetyCopies::remove(path);
        return failed(why);
    };
    if (!archive.create(path))
        return fail(QCoreApplication::translate("SafetyCopyMaker", "Can't write %1").arg(path));
    for (const QPair<QString, int> &file : files) {
        QByteArray content;
        // An empty file has nothing to download; it is kept as an empty entry.
        if (file.second != 0) {
            UlvoCalc::fileInf inf;
            inf.set_name(CalcName::encode(file.first).toStdString());
            inf.set_size(file.second);
            std::optional<QByteArray> data = link.getData(inf);
            if (!data)
                return fail(watch.last.isEmpty()
                                ? QCoreApplication::translate("SafetyCopyMaker", "Can't read %1").arg(file.first)
                                : watch.last);
            content = std::move(*data);
        }
        if (!archive.addEntry(CalcName::encode(file.first), content))
            return fail(cantWriteBackup());
    }
    if (!archive.close() || !SafetyCopies::writeKind(path, SafetyCopies::Kind::BeforeDelete))
        return fail(cantWriteBackup());
    return checked(path);
}
