#include "cli/progressdisplay.h"

#include <QLocale>
#include <unistd.h>

ProgressDisplay::ProgressDisplay(std::FILE *stream, bool enabled, QStringList labels)
    : stream(stream)
    , enabled(enabled)
    , labels(std::move(labels))
{
    for (int i = 0; i < this->labels.size(); ++i)
        lines.append(tr("waiting"));
}

ProgressDisplay::~ProgressDisplay()
{
    clear();
}

bool ProgressDisplay::wanted(std::FILE *stream, bool quiet)
{
    return !quiet && ::isatty(fileno(stream));
}

QString ProgressDisplay::describe(const FileProgress &progress)
{
    if (progress.fileCount == 0)
        return progress.fileName + QStringLiteral("\u2026");
    QString text = QStringLiteral("[%1/%2] %3").arg(progress.fileNumber).arg(progress.fileCount).arg(progress.fileName);
    if (progress.bytesTotal > 0) {
        const QLocale c = QLocale::c();
        text += tr("  %1 of %2 (%3%)", "bytes done of bytes in all, then percent done")
                    .arg(c.formattedDataSize(progress.bytesDone, 1, QLocale::DataSizeIecFormat),
                         c.formattedDataSize(progress.bytesTotal, 1, QLocale::DataSizeIecFormat))
                    .arg(progress.bytesDone * 100 / progress.bytesTotal);
    }
    return text;
}

void ProgressDisplay::update(int index, const FileProgress &progress)
{
    if (!enabled || index < 0 || index >= lines.size())
        return;
    lines[index] = describe(progress);
    draw();
}

void ProgressDisplay::draw()
{
    QByteArray out;
    if (lines.size() == 1) {
        out = "\r\x1b[K" + lines.constFirst().toUtf8();
    } else {
        if (drawn)
            out = "\x1b[" + QByteArray::number(lines.size()) + 'A';
        for (int i = 0; i < lines.size(); ++i)
            out += "\r\x1b[K" + (labels.at(i) + QStringLiteral("  ") + lines.at(i)).toUtf8() + '\n';
    }
    std::fputs(out.constData(), stream);
    std::fflush(stream);
    drawn = true;
}

void ProgressDisplay::clear()
{
    if (!drawn)
        return;
    const QByteArray out = lines.size() == 1
        ? QByteArray("\r\x1b[K")
        : "\x1b[" + QByteArray::number(lines.size()) + "A\r\x1b[J";
    std::fputs(out.constData(), stream);
    std::fflush(stream);
    drawn = false;
}
