#include "safety/completecopy.h"

#include <QFile>
#include <QSaveFile>

bool copyComplete(const QString &from, const QString &to)
{
    QFile in(from);
    QSaveFile out(to);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly))
        return false;
    constexpr qint64 blockSize = 64 * 1024;
    while (!in.atEnd()) {
        const QByteArray block = in.read(blockSize);
        if (block.isEmpty() || out.write(block) != block.size())
            return false;
    }
    return in.error() == QFileDevice::NoError && out.commit();
}
