#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <optional>

// The file count in an answer payload: SEND_FILES_NUM's numberOfFiles (0 when absent); no value
// for any other answer.
std::optional<int> readFileCount(const QByteArray &payload);

// Collects the answers to GET_FILES_INF, without any I/O. Built with the count just read; the
// driver reads one payload per pass and hands it to take(), which says whether to acknowledge it
// before reading the next. A descriptor whose name is not a valid calculator name is left out
// with a text in problems(), and still acknowledged so the list goes on.
class FileListCollector
{
public:
    enum class Step { Ack, Next, Done };

    // count outside 1 .. maxFileCount lists nothing: the collector is done at once.
    explicit FileListCollector(int count);
    // Whether GET_FILES_INF is to be sent at all.
    bool wantsList() const { return m_passes < m_count; }
    Step take(const QByteArray &payload);
    const QList<QPair<QString, int>> &files() const { return m_files; }
    const QStringList &problems() const { return m_problems; }
    // The names of the descriptors left out, for the user (invalid sequences as U+FFFD).
    const QStringList &leftOut() const { return m_leftOut; }

private:
    int m_count;
    int m_passes = 0;
    QList<QPair<QString, int>> m_files;
    QStringList m_problems;
    QStringList m_leftOut;
};
