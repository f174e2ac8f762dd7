#pragma once

#include <QObject>

#include <memory>

class QSocketNotifier;
class QTimer;
struct udev;
struct udev_monitor;

// Tells when serial ports may have come or gone, from udev's reports of tty devices added,
// removed or renamed, so that the ports need enumerating only then. Reports arriving close
// together (a hub bringing several devices) are told once. Where no udev monitor can be had,
// isWatching() is false and nothing is ever told: the owner then polls on its own.
class PortWatcher : public QObject
{
    Q_OBJECT
public:
    // Reports within this time of the first are told together; it also bounds how often a
    // device that keeps coming and going makes the owner enumerate.
    static constexpr int coalesceMs = 250;

    explicit PortWatcher(QObject *parent = nullptr);
    ~PortWatcher() override;

    bool isWatching() const { return m_monitor != nullptr; }

signals:
    void portsChanged();

private:
    struct UdevRelease {
        void operator()(udev *handle) const;
        void operator()(udev_monitor *monitor) const;
    };

    void readReports();

    std::unique_ptr<udev, UdevRelease> m_udev;
    std::unique_ptr<udev_monitor, UdevRelease> m_monitor;
    QSocketNotifier *m_notifier = nullptr;
    QTimer *m_coalesce = nullptr;
};
