#include "link/ziparchive.h"

#include <QFile>
#include <QTemporaryDir>
#include <limits>
#include <zip.h>

namespace {

constexpr zip_uint32_t deflateLevel = 6;

struct FileCloser {
    void operator()(zip_file_t *file) const { zip_fclose(file); }
};
using ZipFile = std::unique_ptr<zip_file_t, FileCloser>;

struct SourceFreer {
    void operator()(zip_source_t *source) const { zip_source_free(source); }
};
using ZipSource = std::unique_ptr<zip_source_t, SourceFreer>;

// Read-only and checked for consistency: archives we open come from outside.
constexpr int readFlags = ZIP_RDONLY | ZIP_CHECKCONS;

QString errorText(int code)
{
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    const QString text = QString::fromUtf8(zip_error_strerror(&error));
    zip_error_fini(&error);
    return text;
}

} // namespace

void ZipArchive::Discard::operator()(zip *archive) const
{
    zip_discard(archive);
}

ZipArchive::ZipArchive() = default;
ZipArchive::~ZipArchive() = default;

bool ZipArchive::create(const QString &path)
{
    m_zip.reset();
    m_memory.clear();
    m_staging = std::make_unique<QTemporaryDir>();
    m_staged = 0;
    if (!m_staging->isValid()) {
        m_error = m_staging->errorString();
        m_staging.reset();
        return false;
    }
    int code = 0;
    m_zip.reset(zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code));
    if (!m_zip)
        m_error = errorText(code);
    return isOpen();
}

bool ZipArchive::open(const QString &path)
{
    m_zip.reset();
    m_staging.reset();
    m_memory.clear();
    int code = 0;
    m_zip.reset(zip_open(QFile::encodeName(path).constData(), readFlags, &code));
    if (!m_zip)
        m_error = errorText(code);
    return isOpen();
}

bool ZipArchive::openFromMemory(const QByteArray &bytes)
{
    m_zip.reset();
    m_staging.reset();
    // libzip would take no bytes as a new, empty archive; an empty file is refused, and so are they.
    if (bytes.isEmpty()) {
        m_error = errorText(ZIP_ER_NOZIP);
        return false;
    }
    // libzip reads the bytes in place: keep them (shared, not copied) for the handle's life.
    m_memory = bytes;
    zip_error_t error;
    zip_error_init(&error);
    ZipSource source(zip_source_buffer_create(m_memory.constData(), zip_uint64_t(m_memory.size()),
                                              0, &error));
    if (source)
        m_zip.reset(zip_open_from_source(source.get(), readFlags, &error));
    if (m_zip) {
        // The archive owns its source now.
        source.release();
    } else {
        m_error = QString::fromUtf8(zip_error_strerror(&error));
        m_memory.clear();
    }
    zip_error_fini(&error);
    return isOpen();
}

void ZipArchive::setLibraryError()
{
    m_error = QString::fromUtf8(zip_strerror(m_zip.get()));
}

bool ZipArchive::addEntry(const QByteArray &name, const QByteArray &content)
{
    if (!m_zip) {
        m_error = tr("Archive is not open");
        return false;
    }
    if (name.isEmpty() || name.contains('\0')) {
        m_error = tr("Invalid entry name");
        return false;
    }
    if (!m_staging) {
        m_error = tr("Archive is not open for writing");
        return false;
    }
    // libzip reads the content only when the archive is written: park it on disk until then.
    const QString staged = m_staging->filePath(QString::number(m_staged++));
    QFile file(staged);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.flush()) {
        m_error = file.errorString();
        return false;
    }
    file.close();
    zip_source_t *source = zip_source_file(m_zip.get(), QFile::encodeName(staged).constData(), 0,
                                           content.size());
    if (!source) {
        setLibraryError();
        return false;
    }
    const zip_int64_t index = zip_file_add(m_zip.get(), name.constData(), source, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        setLibraryError();
        zip_source_free(source);
        return false;
    }
    if (zip_set_file_compression(m_zip.get(), index, ZIP_CM_DEFLATE, deflateLevel) < 0) {
        setLibraryError();
        return false;
    }
    return true;
}

bool ZipArchive::close()
{
    if (!m_zip)
        return false;
    if (zip_close(m_zip.get()) < 0) {
        setLibraryError();
        m_zip.reset();
        m_staging.reset();
        m_memory.clear();
        return false;
    }
    // zip_close freed the handle.
    m_zip.release();
    m_staging.reset();
    m_memory.clear();
    return true;
}

qint64 ZipArchive::entryCount() const
{
    return m_zip ? zip_get_num_entries(m_zip.get(), 0) : 0;
}

QByteArray ZipArchive::entryName(qint64 index) const
{
    if (!m_zip)
        return QByteArray();
    const char *name = zip_get_name(m_zip.get(), index, ZIP_FL_ENC_RAW);
    return name ? QByteArray(name) : QByteArray();
}

bool ZipArchive::isFolder(qint64 index) const
{
    return entryName(index).endsWith('/');
}

std::optional<qint64> ZipArchive::entrySize(qint64 index) const
{
    zip_stat_t st;
    zip_stat_init(&st);
    if (!m_zip || zip_stat_index(m_zip.get(), index, 0, &st) < 0 || !(st.valid & ZIP_STAT_SIZE)) {
        m_error = tr("Can't read entry %1").arg(index);
        return std::nullopt;
    }
    if (st.size > static_cast<zip_uint64_t>(std::numeric_limits<qint64>::max())) {
        m_error = tr("Entry %1 is too large").arg(index);
        return std::nullopt;
    }
    return static_cast<qint64>(st.size);
}

std::optional<QByteArray> ZipArchive::readEntry(qint64 index, qint64 maxSize) const
{
    const std::optional<qint64> size = entrySize(index);
    if (!size)
        return std::nullopt;
    if (*size > maxSize || *size > std::numeric_limits<int>::max()) {
        m_error = tr("Entry %1 is too large").arg(index);
        return std::nullopt;
    }
    ZipFile file(zip_fopen_index(m_zip.get(), index, 0));
    if (!file) {
        m_error = QString::fromUtf8(zip_strerror(m_zip.get()));
        return std::nullopt;
    }
    QByteArray content(static_cast<int>(*size), Qt::Uninitialized);
    qint64 done = 0;
    while (done < *size) {
        const zip_int64_t n = zip_fread(file.get(), content.data() + done, *size - done);
        if (n <= 0)
            break;
        done += n;
    }
    // Reading to the end makes the library verify the checksum; more data than recorded is damage.
    char extra = 0;
    const bool atEnd = done == *size && zip_fread(file.get(), &extra, 1) == 0;
    if (!atEnd) {
        zip_error_t *error = zip_file_get_error(file.get());
        m_error = zip_error_code_zip(error) != ZIP_ER_OK
                      ? QString::fromUtf8(zip_error_strerror(error))
                      : tr("Entry %1 is damaged").arg(index);
        return std::nullopt;
    }
    return content;
}
