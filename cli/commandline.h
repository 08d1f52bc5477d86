#pragma once

#include <QStringList>

class QTextStream;

namespace corvane::cli {

// Exit codes of the command-line mode.
enum ExitCode { Ok = 0, Failure = 1, Usage = 2, Refused = 3 };

// Whether the arguments ask for the command-line mode rather than the window.
bool isCommandLine(const QStringList &arguments);

// Runs the command-line mode; 'arguments' are the program's arguments, the
// program name first. Needs a QCoreApplication.
int run(const QStringList &arguments, QTextStream &out, QTextStream &err);

// The subcommands; 'arguments' start with the subcommand's name.
int resonanceCommand(const QStringList &arguments, QTextStream &out, QTextStream &err);
int coresCommand(const QStringList &arguments, QTextStream &out, QTextStream &err);
int attenuatorCommand(const QStringList &arguments, QTextStream &out, QTextStream &err);
int alCommand(const QStringList &arguments, QTextStream &out, QTextStream &err);
int partsCommand(const QStringList &arguments, QTextStream &out, QTextStream &err);

// The core table used when no --core-table is given: the user's copy when
// there is one, else the table beside the program.
QString defaultCoreTablePath();

} // namespace corvane::cli
