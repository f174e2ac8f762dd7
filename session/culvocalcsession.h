#pragma once

#include <QDir>
#include <QHash>
#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QPair>
#include <QSerialPortInfo>
#include <QSet>
#include <QString>
#include <QUrl>
#include <QVariantList>
#include <QVariant>

#include <memory>
#include <vector>

#include <memory>

#include "link/calcrules.h"
#include "session/calcstate.h"
#include "session/classoperation.h"
#include "session/operationprogress.h"

class CUlvoWorker;
class PortWatcher;
class QTemporaryDir;
class QThread;
class QTimer;
class UlvoCalcModel;
class UlvoFileModel;

// The object the user interface drives: tracks the attached calculators (one worker each, parallel
// to the calculator list model), follows the selection into the file list model, carries the
// status line, the last error and the busy flag, and runs the user's operations through the
// selected calculator's worker.
class CUlvoCalcSession : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int maxFileNameLen READ getMaxFileNameLen CONSTANT)
    // The rest of the calculator's naming rules, for the windows.
    Q_PROPERTY(int maxBaseNameLen READ getMaxBaseNameLen CONSTANT)
    Q_PROPERTY(int maxExtensionLen READ getMaxExtensionLen CONSTANT)
    Q_PROPERTY(int maxCalcNameLen READ getMaxCalcNameLen CONSTANT)
    Q_PROPERTY(int currentIndex READ getCurrentIndex WRITE setCurrentIndex NOTIFY indexChanged)
    Q_PROPERTY(QString error READ getError WRITE setError NOTIFY errorChange)
    Q_PROPERTY(bool isBusy READ getIsBusy WRITE setIsBusy NOTIFY isBusyChange)
    Q_PROPERTY(QString statusLineText READ getStatusLineText WRITE setStatusLineText
                   NOTIFY statusLineTextChange)
    // The selected calculator's running operation, as it goes; all reset when it ends.
    Q_PROPERTY(bool hasProgress READ hasProgress NOTIFY progressChange)
    Q_PROPERTY(QString operationKind READ operationKind NOTIFY progressChange)
    Q_PROPERTY(QString progressFileName READ progressFileName NOTIFY progressChange)
    Q_PROPERTY(int progressFileIndex READ progressFileIndex NOTIFY progressChange)
    Q_PROPERTY(int progressFileCount READ progressFileCount NOTIFY progressChange)
    Q_PROPERTY(qint64 progressBytesDone READ progressBytesDone NOTIFY progressChange)
    Q_PROPERTY(qint64 progressBytesTotal READ progressBytesTotal NOTIFY progressChange)
    Q_PROPERTY(int progressSecondsLeft READ progressSecondsLeft NOTIFY progressChange)
    Q_PROPERTY(QString progressText READ progressText NOTIFY progressChange)
    Q_PROPERTY(bool canCancel READ canCancel NOTIFY progressChange)
    // An operation of several calculators runs (its rows show their own progress).
    Q_PROPERTY(bool classRunning READ isClassRunning NOTIFY classRunningChange)
    // The station: the same files sent to every calculator plugged in while it runs.
    Q_PROPERTY(bool stationActive READ isStationActive NOTIFY stationChange)
    Q_PROPERTY(QString stationFiles READ stationFileNames NOTIFY stationChange)
    Q_PROPERTY(int stationDone READ getStationDone NOTIFY stationChange)
    Q_PROPERTY(int stationFailed READ getStationFailed NOTIFY stationChange)

public:
    using FileInf = QPair<QString, int>;
    using SendPair = QPair<QString, QString>;

    static constexpr int maxFileNameLen = CalcRules::maxFileNameLength;
    static constexpr int maxBaseNameLen = CalcRules::maxBaseLength;
    static constexpr int maxExtensionLen = CalcRules::maxExtensionLength;
    static constexpr int maxCalcNameLen = CalcRules::maxCalcNameLength;
    static constexpr int pollIntervalMs = 1000;
    // How long destruction waits for a running operation thread before leaving it behind.
    static constexpr int exitWaitMs = 10000;

    explicit CUlvoCalcSession(QObject *parent = nullptr);
    ~CUlvoCalcSession() override;

    void initialize(UlvoCalcModel *calcModel, UlvoFileModel *fileModel);
    void addCalc(QSerialPortInfo portInfo);
    bool isFileWillBeSend(QString name);

    int getMaxFileNameLen() const { return maxFileNameLen; }
    int getMaxBaseNameLen() const { return maxBaseNameLen; }
    int getMaxExtensionLen() const { return maxExtensionLen; }
    int getMaxCalcNameLen() const { return maxCalcNameLen; }
    int getCurrentIndex() const { return currentIndex; }
    void setCurrentIndex(int index);
    QString getError() const { return error; }
    void setError(const QString &text);
    bool getIsBusy() const { return isBusy; }
    void setIsBusy(bool busy);
    QString getStatusLineText() const { return statusLineText; }
    void setStatusLineText(const QString &text);

    bool hasProgress() const { return shownProgress().hasReported(); }
    QString operationKind() const { return shownProgress().kindName(); }
    QString progressFileName() const { return shownProgress().state().fileName; }
    int progressFileIndex() const { return shownProgress().state().fileIndex; }
    int progressFileCount() const { return shownProgress().state().fileCount; }
    qint64 progressBytesDone() const { return shownProgress().state().bytesDone; }
    qint64 progressBytesTotal() const { return shownProgress().state().bytesTotal; }
    int progressSecondsLeft() const { return shownProgress().secondsLeft(); }
    QString progressText() const { return shownProgress().hasReported() ? shownProgress().text() : QString(); }
    // How the last operation of the calculator in that row ended (Result::None before any).
    CalcState calcState(int row) const;
    bool canCancel() const { return shownProgress().canCancel(); }
    // Stops the selected calculator's operation at its next frame or file, where it can be; while
    // an operation of several calculators runs, stops each of them the same way.
    Q_INVOKABLE void cancelOperation();

    // Several calculators selected: send, download (collect), delete, backup and restore act on
    // each of them at once, every one on its own thread, and the status line sums them up.
    Q_INVOKABLE bool isClassSelected() const;
    Q_INVOKABLE int selectedCalcCount() const;
    // The question for the next existing-name collision, for one calculator or for the class.
    Q_INVOKABLE QString collisionToCalcQuestion();
    // One archive per selected calculator, NAME-YYYY-MM-DD.ubk, into folder.
    Q_INVOKABLE void createClassBackup(QUrl folder);
    // Starts serving each calculator plugged in from now on, once per plug-in, with these files
    // (replacing files of the same name); those attached now are left alone. False when no file
    // can be sent.
    Q_INVOKABLE bool startStation(QList<QUrl> urls);
    Q_INVOKABLE void stopStation();
    bool isStationActive() const { return stationActive; }
    QString stationFileNames() const;
    int getStationDone() const { return stationDone; }
    int getStationFailed() const { return stationFailed; }

    // Whether an operation of several calculators is running.
    Q_INVOKABLE bool isClassRunning() const { return classOperation != nullptr; }

    // Sending files to the calculator.
    Q_INVOKABLE bool isFileExist(QString name);
    Q_INVOKABLE void toCalcUrls(QList<QUrl> urls);
    Q_INVOKABLE bool isToCalcZeroSizeCollision();
    Q_INVOKABLE bool isToCalcNameCollision();
    Q_INVOKABLE bool isToCalcExistingCollision();
    Q_INVOKABLE QString collisionToCalcZeroSizeFileName();
    Q_INVOKABLE QString collisionToCalcFileName();
    Q_INVOKABLE QString getNameToCalcCollisionOld();
    Q_INVOKABLE QString getNameToCalcCollisionNew();
    Q_INVOKABLE void releaseToCalcCollision(bool replace);
    Q_INVOKABLE void sendFiles();

    // Downloading files from the calculator.
    Q_INVOKABLE void addSelected(int row);
    Q_INVOKABLE void fromCalcUrls(bool checkCollision = false,
                                  QUrl destFolder = QUrl::fromLocalFile(QDir::tempPath()));
    Q_INVOKABLE bool isFromCalcCollision();
    Q_INVOKABLE QString collisionFromCalcFileName();
    Q_INVOKABLE void releaseFromCalcCollision(bool replace);
    Q_INVOKABLE QList<QUrl> downloadFiles();
    Q_INVOKABLE QString fileNameFromUrl(QUrl fileUrl);
    Q_INVOKABLE QString fileDirFromUrl(QUrl fileUrl);

    // Delete, rename, backup and restore.
    Q_INVOKABLE void deleteSelectedFiles();
    Q_INVOKABLE void changeCalcName(QString newName);
    Q_INVOKABLE void createBackup();
    Q_INVOKABLE void restoreBackup(QUrl url);
    // True when the archive now stands under newName; the window can tell a failed move apart.
    Q_INVOKABLE bool renameBackup(QString oldName, QString newName);
    Q_INVOKABLE void removeFile(QString name);

    // Editor bridge.
    // Both run as operations of the selected calculator. The program arrives through
    // openEditFromCalc; the send's outcome through fileFromEditSent. False when the request was
    // refused (the status line says why).
    Q_INVOKABLE bool downloadForEdit(int row);
    Q_INVOKABLE bool sendFileFromEdit(QString fileName, QString fileData);
    // True when the file was written; a failure is also reported in the status line.
    Q_INVOKABLE bool saveFileOnComputer(QString fileName, QString fileData);
    // A program file of the computer as calculator text, read as a download is read; undefined
    // when it cannot be read or exceeds maxProgramFileSize (the status line says why).
    Q_INVOKABLE QVariant openFileOnComputer(QString filePath);
    // Asks the editor to open a program file of the computer (command line, second start):
    // emits openEditFromComputer.
    Q_INVOKABLE void editFileOnComputer(QString filePath);
    static constexpr qint64 maxProgramFileSize = 1024 * 1024;

    // Safety copies kept before deletes and restores, and files sent from a backup.
    // Newest first; each a map of path, url, calculator, date, kind, files and size.
    Q_INVOKABLE QVariantList safetyCopies();
    // The folder of the copies (created if need be), for a file manager.
    Q_INVOKABLE QUrl safetyFolderUrl();
    // The listed calculator a copy was taken from, by the name in the copy's file name; -1 if none.
    Q_INVOKABLE int calcRowOfCopy(QString calculator);
    // The file entries of a backup archive, checked as a restore checks it; empty (with the
    // reason on the status line) when the archive would be refused.
    Q_INVOKABLE QStringList backupEntryNames(QUrl archive);
    // The named entries (all when none are named) written as local files for the send flow.
    Q_INVOKABLE QList<QUrl> backupEntryUrls(QUrl archive, QStringList names = QStringList());
    // Removes the copies that are too many or too old (see SafetyCopies); run once at start.
    void pruneSafetyCopies();

    Q_INVOKABLE QString getProgramName(bool withVersion = true);
    Q_INVOKABLE QString getInfo();

signals:
    void indexChanged(int oldIndex, int newIndex);
    void connectNewCalc();
    void errorChange();
    void isBusyChange();
    void statusLineTextChange();
    void progressChange();
    void stationChange();
    void classRunningChange();
    // The station has served one calculator: sent, or failed with the reason in text.
    void stationServed(QString calcName, bool sent, QString text);
    // A calculator's operation has started or ended (its row's state, calcState()).
    void calcStateChange(int row);
    void openEditFromCalc(QString fileName, QString fileData);
    void openEditFromComputer(QUrl fileUrl);
    void backupLoaded(QString fileName);
    // The editor's send has ended: sent, or failed with the error in `error`.
    void fileFromEditSent(QString fileName, bool sent);
    // The first contact with a newly found calculator has ended; its name and files are listed.
    void calcContacted(QString portName);
    // A download has ended, completed, failed or stopped: the URLs downloadFiles() returned for
    // it, and those of the files that arrived.
    void downloadEnded(QList<QUrl> promised, QList<QUrl> arrived);

public slots:
    void onIndexChange(int newIndex);
    void update();
    void onErrorChange(QString errorText);
    void onIAmBusy();
    void onIAmNotBusy();
    // isError: the text tells of a failure, which a change of selection by a poll leaves standing.
    void onStatusChange(QString newStatus, bool isError = false);
    void onDevNameChange();
    void onFilesListChange();
    void onSendFilesEnd();
    void onDownloadFilesEnd();
    void onDeleteSelectedFilesEnd();
    void onRestoreBackupEnd();
    void onChangeCalcNameEnd();
    void onDownloadForEditEnd();
    void onSendFileFromEditEnd();
    void onFileSend(QPair<QString, int> fInf);
    void onFileDelete(QString fName);

private slots:
    // Bookkeeping once an operation thread has ended: drops its one-off connections and frees the
    // worker for the next operation (a later poll drops it if its calculator has gone).
    void onOperationThreadFinished();
    // Names and lists a calculator whose first contact has ended.
    void onCalcContacted();
    void onWorkerProgress(const TransferProgress &state);
    void onDownloadFinished();
    void onClassBackupLoaded(QString fileName);
    void onClassBackupEnd();
    void onStationSendEnd();

private:
    // One threaded operation of one worker.
    using WorkerSlot = void (CUlvoWorker::*)();
    using SessionSlot = void (CUlvoCalcSession::*)();
    // What the operation's worker signals besides finished(), passed on for this one operation.
    enum class Relay { None, Backup, EditFile, ClassBackup };
    // A first contact does not lock the windows: other calculators stay usable meanwhile.
    enum class Busy { Counted, NotCounted };
    struct Operation {
        CUlvoWorker *worker = nullptr;
        Busy busy = Busy::Counted;
        SessionSlot endHandler = nullptr;
        QMetaObject::Connection relay;
        QMetaObject::Connection refresh;
    };

    CUlvoWorker *selectedWorker() const;
    // On the calculator or among the files to send, ignoring case.
    bool isCalcNameTaken(const QString &name);
    bool isWorkerRunning(const CUlvoWorker *worker) const;
    // Refuses (with a status text) when an operation of the worker still runs.
    bool refuseWhenWorkerRunning(const CUlvoWorker *worker);
    void clearPendingError();
    // The one pattern by which every threaded operation starts, once its guard has passed.
    void startOperation(CUlvoWorker *worker, WorkerSlot operation, SessionSlot refresh,
                        SessionSlot endHandler, Relay relay = Relay::None, Busy busy = Busy::Counted);
    void startFirstContact(CUlvoWorker *worker);
    // In an end handler: the worker of the operation that has ended (null when called directly).
    CUlvoWorker *endingWorker() const;
    // The ending operation's own failure: its worker's last error, or, for a batch (whatNotDone
    // "not sent"), a file that failed without any text. Empty when it succeeded.
    QString endingFailure(const QString &whatNotDone = QString());
    // Records the ending calculator's outcome and shows it on the status line; true on success.
    bool setEndStatus(const QString &successText, const QString &whatNotDone = QString());
    void recordEnd(const CUlvoWorker *worker, CalcState::Result result, const QString &text,
                   const QString &failure = QString());
    // Records success (with successText) or failure; returns the end text.
    QString recordOutcome(const CUlvoWorker *worker, const QString &successText, const QString &failure);
    // The success text of a delete or restore, naming the safety copy it kept.
    QString withSafetyCopy(const QString &successText) const;
    // The status line of a failure: "Error: " and what went wrong.
    static QString errorText(const QString &failure);
    static QString busyText();
    // A send's success text, and what its batch says of a file that failed without a text.
    static QString sentText();
    static QString notSentText();
    static QString noneHasFilesText();
    // Asks the timer for another poll where no udev report would come to prompt one.
    void keepPolling();
    void dropWorkerAt(int index);
    void raiseWindow();
    void refillFileModel();
    const OperationProgress &shownProgress() const;

    // The selected calculators when there are several, else none.
    QList<CUlvoWorker *> classWorkers() const;
    bool isClassMember(const CUlvoWorker *worker) const;
    // Refuses (with a status text) when any of them is still running an operation.
    bool refuseWhenAnyRunning(const QList<CUlvoWorker *> &members);
    // Starts one operation of the class for a worker, after its inputs have been set.
    void startClassMember(CUlvoWorker *worker, WorkerSlot operation, SessionSlot refresh,
                          SessionSlot endHandler, Relay relay = Relay::None);
    // Counts the end of a member; the summary goes to the status line once all have ended.
    void noteClassEnd(const CUlvoWorker *worker);
    // Once every member has started: tells the window, and how the class stands.
    void announceClassStart();
    void sendToClass();
    QList<QUrl> collectFromClass();
    void deleteOnClass(const QList<FileInf> &files);
    void restoreClass(const QUrl &url);

    int currentIndex = -1;
    QList<FileInf> selectedFiles;
    QList<SendPair> filesToSend;
    QList<FileInf> filesToDownload;
    QList<SendPair> existingCollisions;
    QList<SendPair> longNameCollisions;
    QList<FileInf> downloadCollisions;
    QStringList zeroSizeFiles;
    QString nameCollisionOld;
    QString nameCollisionNew;
    QList<CUlvoWorker *> workers;
    UlvoCalcModel *calcModel = nullptr;
    UlvoFileModel *fileModel = nullptr;
    QTimer *pollTimer = nullptr;
    PortWatcher *portWatcher = nullptr;
    QString error;
    QString downloadFolder;
    // Per running download: the URLs downloadFiles() returned for it.
    QHash<CUlvoWorker *, QList<QUrl>> promisedDownloads;
    bool isBusy = false;
    QString statusLineText;
    // Whether the status line tells of a failure (set with the text, never read from its words).
    bool statusIsError = false;

    // Running operation threads and the worker each one runs.
    QHash<QThread *, Operation> operations;
    // Progress of each worker's running operation.
    QHash<const CUlvoWorker *, OperationProgress> progressOf;
    // How each worker's last operation ended.
    QHash<const CUlvoWorker *, CalcState> stateOf;
    // Workers whose port could not be opened and the user has been told so.
    QSet<const CUlvoWorker *> openFailureReported;
    bool inPoll = false;
    // Folders of backup entries written for sending; they live as long as the session, since a
    // send reads them on its own thread after the request.
    std::vector<std::unique_ptr<QTemporaryDir>> entryFolders;
    // The running operation of several calculators, if any.
    std::unique_ptr<ClassOperation> classOperation;
    // Existing-name collisions the user chose not to replace, for a class send: sent only to the
    // calculators that lack the name.
    QList<SendPair> sendWhereAbsent;
    // Where each calculator's archive of a class backup goes, and which ones arrived there.
    QHash<const CUlvoWorker *, QString> classBackupTargets;
    QSet<const CUlvoWorker *> classBackupSaved;
    // The station's files, the calculators it is not to serve (attached before it started, or
    // served already) and its counts.
    bool stationActive = false;
    QList<SendPair> stationSendList;
    QSet<const CUlvoWorker *> stationLeftAlone;
    int stationDone = 0;
    int stationFailed = 0;
    // Serves the worker if the station runs and it has not been served nor left alone.
    void serveAtStation(CUlvoWorker *worker);
    // The worker whose operation's end handler is running.
    CUlvoWorker *endingOperationWorker = nullptr;
};
