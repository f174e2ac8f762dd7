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
    const int total = m_members.size();
    // %n calculators take part; %1 of them have ended, %2 of those failed.
    switch (m_kind) {
    case Kind::Send:
        return tr("Sending to %n calculators: %1 ended, %2 failed", "", total).arg(ended).arg(failed);
    case Kind::Collect:
        return tr("Collecting from %n calculators: %1 ended, %2 failed", "", total).arg(ended).arg(failed);
    case Kind::Delete:
        return tr("Deleting on %n calculators: %1 ended, %2 failed", "", total).arg(ended).arg(failed);
    case Kind::Backup:
        return tr("Backing up %n calculators: %1 ended, %2 failed", "", total).arg(ended).arg(failed);
    case Kind::Restore:
        return tr("Restoring %n calculators: %1 ended, %2 failed", "", total).arg(ended).arg(failed);
    }
    return QString();
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
            why = member.state.text.isEmpty() ? tr("not done") : member.state.text;
        failures << QStringLiteral("%1 (%2)").arg(member.name, why);
    }
    const int total = m_members.size();
    // %1 of the %n calculators succeeded.
    QString text;
    switch (m_kind) {
    case Kind::Send: text = tr("Sent to %1 of %n calculators", "", total).arg(done); break;
    case Kind::Collect: text = tr("Collected from %1 of %n calculators", "", total).arg(done); break;
    case Kind::Delete: text = tr("Deleted on %1 of %n calculators", "", total).arg(done); break;
    case Kind::Backup: text = tr("Backed up %1 of %n calculators", "", total).arg(done); break;
    case Kind::Restore: text = tr("Restored %1 of %n calculators", "", total).arg(done); break;
    }
    if (failures.isEmpty())
        return text;
    //: A class summary (%1), how many calculators failed (%2) and which, with why (%3).
    return tr("%1; %2 failed: %3").arg(text, QString::number(failures.size()), failures.join(QLatin1String(", ")));
}
