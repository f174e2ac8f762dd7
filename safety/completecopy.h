#pragma once

#include <QString>

// Copies the file `from` to `to` through a save file: `to` appears (or is replaced) only once the
// copy is complete. False when reading or writing failed; `to` is then as it was.
bool copyComplete(const QString &from, const QString &to);
