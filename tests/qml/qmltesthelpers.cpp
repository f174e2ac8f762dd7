#include "qmltesthelpers.h"

#include "tools/simulator/simulatedcalculator.h"
#include "tools/simulator/simulatedusb.h"
#include "ulvobuildinfo.h"

#include <QDir>
#include <QFile>
#include <QQuickWindow>
#include <QGuiApplication>
#include <QTest>

QmlSimulator::QmlSimulator(QObject *parent)
    : QObject(parent)
    , m_usb(std::make_unique<SimulatedUsb>())
{
}

QmlSimulator::~QmlSimulator()
{
    unplugAll();
}

bool QmlSimulator::isValid() const
{
    return m_usb->isValid();
}

int QmlSimulator::plug(const QString &name, const QVariantMap &files)
{
    QList<QPair<QString, QByteArray>> contents;
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        contents.append({it.key(), it.value().toString().toLatin1()});
    return plugWithFiles(name, contents);
}

int QmlSimulator::plugHex(const QString &name, const QVariantMap &filesHex)
{
    QList<QPair<QString, QByteArray>> contents;
    for (auto it = filesHex.cbegin(); it != filesHex.cend(); ++it)
        contents.append({it.key(), QByteArray::fromHex(it.value().toString().toLatin1())});
    return plugWithFiles(name, contents);
}

int QmlSimulator::plugWithFiles(const QString &name, const QList<QPair<QString, QByteArray>> &files)
{
    SimulatedCalculator::Options options;
    options.name = name;
    auto calc = std::make_unique<SimulatedCalculator>(options);
    for (const auto &file : files)
        calc->setFile(file.first, file.second);
    if (m_usb->plug(calc.get()).isEmpty())
        return -1;
    m_calcs.push_back(std::move(calc));
    return int(m_calcs.size()) - 1;
}

void QmlSimulator::unplugAll()
{
    for (auto &calc : m_calcs) {
        if (calc)
            m_usb->unplug(calc.get());
    }
    m_calcs.clear();
}

void QmlSimulator::unplug(int calc)
{
    if (SimulatedCalculator *c = calcAt(calc))
        m_usb->unplug(c);
}

SimulatedCalculator *QmlSimulator::calcAt(int calc) const
{
    return calc >= 0 && calc < int(m_calcs.size()) ? m_calcs[size_t(calc)].get() : nullptr;
}

QStringList QmlSimulator::fileNames(int calc) const
{
    QStringList names;
    if (SimulatedCalculator *c = calcAt(calc)) {
        for (const auto &file : c->files())
            names << file.first;
    }
    return names;
}

QString QmlSimulator::fileText(int calc, const QString &name) const
{
    SimulatedCalculator *c = calcAt(calc);
    return c ? QString::fromLatin1(c->file(name)) : QString();
}

QString QmlSimulator::fileHex(int calc, const QString &name) const
{
    SimulatedCalculator *c = calcAt(calc);
    return c ? QString::fromLatin1(c->file(name).toHex().toUpper()) : QString();
}

QString QmlSimulator::name(int calc) const
{
    SimulatedCalculator *c = calcAt(calc);
    return c ? c->name() : QString();
}

bool QmlSimulator::failOn(int calc, const QString &request, const QString &errorText, int nth)
{
    SimulatedCalculator *c = calcAt(calc);
    UlvoCalc::calcMsg_msgType type;
    if (!c || !UlvoCalc::calcMsg_msgType_Parse(request.toStdString(), &type))
        return false;
    c->failOn(type, UlvoCalc::calcMsg::UNSPECIFITED_ERROR, 1, errorText, nth);
    return true;
}

void QmlSimulator::setReplyDelay(int calc, int ms)
{
    if (SimulatedCalculator *c = calcAt(calc))
        c->setReplyDelay(ms);
}

void QmlSimulator::setMaxChunkSize(int calc, int size)
{
    if (SimulatedCalculator *c = calcAt(calc))
        c->setMaxChunkSize(size);
}

int QmlSimulator::receivedCount(int calc, const QString &request) const
{
    SimulatedCalculator *c = calcAt(calc);
    UlvoCalc::calcMsg_msgType type;
    if (!c || !UlvoCalc::calcMsg_msgType_Parse(request.toStdString(), &type))
        return -1;
    return c->receivedCount(type);
}

QString QmlTestTools::buildVersion() const
{
    return QStringLiteral(ULVO_VERSION);
}

QString QmlTestTools::makeTempDir()
{
    m_dirs.push_back(std::make_unique<QTemporaryDir>());
    return m_dirs.back()->path();
}

QUrl QmlTestTools::writeFile(const QString &path, const QString &text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {};
    file.write(text.toLatin1());
    return QUrl::fromLocalFile(path);
}

QString QmlTestTools::readFile(const QString &path) const
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
}

bool QmlTestTools::exists(const QString &path) const
{
    return QFile::exists(path);
}

QStringList QmlTestTools::entries(const QString &dir) const
{
    return QDir(dir).entryList(QDir::Files, QDir::Name);
}

QUrl QmlTestTools::urlOf(const QString &path) const
{
    return QUrl::fromLocalFile(path);
}

void QmlTestTools::keyClick(QObject *window, int key, int modifiers)
{
    if (auto *w = qobject_cast<QWindow *>(window); w && activate(w))
        QTest::keyClick(w, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
}

void QmlTestTools::keyClicks(QObject *window, const QString &text)
{
    if (auto *w = qobject_cast<QWindow *>(window); w && activate(w)) {
        for (const QChar c : text)
            QTest::keyClick(w, c.toLatin1());
    }
}

bool QmlTestTools::activate(QObject *window)
{
    auto *w = qobject_cast<QWindow *>(window);
    if (!w)
        return false;
    if (QGuiApplication::focusWindow() == w)
        return true;
    w->requestActivate();
    return QTest::qWaitForWindowActive(w);
}
