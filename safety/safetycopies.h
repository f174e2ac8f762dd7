#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// The folder of safety copies: backup archives taken before a delete or a restore erased files
// on a calculator, named "<calculator>-<yyyy-MM-dd>-<HHmmss>.ubk" (a "-N" before the extension
// keeps two copies of one second apart). What kind of step a copy was taken before is kept in a
// side file of the same name with ".kind" appended, so the archive stays a plain backup archive
// that any restore accepts.
class SafetyCopies
{
    Q_DECLARE_TR_FUNCTIONS(SafetyCopies)

public:
    enum class Kind { Unknown, BeforeDelete, BeforeRestore };
    struct Copy {
        QString path;
        QString calculator; // as it stands in the file name
        QDateTime taken;
        Kind kind = Kind::Unknown;
        int files = 0;      // -1 when the archive cannot be read
        qint64 size = 0;
    };
    // Pruning keeps this many copies per calculator name, none older than keepDays, and always
    // the newest copy of each calculator.
    static constexpr int keepPerCalculator = 20;
    static constexpr int keepDays = 30;

    explicit SafetyCopies(QString folder = defaultFolder());
    // $XDG_DATA_HOME/ulvo-connect/safety (the user's generic data location).
    static QString defaultFolder();
    QString folder() const { return m_folder; }

    // A calculator name made fit for a file name: calculator names are untrusted, so anything
    // but letters, digits, space, '_', '+' and parentheses becomes '_', and the length is bounded.
    static QString safeName(const QString &calculator);
    // The kind as a fixed English word, for machine-read output (the tool's --json).
    static QString kindText(Kind kind);
    // The kind in the user's language, for the window and the tool's listing.
    static QString kindLabel(Kind kind);

    // Moves the finished archive at `archive` into the folder under a new unique name. Returns
    // the copy's path; empty on failure with the reason in *error (the archive is then left
    // where it was).
    QString keep(const QString &archive, const QString &calculator, Kind kind, const QDateTime &taken,
                 QString *error);
    // Takes a new unique name in the folder for a copy the caller writes itself (replacing the
    // empty file left there). Empty on failure with the reason in *error.
    QString reserve(const QString &calculator, const QDateTime &taken, QString *error);
    // Records what kind of copy the file at `path` is.
    static bool writeKind(const QString &path, Kind kind);
    // Every copy in the folder, newest first. Files that are not named like copies are ignored.
    QList<Copy> list() const;
    // Removes the copies the rules above do not keep, with their side files; returns their paths.
    QStringList prune(const QDateTime &now) const;
    // Removes one copy and its side file.
    static bool remove(const QString &path);

private:
    enum class Details { Read, Skip };
    // The copies newest first; with Details::Skip, kind and file count are left unread.
    QList<Copy> scan(Details details) const;
    static bool parseName(const QString &fileName, QString *calculator, QDateTime *taken);
    QString m_folder;
};
