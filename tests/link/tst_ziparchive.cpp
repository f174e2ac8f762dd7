#include "link/ziparchive.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <zip.h>

// The archive class behind backups: what it writes must be a standard ZIP, and what it reads
// from disk is checked before use.
class TestZipArchive : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void roundTrip();
    void standardToolReadsArchive();
    void foldersAreRecognised();
    void refusesOversizedEntry();
    void detectsDamagedEntry_data();
    void detectsDamagedEntry();
    void refusesMissingAndNonZipFiles_data();
    void refusesMissingAndNonZipFiles();
    void writerWithoutCloseLeavesNothing();
    void readsArchiveFromMemory();
    void refusesNonZipBytesInMemory_data();
    void refusesNonZipBytesInMemory();

private:
    QString writeSample();
    QByteArray sampleBytes();
    std::unique_ptr<QTemporaryDir> dir;
    const QByteArray text = QByteArray("PRINT 1\n").repeated(200);
};

void TestZipArchive::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

QString TestZipArchive::writeSample()
{
    const QString path = dir->filePath("sample.ubk");
    ZipArchive zip;
    if (!zip.create(path) || !zip.addEntry("PROG.ucb", text) || !zip.addEntry("EMPTY", QByteArray())
        || !zip.addEntry(QString::fromUtf8("CAF\u00c9.txt").toUtf8(), QByteArray("\x00\x01\xff", 3))
        || !zip.close())
        return QString();
    return path;
}

QByteArray TestZipArchive::sampleBytes()
{
    QFile file(writeSample());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestZipArchive::roundTrip()
{
    const QString path = writeSample();
    QVERIFY(!path.isEmpty());

    ZipArchive zip;
    QVERIFY2(zip.open(path), qPrintable(zip.errorString()));
    QCOMPARE(zip.entryCount(), 3);
    QCOMPARE(zip.entryName(0), QByteArray("PROG.ucb"));
    QCOMPARE(zip.entryName(1), QByteArray("EMPTY"));
    QCOMPARE(zip.entryName(2), QString::fromUtf8("CAF\u00c9.txt").toUtf8());
    QCOMPARE(zip.readEntry(0, 1 << 20).value_or("missing"), text);
    QCOMPARE(zip.readEntry(1, 1 << 20).value_or("missing"), QByteArray());
    QCOMPARE(zip.readEntry(2, 1 << 20).value_or("missing"), QByteArray("\x00\x01\xff", 3));
    QVERIFY(!zip.isFolder(0));

    // Entries are deflated at level 6: a repetitive text shrinks.
    int error = 0;
    zip_t *raw = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error);
    QVERIFY(raw);
    zip_stat_t st;
    zip_stat_index(raw, 0, 0, &st);
    QCOMPARE(st.comp_method, zip_uint16_t(ZIP_CM_DEFLATE));
    QVERIFY(st.comp_size < st.size);
    zip_discard(raw);
}

void TestZipArchive::standardToolReadsArchive()
{
    const QString path = writeSample();
    QVERIFY(!path.isEmpty());
    QProcess python;
    python.start("/usr/bin/python3", {"-c",
                                      "import sys, zipfile\n"
                                      "z = zipfile.ZipFile(sys.argv[1])\n"
                                      "assert z.testzip() is None\n"
                                      "print('|'.join(z.namelist()))\n"
                                      "print(len(z.read('PROG.ucb')))\n",
                                      path});
    QVERIFY(python.waitForFinished(30000));
    QCOMPARE(python.exitCode(), 0);
    const QStringList lines = QString::fromUtf8(python.readAllStandardOutput()).split('\n');
    QCOMPARE(lines.value(0), QString::fromUtf8("PROG.ucb|EMPTY|CAF\u00c9.txt"));
    QCOMPARE(lines.value(1).toInt(), text.size());
}

void TestZipArchive::foldersAreRecognised()
{
    const QString path = dir->filePath("folders.zip");
    int error = 0;
    zip_t *raw = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    QVERIFY(raw);
    QVERIFY(zip_dir_add(raw, "SUB", ZIP_FL_ENC_UTF_8) >= 0);
    zip_source_t *src = zip_source_buffer(raw, "x", 1, 0);
    QVERIFY(zip_file_add(raw, "SUB/A", src, 0) >= 0);
    QCOMPARE(zip_close(raw), 0);

    ZipArchive zip;
    QVERIFY(zip.open(path));
    QCOMPARE(zip.entryCount(), 2);
    QVERIFY(zip.isFolder(0));
    QVERIFY(!zip.isFolder(1));
    QCOMPARE(zip.entryName(1), QByteArray("SUB/A"));
}

void TestZipArchive::refusesOversizedEntry()
{
    const QString path = writeSample();
    ZipArchive zip;
    QVERIFY(zip.open(path));
    QCOMPARE(zip.entrySize(0).value_or(-1), qint64(text.size()));
    QVERIFY(!zip.readEntry(0, text.size() - 1));
    QVERIFY(zip.readEntry(0, text.size()));
}

void TestZipArchive::detectsDamagedEntry_data()
{
    QTest::addColumn<bool>("inMemory");
    QTest::newRow("file") << false;
    QTest::newRow("memory") << true;
}

void TestZipArchive::detectsDamagedEntry()
{
    QFETCH(bool, inMemory);
    QByteArray bytes = sampleBytes();
    // The first entry's compressed data follows its 30-byte local header and its name.
    const int dataStart = 30 + int(qstrlen("PROG.ucb"));
    for (int i = dataStart + 4; i < dataStart + 12; ++i)
        bytes[i] = char(bytes[i] ^ 0x5a);

    ZipArchive zip;
    if (inMemory) {
        QVERIFY(zip.openFromMemory(bytes));
    } else {
        const QString path = dir->filePath("damaged.ubk");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), qint64(bytes.size()));
        file.close();
        QVERIFY(zip.open(path));
    }
    QVERIFY(!zip.readEntry(0, 1 << 20));
    QVERIFY(!zip.errorString().isEmpty());
    QCOMPARE(zip.readEntry(1, 1 << 20).value_or("missing"), QByteArray());
}

void TestZipArchive::refusesMissingAndNonZipFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("exists");
    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("empty file") << QByteArray() << true;
    QTest::newRow("text") << QByteArray("this is not an archive\n") << true;
    QTest::newRow("truncated header") << QByteArray("PK\x03\x04\x14\x00", 6) << true;
}

void TestZipArchive::refusesMissingAndNonZipFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, exists);
    const QString path = dir->filePath("input.ubk");
    if (exists) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    ZipArchive zip;
    QVERIFY(!zip.open(path));
    QVERIFY(!zip.errorString().isEmpty());
    QCOMPARE(zip.entryCount(), 0);
}

// Entries wait on disk in the temporary folder until the archive is written; whether it is
// written or abandoned, nothing of them may stay there.
void TestZipArchive::writerWithoutCloseLeavesNothing()
{
    const QByteArray oldTemp = qgetenv("TMPDIR");
    QVERIFY(QDir(dir->path()).mkdir("tmp"));
    qputenv("TMPDIR", QFile::encodeName(dir->filePath("tmp")));
    const QString path = dir->filePath("abandoned.ubk");
    {
        ZipArchive zip;
        QVERIFY(zip.create(path));
        QVERIFY(zip.addEntry("A", "content"));
        QVERIFY(!QDir(dir->filePath("tmp")).isEmpty());
    }
    QVERIFY(!QFile::exists(path));
    QVERIFY(QDir(dir->filePath("tmp")).isEmpty());
    {
        ZipArchive zip;
        QVERIFY(zip.create(path));
        QVERIFY(zip.addEntry("A", text));
        QVERIFY(zip.addEntry("B", QByteArray()));
        QVERIFY(zip.close());
    }
    QVERIFY(QDir(dir->filePath("tmp")).isEmpty());
    if (oldTemp.isNull())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", oldTemp);
    ZipArchive written;
    QVERIFY(written.open(path));
    QCOMPARE(written.readEntry(0, text.size()).value_or("missing"), text);
    QCOMPARE(written.readEntry(1, 10).value_or("missing"), QByteArray());

    ZipArchive zip;
    QVERIFY(zip.create(path));
    QVERIFY(!zip.addEntry("", "x"));
    QVERIFY(!zip.addEntry(QByteArray("A\0B", 3), "x"));
}

// The bytes are the caller's: the archive must keep what it reads from alive and unchanged.
void TestZipArchive::readsArchiveFromMemory()
{
    ZipArchive zip;
    {
        QByteArray bytes = sampleBytes();
        QVERIFY(!bytes.isEmpty());
        QVERIFY2(zip.openFromMemory(bytes), qPrintable(zip.errorString()));
        bytes.fill('\0');
    }
    QCOMPARE(zip.entryCount(), 3);
    QCOMPARE(zip.entryName(0), QByteArray("PROG.ucb"));
    QCOMPARE(zip.entrySize(0).value_or(-1), qint64(text.size()));
    QCOMPARE(zip.readEntry(0, 1 << 20).value_or("missing"), text);
    QCOMPARE(zip.readEntry(2, 1 << 20).value_or("missing"), QByteArray("\x00\x01\xff", 3));
    QVERIFY(!zip.readEntry(0, text.size() - 1));

    // Reopening drops the old bytes and reads the new ones.
    QVERIFY(!zip.openFromMemory(QByteArray("not an archive")));
    QVERIFY(!zip.isOpen());
    QVERIFY(zip.openFromMemory(sampleBytes()));
    QCOMPARE(zip.entryCount(), 3);
    QVERIFY(zip.close());
    QVERIFY(!zip.isOpen());
}

void TestZipArchive::refusesNonZipBytesInMemory_data()
{
    QTest::addColumn<QByteArray>("content");
    // Bytes cut from the end of a good archive; none: the content is used as it is.
    QTest::addColumn<int>("chopped");
    QTest::newRow("empty") << QByteArray() << 0;
    QTest::newRow("text") << QByteArray("this is not an archive\n") << 0;
    QTest::newRow("truncated header") << QByteArray("PK\x03\x04\x14\x00", 6) << 0;
    QTest::newRow("archive without its end record") << QByteArray() << 10;
    QTest::newRow("archive cut inside its directory") << QByteArray() << 100;
}

void TestZipArchive::refusesNonZipBytesInMemory()
{
    QFETCH(QByteArray, content);
    QFETCH(int, chopped);
    if (chopped > 0) {
        content = sampleBytes();
        content.chop(chopped);
    }
    ZipArchive zip;
    QVERIFY(!zip.openFromMemory(content));
    QVERIFY(!zip.errorString().isEmpty());
    QCOMPARE(zip.entryCount(), 0);
}

QTEST_GUILESS_MAIN(TestZipArchive)
#include "tst_ziparchive.moc"
