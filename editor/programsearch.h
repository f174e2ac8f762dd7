#pragma once

#include <QString>
#include <QVector>

// Finding text in a program. Calculator text holds one character per calculator code, and the
// codes from 0x80 up are symbols, not the Latin-1 letters that share their numbers: ignoring case
// folds only the ASCII letters, so the subscript one (0xC1) never matches the code 0xE1, and no
// symbol ever changes its length as Unicode case mapping would.
namespace ProgramSearch {

// Start positions of the matches of needle in text, left to right, not overlapping. An empty
// needle has no matches.
QVector<int> findAll(const QString &text, const QString &needle, bool caseSensitive);

} // namespace ProgramSearch
