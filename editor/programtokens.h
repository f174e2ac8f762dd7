#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

class QAbstractItemModel;

// Finds the words of the UlvoBasic language in one program line: the tokens of the function
// catalogue (commands, functions, constants), numbers and texts in double quotes.
class ProgramTokens
{
public:
    enum class Kind { Token, Number, String };
    struct Span
    {
        int start;
        int length;
        Kind kind;
        bool operator==(const Span &other) const
        {
            return start == other.start && length == other.length && kind == other.kind;
        }
    };

    ProgramTokens() = default;
    // Tokens as the catalogue writes them; the line end some carry is dropped. Tokens made only
    // of ASCII signs (+, /, ^, !) are operators, not words, and are left out.
    explicit ProgramTokens(const QStringList &tokens);

    // The leaf names of a catalogue model (role 257 holds an object with a funcName property).
    static QStringList catalogueTokens(const QAbstractItemModel *catalogue);

    // The spans of line, left to right, not overlapping. At each place the longest token wins;
    // a token that begins or ends with a letter does not match inside a longer word.
    QVector<Span> scan(const QString &line) const;

    bool isEmpty() const { return m_byFirst.isEmpty(); }

private:
    int tokenAt(const QString &line, int position) const;

    // Tokens by their first character, longest first.
    QHash<QChar, QStringList> m_byFirst;
};
