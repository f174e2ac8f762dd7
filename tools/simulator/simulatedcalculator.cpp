#include "tools/simulator/simulatedcalculator_p.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/eventfd.h>
#include <unistd.h>

using UlvoCalc::calcMsg;
using SimulatorDetail::sameName;

// What the simulated device receives and how its script answers: silent unless switched on with
// QT_LOGGING_RULES="ulvo.simulator.debug=true".
Q_LOGGING_CATEGORY(lcSimulator, "ulvo.simulator", QtInfoMsg)

namespace SimulatorDetail {

bool sameName(const QByteArray &a, const QByteArray &b)
{
    if (a == b)
        return true;
    const QString sa = QString::fromUtf8(a);
    const QString sb = QString::fromUtf8(b);
    return sa.toUtf8() == a && sb.toUtf8() == b && sa.compare(sb, Qt::CaseInsensitive) == 0;
}

QByteArray serialize(const calcMsg &msg)
{
    QByteArray bytes(static_cast<int>(msg.ByteSizeLong()), Qt::Uninitialized);
    msg.SerializeToArray(bytes.data(), bytes.size());
    return bytes;
}

} // namespace SimulatorDetail

SimulatedCalculator::SimulatedCalculator(QObject *parent)
    : SimulatedCalculator(Options(), parent)
{
}

SimulatedCalculator::SimulatedCalculator(Options options, QObject *parent)
    : QObject(parent), d(std::make_unique<Private>())
{
    d->q = this;
    d->options = std::move(options);
}

SimulatedCalculator::~SimulatedCalculator()
{
    stop();
}

bool SimulatedCalculator::start()
{
    if (isRunning())
        return true;
    if (!d->openLine())
        return false;
    d->stopping = false;
    d->wake = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    d->thread = std::thread([this] { d->serve(); });
    return true;
}

void SimulatedCalculator::stop()
{
    if (d->thread.joinable()) {
        d->stopping = true;
        const uint64_t one = 1;
        [[maybe_unused]] auto n = write(d->wake, &one, sizeof one);
        d->thread.join();
    }
    if (d->wake >= 0) {
        close(d->wake);
        d->wake = -1;
    }
    d->closeLine();
}

bool SimulatedCalculator::isRunning() const
{
    return d->thread.joinable();
}

QString SimulatedCalculator::slavePath() const
{
    std::lock_guard lock(d->mutex);
    return d->slavePath;
}

void SimulatedCalculator::setFile(const QString &name, const QByteArray &content)
{
    setRawFile(name.toUtf8(), content);
}

void SimulatedCalculator::setRawFile(const QByteArray &name, const QByteArray &content)
{
    std::lock_guard lock(d->mutex);
    d->storeFile(name, content);
}

bool SimulatedCalculator::removeFile(const QString &name)
{
    std::lock_guard lock(d->mutex);
    for (int i = 0; i < d->files.size(); ++i) {
        if (sameName(d->files.at(i).first, name.toUtf8())) {
            d->files.removeAt(i);
            return true;
        }
    }
    return false;
}

void SimulatedCalculator::clearFiles()
{
    std::lock_guard lock(d->mutex);
    d->files.clear();
}

QList<QPair<QString, QByteArray>> SimulatedCalculator::files() const
{
    std::lock_guard lock(d->mutex);
    QList<QPair<QString, QByteArray>> out;
    for (const auto &f : d->files)
        out.append({QString::fromUtf8(f.first), f.second});
    return out;
}

QByteArray SimulatedCalculator::file(const QString &name) const
{
    std::lock_guard lock(d->mutex);
    for (const auto &f : d->files) {
        if (sameName(f.first, name.toUtf8()))
            return f.second;
    }
    return QByteArray();
}

int SimulatedCalculator::loadFolder(const QString &path)
{
    const QFileInfoList entries = QDir(path).entryInfoList(QDir::Files, QDir::Name);
    int added = 0;
    for (const QFileInfo &info : entries) {
        QFile f(info.filePath());
        if (!f.open(QIODevice::ReadOnly))
            continue;
        setFile(info.fileName(), f.readAll());
        ++added;
    }
    return added;
}

QString SimulatedCalculator::name() const
{
    std::lock_guard lock(d->mutex);
    return d->options.name;
}

void SimulatedCalculator::setName(const QString &name)
{
    std::lock_guard lock(d->mutex);
    d->options.name = name;
}

void SimulatedCalculator::setMaxChunkSize(int size)
{
    std::lock_guard lock(d->mutex);
    d->options.maxChunkSize = size;
}

QList<calcMsg> SimulatedCalculator::received() const
{
    std::lock_guard lock(d->mutex);
    return d->received;
}

int SimulatedCalculator::receivedCount(MsgType type) const
{
    std::lock_guard lock(d->mutex);
    int n = 0;
    for (const calcMsg &m : d->received)
        n += m.type() == type ? 1 : 0;
    return n;
}

void SimulatedCalculator::clearReceived()
{
    std::lock_guard lock(d->mutex);
    d->received.clear();
}

void SimulatedCalculator::setRestartHandlers(std::function<void()> down,
                                             std::function<void(QString)> up, int delayMs)
{
    std::lock_guard lock(d->mutex);
    d->restartDown = std::move(down);
    d->restartUp = std::move(up);
    d->restartDelayMs = delayMs;
}

void SimulatedCalculator::Private::storeFile(const QByteArray &name, const QByteArray &content)
{
    // Caller holds the mutex.
    for (auto &f : files) {
        if (sameName(f.first, name)) {
            f = {name, content}; // a replaced file takes the name it was stored under
            return;
        }
    }
    files.append({name, content});
}
