#pragma once

#include "serializeData.pb.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <functional>
#include <memory>

// The calculator's side of the protocol, served on a pseudo-terminal by a thread of its own.
// It answers every exchange over an in-memory file system and can be scripted per test
// (delays, silence, noise, split or batched writes, failures, raw replies). All methods are
// thread-safe; signals are emitted from the serving thread (queued to receivers elsewhere).
class SimulatedCalculator : public QObject
{
    Q_OBJECT
public:
    using MsgType = UlvoCalc::calcMsg_msgType;
    using ErrType = UlvoCalc::calcMsg_errType;

    struct Options {
        QString name = QStringLiteral("ULVO");
        int maxChunkSize = 512;
        QString hv = QStringLiteral("HW 1.2");
        QString fv = QStringLiteral("FW 2.6.1");
        QString pv = QStringLiteral("PV 3");
    };

    explicit SimulatedCalculator(QObject *parent = nullptr);
    explicit SimulatedCalculator(Options options, QObject *parent = nullptr);
    ~SimulatedCalculator() override;

    // Opens a new pty (raw mode) and starts serving it. False when no pty could be opened.
    bool start();
    // Stops serving and closes the pty: the device end of the line goes away.
    void stop();
    bool isRunning() const;
    // Path of the pty's slave side, e.g. /dev/pts/7 (the device node a port points at).
    QString slavePath() const;

    // In-memory file system, in listing order. Names are the bytes the calculator sends; the
    // QString forms use UTF-8.
    void setFile(const QString &name, const QByteArray &content);
    // A file whose name is these bytes exactly, valid UTF-8 or not.
    void setRawFile(const QByteArray &name, const QByteArray &content);
    bool removeFile(const QString &name);
    void clearFiles();
    QList<QPair<QString, QByteArray>> files() const;
    QByteArray file(const QString &name) const;
    // Adds every regular file of a folder (not recursive), sorted by name.
    int loadFolder(const QString &path);

    QString name() const;
    void setName(const QString &name);
    void setMaxChunkSize(int size);

    // Every message received from the computer, in order (acks included).
    QList<UlvoCalc::calcMsg> received() const;
    int receivedCount(MsgType type) const;
    void clearReceived();

    // Scripting. "nth" counts messages of that type received from now on, from 1.
    // Answer the nth message of `request` with FAILED carrying these fields.
    void failOn(MsgType request, ErrType error, int errorNum = 0, const QString &errorStr = QString(),
                int nth = 1);
    // Do not answer the nth message of `request` at all.
    void silenceOn(MsgType request, int nth = 1);
    // Answer the nth message of `request` with these raw payloads (each framed on its own).
    void replyRawOn(MsgType request, const QList<QByteArray> &payloads, int nth = 1);
    // Write these raw bytes (nothing framed) instead of answering the nth message of `request`.
    void replyBytesOn(MsgType request, const QByteArray &bytes, int nth = 1);
    // Wait this long before every answer.
    void setReplyDelay(int ms);
    // Write these bytes before every answer frame.
    void setNoise(const QByteArray &noise);
    // Write every answer frame in pieces of this many bytes, with a pause of pauseMs between
    // them (0: whole frames). One byte with a long pause trickles.
    void setSplitWrites(int pieceSize, int pauseMs = 2);
    // Download frames are sent in reverse order of their numbers within the first two (frame 1
    // answers GET_FILE, frame 0 follows the first ack).
    void setSwapFirstTwoFrames(bool swap);
    // Download frame 0 is sent twice and frame 1 never (files of two frames or more).
    void setDuplicateFirstFrame(bool duplicate);
    // Every download frame announces this size whatever data it carries (-1: the true size).
    void setFrameSizeField(int size);

    // Removes every script entry and option above.
    void resetScript();

    // How a restart after REBOOT looks from the bus. Both run on the serving thread: `down` as the
    // device leaves, `up` with its new line once it is back, delayMs later. Without them the
    // device keeps its line.
    void setRestartHandlers(std::function<void()> down, std::function<void(QString slavePath)> up,
                            int delayMs);

signals:
    // A message arrived (type as int, so it crosses threads without registration).
    void messageReceived(int type);
    // REBOOT was answered with SUCCESS: the device is about to restart.
    void rebootRequested();

private:
    struct Private;
    std::unique_ptr<Private> d;
};
