// The folder of safety copies: names that stay inside it, listing, pruning by count and age; and
// backup entries written as files for a send.
#include "link/ziparchive.h"
#include "safety/backupentries.h"
#include "safety/safetycopies.h"
#include "testzip.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A small archive at `path`, as a copy would be before it is kept.
void makeArchive(const QString &path, const QList<QPair<QByteArray, QByteArray>> &entries)
{
    ZipArchive archive;
    QVERIFY(archive.create(path));
    for (const auto &entry : entries)
        QVERIFY(archive.addEntry(entry.first, entry.second));
    QVERIFY(archive.close());
}

} // namespace

class TestSafetyCopies : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void safeNameStaysInTheFolder_data();
    void safeNameStaysInTheFolder();
    void keptCopiesAreListedNewestFirst();
    void pruneKeepsCountAgeAndNewest_data();
    void pruneKeepsCountAgeAndNewest();
    void defaultFolderFollowsXdgDataHome();
    void entriesExtractOnlyWhatWasAsked();
    void entriesOfABadArchiveAreRefused_data();
    void entriesOfABadArchiveAreRefused();

private:
    QString keepOne(SafetyCopies &store, const QString &calculator, const QDateTime &taken,
                    SafetyCopies::Kind kind = SafetyCopies::Kind::BeforeDelete);
    std::unique_ptr<QTemporaryDir> dir;
    int made = 0;
};

void TestSafetyCopies::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

QString TestSafetyCopies::keepOne(SafetyCopies &store, const QString &calculator, const QDateTime &taken,
                                  SafetyCopies::Kind kind)
{
    const QString source = dir->filePath(QStringLiteral("source-%1.ubk").arg(++made));
    makeArchive(source, {{"A.UCB", "a"}, {"B.BIN", "bee"}});
    QString error;
    const QString path = store.keep(source, calculator, kind, taken, &error);
    if (path.isEmpty())
        qWarning("%s", qPrintable(error));
    return path;
}

void TestSafetyCopies::safeNameStaysInTheFolder_data()
{
    QTest::addColumn<QString>("calculator");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "MATHS 7B" << "MATHS 7B";
    QTest::newRow("separators") << "../../etc/x" << "______etc_x";
    QTest::newRow("backslash and colon") << "A\\B:C" << "A_B_C";
    QTest::newRow("control character") << "A\nB" << "A_B";
    QTest::newRow("dots only") << ".." << "__";
    QTest::newRow("blank") << "   " << "calculator";
    QTest::newRow("empty") << "" << "calculator";
    QTest::newRow("long") << QString(60, 'X') << QString(40, 'X');
}

void TestSafetyCopies::safeNameStaysInTheFolder()
{
    QFETCH(QString, calculator);
    QFETCH(QString, expected);
    QCOMPARE(SafetyCopies::safeName(calculator), expected);

    // Whatever the name, the copy lands directly in the folder.
    SafetyCopies store(dir->filePath("safety"));
    const QString path = keepOne(store, calculator, QDateTime(QDate(2026, 12, 1), QTime(9, 5, 7)));
    QCOMPARE(QFileInfo(path).absolutePath(), QDir(dir->filePath("safety")).absolutePath());
    QCOMPARE(QFileInfo(path).fileName(), expected + "-2026-12-01-090507.ubk");
}

void TestSafetyCopies::keptCopiesAreListedNewestFirst()
{
    SafetyCopies store(dir->filePath("safety"));
    const QDateTime noon(QDate(2026, 12, 1), QTime(12, 0, 0));
    const QString first = keepOne(store, "DESK", noon, SafetyCopies::Kind::BeforeRestore);
    // Two copies within one second get distinct names.
    const QString second = keepOne(store, "DESK", noon, SafetyCopies::Kind::BeforeDelete);
    const QString older = keepOne(store, "OTHER", noon.addDays(-1));
    QVERIFY(!first.isEmpty() && !second.isEmpty() && !older.isEmpty());
    QVERIFY(first != second);
    QVERIFY(second.endsWith("-2026-12-01-120000-2.ubk"));
    // The source archive has moved into the folder.
    QVERIFY(!QFile::exists(dir->filePath("source-1.ubk")));
    // Files that are not named like copies are not copies.
    QFile(dir->filePath("safety/notes.ubk")).open(QIODevice::WriteOnly);

    const QList<SafetyCopies::Copy> copies = store.list();
    QCOMPARE(copies.size(), 3);
    QCOMPARE(copies.at(0).path, second);
    QCOMPARE(copies.at(1).path, first);
    QCOMPARE(copies.at(2).path, older);
    QCOMPARE(copies.at(0).kind, SafetyCopies::Kind::BeforeDelete);
    QCOMPARE(copies.at(1).kind, SafetyCopies::Kind::BeforeRestore);
    QCOMPARE(copies.at(1).calculator, QString("DESK"));
    QCOMPARE(copies.at(1).taken, noon);
    QCOMPARE(copies.at(1).files, 2);
    QCOMPARE(copies.at(1).size, QFileInfo(first).size());
}

void TestSafetyCopies::pruneKeepsCountAgeAndNewest_data()
{
    // Ages in hours of the copies of two calculators, and how many of each survive.
    QTest::addColumn<QList<int>>("agesA");
    QTest::addColumn<QList<int>>("agesB");
    QTest::addColumn<int>("keptA");
    QTest::addColumn<int>("keptB");
    QList<int> fresh25;
    for (int i = 0; i < 25; ++i)
        fresh25 << i;
    const int day = 24;
    QTest::newRow("few and fresh") << QList<int>{1, 2, 3} << QList<int>{} << 3 << 0;
    QTest::newRow("more than 20") << fresh25 << QList<int>{5} << 20 << 1;
    QTest::newRow("older than 30 days") << QList<int>{day, 29 * day, 31 * day, 45 * day} << QList<int>{} << 2 << 0;
    QTest::newRow("all old: newest stays") << QList<int>{40 * day, 50 * day, 60 * day} << QList<int>{90 * day} << 1 << 1;
    QTest::newRow("one old copy stays") << QList<int>{400 * day} << QList<int>{1} << 1 << 1;
    QTest::newRow("more than 20 and old") << fresh25 + QList<int>{35 * day} << QList<int>{} << 20 << 0;
}

void TestSafetyCopies::pruneKeepsCountAgeAndNewest()
{
    QFETCH(QList<int>, agesA);
    QFETCH(QList<int>, agesB);
    QFETCH(int, keptA);
    QFETCH(int, keptB);
    SafetyCopies store(dir->filePath("safety"));
    const QDateTime now(QDate(2026, 12, 11), QTime(10, 0, 0));
    for (const int hours : agesA)
        QVERIFY(!keepOne(store, "A", now.addSecs(-3600 * qint64(hours))).isEmpty());
    for (const int hours : agesB)
        QVERIFY(!keepOne(store, "B", now.addSecs(-3600 * qint64(hours))).isEmpty());

    const QStringList removed = store.prune(now);

    int countA = 0;
    int countB = 0;
    QDateTime newestA;
    for (const SafetyCopies::Copy &copy : store.list()) {
        (copy.calculator == "A" ? countA : countB)++;
        if (copy.calculator == "A" && !newestA.isValid())
            newestA = copy.taken;
    }
    QCOMPARE(countA, keptA);
    QCOMPARE(countB, keptB);
    QCOMPARE(removed.size(), agesA.size() + agesB.size() - keptA - keptB);
    QCOMPARE(newestA, now.addSecs(-3600 * qint64(*std::min_element(agesA.begin(), agesA.end()))));
    // Side files go with their copies.
    QCOMPARE(QDir(store.folder()).entryList({"*.kind"}, QDir::Files).size(), keptA + keptB);
}

void TestSafetyCopies::defaultFolderFollowsXdgDataHome()
{
    QCOMPARE(SafetyCopies::defaultFolder(),
             QString::fromLocal8Bit(qgetenv("XDG_DATA_HOME")) + "/ulvo-connect/safety");
}

void TestSafetyCopies::entriesExtractOnlyWhatWasAsked()
{
    const QString archive = dir->filePath("backup.ubk");
    makeArchive(archive, {{"A.UCB", "a"}, {"B.BIN", "bee"}, {"C.TXT", "sea"}});
    QVERIFY(QDir(dir->path()).mkdir("out"));

    const BackupEntries entries = listBackupEntries(archive);
    QCOMPARE(entries.problem, QString());
    QCOMPARE(entries.names, QStringList({"A.UCB", "B.BIN", "C.TXT"}));
    QCOMPARE(entries.sizes, QList<qint64>({1, 3, 3}));

    QString error;
    const QStringList files = extractBackupEntries(archive, {"C.TXT", "A.UCB"}, dir->filePath("out"), &error);
    QCOMPARE(files, QStringList({dir->filePath("out/A.UCB"), dir->filePath("out/C.TXT")}));
    QCOMPARE(QDir(dir->filePath("out")).entryList(QDir::Files), QStringList({"A.UCB", "C.TXT"}));
    QFile written(dir->filePath("out/C.TXT"));
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), QByteArray("sea"));

    // A name that is not in the archive writes nothing at all.
    QVERIFY(QDir(dir->path()).mkdir("none"));
    QVERIFY(extractBackupEntries(archive, {"A.UCB", "Z.UCB"}, dir->filePath("none"), &error).isEmpty());
    QVERIFY2(error.contains("Z.UCB"), qPrintable(error));
    QVERIFY(QDir(dir->filePath("none")).entryList(QDir::Files).isEmpty());
}

void TestSafetyCopies::entriesOfABadArchiveAreRefused_data()
{
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<QString>("problem");
    QTest::newRow("path escape") << Entries{{"../EVIL.UCB", "x"}} << "not a calculator file name";
    QTest::newRow("folder part") << Entries{{"sub/A.UCB", "x"}} << "not a calculator file name";
    QTest::newRow("no file") << Entries{{"dir/", ""}} << "no file in the archive";
}

void TestSafetyCopies::entriesOfABadArchiveAreRefused()
{
    QFETCH(Entries, entries);
    QFETCH(QString, problem);
    const QString archive = dir->filePath("bad.ubk");
    QVERIFY(writeZip(archive, entries));
    QVERIFY(QDir(dir->path()).mkdir("out"));

    const BackupEntries listed = listBackupEntries(archive);
    QVERIFY2(listed.problem.startsWith("Invalid backup file: " + archive), qPrintable(listed.problem));
    QVERIFY2(listed.problem.contains(problem), qPrintable(listed.problem));
    QVERIFY(listed.names.isEmpty());
    QString error;
    QVERIFY(extractBackupEntries(archive, {}, dir->filePath("out"), &error).isEmpty());
    QCOMPARE(error, listed.problem);
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList({"bad.ubk"}));
    QVERIFY(QDir(dir->filePath("out")).entryList(QDir::Files).isEmpty());
}

QTEST_GUILESS_MAIN(TestSafetyCopies)
#include "tst_safetycopies.moc"
