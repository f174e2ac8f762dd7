#pragma once

#include "link/culvocalc.h"
#include "tools/simulator/simulatedcalculator.h"
#include "tools/simulator/simulatedusb.h"

#include <QSerialPort>
#include <QSignalSpy>
#include <memory>

Q_DECLARE_METATYPE(UlvoCalc::calcMsg::errType)
Q_DECLARE_METATYPE(UlvoCalc::calcMsg::msgType)

// Waits short enough for a test run, long enough for a loaded machine. Sanitizer builds run
// several times slower, two tests at once: there a wait that a healthy exchange never comes near
// in a normal build can expire mid-transfer.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr int testTimeScale = 4;
#else
constexpr int testTimeScale = 1;
#endif

inline LinkTimeouts testTimeouts()
{
    LinkTimeouts t;
    t.replyStartMs = 1000 * testTimeScale;
    t.framePieceMs = 1000 * testTimeScale;
    t.frameTotalMs = 4000 * testTimeScale;
    t.writeMs = 2000 * testTimeScale;
    t.rebootMs = 400;
    return t;
}

// A serial port on the calculator's line, not yet open: by its pty path, or by its USB port name.
inline std::shared_ptr<QSerialPort> portTo(const QString &portName)
{
    auto port = std::make_shared<QSerialPort>();
    port->setPortName(portName);
    return port;
}

// One simulated calculator for a whole test run, and a fresh link to it per test. The link talks
// straight to the calculator's pty unless the test needs it on the (simulated) USB bus, where a
// reboot takes the device away and brings it back under the same name.
// Declared so that the link goes first, then the USB testbed, then the calculator.
struct SimulatedLink {
    std::unique_ptr<SimulatedCalculator> calc;
    std::unique_ptr<SimulatedUsb> usb;
    QString portName;
    std::unique_ptr<CUlvoCalc> link;
    std::unique_ptr<QSignalSpy> errors;

    enum class Line { Pty, Usb };

    bool plug(Line line = Line::Pty)
    {
        calc = std::make_unique<SimulatedCalculator>();
        if (line == Line::Pty) {
            if (!calc->start())
                return false;
            portName = calc->slavePath();
            return true;
        }
        usb = std::make_unique<SimulatedUsb>();
        if (!usb->isValid())
            return false;
        usb->setRebootDelay(100);
        portName = usb->plug(calc.get());
        return !portName.isEmpty();
    }

    std::unique_ptr<CUlvoCalc> newLink() const
    {
        return std::make_unique<CUlvoCalc>(portTo(portName), testTimeouts());
    }

    // A calculator without files or script, and a link that has read its device information.
    bool connect(int chunkSize = 512)
    {
        link.reset();
        calc->resetScript();
        calc->clearFiles();
        calc->setMaxChunkSize(chunkSize);
        link = newLink();
        errors = std::make_unique<QSignalSpy>(link.get(), &CUlvoCalc::errorNotify);
        calc->clearReceived();
        return link->isOpen() && link->currentChunkSize() == chunkSize;
    }

    QStringList errorTexts() const
    {
        QStringList texts;
        for (const QList<QVariant> &args : *errors)
            texts.append(args.at(0).toString());
        return texts;
    }

    QList<UlvoCalc::calcMsg> received(SimulatedCalculator::MsgType type) const
    {
        QList<UlvoCalc::calcMsg> matching;
        for (const UlvoCalc::calcMsg &msg : calc->received()) {
            if (msg.type() == type)
                matching.append(msg);
        }
        return matching;
    }

    // Sizes of the FRAME messages the calculator received, in order.
    QList<int> uploadedFrameSizes() const
    {
        QList<int> sizes;
        for (const UlvoCalc::calcMsg &msg : received(UlvoCalc::calcMsg::FRAME))
            sizes.append(msg.frame().size());
        return sizes;
    }
};

inline UlvoCalc::fileInf fileInf(const QByteArray &name, int size)
{
    UlvoCalc::fileInf inf;
    inf.set_name(name.toStdString());
    inf.set_size(size);
    return inf;
}

// Deterministic content that shows misplaced frames.
inline QByteArray patternBytes(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + i / 251) & 0xFF);
    return bytes;
}
