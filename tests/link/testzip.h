#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QPair>
#include <QString>
#include <zip.h>

using Entries = QList<QPair<QByteArray, QByteArray>>;

// Entries with a trailing "/" in their name are written as folders. Raw libzip, so that
// archives our own class would never write can be built too.
inline bool writeZip(const QString &path, const Entries &entries)
{
    int error = 0;
    zip_t *zip = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!zip)
        return false;
    for (const auto &entry : entries) {
        if (entry.first.endsWith('/')) {
            if (zip_dir_add(zip, entry.first.chopped(1).constData(), ZIP_FL_ENC_RAW) < 0)
                return zip_discard(zip), false;
            continue;
        }
        zip_source_t *src = zip_source_buffer(zip, entry.second.constData(), entry.second.size(), 0);
        if (!src || zip_file_add(zip, entry.first.constData(), src, ZIP_FL_ENC_RAW) < 0)
            return zip_discard(zip), false;
    }
    return zip_close(zip) == 0;
}

