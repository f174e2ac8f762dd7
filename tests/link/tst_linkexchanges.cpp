// The link's reply handling without a port: byte buffers in, results and next steps out.
#include "link/backuplist.h"
#include "link/calcname.h"
#include "link/deviceinfo.h"
#include "link/downloadassembly.h"
#include "link/filelisting.h"
#include "link/framecodec.h"
#include "link/linklimits.h"
#include "link/uploadframing.h"

#include <QtTest>
#include <climits>

using UlvoCalc::calcMsg;
using Payloads = QList<QByteArray>;
using FileList = QList<QPair<QString, int>>;

namespace {

QByteArray bytesOf(const calcMsg &msg)
{
    return QByteArray::fromStdString(msg.SerializeAsString());
}

QByteArray typed(calcMsg::msgType type)
{
    calcMsg msg;
    msg.set_type(type);
    return bytesOf(msg);
}

// A FRAME with frame number k, a size field, and data (none at all when data is null).
QByteArray frame(int k, int size, const QByteArray &data)
{
    calcMsg msg;
    msg.set_type(calcMsg::FRAME);
    msg.mutable_frame()->set_framenum(k);
    msg.mutable_frame()->set_size(size);
    if (!data.isNull())
        msg.mutable_frame()->add_data(data.constData(), size_t(data.size()));
    return bytesOf(msg);
}

QByteArray failed(calcMsg::errType error, const QString &text = QString())
{
    calcMsg msg;
    msg.set_type(calcMsg::FAILED);
    msg.set_error(error);
    msg.set_errorstr(text.toStdString());
    return bytesOf(msg);
}

QByteArray fileInf(const QByteArray &name, int size)
{
    calcMsg msg;
    msg.set_type(calcMsg::SEND_FILE_INF);
    msg.mutable_finf()->set_name(name.constData(), size_t(name.size()));
    msg.mutable_finf()->set_size(size);
    return bytesOf(msg);
}

QByteArray piece(int offset, int length)
{
    QByteArray bytes(length, Qt::Uninitialized);
    for (int i = 0; i < length; ++i)
        bytes[i] = char((offset + i) * 7 & 0xFF);
    return bytes;
}

const QByteArray garbage = QByteArray::fromHex("ffffffff0f");
const QString wrongDataSize = QStringLiteral("Wrong data size.");
const QString wrongFrameNumber = QStringLiteral("Wrong frame number.");

} // namespace

Q_DECLARE_METATYPE(DownloadAssembly::Step)

class TestLinkExchanges : public QObject
{
    Q_OBJECT
private slots:
    void downloadAssembly_data();
    void downloadAssembly();
    void uploadFraming_data();
    void uploadFraming();
    void uploadFrameCount_data();
    void uploadFrameCount();
    void fileList_data();
    void fileList();
    void backupList_data();
    void backupList();
    void deviceInfo_data();
    void deviceInfo();
    void fileCount_data();
    void fileCount();
    void calcNames_data();
    void calcNames();
};

void TestLinkExchanges::downloadAssembly_data()
{
    // 1000 bytes in chunks of 512: frame 0 holds 512 bytes, frame 1 the other 488.
    QTest::addColumn<Payloads>("payloads");
    QTest::addColumn<bool>("complete");
    QTest::addColumn<int>("errorType");
    QTest::addColumn<QString>("text");
    const QByteArray f0 = frame(0, 512, piece(0, 512));
    const QByteArray f1 = frame(1, 488, piece(512, 488));
    QTest::newRow("in order") << Payloads{f0, f1} << true << 0 << QString();
    QTest::newRow("out of order") << Payloads{f1, f0} << true << 0 << QString();
    QTest::newRow("duplicated, other missing") << Payloads{f0, f0} << false << 7 << wrongFrameNumber;
    QTest::newRow("one more after the last") << Payloads{f0, f1, f1} << false << 7 << wrongFrameNumber;
    QTest::newRow("size below its data") << Payloads{frame(0, 100, piece(0, 512))} << false << 6 << wrongDataSize;
    QTest::newRow("size beyond its data") << Payloads{frame(0, 512, piece(0, 100))} << false << 6 << wrongDataSize;
    QTest::newRow("short frame in the middle") << Payloads{frame(0, 500, piece(0, 500))} << false << 6 << wrongDataSize;
    QTest::newRow("negative size") << Payloads{frame(0, -1, piece(0, 10))} << false << 6 << wrongDataSize;
    QTest::newRow("no data element") << Payloads{frame(0, 10, QByteArray())} << false << 6 << wrongDataSize;
    QTest::newRow("past the end") << Payloads{frame(1, 500, piece(0, 500))} << false << 7 << wrongFrameNumber;
    QTest::newRow("after the end") << Payloads{frame(2, 10, piece(0, 10))} << false << 7 << wrongFrameNumber;
    QTest::newRow("negative number") << Payloads{frame(-1, 10, piece(0, 10))} << false << 7 << wrongFrameNumber;
    QTest::newRow("huge number") << Payloads{frame(INT_MAX, 10, piece(0, 10))} << false << 7 << wrongFrameNumber;
    QTest::newRow("truncated") << Payloads{f0.left(f0.size() / 2)} << false << 4
                               << QStringLiteral("Unreadable answer from the calculator.");
    QTest::newRow("garbage") << Payloads{f0, garbage} << false << 4
                             << QStringLiteral("Unreadable answer from the calculator.");
    QTest::newRow("refused, no text") << Payloads{failed(calcMsg::FILE_NOT_EXIST)} << false << 1 << QString();
    QTest::newRow("refused with text") << Payloads{f0, failed(calcMsg::MEMORY_ERROR, "busy")} << false << 3 << "busy";
    QTest::newRow("wrong type") << Payloads{typed(calcMsg::SEND_FILES_NUM)} << false << 0 << QString();
    QTest::newRow("empty payload") << Payloads{QByteArray()} << false << 0 << QString();
}

void TestLinkExchanges::downloadAssembly()
{
    QFETCH(Payloads, payloads);
    QFETCH(bool, complete);
    QFETCH(int, errorType);
    QFETCH(QString, text);
    DownloadAssembly assembly(1000, 512);
    QCOMPARE(assembly.frameCount(), 2);
    DownloadAssembly::Step step = DownloadAssembly::Step::NeedMore;
    int taken = 0;
    for (const QByteArray &payload : payloads) {
        step = assembly.take(payload);
        ++taken;
        if (step == DownloadAssembly::Step::Failed)
            break;
    }
    QCOMPARE(taken, payloads.size());
    if (complete) {
        QCOMPARE(step, DownloadAssembly::Step::Complete);
        QCOMPARE(assembly.content(), piece(0, 1000));
        return;
    }
    QCOMPARE(step, DownloadAssembly::Step::Failed);
    QVERIFY(assembly.content().isEmpty());
    QCOMPARE(assembly.failure().errorType, errorType);
    QCOMPARE(assembly.failure().text, text);
}

void TestLinkExchanges::uploadFraming_data()
{
    // The data size of every frame in sending order; frame numbers count from 0.
    QTest::addColumn<int>("fileSize");
    QTest::addColumn<int>("chunkSize");
    QTest::addColumn<QList<int>>("frameSizes");
    constexpr int largest = LinkLimits::maxChunkSize;
    QTest::newRow("shorter than a chunk") << 100 << 512 << QList<int>{100};
    QTest::newRow("one byte over a chunk") << 513 << 512 << QList<int>{512, 1};
    QTest::newRow("one byte short of two chunks") << 1023 << 512 << QList<int>{512, 511};
    QTest::newRow("one whole chunk ends with an empty frame") << 512 << 512 << QList<int>{512, 0};
    QTest::newRow("two whole chunks") << 1024 << 512 << QList<int>{512, 512, 0};
    QTest::newRow("empty file has no frames") << 0 << 512 << QList<int>{};
    QTest::newRow("chunk size 1") << 3 << 1 << QList<int>{1, 1, 1, 0};
    QTest::newRow("chunk size 0 taken as 1") << 2 << 0 << QList<int>{1, 1, 0};
    QTest::newRow("largest chunk") << 2 * largest + 5 << largest << QList<int>{largest, largest, 5};
}

void TestLinkExchanges::uploadFraming()
{
    QFETCH(int, fileSize);
    QFETCH(int, chunkSize);
    QFETCH(QList<int>, frameSizes);
    const QByteArray content = piece(0, fileSize);
    UploadFraming framing(content, chunkSize);
    QCOMPARE(UploadFraming::frameCount(fileSize, chunkSize), qint64(frameSizes.size()));

    QList<int> sizes;
    QByteArray joined;
    calcMsg msg;
    while (framing.hasNext() && sizes.size() <= frameSizes.size()) {
        const int n = framing.next(msg);
        // What goes on the line is what the calculator reads back.
        const QByteArray payload = bytesOf(msg);
        QVERIFY(payload.size() <= FrameCodec::maxPayload);
        calcMsg sent;
        QVERIFY(sent.ParseFromArray(payload.constData(), payload.size()));
        QCOMPARE(sent.type(), calcMsg::FRAME);
        QCOMPARE(sent.frame().framenum(), sizes.size());
        QCOMPARE(sent.frame().data_size(), 1);
        QCOMPARE(sent.frame().size(), n);
        QCOMPARE(int(sent.frame().data(0).size()), n);
        sizes.append(n);
        joined += QByteArray::fromStdString(sent.frame().data(0));
    }
    QCOMPARE(sizes, frameSizes);
    QCOMPARE(joined, content);
}

// Frame counts at the sizes a buffer of the file itself would make slow to test.
void TestLinkExchanges::uploadFrameCount_data()
{
    QTest::addColumn<qint64>("fileSize");
    QTest::addColumn<int>("chunkSize");
    QTest::addColumn<qint64>("frames");
    constexpr qint64 limit = LinkLimits::maxFileSize;
    QTest::newRow("largest file, default chunk") << limit << 512 << limit / 512 + 1;
    QTest::newRow("largest file, chunk size 1") << limit << 1 << limit + 1;
    QTest::newRow("largest file, largest chunk") << limit << LinkLimits::maxChunkSize
                                                 << limit / LinkLimits::maxChunkSize + 1;
    QTest::newRow("negative size") << qint64(-1) << 512 << qint64(0);
}

void TestLinkExchanges::uploadFrameCount()
{
    QFETCH(qint64, fileSize);
    QFETCH(int, chunkSize);
    QFETCH(qint64, frames);
    QCOMPARE(UploadFraming::frameCount(fileSize, chunkSize), frames);
}

void TestLinkExchanges::fileList_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<Payloads>("payloads");
    QTest::addColumn<QString>("steps"); // A: ack, N: next without ack, D: done
    QTest::addColumn<FileList>("files");
    QTest::addColumn<QStringList>("problems");
    const QByteArray a = fileInf("A", 1);
    const QByteArray b = fileInf("B", 2);
    const QByteArray c = fileInf("C", 3);
    const FileList ab{{"A", 1}, {"B", 2}};
    QTest::newRow("three") << 3 << Payloads{a, b, c} << "AAD" << FileList{{"A", 1}, {"B", 2}, {"C", 3}} << QStringList();
    QTest::newRow("one, no ack") << 1 << Payloads{a} << "D" << FileList{{"A", 1}} << QStringList();
    QTest::newRow("wrong type passed over") << 3 << Payloads{a, typed(calcMsg::SUCCESS), b} << "AND" << ab << QStringList();
    QTest::newRow("garbage passed over") << 3 << Payloads{a, garbage, b} << "AND" << ab << QStringList();
    QTest::newRow("truncated passed over") << 2 << Payloads{a, b.left(4)} << "AD" << FileList{{"A", 1}} << QStringList();
    QTest::newRow("name not UTF-8 named, list goes on")
        << 3 << Payloads{a, fileInf("B\xff", 2), c} << "AAD" << FileList{{"A", 1}, {"C", 3}}
        << QStringList{QStringLiteral("Invalid file name: B\uFFFD")};
    QTest::newRow("byte-order mark kept") << 1 << Payloads{fileInf("\xef\xbb\xbf" "A", 4)} << "D"
                                          << FileList{{QChar(0xFEFF) + QStringLiteral("A"), 4}} << QStringList();
    QTest::newRow("without fInf") << 1 << Payloads{typed(calcMsg::SEND_FILE_INF)} << "D" << FileList{{"", 0}} << QStringList();
    QTest::newRow("more than announced") << 1 << Payloads{a, b} << "DD" << FileList{{"A", 1}} << QStringList();
    QTest::newRow("no files") << 0 << Payloads{a} << "D" << FileList() << QStringList();
    QTest::newRow("negative count") << -4 << Payloads{a} << "D" << FileList() << QStringList();
    QTest::newRow("count beyond the limit") << LinkLimits::maxFileCount + 1 << Payloads{a} << "D" << FileList()
                                            << QStringList();
}

void TestLinkExchanges::fileList()
{
    QFETCH(int, count);
    QFETCH(Payloads, payloads);
    QFETCH(QString, steps);
    QFETCH(FileList, files);
    QFETCH(QStringList, problems);
    FileListCollector collector(count);
    QCOMPARE(collector.wantsList(), count > 0 && count <= LinkLimits::maxFileCount);
    QString got;
    for (const QByteArray &payload : payloads) {
        switch (collector.take(payload)) {
        case FileListCollector::Step::Ack: got += 'A'; break;
        case FileListCollector::Step::Next: got += 'N'; break;
        case FileListCollector::Step::Done: got += 'D'; break;
        }
    }
    QCOMPARE(got, steps);
    QCOMPARE(collector.files(), files);
    QCOMPARE(collector.problems(), problems);
    QStringList leftOut = problems;
    leftOut.replaceInStrings(QStringLiteral("Invalid file name: "), QString());
    QCOMPARE(collector.leftOut(), leftOut);
}

void TestLinkExchanges::backupList_data()
{
    QTest::addColumn<Payloads>("payloads");
    QTest::addColumn<bool>("complete");
    QTest::addColumn<QByteArrayList>("names");
    QTest::addColumn<QString>("failure");
    const QByteArray end = fileInf(QByteArray(), 0);
    const QByteArray a = fileInf("A", 100);
    const QByteArray b = fileInf("B", 30);
    QTest::newRow("two files") << Payloads{a, b, end} << true << QByteArrayList{"A", "B"} << QString();
    QTest::newRow("no files") << Payloads{end} << true << QByteArrayList() << QString();
    QTest::newRow("end without fInf") << Payloads{a, typed(calcMsg::SEND_FILE_INF)} << true << QByteArrayList{"A"}
                                      << QString();
    QTest::newRow("byte-order mark kept") << Payloads{fileInf("\xef\xbb\xbf" "A", 1), end} << true
                                          << QByteArrayList{"\xef\xbb\xbf" "A"} << QString();
    QTest::newRow("wrong type") << Payloads{a, typed(calcMsg::SUCCESS)} << false << QByteArrayList()
                                << "Error incorrect response";
    QTest::newRow("garbage") << Payloads{a, garbage} << false << QByteArrayList() << "Error parse message";
    QTest::newRow("truncated") << Payloads{a.left(3)} << false << QByteArrayList() << "Error parse message";
    QTest::newRow("leaves the folder") << Payloads{fileInf("../evil.txt", 1)} << false << QByteArrayList()
                                       << "Invalid file name: ../evil.txt";
    QTest::newRow("absolute") << Payloads{fileInf("/etc/x", 1)} << false << QByteArrayList()
                              << "Invalid file name: /etc/x";
    QTest::newRow("not UTF-8") << Payloads{fileInf("B\xff", 1)} << false << QByteArrayList()
                               << QStringLiteral("Can't back up file, its name can't be read: B\uFFFD");
    // Such a name could not be stored in the archive as UTF-8: the backup would fail only when written.
    QTest::newRow("control character") << Payloads{a, fileInf("B\x10", 1)} << false << QByteArrayList()
                                       << QStringLiteral("Invalid file name: B\u0010");
    QTest::newRow("more after the end") << Payloads{end, a} << false << QByteArrayList() << "Error incorrect response";
}

void TestLinkExchanges::backupList()
{
    QFETCH(Payloads, payloads);
    QFETCH(bool, complete);
    QFETCH(QByteArrayList, names);
    QFETCH(QString, failure);
    BackupListCollector collector;
    BackupListCollector::Step step = BackupListCollector::Step::NeedMore;
    for (const QByteArray &payload : payloads) {
        step = collector.take(payload);
        if (step == BackupListCollector::Step::Failed)
            break;
    }
    QCOMPARE(step, complete ? BackupListCollector::Step::Complete : BackupListCollector::Step::Failed);
    QCOMPARE(collector.failureText(), failure);
    if (!complete)
        return;
    QByteArrayList got;
    for (const UlvoCalc::fileInf &inf : collector.list())
        got << QByteArray::fromStdString(inf.name());
    QCOMPARE(got, names);
}

void TestLinkExchanges::deviceInfo_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("chunkSize");
    auto info = [](int maxChunk) {
        calcMsg msg;
        msg.set_type(calcMsg::SEND_DEVICE_INF);
        msg.mutable_devinf()->set_name("ULVO");
        msg.mutable_devinf()->set_hv("H");
        msg.mutable_devinf()->set_maxchunksize(maxChunk);
        return bytesOf(msg);
    };
    QTest::newRow("1024") << info(1024) << true << 1024;
    QTest::newRow("zero keeps 512") << info(0) << true << 512;
    QTest::newRow("negative keeps 512") << info(-5) << true << 512;
    QTest::newRow("capped") << info(1 << 20) << true << LinkLimits::maxChunkSize;
    QTest::newRow("no device information") << typed(calcMsg::SEND_DEVICE_INF) << false << 0;
    QTest::newRow("wrong type") << typed(calcMsg::SUCCESS) << false << 0;
    QTest::newRow("garbage") << garbage << false << 0;
    QTest::newRow("truncated") << info(1024).left(5) << false << 0;
    QTest::newRow("name not UTF-8") << QByteArray::fromHex("0808220422024aff") << false << 0;
}

void TestLinkExchanges::deviceInfo()
{
    QFETCH(QByteArray, payload);
    QFETCH(bool, valid);
    QFETCH(int, chunkSize);
    const std::optional<DeviceInfo> info = readDeviceInfo(payload);
    QCOMPARE(bool(info), valid);
    if (!valid)
        return;
    QCOMPARE(info->name, QStringLiteral("ULVO"));
    QCOMPARE(info->hv, QStringLiteral("H"));
    QCOMPARE(info->chunkSize, chunkSize);
}

void TestLinkExchanges::fileCount_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<int>("count"); // -1: no value
    calcMsg msg;
    msg.set_type(calcMsg::SEND_FILES_NUM);
    msg.set_numberoffiles(4);
    QTest::newRow("four") << bytesOf(msg) << 4;
    QTest::newRow("absent count") << typed(calcMsg::SEND_FILES_NUM) << 0;
    QTest::newRow("wrong type") << typed(calcMsg::SEND_FILE_INF) << -1;
    QTest::newRow("garbage") << garbage << -1;
    QTest::newRow("empty") << QByteArray() << -1;
}

void TestLinkExchanges::fileCount()
{
    QFETCH(QByteArray, payload);
    QFETCH(int, count);
    QCOMPARE(readFileCount(payload).value_or(-1), count);
}

void TestLinkExchanges::calcNames_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("decodes");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("display");
    QTest::newRow("plain") << QByteArray("PROG.ucb") << true << true << "PROG.ucb";
    QTest::newRow("non-ASCII") << QByteArray("B\xc3\x9c.TXT") << true << true << QStringLiteral("B\u00dc.TXT");
    QTest::newRow("byte-order mark") << QByteArray("\xef\xbb\xbf" "A") << true << true << QStringLiteral("\uFEFFA");
    QTest::newRow("not UTF-8") << QByteArray("B\xff") << false << false << QStringLiteral("B\uFFFD");
    QTest::newRow("cut sequence") << QByteArray("B\xc3") << false << false << QStringLiteral("B\uFFFD");
    QTest::newRow("overlong slash") << QByteArray("\xc0\xaf") << false << false << QStringLiteral("\uFFFD\uFFFD");
    QTest::newRow("empty") << QByteArray() << true << false << QString();
    QTest::newRow("dot dot") << QByteArray("..") << true << false << "..";
    QTest::newRow("folder part") << QByteArray("SUB/A") << true << false << "SUB/A";
    QTest::newRow("backslash") << QByteArray("SUB\\A") << true << false << "SUB\\A";
    QTest::newRow("NUL") << QByteArray("A\0B", 3) << true << false << QString::fromLatin1("A\0B", 3);
    QTest::newRow("too long") << QByteArray(256, 'L') << true << false << QString(256, QLatin1Char('L'));
}

void TestLinkExchanges::calcNames()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, decodes);
    QFETCH(bool, valid);
    QFETCH(QString, display);
    const std::optional<QString> name = CalcName::decode(bytes);
    QCOMPARE(bool(name), decodes);
    if (name)
        QCOMPARE(CalcName::encode(*name), bytes);
    QCOMPARE(CalcName::isValid(bytes), valid);
    QCOMPARE(CalcName::display(bytes), display);
}

QTEST_GUILESS_MAIN(TestLinkExchanges)
#include "tst_linkexchanges.moc"
