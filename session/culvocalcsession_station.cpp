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
        onStatusChange(QStringLiteral("No file to send: the station was not started"));
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
    onStatusChange(QStringLiteral("Waiting for calculators to be plugged in"));
    return true;
}

void CUlvoCalcSession::stopStation()
{
    if (!stationActive)
        return;
    // Sends already under way end on their own; nothing new starts.
    stationActive = false;
    emit stationChange();
    onStatusChange(QStringLiteral("Station stopped: sent to %1 calculators, %2 failed")
                       .arg(stationDone).arg(stationFailed));
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
    const QString failure = endingFailure(QStringLiteral("not sent"));
    const QString name = worker ? worker->getDeviceName() : QString();
    recordOutcome(worker, QStringLiteral("Files successful sent to calculator"), failure);
    if (failure.isEmpty())
        ++stationDone;
    else
        ++stationFailed;
    emit stationChange();
    onStatusChange(failure.isEmpty() ? QStringLiteral("Sent to %1").arg(name)
                                     : QStringLiteral("Error: %1: %2").arg(name, failure));
    emit stationServed(name, failure.isEmpty(), failure);
}
