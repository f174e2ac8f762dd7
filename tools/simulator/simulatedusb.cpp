// GLib headers use "signals" as a name; they must come before Qt defines it as a keyword.
#include <umockdev.h>

#include "tools/simulator/simulatedusb.h"

#include "tools/simulator/simulatedcalculator.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QMetaObject>
#include <QPointer>

#include <atomic>
#include <mutex>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace {

// Passes every ioctl on the mocked device nodes through to the real file (the pty), so that
// Qt Serial Port's terminal settings and exclusive-mode requests behave as on real hardware.
gboolean passThroughIoctl(UMockdevIoctlBase *, UMockdevIoctlClient *client, gpointer)
{
    gint err = 0;
    const gint result = umockdev_ioctl_client_execute(client, &err, nullptr);
    umockdev_ioctl_client_complete(client, result, err);
    return TRUE;
}

QString hex4(quint16 v)
{
    return QStringLiteral("%1").arg(v, 4, 16, QLatin1Char('0'));
}

struct Device {
    QString tty;
    quint16 vendorId = 0;
    quint16 productId = 0;
    QByteArray usbPath, interfacePath, ttyPath; // sysfs paths while plugged
    QPointer<SimulatedCalculator> calc;
    int otherMaster = -1;
    int otherSlave = -1;
};

} // namespace

struct SimulatedUsb::Private {
    UMockdevTestbed *testbed = nullptr;
    UMockdevIoctlBase *ioctl = nullptr;
    QString root;
    // Guards the testbed and the device table: a calculator restarts on its own serving thread.
    mutable std::recursive_mutex mutex;
    QHash<QString, Device> devices;
    int rebootDelayMs = 2700;

    QString uniqueName()
    {
        // Distinct per process however many devices it plugs: Qt's port lock files live outside
        // any test sandbox, and tests started together have neighbouring process ids.
        static std::atomic<int> nextIndex {0};
        return QStringLiteral("ttyACM%1p%2").arg(getpid()).arg(nextIndex++);
    }
    void keepDiscoveryLocal()
    {
        // Without these Qt falls back to scanning the real /dev.
        QDir().mkpath(root + QStringLiteral("/sys/class/tty"));
        QDir().mkpath(root + QStringLiteral("/dev"));
        QFile keep(root + QStringLiteral("/dev/.keep"));
        if (!keep.exists() && keep.open(QIODevice::WriteOnly))
            keep.close();
    }
    bool addToBus(Device &dev, const QString &slavePath);
    void removeFromBus(Device &dev);
};

bool SimulatedUsb::Private::addToBus(Device &dev, const QString &slavePath)
{
    const QByteArray tty = dev.tty.toLatin1();
    const QByteArray vid = hex4(dev.vendorId).toLatin1();
    const QByteArray pid = hex4(dev.productId).toLatin1();
    const QByteArray usbName = "usb-" + tty;
    const QByteArray serial = "SIM" + tty;
    const QByteArray devName = "/dev/" + tty;

    gchar *usb = umockdev_testbed_add_device(testbed, "usb", usbName.constData(), nullptr,
        "idVendor", vid.constData(), "idProduct", pid.constData(), nullptr,
        "DEVTYPE", "usb_device", "ID_VENDOR_ID", vid.constData(), "ID_MODEL_ID", pid.constData(), nullptr);
    if (!usb)
        return false;
    const QByteArray ifName = usbName + ":1.0";
    gchar *iface = umockdev_testbed_add_device(testbed, "usb", ifName.constData(), usb,
        "bInterfaceClass", "02", nullptr, "DEVTYPE", "usb_interface", nullptr);
    // The ids must sit on the tty itself; no dev attribute, so libudev never reads the host's data.
    gchar *ttyPath = iface ? umockdev_testbed_add_device(testbed, "tty", tty.constData(), iface, nullptr,
        "DEVNAME", devName.constData(), "ID_VENDOR_ID", vid.constData(), "ID_MODEL_ID", pid.constData(),
        "ID_VENDOR", "Ulvo", "ID_MODEL", "Simulated_Calculator", "ID_SERIAL_SHORT", serial.constData(),
        nullptr) : nullptr;
    dev.usbPath = usb;
    dev.interfacePath = iface ? QByteArray(iface) : QByteArray();
    dev.ttyPath = ttyPath ? QByteArray(ttyPath) : QByteArray();
    g_free(usb);
    g_free(iface);
    g_free(ttyPath);
    const QString node = root + QStringLiteral("/dev/") + dev.tty;
    QFile::remove(node);
    const bool linked = QFile::link(slavePath, node);
    if (dev.ttyPath.isEmpty() || !linked) {
        removeFromBus(dev);
        return false;
    }
    return true;
}

void SimulatedUsb::Private::removeFromBus(Device &dev)
{
    for (QByteArray *path : {&dev.ttyPath, &dev.interfacePath, &dev.usbPath}) {
        if (!path->isEmpty()) {
            // As the kernel does: udev monitors hear of the removal (adding reports by itself).
            umockdev_testbed_uevent(testbed, path->constData(), "remove");
            umockdev_testbed_remove_device(testbed, path->constData());
        }
        path->clear();
    }
    QFile::remove(root + QStringLiteral("/dev/") + dev.tty);
    keepDiscoveryLocal();
}

SimulatedUsb::SimulatedUsb(QObject *parent)
    : QObject(parent), d(std::make_unique<Private>())
{
    d->testbed = umockdev_testbed_new();
    if (!d->testbed)
        return;
    gchar *root = umockdev_testbed_get_root_dir(d->testbed);
    d->root = QString::fromLocal8Bit(root);
    g_free(root);
    // umockdev answers every ioctl on a mocked node with ENOTTY by default; pass them through.
    QFile::remove(d->root + QStringLiteral("/ioctl/_default"));
    d->ioctl = umockdev_ioctl_base_new();
    g_signal_connect(d->ioctl, "handle-ioctl", G_CALLBACK(passThroughIoctl), nullptr);
    umockdev_testbed_attach_ioctl(d->testbed, "_default", d->ioctl, nullptr);
    d->keepDiscoveryLocal();
}

SimulatedUsb::~SimulatedUsb()
{
    std::lock_guard lock(d->mutex);
    for (Device &dev : d->devices) {
        if (dev.calc) {
            dev.calc->setRestartHandlers({}, {}, 0);
            dev.calc->stop();
        }
        if (dev.otherMaster >= 0)
            close(dev.otherMaster);
        if (dev.otherSlave >= 0)
            close(dev.otherSlave);
    }
    if (d->ioctl)
        g_object_unref(d->ioctl);
    if (d->testbed)
        g_object_unref(d->testbed);
}

bool SimulatedUsb::isValid() const
{
    return d->testbed != nullptr;
}

QString SimulatedUsb::rootDir() const
{
    return d->root;
}

QString SimulatedUsb::plug(SimulatedCalculator *calc, const QString &ttyName)
{
    if (!isValid() || !calc || (!calc->isRunning() && !calc->start()))
        return QString();
    std::lock_guard lock(d->mutex);
    Device dev;
    dev.tty = ttyName.isEmpty() ? d->uniqueName() : ttyName;
    dev.vendorId = calcVendorId;
    dev.productId = calcProductId;
    dev.calc = calc;
    if (!d->addToBus(dev, calc->slavePath()))
        return QString();
    d->devices.insert(dev.tty, dev);
    const QString tty = dev.tty;
    // A calculator that goes away first leaves the bus with it.
    connect(calc, &QObject::destroyed, this, [this, tty] {
        std::lock_guard lock(d->mutex);
        auto it = d->devices.find(tty);
        if (it != d->devices.end()) {
            d->removeFromBus(*it);
            d->devices.erase(it);
        }
    }, Qt::DirectConnection);
    calc->setRestartHandlers(
        [this, tty] {
            std::lock_guard lock(d->mutex);
            auto it = d->devices.find(tty);
            if (it != d->devices.end())
                d->removeFromBus(*it);
        },
        [this, tty](QString slavePath) {
            std::lock_guard lock(d->mutex);
            auto it = d->devices.find(tty);
            if (it != d->devices.end())
                d->addToBus(*it, slavePath);
        },
        d->rebootDelayMs);
    emit plugged(tty);
    return tty;
}

QString SimulatedUsb::plugOther(quint16 vendorId, quint16 productId, const QString &ttyName)
{
    if (!isValid())
        return QString();
    int m = -1;
    int s = -1;
    char name[256] = {};
    if (openpty(&m, &s, name, nullptr, nullptr) != 0)
        return QString();
    std::lock_guard lock(d->mutex);
    Device dev;
    dev.tty = ttyName.isEmpty() ? d->uniqueName() : ttyName;
    dev.vendorId = vendorId;
    dev.productId = productId;
    dev.otherMaster = m;
    dev.otherSlave = s;
    if (!d->addToBus(dev, QString::fromLocal8Bit(name))) {
        close(m);
        close(s);
        return QString();
    }
    d->devices.insert(dev.tty, dev);
    emit plugged(dev.tty);
    return dev.tty;
}

void SimulatedUsb::unplug(const QString &portName)
{
    {
        std::lock_guard lock(d->mutex);
        auto it = d->devices.find(portName);
        if (it == d->devices.end())
            return;
        d->removeFromBus(*it);
        if (it->calc)
            it->calc->stop();
        if (it->otherMaster >= 0) {
            close(it->otherMaster);
            close(it->otherSlave);
            d->devices.erase(it);
        }
    }
    emit unplugged(portName);
}

void SimulatedUsb::unplug(SimulatedCalculator *calc)
{
    const QString name = portNameOf(calc);
    if (!name.isEmpty())
        unplug(name);
}

bool SimulatedUsb::replug(SimulatedCalculator *calc)
{
    const QString name = portNameOf(calc);
    if (name.isEmpty() || (!calc->isRunning() && !calc->start()))
        return false;
    {
        std::lock_guard lock(d->mutex);
        Device &dev = d->devices[name];
        d->removeFromBus(dev);
        if (!d->addToBus(dev, calc->slavePath()))
            return false;
    }
    emit plugged(name);
    return true;
}

QString SimulatedUsb::portNameOf(SimulatedCalculator *calc) const
{
    std::lock_guard lock(d->mutex);
    for (const Device &dev : d->devices) {
        if (dev.calc == calc)
            return dev.tty;
    }
    return QString();
}

void SimulatedUsb::setRebootDelay(int ms)
{
    std::lock_guard lock(d->mutex);
    d->rebootDelayMs = ms;
}
