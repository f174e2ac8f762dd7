#pragma once

#include <QString>
#include <QStringList>

// A command line as the tool understood it.
struct CliOptions {
    enum class Action { Run, Help, Version };
    Action action = Action::Run;
    QString command;
    QStringList arguments;
    QString calc;       // --calc: port name or calculator name; empty: not given
    bool all = false;
    bool force = false;
    bool yes = false;
    QString outputDir;  // -o; empty: not given
    bool json = false;
    bool quiet = false;
    bool noSafetyCopy = false; // rm, restore: erase without keeping a safety copy first
    QString fromBackup;        // put: the archive whose entries are sent; empty: not given
    int count = 0;      // --count: watch ends after this many calculators; 0: until Ctrl-C
};

struct ParsedCommandLine {
    CliOptions options;
    // Empty when the command line is usable; else why not (a usage error).
    QString error;
    QString helpText;
};

// Reads `arguments` (the program name first). Checks everything that does not need a calculator:
// the command, the number of its arguments and which options go with it.
ParsedCommandLine parseCommandLine(const QStringList &arguments);

// The commands, for completion and help.
QStringList cliCommands();
