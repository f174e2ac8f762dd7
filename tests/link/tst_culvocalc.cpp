#include "link/culvocalc.h"

#include <QSignalSpy>
#include <QtTest>

using UlvoCalc::calcMsg;

namespace {

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
};

void TestCUlvoCalc::failureAnswerText_data()
{
    QTest::addColumn<QString>("errorStr");
    QTest::addColumn<int>("errorNum");
    QTest::addColumn<QString>("expected");
    QTest::newRow("text and number") << "Disk full" << 5 << "Disk full (error code: 5)";
    QTest::newRow("number only") << QString() << 5 << " (error code: 5)";
    QTest::newRow("negative number") << QString() << -17 << " (error code: -17)";
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

// Whatever is asked of a link whose port did not open fails; only the operations that promise a
// text report one.
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
                                      QStringLiteral("Connection error (error code: 422)")}));
    QCOMPARE(link.currentErrorType(), int(calcMsg::CONNECTION_ERROR));
}

QTEST_GUILESS_MAIN(TestCUlvoCalc)
#include "tst_culvocalc.moc"
