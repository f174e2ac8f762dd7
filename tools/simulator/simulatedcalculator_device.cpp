// The simulated calculator's device: one handler per message from the computer, over the in-memory
// file system, pacing listings and downloads by the computer's acks.

#include "tools/simulator/simulatedcalculator_p.h"

#include <termios.h>

using UlvoCalc::calcMsg;
using SimulatorDetail::sameName;
using SimulatorDetail::serialize;

namespace {

QByteArray nameBytes(const std::string &name)
{
    return QByteArray::fromStdString(name);
}

} // namespace

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
