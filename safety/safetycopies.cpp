#include "safety/safetycopies.h"

#include "link/ziparchive.h"
#include "safety/completecopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int maxNameLength = 40;
// Two copies within one second get "-2", "-3"...; past this something else is wrong.
constexpr int maxSameSecond = 1000;
const QString suffix = QStringLiteral(".ubk");
const QString kindSuffix = QStringLiteral(".kind");
const QString dateFormat = QStringLiteral("yyyy-MM-dd");
const QString timeFormat = QStringLiteral("HHmmss");

QString kindWord(SafetyCopies::Kind kind)
{
    switch (kind) {
    case SafetyCopies::Kind::BeforeDelete: return QStringLiteral("delete");
    case SafetyCopies::Kind::BeforeRestore: return QStringLiteral("restore");
    case SafetyCopies::Kind::Unknown: break;
    }
    return QString();
}

SafetyCopies::Kind readKind(const QString &copyPath)
{
    QFile file(copyPath + kindSuffix);
    if (!file.open(QIODevice::ReadOnly))
        return SafetyCopies::Kind::Unknown;
    const QByteArray word = file.read(64).trimmed();
    if (word == "delete")
        return SafetyCopies::Kind::BeforeDelete;
    if (word == "restore")
        return SafetyCopies::Kind::BeforeRestore;
    return SafetyCopies::Kind::Unknown;
}

// The English words for a kind, which the window shows translated and the tool's --json as they are.
const char *kindSource(SafetyCopies::Kind kind)
{
    switch (kind) {
    //: The kind of a safety copy: taken before files were deleted.
    case SafetyCopies::Kind::BeforeDelete: return QT_TRANSLATE_NOOP("SafetyCopies", "before delete");
    //: The kind of a safety copy: taken before a backup was restored.
    case SafetyCopies::Kind::BeforeRestore: return QT_TRANSLATE_NOOP("SafetyCopies", "before restore");
    case SafetyCopies::Kind::Unknown: break;
    }
    //: The kind of a safety copy that does not say what it was taken before.
    return QT_TRANSLATE_NOOP("SafetyCopies", "unknown");
}

int countFiles(const QString &path)
{
    ZipArchive archive;
    if (!archive.open(path))
        return -1;
    int files = 0;
    for (qint64 i = 0; i < archive.entryCount(); ++i)
        files += archive.isFolder(i) ? 0 : 1;
    return files;
}

} // namespace

SafetyCopies::SafetyCopies(QString folder)
    : m_folder(std::move(folder))
{
}

QString SafetyCopies::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
           + QStringLiteral("/ulvo-connect/safety");
}

QString SafetyCopies::safeName(const QString &calculator)
{
    QString name;
    for (const QChar c : calculator.trimmed()) {
        const bool plain = c.isLetterOrNumber() || c == QLatin1Char(' ') || c == QLatin1Char('_')
                           || c == QLatin1Char('+') || c == QLatin1Char('(') || c == QLatin1Char(')');
        name += plain && c.unicode() < 0x250 ? c : QChar(QLatin1Char('_'));
    }
    name = name.left(maxNameLength).trimmed();
    return name.isEmpty() ? QStringLiteral("calculator") : name;
}

QString SafetyCopies::kindText(Kind kind)
{
    return QString::fromLatin1(kindSource(kind));
}

QString SafetyCopies::kindLabel(Kind kind)
{
    return tr(kindSource(kind));
}

QString SafetyCopies::reserve(const QString &calculator, const QDateTime &taken, QString *error)
{
    auto fail = [error](const QString &text) {
        if (error)
            *error = text;
        return QString();
    };
    if (!QDir().mkpath(m_folder))
        return fail(tr("Can't create the folder %1").arg(m_folder));
    QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString base = m_folder + QLatin1Char('/') + safeName(calculator) + QLatin1Char('-')
                         + taken.toString(dateFormat) + QLatin1Char('-') + taken.toString(timeFormat);
    // The name is taken by creating the file, so two writers never share one.
    for (int n = 1; n <= maxSameSecond; ++n) {
        const QString candidate = n == 1 ? base + suffix : QStringLiteral("%1-%2%3").arg(base).arg(n).arg(suffix);
        QFile file(candidate);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return candidate;
    }
    return fail(tr("Can't create a file in %1").arg(m_folder));
}

bool SafetyCopies::writeKind(const QString &path, Kind kind)
{
    if (kind == Kind::Unknown)
        return true;
    QSaveFile side(path + kindSuffix);
    return side.open(QIODevice::WriteOnly) && side.write(kindWord(kind).toLatin1() + '\n') > 0 && side.commit();
}

QString SafetyCopies::keep(const QString &archive, const QString &calculator, Kind kind,
                           const QDateTime &taken, QString *error)
{
    const QString path = reserve(calculator, taken, error);
    if (path.isEmpty())
        return QString();
    // Within one file system the finished archive simply takes the reserved name; across file
    // systems it is copied.
    const bool moved = std::rename(QFile::encodeName(archive).constData(), QFile::encodeName(path).constData()) == 0;
    if (!moved && !copyComplete(archive, path)) {
        QFile::remove(path);
        if (error)
            *error = tr("Can't write %1").arg(path);
        return QString();
    }
    if (!writeKind(path, kind)) {
        remove(path);
        if (error)
            *error = tr("Can't write %1").arg(path + kindSuffix);
        return QString();
    }
    if (!moved)
        QFile::remove(archive);
    return path;
}

bool SafetyCopies::parseName(const QString &fileName, QString *calculator, QDateTime *taken)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(.+)-(\\d{4}-\\d{2}-\\d{2})-(\\d{6})(?:-\\d+)?\\.ubk$"));
    const QRegularExpressionMatch match = pattern.match(fileName);
    if (!match.hasMatch())
        return false;
    const QDateTime when(QDate::fromString(match.captured(2), dateFormat),
                         QTime::fromString(match.captured(3), timeFormat));
    if (!when.isValid())
        return false;
    *calculator = match.captured(1);
    *taken = when;
    return true;
}

QList<SafetyCopies::Copy> SafetyCopies::list() const
{
    return scan(Details::Read);
}

QList<SafetyCopies::Copy> SafetyCopies::scan(Details details) const
{
    QList<Copy> copies;
    // Copies taken within one second (the name's precision) are ordered by when they were written.
    QHash<QString, QDateTime> written;
    const QFileInfoList entries = QDir(m_folder).entryInfoList({QStringLiteral("*.ubk")}, QDir::Files);
    for (const QFileInfo &entry : entries) {
        Copy copy;
        if (!parseName(entry.fileName(), &copy.calculator, &copy.taken))
            continue;
        copy.path = entry.absoluteFilePath();
        if (details == Details::Read) {
            copy.kind = readKind(copy.path);
            copy.files = countFiles(copy.path);
        }
        copy.size = entry.size();
        written.insert(copy.path, entry.lastModified());
        copies.append(copy);
    }
    // The "-N" of copies taken within one second orders them too.
    std::sort(copies.begin(), copies.end(), [&written](const Copy &a, const Copy &b) {
        if (a.taken != b.taken)
            return a.taken > b.taken;
        const QDateTime aWritten = written.value(a.path), bWritten = written.value(b.path);
        if (aWritten != bWritten)
            return aWritten > bWritten;
        if (a.path.size() != b.path.size())
            return a.path.size() > b.path.size();
        return a.path > b.path;
    });
    return copies;
}

QStringList SafetyCopies::prune(const QDateTime &now) const
{
    const QDateTime oldest = now.addDays(-keepDays);
    QHash<QString, int> seen;
    QStringList removed;
    // Pruning runs at start: it needs names and dates only, not a look inside every archive.
    for (const Copy &copy : scan(Details::Skip)) {
        const int rank = seen[copy.calculator]++;
        if (rank == 0)
            continue; // the newest copy of a calculator stays, however old
        if (rank < keepPerCalculator && copy.taken >= oldest)
            continue;
        if (remove(copy.path))
            removed.append(copy.path);
    }
    return removed;
}

bool SafetyCopies::remove(const QString &path)
{
    QFile::remove(path + kindSuffix);
    return QFile::remove(path);
}
