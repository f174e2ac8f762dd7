#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

// What a batch did with one file: its calculator name and size, whether it was sent (or
// deleted), and every text the link reported while it handled that file, in order.
struct FileOutcome {
    QString name;
    int size = 0;
    bool done = false;
    QStringList texts;

    // Why the file failed, for a reader who gets one line: the first text reported, or, when the
    // calculator refused without one (an error type the link has no text for), the name followed
    // by whatNotDone ("not sent").
    QString failureText(const QString &whatNotDone) const
    {
        for (const QString &text : texts) {
            if (!text.isEmpty())
                return text;
        }
        return QCoreApplication::translate("FileOutcome", "%1: %2", "a file's name, then what was not done with it")
            .arg(name, whatNotDone);
    }
};

// How many of the outcomes are done.
inline int doneCount(const QList<FileOutcome> &outcomes)
{
    int n = 0;
    for (const FileOutcome &outcome : outcomes)
        n += outcome.done ? 1 : 0;
    return n;
}
