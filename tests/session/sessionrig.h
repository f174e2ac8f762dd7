#pragma once

#include "models/ulvocalcmodel.h"
#include "models/ulvofilemodel.h"
#include "safety/safetycopies.h"
#include "session/culvocalcsession.h"
#include "tools/simulator/simulatedcalculator.h"
#include "tools/simulator/simulatedusb.h"

#include <QSignalSpy>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

// The objects start-up wires together, with simulated calculators on a simulated USB bus. The
// session goes first on destruction; the bus outlives every port the session opened.
struct SessionRig {
    SimulatedUsb usb;
    UlvoCalcModel calcModel;
    UlvoFileModel fileModel;
    std::unique_ptr<CUlvoCalcSession> session;
    // What the windows see, in order: refreshes of both lists, status texts, busy changes.
    QStringList log;

    SessionRig()
        : session(std::make_unique<CUlvoCalcSession>())
    {
        session->initialize(&calcModel, &fileModel);
        QObject::connect(&fileModel, &QAbstractItemModel::rowsInserted, [this] { log << "files"; });
        // Row states change as operations run; only a change of a name is logged.
        QObject::connect(&calcModel, &QAbstractItemModel::dataChanged,
                         [this](const QModelIndex &, const QModelIndex &, const QVector<int> &roles) {
                             if (roles.isEmpty() || roles.contains(Qt::DisplayRole))
                                 log << "name:" + calcModel.getName();
                         });
        QObject::connect(session.get(), &CUlvoCalcSession::statusLineTextChange, [this] {
            log << "status:" + session->getStatusLineText();
        });
        QObject::connect(session.get(), &CUlvoCalcSession::isBusyChange, [this] {
            log << (session->getIsBusy() ? "busy" : "idle");
        });
    }

    // Plugs a calculator and lists it with one poll, as the timer would within a second, then
    // waits until its first contact (on the calculator's own thread) has filled in its name and
    // files.
    QString attach(SimulatedCalculator &calc)
    {
        const QString port = usb.plug(&calc);
        poll();
        return port;
    }

    // One poll, and the end of every first contact it started.
    void poll()
    {
        QSignalSpy contacted(session.get(), &CUlvoCalcSession::calcContacted);
        const int before = calcModel.rowCount();
        session->update();
        const int added = calcModel.rowCount() - before;
        // A first contact that never ends fails the test here, not later at a confusing check.
        if (added > 0)
            QVERIFY2(QTest::qWaitFor([&] { return contacted.count() >= added; }, 15000),
                     "a newly attached calculator was not contacted within 15 s");
    }

    // Backs up the selected calculator and returns the archive the session offers ("" when none).
    QString backupArchive()
    {
        QSignalSpy loaded(session.get(), &CUlvoCalcSession::backupLoaded);
        log.clear();
        session->createBackup();
        if (!waitIdle() || loaded.count() != 1)
            return QString();
        return loaded.last().first().toString();
    }

    QStringList fileNames() const
    {
        QStringList names;
        for (int row = 0; row < fileModel.rowCount(); ++row)
            names << fileModel.getName(row);
        return names;
    }

    // Waits until the operations started since the log was last cleared have ended.
    bool waitIdle(int timeoutMs = 10000)
    {
        return QTest::qWaitFor([this] {
            return log.contains("busy") && !session->getIsBusy() && log.last() == "idle";
        }, timeoutMs);
    }
};

// Rows of the file model whose names are in `names`, marked for download or delete.
inline void selectFiles(SessionRig &rig, const QStringList &names)
{
    for (int row = 0; row < rig.fileModel.rowCount(); ++row) {
        if (names.contains(rig.fileModel.getName(row)))
            rig.session->addSelected(row);
    }
}

// The end text of a delete or restore, which names the safety copy kept last.
inline QString withNewestCopy(const QString &text)
{
    return text + QStringLiteral("; safety copy saved on the path: ") + SafetyCopies().list().value(0).path;
}
