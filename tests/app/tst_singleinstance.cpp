// One instance per user: a second start hands over to the running one and exits.
#include "app/singleinstance.h"

#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A first instance that has claimed its runtime folder, with its requests recorded.
struct RunningInstance
{
    RunningInstance() : first(runtime.path()), activation(&first, &SingleInstance::activationRequested),
        open(&first, &SingleInstance::openRequested)
    {
        claimed = first.claim();
    }

    QTemporaryDir runtime;
    SingleInstance first;
    QSignalSpy activation;
    QSignalSpy open;
    bool claimed = false;
};

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT
private slots:
    void secondClaimAsksFirstToShowItself();
    void secondStartExitsAndFirstKeepsRunning();
    void secondClaimHandsOverItsProgramFile_data();
    void secondClaimHandsOverItsProgramFile();
    void requestsNotUnderstoodAreIgnored_data();
    void requestsNotUnderstoodAreIgnored();
};

void TestSingleInstance::secondClaimAsksFirstToShowItself()
{
    QTemporaryDir runtime;
    auto first = std::make_unique<SingleInstance>(runtime.path());
    QVERIFY(first->claim());
    QSignalSpy activation(first.get(), &SingleInstance::activationRequested);

    SingleInstance second(runtime.path());
    QVERIFY(!second.claim());
    QVERIFY(activation.wait(5000));
    QCOMPARE(activation.count(), 1);

    // Once the first has gone the next start runs.
    first.reset();
    SingleInstance third(runtime.path());
    QVERIFY(third.claim());
}

void TestSingleInstance::secondStartExitsAndFirstKeepsRunning()
{
    QTemporaryDir runtime;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    QProcess first;
    first.setProcessEnvironment(env);
    first.start(QStringLiteral(ULVO_APP), QStringList());
    QVERIFY(first.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(runtime.filePath("ulvo-connect.socket")), 10000);

    QProcess second;
    second.setProcessEnvironment(env);
    second.start(QStringLiteral(ULVO_APP), QStringList());
    QVERIFY(second.waitForFinished(10000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(first.state(), QProcess::Running);

    first.terminate();
    QVERIFY(first.waitForFinished(10000));
}

void TestSingleInstance::secondClaimHandsOverItsProgramFile_data()
{
    QTest::addColumn<QString>("programFile");
    QTest::newRow("plain") << QStringLiteral("/home/student/QUADRATIC.ucb");
    // Characters that end a line or a URL must arrive as part of the name.
    QTest::newRow("spaces, URL signs, line end")
            << QStringLiteral("/tmp/my progs #2?/100%\nnew \u00e9.ucb");
}

void TestSingleInstance::secondClaimHandsOverItsProgramFile()
{
    QFETCH(QString, programFile);
    RunningInstance running;
    QVERIFY(running.claimed);

    SingleInstance second(running.runtime.path());
    QVERIFY(!second.claim(programFile));
    QVERIFY(running.open.wait(5000));
    QCOMPARE(running.open.count(), 1);
    QCOMPARE(running.open.at(0).at(0).toString(), programFile);
    QCOMPARE(running.activation.count(), 1); // brought to the front first
}

void TestSingleInstance::requestsNotUnderstoodAreIgnored_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::newRow("unknown") << QByteArray("delete everything\n");
    QTest::newRow("not a file URL") << QByteArray("open https://ulvo.example/x.ucb\n");
    QTest::newRow("no line end") << QByteArray("open file:///tmp/x.ucb");
    QTest::newRow("oversized") << QByteArray(100 * 1024, 'x');
}

void TestSingleInstance::requestsNotUnderstoodAreIgnored()
{
    QFETCH(QByteArray, request);
    RunningInstance running;
    QVERIFY(running.claimed);

    QLocalSocket socket;
    socket.connectToServer(running.runtime.filePath("ulvo-connect.socket"));
    QVERIFY(socket.waitForConnected(5000));
    socket.write(request);
    QVERIFY(socket.waitForBytesWritten(5000));
    socket.disconnectFromServer();

    // A request after it on a new connection still works: the instance kept listening.
    SingleInstance second(running.runtime.path());
    QVERIFY(!second.claim(QStringLiteral("/tmp/after.ucb")));
    QVERIFY(running.open.wait(5000));
    QCOMPARE(running.open.count(), 1);
    QCOMPARE(running.open.at(0).at(0).toString(), QStringLiteral("/tmp/after.ucb"));
    QCOMPARE(running.activation.count(), 1);
}

QTEST_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
