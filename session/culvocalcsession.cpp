#include "session/culvocalcsession.h"

#include "link/culvocalc.h"
#include "models/ulvocalcmodel.h"
#include "models/ulvofilemodel.h"
#include "session/culvoworker.h"
#include "session/portwatcher.h"
#include "session/sessionlog.h"
#include "ulvobuildinfo.h"

#include <QDeadlineTimer>
#include <QScopedValueRollback>
#include <QTemporaryDir>
#include <QGuiApplication>
#include <QThread>
#include <QTimer>
#include <QWindow>

#include <algorithm>

Q_LOGGING_CATEGORY(lcSession, "ulvo.session", QtCriticalMsg)

namespace {

const QString programName = QStringLiteral(ULVO_PROGRAM_NAME);
const QString programVersion = QStringLiteral(ULVO_VERSION);

} // namespace

CUlvoCalcSession::CUlvoCalcSession(QObject *parent)
    : QObject(parent)
{
}

CUlvoCalcSession::~CUlvoCalcSession()
{
    // A running operation is given a bounded time to end (its link's waits are bounded too);
    // its thread's quit() would otherwise only arrive through the event loop, which has ended.
    const QDeadlineTimer deadline(exitWaitMs);
    const QList<QThread *> threads = operations.keys();
    for (QThread *thread : threads) {
        const Operation operation = operations.value(thread);
        disconnect(thread, nullptr, this, nullptr);
        disconnect(operation.worker, nullptr, this, nullptr);
        thread->quit();
        if (!thread->wait(deadline)) {
            // Still exchanging: neither it nor its worker can be deleted safely; the process
            // ends around them.
            qCWarning(lcSession, "Operation thread still running at exit");
            workers.removeAll(operation.worker);
            continue;
        }
        delete thread;
    }
    qDeleteAll(workers);
}

void CUlvoCalcSession::initialize(UlvoCalcModel *calcModel, UlvoFileModel *fileModel)
{
    this->calcModel = calcModel;
    this->fileModel = fileModel;
    connect(calcModel, &UlvoCalcModel::indexOrSizeChange, this, &CUlvoCalcSession::onIndexChange);

    pollTimer = new QTimer(this);
    connect(pollTimer, &QTimer::timeout, this, &CUlvoCalcSession::update);
    // Where udev reports ports coming and going, poll on its reports (and once at start) rather
    // than every second: enumerating every tty is what an idle session would spend its time on.
    portWatcher = new PortWatcher(this);
    connect(portWatcher, &PortWatcher::portsChanged, this, &CUlvoCalcSession::update);
    pollTimer->setSingleShot(portWatcher->isWatching());
    pollTimer->start(pollIntervalMs);
    // Once the window is up: pruning reads the folder of copies, which the first frame need not
    // wait for.
    QTimer::singleShot(0, this, &CUlvoCalcSession::pruneSafetyCopies);

    QStringList names;
    for (const CUlvoWorker *worker : qAsConst(workers))
        names.append(worker->getDeviceName());
    calcModel->initialize(names);
    if (CUlvoWorker *worker = selectedWorker())
        fileModel->initialize(worker->getFilesInfo());
}

void CUlvoCalcSession::update()
{
    // Selection changes caused by calculators coming and going keep an error on the status line.
    const QScopedValueRollback<bool> polling(inPoll, true);
    QList<QSerialPortInfo> found = CUlvoCalc::findCalcs();
    int i = 0;
    while (i < workers.size()) {
        const QString portName = workers.at(i)->getPortName();
        const auto still = std::find_if(found.begin(), found.end(), [&](const QSerialPortInfo &port) {
            return port.portName() == portName;
        });
        if (still != found.end()) {
            found.erase(still);
            // A port held by another program is tried again until it can be opened; freeing it
            // makes no udev report, so a later poll has to come from the timer.
            if (!isWorkerRunning(workers.at(i)) && workers.at(i)->isUnreachable()) {
                startFirstContact(workers.at(i));
                keepPolling();
            }
            ++i;
        } else if (isWorkerRunning(workers.at(i))) {
            // A calculator restarting at the end of a restore leaves the bus for a few seconds:
            // its worker stays while the operation runs, which either finds the calculator back or
            // ends with an error, and a later poll drops a calculator that is really gone.
            ++i;
            keepPolling(); // no report may come to prompt that later poll
        } else {
            dropWorkerAt(i);
        }
    }
    for (const QSerialPortInfo &port : qAsConst(found))
        addCalc(port);
}

void CUlvoCalcSession::keepPolling()
{
    if (pollTimer && !pollTimer->isActive())
        pollTimer->start();
}

void CUlvoCalcSession::dropWorkerAt(int index)
{
    // Only idle workers are dropped (see update), so nothing else holds this one.
    CUlvoWorker *worker = workers.takeAt(index);
    openFailureReported.remove(worker);
    stateOf.remove(worker);
    stationLeftAlone.remove(worker);
    calcModel->deleteAt(index);
    delete worker;
}

void CUlvoCalcSession::addCalc(QSerialPortInfo portInfo)
{
    // Listed at once under its port name; its own name and files follow when the first contact,
    // which may take seconds with a calculator that does not answer, has ended on its thread.
    auto *worker = new CUlvoWorker(portInfo);
    connect(worker, &CUlvoWorker::errorNotify, this, &CUlvoCalcSession::onErrorChange);
    connect(worker, &CUlvoWorker::progress, this, &CUlvoCalcSession::onWorkerProgress);
    raiseWindow();
    workers.append(worker);
    //: A calculator's row while the first contact with it runs; %1 is its port name.
    calcModel->pushBack(tr("%1 (connecting...)").arg(portInfo.portName()));
    emit connectNewCalc();
    startFirstContact(worker);
}

void CUlvoCalcSession::startFirstContact(CUlvoWorker *worker)
{
    startOperation(worker, &CUlvoWorker::firstContact, nullptr, &CUlvoCalcSession::onCalcContacted,
                   Relay::None, Busy::NotCounted);
}

void CUlvoCalcSession::onCalcContacted()
{
    CUlvoWorker *worker = endingWorker();
    const int row = workers.indexOf(worker);
    if (row < 0)
        return;
    const QString name = worker->getDeviceName();
    qCDebug(lcSession) << "First contact with" << worker->getPortName() << "ended; name:" << name
                       << "files:" << worker->getFilesInfo().size();
    calcModel->changeNameAt(row, name.isEmpty() ? worker->getPortName() : name);
    if (row == currentIndex)
        refillFileModel();
    // Told once per plug-in; later polls keep trying the port without a word.
    const QString failure = worker->getOpenFailure();
    if (!failure.isEmpty() && !openFailureReported.contains(worker)) {
        openFailureReported.insert(worker);
        onErrorChange(failure);
        onStatusChange(errorText(failure), true);
    }
    emit calcContacted(worker->getPortName());
    serveAtStation(worker);
}

void CUlvoCalcSession::raiseWindow()
{
    const QWindowList windows = QGuiApplication::topLevelWindows();
    if (windows.isEmpty())
        return;
    windows.first()->raise();
    windows.first()->requestActivate();
}

CUlvoWorker *CUlvoCalcSession::selectedWorker() const
{
    return currentIndex >= 0 && currentIndex < workers.size() ? workers.at(currentIndex) : nullptr;
}

void CUlvoCalcSession::refillFileModel()
{
    fileModel->clear();
    CUlvoWorker *worker = selectedWorker();
    if (!worker)
        return;
    fileModel->setFileNames(worker->getFilesInfo());
    // The table cannot show a file whose name is not text: say so once for this listing, without
    // hiding an error already on the status line (an operation's end text follows anyway).
    const QStringList leftOut = worker->getLeftOutFiles();
    if (!leftOut.isEmpty() && !statusIsError)
        onStatusChange(tr("File not shown, its name can't be read: %1").arg(leftOut.join(QLatin1String(", "))));
}

void CUlvoCalcSession::onIndexChange(int newIndex)
{
    if (!(inPoll && statusIsError))
        onStatusChange(QString());
    const int oldIndex = currentIndex;
    currentIndex = newIndex;
    refillFileModel();
    emit indexChanged(oldIndex, newIndex);
    emit progressChange();
}

void CUlvoCalcSession::onFilesListChange()
{
    refillFileModel();
}

void CUlvoCalcSession::onDevNameChange()
{
    // The renamed calculator's own row: the user may have selected another one meanwhile.
    auto *worker = qobject_cast<CUlvoWorker *>(sender());
    if (!worker)
        worker = selectedWorker();
    const int row = workers.indexOf(worker);
    if (row >= 0)
        calcModel->changeNameAt(row, worker->getDeviceName());
}

void CUlvoCalcSession::onFileSend(QPair<QString, int> fInf)
{
    fileModel->addFile(fInf);
}

void CUlvoCalcSession::onFileDelete(QString fName)
{
    fileModel->deleteByName(fName);
}

void CUlvoCalcSession::setCurrentIndex(int index)
{
    currentIndex = index;
}

void CUlvoCalcSession::setError(const QString &text)
{
    if (error == text)
        return;
    error = text;
    emit errorChange();
}

void CUlvoCalcSession::setIsBusy(bool busy)
{
    if (isBusy == busy)
        return;
    isBusy = busy;
    emit isBusyChange();
}

void CUlvoCalcSession::setStatusLineText(const QString &text)
{
    statusIsError = false;
    if (statusLineText == text)
        return;
    statusLineText = text;
    emit statusLineTextChange();
}

void CUlvoCalcSession::onErrorChange(QString errorText)
{
    error = errorText;
    emit errorChange();
    raiseWindow();
}

void CUlvoCalcSession::onIAmBusy()
{
    isBusy = true;
    emit isBusyChange();
}

void CUlvoCalcSession::onIAmNotBusy()
{
    // Calculators run their operations side by side: busy until the last one has ended.
    isBusy = std::any_of(operations.cbegin(), operations.cend(),
                         [](const Operation &operation) { return operation.busy == Busy::Counted; });
    emit isBusyChange();
}

void CUlvoCalcSession::onStatusChange(QString newStatus, bool isError)
{
    statusIsError = isError;
    statusLineText = newStatus;
    emit statusLineTextChange();
}

void CUlvoCalcSession::clearPendingError()
{
    if (!error.isEmpty())
        onErrorChange(QString());
}

bool CUlvoCalcSession::isWorkerRunning(const CUlvoWorker *worker) const
{
    for (const Operation &operation : operations) {
        if (operation.worker == worker)
            return true;
    }
    return false;
}

bool CUlvoCalcSession::refuseWhenWorkerRunning(const CUlvoWorker *worker)
{
    if (!isWorkerRunning(worker))
        return false;
    onStatusChange(busyText());
    return true;
}

namespace {

OperationProgress::Kind kindOf(void (CUlvoWorker::*operation)())
{
    using Kind = OperationProgress::Kind;
    if (operation == &CUlvoWorker::getFiles)
        return Kind::Download;
    if (operation == &CUlvoWorker::sendFiles)
        return Kind::Send;
    if (operation == &CUlvoWorker::createBackup)
        return Kind::Backup;
    if (operation == &CUlvoWorker::restoreBackup)
        return Kind::Restore;
    if (operation == &CUlvoWorker::getFileForEdit)
        return Kind::EditorOpen;
    if (operation == &CUlvoWorker::sendFileFromEdit)
        return Kind::EditorSend;
    return Kind::None;
}

} // namespace

void CUlvoCalcSession::startOperation(CUlvoWorker *worker, WorkerSlot operation,
                                      SessionSlot refresh, SessionSlot endHandler, Relay relay,
                                      Busy busy)
{
    auto *thread = new QThread;
    Operation &running = operations[thread];
    running.worker = worker;
    running.busy = busy;
    worker->clearCancel();
    progressOf.insert(worker, OperationProgress(kindOf(operation)));
    // A first contact is no operation of the user's: the row keeps what the last one came to.
    if (busy == Busy::Counted)
        recordEnd(worker, CalcState::Result::Running, QString());
    worker->moveToThread(thread);

    if (relay == Relay::Backup)
        running.relay = connect(worker, &CUlvoWorker::backupLoaded, this, &CUlvoCalcSession::backupLoaded);
    else if (relay == Relay::ClassBackup)
        running.relay = connect(worker, &CUlvoWorker::backupLoaded, this, &CUlvoCalcSession::onClassBackupLoaded);
    else if (relay == Relay::EditFile)
        running.relay = connect(worker, &CUlvoWorker::fileForEditRecv, this, &CUlvoCalcSession::openEditFromCalc);
    if (busy == Busy::Counted)
        connect(thread, &QThread::started, this, &CUlvoCalcSession::onIAmBusy);
    connect(thread, &QThread::started, worker, operation);
    if (refresh)
        running.refresh = connect(worker, &CUlvoWorker::finished, this, refresh);
    connect(worker, &CUlvoWorker::finished, thread, &QThread::quit);
    // The end handler, the busy flag and the thread's deletion follow from there.
    running.endHandler = endHandler;
    connect(thread, &QThread::finished, this, &CUlvoCalcSession::onOperationThreadFinished);

    thread->start(QThread::InheritPriority);
}

void CUlvoCalcSession::onOperationThreadFinished()
{
    auto *thread = static_cast<QThread *>(sender());
    const Operation operation = operations.take(thread);
    thread->deleteLater();
    // Whatever the operation asked to be told has been delivered by now: the worker's finished()
    // was queued before the thread's own.
    disconnect(operation.relay);
    disconnect(operation.refresh);
    // The worker is free again before anyone learns of the end, so a request made in answer to
    // the end is not refused.
    const QScopedValueRollback<CUlvoWorker *> ending(endingOperationWorker, operation.worker);
    const OperationProgress ended = progressOf.take(operation.worker);
    if (operation.worker == selectedWorker())
        emit progressChange();
    // A stopped operation says what it did instead of what it would have done.
    if (ended.state().cancelled) {
        recordEnd(operation.worker, CalcState::Result::Cancelled, ended.cancelledText());
        if (!isClassMember(operation.worker))
            onStatusChange(ended.cancelledText());
    } else if (operation.endHandler) {
        (this->*operation.endHandler)();
    } else if (operation.busy == Busy::Counted) {
        // An operation without an end text (a backup) still leaves its row a result.
        recordOutcome(operation.worker, QString(), operation.worker->operationError());
    }
    noteClassEnd(operation.worker);
    if (operation.busy == Busy::Counted)
        onIAmNotBusy();
}

void CUlvoCalcSession::onWorkerProgress(const TransferProgress &state)
{
    auto *worker = qobject_cast<CUlvoWorker *>(sender());
    const auto it = progressOf.find(worker);
    // A report that crossed the end of its operation is dropped.
    if (it == progressOf.end())
        return;
    it->take(state);
    const int row = workers.indexOf(worker);
    const CalcState calc = stateOf.value(worker);
    if (row >= 0 && calc.result == CalcState::Result::Running)
        calcModel->setRowState(row, int(calc.result), it->text(), it->percent());
    if (worker == selectedWorker())
        emit progressChange();
}

const OperationProgress &CUlvoCalcSession::shownProgress() const
{
    static const OperationProgress none;
    const auto it = progressOf.constFind(selectedWorker());
    return it == progressOf.cend() ? none : *it;
}

void CUlvoCalcSession::cancelOperation()
{
    if (classOperation) {
        // Each stops where it can: a restore that has begun clearing its calculator goes on.
        for (const CUlvoWorker *member : classOperation->members()) {
            const auto it = progressOf.constFind(member);
            if (it != progressOf.cend() && it->canCancel())
                const_cast<CUlvoWorker *>(member)->requestCancel();
        }
        onStatusChange(tr("Cancelling..."));
        return;
    }
    CUlvoWorker *worker = selectedWorker();
    if (!worker || !progressOf.contains(worker) || !progressOf.value(worker).canCancel())
        return;
    worker->requestCancel();
    onStatusChange(tr("Cancelling..."));
}

CUlvoWorker *CUlvoCalcSession::endingWorker() const
{
    return endingOperationWorker;
}

QString CUlvoCalcSession::endingFailure(const QString &whatNotDone)
{
    CUlvoWorker *worker = endingWorker();
    // Called directly, outside any operation's end: only the window's last error can tell.
    if (!worker)
        return error;
    QString failure = worker->operationError();
    if (failure.isEmpty() && !whatNotDone.isEmpty()) {
        for (const FileOutcome &outcome : worker->outcomes) {
            if (!outcome.done) {
                failure = outcome.failureText(whatNotDone);
                onErrorChange(failure);
                break;
            }
        }
    }
    return failure;
}

bool CUlvoCalcSession::setEndStatus(const QString &successText, const QString &whatNotDone)
{
    const QString failure = endingFailure(whatNotDone);
    const QString text = recordOutcome(endingWorker(), successText, failure);
    // A member of a class operation is summed up with the others when the last one ends.
    if (!isClassMember(endingWorker()))
        onStatusChange(text, !failure.isEmpty());
    return failure.isEmpty();
}

QString CUlvoCalcSession::recordOutcome(const CUlvoWorker *worker, const QString &successText,
                                        const QString &failure)
{
    const bool failed = !failure.isEmpty();
    const QString text = failed ? errorText(failure) : successText;
    recordEnd(worker, failed ? CalcState::Result::Failed : CalcState::Result::Succeeded, text, failure);
    return text;
}

void CUlvoCalcSession::recordEnd(const CUlvoWorker *worker, CalcState::Result result,
                                 const QString &text, const QString &failure)
{
    const int row = workers.indexOf(const_cast<CUlvoWorker *>(worker));
    if (row < 0)
        return;
    stateOf.insert(worker, CalcState {result, text, failure});
    calcModel->setRowState(row, int(result), text, -1);
    emit calcStateChange(row);
}

CalcState CUlvoCalcSession::calcState(int row) const
{
    return row >= 0 && row < workers.size() ? stateOf.value(workers.at(row)) : CalcState();
}

void CUlvoCalcSession::onSendFilesEnd()
{
    setEndStatus(sentText(), notSentText());
}

void CUlvoCalcSession::onDownloadFilesEnd()
{
    // The folder this download wrote to: a refused request may have chosen another since.
    const CUlvoWorker *worker = endingWorker();
    setEndStatus(tr("Files successfully download on path: %1/").arg(worker ? worker->destFolder : downloadFolder));
}

void CUlvoCalcSession::onDeleteSelectedFilesEnd()
{
    //: Said of a file that the calculator did not delete, after its name and a colon.
    setEndStatus(withSafetyCopy(tr("Files successfully deleted")), tr("not deleted"));
}

void CUlvoCalcSession::onRestoreBackupEnd()
{
    setEndStatus(withSafetyCopy(tr("Backup successfully sent to calculator")));
}

void CUlvoCalcSession::onChangeCalcNameEnd()
{
    setEndStatus(tr("Calculator name successfully changed"));
}

QString CUlvoCalcSession::getProgramName(bool withVersion)
{
    return withVersion ? programName + QLatin1Char(' ') + programVersion : programName;
}

QString CUlvoCalcSession::getInfo()
{
    //: The About box; %1 is the program's name and version.
    return tr("%1\n\n"
              "Copyright (C) Ulvo Instruments. All rights reserved.\n\n"
              "The content of this program, its documents, images and code font included, is "
              "provided for use with Ulvo graphing calculators only.\n\n"
              "No part of this content may be copied, changed or passed on without the written "
              "permission of Ulvo Instruments.")
        .arg(getProgramName());
}

QString CUlvoCalcSession::errorText(const QString &failure)
{
    //: The status line after a failure; %1 says what went wrong.
    return tr("Error: %1").arg(failure);
}

QString CUlvoCalcSession::busyText()
{
    return tr("Calculator is busy: wait until the current operation ends");
}

QString CUlvoCalcSession::sentText()
{
    return tr("Files successful sent to calculator");
}

QString CUlvoCalcSession::notSentText()
{
    //: Said of a file that did not reach the calculator, after its name and a colon.
    return tr("not sent");
}
