#pragma once

#include <QSerialPortInfo>
#include <QString>

// Why a calculator's port that exists could not be opened, in words that name the port and what
// the user can do about it. Empty when the port opens after all (it was freed meanwhile) or is
// gone.
QString describePortOpenFailure(const QSerialPortInfo &port);
