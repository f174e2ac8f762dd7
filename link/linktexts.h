#pragma once

#include <QCoreApplication>
#include <QString>

// Every text that the link reports in more than one place or that a calculator's error type
// stands for, written once, in the user's language. The link runs on worker threads; translate()
// may be called from any of them.
namespace LinkTexts {

// Receiving: nothing arrived in time, or the port is not open.
inline QString connectionLost()
{
    return QCoreApplication::translate("LinkTexts", "Connection error (error code: 421)");
}
inline QString portClosed()
{
    return QCoreApplication::translate("LinkTexts", "Connection error (error code: 422)");
}
// The generic requests.
inline QString writeDevice()
{
    return QCoreApplication::translate("LinkTexts", "Error write device");
}
inline QString readDevice()
{
    return QCoreApplication::translate("LinkTexts", "Error read device");
}
inline QString parseMessage()
{
    return QCoreApplication::translate("LinkTexts", "Error parse message");
}
// Bytes arrived in a frame but do not read as a message: a line fault, not a refusal.
inline QString unreadableAnswer()
{
    return QCoreApplication::translate("LinkTexts", "Unreadable answer from the calculator.");
}
// Backup and restore.
inline QString incorrectResponse()
{
    return QCoreApplication::translate("LinkTexts", "Error incorrect response");
}
inline QString cantWriteBackup()
{
    return QCoreApplication::translate("LinkTexts", "Can't write backup file");
}
inline QString cantClearFilesystem()
{
    return QCoreApplication::translate("LinkTexts", "Can't clear filesystem");
}
inline QString cantRebootDevice()
{
    return QCoreApplication::translate("LinkTexts", "Can't reboot device");
}
inline QString cantConnectDevice()
{
    return QCoreApplication::translate("LinkTexts", "Can't connect to device");
}
// A calculator file name that cannot be used as it is.
inline QString invalidFileName(const QString &name)
{
    return QCoreApplication::translate("LinkTexts", "Invalid file name: %1").arg(name);
}

// The default texts of the calculator's error types (errType), for a failure that brings no text
// of its own; empty for a type outside the table.
QString errorType(int errorType);
inline QString wrongDataSize() { return errorType(6); }
inline QString wrongFrameNumber() { return errorType(7); }

} // namespace LinkTexts
