#pragma once

#include "link/calcusbids.h"

#include <QObject>
#include <QString>
#include <memory>

class SimulatedCalculator;

// Makes simulated calculators appear as USB serial devices to this process (and to children
// started under umockdev-wrapper): owns a umockdev testbed, plugs a usb_device -> interface ->
// tty chain per device, and backs each device node with the calculator's pty. The process must
// run under umockdev-wrapper. Only one may exist per process at a time, and it must outlive
// every port opened on its devices.
class SimulatedUsb : public QObject
{
    Q_OBJECT
public:
    static constexpr quint16 calcVendorId = CalcUsbIds::vendorId;
    static constexpr quint16 calcProductId = CalcUsbIds::productId;

    explicit SimulatedUsb(QObject *parent = nullptr);
    ~SimulatedUsb() override;

    bool isValid() const;
    // Folder of the testbed (the value children need in UMOCKDEV_DIR).
    QString rootDir() const;

    // Starts the calculator (if needed) and plugs it; returns its port name (e.g. "ttyACM4242p3"),
    // empty on failure. An empty ttyName picks a name unique to this process. The calculator is
    // not owned. After it answers REBOOT it is unplugged and plugged again under the same name
    // rebootDelayMs later.
    QString plug(SimulatedCalculator *calc, const QString &ttyName = QString());
    // Plugs a device of another vendor (a plain pty nobody answers on).
    QString plugOther(quint16 vendorId, quint16 productId, const QString &ttyName = QString());
    // Removes the device from discovery and closes its line.
    void unplug(const QString &portName);
    void unplug(SimulatedCalculator *calc);
    // Plugs a previously unplugged calculator again under its old name.
    bool replug(SimulatedCalculator *calc);
    QString portNameOf(SimulatedCalculator *calc) const;

    // Applies to calculators plugged from now on.
    void setRebootDelay(int ms);

signals:
    void plugged(QString portName);
    void unplugged(QString portName);

private:
    struct Private;
    std::unique_ptr<Private> d;
};
