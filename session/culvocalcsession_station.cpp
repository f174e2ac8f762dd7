// The station: while it runs, every calculator plugged in gets the same files once, as soon as
// its first contact has ended.

#include "session/culvocalcsession.h"

#include "link/sendplan.h"
#include "session/culvoworker.h"

#include <QFile>
#include <QStringList>

bool CUlvoCalcSession::startStation(QList<QUrl> urls)
{
    QList<SendPair> files;
    for (const QUrl &url : qAsConst(urls)) {
        const QString local = url.toLocalFile();
        // An empty file is never sent; a name met twice is sent once.
        if (QFile(local).size() <= 0)
            continue;
        const QString name = SendPlan::calcName(url.fileName(QUrl::FullyDecoded));
        if (!SendPlan::isInBatch(name, files))
            files.append({local, name});
    }
    if (files.isEmpty()) {
        onStatusChange(tr("No file to send: the station was not started"));
        return false;
    }
    stationSendList = files;
    stationLeftAlone.clear();
    // Calculators already attached are not the station's business.
    for (const CUlvoWorker *worker : qAsConst(workers))
        stationLeftAlone.insert(worker);
    stationDone = 0;
    stationFailed = 0;
    stationActive = true;
    emit stationChange();
    onStatusChange(tr("Waiting for calculators to be plugged in"));
    return true;
}

void CUlvoCalcSession::stopStation()
{
    if (!stationActive)
        return;
    // Sends already under way end on their own; nothing new starts.
    stationActive = false;
    emit stationChange();
    //: %n calculators were served, %1 of the station's sends failed.
    onStatusChange(tr("Station stopped: sent to %n calculators, %1 failed", "", stationDone).arg(stationFailed));
}

QString CUlvoCalcSession::stationFileNames() const
{
    QStringList names;
    for (const SendPair &file : stationSendList)
        names << file.second;
    return names.join(QLatin1String(", "));
}

void CUlvoCalcSession::serveAtStation(CUlvoWorker *worker)
{
    // A calculator whose port could not be opened is served once a later contact reaches it.
    if (!stationActive || stationLeftAlone.contains(worker) || worker->isUnreachable()
        || isWorkerRunning(worker))
        return;
    stationLeftAlone.insert(worker);
    worker->sendFilesList = stationSendList;
    startOperation(worker, &CUlvoWorker::sendFiles, &CUlvoCalcSession::onFilesListChange,
                   &CUlvoCalcSession::onStationSendEnd);
}

void CUlvoCalcSession::onStationSendEnd()
{
    CUlvoWorker *worker = endingWorker();
    const QString failure = endingFailure(notSentText());
    const QString name = worker ? worker->getDeviceName() : QString();
    recordOutcome(worker, sentText(), failure);
    if (failure.isEmpty())
        ++stationDone;
    else
        ++stationFailed;
    emit stationChange();
    if (failure.isEmpty()) {
        //: %1 is the calculator's name.
        onStatusChange(tr("Sent to %1").arg(name));
    } else {
        //: %1 is the calculator's name, %2 what went wrong.
        onStatusChange(tr("Error: %1: %2").arg(name, failure), true);
    }
    emit stationServed(name, failure.isEmpty(), failure);
}
