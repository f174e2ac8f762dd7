#include "session/classoperation.h"

#include <QStringList>

ClassOperation::ClassOperation(Kind kind)
    : m_kind(kind)
{
}

void ClassOperation::add(const CUlvoWorker *worker, const QString &name)
{
    Member member;
    member.worker = worker;
    member.name = name;
    m_members.append(member);
}

bool ClassOperation::contains(const CUlvoWorker *worker) const
{
    for (const Member &member : m_members) {
        if (member.worker == worker)
            return true;
    }
    return false;
}

QList<const CUlvoWorker *> ClassOperation::members() const
{
    QList<const CUlvoWorker *> workers;
    for (const Member &member : m_members)
        workers.append(member.worker);
    return workers;
}

void ClassOperation::finish(const CUlvoWorker *worker, const CalcState &state)
{
    for (Member &member : m_members) {
        if (member.worker == worker && !member.ended) {
            member.ended = true;
            member.state = state;
            return;
        }
    }
}

bool ClassOperation::isDone() const
{
    for (const Member &member : m_members) {
        if (!member.ended)
            return false;
    }
    return true;
}

QString ClassOperation::runningText() const
{
    int ended = 0;
    int failed = 0;
    for (const Member &member : m_members) {
        ended += member.ended ? 1 : 0;
        failed += member.ended && member.state.result != CalcState::Result::Succeeded ? 1 : 0;
    }
    QString text;
    switch (m_kind) {
    case Kind::Send: text = QStringLiteral("Sending to %1 calculators"); break;
    case Kind::Collect: text = QStringLiteral("Collecting from %1 calculators"); break;
    case Kind::Delete: text = QStringLiteral("Deleting on %1 calculators"); break;
    case Kind::Backup: text = QStringLiteral("Backing up %1 calculators"); break;
    case Kind::Restore: text = QStringLiteral("Restoring %1 calculators"); break;
    }
    return text.arg(m_members.size()) + QStringLiteral(": %1 ended, %2 failed").arg(ended).arg(failed);
}

QString ClassOperation::summary() const
{
    int done = 0;
    QStringList failures;
    for (const Member &member : m_members) {
        if (member.state.result == CalcState::Result::Succeeded) {
            ++done;
            continue;
        }
        QString why = member.state.error;
        if (why.isEmpty())
            why = member.state.text.isEmpty() ? QStringLiteral("not done") : member.state.text;
        failures << QStringLiteral("%1 (%2)").arg(member.name, why);
    }
    const int total = m_members.size();
    QString text;
    switch (m_kind) {
    case Kind::Send: text = QStringLiteral("Sent to %1 of %2 calculators"); break;
    case Kind::Collect: text = QStringLiteral("Collected from %1 of %2 calculators"); break;
    case Kind::Delete: text = QStringLiteral("Deleted on %1 of %2 calculators"); break;
    case Kind::Backup: text = QStringLiteral("Backed up %1 of %2 calculators"); break;
    case Kind::Restore: text = QStringLiteral("Restored %1 of %2 calculators"); break;
    }
    text = text.arg(done).arg(total);
    if (!failures.isEmpty())
        text += QStringLiteral("; %1 failed: %2").arg(failures.size()).arg(failures.join(QLatin1String(", ")));
    return text;
}
