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
    // The descriptor stays blocking from one such read to the next, so the pieces of one frame
    // cost no switching; release() makes it non-blocking again before anyone else writes to it.
    qint64 read(QIODevice &port, char *dest, qint64 max, const QDeadlineTimer &deadline);
    void release();

    // Releases the port when a receive ends, however it ends.
    class Receive
    {
    public:
        explicit Receive(PortReader &reader) : m_reader(reader) {}
        ~Receive() { m_reader.release(); }
        Receive(const Receive &) = delete;
        Receive &operator=(const Receive &) = delete;

    private:
        PortReader &m_reader;
    };

private:
    qint64 readBlocking(char *dest, qint64 max);

    // The descriptor set up by prepare() and its file status flags; -1 when there is none.
    int m_descriptor = -1;
    int m_flags = 0;
    bool m_blocking = false;
    QIODevice *m_port = nullptr;
};
