// Operations on several calculators at once: three simulated calculators, the middle one refusing,
// each operation ending with a result per row and one summary line; the collision asked once.
#include "localfiles.h"
#include "sessionrig.h"

#include <QDate>
#include <QDir>

using UlvoCalc::calcMsg;
Q_DECLARE_METATYPE(calcMsg::msgType)
Q_DECLARE_METATYPE(CalcState::Result)

namespace {

SimulatedCalculator::Options named(const QString &name)
{
    SimulatedCalculator::Options options;
    options.name = name;
    return options;
}

// Three calculators listed and all selected; the first and last share a name.
struct ClassRig : SessionRig {
    SimulatedCalculator first {named(QStringLiteral("CLASS-01"))};
    SimulatedCalculator refusing {named(QStringLiteral("CLASS-02"))};
    SimulatedCalculator third {named(QStringLiteral("CLASS-01"))};

    // Every calculator holds PRG1.ucb, apart from the one at row withoutProgram.
    explicit ClassRig(int withoutProgram = -1)
    {
        int row = 0;
        for (SimulatedCalculator *calc : {&first, &refusing, &third}) {
            if (row++ != withoutProgram)
                calc->setFile(QStringLiteral("PRG1.ucb"), "Disp 1\n");
            calc->setRestartHandlers({}, {}, 0); // a restore's restart keeps the line
            attach(*calc);
        }
    }

    QList<CalcState::Result> results() const
    {
        QList<CalcState::Result> list;
        for (int row = 0; row < calcModel.rowCount(); ++row)
            list << session->calcState(row).result;
        return list;
    }
};

} // namespace

class TestSessionClass : public QObject
{
    Q_OBJECT
private slots:
    void eachCalculatorEndsOnItsOwn_data();
    void eachCalculatorEndsOnItsOwn();
    void collisionAskedOnceForTheClass();
    void badArchiveClearsNoCalculator();
    void stationServesEachPlugInOnce();
    void cancelStopsEveryCalculator();
};

void TestSessionClass::eachCalculatorEndsOnItsOwn_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<calcMsg::msgType>("refused");
    QTest::addColumn<QString>("summary");
    QTest::addColumn<QString>("why");
    const QString diskFull = QStringLiteral("Disk full");
    QTest::newRow("send") << "send" << calcMsg::SEND_FILE << "Sent to 2 of 3 calculators" << diskFull;
    QTest::newRow("collect") << "collect" << calcMsg::GET_FILE << "Collected from 2 of 3 calculators" << diskFull;
    QTest::newRow("delete") << "delete" << calcMsg::DELETE_FILE << "Deleted on 2 of 3 calculators" << diskFull;
    QTest::newRow("backup") << "backup" << calcMsg::GET_FILE << "Backed up 2 of 3 calculators" << diskFull;
    QTest::newRow("restore") << "restore" << calcMsg::CLEAR_FILESYSTEM << "Restored 2 of 3 calculators"
                             << "Can't clear filesystem";
}

void TestSessionClass::eachCalculatorEndsOnItsOwn()
{
    QFETCH(QString, operation);
    QFETCH(calcMsg::msgType, refused);
    QFETCH(QString, summary);
    QFETCH(QString, why);
    ClassRig rig;
    QTemporaryDir dir;
    const QString archive = dir.filePath("class.ubk");
    if (operation == "restore") {
        // One calculator's backup, restored to all: it brings PRG1.ucb and SET.TXT back.
        rig.first.setFile(QStringLiteral("SET.TXT"), "settings");
        rig.calcModel.setCurrentIndex(0);
        const QString made = rig.backupArchive();
        QVERIFY(!made.isEmpty());
        QVERIFY(rig.session->renameBackup(made, archive));
        rig.first.removeFile(QStringLiteral("SET.TXT"));
    }
    rig.calcModel.selectAll();
    QVERIFY(rig.session->isClassSelected());
    rig.refusing.failOn(refused, calcMsg::WRITE_ERROR, 0, QStringLiteral("Disk full"));
    rig.log.clear();

    QList<QUrl> promised;
    if (operation == "send") {
        rig.session->toCalcUrls({writeFile(dir.filePath("LESSON.txt"), "exam")});
        QVERIFY(!rig.session->isToCalcExistingCollision());
        rig.session->sendFiles();
    } else if (operation == "collect") {
        selectFiles(rig, {"PRG1.ucb"});
        rig.session->fromCalcUrls(true, QUrl::fromLocalFile(dir.path()));
        promised = rig.session->downloadFiles();
    } else if (operation == "delete") {
        selectFiles(rig, {"PRG1.ucb"});
        rig.session->deleteSelectedFiles();
    } else if (operation == "backup") {
        rig.session->createClassBackup(QUrl::fromLocalFile(dir.path()));
    } else {
        rig.session->restoreBackup(QUrl::fromLocalFile(archive));
    }
    QVERIFY(rig.waitIdle(20000));

    // One summary, after every calculator has ended, naming the one that failed.
    const QString status = rig.session->getStatusLineText();
    QVERIFY2(status.startsWith(summary + "; 1 failed: CLASS-02 ("), qPrintable(status));
    QVERIFY2(status.contains(why), qPrintable(status));
    // Before it, only how the class stands: no calculator's own end text.
    const QStringList statuses = rig.log.filter("status:");
    for (int i = 0; i + 1 < statuses.size(); ++i)
        QVERIFY2(statuses.at(i).contains(" calculators: "), qPrintable(statuses.at(i)));
    QCOMPARE(statuses.last(), "status:" + status);
    QCOMPARE(rig.log.count("idle"), 1);
    QCOMPARE(rig.results(), (QList<CalcState::Result> {CalcState::Result::Succeeded,
                                                       CalcState::Result::Failed,
                                                       CalcState::Result::Succeeded}));
    // The row shows the calculator's own end text, the mark's tool tip.
    QVERIFY(rig.session->calcState(1).text.startsWith("Error: "));
    QCOMPARE(rig.calcModel.data(rig.calcModel.index(1), UlvoCalcModel::ResultTextRole).toString(),
             rig.session->calcState(1).text);
    QCOMPARE(rig.calcModel.data(rig.calcModel.index(0), UlvoCalcModel::ResultRole).toInt(),
             int(CalcState::Result::Succeeded));

    const QString date = QDate::currentDate().toString("yyyy-MM-dd");
    if (operation == "send") {
        for (SimulatedCalculator *calc : {&rig.first, &rig.third})
            QCOMPARE(calc->file("LESSON.txt"), QByteArray("exam"));
        QCOMPARE(rig.refusing.file("LESSON.txt"), QByteArray());
    } else if (operation == "collect") {
        // Equal names get folders of their own.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
                 (QStringList {"CLASS-01", "CLASS-01-2", "CLASS-02"}));
        QCOMPARE(readFile(dir.filePath("CLASS-01/PRG1.ucb")), QByteArray("Disp 1\n"));
        QCOMPARE(readFile(dir.filePath("CLASS-01-2/PRG1.ucb")), QByteArray("Disp 1\n"));
        QCOMPARE(promised.size(), 3);
    } else if (operation == "delete") {
        QVERIFY(rig.first.files().isEmpty());
        QVERIFY(rig.third.files().isEmpty());
        QCOMPARE(rig.refusing.files().size(), 1);
    } else if (operation == "backup") {
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                 (QStringList {"CLASS-01-" + date + "-2.ubk", "CLASS-01-" + date + ".ubk"}));
        QVERIFY(QFileInfo(dir.filePath("CLASS-01-" + date + ".ubk")).size() > 0);
    } else {
        QCOMPARE(rig.third.file("SET.TXT"), QByteArray("settings"));
        QCOMPARE(rig.first.file("SET.TXT"), QByteArray("settings"));
        QCOMPARE(rig.refusing.file("SET.TXT"), QByteArray());
    }
}

// PRG1.ucb is on two of the three calculators: one question for the class; kept where it is,
// it goes only to the calculator without it.
void TestSessionClass::collisionAskedOnceForTheClass()
{
    ClassRig rig(2);
    rig.calcModel.selectAll();
    QTemporaryDir dir;
    rig.session->toCalcUrls({writeFile(dir.filePath("PRG1.ucb"), "Disp 2\n")});
    QVERIFY(rig.session->isToCalcExistingCollision());
    QCOMPARE(rig.session->collisionToCalcQuestion(),
             QStringLiteral("PRG1.ucb already exists on 2 of 3 calculators. Replace it there?"));
    rig.session->releaseToCalcCollision(false);
    QVERIFY(!rig.session->isToCalcExistingCollision());
    rig.log.clear();
    rig.session->sendFiles();
    QVERIFY(rig.waitIdle(20000));
    QCOMPARE(rig.session->getStatusLineText(), QStringLiteral("Sent to 3 of 3 calculators"));
    QCOMPARE(rig.first.file("PRG1.ucb"), QByteArray("Disp 1\n"));
    QCOMPARE(rig.refusing.file("PRG1.ucb"), QByteArray("Disp 1\n"));
    QCOMPARE(rig.third.file("PRG1.ucb"), QByteArray("Disp 2\n"));
}

// A damaged archive is refused before any calculator is cleared.
void TestSessionClass::badArchiveClearsNoCalculator()
{
    ClassRig rig;
    rig.calcModel.selectAll();
    QTemporaryDir dir;
    const QUrl bad = writeFile(dir.filePath("bad.ubk"), "PK\x03\x04 not really");
    rig.session->restoreBackup(bad);
    QVERIFY(rig.session->getStatusLineText().startsWith("Error: Invalid backup file: "));
    QVERIFY(!rig.session->getIsBusy());
    for (SimulatedCalculator *calc : {&rig.first, &rig.refusing, &rig.third}) {
        QCOMPARE(calc->receivedCount(calcMsg::CLEAR_FILESYSTEM), 0);
        QCOMPARE(calc->files().size(), 1);
    }
}

// The station serves the calculators plugged in after it started, one after another, once each;
// one attached before is left alone, and one that refuses counts as failed.
void TestSessionClass::stationServesEachPlugInOnce()
{
    SessionRig rig;
    SimulatedCalculator before(named(QStringLiteral("BEFORE")));
    rig.attach(before);
    QTemporaryDir dir;
    QSignalSpy served(rig.session.get(), &CUlvoCalcSession::stationServed);
    QVERIFY(!rig.session->startStation({writeFile(dir.filePath("empty.txt"), "")}));
    QVERIFY(!rig.session->isStationActive());
    QVERIFY(rig.session->startStation({writeFile(dir.filePath("EXAM.ucb"), "Disp 9\n")}));
    QCOMPARE(rig.session->stationFileNames(), QStringLiteral("EXAM.ucb"));

    SimulatedCalculator a(named(QStringLiteral("S-A")));
    a.setFile(QStringLiteral("EXAM.ucb"), "old");
    rig.attach(a);
    QVERIFY(served.wait(10000));
    QCOMPARE(served.last().at(0).toString(), QStringLiteral("S-A"));
    QCOMPARE(served.last().at(1).toBool(), true);
    QCOMPARE(a.file("EXAM.ucb"), QByteArray("Disp 9\n"));

    SimulatedCalculator b(named(QStringLiteral("S-B")));
    b.failOn(calcMsg::SEND_FILE, calcMsg::WRITE_ERROR, 0, QStringLiteral("Disk full"));
    rig.attach(b);
    QVERIFY(served.wait(10000));
    QCOMPARE(served.last().at(1).toBool(), false);
    QVERIFY(rig.session->getStatusLineText().startsWith("Error: S-B: "));
    QTRY_VERIFY(!rig.session->getIsBusy());

    // Later polls serve nobody again.
    rig.poll();
    QTest::qWait(0);
    QCOMPARE(served.count(), 2);
    QCOMPARE(rig.session->getStationDone(), 1);
    QCOMPARE(rig.session->getStationFailed(), 1);
    QCOMPARE(before.receivedCount(calcMsg::SEND_FILE), 0);
    QCOMPARE(a.receivedCount(calcMsg::SEND_FILE), 1);

    // Stopped, it serves no one plugged in later.
    rig.session->stopStation();
    QCOMPARE(rig.session->getStatusLineText(), QStringLiteral("Station stopped: sent to 1 calculators, 1 failed"));
    SimulatedCalculator c(named(QStringLiteral("S-C")));
    rig.attach(c);
    QCOMPARE(served.count(), 2);
    QCOMPARE(c.receivedCount(calcMsg::SEND_FILE), 0);
}

// Cancel during a class send stops every calculator after the file it is sending; each row says
// what its calculator did, and the summary counts none as sent.
void TestSessionClass::cancelStopsEveryCalculator()
{
    ClassRig rig;
    for (SimulatedCalculator *calc : {&rig.first, &rig.refusing, &rig.third})
        calc->setReplyDelay(30);
    rig.calcModel.selectAll();
    QTemporaryDir dir;
    rig.session->toCalcUrls({writeFile(dir.filePath("ONE.bin"), QByteArray(4000, '1')),
                             writeFile(dir.filePath("TWO.bin"), QByteArray(4000, '2'))});
    rig.log.clear();
    rig.session->sendFiles();
    QTRY_VERIFY(rig.session->isClassRunning() && rig.first.receivedCount(calcMsg::SEND_FILE) >= 1
                && rig.refusing.receivedCount(calcMsg::SEND_FILE) >= 1
                && rig.third.receivedCount(calcMsg::SEND_FILE) >= 1);
    rig.session->cancelOperation();
    QVERIFY(rig.waitIdle(20000));
    QVERIFY(!rig.session->isClassRunning());
    QCOMPARE(rig.results(), (QList<CalcState::Result> {CalcState::Result::Cancelled,
                                                       CalcState::Result::Cancelled,
                                                       CalcState::Result::Cancelled}));
    const QString status = rig.session->getStatusLineText();
    QVERIFY2(status.startsWith("Sent to 0 of 3 calculators; 3 failed: CLASS-01 (Send cancelled: "),
             qPrintable(status));
    for (SimulatedCalculator *calc : {&rig.first, &rig.refusing, &rig.third})
        QCOMPARE(calc->file("TWO.bin"), QByteArray());
}

QTEST_MAIN(TestSessionClass)
#include "tst_session_class.moc"
