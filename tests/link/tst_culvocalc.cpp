#include "simulatedlink.h"

#include <QSignalSpy>
#include <QtTest>

#include <QElapsedTimer>
#include <memory>

using UlvoCalc::calcMsg;
using FileList = QList<QPair<QString, int>>;

namespace {

const QString textNoAnswer = QStringLiteral("Connection error (error code: 421)");
// Largest chunk the link accepts: a FRAME message of a full chunk must fit the 16-bit length.
constexpr int chunkSizeCap = 65535 - 64;

QByteArray payloadOf(const calcMsg &msg)
{
    return QByteArray::fromStdString(msg.SerializeAsString());
}

QByteArray framed(QByteArray payload)
{
    FrameCodec::frame(payload);
    return payload;
}

QByteArray filesNumPayload(int count)
{
    calcMsg msg;
    msg.set_type(calcMsg::SEND_FILES_NUM);
    msg.set_numberoffiles(count);
    return payloadOf(msg);
}

QByteArray fileInfPayload(const QString &name, int size)
{
    calcMsg msg;
    msg.set_type(calcMsg::SEND_FILE_INF);
    msg.mutable_finf()->set_name(name.toStdString());
    msg.mutable_finf()->set_size(size);
    return payloadOf(msg);
}

QStringList texts(const QSignalSpy &spy)
{
    QStringList result;
    for (const QList<QVariant> &args : spy)
        result << args.at(0).toString();
    return result;
}

} // namespace

class TestCUlvoCalc : public QObject
{
    Q_OBJECT
private slots:
    void failureAnswerText_data();
    void failureAnswerText();
    void onErrorKeepsGivenText();
    void onErrorUsesTypeText();

    void linkWithoutPort();
    void unopenedPort_data();
    void unopenedPort();

    // Against simulated calculators, straight on their ptys.
    void cleanup();
    void readsDeviceInformation_data();
    void readsDeviceInformation();
    void unexpectedDeviceAnswer_data();
    void unexpectedDeviceAnswer();
    void silentCalculator();
    void listsFiles_data();
    void listsFiles();
    void lostDescriptorEndsList();
    void descriptorWithoutFileInf();
    void deleteFile_data();
    void deleteFile();
    void renamesCalculator();
    void refusedRenameKeepsName();
    void framesOnlyWhatFits();
    void copySharesPort();
    void hostileCountAnswer_data();
    void hostileCountAnswer();
    void nonsenseCountListsNothing_data();
    void nonsenseCountListsNothing();
    void unparsableCommandAnswer();
    void hostileListing_data();
    void hostileListing();
    void stalledFrameIsBounded();
    void tricklingFrameIsBounded();
    void unpluggedCalculator();
    void unwrittenRequestIsReported_data();
    void unwrittenRequestIsReported();
    void unreadableAnswerIsNamed();
    void namesKeepTheirBytes();

private:
    // Starts a calculator that serves until the end of the test function.
    SimulatedCalculator *plugCalc(SimulatedCalculator::Options options = SimulatedCalculator::Options());
    // A link to it, with short waits.
    static CUlvoCalc linkTo(SimulatedCalculator *calc, const LinkTimeouts &timeouts = testTimeouts())
    {
        return CUlvoCalc(portTo(calc->slavePath()), timeouts);
    }

    std::vector<std::unique_ptr<SimulatedCalculator>> calcs;
};

void TestCUlvoCalc::failureAnswerText_data()
{
    QTest::addColumn<QString>("errorStr");
    QTest::addColumn<int>("errorNum");
    QTest::addColumn<QString>("expected");
    QTest::newRow("text and number") << "Disk full" << 5 << "Disk full (error code: 5)";
    QTest::newRow("number only") << QString() << 5 << " (error code: 5)";
    QTest::newRow("negative number") << QString() << -17 << " (error code: -17)";
    QTest::newRow("text with a placeholder") << "Slot %1 full" << 3 << "Slot %1 full (error code: 3)";
    QTest::newRow("text only") << "No such file" << 0 << "No such file";
    QTest::newRow("neither") << QString() << 0 << QString();
    QTest::newRow("non-ASCII text") << QStringLiteral("Datei \u201eA\u201c fehlt") << 0
                                    << QStringLiteral("Datei \u201eA\u201c fehlt");
}

void TestCUlvoCalc::failureAnswerText()
{
    QFETCH(QString, errorStr);
    QFETCH(int, errorNum);
    QFETCH(QString, expected);
    calcMsg msg;
    msg.set_type(calcMsg::FAILED);
    msg.set_error(calcMsg::WRITE_ERROR);
    msg.set_errorstr(errorStr.toStdString());
    msg.set_errornum(errorNum);
    QCOMPARE(CUlvoCalc::msgErrorToStr(msg), expected);
}

void TestCUlvoCalc::onErrorKeepsGivenText()
{
    CUlvoCalc link;
    QSignalSpy spy(&link, &CUlvoCalc::errorNotify);
    link.onError(QStringLiteral("Something specific"));
    QCOMPARE(texts(spy), QStringList{QStringLiteral("Something specific")});
}

// The error types reachable without a calculator: none yet (0), and a failed receive (2).
// The whole table is exercised through refused answers in the device tests.
void TestCUlvoCalc::onErrorUsesTypeText()
{
    CUlvoCalc link;
    QSignalSpy spy(&link, &CUlvoCalc::errorNotify);
    link.onError();
    QByteArray data;
    QVERIFY(!link.RX(data));
    QCOMPARE(link.currentErrorType(), int(calcMsg::CONNECTION_ERROR));
    link.onError();
    QCOMPARE(texts(spy), (QStringList{QStringLiteral("Unknown error."),
                                      QStringLiteral("Connection error (error code: 422)"),
                                      QStringLiteral("Connection error (error code: 423).")}));
}

void TestCUlvoCalc::linkWithoutPort()
{
    CUlvoCalc link;
    QVERIFY(!link.isOpen());
    QVERIFY(link.portName().isEmpty());
    QVERIFY(link.getName().isEmpty());
    QCOMPARE(link.currentChunkSize(), CUlvoCalc::defaultChunkSize);
    QCOMPARE(link.currentErrorType(), 0);
    QSignalSpy spy(&link, &CUlvoCalc::errorNotify);
    QVERIFY(!link.sendMessage(calcMsg::GET_FILES_NUM));
    QCOMPARE(texts(spy), QStringList{QStringLiteral("Error write device")});
}

void TestCUlvoCalc::unopenedPort_data()
{
    // An empty name stands for a default-constructed port description.
    QTest::addColumn<QString>("portName");
    QTest::newRow("default port info") << QString();
    QTest::newRow("nonexistent port") << QStringLiteral("ttyNoSuchUlvoCalc7");
}

// Whatever is asked of a link whose port did not open fails, and says so: a request that cannot be
// written is reported like one that got no answer.
void TestCUlvoCalc::unopenedPort()
{
    QFETCH(QString, portName);
    CUlvoCalc link(portName.isEmpty() ? QSerialPortInfo() : QSerialPortInfo(portName));
    QVERIFY(!link.isOpen());
    QVERIFY(link.getName().isEmpty());
    QCOMPARE(link.currentChunkSize(), CUlvoCalc::defaultChunkSize);

    QSignalSpy spy(&link, &CUlvoCalc::errorNotify);
    QVERIFY(!link.getDeviceInf());
    QCOMPARE(link.getNumberOfFiles(), 0);
    QVERIFY(link.getFilesInfo().isEmpty());
    UlvoCalc::fileInf inf;
    inf.set_name("A.TXT");
    inf.set_size(3);
    QVERIFY(!link.delFile(inf));
    QVERIFY(!link.setDeviceName(QStringLiteral("NEW")));
    QVERIFY(link.getName().isEmpty());
    const QString closed = QStringLiteral("Connection error (error code: 422)");
    QCOMPARE(texts(spy), (QStringList{closed, closed, closed, closed, closed}));
    spy.clear();
    QByteArray payload = QByteArray::fromHex("0801");
    QVERIFY(!link.TX(payload));
    QCOMPARE(payload, QByteArray::fromHex("0801"));
    QVERIFY(spy.isEmpty());

    QVERIFY(!link.sendMessage(calcMsg::GET_FILES_NUM));
    calcMsg response;
    QVERIFY(!link.sendCommand(calcMsg::GET_FILES_NUM, response));
    QByteArray data;
    QVERIFY(!link.RX(data));
    QCOMPARE(texts(spy), (QStringList{QStringLiteral("Error write device"), QStringLiteral("Error write device"),
                                      closed}));
    QCOMPARE(link.currentErrorType(), int(calcMsg::CONNECTION_ERROR));
}

void TestCUlvoCalc::cleanup()
{
    calcs.clear();
}

SimulatedCalculator *TestCUlvoCalc::plugCalc(SimulatedCalculator::Options options)
{
    calcs.push_back(std::make_unique<SimulatedCalculator>(options));
    SimulatedCalculator *calc = calcs.back().get();
    return calc->start() ? calc : nullptr;
}

void TestCUlvoCalc::readsDeviceInformation_data()
{
    QTest::addColumn<int>("maxChunkSize");
    QTest::addColumn<int>("chunkSize");
    QTest::newRow("default") << 512 << 512;
    QTest::newRow("1024") << 1024 << 1024;
    QTest::newRow("one byte") << 1 << 1;
    QTest::newRow("zero keeps 512") << 0 << 512;
    QTest::newRow("negative keeps 512") << -1024 << 512;
    QTest::newRow("at the cap") << chunkSizeCap << chunkSizeCap;
    QTest::newRow("length limit is capped") << 65535 << chunkSizeCap;
    QTest::newRow("beyond 16 bits is capped") << (1 << 20) << chunkSizeCap;
}

// A descriptor longer than one read proves the read size grows with the chunk size without
// losing bytes.
void TestCUlvoCalc::readsDeviceInformation()
{
    QFETCH(int, maxChunkSize);
    QFETCH(int, chunkSize);
    SimulatedCalculator::Options options;
    options.name = QStringLiteral("Rechner \u00c4");
    options.maxChunkSize = maxChunkSize;
    SimulatedCalculator *calc = plugCalc(options);
    QVERIFY(calc);
    const QString longName(3000, QLatin1Char('N'));
    calc->setFile(longName, QByteArray(7, 'x'));

    CUlvoCalc link = linkTo(calc);
    QSignalSpy spy(&link, &CUlvoCalc::errorNotify);
    QVERIFY(link.isOpen());
    QCOMPARE(link.portName(), portTo(calc->slavePath())->portName());
    QCOMPARE(link.getName(), options.name);
    QCOMPARE(link.hardwareVersion(), options.hv);
    QCOMPARE(link.firmwareVersion(), options.fv);
    QCOMPARE(link.protocolVersion(), options.pv);
    QCOMPARE(link.currentChunkSize(), chunkSize);
    QCOMPARE(link.getFilesInfo(), (FileList{{longName, 7}}));
    QVERIFY(spy.isEmpty());
}

void TestCUlvoCalc::unexpectedDeviceAnswer_data()
{
    QTest::addColumn<QByteArray>("payload");
    calcMsg msg;
    msg.set_type(calcMsg::SUCCESS);
    QTest::newRow("other type") << payloadOf(msg);
    msg.set_type(calcMsg::SEND_DEVICE_INF);
    QTest::newRow("no device information") << payloadOf(msg);
    QTest::newRow("garbage") << QByteArray::fromHex("ffffffff0f");
}

// The link stays constructed and open with its defaults; nothing is reported.
void TestCUlvoCalc::unexpectedDeviceAnswer()
{
    QFETCH(QByteArray, payload);
    SimulatedCalculator::Options options;
    options.maxChunkSize = 2048;
    SimulatedCalculator *calc = plugCalc(options);
    QVERIFY(calc);
    calc->replyRawOn(calcMsg::GET_DEVICE_INF, {payload});
    CUlvoCalc link = linkTo(calc);
    QVERIFY(link.isOpen());
    QVERIFY(link.getName().isEmpty());
    QVERIFY(link.hardwareVersion().isEmpty());
    QCOMPARE(link.currentChunkSize(), CUlvoCalc::defaultChunkSize);

    QSignalSpy spy(&link, &CUlvoCalc::errorNotify);
    QVERIFY(link.getDeviceInf());
    QCOMPARE(link.getName(), options.name);
    QCOMPARE(link.currentChunkSize(), 2048);
    QVERIFY(spy.isEmpty());
}

void TestCUlvoCalc::silentCalculator()
{
    SimulatedCalculator *calc = plugCalc();
    QVERIFY(calc);
    CUlvoCalc link = linkTo(calc);
    calc->silenceOn(calcMsg::GET_FILES_NUM);
    QSignalSpy spy(&link, &CUlvoCalc::errorNotify);
    calcMsg response;
    QVERIFY(!link.sendCommand(calcMsg::GET_FILES_NUM, response));
    QCOMPARE(texts(spy), (QStringList{textNoAnswer, QStringLiteral("Error read device")}));
    QCOMPARE(link.currentErrorType(), int(calcMsg::CONNECTION_ERROR));
}

void TestCUlvoCalc::listsFiles_data()
{
    QTest::addColumn<FileList>("files");
    QTest::newRow("none") << FileList{};
    QTest::newRow("one") << FileList{{QStringLiteral("PROG.UCB"), 12}};
    QTest::newRow("three") << FileList{{QStringLiteral("A.TXT"), 1}, {QStringLiteral("B\u00dc.TXT"), 600},
                                       {QStringLiteral("C.UCB"), 3}};
}

void TestCUlvoCalc::listsFiles()
{
    QFETCH(FileList, files);
    SimulatedCalculator *calc = plugCalc();
    QVERIFY(calc);
    for (const auto &file : files)
        calc->setFile(file.first, QByteArray(file.second, 'd'));
    CUlvoCalc link = linkTo(calc);
    calc->clearReceived();
    QSignalSpy spy(&link, &CUlvoCalc::errorNotify);

    QCOMPARE(link.getFilesInfo(), files);
    QVERIFY(spy.isEmpty());
    QCOMPARE(calc->receivedCount(calcMsg::GET_FILES_NUM), 1);
    QCOMPARE(calc->receivedCount(calcMsg::GET_FILES_INF), files.isEmpty() ? 0 : 1);
    QCOMPARE(calc->receivedCount(calcMsg::SUCCESS), qMax(0, files.size() - 1));
}

void TestCUlvoCalc::lostDescriptorEndsList()
{
    SimulatedCalculator *calc = plugCalc();
    QVERIFY(calc);
    calc->setFile(QStringLiteral("A.TXT"), "a");
    calc->setFile(QStringLiteral("B.TXT"), "bb");
    calc->setFile(QStringLiteral("C.TXT"), "ccc");
    CUlvoCalc link = linkTo(calc);
    calc->silenceOn(calcMsg::SUCCESS);
    QSignalSpy spy(&link, &CUlvoCalc::errorNotify);

    QCOMPARE(link.getFilesInfo(), (FileList{{QStringLiteral("A.TXT"), 1}}));
    QCOMPARE(texts(spy), QStringList{textNoAnswer});
}

void TestCUlvoCalc::descriptorWithoutFileInf()
{
    SimulatedCalculator *calc = plugCalc();
    QVERIFY(calc);
    calc->setFile(QStringLiteral("A.TXT"), "a");
    CUlvoCalc link = linkTo(calc);
    calcMsg bare;
    bare.set_type(calcMsg::SEND_FILE_INF);
    calc->replyRawOn(calcMsg::GET_FILES_INF, {payloadOf(bare)});
    QCOMPARE(link.getFilesInfo(), (FileList{{QString(), 0}}));
}

void TestCUlvoCalc::deleteFile_data()
{
    QTest::addColumn<bool>("refuse");
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("errorNum");
    QTest::addColumn<QString>("errorStr");
    QTest::addColumn<QString>("expected");
    QTest::newRow("confirmed") << false << 0 << 0 << QString() << QString();
    const QStringList typeTexts{QStringLiteral("Unknown error."), QStringLiteral("File doesn\u2019t exist."),
                                QStringLiteral("Connection error (error code: 423)."), QStringLiteral("Memory error."),
                                QStringLiteral("Unknown error."), QStringLiteral("Write error."),
                                QStringLiteral("Wrong data size."), QStringLiteral("Wrong frame number.")};
    for (int type = 0; type < typeTexts.size(); ++type)
        QTest::addRow("refused, type %d", type) << true << type << 0 << QString() << typeTexts.at(type);
    QTest::newRow("refused, unknown type") << true << 9 << 0 << QString() << QString();
    QTest::newRow("refused with text") << true << 1 << 0 << "Locked by program" << "Locked by program";
    QTest::newRow("refused with number") << true << 1 << 12 << QString() << " (error code: 12)";
    QTest::newRow("refused with both") << true << 5 << -3 << "Flash" << "Flash (error code: -3)";
}

void TestCUlvoCalc::deleteFile()
{
    QFETCH(bool, refuse);
    QFETCH(int, error);
    QFETCH(int, errorNum);
    QFETCH(QString, errorStr);
    QFETCH(QString, expected);
    SimulatedCalculator *calc = plugCalc();
    QVERIFY(calc);
    calc->setFile(QStringLiteral("A.TXT"), "abc");
    CUlvoCalc link = linkTo(calc);
    if (refuse)
        calc->failOn(calcMsg::DELETE_FILE, SimulatedCalculator::ErrType(error), errorNum, errorStr);
    QSignalSpy spy(&link, &CUlvoCalc::errorNotify);

    UlvoCalc::fileInf inf;
    inf.set_name("A.TXT");
    inf.set_size(3);
    QCOMPARE(link.delFile(inf), !refuse);
    QCOMPARE(calc->files().isEmpty(), !refuse);
    QCOMPARE(texts(spy), refuse ? QStringList{expected} : QStringList{});
    QCOMPARE(link.currentErrorType(), error);
}

void TestCUlvoCalc::renamesCalculator()
{
    SimulatedCalculator *calc = plugCalc();
    QVERIFY(calc);
    CUlvoCalc link = linkTo(calc);
    const QString newName = QStringLiteral("Mein Rechner \u00df");
    QVERIFY(link.setDeviceName(newName));
    QCOMPARE(link.getName(), newName);
    QCOMPARE(calc->name(), newName);
}

void TestCUlvoCalc::refusedRenameKeepsName()
{
    SimulatedCalculator *calc = plugCalc();
    QVERIFY(calc);
    CUlvoCalc link = linkTo(calc);
    calc->failOn(calcMsg::CHANGE_NAME, calcMsg::WRITE_ERROR, 4, QStringLiteral("read-only"));
    QSignalSpy spy(&link, &CUlvoCalc::errorNotify);
    QVERIFY(!link.setDeviceName(QStringLiteral("OTHER")));
    QCOMPARE(link.getName(), QStringLiteral("ULVO"));
    QVERIFY(spy.isEmpty());
    QCOMPARE(link.currentErrorType(), 0);
}

// A payload is framed in place; one the 16-bit length cannot express is never put on the line
// with a cut length.
void TestCUlvoCalc::framesOnlyWhatFits()
{
    SimulatedCalculator *calc = plugCalc();
    QVERIFY(calc);
    calc->setFile(QStringLiteral("A.TXT"), "a");
    CUlvoCalc link = linkTo(calc);
    calc->clearReceived();
    QSignalSpy spy(&link, &CUlvoCalc::errorNotify);

    QByteArray data = QByteArray::fromHex("0802");
    QVERIFY(link.TX(data));
    QCOMPARE(data, QByteArray::fromHex("43414c4302000802"));
    QVERIFY(link.RX(data));
    QCOMPARE(data, filesNumPayload(1));

    QByteArray tooLong(65536, '\x08');
    QVERIFY(!link.TX(tooLong));
    QCOMPARE(tooLong.size(), 65536);
    QVERIFY(!link.setDeviceName(QString(70000, QLatin1Char('R'))));
    QCOMPARE(link.getName(), QStringLiteral("ULVO"));
    QVERIFY(spy.isEmpty());

    QCOMPARE(link.getNumberOfFiles(), 1);
    QCOMPARE(calc->received().size(), 2);
}

void TestCUlvoCalc::copySharesPort()
{
    SimulatedCalculator *calc = plugCalc();
    QVERIFY(calc);
    calc->setFile(QStringLiteral("A.TXT"), "a");
    auto first = std::make_unique<CUlvoCalc>(linkTo(calc));
    QVERIFY(first->isOpen());
    CUlvoCalc copy(*first);
    CUlvoCalc assigned;
    assigned = *first;
    first.reset();

    for (CUlvoCalc *link : {&copy, &assigned}) {
        QVERIFY(link->isOpen());
        QCOMPARE(link->getName(), QStringLiteral("ULVO"));
        QCOMPARE(link->portName(), portTo(calc->slavePath())->portName());
        QCOMPARE(link->getNumberOfFiles(), 1);
    }
}

// Each row replaces the answer to GET_FILES_NUM by these bytes; afterwards the link still
// exchanges normally.
void TestCUlvoCalc::hostileCountAnswer_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("count");
    const QByteArray four = framed(filesNumPayload(4));
    QTest::newRow("garbage payload") << framed(QByteArray::fromHex("ffffffff0f")) << 0;
    QTest::newRow("invalid UTF-8 in a text") << framed(QByteArray::fromHex("080928044a02fffe")) << 0;
    QTest::newRow("wrong answer type") << framed(fileInfPayload(QStringLiteral("X"), 4)) << 0;
    QTest::newRow("empty payload") << framed(QByteArray()) << 0;
    QTest::newRow("noise before the frame") << QByteArray::fromHex("00ff4341") + four << 4;
    QTest::newRow("partial preamble before the frame") << QByteArray::fromHex("00ff43414341") + four << 4;
    QTest::newRow("truncated frame swallows the next") << QByteArray::fromHex("43414c430a000809") + four << 0;
}

void TestCUlvoCalc::hostileCountAnswer()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, count);
    SimulatedCalculator *calc = plugCalc();
    QVERIFY(calc);
    calc->setFile(QStringLiteral("A.TXT"), "a");
    calc->setFile(QStringLiteral("B.TXT"), "b");
    CUlvoCalc link = linkTo(calc);
    QSignalSpy spy(&link, &CUlvoCalc::errorNotify);

    calc->replyBytesOn(calcMsg::GET_FILES_NUM, bytes);
    QCOMPARE(link.getNumberOfFiles(), count);
    QCOMPARE(link.getNumberOfFiles(), 2);
    QVERIFY(spy.isEmpty());
}

void TestCUlvoCalc::nonsenseCountListsNothing_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("negative") << -3;
    QTest::newRow("more than a calculator holds") << CUlvoCalc::maxFileCount + 1;
}

void TestCUlvoCalc::nonsenseCountListsNothing()
{
    QFETCH(int, count);
    SimulatedCalculator *calc = plugCalc();
    QVERIFY(calc);
    CUlvoCalc link = linkTo(calc);
    calc->replyRawOn(calcMsg::GET_FILES_NUM, {filesNumPayload(count)});
    calc->clearReceived();
    QSignalSpy spy(&link, &CUlvoCalc::errorNotify);
    QVERIFY(link.getFilesInfo().isEmpty());
    QCOMPARE(calc->receivedCount(calcMsg::GET_FILES_INF), 0);
    QVERIFY(spy.isEmpty());
}

void TestCUlvoCalc::unparsableCommandAnswer()
{
    SimulatedCalculator *calc = plugCalc();
    QVERIFY(calc);
    CUlvoCalc link = linkTo(calc);
    calc->replyRawOn(calcMsg::GET_FILES_NUM, {QByteArray::fromHex("ffffffff0f")});
    QSignalSpy spy(&link, &CUlvoCalc::errorNotify);
    calcMsg response;
    QVERIFY(!link.sendCommand(calcMsg::GET_FILES_NUM, response));
    QCOMPARE(texts(spy), QStringList{QStringLiteral("Error parse message")});
}

// The listing of two files under hostile line conditions.
void TestCUlvoCalc::hostileListing_data()
{
    QTest::addColumn<QByteArray>("noise");
    QTest::addColumn<int>("splitWrites");
    QTest::addColumn<bool>("bothInOneWrite");
    QTest::addColumn<FileList>("expected");
    const FileList both{{QStringLiteral("A.TXT"), 1}, {QStringLiteral("B.TXT"), 2}};
    QTest::newRow("noise before every frame") << QByteArray::fromHex("00ff4341434143") << 0 << false << both;
    QTest::newRow("byte by byte") << QByteArray() << 1 << false << both;
    QTest::newRow("noise, in pieces of 3") << QByteArray("CALAC") << 3 << false << both;
    QTest::newRow("two frames in one write") << QByteArray() << 0 << true << both;
    QTest::newRow("second descriptor is not one")
        << QByteArray() << 0 << true << FileList{{QStringLiteral("A.TXT"), 1}};
}

void TestCUlvoCalc::hostileListing()
{
    QFETCH(QByteArray, noise);
    QFETCH(int, splitWrites);
    QFETCH(bool, bothInOneWrite);
    QFETCH(FileList, expected);
    SimulatedCalculator *calc = plugCalc();
    QVERIFY(calc);
    calc->setFile(QStringLiteral("A.TXT"), "a");
    calc->setFile(QStringLiteral("B.TXT"), "bb");
    CUlvoCalc link = linkTo(calc);
    calc->setNoise(noise);
    calc->setSplitWrites(splitWrites);
    if (bothInOneWrite) {
        const QByteArray second = expected.size() == 2 ? fileInfPayload(QStringLiteral("B.TXT"), 2)
                                                       : filesNumPayload(9);
        calc->replyRawOn(calcMsg::GET_FILES_INF, {fileInfPayload(QStringLiteral("A.TXT"), 1), second});
    }
    QSignalSpy spy(&link, &CUlvoCalc::errorNotify);
    QCOMPARE(link.getFilesInfo(), expected);
    QVERIFY(spy.isEmpty());
}

// A frame that announces more than ever arrives gives up after one silent wait instead of
// holding the link for ever; the next exchange starts afresh.
void TestCUlvoCalc::stalledFrameIsBounded()
{
    SimulatedCalculator *calc = plugCalc();
    QVERIFY(calc);
    calc->setFile(QStringLiteral("A.TXT"), "a");
    CUlvoCalc link = linkTo(calc);
    calc->replyBytesOn(calcMsg::GET_FILES_NUM, QByteArray::fromHex("43414c43ffff0809"));
    QSignalSpy spy(&link, &CUlvoCalc::errorNotify);
    QCOMPARE(link.getNumberOfFiles(), 0);
    QCOMPARE(texts(spy), QStringList{textNoAnswer});
    QCOMPARE(link.getNumberOfFiles(), 1);
}

// One byte at a time, each well within the wait for a piece, must not stretch a frame for ever.
void TestCUlvoCalc::tricklingFrameIsBounded()
{
    SimulatedCalculator *calc = plugCalc();
    QVERIFY(calc);
    LinkTimeouts timeouts = testTimeouts();
    timeouts.frameTotalMs = 800;
    CUlvoCalc link = linkTo(calc, timeouts);
    calc->setSplitWrites(1, 100); // the device information takes about 4 s this way
    QSignalSpy spy(&link, &CUlvoCalc::errorNotify);
    QElapsedTimer timer;
    timer.start();
    QVERIFY(!link.getDeviceInf());
    QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(texts(spy), QStringList{textNoAnswer});
}

// A calculator that goes away mid-session closes the link's port instead of leaving it spinning,
// and nothing waits on the closed port.
void TestCUlvoCalc::unpluggedCalculator()
{
    SimulatedCalculator *calc = plugCalc();
    QVERIFY(calc);
    LinkTimeouts timeouts = testTimeouts();
    timeouts.writeMs = 20000;
    CUlvoCalc link = linkTo(calc, timeouts);
    QVERIFY(link.isOpen());
    calc->stop();
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(link.getNumberOfFiles(), 0);
    QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
    QVERIFY(!link.isOpen());
    QSignalSpy spy(&link, &CUlvoCalc::errorNotify);
    QVERIFY(link.getFilesInfo().isEmpty());
    QVERIFY(!link.sendMessage(calcMsg::GET_FILES_NUM));
    QCOMPARE(texts(spy), (QStringList{QStringLiteral("Connection error (error code: 422)"),
                                      QStringLiteral("Error write device")}));
}

// A request that never reached the calculator is reported like one that got no answer.
void TestCUlvoCalc::unwrittenRequestIsReported_data()
{
    QTest::addColumn<QString>("operation");
    for (const char *op : {"device information", "file count", "file list", "delete", "rename", "download", "upload"})
        QTest::newRow(op) << QString::fromLatin1(op);
}

void TestCUlvoCalc::unwrittenRequestIsReported()
{
    QFETCH(QString, operation);
    SimulatedCalculator *calc = plugCalc();
    QVERIFY(calc);
    calc->setFile(QStringLiteral("A.TXT"), "abc");
    CUlvoCalc link = linkTo(calc);
    QVERIFY(link.isOpen());
    calc->stop();
    QSignalSpy spy(&link, &CUlvoCalc::errorNotify);
    const UlvoCalc::fileInf inf = fileInf("A.TXT", 3);
    if (operation == "device information")
        QVERIFY(!link.getDeviceInf());
    else if (operation == "file count")
        QCOMPARE(link.getNumberOfFiles(), 0);
    else if (operation == "file list")
        QVERIFY(link.getFilesInfo().isEmpty());
    else if (operation == "delete")
        QVERIFY(!link.delFile(inf));
    else if (operation == "rename")
        QVERIFY(!link.setDeviceName(QStringLiteral("NEW")));
    else if (operation == "download")
        QVERIFY(!link.getData(inf));
    else if (operation == "upload")
        QVERIFY(!link.sendFile(inf, "abc"));
    QCOMPARE(texts(spy), QStringList{QStringLiteral("Connection error (error code: 422)")});
}

// Garbage on the line is not a calculator's refusal.
void TestCUlvoCalc::unreadableAnswerIsNamed()
{
    SimulatedCalculator *calc = plugCalc();
    QVERIFY(calc);
    calc->setFile(QStringLiteral("A.TXT"), "abc");
    CUlvoCalc link = linkTo(calc);
    calc->replyRawOn(calcMsg::DELETE_FILE, {QByteArray::fromHex("ffffffff0f")});
    QSignalSpy spy(&link, &CUlvoCalc::errorNotify);
    QVERIFY(!link.delFile(fileInf("A.TXT", 3)));
    QCOMPARE(texts(spy), QStringList{QStringLiteral("Unreadable answer from the calculator.")});
}

// The calculator's name bytes are the file's identity: a name Qt would decode to something else
// is kept as it is, one that is not UTF-8 is named and skipped, and the files after it stay.
void TestCUlvoCalc::namesKeepTheirBytes()
{
    SimulatedCalculator *calc = plugCalc();
    QVERIFY(calc);
    const QByteArray bomName("\xEF\xBB\xBF" "A");
    calc->setFile(QStringLiteral("A"), "plain A");
    calc->setRawFile(bomName, "marked");
    calc->setRawFile("B\xFF", "bad");
    calc->setFile(QStringLiteral("C"), "c");
    CUlvoCalc link = linkTo(calc);
    QSignalSpy spy(&link, &CUlvoCalc::errorNotify);

    const FileList files = link.getFilesInfo();
    QCOMPARE(files, (FileList{{QStringLiteral("A"), 7}, {QChar(0xFEFF) + QStringLiteral("A"), 6}, {QStringLiteral("C"), 1}}));
    QCOMPARE(files.at(1).first.toUtf8(), bomName);
    QCOMPARE(texts(spy), QStringList{QStringLiteral("Invalid file name: B\uFFFD")});
    QCOMPARE(link.leftOutFiles(), QStringList{QStringLiteral("B\uFFFD")});

    calc->clearReceived();
    QCOMPARE(link.genGetFileString(files.at(1)).second, QStringLiteral("marked"));
    QCOMPARE(QByteArray::fromStdString(calc->received().first().finf().name()), bomName);
}

QTEST_GUILESS_MAIN(TestCUlvoCalc)
#include "tst_culvocalc.moc"
