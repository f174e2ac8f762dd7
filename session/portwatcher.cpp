#include "session/portwatcher.h"

#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <libudev.h>

namespace {

// Only these change the set of ports; "change", "bind" and the like leave it as it was.
bool changesPorts(const char *action)
{
    return action
        && (std::strcmp(action, "add") == 0 || std::strcmp(action, "remove") == 0
            || std::strcmp(action, "move") == 0);
}

} // namespace

void PortWatcher::UdevRelease::operator()(udev *handle) const
{
    udev_unref(handle);
}

void PortWatcher::UdevRelease::operator()(udev_monitor *monitor) const
{
    udev_monitor_unref(monitor);
}

PortWatcher::PortWatcher(QObject *parent)
    : QObject(parent)
    , m_coalesce(new QTimer(this))
{
    m_coalesce->setSingleShot(true);
    m_coalesce->setInterval(coalesceMs);
    connect(m_coalesce, &QTimer::timeout, this, &PortWatcher::portsChanged);

    m_udev.reset(udev_new());
    if (!m_udev)
        return;
    // "udev" rather than "kernel": udev's report comes once the device's properties (the USB ids
    // the ports are recognised by) have been recorded.
    std::unique_ptr<udev_monitor, UdevRelease> monitor(udev_monitor_new_from_netlink(m_udev.get(), "udev"));
    // The filter runs in the kernel: reports about other kinds of device never wake this process.
    if (!monitor || udev_monitor_filter_add_match_subsystem_devtype(monitor.get(), "tty", nullptr) < 0
        || udev_monitor_enable_receiving(monitor.get()) < 0)
        return;
    const int fd = udev_monitor_get_fd(monitor.get());
    if (fd < 0)
        return;
    m_monitor = std::move(monitor);
    m_notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &PortWatcher::readReports);
}

PortWatcher::~PortWatcher()
{
    // The notifier must let go of the socket before the monitor closes it.
    delete m_notifier;
}

void PortWatcher::readReports()
{
    bool changed = false;
    for (;;) {
        errno = 0;
        udev_device *device = udev_monitor_receive_device(m_monitor.get());
        if (!device) {
            // Anything but "nothing more to read" (a receive buffer that overflowed, say) may
            // have lost reports: enumerate to be sure.
            if (errno != 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
                changed = true;
            break;
        }
        changed = changed || changesPorts(udev_device_get_action(device));
        udev_device_unref(device);
    }
    if (changed && !m_coalesce->isActive())
        m_coalesce->start();
}
