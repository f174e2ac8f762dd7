#pragma once

#include <QStringList>

// Exit codes of the tool.
namespace CliExit {
constexpr int success = 0;
constexpr int failure = 1; // reported by a calculator or the link, or a local file problem
constexpr int usage = 2;
}

// Runs the tool with `arguments` (the program name first) and returns its exit code. Needs a
// QCoreApplication; prints results to stdout, errors and progress to stderr.
int runCli(const QStringList &arguments);
