#include "cli/calcselection.h"

#include "cli/calcrunner.h"
#include "cli/calctasks.h"
#include "link/culvocalc.h"

#include <QCoreApplication>

namespace {

struct CalcSelector {
    Q_DECLARE_TR_FUNCTIONS(CalcSelector)
};

QString listing(const QList<TaskOutcome> &calcs)
{
    QString text;
    for (const TaskOutcome &calc : calcs)
        text += QStringLiteral("\n  ") + calc.calcLabel();
    return text;
}

CalcSelection failure(const QString &error, int exitCode)
{
    CalcSelection selection;
    selection.error = error;
    selection.exitCode = exitCode;
    return selection;
}

} // namespace

QList<TaskOutcome> describeCalcs(const QList<QSerialPortInfo> &ports)
{
    return runOnCalcs(ports, [](int) { return std::make_unique<DescribeTask>(); });
}

CalcSelection selectCalcs(const QString &selector, bool all)
{
    const QList<QSerialPortInfo> ports = CUlvoCalc::findCalcs();
    if (ports.isEmpty())
        return failure(CalcSelector::tr("No calculator is attached"), 1);
    if (all || (selector.isEmpty() && ports.size() == 1))
        return {ports, QString(), 0};

    if (!selector.isEmpty()) {
        // A port needs no question to the calculators.
        for (const QSerialPortInfo &port : ports) {
            if (port.portName() == selector || port.systemLocation() == selector)
                return {{port}, QString(), 0};
        }
    }
    const QList<TaskOutcome> calcs = describeCalcs(ports);
    if (selector.isEmpty()) {
        return failure(CalcSelector::tr("%1 calculators are attached; choose one with --calc:%2")
                           .arg(calcs.size())
                           .arg(listing(calcs)),
                       2);
    }
    QList<QSerialPortInfo> named;
    QList<TaskOutcome> namedCalcs;
    for (int i = 0; i < calcs.size(); ++i) {
        if (calcs.at(i).calcName == selector) {
            named.append(ports.at(i));
            namedCalcs.append(calcs.at(i));
        }
    }
    if (named.size() == 1)
        return {named, QString(), 0};
    if (named.isEmpty())
        return failure(CalcSelector::tr("No attached calculator is called or connected at %1; attached:%2")
                           .arg(selector, listing(calcs)),
                       1);
    return failure(CalcSelector::tr("%1 calculators are called %2; choose one by its port:%3")
                       .arg(named.size())
                       .arg(selector, listing(namedCalcs)),
                   2);
}
