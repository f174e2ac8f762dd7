#pragma once

#include "cli/calctask.h"

#include <QList>
#include <QSerialPortInfo>
#include <QThread>
#include <functional>
#include <memory>

// Runs one task on one calculator, on a thread of its own: the link is made, connected, used and
// released on that thread, so calculators on different threads exchange at the same time.
class CalcThread : public QThread
{
    Q_OBJECT
public:
    CalcThread(int index, const QSerialPortInfo &port, std::unique_ptr<CalcTask> task);
    ~CalcThread() override;

signals:
    void progressed(int index, FileProgress progress);
    void outcomeReady(int index, TaskOutcome outcome);

protected:
    void run() override;

private:
    const int index;
    const QSerialPortInfo port;
    std::unique_ptr<CalcTask> task;
};

using TaskFactory = std::function<std::unique_ptr<CalcTask>(int index)>;

// Runs a task on each calculator at the same time and waits, in an event loop, until all have
// ended. Outcomes come back in the order of `ports`. `onProgress` is called on the calling thread.
QList<TaskOutcome> runOnCalcs(const QList<QSerialPortInfo> &ports, const TaskFactory &makeTask,
                              const std::function<void(int, const FileProgress &)> &onProgress = {});
