#include "commandline.h"

#include "coretablelocation.h"
#include "invocation.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <algorithm>

namespace corvane::cli {

namespace {

// The options the window takes: its own, and those Qt reads for every window
// program. Anything else is a usage error rather than a window that ignores it.
const std::vector<Option> &windowOptions()
{
    static const std::vector<Option> options = [] {
        std::vector<Option> list { { "core-table", "FILE" } };
        for (const char *name : { "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
                                  "qwindowicon", "qwindowtitle", "style", "stylesheet", "session", "display",
                                  "geometry", "title", "name" })
            list.push_back({ name, "VALUE", nullptr, true });
        for (const char *name : { "reverse", "widgetcount", "nograb", "dograb" })
            list.push_back({ name, nullptr, nullptr, true });
        return list;
    }();
    return options;
}

void printUsage(QTextStream &out)
{
    out << "Usage: corvane [--core-table FILE]            start the calculator window\n"
        << "       corvane SUBCOMMAND [OPTIONS] ARGS...   calculate without a window\n\n"
        << "Subcommands:\n";
    for (const Command &command : commands())
        out << "  " << QString::fromLatin1(command.name).leftJustified(12) << command.summary << '\n';
    out << "\nRun 'corvane SUBCOMMAND --help' for the options of one subcommand.\n"
        << "The window also takes Qt's own options, such as -platform NAME and -style NAME.\n";
}

} // namespace

bool isCommandLine(const QStringList &arguments)
{
    // A subcommand, --help and --version are no arguments of the window either.
    return !readArguments(windowOptions(), arguments.mid(1), false).error.isEmpty();
}

QString windowCoreTablePath(const QStringList &arguments)
{
    // The last one given wins, as in the subcommands.
    return readArguments(windowOptions(), arguments.mid(1), false).values.value(QStringLiteral("core-table"),
                                                                                 defaultCoreTablePath());
}

int run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    const QString first = arguments.value(1);
    if (first == QLatin1String("--version") || first == QLatin1String("-v")) {
        out << "corvane " << CORVANE_VERSION << '\n';
        return Ok;
    }
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        printUsage(out);
        return Ok;
    }
    const std::vector<Command> &all = commands();
    const auto command = std::find_if(all.begin(), all.end(),
                                      [&](const Command &c) { return first == QLatin1String(c.name); });
    if (command != all.end())
        return runCommand(*command, arguments.mid(2), out, err);
    const QString error = readArguments(windowOptions(), arguments.mid(1), false).error;
    if (error.isEmpty())
        printUsage(err);
    else
        err << "corvane: " << error << '\n' << "Run 'corvane --help' for the subcommands and options.\n";
    return Usage;
}

const std::vector<Command> &commands()
{
    static const std::vector<Command> all { resonanceCommand(), coresCommand(), attenuatorCommand(), alCommand(),
                                            windingCommand(), partsCommand() };
    return all;
}

ReadArguments readArguments(const std::vector<Option> &options, const QStringList &arguments, bool othersAllowed)
{
    ReadArguments read;
    for (qsizetype n = 0; n < arguments.size() && read.error.isEmpty(); ++n) {
        const QString &argument = arguments.at(n);
        const bool joined = argument.contains(QLatin1Char('='));
        const QString given = argument.section(QLatin1Char('='), 0, 0);
        const auto option = std::find_if(options.begin(), options.end(), [&](const Option &o) {
            const QString name = QStringLiteral("--") + QLatin1String(o.name);
            if (argument == QLatin1String("-h") && name == QLatin1String("--help"))
                return true;
            return (given == name || (o.qtOption && given == name.mid(1))) && (!joined || (o.valueName && !o.qtOption));
        });
        if (option == options.end()) {
            read.unknownOption = argument.startsWith(QLatin1Char('-'));
            if (read.unknownOption)
                read.error = QStringLiteral("unknown option '%1'").arg(argument);
            else if (!othersAllowed)
                read.error = QString::fromLatin1(n == 0 ? "unknown subcommand '%1'" : "unexpected argument '%1'").arg(argument);
            read.others << argument;
            continue;
        }
        const QString name = QLatin1String(option->name);
        if (!option->valueName)
            read.values.insert(name, QString());
        else if (joined)
            read.values.insert(name, argument.section(QLatin1Char('='), 1));
        else if (n + 1 < arguments.size())
            read.values.insert(name, arguments.at(++n)); // whatever it looks like: -10dBm
        else if (option->complaint)
            read.error = QLatin1String(option->complaint);
        else
            read.error = QStringLiteral("option '%1' needs a value").arg(argument);
        if (name == QLatin1String("help"))
            break;
    }
    return read;
}

int runCommand(const Command &command, const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    std::vector<Option> options = command.options;
    options.push_back({ "help" });
    const ReadArguments read = readArguments(options, arguments, true);
    Invocation invocation(command, read, out, err);
    if (invocation.isSet("help")) {
        QFile help(QStringLiteral(":/help/%1.txt").arg(QLatin1String(command.name)));
        help.open(QIODevice::ReadOnly);
        out << QString::fromUtf8(help.readAll());
        return Ok;
    }
    if (!read.error.isEmpty())
        return invocation.usageError(read.error, read.unknownOption || command.hintAfterEveryError);
    return command.run(invocation);
}

QString defaultCoreTablePath()
{
    return CoreTableLocation::standard().tableToRead();
}

} // namespace corvane::cli
