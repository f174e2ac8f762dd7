#pragma once

#include "link/answertext.h"
#include "link/fileoutcome.h"
#include "link/framecodec.h"
#include "link/linklimits.h"
#include "link/portreader.h"
#include "link/transferprogress.h"
#include "serializeData.pb.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <QSerialPortInfo>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <memory>
#include <optional>

class QIODevice;

// How long the link waits. The defaults are what a calculator is promised; tests pass short ones.
struct LinkTimeouts {
    int replyStartMs = 10000;  // for the start of a reply
    int framePieceMs = 30000;  // for each further piece of a frame once it has begun
    int frameTotalMs = 60000;  // for a whole frame once its preamble has arrived
    int writeMs = 30000;       // for a frame to leave
    int rebootMs = 3000;       // for the calculator to come back after REBOOT
};

// The link to one calculator over one USB virtual serial port. Every exchange blocks the calling
// thread; failures are reported as texts through errorNotify. A link belongs to the thread that
// created it; copies share one port.
class CUlvoCalc : public QObject
{
    Q_OBJECT
public:
    // Largest file the link agrees to hold in memory; larger listed sizes are refused up front.
    static constexpr int maxFileSize = LinkLimits::maxFileSize;
    // Most files a calculator may list; a longer list is refused rather than read for ever.
    static constexpr int maxFileCount = LinkLimits::maxFileCount;
    static constexpr int defaultChunkSize = LinkLimits::defaultChunkSize;

    explicit CUlvoCalc(QObject *parent = nullptr);
    CUlvoCalc(QSerialPortInfo portInfo, QObject *parent = nullptr);
    // A link over any byte stream (a serial port, a pty, a test double): opened read-write if it
    // is not open yet, then asked for device information. A serial port closes itself when its
    // device goes away.
    CUlvoCalc(std::shared_ptr<QIODevice> transport, LinkTimeouts timeouts = LinkTimeouts(),
              QObject *parent = nullptr);
    CUlvoCalc(const CUlvoCalc &other);
    CUlvoCalc &operator=(const CUlvoCalc &other);
    ~CUlvoCalc() override;

    static QList<QSerialPortInfo> findCalcs();
    bool initialize(QSerialPortInfo portInfo);
    bool initialize(std::shared_ptr<QIODevice> transport);
    void setTimeouts(const LinkTimeouts &timeouts) { m_timeouts = timeouts; }
    LinkTimeouts timeouts() const { return m_timeouts; }
    // Progress of the batch, backup and restore operations, and how to stop them (checked at
    // every frame and file boundary).
    void setCancelToken(std::shared_ptr<const CancelToken> token) { m_progress.setCancelToken(std::move(token)); }
    void setProgressIntervalMs(int ms) { m_progress.setIntervalMs(ms); }
    // Whether the last operation stopped because a stop was requested.
    bool wasCancelled() const { return m_progress.wasCancelled(); }
    QString portName();
    QString getName();

    // Device information, generic requests.
    bool getDeviceInf();
    bool sendMessage(UlvoCalc::calcMsg_msgType type);
    bool sendCommand(UlvoCalc::calcMsg_msgType type, UlvoCalc::calcMsg &response);

    // Listing, deletion, renaming.
    int getNumberOfFiles();
    QList<QPair<QString, int>> getFilesInfo();
    // The files the last getFilesInfo() left out because their names are not UTF-8, named for
    // the user (invalid sequences as U+FFFD).
    QStringList leftOutFiles() const { return m_leftOutFiles; }
    bool delFile(UlvoCalc::fileInf inf);
    bool setDeviceName(QString name);

    // File transfer in frames.
    std::optional<QByteArray> getData(UlvoCalc::fileInf inf);
    bool sendFile(UlvoCalc::fileInf inf, const QByteArray &data);

    // Batch requests and calculator file names.
    static QString convertToSfn(QString name);
    QPair<QString, QString> genGetFileString(QPair<QString, int> file);
    QList<QUrl> genGetFilesRequest(QList<QPair<QString, int>> files, QString destDir);
    void genSendFileString(const QString &name, const QString &text);
    void genSendFilesRequest(QList<QPair<QString, QString>> files);
    void genDelFilesRequest(QList<QPair<QString, int>> files);
    // The batches underneath the two above: what happened to each file, in order. A stopped send
    // ends the list before the first file it did not begin. fileEnded, when given, is called as
    // each file ends, which is how the two above emit their signals file by file.
    using FileEnded = std::function<void(const FileOutcome &)>;
    QList<FileOutcome> sendFileBatch(const QList<QPair<QString, QString>> &files,
                                     const FileEnded &fileEnded = {});
    QList<FileOutcome> deleteFileBatch(const QList<QPair<QString, int>> &files,
                                       const FileEnded &fileEnded = {});

    // Backup archive and restore.
    std::optional<QString> createBackup();
    void restoreBackup(const QUrl &url);

    // Frames.
    bool TX(QByteArray &data);
    bool RX(QByteArray &data);

    static QString msgErrorToStr(const UlvoCalc::calcMsg &msg);

    // Read-only views for diagnostics and tests.
    int currentChunkSize() const { return chunkSize; }
    int currentErrorType() const { return errorType; }
    QString hardwareVersion() const { return hv; }
    QString firmwareVersion() const { return fv; }
    QString protocolVersion() const { return pv; }
    bool isOpen() const;

signals:
    void errorNotify(QString errorText);
    void fileDeleted(QString fName);
    void fileSend(QPair<QString, int> fInf);
    // Emitted on the link's thread; receivers elsewhere get it queued.
    void progress(TransferProgress state);

public slots:
    void onError(QString errorText = QString());

private:
    // Serialises msg into a byte array of its serialised size.
    static QByteArray serialize(const google::protobuf::MessageLite &msg);
    // Sends the acknowledgement, a SUCCESS that carries nothing else; result not inspected.
    void sendAck();
    // Writes one whole frame to the open port.
    bool writeFrame(const char *frame, int size);
    // Reads until the next frame is complete. Its payload lies in the decoder's buffer, valid
    // until the next receive; no value when RX would fail (and it has been reported).
    std::optional<FramePayload> receiveFrame();
    // Frames a message behind room for its header and writes it. Reports nothing: every request
    // of the link goes out here, and the caller says what a failure means.
    enum class Transmit { Sent, TooLong, Failed };
    Transmit transmit(const google::protobuf::MessageLite &msg);
    // sendCommand, then true only for SUCCESS; any other answer is reported as refusedText.
    bool commandSucceeds(UlvoCalc::calcMsg_msgType type, const QString &refusedText);
    // Writes a request. One that could not be written (port closed, write failed) is reported
    // like one that got no answer; one too long to frame fails without a text.
    bool writeRequest(const google::protobuf::MessageLite &msg);
    // Reads the next frame's payload and parses it. Lost: RX failed (already reported);
    // Unreadable: the payload is no message (msg cleared, nothing reported yet).
    enum class Reply { Lost, Unreadable, Parsed };
    Reply receiveMessage(UlvoCalc::calcMsg &msg);
    // Reads the answer to a request or frame: true for SUCCESS; anything else is reported.
    bool isAccepted();
    // Reports a failure answer: errorType from its error field, then its text.
    void reportFailure(const UlvoCalc::calcMsg &answer);
    // Reports what a pure exchange found wrong.
    void report(const ExchangeFailure &failure);
    int readSize() const { return 2 * chunkSize; }
    // Collects the texts reported while one file of a batch is handled.
    class TextCapture;

    // The byte stream to the calculator; a QSerialPort unless a transport was given.
    std::shared_ptr<QIODevice> port;
    QString hv;
    QString fv;
    QString pv;
    QString name;
    int chunkSize = defaultChunkSize;
    int errorType = 0;
    LinkTimeouts m_timeouts;
    // Receive state of this link: preamble window and bytes that arrived after the last frame.
    std::shared_ptr<FrameDecoder> decoder;
    std::shared_ptr<PortReader> reader;
    // Requests are serialised behind room for the frame header, into one buffer kept from
    // request to request.
    QByteArray txFrame;
    // Belongs to this link object alone: copies keep their own.
    ProgressTracker m_progress;
    QStringList m_leftOutFiles;
    // Where onError also records its texts while a batch handles a file; null otherwise.
    QStringList *m_textSink = nullptr;
};
