#pragma once

#include <QString>

// Every text that the link reports in more than one place or that a calculator's error type
// stands for, written once. Each is a literal without allocation, so any thread may take it.
namespace LinkTexts {

// Receiving: nothing arrived in time, or the port is not open.
inline QString connectionLost() { return QStringLiteral("Connection error (error code: 421)"); }
inline QString portClosed() { return QStringLiteral("Connection error (error code: 422)"); }
// The generic requests.
inline QString writeDevice() { return QStringLiteral("Error write device"); }
inline QString readDevice() { return QStringLiteral("Error read device"); }
inline QString parseMessage() { return QStringLiteral("Error parse message"); }
// Bytes arrived in a frame but do not read as a message: a line fault, not a refusal.
inline QString unreadableAnswer() { return QStringLiteral("Unreadable answer from the calculator."); }
// Backup and restore.
inline QString incorrectResponse() { return QStringLiteral("Error incorrect response"); }
inline QString cantWriteBackup() { return QStringLiteral("Can't write backup file"); }
inline QString cantClearFilesystem() { return QStringLiteral("Can't clear filesystem"); }
inline QString cantRebootDevice() { return QStringLiteral("Can't reboot device"); }
inline QString cantConnectDevice() { return QStringLiteral("Can't connect to device"); }
// A calculator file name that cannot be used as it is.
inline QString invalidFileName(const QString &name) { return QStringLiteral("Invalid file name: %1").arg(name); }

// The default texts of the calculator's error types (errType), for a failure that brings no text
// of its own; empty for a type outside the table.
QString errorType(int errorType);
inline QString wrongDataSize() { return errorType(6); }
inline QString wrongFrameNumber() { return errorType(7); }

} // namespace LinkTexts
