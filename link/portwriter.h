#pragma once

#include <QtGlobal>

class QIODevice;

// Hands bytes straight to a serial port's descriptor when nothing of the port's own queue is
// waiting before them: the line takes a whole frame at once far more often than not, and Qt's
// queue and flush cost a fair part of a small frame's exchange. The descriptor stays
// non-blocking. Returns how many bytes the line took (0 for other devices, or when the port has
// bytes queued, or on any failure); the caller writes the rest through the device as usual, which
// meets any fault again and reports it Qt's way.
qint64 writeToLine(QIODevice &port, const char *data, qint64 size);
