#include "link/culvocalc.h"

#include "link/calcusbids.h"
#include "link/deviceinfo.h"
#include "link/filelisting.h"
#include "link/linklog.h"
#include "link/linktexts.h"
#include "link/portwriter.h"

#include <QDeadlineTimer>
#include <QSerialPort>

#include <algorithm>
#include <limits>

using UlvoCalc::calcMsg;

namespace {

calcMsg request(calcMsg::msgType type)
{
    calcMsg msg;
    msg.set_type(type);
    return msg;
}

} // namespace

CUlvoCalc::CUlvoCalc(QObject *parent)
    : QObject(parent)
    , decoder(std::make_shared<FrameDecoder>())
    , reader(std::make_shared<PortReader>())
{
    // Progress crosses to the main thread queued.
    static const int progressType = qRegisterMetaType<TransferProgress>();
    Q_UNUSED(progressType)
    m_progress.setSink([this](const TransferProgress &state) { emit progress(state); });
}

CUlvoCalc::CUlvoCalc(QSerialPortInfo portInfo, QObject *parent)
    : CUlvoCalc(parent)
{
    initialize(portInfo);
}

CUlvoCalc::CUlvoCalc(std::shared_ptr<QIODevice> transport, LinkTimeouts timeouts, QObject *parent)
    : CUlvoCalc(parent)
{
    m_timeouts = timeouts;
    initialize(std::move(transport));
}

CUlvoCalc::CUlvoCalc(const CUlvoCalc &other)
    : QObject(other.parent())
{
    m_progress.setSink([this](const TransferProgress &state) { emit progress(state); });
    *this = other;
}

CUlvoCalc &CUlvoCalc::operator=(const CUlvoCalc &other)
{
    if (this == &other)
        return *this;
    port = other.port;
    decoder = other.decoder;
    reader = other.reader;
    errorType = other.errorType;
    hv = other.hv;
    fv = other.fv;
    pv = other.pv;
    name = other.name;
    chunkSize = other.chunkSize;
    m_timeouts = other.m_timeouts;
    return *this;
}

CUlvoCalc::~CUlvoCalc() = default;

QList<QSerialPortInfo> CUlvoCalc::findCalcs()
{
    QList<QSerialPortInfo> calcs;
    const auto ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : ports) {
        if (info.vendorIdentifier() == CalcUsbIds::vendorId && info.productIdentifier() == CalcUsbIds::productId)
            calcs.append(info);
    }
    return calcs;
}

bool CUlvoCalc::initialize(QSerialPortInfo portInfo)
{
    auto serial = std::make_shared<QSerialPort>();
    serial->setPort(portInfo);
    return initialize(std::move(serial));
}

bool CUlvoCalc::initialize(std::shared_ptr<QIODevice> transport)
{
    errorType = 0;
    port = std::move(transport);
    decoder = std::make_shared<FrameDecoder>();
    reader = std::make_shared<PortReader>();
    chunkSize = defaultChunkSize;
    if (!port)
        return false;
    // A device that went away (unplugged) keeps signalling readiness with nothing to read; close
    // the port so later exchanges fail at once with the ordinary texts instead of spinning.
    if (auto *serial = qobject_cast<QSerialPort *>(port.get())) {
        QObject::connect(serial, &QSerialPort::errorOccurred, serial, [serial](QSerialPort::SerialPortError error) {
            const bool fatal = error == QSerialPort::ResourceError || error == QSerialPort::ReadError
                || error == QSerialPort::WriteError;
            if (fatal && serial->isOpen())
                serial->close();
        });
    }
    if (!port->isOpen() && !port->open(QIODevice::ReadWrite))
        qCDebug(lcLink).noquote() << QStringLiteral("Port wasn't open: ") + port->errorString();
    reader->prepare(*port);
    return getDeviceInf();
}

QString CUlvoCalc::portName()
{
    if (auto *serial = qobject_cast<QSerialPort *>(port.get()))
        return serial->portName();
    return port ? port->objectName() : QString();
}

QString CUlvoCalc::getName()
{
    return name;
}

bool CUlvoCalc::isOpen() const
{
    return port && port->isOpen();
}

bool CUlvoCalc::getDeviceInf()
{
    if (!writeRequest(request(calcMsg::GET_DEVICE_INF)))
        return false;
    QByteArray payload;
    if (!RX(payload))
        return false;
    const std::optional<DeviceInfo> info = readDeviceInfo(payload);
    if (!info)
        return false;
    hv = info->hv;
    fv = info->fv;
    pv = info->pv;
    name = info->name;
    chunkSize = info->chunkSize;
    return true;
}

bool CUlvoCalc::sendMessage(UlvoCalc::calcMsg_msgType type)
{
    if (transmit(request(type)) == Transmit::Sent)
        return true;
    onError(LinkTexts::writeDevice());
    return false;
}

bool CUlvoCalc::sendCommand(UlvoCalc::calcMsg_msgType type, UlvoCalc::calcMsg &response)
{
    if (!sendMessage(type))
        return false;
    switch (receiveMessage(response)) {
    case Reply::Lost:
        onError(LinkTexts::readDevice());
        return false;
    case Reply::Unreadable:
        onError(LinkTexts::parseMessage());
        return false;
    case Reply::Parsed:
        break;
    }
    return true;
}

bool CUlvoCalc::commandSucceeds(UlvoCalc::calcMsg_msgType type, const QString &refusedText)
{
    UlvoCalc::calcMsg answer;
    if (!sendCommand(type, answer))
        return false;
    if (answer.type() == calcMsg::SUCCESS)
        return true;
    onError(refusedText);
    return false;
}

int CUlvoCalc::getNumberOfFiles()
{
    if (!writeRequest(request(calcMsg::GET_FILES_NUM)))
        return 0;
    QByteArray payload;
    if (!RX(payload))
        return 0;
    return readFileCount(payload).value_or(0);
}

QList<QPair<QString, int>> CUlvoCalc::getFilesInfo()
{
    m_leftOutFiles.clear();
    FileListCollector collector(getNumberOfFiles());
    if (!collector.wantsList() || !writeRequest(request(calcMsg::GET_FILES_INF)))
        return {};
    for (;;) {
        QByteArray payload;
        // A calculator that stopped answering will not answer the remaining passes either: one
        // time-out ends the list instead of one per announced file.
        if (!RX(payload))
            break;
        const FileListCollector::Step step = collector.take(payload);
        if (step == FileListCollector::Step::Ack)
            sendAck();
        else if (step == FileListCollector::Step::Done)
            break;
    }
    for (const QString &problem : collector.problems())
        onError(problem);
    m_leftOutFiles = collector.leftOut();
    return collector.files();
}

bool CUlvoCalc::delFile(UlvoCalc::fileInf inf)
{
    calcMsg msg = request(calcMsg::DELETE_FILE);
    *msg.mutable_finf() = inf;
    return writeRequest(msg) && isAccepted();
}

bool CUlvoCalc::setDeviceName(QString newName)
{
    calcMsg msg = request(calcMsg::CHANGE_NAME);
    msg.set_devname(newName.toStdString());
    if (!writeRequest(msg))
        return false;
    calcMsg answer;
    if (receiveMessage(answer) != Reply::Parsed || answer.type() != calcMsg::SUCCESS)
        return false;
    name = newName;
    return true;
}

bool CUlvoCalc::TX(QByteArray &data)
{
    if (!isOpen())
        return false;
    // The length field cannot express a longer payload; a cut length would corrupt the line.
    if (!FrameCodec::frame(data))
        return false;
    return writeFrame(data.constData(), data.size());
}

bool CUlvoCalc::writeFrame(const char *frame, int size)
{
    const qint64 taken = writeToLine(*port, frame, size);
    if (taken == size)
        return true;
    if (port->write(frame + taken, size - taken) < 0)
        return false;
    // Hand the frame to the line at once; wait only for what the line could not take yet.
    if (auto *serial = qobject_cast<QSerialPort *>(port.get()))
        serial->flush();
    // A failed write closes the port (the device went away); its unsent bytes stay counted, and a
    // wait on the closed port would only run out its time.
    if (port->isOpen() && port->bytesToWrite() > 0)
        port->waitForBytesWritten(m_timeouts.writeMs);
    return port->isOpen();
}

bool CUlvoCalc::RX(QByteArray &data)
{
    const std::optional<FramePayload> payload = receiveFrame();
    if (!payload)
        return false;
    data = QByteArray(payload->data, payload->size);
    return true;
}

std::optional<FramePayload> CUlvoCalc::receiveFrame()
{
    if (!isOpen()) {
        errorType = calcMsg::CONNECTION_ERROR;
        onError(LinkTexts::portClosed());
        return std::nullopt;
    }
    // Noise that never contains a preamble must not hold the link either: the hunt as a whole
    // gets the time a reply has to start. Once a frame has begun, it has a bound of its own, so a
    // calculator that trickles its bytes cannot stretch it for ever.
    const QDeadlineTimer huntDeadline(m_timeouts.replyStartMs);
    QDeadlineTimer frameDeadline(QDeadlineTimer::Forever);
    bool frameBegun = false;
    const PortReader::Receive receive(*reader);
    for (;;) {
        if (const std::optional<FramePayload> payload = decoder->nextFrame())
            return payload;
        const bool hunting = decoder->state() == FrameDecoder::State::Hunting;
        if (!hunting && !frameBegun) {
            frameBegun = true;
            frameDeadline.setRemainingTime(m_timeouts.frameTotalMs);
        }
        const QDeadlineTimer &deadline = hunting ? huntDeadline : frameDeadline;
        qint64 received = 0;
        if (port->isOpen() && !deadline.hasExpired()) {
            const QDeadlineTimer wait = hunting ? huntDeadline
                                                : std::min(frameDeadline, QDeadlineTimer(m_timeouts.framePieceMs));
            received = reader->read(*port, decoder->space(readSize()), readSize(), wait);
        }
        if (received <= 0) {
            // What was received of an unfinished frame is worthless now; start the next
            // receive afresh.
            decoder->clear();
            errorType = calcMsg::CONNECTION_ERROR;
            onError(LinkTexts::connectionLost());
            return std::nullopt;
        }
        decoder->commit(int(received));
    }
}

QString CUlvoCalc::msgErrorToStr(const UlvoCalc::calcMsg &msg)
{
    return answerErrorText(msg);
}

void CUlvoCalc::onError(QString errorText)
{
    if (errorText.isEmpty())
        errorText = LinkTexts::errorType(errorType);
    if (m_textSink)
        m_textSink->append(errorText);
    emit errorNotify(errorText);
}

QByteArray CUlvoCalc::serialize(const google::protobuf::MessageLite &msg)
{
    const size_t size = msg.ByteSizeLong();
    // Far beyond what a frame can carry: hand TX something it refuses rather than a cut message.
    if (size > size_t(std::numeric_limits<int>::max()))
        return QByteArray(FrameCodec::maxPayload + 1, '\0');
    QByteArray out(int(size), Qt::Uninitialized);
    msg.SerializeToArray(out.data(), out.size());
    return out;
}

void CUlvoCalc::sendAck()
{
    // The same bytes every time: framed once.
    static const QByteArray ack = [] {
        QByteArray frame = serialize(request(calcMsg::SUCCESS));
        FrameCodec::frame(frame);
        return frame;
    }();
    if (isOpen())
        writeFrame(ack.constData(), ack.size());
}

CUlvoCalc::Transmit CUlvoCalc::transmit(const google::protobuf::MessageLite &msg)
{
    const size_t size = msg.ByteSizeLong();
    if (size > size_t(FrameCodec::maxPayload))
        return Transmit::TooLong;
    txFrame.resize(FrameCodec::headerSize + int(size));
    FrameCodec::writeHeader(txFrame.data(), int(size));
    msg.SerializeWithCachedSizesToArray(reinterpret_cast<google::protobuf::uint8 *>(txFrame.data()) + FrameCodec::headerSize);
    return isOpen() && writeFrame(txFrame.constData(), txFrame.size()) ? Transmit::Sent : Transmit::Failed;
}

bool CUlvoCalc::writeRequest(const google::protobuf::MessageLite &msg)
{
    switch (transmit(msg)) {
    case Transmit::Sent:
        return true;
    case Transmit::TooLong:
        // Nothing reached the line, and nothing is wrong with it: the caller's request was too long.
        return false;
    case Transmit::Failed:
        break;
    }
    errorType = calcMsg::CONNECTION_ERROR;
    onError(isOpen() ? LinkTexts::connectionLost() : LinkTexts::portClosed());
    return false;
}

CUlvoCalc::Reply CUlvoCalc::receiveMessage(UlvoCalc::calcMsg &msg)
{
    msg.Clear();
    const std::optional<FramePayload> payload = receiveFrame();
    if (!payload)
        return Reply::Lost;
    if (msg.ParseFromArray(payload->data, payload->size))
        return Reply::Parsed;
    msg.Clear();
    return Reply::Unreadable;
}

void CUlvoCalc::reportFailure(const UlvoCalc::calcMsg &answer)
{
    report(refusal(answer));
}

void CUlvoCalc::report(const ExchangeFailure &failure)
{
    errorType = failure.errorType;
    onError(failure.text);
}
