#pragma once

#include <QStringList>

class QTextStream;

namespace corvane::cli {

// Exit codes of the command-line mode.
enum ExitCode { Ok = 0, Failure = 1, Usage = 2, Refused = 3 };

// Whether the arguments ask for the command-line mode rather than the window: a subcommand, --help, --version, or
// anything the window does not take, which the command-line mode then reports as a usage error.
bool isCommandLine(const QStringList &arguments);

// The core table the window loads: the FILE of --core-table FILE (or
// --core-table=FILE) when given, else defaultCoreTablePath().
QString windowCoreTablePath(const QStringList &arguments);

// Runs the command-line mode; 'arguments' are the program's arguments, the
// program name first. Needs a QCoreApplication.
int run(const QStringList &arguments, QTextStream &out, QTextStream &err);

// The core table used when no --core-table is given: the user's copy when
// there is one, else the table beside the program.
QString defaultCoreTablePath();

} // namespace corvane::cli
