#pragma once

#include <QJsonValue>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QStringList>

class CUlvoCalc;

// Where one calculator's part of a command stands. Bytes are counted at file boundaries until
// the link reports bytes within a file; bytesDone then moves within the current file too.
struct FileProgress {
    int fileNumber = 0; // from 1
    int fileCount = 0;
    QString fileName;
    qint64 bytesDone = 0;
    qint64 bytesTotal = 0;
};
Q_DECLARE_METATYPE(FileProgress)

// What one calculator's part of a command came to.
struct TaskOutcome {
    QString port;
    QString calcName;
    bool ok = true;
    // Texts for stderr: the link's own, prefixed with the file they concern.
    QStringList errors;
    // Notices for stdout (a name that was converted, where a backup went).
    QStringList notices;
    // One line saying what happened, for the result list of --all.
    QString summary;
    // The machine-readable result of list and ls.
    QJsonValue json;

    QString calcLabel() const { return calcName.isEmpty() ? port : port + QLatin1Char(' ') + calcName; }
};
Q_DECLARE_METATYPE(TaskOutcome)

// What a task uses while it runs: the outcome it fills and the progress it reports. Error texts
// of the link arrive here while a file is being handled, so they name that file.
class TaskContext : public QObject
{
    Q_OBJECT
public:
    explicit TaskContext(TaskOutcome &outcome)
        : outcome(outcome)
    {
    }

    TaskOutcome &outcome;

    // A failure of the task's own (not the link's).
    void fail(const QString &text);
    // The link's error texts name this file from now on (an empty name: none).
    void setCurrentFile(const QString &name) { currentFile = name; }
    void addLinkError(const QString &text);
    int errorCount() const { return outcome.errors.size(); }

    // Starts file `number` of `count`; `bytesBefore` of `bytesTotal` are already done.
    void startFile(int number, int count, const QString &name, qint64 bytesBefore, qint64 bytesTotal);

signals:
    void progressed(FileProgress progress);

private:
    QString currentFile;
};

// One calculator's part of a command. Runs on that calculator's own thread, with a link made and
// connected there; it blocks that thread for its exchanges.
class CalcTask
{
public:
    virtual ~CalcTask() = default;
    virtual void run(CUlvoCalc &link, TaskContext &context) = 0;
};
