#pragma once

#include "cli/calctask.h"

#include <QList>
#include <QSerialPortInfo>
#include <QString>

// The calculators a command runs on.
struct CalcSelection {
    QList<QSerialPortInfo> ports;
    // Why there are none: empty when ports are chosen.
    QString error;
    // 1 when nothing (fitting) is attached, 2 when the command line must say which one.
    int exitCode = 0;
};

// Every attached calculator with `all`; else the one that `selector` names by port or by
// calculator name; else the only one attached.
CalcSelection selectCalcs(const QString &selector, bool all);

// Asks each calculator for its name (and the rest of its device information), all at once.
QList<TaskOutcome> describeCalcs(const QList<QSerialPortInfo> &ports);
