#include "session/portaccess.h"

#include <QCoreApplication>
#include <QSerialPort>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

QString describePortOpenFailure(const QSerialPortInfo &port)
{
    {
        QSerialPort probe(port);
        if (probe.open(QIODevice::ReadWrite))
            return QString(); // freed meanwhile: the next contact will do
        if (probe.error() != QSerialPort::PermissionError)
            return QString();
    }
    // Qt folds "not allowed", "locked by another program" and "opened exclusively" into one
    // PermissionError; the device node itself tells them apart. Opened without blocking and
    // without becoming our controlling terminal, and closed again at once.
    const QByteArray path = port.systemLocation().toLocal8Bit();
    const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    const int reason = fd < 0 ? errno : 0;
    if (fd >= 0)
        ::close(fd);
    switch (reason) {
    case EACCES:
    case EPERM:
        //: %1 is the port's device path. "dialout" is the name of a system group.
        return QCoreApplication::translate("PortAccess",
                                           "Cannot open the calculator's port %1: permission denied. Install "
                                           "the Ulvo Connect package (or its udev rule), or add your user to "
                                           "the dialout group and log in again.")
            .arg(port.systemLocation());
    case 0: // the node opens, so what failed is Qt's lock file: another program holds the port
    case EBUSY:
        //: %1 is the port's device path.
        return QCoreApplication::translate("PortAccess",
                                           "Cannot open the calculator's port %1: it is in use by another "
                                           "program. Close the other program.")
            .arg(port.systemLocation());
    default: // gone (unplugged) or another fault that the next operation reports on its own
        return QString();
    }
}
