#include "cli/calctask.h"

void TaskContext::fail(const QString &text)
{
    outcome.ok = false;
    outcome.errors.append(text);
}

void TaskContext::addLinkError(const QString &text)
{
    outcome.ok = false;
    outcome.errors.append(currentFile.isEmpty() ? text
                                                : tr("%1: %2", "a file's name, then what went wrong with it")
                                                      .arg(currentFile, text));
}

void TaskContext::startFile(int number, int count, const QString &name, qint64 bytesBefore,
                            qint64 bytesTotal)
{
    setCurrentFile(name);
    emit progressed({number, count, name, bytesBefore, bytesTotal});
}
