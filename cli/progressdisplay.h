#pragma once

#include "cli/calctask.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <cstdio>

// Progress on a terminal: one line per calculator, rewritten in place, and gone when the command
// ends so that only results stay. Does nothing when disabled (not a terminal, or --quiet).
class ProgressDisplay
{
    Q_DECLARE_TR_FUNCTIONS(ProgressDisplay)

public:
    ProgressDisplay(std::FILE *stream, bool enabled, QStringList labels);
    ~ProgressDisplay();
    ProgressDisplay(const ProgressDisplay &) = delete;
    ProgressDisplay &operator=(const ProgressDisplay &) = delete;

    void update(int index, const FileProgress &progress);

    // One line of progress, as shown (exposed for its wording).
    static QString describe(const FileProgress &progress);

    // Whether progress belongs on this stream: a terminal, and the user did not ask for quiet.
    static bool wanted(std::FILE *stream, bool quiet);

private:
    void draw();
    void clear();

    std::FILE *const stream;
    const bool enabled;
    const QStringList labels;
    QStringList lines;
    bool drawn = false;
};
