#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class SimulatedCalculator;
class SimulatedUsb;

// Plugs simulated calculators for QML tests (published as "simulator"). File contents cross as
// hexadecimal byte strings, so a test states the calculator's bytes without any text conversion.
class QmlSimulator : public QObject
{
    Q_OBJECT

public:
    explicit QmlSimulator(QObject *parent = nullptr);
    ~QmlSimulator() override;

    // Plugs a calculator named name holding files (file name -> hexadecimal content) and
    // returns its port name, or "" when the USB double is not available (the process must run
    // under umockdev-wrapper).
    Q_INVOKABLE QString plug(const QString &name, const QVariantMap &files);
    // Unplugs and forgets every calculator plugged so far.
    Q_INVOKABLE void unplugAll();
    // The content of a file of the last plugged calculator, in hexadecimal; "" when absent.
    Q_INVOKABLE QString fileHex(const QString &fileName) const;
    // The file names of the last plugged calculator, in listing order.
    Q_INVOKABLE QStringList fileNames() const;
    // How many messages of the store request (SEND_FILE) the last calculator received.
    Q_INVOKABLE int storeRequestCount() const;

private:
    std::unique_ptr<SimulatedUsb> m_usb;
    std::vector<std::unique_ptr<SimulatedCalculator>> m_calculators;
};
