#include "session/culvocalcsession.h"

#include "link/culvocalc.h"
#include "models/ulvocalcmodel.h"
#include "models/ulvofilemodel.h"
#include "session/culvoworker.h"
#include "session/portwatcher.h"
#include "ulvobuildinfo.h"

#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QThread>
#include <QTimer>
#include <QWindow>

#include <algorithm>

namespace {

const QString programName = QStringLiteral("Ulvo Connect");
const QString programVersion = QStringLiteral(ULVO_VERSION);
const QString busyText = QStringLiteral("Calculator is busy: wait until the current operation ends");

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
            qWarning("Operation thread still running at exit");
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

    QStringList names;
    for (const CUlvoWorker *worker : qAsConst(workers))
        names.append(worker->getDeviceName());
    calcModel->initialize(names);
    if (CUlvoWorker *worker = selectedWorker())
        fileModel->initialize(worker->getFilesInfo());
}

void CUlvoCalcSession::update()
{
    QList<QSerialPortInfo> found = CUlvoCalc::findCalcs();
    int i = 0;
    while (i < workers.size()) {
        const QString portName = workers.at(i)->getPortName();
        const auto still = std::find_if(found.begin(), found.end(), [&](const QSerialPortInfo &port) {
            return port.portName() == portName;
        });
        if (still != found.end()) {
            found.erase(still);
            ++i;
        } else if (isWorkerRunning(workers.at(i))) {
            // A calculator restarting at the end of a restore leaves the bus for a few seconds:
            // its worker stays while the operation runs, which either finds the calculator back or
            // ends with an error, and a later poll drops a calculator that is really gone.
            ++i;
            if (pollTimer && !pollTimer->isActive())
                pollTimer->start(); // no report may come to prompt that later poll
        } else {
            dropWorkerAt(i);
        }
    }
    for (const QSerialPortInfo &port : qAsConst(found))
        addCalc(port);
}

void CUlvoCalcSession::dropWorkerAt(int index)
{
    // Only idle workers are dropped (see update), so nothing else holds this one.
    CUlvoWorker *worker = workers.takeAt(index);
    calcModel->deleteAt(index);
    delete worker;
}

void CUlvoCalcSession::addCalc(QSerialPortInfo portInfo)
{
    auto *worker = new CUlvoWorker(portInfo);
    connect(worker, &CUlvoWorker::errorNotify, this, &CUlvoCalcSession::onErrorChange);
    raiseWindow();
    workers.append(worker);
    calcModel->pushBack(worker->getDeviceName());
    emit connectNewCalc();
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
    if (CUlvoWorker *worker = selectedWorker())
        fileModel->setFileNames(worker->getFilesInfo());
}

void CUlvoCalcSession::onIndexChange(int newIndex)
{
    onStatusChange(QString());
    const int oldIndex = currentIndex;
    currentIndex = newIndex;
    refillFileModel();
    emit indexChanged(oldIndex, newIndex);
}

void CUlvoCalcSession::onFilesListChange()
{
    refillFileModel();
}

void CUlvoCalcSession::onDevNameChange()
{
    if (CUlvoWorker *worker = selectedWorker())
        calcModel->changeName(worker->getDeviceName());
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
    isBusy = !operations.isEmpty();
    emit isBusyChange();
}

void CUlvoCalcSession::onStatusChange(QString newStatus)
{
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
    if (worker == editorWorker)
        return true;
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
    onStatusChange(busyText);
    return true;
}

void CUlvoCalcSession::startOperation(CUlvoWorker *worker, WorkerSlot operation,
                                      SessionSlot refresh, SessionSlot endHandler,
                                      bool relayBackup)
{
    auto *thread = new QThread;
    Operation &running = operations[thread];
    running.worker = worker;
    worker->moveToThread(thread);

    if (relayBackup)
        running.relay = connect(worker, &CUlvoWorker::backupLoaded, this, &CUlvoCalcSession::backupLoaded);
    connect(thread, &QThread::started, this, &CUlvoCalcSession::onIAmBusy);
    connect(thread, &QThread::started, worker, operation);
    if (refresh)
        running.refresh = connect(worker, &CUlvoWorker::finished, this, refresh);
    connect(worker, &CUlvoWorker::finished, thread, &QThread::quit);
    if (endHandler)
        connect(thread, &QThread::finished, this, endHandler);
    connect(thread, &QThread::finished, this, &CUlvoCalcSession::onOperationThreadFinished);
    connect(thread, &QThread::finished, this, &CUlvoCalcSession::onIAmNotBusy);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);

    thread->start(QThread::InheritPriority);
}

void CUlvoCalcSession::onOperationThreadFinished()
{
    auto *thread = static_cast<QThread *>(sender());
    const Operation operation = operations.take(thread);
    if (!operation.worker)
        return;
    // Whatever the operation asked to be told has been delivered by now: the worker's finished()
    // was queued before the thread's own.
    disconnect(operation.relay);
    disconnect(operation.refresh);
}

void CUlvoCalcSession::setEndStatus(const QString &successText)
{
    onStatusChange(error.isEmpty() ? successText : QStringLiteral("Error: ") + error);
}

void CUlvoCalcSession::onSendFilesEnd()
{
    setEndStatus(QStringLiteral("Files successful sent to calculator"));
}

void CUlvoCalcSession::onDownloadFilesEnd()
{
    setEndStatus(QStringLiteral("Files successfully download on path: ") + downloadFolder
                 + QLatin1Char('/'));
}

void CUlvoCalcSession::onDeleteSelectedFilesEnd()
{
    setEndStatus(QStringLiteral("Files successfully deleted"));
}

void CUlvoCalcSession::onRestoreBackupEnd()
{
    setEndStatus(QStringLiteral("Backup successfully sent to calculator"));
}

void CUlvoCalcSession::onChangeCalcNameEnd()
{
    setEndStatus(QStringLiteral("Calculator name successfully changed"));
}

QString CUlvoCalcSession::getProgramName(bool withVersion)
{
    return withVersion ? programName + QLatin1Char(' ') + programVersion : programName;
}

QString CUlvoCalcSession::getInfo()
{
    return getProgramName() + QStringLiteral(
               "\n\n"
               "Copyright (C) Ulvo Instruments. All rights reserved.\n\n"
               "The content of this program, its documents, images and code font included, is "
               "provided for use with Ulvo graphing calculators only.\n\n"
               "No part of this content may be copied, changed or passed on without the written "
               "permission of Ulvo Instruments.");
}
