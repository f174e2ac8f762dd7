#include "link/linktexts.h"

#include <QCoreApplication>

#include <iterator>

QString LinkTexts::errorType(int errorType)
{
    // Indexed by errType.
    static const char *const texts[] = {
        QT_TRANSLATE_NOOP("LinkTexts", "Unknown error."),      // NONE_ERROR
        QT_TRANSLATE_NOOP("LinkTexts", "File doesn’t exist."), // FILE_NOT_EXIST
        QT_TRANSLATE_NOOP("LinkTexts", "Connection error (error code: 423)."), // CONNECTION_ERROR
        QT_TRANSLATE_NOOP("LinkTexts", "Memory error."),       // MEMORY_ERROR
        QT_TRANSLATE_NOOP("LinkTexts", "Unknown error."),      // UNSPECIFITED_ERROR
        QT_TRANSLATE_NOOP("LinkTexts", "Write error."),        // WRITE_ERROR
        QT_TRANSLATE_NOOP("LinkTexts", "Wrong data size."),    // DATASIZE_INVALID
        QT_TRANSLATE_NOOP("LinkTexts", "Wrong frame number."), // INVALID_FRAME_NUMBER
    };
    if (errorType < 0 || errorType >= int(std::size(texts)))
        return QString();
    return QCoreApplication::translate("LinkTexts", texts[errorType]);
}
