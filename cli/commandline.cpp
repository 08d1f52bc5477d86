#include "commandline.h"

#include "coretablelocation.h"
#include "invocation.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <algorithm>

namespace corvane::cli {

namespace {

// The options the window takes: its own, and those Qt reads for every window
// program (given with one dash or two, the value as the next argument). Anything
// else is a usage error rather than a window that ignores it. A new option is one row.
struct WindowOption
{
    const char *name;
    bool takesValue;
    bool qtOption;
};

const WindowOption windowOptions[] = {
    { "core-table", true, false },
    { "platform", true, true },   { "platformpluginpath", true, true }, { "platformtheme", true, true },
    { "plugin", true, true },     { "qwindowgeometry", true, true },    { "qwindowicon", true, true },
    { "qwindowtitle", true, true }, { "style", true, true },            { "stylesheet", true, true },
    { "session", true, true },    { "display", true, true },            { "geometry", true, true },
    { "title", true, true },      { "name", true, true },               { "reverse", false, true },
    { "widgetcount", false, true }, { "nograb", false, true },          { "dograb", false, true },
};

// The window option an argument names; 'joined' tells whether its value came
// with it after "=" (own options only: Qt takes its values as the next argument).
const WindowOption *findWindowOption(const QString &argument, bool &joined)
{
    joined = false;
    for (const WindowOption &option : windowOptions) {
        const QString own = QStringLiteral("--") + QLatin1String(option.name);
        if (argument == own || (option.qtOption && argument == own.mid(1)))
            return &option;
        if (!option.qtOption && option.takesValue && argument.startsWith(own + QLatin1Char('='))) {
            joined = true;
            return &option;
        }
    }
    return nullptr;
}

bool isInformation(const QString &first)
{
    return first == QLatin1String("--help") || first == QLatin1String("-h") || first == QLatin1String("--version")
            || first == QLatin1String("-v");
}

const Command *findCommand(const QString &name)
{
    for (const Command &command : commands())
        if (name == QLatin1String(command.name))
            return &command;
    return nullptr;
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
    if (arguments.size() < 2)
        return false;
    const QString first = arguments.at(1);
    return isInformation(first) || findCommand(first) || !windowArgumentsError(arguments).isEmpty();
}

QString windowArgumentsError(const QStringList &arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        bool joined = false;
        const WindowOption *option = findWindowOption(argument, joined);
        if (!option) {
            if (argument.startsWith(QLatin1Char('-')))
                return QStringLiteral("unknown option '%1'").arg(argument);
            return i == 1 ? QStringLiteral("unknown subcommand '%1'").arg(argument)
                          : QStringLiteral("unexpected argument '%1'").arg(argument);
        }
        if (option->takesValue && !joined && ++i >= arguments.size())
            return QStringLiteral("option '%1' needs a value").arg(argument);
    }
    return QString();
}

QString windowCoreTablePath(const QStringList &arguments)
{
    QString path = defaultCoreTablePath();
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        bool joined = false;
        const WindowOption *option = findWindowOption(arguments.at(i), joined);
        if (!option || !option->takesValue)
            continue;
        const QString value = joined ? arguments.at(i).section(QLatin1Char('='), 1) : arguments.value(i + 1);
        if (!joined)
            ++i;
        if (qstrcmp(option->name, "core-table") == 0)
            path = value; // the last one given wins, as in the subcommands
    }
    return path;
}

bool canReadCoreTable(const QString &path)
{
    QFile file(path);
    return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly);
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
    if (const Command *command = findCommand(first))
        return runCommand(*command, arguments.mid(2), out, err);
    const QString error = windowArgumentsError(arguments);
    if (error.isEmpty()) {
        printUsage(err);
        return Usage;
    }
    err << "corvane: " << error << '\n' << "Run 'corvane --help' for the subcommands and options.\n";
    return Usage;
}

const std::vector<Command> &commands()
{
    static const std::vector<Command> all { resonanceCommand(), coresCommand(), attenuatorCommand(), alCommand(),
                                            partsCommand() };
    return all;
}

int runCommand(const Command &command, const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    Invocation invocation(command, out, err);
    for (qsizetype n = 0; n < arguments.size(); ++n) {
        const QString &argument = arguments.at(n);
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            QFile help(QStringLiteral(":/help/%1.txt").arg(QLatin1String(command.name)));
            help.open(QIODevice::ReadOnly);
            out << QString::fromUtf8(help.readAll());
            return Ok;
        }
        const QString name = argument.section(QLatin1Char('='), 0, 0).mid(2);
        const auto option = std::find_if(command.options.begin(), command.options.end(), [&](const Option &o) {
            return argument.startsWith(QLatin1String("--")) && name == QLatin1String(o.name)
                    && (o.valueName || !argument.contains(QLatin1Char('=')));
        });
        if (option == command.options.end()) {
            if (argument.startsWith(QLatin1Char('-')))
                return invocation.usageError(QStringLiteral("unknown option '%1'").arg(argument));
            invocation.addArgument(argument);
        } else if (!option->valueName) {
            invocation.set(name, QString());
        } else if (argument.contains(QLatin1Char('='))) {
            invocation.set(name, argument.section(QLatin1Char('='), 1));
        } else if (n + 1 < arguments.size()) {
            // The value may start with "-" (-10dBm): the next argument is taken whatever it looks like.
            invocation.set(name, arguments.at(++n));
        } else {
            return invocation.badValue(*option);
        }
    }
    return command.run(invocation);
}

QString defaultCoreTablePath()
{
    return CoreTableLocation::standard().tableToRead();
}

} // namespace corvane::cli
