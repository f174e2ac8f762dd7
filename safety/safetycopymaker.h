#pragma once

#include "safety/safetycopies.h"

#include <QList>
#include <QPair>
#include <QString>

class CUlvoCalc;

// What became of a safety copy taken before files are erased.
struct SafetyCopyResult {
    enum class Outcome { Made, NothingToCopy, Cancelled, Failed };
    Outcome outcome = Outcome::Failed;
    QString path;    // the kept copy, when made
    QString failure; // why no copy could be made, when failed
};

// Before a restore: every file of the calculator, as a backup takes them, kept as a copy "before
// restore" and read back with the restore check. A calculator without files needs no copy. The
// link's own stop request ends it as Cancelled, with nothing changed on the calculator.
SafetyCopyResult copyBeforeRestore(CUlvoCalc &link, SafetyCopies &store, const QString &calcName);
// Before a delete: the named files (name, size as listed), kept as a copy "before delete" and read
// back with the restore check.
SafetyCopyResult copyBeforeDelete(CUlvoCalc &link, SafetyCopies &store, const QString &calcName,
                                  const QList<QPair<QString, int>> &files);
