#pragma once

#include <QtGlobal>

class QDeadlineTimer;
class QIODevice;

// Reads what the link's transport has for it. Bytes already in the device's own buffer come
// first. On a serial port with an empty buffer the wait for the next bytes is one read of the
// port's descriptor that blocks for at most a short slice: Qt's wait is a poll followed by a read,
// and that poll alone costs about a third of a whole frame exchange. Anything the blocking read
// does not settle with bytes - nothing within the slice, a failing or closed line, a wait too short
// for a slice - is left to the device's own wait, so Qt's error handling (the link closes a port
// whose device went away) stays the one path for faults.
class PortReader
{
public:
    static constexpr int sliceMs = 100;

    // Sets an open serial port up for reads that block at most one slice; every other device, or
    // a port that refuses the settings, is read through Qt's wait alone. Call after each open.
    void prepare(QIODevice &port);
    // Up to max bytes into dest, waiting until the deadline for the first of them; 0 when none
    // came in time or the port closed meanwhile.
    qint64 read(QIODevice &port, char *dest, qint64 max, const QDeadlineTimer &deadline);

private:
    qint64 readBlocking(int descriptor, char *dest, qint64 max) const;

    // The descriptor set up by prepare() and its file status flags; -1 when there is none.
    int m_descriptor = -1;
    int m_flags = 0;
};
