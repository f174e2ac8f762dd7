// The session without any calculator: properties, guards, sorting of send and download requests,
// splitting file URLs, moving the backup archive and saving the editor's text.
#include "link/culvocalc.h"
#include "models/ulvocalcmodel.h"
#include "models/ulvofilemodel.h"
#include "session/culvocalcsession.h"
#include "localfiles.h"
#include "ulvobuildinfo.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestSessionLogic : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void propertyWritesEmitOnlyOnChange();
    void programNameAndAbout();
    void operationsWithoutCalculatorOnlyClearError_data();
    void operationsWithoutCalculatorOnlyClearError();
    void zeroSizeNamesStayUntilTaken();
    void longNameIsReportedThenChecked();
    void downloadSelectionAndCollisions();
    void splitFileUrl_data();
    void splitFileUrl();
    void renameBackupKeepsOrReplaces();
    void renameBackupFailureRestoresDestination();
    void saveFileOnComputer_data();
    void saveFileOnComputer();
    void saveFileFailureIsReported();
    void editorRequestsCheckedBeforeContact_data();
    void editorRequestsCheckedBeforeContact();

private:
    UlvoCalcModel *calcModel = nullptr;
    UlvoFileModel *fileModel = nullptr;
    CUlvoCalcSession *session = nullptr;
    QTemporaryDir *dir = nullptr;
};

void TestSessionLogic::init()
{
    calcModel = new UlvoCalcModel;
    fileModel = new UlvoFileModel;
    session = new CUlvoCalcSession;
    session->initialize(calcModel, fileModel);
    dir = new QTemporaryDir;
}

void TestSessionLogic::cleanup()
{
    delete session;
    delete fileModel;
    delete calcModel;
    delete dir;
}

void TestSessionLogic::propertyWritesEmitOnlyOnChange()
{
    QSignalSpy errorChange(session, &CUlvoCalcSession::errorChange);
    QSignalSpy statusChange(session, &CUlvoCalcSession::statusLineTextChange);
    QSignalSpy busyChange(session, &CUlvoCalcSession::isBusyChange);

    QVERIFY(session->setProperty("error", QStringLiteral("broken")));
    QVERIFY(session->setProperty("error", QStringLiteral("broken")));
    QCOMPARE(errorChange.count(), 1);
    session->onErrorChange(QStringLiteral("broken"));
    QCOMPARE(errorChange.count(), 2);
    QCOMPARE(session->property("error").toString(), QStringLiteral("broken"));

    QVERIFY(session->setProperty("statusLineText", QStringLiteral("hello")));
    QVERIFY(session->setProperty("statusLineText", QStringLiteral("hello")));
    QCOMPARE(statusChange.count(), 1);
    session->onStatusChange(QStringLiteral("hello"));
    session->onStatusChange(QStringLiteral("hello"));
    QCOMPARE(statusChange.count(), 3);

    QVERIFY(session->setProperty("isBusy", true));
    QVERIFY(session->setProperty("isBusy", true));
    QCOMPARE(busyChange.count(), 1);
    session->onIAmNotBusy();
    QCOMPARE(session->getIsBusy(), false);
    QCOMPARE(busyChange.count(), 2);

    QCOMPARE(session->property("maxFileNameLen").toInt(), 18);
    QVERIFY(!session->setProperty("maxFileNameLen", 3));
    // The rest of the naming rules the windows read.
    QCOMPARE(session->property("maxBaseNameLen").toInt(), 14);
    QCOMPARE(session->property("maxExtensionLen").toInt(), 3);
    QCOMPARE(session->property("maxCalcNameLen").toInt(), 16);
}

void TestSessionLogic::programNameAndAbout()
{
    const QString withVersion = QStringLiteral("Ulvo Connect " ULVO_VERSION);
    QCOMPARE(session->getProgramName(false), QStringLiteral("Ulvo Connect"));
    QCOMPARE(session->getProgramName(), withVersion);
    QCOMPARE(session->getProgramName(true), withVersion);
    const QString info = session->getInfo();
    const QStringList lines = info.split(QLatin1Char('\n'));
    QCOMPARE(lines.first(), withVersion);
    // Name, then three paragraphs, each after an empty line; no line end at the end.
    QCOMPARE(lines.size(), 7);
    QCOMPARE(lines.at(1), QString());
    QCOMPARE(lines.at(3), QString());
    QCOMPARE(lines.at(5), QString());
    QVERIFY(!lines.at(2).isEmpty() && !lines.at(4).isEmpty() && !lines.at(6).isEmpty());
    QVERIFY(!info.contains(QLatin1Char('\r')));
}

// The selection as the session starts, and one that the windows wrote past the end of the list:
// neither may reach a calculator that is not there.
void TestSessionLogic::operationsWithoutCalculatorOnlyClearError_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("nothing selected") << -1;
    QTest::newRow("index written past the list") << 2;
}

void TestSessionLogic::operationsWithoutCalculatorOnlyClearError()
{
    QFETCH(int, index);
    QVERIFY(session->setProperty("currentIndex", index));
    const QUrl local = writeFile(dir->filePath("a.txt"), "abc");
    fileModel->setFileNames({{QStringLiteral("A.TXT"), 3}});
    QSignalSpy busyChange(session, &CUlvoCalcSession::isBusyChange);
    QSignalSpy statusChange(session, &CUlvoCalcSession::statusLineTextChange);
    QSignalSpy backup(session, &CUlvoCalcSession::backupLoaded);
    const QList<std::function<void()>> requests {
        [&] { session->toCalcUrls({local}); session->sendFiles(); },
        [&] { session->changeCalcName(QStringLiteral("NEW")); },
        [&] { session->addSelected(0); session->deleteSelectedFiles(); },
        [&] { session->createBackup(); },
        [&] { session->restoreBackup(local); },
        [&] {
            session->addSelected(0);
            session->fromCalcUrls(false, QUrl::fromLocalFile(dir->path()));
            QCOMPARE(session->downloadFiles(), QList<QUrl>());
        },
    };
    for (const auto &request : requests) {
        session->onErrorChange(QStringLiteral("pending"));
        QSignalSpy errorChange(session, &CUlvoCalcSession::errorChange);
        request();
        QCOMPARE(session->getError(), QString());
        QCOMPARE(errorChange.count(), 1);
    }
    QCoreApplication::processEvents();
    QCOMPARE(busyChange.count(), 0);
    QCOMPARE(statusChange.count(), 0);
    QCOMPARE(backup.count(), 0);
}

void TestSessionLogic::zeroSizeNamesStayUntilTaken()
{
    const QUrl empty = writeFile(dir->filePath("empty.txt"), "");
    const QUrl missing = QUrl::fromLocalFile(dir->filePath("missing.txt"));
    const QUrl full = writeFile(dir->filePath("full.txt"), "x");
    session->toCalcUrls({empty, full, missing});
    QVERIFY(session->isToCalcZeroSizeCollision());
    QVERIFY(!session->isToCalcExistingCollision());
    QVERIFY(!session->isToCalcNameCollision());
    QVERIFY(session->isFileWillBeSend(QStringLiteral("full.TXT")));

    session->toCalcUrls({full});
    QVERIFY(session->isToCalcZeroSizeCollision());
    QVERIFY(session->isFileWillBeSend(QStringLiteral("FULL.txt")));
    QCOMPARE(session->collisionToCalcZeroSizeFileName(), QStringLiteral("empty.txt"));
    QVERIFY(session->isToCalcZeroSizeCollision());
    QCOMPARE(session->collisionToCalcZeroSizeFileName(), QStringLiteral("missing.txt"));
    QVERIFY(!session->isToCalcZeroSizeCollision());
    QCOMPARE(session->collisionToCalcZeroSizeFileName(), QString());
}

void TestSessionLogic::longNameIsReportedThenChecked()
{
    const QString longName = QStringLiteral("a very long program name.ucb");
    const QString converted = CUlvoCalc::convertToSfn(longName);
    QVERIFY(converted.size() != longName.size());
    fileModel->setFileNames({{converted.toLower(), 5}});
    const QUrl local = writeFile(dir->filePath(longName), "abc");

    session->toCalcUrls({local});
    QVERIFY(!session->isToCalcExistingCollision());
    QCOMPARE(session->collisionToCalcFileName(), QString());
    QVERIFY(session->isToCalcNameCollision());
    QCOMPARE(session->getNameToCalcCollisionOld(), longName);
    QCOMPARE(session->getNameToCalcCollisionNew(), converted);
    // The converted name is taken on the calculator (in another case): asked about next.
    QVERIFY(!session->isToCalcNameCollision());
    QVERIFY(session->isToCalcExistingCollision());
    QCOMPARE(session->collisionToCalcFileName(), converted);
    session->releaseToCalcCollision(false);
    QVERIFY(!session->isToCalcExistingCollision());
    QVERIFY(!session->isFileWillBeSend(converted));
    session->releaseToCalcCollision(true); // nothing left: no effect
    QVERIFY(!session->isFileWillBeSend(converted));
}

void TestSessionLogic::downloadSelectionAndCollisions()
{
    fileModel->setFileNames({{QStringLiteral("A.TXT"), 3}, {QStringLiteral("B.TXT"), 4},
                             {QStringLiteral("C.TXT"), 5}});
    writeFile(dir->filePath("B.TXT"), "old");
    writeFile(dir->filePath("C.TXT"), "old");
    const QUrl folder = QUrl::fromLocalFile(dir->path());

    session->addSelected(0);
    session->addSelected(1);
    session->addSelected(2);
    session->addSelected(3); // past the end: nothing
    session->fromCalcUrls(true, folder);
    QCOMPARE(session->fileDirFromUrl(QUrl::fromLocalFile(dir->filePath("x"))), dir->path() + "/");
    QVERIFY(session->isFromCalcCollision());
    QCOMPARE(session->collisionFromCalcFileName(), QStringLiteral("B.TXT"));
    session->releaseFromCalcCollision(false);
    QCOMPARE(session->collisionFromCalcFileName(), QStringLiteral("C.TXT"));
    session->releaseFromCalcCollision(true);
    QVERIFY(!session->isFromCalcCollision());
    QCOMPARE(session->collisionFromCalcFileName(), QString());
    session->releaseFromCalcCollision(true); // nothing left: no effect

    // The selection was consumed; without a collision check everything is downloaded.
    session->fromCalcUrls(true, folder);
    QVERIFY(!session->isFromCalcCollision());
    session->addSelected(1);
    session->addSelected(2);
    session->fromCalcUrls(false, folder);
    QVERIFY(!session->isFromCalcCollision());
}

void TestSessionLogic::splitFileUrl_data()
{
    QTest::addColumn<QUrl>("url");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("folder");
    QTest::newRow("file") << QUrl::fromLocalFile("/home/user/calc.ubk") << "calc.ubk" << "/home/user/";
    QTest::newRow("folder") << QUrl::fromLocalFile("/home/user/") << "" << "/home/user/";
    QTest::newRow("hash and space") << QUrl::fromLocalFile("/tmp/my dir/a#1 b.ucb") << "a#1 b.ucb"
                                    << "/tmp/my dir/";
    QTest::newRow("encoded") << QUrl("file:///tmp/%C3%A9t%C3%A9.txt") << QString::fromUtf8("été.txt")
                             << "/tmp/";
}

void TestSessionLogic::splitFileUrl()
{
    QFETCH(QUrl, url);
    QFETCH(QString, name);
    QFETCH(QString, folder);
    QCOMPARE(session->fileNameFromUrl(url), name);
    QCOMPARE(session->fileDirFromUrl(url), folder);
    QCOMPARE(session->fileDirFromUrl(url) + session->fileNameFromUrl(url), url.toLocalFile());
}

void TestSessionLogic::renameBackupKeepsOrReplaces()
{
    const QString archive = dir->filePath("calc-backup.ubk");
    const QString target = dir->filePath("mine.ubk");
    writeFile(archive, "new archive");
    writeFile(target, "old archive");
    QVERIFY(session->renameBackup(archive, target));
    QCOMPARE(readFile(target), QByteArray("new archive"));
    QVERIFY(!QFile::exists(archive));
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList {"mine.ubk"});

    // No archive: the destination stays as it is; removeFile of a missing file is harmless.
    QVERIFY(!session->renameBackup(archive, target));
    QVERIFY(!session->renameBackup(QString(), target));
    QCOMPARE(readFile(target), QByteArray("new archive"));
    session->removeFile(archive);
    session->removeFile(target);
    QVERIFY(!QFile::exists(target));

    // A folder of the chosen name is no file to replace: it keeps its name and content.
    const QString folder = dir->filePath("folder.ubk");
    QVERIFY(QDir().mkpath(folder));
    writeFile(folder + "/inside.txt", "keep");
    writeFile(archive, "new archive");
    QVERIFY(!session->renameBackup(archive, folder));
    QCOMPARE(readFile(folder + "/inside.txt"), QByteArray("keep"));
    QCOMPARE(QDir(dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             (QStringList {"calc-backup.ubk", "folder.ubk"}));
}

void TestSessionLogic::renameBackupFailureRestoresDestination()
{
    // A folder cannot be moved into itself: the move fails after the destination was set aside.
    const QString source = dir->filePath("folder");
    QVERIFY(QDir().mkpath(source));
    const QString target = source + "/keep.ubk";
    writeFile(target, "precious");
    QVERIFY(!session->renameBackup(source, target));
    QCOMPARE(readFile(target), QByteArray("precious"));
    QCOMPARE(QDir(source).entryList(QDir::Files), QStringList {"keep.ubk"});
}

void TestSessionLogic::saveFileOnComputer_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QString() << QByteArray("\n");
    QTest::newRow("ends in line feed") << QStringLiteral("A=1\n") << QByteArray("A=1\n");
    QTest::newRow("no line end") << QStringLiteral("A=1\nB=2") << QByteArray("A=1\nB=2\n");
    QTest::newRow("calculator symbol") << QStringLiteral("X\u00B2") << QByteArray("X\xB2\n");
    QTest::newRow("outside Latin-1") << QStringLiteral("\u03C0") << QByteArray("?\n");
}

void TestSessionLogic::saveFileOnComputer()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    const QString path = dir->filePath("PRG.ucb");
    writeFile(path, "a much longer earlier content that must go");
    QVERIFY(session->saveFileOnComputer(path, text));
    QCOMPARE(readFile(path), bytes);
}

void TestSessionLogic::saveFileFailureIsReported()
{
    const QString path = dir->filePath("missing-folder/PRG.ucb");
    QVERIFY(!session->saveFileOnComputer(path, QStringLiteral("A=1")));
    QVERIFY(!QFile::exists(path));
    QCOMPARE(session->getStatusLineText(), QStringLiteral("Error: Can't save file: ") + path);

    // A folder standing where the file should go is left alone.
    const QString folder = dir->filePath("PRG2.ucb");
    QVERIFY(QDir().mkpath(folder + "/inner"));
    QVERIFY(!session->saveFileOnComputer(folder, QStringLiteral("A=1")));
    QVERIFY(QFileInfo(folder + "/inner").isDir());
    QVERIFY(session->getStatusLineText().startsWith("Error: "));
}

void TestSessionLogic::editorRequestsCheckedBeforeContact_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("status");
    QTest::newRow("past the end") << 5 << "File information error";
    QTest::newRow("negative") << -1 << "File information error";
    QTest::newRow("text file") << 0 << "File type error. Please select UlvoBasic program file";
    QTest::newRow("mixed case extension") << 1 << "File type error. Please select UlvoBasic program file";
    // Passes the name test; with no calculator selected nothing more happens.
    QTest::newRow("ucb inside the name") << 2 << "unchanged";
}

void TestSessionLogic::editorRequestsCheckedBeforeContact()
{
    QFETCH(int, row);
    QFETCH(QString, status);
    fileModel->setFileNames({{QStringLiteral("notes.txt"), 3}, {QStringLiteral("PRG.Ucb"), 3},
                             {QStringLiteral("prog.ucb.txt"), 3}});
    session->onStatusChange(QStringLiteral("unchanged"));
    QSignalSpy opened(session, &CUlvoCalcSession::openEditFromCalc);
    session->downloadForEdit(row);
    QCOMPARE(session->getStatusLineText(), status);
    QCOMPARE(opened.count(), 0);

    session->sendFileFromEdit(QStringLiteral("PRG1.ucb"), QStringLiteral("A=1"));
    QCOMPARE(session->getStatusLineText(), QStringLiteral("Calculator for sending the file is not selected"));
}

QTEST_MAIN(TestSessionLogic)
#include "tst_session_logic.moc"
