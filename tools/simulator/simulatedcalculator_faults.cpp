// Fault modes of the simulated calculator: scripted answers to chosen requests, and the ways its
// answers can be delayed, prefixed with noise or cut into pieces on the line.

#include "tools/simulator/simulatedcalculator_p.h"

#include <termios.h>

using UlvoCalc::calcMsg;
using SimulatorDetail::ScriptAction;
using SimulatorDetail::ScriptEntry;

namespace {

ScriptEntry scriptEntry(int type, int nth, ScriptAction action)
{
    ScriptEntry e;
    e.type = type;
    e.remaining = nth;
    e.action = action;
    return e;
}

} // namespace

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
