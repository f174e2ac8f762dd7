#include "editor/programtokens.h"

#include <QAbstractItemModel>
#include <QVariant>

#include <algorithm>

namespace {

constexpr int catalogueNodeRole = 257;

bool isAsciiLetter(QChar c)
{
    const ushort u = c.unicode();
    return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
}

bool isAsciiDigit(QChar c)
{
    return c.unicode() >= '0' && c.unicode() <= '9';
}

bool isWordCharacter(QChar c)
{
    return isAsciiLetter(c) || isAsciiDigit(c);
}

bool isOperator(const QString &token)
{
    return std::all_of(token.begin(), token.end(), [](QChar c) {
        return c.unicode() < 0x7F && !isWordCharacter(c);
    });
}

void collectLeaves(const QAbstractItemModel *model, const QModelIndex &parent, QStringList &tokens)
{
    const int rows = model->rowCount(parent);
    for (int row = 0; row < rows; ++row) {
        const QModelIndex index = model->index(row, 0, parent);
        if (model->rowCount(index) > 0) {
            collectLeaves(model, index, tokens);
            continue;
        }
        if (const QObject *node = model->data(index, catalogueNodeRole).value<QObject *>())
            tokens.append(node->property("funcName").toString());
    }
}

} // namespace

ProgramTokens::ProgramTokens(const QStringList &tokens)
{
    for (QString token : tokens) {
        while (token.endsWith(QLatin1Char('\r')) || token.endsWith(QLatin1Char('\n')))
            token.chop(1);
        if (token.isEmpty() || isOperator(token))
            continue;
        QStringList &sameStart = m_byFirst[token.at(0)];
        if (!sameStart.contains(token))
            sameStart.append(token);
    }
    for (QStringList &sameStart : m_byFirst)
        std::stable_sort(sameStart.begin(), sameStart.end(),
                         [](const QString &a, const QString &b) { return a.size() > b.size(); });
}

QStringList ProgramTokens::catalogueTokens(const QAbstractItemModel *catalogue)
{
    QStringList tokens;
    if (catalogue)
        collectLeaves(catalogue, QModelIndex(), tokens);
    return tokens;
}

int ProgramTokens::tokenAt(const QString &line, int position) const
{
    const auto candidates = m_byFirst.constFind(line.at(position));
    if (candidates == m_byFirst.constEnd())
        return 0;
    // A word part of a longer word is no token: "e" in "else2", "sin(" in "asin(".
    const bool afterLetter = position > 0 && isAsciiLetter(line.at(position - 1));
    for (const QString &token : *candidates) {
        if (!line.midRef(position).startsWith(token))
            continue;
        if (afterLetter && isAsciiLetter(token.front()))
            continue;
        const int end = position + token.size();
        if (end < line.size() && isWordCharacter(token.back()) && isWordCharacter(line.at(end)))
            continue;
        return token.size();
    }
    return 0;
}

QVector<ProgramTokens::Span> ProgramTokens::scan(const QString &line) const
{
    QVector<Span> spans;
    for (int position = 0; position < line.size();) {
        const QChar c = line.at(position);
        if (c == QLatin1Char('"')) {
            // A text runs to its closing quote or, unclosed, to the end of the line.
            const int close = line.indexOf(QLatin1Char('"'), position + 1);
            const int end = close < 0 ? line.size() : close + 1;
            spans.append({position, end - position, Kind::String});
            position = end;
            continue;
        }
        if (const int length = tokenAt(line, position)) {
            spans.append({position, length, Kind::Token});
            position += length;
            continue;
        }
        const bool startsNumber = isAsciiDigit(c)
                || (c == QLatin1Char('.') && position + 1 < line.size() && isAsciiDigit(line.at(position + 1)));
        if (startsNumber && !(position > 0 && isAsciiLetter(line.at(position - 1)))) {
            int end = position;
            bool seenPoint = false;
            while (end < line.size()
                   && (isAsciiDigit(line.at(end)) || (!seenPoint && line.at(end) == QLatin1Char('.')))) {
                seenPoint = seenPoint || line.at(end) == QLatin1Char('.');
                ++end;
            }
            spans.append({position, end - position, Kind::Number});
            position = end;
            continue;
        }
        // The rest of a word that no token starts is skipped whole, so "X2" keeps its digit plain.
        if (isAsciiLetter(c)) {
            while (position < line.size() && isWordCharacter(line.at(position)))
                ++position;
            continue;
        }
        ++position;
    }
    return spans;
}
