#include "qmlsimulator.h"

#include "tools/simulator/simulatedcalculator.h"
#include "tools/simulator/simulatedusb.h"

#include <QVariantMap>

QmlSimulator::QmlSimulator(QObject *parent) : QObject(parent) {}

QmlSimulator::~QmlSimulator()
{
    unplugAll();
}

QString QmlSimulator::plug(const QString &name, const QVariantMap &files)
{
    if (!m_usb)
        m_usb = std::make_unique<SimulatedUsb>();
    if (!m_usb->isValid())
        return {};
    SimulatedCalculator::Options options;
    options.name = name;
    auto calculator = std::make_unique<SimulatedCalculator>(options);
    for (auto it = files.constBegin(); it != files.constEnd(); ++it)
        calculator->setFile(it.key(), QByteArray::fromHex(it.value().toString().toLatin1()));
    const QString port = m_usb->plug(calculator.get());
    if (!port.isEmpty())
        m_calculators.push_back(std::move(calculator));
    return port;
}

void QmlSimulator::unplugAll()
{
    for (const auto &calculator : m_calculators)
        m_usb->unplug(calculator.get());
    m_calculators.clear();
}

QString QmlSimulator::fileHex(const QString &fileName) const
{
    if (m_calculators.empty())
        return {};
    return QString::fromLatin1(m_calculators.back()->file(fileName).toHex().toUpper());
}

QStringList QmlSimulator::fileNames() const
{
    QStringList names;
    if (m_calculators.empty())
        return names;
    for (const auto &file : m_calculators.back()->files())
        names << file.first;
    return names;
}

int QmlSimulator::storeRequestCount() const
{
    if (m_calculators.empty())
        return 0;
    return m_calculators.back()->receivedCount(UlvoCalc::calcMsg::SEND_FILE);
}
