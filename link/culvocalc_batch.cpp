// Operations on several files at once, program text, and the calculator's file-name rule.

#include "link/culvocalc.h"
#include "link/calcrules.h"
#include "link/linktexts.h"
#include "link/calctext.h"
#include "link/plainfilename.h"
#include "link/sendplan.h"

#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSaveFile>

namespace {

using CalcRules::maxBaseLength;
using CalcRules::maxExtensionLength;

// At most `units` UTF-16 units of `text`, never ending in the first half of a surrogate pair.
QString cutWhole(const QString &text, int units)
{
    if (units >= text.size())
        return text;
    if (units > 0 && text.at(units - 1).isHighSurrogate())
        --units;
    return text.left(units);
}

UlvoCalc::fileInf makeFileInf(const QString &name, int size)
{
    UlvoCalc::fileInf inf;
    inf.set_name(name.toUtf8().toStdString());
    inf.set_size(size);
    return inf;
}

} // namespace

class CUlvoCalc::TextCapture
{
public:
    TextCapture(CUlvoCalc &link, QStringList &texts)
        : m_link(link)
    {
        m_link.m_textSink = &texts;
    }
    ~TextCapture() { m_link.m_textSink = nullptr; }
    TextCapture(const TextCapture &) = delete;
    TextCapture &operator=(const TextCapture &) = delete;

private:
    CUlvoCalc &m_link;
};

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
    // A character outside the Basic Multilingual Plane goes as a whole or not at all: half of
    // it would reach the calculator as "?".
    for (int i = name.size() - 1; i >= 0; --i) {
        const bool lowHalf = i > 0 && name.at(i).isLowSurrogate() && name.at(i - 1).isHighSurrogate();
        const int start = lowHalf ? i - 1 : i;
        if ((name.at(start).unicode() & 0xFF) < 0x20 || (name.at(i).unicode() & 0xFF) < 0x20)
            name.remove(start, i - start + 1);
        i = start;
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
        return cutWhole(cutWhole(name, maxBaseLength).toUpper(), maxBaseLength);

    const QString extension = cutWhole(name.mid(dot + 1), maxExtensionLength);
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
    base = cutWhole(base, scanned);
    return cutWhole(base.toUpper(), maxBaseLength) + QLatin1Char('.') + extension;
}

void CUlvoCalc::genSendFilesRequest(QList<QPair<QString, QString>> files)
{
    sendFileBatch(files, [this](const FileOutcome &outcome) {
        if (outcome.done)
            emit fileSend(qMakePair(outcome.name, outcome.size));
    });
}

QList<FileOutcome> CUlvoCalc::sendFileBatch(const QList<QPair<QString, QString>> &files,
                                            const FileEnded &fileEnded)
{
    QList<FileOutcome> outcomes;
    qint64 total = 0;
    for (const auto &file : files)
        total += QFileInfo(QUrl::fromLocalFile(file.first).toLocalFile()).size();
    m_progress.beginOperation(files.size(), total);
    for (const auto &file : files) {
        // The file in flight has completed; the next one is not begun.
        if (m_progress.isCancelRequested()) {
            m_progress.markCancelled();
            return outcomes;
        }
        const QString path = QUrl::fromLocalFile(file.first).toLocalFile();
        // The same settled name the send plan showed and checked for collisions.
        const QString calcName = SendPlan::calcName(file.second);
        m_progress.beginFile(calcName, QFileInfo(path).size());
        outcomes.append(FileOutcome());
        FileOutcome &outcome = outcomes.last();
        outcome.name = calcName;
        const TextCapture capture(*this, outcome.texts);
        // Every way out of this file closes its count and tells the caller.
        const auto endFile = qScopeGuard([this, &outcome, &fileEnded] {
            m_progress.endFile(outcome.done);
            if (fileEnded)
                fileEnded(outcome);
        });
        QFile local(path);
        if (!local.open(QIODevice::ReadOnly)) {
            onError(tr("Can't read file: %1").arg(path));
            continue;
        }
        // One byte more than allowed tells a file that is too large, whatever kind of file it is.
        const QByteArray content = local.read(qint64(maxFileSize) + 1);
        if (local.error() != QFileDevice::NoError) {
            onError(tr("Can't read file: %1").arg(path));
            continue;
        }
        if (content.size() > maxFileSize) {
            onError(tr("File is too large: %1").arg(path));
            continue;
        }
        outcome.size = content.size();
        outcome.done = sendFile(makeFileInf(calcName, content.size()), content);
    }
    return outcomes;
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
            onError(LinkTexts::invalidFileName(file.first));
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
            onError(tr("Can't write file: %1").arg(path));
            continue;
        }
        written.append(QUrl::fromLocalFile(path));
        saved = true;
    }
    return written;
}

void CUlvoCalc::genDelFilesRequest(QList<QPair<QString, int>> files)
{
    deleteFileBatch(files, [this](const FileOutcome &outcome) {
        if (outcome.done)
            emit fileDeleted(outcome.name);
    });
}

QList<FileOutcome> CUlvoCalc::deleteFileBatch(const QList<QPair<QString, int>> &files,
                                              const FileEnded &fileEnded)
{
    QList<FileOutcome> outcomes;
    for (const auto &file : files) {
        outcomes.append(FileOutcome());
        FileOutcome &outcome = outcomes.last();
        outcome.name = file.first;
        outcome.size = file.second;
        {
            const TextCapture capture(*this, outcome.texts);
            outcome.done = delFile(makeFileInf(file.first, file.second));
        }
        if (fileEnded)
            fileEnded(outcome);
    }
    return outcomes;
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
