#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QUrl>
#include <QtGlobal>

// Writes a local file and returns its URL.
inline QUrl writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(path));
    return QUrl::fromLocalFile(path);
}

// A file's content, or "<missing>" when it cannot be read.
inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}
