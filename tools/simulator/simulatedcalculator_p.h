#pragma once

// Inside of the simulated calculator, shared by its parts: the public state (simulatedcalculator.cpp),
// the device's message handlers (simulatedcalculator_device.cpp), the scripted fault modes
// (simulatedcalculator_faults.cpp) and the pty line (simulatedcalculator_pty.cpp).

#include "tools/simulator/simulatedcalculator.h"

#include "link/framecodec.h"

#include <QLoggingCategory>

#include <atomic>
#include <functional>
#include <mutex>
#include <thread>

Q_DECLARE_LOGGING_CATEGORY(lcSimulator)

namespace SimulatorDetail {

using UlvoCalc::calcMsg;

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
bool sameName(const QByteArray &a, const QByteArray &b);
QByteArray serialize(const calcMsg &msg);

} // namespace SimulatorDetail

struct SimulatedCalculator::Private {
    using calcMsg = UlvoCalc::calcMsg;
    using Exchange = SimulatorDetail::Exchange;
    using ScriptEntry = SimulatorDetail::ScriptEntry;

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
    void reply(const calcMsg &msg) { writeFrames({SimulatorDetail::serialize(msg)}); }
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
