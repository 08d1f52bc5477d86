#include "commandline.h"

#include "coretablelocation.h"

#include <QCoreApplication>
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
    { "parts", "the standard values nearest a resistor or capacitor, and the best pair", partsCommand },
};

void printUsage(QTextStream &out)
{
    out << "Usage: corvane [--core-table FILE]            start the calculator window\n"
        << "       corvane SUBCOMMAND [OPTIONS] ARGS...   calculate without a window\n\n"
        << "Subcommands:\n";
    for (const Subcommand &s : subcommands)
        out << "  " << QString::fromLatin1(s.name).leftJustified(12) << s.summary << '\n';
    out << "\nRun 'corvane SUBCOMMAND --help' for the options of one subcommand.\n";
}

} // namespace

bool isCommandLine(const QStringList &arguments)
{
    if (arguments.size() < 2)
        return false;
    const QString first = arguments.at(1);
    if (first == QLatin1String("--help") || first == QLatin1String("-h")
        || first == QLatin1String("--version") || first == QLatin1String("-v"))
        return true;
    for (const Subcommand &s : subcommands)
        if (first == QLatin1String(s.name))
            return true;
    return false;
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
    for (const Subcommand &s : subcommands)
        if (first == QLatin1String(s.name))
            return s.run(arguments.mid(1), out, err);
    printUsage(err);
    return Usage;
}

QString defaultCoreTablePath()
{
    return CoreTableLocation::standard().tableToRead();
}

} // namespace corvane::cli
