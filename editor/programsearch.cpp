#include "editor/programsearch.h"

namespace {

ushort foldAscii(ushort code)
{
    return code >= 'A' && code <= 'Z' ? ushort(code - 'A' + 'a') : code;
}

bool matchesAt(const QString &text, int position, const QString &needle, bool caseSensitive)
{
    for (int i = 0; i < needle.size(); ++i) {
        const ushort have = text.at(position + i).unicode();
        const ushort want = needle.at(i).unicode();
        if (have == want)
            continue;
        if (caseSensitive || foldAscii(have) != foldAscii(want))
            return false;
    }
    return true;
}

} // namespace

QVector<int> ProgramSearch::findAll(const QString &text, const QString &needle, bool caseSensitive)
{
    QVector<int> matches;
    if (needle.isEmpty())
        return matches;
    const int last = text.size() - needle.size();
    for (int position = 0; position <= last;) {
        if (matchesAt(text, position, needle, caseSensitive)) {
            matches.append(position);
            position += needle.size();
        } else {
            ++position;
        }
    }
    return matches;
}
