#include "cli/calcrunner.h"

#include "cli/interruption.h"
#include "link/culvocalc.h"
#include "link/linktexts.h"
#include "session/portaccess.h"

#include <QEventLoop>

CalcThread::CalcThread(int index, const QSerialPortInfo &port, std::unique_ptr<CalcTask> task)
    : index(index)
    , port(port)
    , task(std::move(task))
{
}

CalcThread::~CalcThread()
{
    wait();
}

void CalcThread::run()
{
    TaskOutcome outcome;
    outcome.port = port.portName();
    {
        TaskContext context(outcome);
        connect(&context, &TaskContext::progressed, this,
                [this](FileProgress progress) { emit progressed(index, progress); },
                Qt::DirectConnection);
        CUlvoCalc link;
        link.setCancelToken(Interruption::token());
        connect(&link, &CUlvoCalc::errorNotify, &context, &TaskContext::addLinkError,
                Qt::DirectConnection);
        if (!link.initialize(port)) {
            // A port that would not open is explained as the window explains it, instead of by
            // the serial port's own error code.
            const QString openFailure = link.isOpen() ? QString() : describePortOpenFailure(port);
            if (!openFailure.isEmpty())
                outcome.errors.clear();
            context.fail(openFailure.isEmpty() ? LinkTexts::cantConnectDevice() : openFailure);
        } else {
            outcome.calcName = link.getName();
            task->run(link, context);
        }
        // The link (and its port) goes here, on the thread that made it.
    }
    emit outcomeReady(index, outcome);
}

QList<TaskOutcome> runOnCalcs(const QList<QSerialPortInfo> &ports, const TaskFactory &makeTask,
                              const std::function<void(int, const FileProgress &)> &onProgress)
{
    qRegisterMetaType<FileProgress>();
    qRegisterMetaType<TaskOutcome>();
    QList<TaskOutcome> outcomes;
    for (int i = 0; i < ports.size(); ++i)
        outcomes.append(TaskOutcome());
    if (ports.isEmpty())
        return outcomes;

    QEventLoop loop;
    int running = ports.size();
    std::vector<std::unique_ptr<CalcThread>> threads;
    for (int i = 0; i < ports.size(); ++i) {
        auto thread = std::make_unique<CalcThread>(i, ports.at(i), makeTask(i));
        QObject::connect(thread.get(), &CalcThread::progressed, &loop,
                         [&onProgress](int index, FileProgress progress) {
                             if (onProgress)
                                 onProgress(index, progress);
                         });
        QObject::connect(thread.get(), &CalcThread::outcomeReady, &loop,
                         [&](int index, TaskOutcome outcome) { outcomes[index] = outcome; });
        QObject::connect(thread.get(), &QThread::finished, &loop, [&] {
            if (--running == 0)
                loop.quit();
        });
        threads.push_back(std::move(thread));
    }
    for (auto &thread : threads)
        thread->start();
    loop.exec();
    return outcomes;
}
