#include "link/portwriter.h"

#include <QSerialPort>

#include <unistd.h>

qint64 writeToLine(QIODevice &port, const char *data, qint64 size)
{
    auto *serial = qobject_cast<QSerialPort *>(&port);
    if (!serial || !serial->isOpen() || serial->bytesToWrite() > 0)
        return 0;
    const ssize_t n = ::write(int(serial->handle()), data, size_t(size));
    return n > 0 ? qint64(n) : 0;
}
