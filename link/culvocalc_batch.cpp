// Operations on several files at once, program text, and the calculator's file-name rule.

#include "link/culvocalc.h"
#include "link/calctext.h"
#include "link/plainfilename.h"

#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSaveFile>

namespace {

constexpr int maxBaseLength = 14;
constexpr int maxExtensionLength = 3;

UlvoCalc::fileInf makeFileInf(const QString &name, int size)
{
    UlvoCalc::fileInf inf;
    inf.set_name(name.toUtf8().toStdString());
    inf.set_size(size);
    return inf;
}

} // namespace

QString CUlvoCalc::convertToSfn(QString name)
{
    name.remove(QLatin1Char(' '));

    // Characters outside Latin-1 become '?', and only what reads as UTF-8 survives.
    QByteArray bytes = name.toLatin1();
    const int nul = bytes.indexOf('\0');
    if (nul >= 0)
        bytes.truncate(nul);
    name = QString::fromUtf8(bytes);

    name.remove(QChar(0x7F));
    for (int i = name.size() - 1; i >= 0; --i) {
        if ((name.at(i).unicode() & 0xFF) < 0x20)
            name.remove(i, 1);
    }
    static const QString reserved = QStringLiteral("+\"\\*,/:;=<>?[]|");
    for (QChar &c : name) {
        if (reserved.contains(c))
            c = QLatin1Char('_');
    }
    while (name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);

    // Upper case can be longer than lower case ("ß" becomes "SS"): cut again after it.
    int dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return name.left(maxBaseLength).toUpper().left(maxBaseLength);

    const QString extension = name.mid(dot + 1, maxExtensionLength);
    QString base = name.left(dot);
    int scanned = 0;
    while (scanned < dot && scanned < maxBaseLength) {
        if (base.at(scanned) == QLatin1Char('.')) {
            base.remove(scanned, 1);
            --dot;
        } else {
            ++scanned;
        }
    }
    base.truncate(scanned);
    return base.toUpper().left(maxBaseLength) + QLatin1Char('.') + extension;
}

void CUlvoCalc::genSendFilesRequest(QList<QPair<QString, QString>> files)
{
    qint64 total = 0;
    for (const auto &file : files)
        total += QFileInfo(QUrl::fromLocalFile(file.first).toLocalFile()).size();
    m_progress.beginOperation(files.size(), total);
    for (const auto &file : files) {
        // The file in flight has completed; the next one is not begun.
        if (m_progress.isCancelRequested()) {
            m_progress.markCancelled();
            return;
        }
        const QString path = QUrl::fromLocalFile(file.first).toLocalFile();
        const QString calcName = convertToSfn(file.second);
        m_progress.beginFile(calcName, QFileInfo(path).size());
        // Every way out of this file closes its count.
        bool sent = false;
        const auto endFile = qScopeGuard([this, &sent] { m_progress.endFile(sent); });
        QFile local(path);
        if (!local.open(QIODevice::ReadOnly)) {
            onError(QStringLiteral("Can't read file: %1").arg(path));
            continue;
        }
        // One byte more than allowed tells a file that is too large, whatever kind of file it is.
        const QByteArray content = local.read(qint64(maxFileSize) + 1);
        if (local.error() != QFileDevice::NoError) {
            onError(QStringLiteral("Can't read file: %1").arg(path));
            continue;
        }
        if (content.size() > maxFileSize) {
            onError(QStringLiteral("File is too large: %1").arg(path));
            continue;
        }
        sent = sendFile(makeFileInf(calcName, content.size()), content);
        if (sent)
            emit fileSend(qMakePair(calcName, content.size()));
    }
}

QList<QUrl> CUlvoCalc::genGetFilesRequest(QList<QPair<QString, int>> files, QString destDir)
{
    QList<QUrl> written;
    qint64 total = 0;
    for (const auto &file : files)
        total += qMax(0, file.second);
    m_progress.beginOperation(files.size(), total);
    for (const auto &file : files) {
        if (m_progress.isCancelRequested()) {
            m_progress.markCancelled();
            break;
        }
        m_progress.beginFile(file.first, qMax(0, file.second));
        bool saved = false;
        const auto endFile = qScopeGuard([this, &saved] { m_progress.endFile(saved); });
        // The calculator's name becomes the local name as it is, so it must stay in destDir.
        if (!isPlainFileName(file.first)) {
            onError(QStringLiteral("Invalid file name: %1").arg(file.first));
            continue;
        }
        // An empty calculator file needs no exchange: it arrives as an empty local file.
        const std::optional<QByteArray> content = file.second == 0
            ? std::optional<QByteArray>(QByteArray())
            : getData(makeFileInf(file.first, file.second));
        if (!content) {
            // Stopped within the file: nothing of it is written and no further file is asked for.
            if (m_progress.isCancelRequested()) {
                m_progress.markCancelled();
                break;
            }
            continue;
        }
        // Only a complete download replaces the local file.
        const QString path = destDir + QLatin1Char('/') + file.first;
        QSaveFile local(path);
        if (!local.open(QIODevice::WriteOnly) || local.write(*content) != content->size()
            || !local.commit()) {
            onError(QStringLiteral("Can't write file: %1").arg(path));
            continue;
        }
        written.append(QUrl::fromLocalFile(path));
        saved = true;
    }
    return written;
}

void CUlvoCalc::genDelFilesRequest(QList<QPair<QString, int>> files)
{
    for (const auto &file : files) {
        if (delFile(makeFileInf(file.first, file.second)))
            emit fileDeleted(file.first);
    }
}

QPair<QString, QString> CUlvoCalc::genGetFileString(QPair<QString, int> file)
{
    m_progress.beginOperation(1, qMax(0, file.second));
    m_progress.beginFile(file.first, qMax(0, file.second));
    const std::optional<QByteArray> content = getData(makeFileInf(file.first, file.second));
    m_progress.endFile(content.has_value());
    if (!content) {
        if (m_progress.isCancelRequested())
            m_progress.markCancelled();
        return {};
    }
    return {file.first, calcTextFromBytes(*content)};
}

void CUlvoCalc::genSendFileString(const QString &name, const QString &text)
{
    QByteArray bytes = text.toLatin1();
    if (!bytes.endsWith('\n'))
        bytes.append('\n');
    m_progress.beginOperation(1, bytes.size());
    m_progress.beginFile(name, bytes.size());
    m_progress.endFile(sendFile(makeFileInf(name, bytes.size()), bytes));
}
