// Download and upload of one file in frames of chunkSize bytes.

#include "link/culvocalc.h"
#include "link/downloadassembly.h"
#include "link/linktexts.h"
#include "link/uploadframing.h"

std::optional<QByteArray> CUlvoCalc::getData(UlvoCalc::fileInf inf)
{
    if (inf.size() == 0)
        return std::nullopt;
    // The size comes from the calculator's list: check it before any buffer exists.
    if (inf.size() < 0 || inf.size() > maxFileSize) {
        errorType = UlvoCalc::calcMsg::DATASIZE_INVALID;
        onError(LinkTexts::wrongDataSize());
        return std::nullopt;
    }

    UlvoCalc::calcMsg request;
    request.set_type(UlvoCalc::calcMsg::GET_FILE);
    *request.mutable_finf() = inf;
    if (!writeRequest(request))
        return std::nullopt;

    DownloadAssembly assembly(inf.size(), chunkSize);
    for (;;) {
        const std::optional<FramePayload> payload = receiveFrame();
        if (!payload)
            return std::nullopt;
        // Parsed where it lies in the receive buffer.
        const DownloadAssembly::Step step = assembly.take(QByteArray::fromRawData(payload->data, payload->size));
        const bool goOn = m_progress.frameMoved(chunkSize);
        switch (step) {
        case DownloadAssembly::Step::NeedMore:
            // Stopped: without the ack the calculator sends nothing more, and it takes the next
            // request as the start of a new exchange.
            if (!goOn)
                return std::nullopt;
            sendAck();
            break;
        case DownloadAssembly::Step::Complete:
            return assembly.content();
        case DownloadAssembly::Step::Failed:
            report(assembly.failure());
            return std::nullopt;
        }
    }
}

bool CUlvoCalc::sendFile(UlvoCalc::fileInf inf, const QByteArray &data)
{
    UlvoCalc::calcMsg request;
    request.set_type(UlvoCalc::calcMsg::SEND_FILE);
    *request.mutable_finf() = inf;
    if (!writeRequest(request) || !isAccepted())
        return false;

    // One message for every frame, its fields overwritten in place.
    UlvoCalc::calcMsg frameMsg;
    UploadFraming framing(data, chunkSize);
    while (framing.hasNext()) {
        const int n = framing.next(frameMsg);
        if (!writeRequest(frameMsg) || !isAccepted())
            return false;
        // An upload cannot be aborted once begun: a stop takes effect before the next file.
        m_progress.frameMoved(n);
    }
    return true;
}

bool CUlvoCalc::isAccepted()
{
    UlvoCalc::calcMsg answer;
    switch (receiveMessage(answer)) {
    case Reply::Lost:
        return false;
    case Reply::Unreadable:
        report({UlvoCalc::calcMsg::UNSPECIFITED_ERROR, LinkTexts::unreadableAnswer()});
        return false;
    case Reply::Parsed:
        break;
    }
    // Only SUCCESS accepts; anything else is a refusal, with whatever text it brings.
    if (answer.type() == UlvoCalc::calcMsg::SUCCESS)
        return true;
    reportFailure(answer);
    return false;
}
