// One instance per user: a second start hands over to the running one and exits.
#include "app/singleinstance.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestSingleInstance : public QObject
{
    Q_OBJECT
private slots:
    void secondClaimAsksFirstToShowItself();
    void secondStartExitsAndFirstKeepsRunning();
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

QTEST_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
