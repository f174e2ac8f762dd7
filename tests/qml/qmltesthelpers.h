#pragma once

#include <QObject>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <QVariantMap>

#include <memory>
#include <vector>

class SimulatedCalculator;
class SimulatedUsb;
class QQuickWindow;

// Simulated calculators for the window tests ("simulator" in the documents): plugged as USB
// serial devices, so the session finds them by its own poll.
class QmlSimulator : public QObject
{
    Q_OBJECT
public:
    explicit QmlSimulator(QObject *parent = nullptr);
    ~QmlSimulator() override;

    Q_INVOKABLE bool isValid() const;
    // Plugs a calculator holding `files` (name -> text, one character per byte); index or -1.
    Q_INVOKABLE int plug(const QString &name, const QVariantMap &files);
    // The same with each file's bytes given in hexadecimal, for contents that are no text.
    Q_INVOKABLE int plugHex(const QString &name, const QVariantMap &filesHex);
    // Unplugs and forgets every calculator.
    Q_INVOKABLE void unplugAll();
    Q_INVOKABLE void unplug(int calc);
    Q_INVOKABLE QStringList fileNames(int calc) const;
    Q_INVOKABLE QString fileText(int calc, const QString &name) const;
    Q_INVOKABLE QString fileHex(int calc, const QString &name) const;
    Q_INVOKABLE QString name(int calc) const;
    // Answers the nth message of `request` (its schema name, e.g. "GET_FILE") with FAILED.
    Q_INVOKABLE bool failOn(int calc, const QString &request, const QString &errorText, int nth = 1);
    Q_INVOKABLE void setReplyDelay(int calc, int ms);
    Q_INVOKABLE void setMaxChunkSize(int calc, int size);
    Q_INVOKABLE int receivedCount(int calc, const QString &request) const;

private:
    SimulatedCalculator *calcAt(int calc) const;
    int plugWithFiles(const QString &name, const QList<QPair<QString, QByteArray>> &files);

    std::unique_ptr<SimulatedUsb> m_usb;
    std::vector<std::unique_ptr<SimulatedCalculator>> m_calcs;
};

// Local files and keys for the window tests ("testTools" in the documents).
class QmlTestTools : public QObject
{
    Q_OBJECT
    // This build's version, for the texts that carry it.
    Q_PROPERTY(QString buildVersion READ buildVersion CONSTANT)
public:
    using QObject::QObject;
    QString buildVersion() const;

    // A fresh empty folder, removed with this object.
    Q_INVOKABLE QString makeTempDir();
    Q_INVOKABLE QUrl writeFile(const QString &path, const QString &text);
    Q_INVOKABLE QString readFile(const QString &path) const;
    Q_INVOKABLE bool exists(const QString &path) const;
    Q_INVOKABLE QStringList entries(const QString &dir) const;
    Q_INVOKABLE QUrl urlOf(const QString &path) const;
    // Key events to a window of the document under test, made the focus window first (the
    // test case's own key functions only reach the test's window, and the session raises the
    // first top-level window, the test's, whenever a calculator is plugged).
    Q_INVOKABLE void keyClick(QObject *window, int key, int modifiers = 0);
    Q_INVOKABLE void keyClicks(QObject *window, const QString &text);
    Q_INVOKABLE bool activate(QObject *window);

private:
    std::vector<std::unique_ptr<QTemporaryDir>> m_dirs;
};
