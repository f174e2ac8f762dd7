#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

#include <atomic>
#include <mutex>
#include <thread>

class SimulatedUsb;

// The device side of a file transfer and nothing more, on a pty of its own: it frames, acknowledges
// and answers the device information, download and upload requests, with every answer built
// before the exchange and no record of what passed. Whatever talks to it - the link or a bare
// read/write exchange - meets the same device, so their difference is the host side's alone.
class MinimalResponder
{
public:
    explicit MinimalResponder(int fileSize);
    ~MinimalResponder();
    MinimalResponder(const MinimalResponder &) = delete;
    MinimalResponder &operator=(const MinimalResponder &) = delete;

    bool isValid() const { return m_master >= 0 && m_thread.joinable(); }
    // The computer's end of the line, in raw mode.
    int hostFd() const { return m_slave; }
    QString slavePath() const { return m_slavePath; }
    // The file every download delivers.
    const QByteArray &content() const { return m_content; }
    // The chunk size the device announces and downloads in; builds the frames for it.
    void setChunkSize(int chunkSize);

private:
    void serve();
    bool nextFrame(QByteArray &payload);

    int m_master = -1;
    int m_slave = -1;
    int m_wake[2] = {-1, -1};
    QString m_slavePath;
    QByteArray m_content;
    // Held while one request is answered; setChunkSize waits for it.
    std::mutex m_mutex;
    int m_chunkSize = 512;
    QByteArray m_deviceInf;
    QByteArray m_ack;
    QVector<QByteArray> m_downloadFrames;
    QByteArray m_received;
    int m_receivedPos = 0;
    std::thread m_thread;
};

// Plugs a device with the calculator's ids on the simulated bus whose node leads to the
// responder's line; its port name, or an empty string.
QString plugAsCalculator(SimulatedUsb &usb, const MinimalResponder &responder);
