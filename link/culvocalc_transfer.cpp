// Download and upload of one file in frames of chunkSize bytes.

#include "link/culvocalc.h"

#include <QSerialPort>
#include <cmath>

namespace {

const QString wrongDataSize = QStringLiteral("Wrong data size.");
const QString wrongFrameNumber = QStringLiteral("Wrong frame number.");

} // namespace

std::optional<QByteArray> CUlvoCalc::getData(UlvoCalc::fileInf inf)
{
    if (inf.size() == 0)
        return std::nullopt;
    // The size comes from the calculator's list: check it before any buffer exists.
    if (inf.size() < 0 || inf.size() > maxFileSize) {
        errorType = UlvoCalc::calcMsg::DATASIZE_INVALID;
        onError(wrongDataSize);
        return std::nullopt;
    }

    UlvoCalc::calcMsg request;
    request.set_type(UlvoCalc::calcMsg::GET_FILE);
    *request.mutable_finf() = inf;
    QByteArray bytes = serialize(request);
    if (!isOpen() || !TX(bytes))
        return std::nullopt;

    QByteArray content(inf.size(), '\0');
    const int frameCount = static_cast<int>(std::ceil(double(inf.size()) / double(chunkSize)));
    UlvoCalc::calcMsg answer;
    for (int i = 0; i < frameCount; ++i) {
        if (!receiveMessage(answer))
            return std::nullopt;
        if (answer.type() != UlvoCalc::calcMsg::FRAME) {
            reportFailure(answer);
            return std::nullopt;
        }
        // Frame contents are untrusted: the bytes must exist and land inside the file.
        const UlvoCalc::calcFrame &frame = answer.frame();
        if (frame.data_size() < 1 || frame.size() < 0
            || frame.size() > static_cast<qint64>(frame.data(0).size())) {
            errorType = UlvoCalc::calcMsg::DATASIZE_INVALID;
            onError(wrongDataSize);
            return std::nullopt;
        }
        const qint64 offset = qint64(chunkSize) * frame.framenum();
        if (frame.framenum() < 0 || offset + frame.size() > content.size()) {
            errorType = UlvoCalc::calcMsg::INVALID_FRAME_NUMBER;
            onError(wrongFrameNumber);
            return std::nullopt;
        }
        std::copy_n(frame.data(0).data(), frame.size(), content.data() + offset);
        if (i != frameCount - 1)
            sendAck();
    }
    return content;
}

bool CUlvoCalc::sendFile(UlvoCalc::fileInf inf, const QByteArray &data)
{
    UlvoCalc::calcMsg request;
    request.set_type(UlvoCalc::calcMsg::SEND_FILE);
    *request.mutable_finf() = inf;
    QByteArray bytes = serialize(request);
    if (!isOpen() || !TX(bytes))
        return false;

    UlvoCalc::calcMsg answer;
    if (!receiveMessage(answer))
        return false;
    if (answer.type() != UlvoCalc::calcMsg::SUCCESS) {
        reportFailure(answer);
        return false;
    }
    if (data.isEmpty())
        return true;

    // A length that is a whole multiple of chunkSize ends with an empty frame: the calculator
    // takes a short frame as the end of the file.
    int frameNum = 0;
    for (qint64 offset = 0;;) {
        const int n = static_cast<int>(std::min<qint64>(data.size() - offset, chunkSize));
        UlvoCalc::calcMsg frameMsg;
        frameMsg.set_type(UlvoCalc::calcMsg::FRAME);
        UlvoCalc::calcFrame *frame = frameMsg.mutable_frame();
        frame->set_framenum(frameNum);
        frame->set_size(n);
        frame->add_data(data.constData() + offset, static_cast<size_t>(n));
        ++frameNum;
        offset += chunkSize;
        bytes = serialize(frameMsg);
        if (isOpen())
            TX(bytes);
        if (!receiveMessage(answer))
            return false;
        if (answer.type() == UlvoCalc::calcMsg::FAILED) {
            reportFailure(answer);
            return false;
        }
        if (offset > data.size())
            return true;
    }
}
