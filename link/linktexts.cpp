#include "link/linktexts.h"

#include <iterator>

QString LinkTexts::errorType(int errorType)
{
    // Indexed by errType.
    static const QString texts[] = {
        QStringLiteral("Unknown error."),                      // NONE_ERROR
        QStringLiteral("File doesn\u2019t exist."),            // FILE_NOT_EXIST
        QStringLiteral("Connection error (error code: 423)."), // CONNECTION_ERROR
        QStringLiteral("Memory error."),                       // MEMORY_ERROR
        QStringLiteral("Unknown error."),                      // UNSPECIFITED_ERROR
        QStringLiteral("Write error."),                        // WRITE_ERROR
        QStringLiteral("Wrong data size."),                    // DATASIZE_INVALID
        QStringLiteral("Wrong frame number."),                 // INVALID_FRAME_NUMBER
    };
    if (errorType < 0 || errorType >= int(std::size(texts)))
        return QString();
    return texts[errorType];
}
