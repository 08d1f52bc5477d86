#include "commandline.h"

#include "coretablelocation.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace corvane::cli {

namespace {

struct Subcommand
{
    const char *name;
    const char *summary;
    int (*run)(const QStringList &, QTextStream &, QTextStream &);
};

const Subcommand subcommands[] = {
    { "resonance", "solve frequency, capacitance, inductance, impedance and turns", resonanceCommand },
    { "cores", "list the core table and the lines it skips", coresCommand },
    { "attenuator", "T and Pi attenuator resistors, and their power with --power", attenuatorCommand },
    { "al", "the AL of a core from a measured winding", alCommand },
    { "parts", "nearest standard parts and the best pair for a value", partsCommand },
};

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

const Subcommand *findSubcommand(const QString &name)
{
    for (const Subcommand &s : subcommands)
        if (name == QLatin1String(s.name))
            return &s;
    return nullptr;
}

void printUsage(QTextStream &out)
{
    out << "Usage: corvane [--core-table FILE]            start the calculator window\n"
        << "       corvane SUBCOMMAND [OPTIONS] ARGS...   calculate without a window\n\n"
        << "Subcommands:\n";
    for (const Subcommand &s : subcommands)
        out << "  " << QString::fromLatin1(s.name).leftJustified(12) << s.summary << '\n';
    out << "\nRun 'corvane SUBCOMMAND --help' for the options of one subcommand.\n"
        << "The window also takes Qt's own options, such as -platform NAME and -style NAME.\n";
}

} // namespace

bool isCommandLine(const QStringList &arguments)
{
    if (arguments.size() < 2)
        return false;
    const QString first = arguments.at(1);
    return isInformation(first) || findSubcommand(first) || !windowArgumentsError(arguments).isEmpty();
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
    if (const Subcommand *subcommand = findSubcommand(first))
        return subcommand->run(arguments.mid(1), out, err);
    const QString error = windowArgumentsError(arguments);
    if (error.isEmpty()) {
        printUsage(err);
        return Usage;
    }
    err << "corvane: " << error << '\n' << "Run 'corvane --help' for the subcommands and options.\n";
    return Usage;
}

QString defaultCoreTablePath()
{
    return CoreTableLocation::standard().tableToRead();
}

} // namespace corvane::cli
