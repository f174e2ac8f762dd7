#include "tools/simulator/simulatedcalculator.h"

#include "link/framecodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <mutex>
#include <poll.h>
#include <pty.h>
#include <sys/eventfd.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

using UlvoCalc::calcMsg;

// What the simulated device receives and how its script answers: silent unless switched on with
// QT_LOGGING_RULES="ulvo.simulator.debug=true".
Q_LOGGING_CATEGORY(lcSimulator, "ulvo.simulator", QtInfoMsg)

namespace {

enum class ScriptAction { Fail, Silence, RawPayloads, RawBytes };

struct ScriptEntry {
    int type = 0;
    int remaining = 1; // answer the message when this reaches 0
    ScriptAction action = ScriptAction::Fail;
    int error = 0;
    int errorNum = 0;
    QString errorStr;
    QList<QByteArray> payloads;
    QByteArray bytes;
};

ScriptEntry scriptEntry(int type, int nth, ScriptAction action)
{
    ScriptEntry e;
    e.type = type;
    e.remaining = nth;
    e.action = action;
    return e;
}

// What the device is in the middle of: paced exchanges remember their position here.
struct Exchange {
    enum Kind { Idle, Listing, Downloading, Uploading } kind = Idle;
    int listIndex = 0;
    QByteArray content;       // download source
    QList<int> frameOrder;    // download frame numbers still to send, in sending order
    QByteArray uploadName;
    int uploadSize = 0;
    int expectedFrame = 0;
    QByteArray uploaded;
    bool uploadStored = false;
};

// The calculator's file system ignores case in names, as the application assumes when it asks
// whether to replace a file. Names that are not UTF-8 match byte for byte only.
bool sameName(const QByteArray &a, const QByteArray &b)
{
    if (a == b)
        return true;
    const QString sa = QString::fromUtf8(a);
    const QString sb = QString::fromUtf8(b);
    return sa.toUtf8() == a && sb.toUtf8() == b && sa.compare(sb, Qt::CaseInsensitive) == 0;
}

QByteArray nameBytes(const std::string &name)
{
    return QByteArray::fromStdString(name);
}

QByteArray serialize(const calcMsg &msg)
{
    QByteArray bytes(static_cast<int>(msg.ByteSizeLong()), Qt::Uninitialized);
    msg.SerializeToArray(bytes.data(), bytes.size());
    return bytes;
}

void setRaw(int fd)
{
    termios tio {};
    if (tcgetattr(fd, &tio) == 0) {
        cfmakeraw(&tio);
        tcsetattr(fd, TCSANOW, &tio);
    }
}

} // namespace

struct SimulatedCalculator::Private {
    SimulatedCalculator *q = nullptr;
    mutable std::mutex mutex;
    Options options;
    QList<QPair<QByteArray, QByteArray>> files;
    QList<calcMsg> received;
    QList<ScriptEntry> script;
    int replyDelayMs = 0;
    QByteArray noise;
    int splitPiece = 0;
    int splitPauseMs = 2;
    bool swapFirstTwo = false;
    bool duplicateFirstFrame = false;
    int frameSizeField = -1;
    std::function<void()> restartDown;
    std::function<void(QString)> restartUp;
    int restartDelayMs = 0;

    // Line state: touched by start/stop (any thread, never concurrently with serving) and the
    // serving thread.
    int master = -1;
    int slaveKeeper = -1; // keeps the slave side open so the master never reports a hang-up
    QString slavePath;
    int wake = -1;
    std::thread thread;
    std::atomic<bool> stopping {false};

    FrameDecoder decoder;
    Exchange exchange;

    bool openLine();
    void closeLine();
    void serve();
    bool waitWake(int ms); // false when stopping
    void handle(const calcMsg &msg);
    bool applyScript(const calcMsg &msg);
    void addScript(const ScriptEntry &entry)
    {
        std::lock_guard lock(mutex);
        script.append(entry);
    }
    void writeFrames(const QList<QByteArray> &payloads);
    void writeBytes(const QByteArray &bytes);
    void reply(const calcMsg &msg) { writeFrames({serialize(msg)}); }
    void replyType(calcMsg::msgType type)
    {
        calcMsg m;
        m.set_type(type);
        reply(m);
    }
    void replyFailed(int error, int errorNum = 0, const QString &text = QString())
    {
        calcMsg m;
        m.set_type(calcMsg::FAILED);
        m.set_error(static_cast<calcMsg::errType>(error));
        m.set_errornum(errorNum);
        m.set_errorstr(text.toStdString());
        reply(m);
        exchange = Exchange();
    }
    void sendListEntry();
    void sendNextDownloadFrame();
    void storeFile(const QByteArray &name, const QByteArray &content);
    void reboot();

    // One handler per message type from the computer.
    using Handler = void (Private::*)(const calcMsg &);
    static Handler handlerFor(int type);
    void onGetDeviceInf(const calcMsg &msg);
    void onGetFilesNum(const calcMsg &msg);
    void onGetFilesInf(const calcMsg &msg);
    void onAck(const calcMsg &msg);
    void onGetFile(const calcMsg &msg);
    void onSendFile(const calcMsg &msg);
    void onFrame(const calcMsg &msg);
    void onDeleteFile(const calcMsg &msg);
    void onChangeName(const calcMsg &msg);
    void onGetBackupInfo(const calcMsg &msg);
    void onClearFilesystem(const calcMsg &msg);
    void onReboot(const calcMsg &msg);
    void onUnknown(const calcMsg &msg);
};

SimulatedCalculator::SimulatedCalculator(QObject *parent)
    : SimulatedCalculator(Options(), parent)
{
}

SimulatedCalculator::SimulatedCalculator(Options options, QObject *parent)
    : QObject(parent), d(std::make_unique<Private>())
{
    d->q = this;
    d->options = std::move(options);
}

SimulatedCalculator::~SimulatedCalculator()
{
    stop();
}

bool SimulatedCalculator::start()
{
    if (isRunning())
        return true;
    if (!d->openLine())
        return false;
    d->stopping = false;
    d->wake = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    d->thread = std::thread([this] { d->serve(); });
    return true;
}

void SimulatedCalculator::stop()
{
    if (d->thread.joinable()) {
        d->stopping = true;
        const uint64_t one = 1;
        [[maybe_unused]] auto n = write(d->wake, &one, sizeof one);
        d->thread.join();
    }
    if (d->wake >= 0) {
        close(d->wake);
        d->wake = -1;
    }
    d->closeLine();
}

bool SimulatedCalculator::isRunning() const
{
    return d->thread.joinable();
}

QString SimulatedCalculator::slavePath() const
{
    std::lock_guard lock(d->mutex);
    return d->slavePath;
}

void SimulatedCalculator::setFile(const QString &name, const QByteArray &content)
{
    setRawFile(name.toUtf8(), content);
}

void SimulatedCalculator::setRawFile(const QByteArray &name, const QByteArray &content)
{
    std::lock_guard lock(d->mutex);
    d->storeFile(name, content);
}

bool SimulatedCalculator::removeFile(const QString &name)
{
    std::lock_guard lock(d->mutex);
    for (int i = 0; i < d->files.size(); ++i) {
        if (sameName(d->files.at(i).first, name.toUtf8())) {
            d->files.removeAt(i);
            return true;
        }
    }
    return false;
}

void SimulatedCalculator::clearFiles()
{
    std::lock_guard lock(d->mutex);
    d->files.clear();
}

QList<QPair<QString, QByteArray>> SimulatedCalculator::files() const
{
    std::lock_guard lock(d->mutex);
    QList<QPair<QString, QByteArray>> out;
    for (const auto &f : d->files)
        out.append({QString::fromUtf8(f.first), f.second});
    return out;
}

QByteArray SimulatedCalculator::file(const QString &name) const
{
    std::lock_guard lock(d->mutex);
    for (const auto &f : d->files) {
        if (sameName(f.first, name.toUtf8()))
            return f.second;
    }
    return QByteArray();
}

int SimulatedCalculator::loadFolder(const QString &path)
{
    const QFileInfoList entries = QDir(path).entryInfoList(QDir::Files, QDir::Name);
    int added = 0;
    for (const QFileInfo &info : entries) {
        QFile f(info.filePath());
        if (!f.open(QIODevice::ReadOnly))
            continue;
        setFile(info.fileName(), f.readAll());
        ++added;
    }
    return added;
}

QString SimulatedCalculator::name() const
{
    std::lock_guard lock(d->mutex);
    return d->options.name;
}

void SimulatedCalculator::setName(const QString &name)
{
    std::lock_guard lock(d->mutex);
    d->options.name = name;
}

void SimulatedCalculator::setMaxChunkSize(int size)
{
    std::lock_guard lock(d->mutex);
    d->options.maxChunkSize = size;
}

QList<calcMsg> SimulatedCalculator::received() const
{
    std::lock_guard lock(d->mutex);
    return d->received;
}

int SimulatedCalculator::receivedCount(MsgType type) const
{
    std::lock_guard lock(d->mutex);
    int n = 0;
    for (const calcMsg &m : d->received)
        n += m.type() == type ? 1 : 0;
    return n;
}

void SimulatedCalculator::clearReceived()
{
    std::lock_guard lock(d->mutex);
    d->received.clear();
}

void SimulatedCalculator::failOn(MsgType request, ErrType error, int errorNum, const QString &errorStr,
                                 int nth)
{
    ScriptEntry e = scriptEntry(request, nth, ScriptAction::Fail);
    e.error = error;
    e.errorNum = errorNum;
    e.errorStr = errorStr;
    d->addScript(e);
}

void SimulatedCalculator::silenceOn(MsgType request, int nth)
{
    d->addScript(scriptEntry(request, nth, ScriptAction::Silence));
}

void SimulatedCalculator::replyRawOn(MsgType request, const QList<QByteArray> &payloads, int nth)
{
    ScriptEntry e = scriptEntry(request, nth, ScriptAction::RawPayloads);
    e.payloads = payloads;
    d->addScript(e);
}

void SimulatedCalculator::replyBytesOn(MsgType request, const QByteArray &bytes, int nth)
{
    ScriptEntry e = scriptEntry(request, nth, ScriptAction::RawBytes);
    e.bytes = bytes;
    d->addScript(e);
}

void SimulatedCalculator::setReplyDelay(int ms)
{
    std::lock_guard lock(d->mutex);
    d->replyDelayMs = ms;
}

void SimulatedCalculator::setNoise(const QByteArray &noise)
{
    std::lock_guard lock(d->mutex);
    d->noise = noise;
}

void SimulatedCalculator::setSplitWrites(int pieceSize, int pauseMs)
{
    std::lock_guard lock(d->mutex);
    d->splitPiece = pieceSize;
    d->splitPauseMs = pauseMs;
}

void SimulatedCalculator::setSwapFirstTwoFrames(bool swap)
{
    std::lock_guard lock(d->mutex);
    d->swapFirstTwo = swap;
}

void SimulatedCalculator::setDuplicateFirstFrame(bool duplicate)
{
    std::lock_guard lock(d->mutex);
    d->duplicateFirstFrame = duplicate;
}

void SimulatedCalculator::setFrameSizeField(int size)
{
    std::lock_guard lock(d->mutex);
    d->frameSizeField = size;
}

void SimulatedCalculator::resetScript()
{
    std::lock_guard lock(d->mutex);
    d->script.clear();
    d->replyDelayMs = 0;
    d->noise.clear();
    d->splitPiece = 0;
    d->splitPauseMs = 2;
    d->swapFirstTwo = false;
    d->duplicateFirstFrame = false;
    d->frameSizeField = -1;
}

void SimulatedCalculator::setRestartHandlers(std::function<void()> down,
                                             std::function<void(QString)> up, int delayMs)
{
    std::lock_guard lock(d->mutex);
    d->restartDown = std::move(down);
    d->restartUp = std::move(up);
    d->restartDelayMs = delayMs;
}

// ---- line -----------------------------------------------------------------------------------

bool SimulatedCalculator::Private::openLine()
{
    int m = -1;
    int s = -1;
    char name[256] = {};
    if (openpty(&m, &s, name, nullptr, nullptr) != 0)
        return false;
    setRaw(s);
    fcntl(m, F_SETFD, FD_CLOEXEC);
    fcntl(s, F_SETFD, FD_CLOEXEC);
    fcntl(m, F_SETFL, fcntl(m, F_GETFL) | O_NONBLOCK);
    std::lock_guard lock(mutex);
    master = m;
    slaveKeeper = s;
    slavePath = QString::fromLocal8Bit(name);
    decoder.clear();
    exchange = Exchange();
    return true;
}

void SimulatedCalculator::Private::closeLine()
{
    std::lock_guard lock(mutex);
    if (master >= 0)
        close(master);
    if (slaveKeeper >= 0)
        close(slaveKeeper);
    master = -1;
    slaveKeeper = -1;
}

bool SimulatedCalculator::Private::waitWake(int ms)
{
    pollfd p {wake, POLLIN, 0};
    poll(&p, 1, ms);
    return !stopping;
}

void SimulatedCalculator::Private::serve()
{
    QByteArray buffer(64 * 1024, Qt::Uninitialized);
    while (!stopping) {
        pollfd fds[2] = {{master, POLLIN, 0}, {wake, POLLIN, 0}};
        if (poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if (stopping)
            break;
        if (!(fds[0].revents & POLLIN))
            continue;
        const ssize_t n = read(master, buffer.data(), buffer.size());
        if (n <= 0)
            continue;
        decoder.feed(QByteArray(buffer.constData(), static_cast<int>(n)));
        while (auto payload = decoder.takeFrame()) {
            calcMsg msg;
            // A payload that does not parse is dropped, as by a device that ignores line noise.
            if (!msg.ParseFromArray(payload->constData(), payload->size())) {
                qCDebug(lcSimulator) << "dropped a payload that is no message:" << payload->toHex();
                continue;
            }
            handle(msg);
            if (stopping)
                break;
        }
    }
}

void SimulatedCalculator::Private::writeBytes(const QByteArray &bytes)
{
    int done = 0;
    while (done < bytes.size() && !stopping) {
        const ssize_t n = write(master, bytes.constData() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<int>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return;
        // The line is full: wait until the computer has read some of it.
        pollfd fds[2] = {{master, POLLOUT, 0}, {wake, POLLIN, 0}};
        poll(fds, 2, 1000);
    }
}

void SimulatedCalculator::Private::writeFrames(const QList<QByteArray> &payloads)
{
    int delay;
    QByteArray prefix;
    int piece;
    int pause;
    {
        std::lock_guard lock(mutex);
        delay = replyDelayMs;
        prefix = noise;
        piece = splitPiece;
        pause = splitPauseMs;
    }
    if (delay > 0 && !waitWake(delay))
        return;
    QByteArray out;
    for (QByteArray payload : payloads) {
        FrameCodec::frame(payload);
        out += prefix + payload;
    }
    if (piece <= 0) {
        writeBytes(out);
        return;
    }
    for (int pos = 0; pos < out.size() && !stopping; pos += piece) {
        writeBytes(out.mid(pos, piece));
        tcdrain(master);
        waitWake(pause); // let the computer see the pieces as separate reads
    }
}

// ---- protocol -------------------------------------------------------------------------------

bool SimulatedCalculator::Private::applyScript(const calcMsg &msg)
{
    ScriptEntry entry;
    {
        std::lock_guard lock(mutex);
        int found = -1;
        for (int i = 0; i < script.size(); ++i) {
            if (script[i].type != msg.type())
                continue;
            if (--script[i].remaining == 0 && found < 0)
                found = i;
        }
        if (found < 0)
            return false;
        entry = script.takeAt(found);
    }
    qCDebug(lcSimulator) << "scripted answer" << int(entry.action) << "to message type" << msg.type();
    switch (entry.action) {
    case ScriptAction::Fail:
        replyFailed(entry.error, entry.errorNum, entry.errorStr);
        break;
    case ScriptAction::Silence:
        break;
    case ScriptAction::RawPayloads:
        writeFrames(entry.payloads);
        break;
    case ScriptAction::RawBytes:
        writeBytes(entry.bytes);
        break;
    }
    return true;
}

void SimulatedCalculator::Private::handle(const calcMsg &msg)
{
    {
        std::lock_guard lock(mutex);
        received.append(msg);
    }
    emit q->messageReceived(msg.type());
    qCDebug(lcSimulator) << "received message type" << msg.type();
    if (applyScript(msg)) {
        if (msg.type() != calcMsg::SUCCESS)
            exchange = Exchange();
        return;
    }
    (this->*handlerFor(msg.type()))(msg);
}

SimulatedCalculator::Private::Handler SimulatedCalculator::Private::handlerFor(int type)
{
    switch (type) {
    case calcMsg::GET_DEVICE_INF: return &Private::onGetDeviceInf;
    case calcMsg::GET_FILES_NUM: return &Private::onGetFilesNum;
    case calcMsg::GET_FILES_INF: return &Private::onGetFilesInf;
    case calcMsg::SUCCESS: return &Private::onAck;
    case calcMsg::GET_FILE: return &Private::onGetFile;
    case calcMsg::SEND_FILE: return &Private::onSendFile;
    case calcMsg::FRAME: return &Private::onFrame;
    case calcMsg::DELETE_FILE: return &Private::onDeleteFile;
    case calcMsg::CHANGE_NAME: return &Private::onChangeName;
    case calcMsg::GET_BACKUP_INFO: return &Private::onGetBackupInfo;
    case calcMsg::CLEAR_FILESYSTEM: return &Private::onClearFilesystem;
    case calcMsg::REBOOT: return &Private::onReboot;
    default: return &Private::onUnknown;
    }
}

void SimulatedCalculator::Private::onGetDeviceInf(const calcMsg &)
{
    calcMsg m;
    m.set_type(calcMsg::SEND_DEVICE_INF);
    {
        std::lock_guard lock(mutex);
        auto *inf = m.mutable_devinf();
        inf->set_hv(options.hv.toStdString());
        inf->set_fv(options.fv.toStdString());
        inf->set_pv(options.pv.toStdString());
        inf->set_name(options.name.toStdString());
        inf->set_maxchunksize(options.maxChunkSize);
    }
    exchange = Exchange();
    reply(m);
}

void SimulatedCalculator::Private::onGetFilesNum(const calcMsg &)
{
    calcMsg m;
    m.set_type(calcMsg::SEND_FILES_NUM);
    {
        std::lock_guard lock(mutex);
        m.set_numberoffiles(files.size());
    }
    exchange = Exchange();
    reply(m);
}

void SimulatedCalculator::Private::onGetFilesInf(const calcMsg &)
{
    exchange = Exchange();
    exchange.kind = Exchange::Listing;
    sendListEntry();
}

void SimulatedCalculator::Private::onAck(const calcMsg &)
{
    if (exchange.kind == Exchange::Listing)
        sendListEntry();
    else if (exchange.kind == Exchange::Downloading)
        sendNextDownloadFrame();
}

void SimulatedCalculator::Private::onGetFile(const calcMsg &msg)
{
    exchange = Exchange();
    const QByteArray fname = nameBytes(msg.finf().name());
    bool found = false;
    QByteArray content;
    int chunk;
    bool swap;
    bool duplicate;
    {
        std::lock_guard lock(mutex);
        for (const auto &f : files) {
            if (sameName(f.first, fname)) {
                found = true;
                content = f.second;
            }
        }
        chunk = qMax(1, options.maxChunkSize);
        swap = swapFirstTwo;
        duplicate = duplicateFirstFrame;
    }
    if (!found) {
        replyFailed(calcMsg::FILE_NOT_EXIST);
        return;
    }
    if (content.isEmpty()) {
        replyFailed(calcMsg::DATASIZE_INVALID);
        return;
    }
    exchange.kind = Exchange::Downloading;
    exchange.content = content;
    const int frames = (content.size() + chunk - 1) / chunk;
    for (int i = 0; i < frames; ++i)
        exchange.frameOrder.append(i);
    if (swap && frames >= 2)
        exchange.frameOrder.swapItemsAt(0, 1);
    if (duplicate && frames >= 2)
        exchange.frameOrder[1] = exchange.frameOrder[0];
    sendNextDownloadFrame();
}

void SimulatedCalculator::Private::onSendFile(const calcMsg &msg)
{
    exchange = Exchange();
    const QByteArray fname = nameBytes(msg.finf().name());
    const int size = msg.finf().size();
    if (fname.isEmpty() || size < 0) {
        replyFailed(calcMsg::WRITE_ERROR);
        return;
    }
    if (size == 0) {
        std::lock_guard lock(mutex);
        storeFile(fname, QByteArray());
    } else {
        exchange.kind = Exchange::Uploading;
        exchange.uploadName = fname;
        exchange.uploadSize = size;
    }
    replyType(calcMsg::SUCCESS);
}

void SimulatedCalculator::Private::onFrame(const calcMsg &msg)
{
    if (exchange.kind != Exchange::Uploading) {
        replyFailed(calcMsg::INVALID_FRAME_NUMBER);
        return;
    }
    const auto &frame = msg.frame();
    if (frame.framenum() != exchange.expectedFrame) {
        replyFailed(calcMsg::INVALID_FRAME_NUMBER);
        return;
    }
    const QByteArray data = frame.data_size() > 0
        ? QByteArray(frame.data(0).data(), static_cast<int>(frame.data(0).size()))
        : QByteArray();
    if (frame.size() != data.size() || exchange.uploaded.size() + data.size() > exchange.uploadSize) {
        replyFailed(calcMsg::DATASIZE_INVALID);
        return;
    }
    exchange.uploaded += data;
    ++exchange.expectedFrame;
    if (exchange.uploaded.size() == exchange.uploadSize && !exchange.uploadStored) {
        std::lock_guard lock(mutex);
        storeFile(exchange.uploadName, exchange.uploaded);
        exchange.uploadStored = true;
    }
    const bool emptyTail = data.isEmpty();
    replyType(calcMsg::SUCCESS);
    // A file that is a whole multiple of the chunk size ends with an empty frame.
    if (emptyTail)
        exchange = Exchange();
}

void SimulatedCalculator::Private::onDeleteFile(const calcMsg &msg)
{
    exchange = Exchange();
    const QByteArray fname = nameBytes(msg.finf().name());
    bool removed = false;
    {
        std::lock_guard lock(mutex);
        for (int i = 0; i < files.size(); ++i) {
            if (sameName(files.at(i).first, fname)) {
                files.removeAt(i);
                removed = true;
                break;
            }
        }
    }
    if (removed)
        replyType(calcMsg::SUCCESS);
    else
        replyFailed(calcMsg::FILE_NOT_EXIST);
}

void SimulatedCalculator::Private::onChangeName(const calcMsg &msg)
{
    exchange = Exchange();
    {
        std::lock_guard lock(mutex);
        options.name = QString::fromStdString(msg.devname());
    }
    replyType(calcMsg::SUCCESS);
}

void SimulatedCalculator::Private::onGetBackupInfo(const calcMsg &)
{
    exchange = Exchange();
    QList<QByteArray> payloads;
    {
        std::lock_guard lock(mutex);
        for (const auto &f : files) {
            calcMsg m;
            m.set_type(calcMsg::SEND_FILE_INF);
            m.mutable_finf()->set_name(f.first.toStdString());
            m.mutable_finf()->set_size(f.second.size());
            payloads.append(serialize(m));
        }
    }
    calcMsg end;
    end.set_type(calcMsg::SEND_FILE_INF);
    end.mutable_finf();
    payloads.append(serialize(end));
    // The list comes without acknowledgements: all descriptors in one write.
    writeFrames(payloads);
}

void SimulatedCalculator::Private::onClearFilesystem(const calcMsg &)
{
    exchange = Exchange();
    {
        std::lock_guard lock(mutex);
        files.clear();
    }
    replyType(calcMsg::SUCCESS);
}

void SimulatedCalculator::Private::onReboot(const calcMsg &)
{
    exchange = Exchange();
    replyType(calcMsg::SUCCESS);
    tcdrain(master);
    reboot();
}

void SimulatedCalculator::Private::onUnknown(const calcMsg &)
{
    replyFailed(calcMsg::UNSPECIFITED_ERROR);
}

void SimulatedCalculator::Private::sendListEntry()
{
    calcMsg m;
    {
        std::lock_guard lock(mutex);
        if (exchange.listIndex >= files.size()) {
            exchange = Exchange();
            return;
        }
        const auto &f = files.at(exchange.listIndex++);
        m.set_type(calcMsg::SEND_FILE_INF);
        m.mutable_finf()->set_name(f.first.toStdString());
        m.mutable_finf()->set_size(f.second.size());
        if (exchange.listIndex >= files.size())
            exchange = Exchange();
    }
    reply(m);
}

void SimulatedCalculator::Private::sendNextDownloadFrame()
{
    if (exchange.frameOrder.isEmpty()) {
        exchange = Exchange();
        return;
    }
    int chunk;
    int sizeField;
    {
        std::lock_guard lock(mutex);
        chunk = qMax(1, options.maxChunkSize);
        sizeField = frameSizeField;
    }
    const int k = exchange.frameOrder.takeFirst();
    const QByteArray piece = exchange.content.mid(k * chunk, chunk);
    calcMsg m;
    m.set_type(calcMsg::FRAME);
    m.mutable_frame()->set_framenum(k);
    m.mutable_frame()->set_size(sizeField >= 0 ? sizeField : piece.size());
    m.mutable_frame()->add_data(piece.constData(), piece.size());
    if (exchange.frameOrder.isEmpty())
        exchange = Exchange();
    reply(m);
}

void SimulatedCalculator::Private::storeFile(const QByteArray &name, const QByteArray &content)
{
    // Caller holds the mutex.
    for (auto &f : files) {
        if (sameName(f.first, name)) {
            f = {name, content}; // a replaced file takes the name it was stored under
            return;
        }
    }
    files.append({name, content});
}

void SimulatedCalculator::Private::reboot()
{
    std::function<void()> down;
    std::function<void(QString)> up;
    int delay;
    {
        std::lock_guard lock(mutex);
        down = restartDown;
        up = restartUp;
        delay = restartDelayMs;
    }
    emit q->rebootRequested();
    if (!down || !up)
        return;
    // The device leaves the bus with its line and comes back on a new one, as after a USB
    // re-enumeration.
    down();
    closeLine();
    if (!waitWake(delay) || !openLine())
        return;
    up(slavePath);
}
