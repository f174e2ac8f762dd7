// Any answers to GET_BACKUP_INFO: a list that is accepted only names calculator files, and the
// archive a backup of it makes passes our own check before a restore.
#include "exchangeinput.h"
#include "fuzzcheck.h"
#include "link/backuparchivecheck.h"
#include "link/backuplist.h"
#include "link/ziparchive.h"

#include <QSet>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    BackupListCollector collector;
    BackupListCollector::Step step = BackupListCollector::Step::NeedMore;
    while (step == BackupListCollector::Step::NeedMore && input.remaining_bytes() > 0)
        step = collector.take(nextPayload(input));
    if (step != BackupListCollector::Step::Complete || collector.list().isEmpty())
        return 0;
    static QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("backup.ubk"));
    ZipArchive written;
    FUZZ_CHECK(written.create(path));
    QSet<QByteArray> names;
    for (const UlvoCalc::fileInf &file : collector.list()) {
        const QByteArray name = QByteArray::fromStdString(file.name());
        if (names.contains(name))
            return 0; // a backup stops at a name listed twice
        names.insert(name);
        FUZZ_CHECK(written.addEntry(name, QByteArray(qBound(0, file.size(), 64), 'x')));
    }
    FUZZ_CHECK(written.close());
    ZipArchive reread;
    FUZZ_CHECK(checkBackupArchive(reread, path).isEmpty());
    return 0;
}
