#include "link/ziparchive.h"
#include "simulatedlink.h"
#include "testzip.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

using Msg = UlvoCalc::calcMsg;

namespace {

QByteArray fileInfPayload(const QByteArray &name, int size)
{
    Msg msg;
    msg.set_type(Msg::SEND_FILE_INF);
    *msg.mutable_finf() = fileInf(name, size);
    return QByteArray::fromStdString(msg.SerializeAsString());
}

QByteArray typePayload(Msg::msgType type)
{
    Msg msg;
    msg.set_type(type);
    return QByteArray::fromStdString(msg.SerializeAsString());
}

} // namespace

// Backup of every calculator file into one archive, and restore of an archive.
class TestLinkBackup : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void backsUpEveryFile();
    void standardToolReadsBackup();
    void keepsEmptyFileAsEmptyEntry();
    void calculatorWithoutFilesGivesNothing();
    void backupsDoNotCollide();
    void failedBackupLeavesNoArchive_data();
    void failedBackupLeavesNoArchive();
    void reportsUncreatableArchive();

    void refusesBadArchiveBeforeClearing_data();
    void refusesBadArchiveBeforeClearing();
    void restoresEveryEntryAndReconnects();
    void stopsSendingAtRefusedEntry();
    void reportsFailedClearOrReboot_data();
    void reportsFailedClearOrReboot();
    void skipsFolderEntries();
    void unusualNameSurvivesBackupAndRestore();

private:
    QStringList backupsInTemp() const;
    QStringList restoreOnThread(const QString &archive, QList<QPair<QString, int>> *filesAfter);
    SimulatedLink sim;
    QTemporaryDir base;
    std::unique_ptr<QTemporaryDir> temp;
};

void TestLinkBackup::initTestCase()
{
    QVERIFY(base.isValid());
    // Restores reboot the calculator: on the USB bus it leaves and comes back under its name.
    QVERIFY(sim.plug(SimulatedLink::Line::Usb));
}

void TestLinkBackup::init()
{
    // Each test gets its own temporary folder, so leftovers are visible.
    temp = std::make_unique<QTemporaryDir>(base.filePath("tmp-XXXXXX"));
    QVERIFY(temp->isValid());
    qputenv("TMPDIR", QFile::encodeName(temp->path()));
    QCOMPARE(QDir::tempPath(), temp->path());
    QVERIFY(sim.connect());
}

QStringList TestLinkBackup::backupsInTemp() const
{
    return QDir(temp->path()).entryList(QDir::Files | QDir::Hidden);
}

void TestLinkBackup::backsUpEveryFile()
{
    sim.calc->setFile("A", patternBytes(100));
    sim.calc->setFile("B", QByteArray(30, 'b'));

    const std::optional<QString> path = sim.link->createBackup();

    QVERIFY(path && !path->isEmpty());
    QVERIFY(sim.errors->isEmpty());
    const QFileInfo info(*path);
    QCOMPARE(info.absolutePath(), temp->path());
    QVERIFY(info.fileName().startsWith("calc-backup"));
    QCOMPARE(info.suffix(), QString("ubk"));
    QCOMPARE(backupsInTemp(), QStringList{info.fileName()});
    QCOMPARE(sim.calc->receivedCount(Msg::GET_BACKUP_INFO), 1);
    QCOMPARE(sim.calc->receivedCount(Msg::GET_FILE), 2);

    ZipArchive zip;
    QVERIFY(zip.open(*path));
    QCOMPARE(zip.entryCount(), 2);
    QCOMPARE(zip.entryName(0), QByteArray("A"));
    QCOMPARE(zip.entryName(1), QByteArray("B"));
    QCOMPARE(zip.readEntry(0, 1000).value_or("missing"), patternBytes(100));
    QCOMPARE(zip.readEntry(1, 1000).value_or("missing"), QByteArray(30, 'b'));
}

void TestLinkBackup::standardToolReadsBackup()
{
    sim.calc->setFile("A", patternBytes(100));
    sim.calc->setFile(QString::fromUtf8("\u00c9T\u00c9.txt"), QByteArray(3000, 'x'));
    const std::optional<QString> path = sim.link->createBackup();
    QVERIFY(path);

    QProcess python;
    python.start("/usr/bin/python3",
                 {"-c",
                  "import sys, zipfile\n"
                  "z = zipfile.ZipFile(sys.argv[1])\n"
                  "assert z.testzip() is None\n"
                  "assert all(i.compress_type == zipfile.ZIP_DEFLATED for i in z.infolist())\n"
                  "assert not any(i.is_dir() for i in z.infolist())\n"
                  "print('|'.join(z.namelist()))\n"
                  "print(len(z.read(z.namelist()[1])))\n",
                  *path});
    QVERIFY(python.waitForFinished(30000));
    QCOMPARE(python.exitCode(), 0);
    const QStringList lines = QString::fromUtf8(python.readAllStandardOutput()).split('\n');
    QCOMPARE(lines.value(0), QString::fromUtf8("A|\u00c9T\u00c9.txt"));
    QCOMPARE(lines.value(1), QString("3000"));
}

void TestLinkBackup::keepsEmptyFileAsEmptyEntry()
{
    sim.calc->setFile("A", "alpha");
    sim.calc->setFile("EMPTY", QByteArray());
    sim.calc->setFile("B", "beta");

    const std::optional<QString> path = sim.link->createBackup();

    QVERIFY(path);
    QVERIFY(sim.errors->isEmpty());
    QCOMPARE(sim.calc->receivedCount(Msg::GET_FILE), 2);
    ZipArchive zip;
    QVERIFY(zip.open(*path));
    QCOMPARE(zip.entryCount(), 3);
    QCOMPARE(zip.entryName(1), QByteArray("EMPTY"));
    QCOMPARE(zip.readEntry(1, 10).value_or("missing"), QByteArray());
    QCOMPARE(zip.readEntry(2, 10).value_or("missing"), QByteArray("beta"));
}

void TestLinkBackup::calculatorWithoutFilesGivesNothing()
{
    QVERIFY(!sim.link->createBackup());
    QVERIFY(sim.errors->isEmpty());
    QVERIFY(backupsInTemp().isEmpty());
}

void TestLinkBackup::backupsDoNotCollide()
{
    sim.calc->setFile("A", "first");
    const std::optional<QString> first = sim.link->createBackup();
    sim.calc->setFile("A", "second");
    const std::optional<QString> second = sim.link->createBackup();
    QVERIFY(first && second);
    QVERIFY(*first != *second);
    ZipArchive zip;
    QVERIFY(zip.open(*first));
    QCOMPARE(zip.readEntry(0, 100).value_or("missing"), QByteArray("first"));
}

void TestLinkBackup::failedBackupLeavesNoArchive_data()
{
    QTest::addColumn<QList<QByteArray>>("list"); // empty: the calculator's own list
    QTest::addColumn<int>("failingDownload");     // 0: none
    QTest::addColumn<QString>("expected");

    QTest::newRow("second download refused")
        << QList<QByteArray>{} << 2 << QString::fromUtf8("File doesn\u2019t exist.");
    QTest::newRow("list interrupted by SUCCESS")
        << QList<QByteArray>{fileInfPayload("A", 5), typePayload(Msg::SUCCESS)} << 0
        << "Error incorrect response";
    QTest::newRow("list answer does not parse")
        << QList<QByteArray>{fileInfPayload("A", 5), QByteArray("\xff\xff\xff", 3)} << 0
        << "Error parse message";
    QTest::newRow("negative size listed")
        << QList<QByteArray>{fileInfPayload("A", 5), fileInfPayload("B", -5), fileInfPayload("", 0)}
        << 0 << "Wrong data size.";
    QTest::newRow("size above the limit listed")
        << QList<QByteArray>{fileInfPayload("B", CUlvoCalc::maxFileSize + 1), fileInfPayload("", 0)}
        << 0 << "Wrong data size.";
    QTest::newRow("name leaves the folder")
        << QList<QByteArray>{fileInfPayload("A", 5), fileInfPayload("../B", 5), fileInfPayload("", 0)}
        << 0 << "Invalid file name: ../B";
    QTest::newRow("name longer than a file name")
        << QList<QByteArray>{fileInfPayload(QByteArray(256, 'N'), 5), fileInfPayload("", 0)} << 0
        << "Invalid file name: " + QString(256, 'N');
    QList<QByteArray> endless;
    for (int i = 0; i <= CUlvoCalc::maxFileCount; ++i)
        endless.append(fileInfPayload("F" + QByteArray::number(i), 1));
    QTest::newRow("list without end") << endless << 0 << "Error incorrect response";
    QTest::newRow("same name twice")
        << QList<QByteArray>{fileInfPayload("A", 5), fileInfPayload("A", 5), fileInfPayload("", 0)}
        << 0 << "Can't write backup file";
}

void TestLinkBackup::failedBackupLeavesNoArchive()
{
    QFETCH(QList<QByteArray>, list);
    QFETCH(int, failingDownload);
    QFETCH(QString, expected);
    sim.calc->setFile("A", "alpha");
    sim.calc->setFile("B", "bravo");
    sim.calc->setFile("C", "charlie");
    if (!list.isEmpty())
        sim.calc->replyRawOn(Msg::GET_BACKUP_INFO, list);
    if (failingDownload)
        sim.calc->failOn(Msg::GET_FILE, Msg::FILE_NOT_EXIST, 0, QString(), failingDownload);

    QVERIFY(!sim.link->createBackup());
    QCOMPARE(sim.errorTexts(), QStringList{expected});
    QVERIFY(backupsInTemp().isEmpty());
}

void TestLinkBackup::reportsUncreatableArchive()
{
    qputenv("TMPDIR", QFile::encodeName(temp->filePath("gone")));
    sim.calc->setFile("A", "alpha");

    QVERIFY(!sim.link->createBackup());
    QCOMPARE(sim.errors->size(), 1);
    QVERIFY2(sim.errorTexts().first().startsWith("Can't create backup file"),
             qPrintable(sim.errorTexts().first()));
    QVERIFY(backupsInTemp().isEmpty());
}

void TestLinkBackup::refusesBadArchiveBeforeClearing_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing file") << "missing";
    QTest::newRow("not an archive") << "text";
    QTest::newRow("damaged entry") << "damaged";
    QTest::newRow("entry without name") << "unnamed";
    QTest::newRow("name not UTF-8") << "latin1";
    QTest::newRow("entry above the size limit") << "huge";
    QTest::newRow("name longer than a file name") << "long";
    QTest::newRow("no entry at all") << "empty";
    QTest::newRow("only a folder") << "folder only";
    QTest::newRow("name leaving the folder") << "dotdot";
    QTest::newRow("absolute name") << "absolute";
    QTest::newRow("name with a folder part") << "nested";
    QTest::newRow("more entries than a list holds") << "too many";
    QTest::newRow("control character in a name") << "control";
}

void TestLinkBackup::refusesBadArchiveBeforeClearing()
{
    QFETCH(QString, kind);
    const QString path = temp->filePath("bad.ubk");
    if (kind == "text") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a zip archive\n");
    } else if (kind == "damaged") {
        QVERIFY(writeZip(path, {{"A", "alpha"}, {"B", QByteArray("PRINT 2\n").repeated(100)}}));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QByteArray bytes = file.readAll();
        const int at = bytes.indexOf("PK\x03\x04", 4) + 30 + 1 + 4; // inside B's data
        bytes[at] = char(bytes[at] ^ 0x55);
        file.seek(0);
        file.write(bytes);
    } else if (kind == "unnamed") {
        QVERIFY(writeZip(path, {{"A", "alpha"}, {"", "nameless"}}));
    } else if (kind == "control") {
        QVERIFY(writeZip(path, {{"A", "alpha"}, {"B\x10", "x"}}));
    } else if (kind == "latin1") {
        QVERIFY(writeZip(path, {{"A", "alpha"}, {"CAF\xc9", "x"}}));
    } else if (kind == "long") {
        QVERIFY(writeZip(path, {{"A", "alpha"}, {QByteArray(256, 'L'), "x"}}));
    } else if (kind == "empty") {
        // The 22-byte end record alone: a valid ZIP archive without entries.
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("PK\x05\x06", 4) + QByteArray(18, '\0'));
    } else if (kind == "folder only") {
        QVERIFY(writeZip(path, {{"SUB/", ""}}));
    } else if (kind == "dotdot") {
        QVERIFY(writeZip(path, {{"A", "alpha"}, {"../evil.txt", "x"}}));
    } else if (kind == "absolute") {
        QVERIFY(writeZip(path, {{"A", "alpha"}, {"/tmp/evil.txt", "x"}}));
    } else if (kind == "nested") {
        QVERIFY(writeZip(path, {{"A", "alpha"}, {"SUB/A", "x"}}));
    } else if (kind == "too many") {
        Entries entries;
        for (int i = 0; i <= CUlvoCalc::maxFileCount; ++i)
            entries.append({QByteArray::number(i), QByteArray()});
        QVERIFY(writeZip(path, entries));
    } else if (kind == "huge") {
        QVERIFY(writeZip(path, {{"A", "alpha"}, {"BIG", QByteArray(CUlvoCalc::maxFileSize + 1, '\0')}}));
    }
    sim.calc->setFile("KEEP", "keep me");

    sim.link->restoreBackup(QUrl::fromLocalFile(path));

    QCOMPARE(sim.errors->size(), 1);
    QVERIFY2(sim.errorTexts().first().startsWith("Invalid backup file: " + path),
             qPrintable(sim.errorTexts().first()));
    QVERIFY(sim.calc->received().isEmpty());
    QCOMPARE(sim.calc->file("KEEP"), QByteArray("keep me"));
    QVERIFY(sim.link->isOpen());
}

// A restore runs as in the application: on a thread of its own with a link of its own, while
// this thread's event loop lets the simulated device come back after its reboot.
QStringList TestLinkBackup::restoreOnThread(const QString &archive,
                                            QList<QPair<QString, int>> *filesAfter)
{
    sim.link.reset();
    QStringList errors;
    std::unique_ptr<QThread> thread(QThread::create([&] {
        CUlvoCalc link(portTo(sim.portName), testTimeouts());
        QObject::connect(&link, &CUlvoCalc::errorNotify, [&](const QString &text) { errors << text; });
        sim.calc->clearReceived();
        link.restoreBackup(QUrl::fromLocalFile(archive));
        *filesAfter = link.getFilesInfo();
    }));
    QSignalSpy finished(thread.get(), &QThread::finished);
    thread->start();
    if (!finished.wait(60000))
        errors << "restore did not finish";
    thread->wait();
    return errors;
}

void TestLinkBackup::restoresEveryEntryAndReconnects()
{
    const QString path = temp->filePath("good.ubk");
    QVERIFY(writeZip(path, {{"A", patternBytes(1000)}, {"EMPTY", QByteArray()}, {"C", "charlie"}}));
    sim.calc->setFile("OLD", "old");
    QSignalSpy reboots(sim.calc.get(), &SimulatedCalculator::rebootRequested);
    QList<QPair<QString, int>> after;

    QCOMPARE(restoreOnThread(path, &after), QStringList());

    QCOMPARE(after, (QList<QPair<QString, int>>{{"A", 1000}, {"EMPTY", 0}, {"C", 7}}));
    QCOMPARE(sim.calc->file("A"), patternBytes(1000));
    QCOMPARE(sim.calc->received().first().type(), Msg::CLEAR_FILESYSTEM);
    QCOMPARE(sim.calc->receivedCount(Msg::REBOOT), 1);
    QCOMPARE(reboots.size(), 1);
}

void TestLinkBackup::stopsSendingAtRefusedEntry()
{
    const QString path = temp->filePath("three.ubk");
    QVERIFY(writeZip(path, {{"A", "alpha"}, {"B", "bravo"}, {"C", "charlie"}}));
    sim.calc->failOn(Msg::SEND_FILE, Msg::MEMORY_ERROR, 0, "Storage full", 2);
    QList<QPair<QString, int>> after;

    QCOMPARE(restoreOnThread(path, &after), QStringList{"Storage full"});

    QCOMPARE(after, (QList<QPair<QString, int>>{{"A", 5}}));
    QStringList announced;
    for (const Msg &msg : sim.received(Msg::SEND_FILE))
        announced << QString::fromStdString(msg.finf().name());
    QCOMPARE(announced, (QStringList{"A", "B"}));
    QCOMPARE(sim.calc->receivedCount(Msg::REBOOT), 1);
}

// CLEAR_FILESYSTEM and REBOOT: a refusal is named, a lost or unreadable answer gets the texts of
// the exchange and then of the read; nothing is sent after a failed clear.
void TestLinkBackup::reportsFailedClearOrReboot_data()
{
    QTest::addColumn<int>("request");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("filesSent");
    const QString noAnswer = QStringLiteral("Connection error (error code: 421)");
    QTest::newRow("clear refused") << int(Msg::CLEAR_FILESYSTEM) << "refuse"
                                   << QStringList{"Can't clear filesystem"} << 0;
    QTest::newRow("clear unanswered") << int(Msg::CLEAR_FILESYSTEM) << "silence"
                                      << QStringList{noAnswer, "Error read device"} << 0;
    QTest::newRow("clear answered with garbage") << int(Msg::CLEAR_FILESYSTEM) << "garbage"
                                                 << QStringList{"Error parse message"} << 0;
    QTest::newRow("reboot refused") << int(Msg::REBOOT) << "refuse" << QStringList{"Can't reboot device"} << 1;
    QTest::newRow("reboot unanswered") << int(Msg::REBOOT) << "silence"
                                       << QStringList{noAnswer, "Error read device"} << 1;
}

void TestLinkBackup::reportsFailedClearOrReboot()
{
    QFETCH(int, request);
    QFETCH(QString, answer);
    QFETCH(QStringList, texts);
    QFETCH(int, filesSent);
    const QString path = temp->filePath("one.ubk");
    QVERIFY(writeZip(path, {{"A", "alpha"}}));
    const auto type = Msg::msgType(request);
    if (answer == "refuse")
        sim.calc->failOn(type, Msg::UNSPECIFITED_ERROR);
    else if (answer == "silence")
        sim.calc->silenceOn(type);
    else
        sim.calc->replyRawOn(type, {QByteArray::fromHex("ffffffff0f")});

    sim.link->restoreBackup(QUrl::fromLocalFile(path));

    QCOMPARE(sim.errorTexts(), texts);
    QCOMPARE(sim.calc->receivedCount(Msg::SEND_FILE), filesSent);
    // The calculator is restarted only after a clear it confirmed.
    QCOMPARE(sim.calc->receivedCount(Msg::REBOOT), type == Msg::REBOOT ? 1 : 0);
}

void TestLinkBackup::skipsFolderEntries()
{
    const QString path = temp->filePath("folders.ubk");
    QVERIFY(writeZip(path, {{"SUB/", ""}, {"B", "bravo"}, {"OTHER/", ""}, {"C", "charlie"}}));
    QList<QPair<QString, int>> after;

    QCOMPARE(restoreOnThread(path, &after), QStringList());

    QCOMPARE(after, (QList<QPair<QString, int>>{{"B", 5}, {"C", 7}}));
    QCOMPARE(sim.calc->receivedCount(Msg::SEND_FILE), 2);
}

// A name that Qt's decoder would change (a leading byte-order mark) is backed up as its bytes,
// and our own restore takes that archive back.
void TestLinkBackup::unusualNameSurvivesBackupAndRestore()
{
    const QByteArray bomName("\xEF\xBB\xBF" "A");
    sim.calc->setRawFile(bomName, "marked");
    const std::optional<QString> backup = sim.link->createBackup();
    QVERIFY(backup && !backup->isEmpty());
    QVERIFY(sim.errors->isEmpty());
    QList<QPair<QString, int>> after;

    QCOMPARE(restoreOnThread(*backup, &after), QStringList());

    const QList<Msg> sent = sim.received(Msg::SEND_FILE);
    QCOMPARE(sent.size(), 1);
    QCOMPARE(QByteArray::fromStdString(sent.first().finf().name()), bomName);
}

QTEST_GUILESS_MAIN(TestLinkBackup)
#include "tst_linkbackup.moc"
