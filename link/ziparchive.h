#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <memory>

class QTemporaryDir;
#include <optional>

struct zip;

// A ZIP archive on disk, opened either for writing a new archive or for reading one; an archive
// already in memory can be read too.
// Entries are deflated at level 6. Entry names are raw bytes (UTF-8 when we write them).
// Nothing reaches the disk before close() succeeds; a writer destroyed without close() leaves
// no archive behind.
class ZipArchive
{
    Q_DECLARE_TR_FUNCTIONS(ZipArchive)

public:
    ZipArchive();
    ~ZipArchive();
    ZipArchive(const ZipArchive &) = delete;
    ZipArchive &operator=(const ZipArchive &) = delete;

    // Starts a new archive at path; a file of that name is replaced when close() succeeds.
    bool create(const QString &path);
    // Opens an existing archive read-only.
    bool open(const QString &path);
    // Opens the archive held in bytes read-only, with the same checks as open(). The archive
    // keeps a reference to the bytes until it is closed.
    bool openFromMemory(const QByteArray &bytes);
    bool isOpen() const { return m_zip != nullptr; }

    // Adds a file entry. The content waits in a temporary file until close(), so an archive of
    // many large entries never has to fit in memory.
    bool addEntry(const QByteArray &name, const QByteArray &content);
    // Writes a created archive (or releases a read one). False when writing failed.
    bool close();

    qint64 entryCount() const;
    // The entry's name exactly as stored.
    QByteArray entryName(qint64 index) const;
    bool isFolder(qint64 index) const;
    // Uncompressed size as recorded in the archive.
    std::optional<qint64> entrySize(qint64 index) const;
    // The whole entry, checked against its recorded size and checksum; refused when it is
    // larger than maxSize.
    std::optional<QByteArray> readEntry(qint64 index, qint64 maxSize) const;

    // What went wrong last, for messages.
    QString errorString() const { return m_error; }

private:
    struct Discard {
        void operator()(zip *archive) const;
    };
    void setLibraryError();

    // Declared before m_zip so that it outlives the handle that reads from it.
    QByteArray m_memory;
    std::unique_ptr<zip, Discard> m_zip;
    std::unique_ptr<QTemporaryDir> m_staging;
    int m_staged = 0;
    mutable QString m_error;
};
