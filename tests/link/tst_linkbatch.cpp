#include "link/sendplan.h"
#include "simulatedlink.h"

#include <QTemporaryDir>
#include <QtTest>

using Msg = UlvoCalc::calcMsg;

// Operations on several files, program text, and what reaches the computer's disk.
class TestLinkBatch : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void sendsFilesAndSkipsUnreadable();
    void sendsUnderCalculatorName();
    void storesThePlannedName_data();
    void storesThePlannedName();

    void downloadsIntoFolder();
    void emptyFileGivesEmptyLocalFileWithoutExchange();
    void overwritesExistingFile();
    void failedDownloadKeepsExistingFile_data();
    void failedDownloadKeepsExistingFile();
    void reportsUnwritableFolder();
    void checksCalculatorNames_data();
    void checksCalculatorNames();

    void deletesAndGoesOnAfterRefusal();
    void batchesReturnOutcomePerFile();

    void readsProgramText_data();
    void readsProgramText();
    void failedProgramReadGivesEmptyPair();
    void sendsProgramText_data();
    void sendsProgramText();

private:
    QString writeLocal(const QString &name, const QByteArray &content);
    QByteArray readLocal(const QString &name);
    SimulatedLink sim;
    std::unique_ptr<QTemporaryDir> dir;
};

void TestLinkBatch::initTestCase()
{
    qRegisterMetaType<QPair<QString, int>>();
    QVERIFY(sim.plug());
}

void TestLinkBatch::init()
{
    QVERIFY(sim.connect());
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

QString TestLinkBatch::writeLocal(const QString &name, const QByteArray &content)
{
    QFile file(dir->filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return QString();
    return file.fileName();
}

QByteArray TestLinkBatch::readLocal(const QString &name)
{
    QFile file(dir->filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void TestLinkBatch::sendsFilesAndSkipsUnreadable()
{
    const QString first = writeLocal("one.txt", patternBytes(700));
    const QString missing = dir->filePath("missing.txt");
    const QString third = writeLocal("three.txt", patternBytes(30));
    QSignalSpy sent(sim.link.get(), &CUlvoCalc::fileSend);

    sim.link->genSendFilesRequest({{first, "one.txt"}, {missing, "missing.txt"}, {third, "three.txt"}});

    QCOMPARE(sent.size(), 2);
    QCOMPARE((sent.at(0).at(0).value<QPair<QString, int>>()), qMakePair(QString("ONE.txt"), 700));
    QCOMPARE((sent.at(1).at(0).value<QPair<QString, int>>()), qMakePair(QString("THREE.txt"), 30));
    QCOMPARE(sim.calc->receivedCount(Msg::SEND_FILE), 2);
    QCOMPARE(sim.calc->file("ONE.txt"), patternBytes(700));
    QCOMPARE(sim.calc->file("THREE.txt"), patternBytes(30));
    QCOMPARE(sim.errorTexts(), QStringList{"Can't read file: " + missing});
}

void TestLinkBatch::sendsUnderCalculatorName()
{
    const QString path = writeLocal("my program.txt", "PRINT 1\n");
    QSignalSpy sent(sim.link.get(), &CUlvoCalc::fileSend);
    sim.link->genSendFilesRequest({{path, "my program.txt"}});
    QCOMPARE(sent.size(), 1);
    QCOMPARE(sim.calc->file("MYPROGRAM.txt"), QByteArray("PRINT 1\n"));
}

void TestLinkBatch::storesThePlannedName_data()
{
    QTest::addColumn<QString>("local");
    QTest::addColumn<QString>("stored");
    // "é" written as UTF-8 and read as Latin-1, this many times over.
    auto misread = [](int times) {
        QString name = QStringLiteral("\u00e9");
        for (int i = 0; i < times; ++i)
            name = QString::fromLatin1(name.toUtf8());
        return name;
    };
    QTest::newRow("ASCII") << "my program.txt" << "MYPROGRAM.txt";
    QTest::newRow("Latin-1 letter") << QStringLiteral("caf\u00e9.txt") << "CAF_.txt";
    QTest::newRow("misread twice") << misread(2) + ".txt" << "_.txt";
    QTest::newRow("misread four times") << misread(4) << "_";
    QTest::newRow("misread five times, cut") << misread(5) + ".b" << "___.b";
}

// The name the send plan shows and checks for collisions is the name the calculator stores.
void TestLinkBatch::storesThePlannedName()
{
    QFETCH(QString, local);
    QFETCH(QString, stored);
    const QString planned = SendPlan::calcName(local);
    QCOMPARE(planned, stored);
    const QString path = writeLocal("local.bin", "data");
    QSignalSpy sent(sim.link.get(), &CUlvoCalc::fileSend);
    sim.link->genSendFilesRequest({{path, planned}});
    QCOMPARE(sent.size(), 1);
    using Sent = QPair<QString, int>;
    QCOMPARE(sent.first().first().value<Sent>().first, planned);
    QCOMPARE(sim.received(Msg::SEND_FILE).last().finf().name(), planned.toStdString());
    QCOMPARE(sim.calc->file(planned), QByteArray("data"));
}

void TestLinkBatch::downloadsIntoFolder()
{
    sim.calc->setFile("A.ucb", patternBytes(1000));
    sim.calc->setFile("B", "bee");
    const QList<QUrl> urls = sim.link->genGetFilesRequest({{"A.ucb", 1000}, {"B", 3}}, dir->path());
    QCOMPARE(urls, (QList<QUrl>{QUrl::fromLocalFile(dir->filePath("A.ucb")),
                                QUrl::fromLocalFile(dir->filePath("B"))}));
    QCOMPARE(readLocal("A.ucb"), patternBytes(1000));
    QCOMPARE(readLocal("B"), QByteArray("bee"));
    QVERIFY(sim.errors->isEmpty());
}

void TestLinkBatch::emptyFileGivesEmptyLocalFileWithoutExchange()
{
    sim.calc->setFile("EMPTY", QByteArray());
    writeLocal("EMPTY", "old content");
    sim.calc->clearReceived();
    const QList<QUrl> urls = sim.link->genGetFilesRequest({{"EMPTY", 0}}, dir->path());
    QCOMPARE(urls, QList<QUrl> {QUrl::fromLocalFile(dir->filePath("EMPTY"))});
    QVERIFY(QFile::exists(dir->filePath("EMPTY")));
    QCOMPARE(QFileInfo(dir->filePath("EMPTY")).size(), 0);
    QVERIFY(sim.calc->received().isEmpty());
    QVERIFY(sim.errors->isEmpty());
}

void TestLinkBatch::overwritesExistingFile()
{
    QVERIFY(!writeLocal("A", QByteArray(5000, 'o')).isEmpty());
    sim.calc->setFile("A", "new");
    QCOMPARE(sim.link->genGetFilesRequest({{"A", 3}}, dir->path()).size(), 1);
    QCOMPARE(readLocal("A"), QByteArray("new"));
}

void TestLinkBatch::failedDownloadKeepsExistingFile_data()
{
    QTest::addColumn<Msg::msgType>("refusedAt");
    QTest::newRow("request refused") << Msg::GET_FILE;
    QTest::newRow("second frame refused") << Msg::SUCCESS;
}

void TestLinkBatch::failedDownloadKeepsExistingFile()
{
    QFETCH(Msg::msgType, refusedAt);
    QVERIFY(!writeLocal("A", "precious").isEmpty());
    sim.calc->setFile("A", patternBytes(1000));
    sim.calc->failOn(refusedAt, Msg::MEMORY_ERROR);

    QVERIFY(sim.link->genGetFilesRequest({{"A", 1000}}, dir->path()).isEmpty());
    QCOMPARE(sim.errorTexts(), QStringList{"Memory error."});
    QCOMPARE(readLocal("A"), QByteArray("precious"));
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{"A"});
}

void TestLinkBatch::reportsUnwritableFolder()
{
    sim.calc->setFile("A", "abc");
    sim.calc->setFile("B", "bcd");
    const QString folder = dir->filePath("no/such/folder");
    const QList<QUrl> urls = sim.link->genGetFilesRequest({{"A", 3}, {"B", 3}}, folder);
    QVERIFY(urls.isEmpty());
    QCOMPARE(sim.errorTexts(),
             (QStringList{"Can't write file: " + folder + "/A", "Can't write file: " + folder + "/B"}));
}

void TestLinkBatch::checksCalculatorNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("empty") << "" << false;
    QTest::newRow("dot") << "." << false;
    QTest::newRow("dot dot") << ".." << false;
    QTest::newRow("parent path") << "../ESCAPE" << false;
    QTest::newRow("absolute path") << "/tmp/ESCAPE" << false;
    QTest::newRow("sub folder") << "SUB/A" << false;
    QTest::newRow("backslash") << "..\\ESCAPE" << false;
    QTest::newRow("NUL") << QString::fromLatin1("A\0B", 3) << false;
    QTest::newRow("longer than a file name") << QString(128, QChar(0xC9)) << false;
    // Not URLs: these signs belong to the name.
    QTest::newRow("number sign") << "#A.ucb" << true;
    QTest::newRow("question mark") << "WHAT?.txt" << true;
    QTest::newRow("percent") << "100%25.txt" << true;
    QTest::newRow("dots inside") << "..A" << true;
}

void TestLinkBatch::checksCalculatorNames()
{
    QFETCH(QString, name);
    QFETCH(bool, accepted);
    QDir(dir->path()).mkdir("in");
    const QString folder = dir->filePath("in");
    sim.calc->setFile(name, "content");

    const QList<QUrl> urls = sim.link->genGetFilesRequest({{name, 7}}, folder);

    if (accepted) {
        QVERIFY(sim.errors->isEmpty());
        QCOMPARE(urls, QList<QUrl>{QUrl::fromLocalFile(folder + "/" + name)});
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{name});
    } else {
        QCOMPARE(sim.errorTexts(), QStringList{"Invalid file name: " + name});
        QVERIFY(urls.isEmpty());
        QCOMPARE(sim.calc->receivedCount(Msg::GET_FILE), 0);
        QCOMPARE(QDir(dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{"in"});
        QVERIFY(QDir(folder).isEmpty());
    }
}

void TestLinkBatch::deletesAndGoesOnAfterRefusal()
{
    sim.calc->setFile("A", "a");
    sim.calc->setFile("B", "b");
    sim.calc->failOn(Msg::DELETE_FILE, Msg::FILE_NOT_EXIST);
    QSignalSpy deleted(sim.link.get(), &CUlvoCalc::fileDeleted);

    sim.link->genDelFilesRequest({{"A", 1}, {"B", 1}});

    QCOMPARE(deleted.size(), 1);
    QCOMPARE(deleted.first().first().toString(), QString("B"));
    QCOMPARE(sim.errorTexts(), QStringList{QString::fromUtf8("File doesn\u2019t exist.")});
    QCOMPARE(sim.calc->files().size(), 1);
}

namespace {

// One line per outcome, so that a mismatch shows which file differs and how.
QStringList describe(const QList<FileOutcome> &outcomes)
{
    QStringList lines;
    for (const FileOutcome &o : outcomes)
        lines << QStringLiteral("%1 %2 %3 [%4]").arg(o.name).arg(o.size).arg(o.done ? "done" : "failed", o.texts.join('|'));
    return lines;
}

} // namespace

// What the tool and the session read instead of counting signals: per file, done or failed with
// the texts reported for it, in order; the signals still come for the files done.
void TestLinkBatch::batchesReturnOutcomePerFile()
{
    const QString a = writeLocal("a.txt", "alpha");
    const QString missing = dir->filePath("missing.txt");
    const QString c = writeLocal("c.txt", "charlie");
    const QString d = writeLocal("d.txt", "delta");
    sim.calc->failOn(Msg::SEND_FILE, Msg::MEMORY_ERROR, 0, "Storage full", 2);
    // An error type the link has no text for: the refusal comes without words.
    sim.calc->failOn(Msg::SEND_FILE, SimulatedCalculator::ErrType(9), 0, QString(), 3);
    QSignalSpy sent(sim.link.get(), &CUlvoCalc::fileSend);

    // Each file is told as it ends, before the next one is offered to the calculator.
    QStringList ended;
    const QList<FileOutcome> sends = sim.link->sendFileBatch(
        {{a, "a.txt"}, {missing, "missing.txt"}, {c, "c.txt"}, {d, "d.txt"}},
        [&](const FileOutcome &outcome) {
            ended << QStringLiteral("%1 after %2 offers").arg(outcome.name).arg(sim.calc->receivedCount(Msg::SEND_FILE));
        });
    QCOMPARE(ended, (QStringList{"A.txt after 1 offers", "MISSING.txt after 1 offers", "C.txt after 2 offers",
                                 "D.txt after 3 offers"}));

    QCOMPARE(describe(sends), (QStringList{"A.txt 5 done []", "MISSING.txt 0 failed [Can't read file: " + missing + "]",
                                           "C.txt 7 failed [Storage full]", "D.txt 5 failed []"}));
    QCOMPARE(sends.at(2).failureText("not sent"), QString("Storage full"));
    QCOMPARE(sends.at(3).failureText("not sent"), QString("D.txt: not sent"));
    QCOMPARE(doneCount(sends), 1);
    QCOMPARE(sent.size(), 0); // only the specified call emits
    QCOMPARE(sim.calc->file("A.txt"), QByteArray("alpha"));

    sim.calc->failOn(Msg::DELETE_FILE, Msg::FILE_NOT_EXIST);
    QSignalSpy deleted(sim.link.get(), &CUlvoCalc::fileDeleted);
    const QList<FileOutcome> deletes = sim.link->deleteFileBatch({{"B.txt", 3}, {"A.txt", 5}});
    QCOMPARE(describe(deletes), (QStringList{QString::fromUtf8("B.txt 3 failed [File doesn\u2019t exist.]"),
                                             "A.txt 5 done []"}));
    QCOMPARE(deleted.size(), 0);
    QVERIFY(sim.calc->files().isEmpty());
}

void TestLinkBatch::readsProgramText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("NUL ends the text") << QByteArray("A\0B", 3) << "A";
    QTest::newRow("symbols keep their codes") << QByteArray("\x7f\x80\xe2\xff\n")
                                               << QString::fromLatin1("\x7f\x80\xe2\xff\n");
    QTest::newRow("leading NUL") << QByteArray("\0AB", 3) << "";
}

void TestLinkBatch::readsProgramText()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    sim.calc->setFile("P.ucb", bytes);
    const QPair<QString, QString> result = sim.link->genGetFileString({"P.ucb", bytes.size()});
    QCOMPARE(result.first, QString("P.ucb"));
    QCOMPARE(result.second, text);
}

void TestLinkBatch::failedProgramReadGivesEmptyPair()
{
    QCOMPARE(sim.link->genGetFileString({"MISSING", 10}), qMakePair(QString(), QString()));
    QCOMPARE(sim.errors->size(), 1);
    sim.calc->setFile("EMPTY", QByteArray());
    QCOMPARE(sim.link->genGetFileString({"EMPTY", 0}), qMakePair(QString(), QString()));
}

void TestLinkBatch::sendsProgramText_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("line feed added") << "P.ucb" << "ABCDEFG" << QByteArray("ABCDEFG\n");
    QTest::newRow("empty text") << "P.ucb" << "" << QByteArray("\n");
    QTest::newRow("ends in line feed") << "P.ucb" << "A\nB\n" << QByteArray("A\nB\n");
    QTest::newRow("symbols as bytes") << "P.ucb" << QString::fromLatin1("\x7f\xa8X")
                                      << QByteArray("\x7f\xa8X\n");
    QTest::newRow("outside latin-1") << "P.ucb" << QString::fromUtf8("\u03c0") << QByteArray("?\n");
    QTest::newRow("name used as given") << "my prog" << "1" << QByteArray("1\n");
}

void TestLinkBatch::sendsProgramText()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    sim.link->genSendFileString(name, text);
    QCOMPARE(sim.calc->file(name), bytes);
    QCOMPARE(sim.received(Msg::SEND_FILE).value(0).finf().size(), bytes.size());
    QVERIFY(sim.errors->isEmpty());
}

QTEST_GUILESS_MAIN(TestLinkBatch)
#include "tst_linkbatch.moc"
