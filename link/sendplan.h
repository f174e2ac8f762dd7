#pragma once

#include <QList>
#include <QPair>
#include <QString>

// How local files meet the calculator's names in a send: the name each file is stored under,
// which renames the user is told about, and which files would replace one already there. Every
// front end decides with these, so the window and the command line agree.
namespace SendPlan {

// A local file's path and the calculator name it is stored under.
using SendPair = QPair<QString, QString>;

enum class Placement {
    Skipped,  // empty (or missing): never sent
    Renamed,  // the calculator name differs in length from the local name: tell the user first
    Taken,    // the calculator name is on the calculator or already in the batch: ask first
    Accepted, // goes into the batch as it is
};

// The calculator name of a local file name, as the calculator will show it; applied to its own
// result it changes nothing, so a planned name is sent as it is.
QString calcName(const QString &localName);

// A rename worth telling the user about: one that only replaces characters keeps the length.
bool isNoticeableRename(const QString &localName, const QString &calcName);

// Where a local file of `size` bytes goes before anything is asked; `taken` says whether its
// calculator name is in use on the calculator or in the batch.
Placement place(qint64 size, const QString &localName, const QString &calcName, bool taken);

// Whether `name` is among the batch's calculator names, ignoring case as the calculator does.
bool isInBatch(const QString &name, const QList<SendPair> &batch);

// A file the user chose to send over a taken name: it replaces the batch's file of exactly that
// name (the later local file wins), or else joins the batch and overwrites the calculator's file.
void placeReplacement(QList<SendPair> &batch, const SendPair &file);

} // namespace SendPlan
