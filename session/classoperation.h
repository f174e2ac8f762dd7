#pragma once

#include "session/calcstate.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

class CUlvoWorker;

// One operation given to several calculators at once: who takes part, how each one ended, and
// the line that sums them up once the last has ended.
class ClassOperation
{
    Q_DECLARE_TR_FUNCTIONS(ClassOperation)

public:
    enum class Kind { Send, Collect, Delete, Backup, Restore };

    explicit ClassOperation(Kind kind);

    Kind kind() const { return m_kind; }
    void add(const CUlvoWorker *worker, const QString &name);
    bool contains(const CUlvoWorker *worker) const;
    QList<const CUlvoWorker *> members() const;
    // Notes how one member ended; a calculator that went away meanwhile is ended as failed.
    void finish(const CUlvoWorker *worker, const CalcState &state);
    bool isDone() const;
    // "Sent to 28 of 30 calculators; 2 failed: CLASS-07 (Connection error ...), CLASS-12 (...)"
    QString summary() const;
    // While it runs: "Sending to 30 calculators: 12 ended, 1 failed"
    QString runningText() const;

private:
    struct Member {
        const CUlvoWorker *worker = nullptr;
        QString name;
        bool ended = false;
        CalcState state;
    };

    Kind m_kind;
    QList<Member> m_members;
};
