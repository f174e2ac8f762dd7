#include "simulatedlink.h"

#include <QtTest>
#include <climits>

using Msg = UlvoCalc::calcMsg;

// Download and upload of one file in frames, against a simulated calculator.
class TestLinkTransfer : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void downloadsInFrames_data();
    void downloadsInFrames();
    void downloadPlacesFramesByNumber();
    void emptyFileIsNotDownloaded();
    void refusesHostileListedSize_data();
    void refusesHostileListedSize();
    void reportsRefusedDownload_data();
    void reportsRefusedDownload();
    void refusesHostileFrame_data();
    void refusesHostileFrame();
    void refusesIncompleteDownload_data();
    void refusesIncompleteDownload();

    void uploadsInFrames_data();
    void uploadsInFrames();
    void reportsRefusedUpload_data();
    void reportsRefusedUpload();
    void onlySuccessAcknowledgesFrame_data();
    void onlySuccessAcknowledgesFrame();

private:
    SimulatedLink sim;
};

void TestLinkTransfer::initTestCase()
{
    QVERIFY(sim.plug());
}

void TestLinkTransfer::init()
{
    QVERIFY(sim.connect());
}

void TestLinkTransfer::downloadsInFrames_data()
{
    QTest::addColumn<int>("chunkSize");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("frames");

    QTest::newRow("1000 bytes in 512") << 512 << 1000 << 2;
    QTest::newRow("one byte") << 512 << 1 << 1;
    QTest::newRow("exactly one chunk") << 512 << 512 << 1;
    QTest::newRow("two whole chunks") << 512 << 1024 << 2;
    QTest::newRow("5000 bytes in 1024") << 1024 << 5000 << 5;
}

void TestLinkTransfer::downloadsInFrames()
{
    QFETCH(int, chunkSize);
    QFETCH(int, size);
    QFETCH(int, frames);
    QVERIFY(sim.connect(chunkSize));
    const QByteArray content = patternBytes(size);
    sim.calc->setFile("PROG.ucb", content);
    sim.calc->clearReceived();

    QCOMPARE(sim.link->getData(fileInf("PROG.ucb", size)).value_or("failed"), content);

    // One request, then an acknowledgement after every frame but the last.
    const QList<Msg> requests = sim.received(Msg::GET_FILE);
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.first().finf().name(), std::string("PROG.ucb"));
    QCOMPARE(requests.first().finf().size(), size);
    QCOMPARE(sim.calc->receivedCount(Msg::SUCCESS), frames - 1);
    QCOMPARE(sim.calc->received().size(), frames);
    QVERIFY(sim.errors->isEmpty());
}

void TestLinkTransfer::downloadPlacesFramesByNumber()
{
    const QByteArray content = patternBytes(1000);
    sim.calc->setFile("A", content);
    sim.calc->setSwapFirstTwoFrames(true);
    QCOMPARE(sim.link->getData(fileInf("A", 1000)).value_or("failed"), content);
    QVERIFY(sim.errors->isEmpty());
}

void TestLinkTransfer::emptyFileIsNotDownloaded()
{
    sim.calc->setFile("EMPTY", QByteArray());
    QVERIFY(!sim.link->getData(fileInf("EMPTY", 0)));
    QVERIFY(sim.calc->received().isEmpty());
    QVERIFY(sim.errors->isEmpty());
}

void TestLinkTransfer::refusesHostileListedSize_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("negative") << -1;
    QTest::newRow("minus one chunk") << -512;
    QTest::newRow("above the limit") << CUlvoCalc::maxFileSize + 1;
    QTest::newRow("largest int") << INT_MAX;
}

void TestLinkTransfer::refusesHostileListedSize()
{
    QFETCH(int, size);
    QVERIFY(!sim.link->getData(fileInf("A", size)));
    QCOMPARE(sim.errorTexts(), QStringList{"Wrong data size."});
    QVERIFY(sim.calc->received().isEmpty());
}

void TestLinkTransfer::reportsRefusedDownload_data()
{
    QTest::addColumn<Msg::msgType>("refusedAt");
    QTest::addColumn<Msg::errType>("error");
    QTest::addColumn<int>("errorNum");
    QTest::addColumn<QString>("errorStr");
    QTest::addColumn<QString>("expected");

    QTest::newRow("missing file") << Msg::GET_FILE << Msg::FILE_NOT_EXIST << 0 << QString()
                                  << QString::fromUtf8("File doesn\u2019t exist.");
    QTest::newRow("frame number, no text") << Msg::GET_FILE << Msg::INVALID_FRAME_NUMBER << 0
                                           << QString() << "Wrong frame number.";
    QTest::newRow("own text and number") << Msg::GET_FILE << Msg::MEMORY_ERROR << 12
                                         << "Flash busy" << "Flash busy (error code: 12)";
    QTest::newRow("second frame refused") << Msg::SUCCESS << Msg::DATASIZE_INVALID << 0
                                          << QString() << "Wrong data size.";
}

void TestLinkTransfer::reportsRefusedDownload()
{
    QFETCH(Msg::msgType, refusedAt);
    QFETCH(Msg::errType, error);
    QFETCH(int, errorNum);
    QFETCH(QString, errorStr);
    QFETCH(QString, expected);
    sim.calc->setFile("A", patternBytes(1000));
    sim.calc->failOn(refusedAt, error, errorNum, errorStr);

    QVERIFY(!sim.link->getData(fileInf("A", 1000)));
    QCOMPARE(sim.errorTexts(), QStringList{expected});
    QCOMPARE(sim.link->currentErrorType(), int(error));
}

void TestLinkTransfer::refusesHostileFrame_data()
{
    QTest::addColumn<int>("frameNum");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("dataLength"); // -1: no data element at all
    QTest::addColumn<QString>("expected");

    // The file is listed with 1000 bytes; frames are 512 bytes.
    QTest::newRow("no data element") << 0 << 10 << -1 << "Wrong data size.";
    QTest::newRow("negative size") << 0 << -1 << 10 << "Wrong data size.";
    QTest::newRow("size beyond its data") << 0 << 20 << 10 << "Wrong data size.";
    QTest::newRow("negative frame number") << -1 << 10 << 10 << "Wrong frame number.";
    QTest::newRow("frame after the end") << 2 << 10 << 10 << "Wrong frame number.";
    QTest::newRow("frame runs past the end") << 1 << 500 << 500 << "Wrong frame number.";
    QTest::newRow("huge frame number") << INT_MAX << 10 << 10 << "Wrong frame number.";
}

void TestLinkTransfer::refusesHostileFrame()
{
    QFETCH(int, frameNum);
    QFETCH(int, size);
    QFETCH(int, dataLength);
    QFETCH(QString, expected);
    Msg frame;
    frame.set_type(Msg::FRAME);
    frame.mutable_frame()->set_framenum(frameNum);
    frame.mutable_frame()->set_size(size);
    if (dataLength >= 0)
        frame.mutable_frame()->add_data(std::string(size_t(dataLength), 'x'));
    sim.calc->replyRawOn(Msg::GET_FILE, {QByteArray::fromStdString(frame.SerializeAsString())});

    QVERIFY(!sim.link->getData(fileInf("A", 1000)));
    QCOMPARE(sim.errorTexts(), QStringList{expected});
    QCOMPARE(sim.calc->receivedCount(Msg::SUCCESS), 0);
}

// Frames that are each plausible but do not cover the file exactly once.
void TestLinkTransfer::refusesIncompleteDownload_data()
{
    QTest::addColumn<bool>("duplicateFirst");
    QTest::addColumn<int>("sizeField");
    QTest::addColumn<QString>("expected");
    QTest::newRow("frame 0 twice, frame 1 never") << true << -1 << "Wrong frame number.";
    QTest::newRow("size field smaller than the data") << false << 100 << "Wrong data size.";
}

void TestLinkTransfer::refusesIncompleteDownload()
{
    QFETCH(bool, duplicateFirst);
    QFETCH(int, sizeField);
    QFETCH(QString, expected);
    sim.calc->setFile("A", patternBytes(1000));
    sim.calc->setDuplicateFirstFrame(duplicateFirst);
    sim.calc->setFrameSizeField(sizeField);

    QVERIFY(!sim.link->getData(fileInf("A", 1000)));
    QCOMPARE(sim.errorTexts(), QStringList{expected});
}

void TestLinkTransfer::uploadsInFrames_data()
{
    QTest::addColumn<int>("chunkSize");
    QTest::addColumn<int>("size");
    QTest::addColumn<QList<int>>("frameSizes");

    QTest::newRow("1000 bytes in 512") << 512 << 1000 << QList<int>{512, 488};
    QTest::newRow("whole multiple ends empty") << 512 << 1024 << QList<int>{512, 512, 0};
    QTest::newRow("empty file, no frame") << 512 << 0 << QList<int>{};
    QTest::newRow("one byte") << 512 << 1 << QList<int>{1};
    QTest::newRow("4096 bytes in 1024") << 1024 << 4096 << QList<int>{1024, 1024, 1024, 1024, 0};
}

void TestLinkTransfer::uploadsInFrames()
{
    QFETCH(int, chunkSize);
    QFETCH(int, size);
    QFETCH(QList<int>, frameSizes);
    QVERIFY(sim.connect(chunkSize));
    const QByteArray content = patternBytes(size);

    QVERIFY(sim.link->sendFile(fileInf("UP.bin", size), content));

    QVERIFY(sim.errors->isEmpty());
    QCOMPARE(sim.calc->file("UP.bin"), content);
    const QList<Msg> announce = sim.received(Msg::SEND_FILE);
    QCOMPARE(announce.size(), 1);
    QCOMPARE(announce.first().finf().size(), size);
    QCOMPARE(sim.uploadedFrameSizes(), frameSizes);
    const QList<Msg> frames = sim.received(Msg::FRAME);
    for (int i = 0; i < frames.size(); ++i) {
        QCOMPARE(frames.at(i).frame().framenum(), i);
        QCOMPARE(frames.at(i).frame().data_size(), 1);
    }
}

void TestLinkTransfer::reportsRefusedUpload_data()
{
    QTest::addColumn<Msg::msgType>("refusedAt");
    QTest::addColumn<int>("nth");
    QTest::addColumn<Msg::errType>("error");
    QTest::addColumn<int>("errorNum");
    QTest::addColumn<QString>("errorStr");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("framesSent");

    QTest::newRow("announcement refused") << Msg::SEND_FILE << 1 << Msg::MEMORY_ERROR << 0
                                          << QString() << "Memory error." << 0;
    QTest::newRow("second frame refused with text") << Msg::FRAME << 2 << Msg::WRITE_ERROR << 3
                                                    << "Disk full" << "Disk full (error code: 3)" << 2;
    QTest::newRow("first frame refused") << Msg::FRAME << 1 << Msg::WRITE_ERROR << 0 << QString()
                                         << "Write error." << 1;
}

void TestLinkTransfer::reportsRefusedUpload()
{
    QFETCH(Msg::msgType, refusedAt);
    QFETCH(int, nth);
    QFETCH(Msg::errType, error);
    QFETCH(int, errorNum);
    QFETCH(QString, errorStr);
    QFETCH(QString, expected);
    QFETCH(int, framesSent);
    sim.calc->failOn(refusedAt, error, errorNum, errorStr, nth);

    QVERIFY(!sim.link->sendFile(fileInf("UP.bin", 1500), patternBytes(1500)));
    QCOMPARE(sim.errorTexts(), QStringList{expected});
    QCOMPARE(sim.calc->receivedCount(Msg::FRAME), framesSent);
}

// An answer to a frame that is not SUCCESS ends the upload, whether it parses or not.
void TestLinkTransfer::onlySuccessAcknowledgesFrame_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QString>("expected");
    Msg other;
    other.set_type(Msg::SEND_FILES_NUM);
    QTest::newRow("another type") << QByteArray::fromStdString(other.SerializeAsString()) << "Unknown error.";
    QTest::newRow("unreadable") << QByteArray::fromHex("ffffffff0f") << "Unreadable answer from the calculator.";
}

void TestLinkTransfer::onlySuccessAcknowledgesFrame()
{
    QFETCH(QByteArray, answer);
    QFETCH(QString, expected);
    sim.calc->replyRawOn(Msg::FRAME, {answer});

    QVERIFY(!sim.link->sendFile(fileInf("UP.bin", 1500), patternBytes(1500)));
    QCOMPARE(sim.errorTexts(), QStringList{expected});
    QCOMPARE(sim.calc->receivedCount(Msg::FRAME), 1);
}

QTEST_GUILESS_MAIN(TestLinkTransfer)
#include "tst_linktransfer.moc"
