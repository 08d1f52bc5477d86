#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

class QTextStream;

namespace corvane::cli {

class Invocation;

// An option: --NAME, or with a value --NAME VALUE or --NAME=VALUE. The value is the next argument whatever it looks
// like, so that "--power -10dBm" works. The options Qt reads for every window program also come with one dash and
// take no "=".
struct Option
{
    const char *name;                // without the dashes
    const char *valueName = nullptr; // FILE, P, ...; null for a switch
    const char *complaint = nullptr; // the usage error for a missing or unusable value; null for the usual one
    bool qtOption = false;
};

// The arguments as read by the options: their values (the last one given
// wins), the other arguments, and the reason of a usage error.
struct ReadArguments
{
    QHash<QString, QString> values;
    QStringList others;
    QString error;
    bool unknownOption = false;
};
// Stops at the first error and after --help (or -h) when 'options' has it;
// with 'othersAllowed' false an argument that is no option is an error.
ReadArguments readArguments(const std::vector<Option> &options, const QStringList &arguments, bool othersAllowed);

// A subcommand, declared once: the runner parses its arguments by its options, prints its help (the text
// help/NAME.txt) and its usage errors and hands the rest to 'run'.
// The help, the man page and the bash completion are checked against them.
struct Command
{
    const char *name;
    const char *summary;     // one line in 'corvane --help'
    const char *hintTopic;   // "Run 'corvane NAME --help' for HINTTOPIC." after a usage error
    bool hintAfterEveryError; // false: after an unknown option only, the other reasons show the way
    std::vector<Option> options;
    int (*run)(Invocation &invocation);
};

// Every subcommand, in the order 'corvane --help' lists them.
const std::vector<Command> &commands();

// The declarations of the subcommands.
Command resonanceCommand();
Command coresCommand();
Command attenuatorCommand();
Command alCommand();
Command windingCommand();
Command partsCommand();

// Parses 'arguments' (those after the subcommand's name) for 'command' and runs it.
int runCommand(const Command &command, const QStringList &arguments, QTextStream &out, QTextStream &err);

} // namespace corvane::cli
