#pragma once

#include "link/culvocalc.h"
#include "tools/simulator/simulatedcalculator.h"
#include "tools/simulator/simulatedusb.h"

#include <QSerialPortInfo>
#include <QSignalSpy>
#include <memory>

Q_DECLARE_METATYPE(UlvoCalc::calcMsg::errType)
Q_DECLARE_METATYPE(UlvoCalc::calcMsg::msgType)

// One simulated calculator plugged for a whole test run, and a fresh link to it per test.
// Declared so that the link goes first, then the USB testbed, then the calculator.
struct SimulatedLink {
    std::unique_ptr<SimulatedCalculator> calc;
    std::unique_ptr<SimulatedUsb> usb;
    QString portName;
    std::unique_ptr<CUlvoCalc> link;
    std::unique_ptr<QSignalSpy> errors;

    bool plug()
    {
        calc = std::make_unique<SimulatedCalculator>();
        usb = std::make_unique<SimulatedUsb>();
        if (!usb->isValid())
            return false;
        portName = usb->plug(calc.get());
        return !portName.isEmpty();
    }

    // A calculator without files or script, and a link that has read its device information.
    bool connect(int chunkSize = 512)
    {
        link.reset();
        calc->resetScript();
        calc->clearFiles();
        calc->setMaxChunkSize(chunkSize);
        link = std::make_unique<CUlvoCalc>(QSerialPortInfo(portName));
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
