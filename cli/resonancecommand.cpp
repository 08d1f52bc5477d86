#include "commandline.h"

#include "capacitorhint.h"
#include "coretable.h"
#include "fieldvalue.h"
#include "resonancesolver.h"
#include "turnshint.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <vector>

namespace corvane::cli {

namespace {

const char help[] =
    "Usage: corvane resonance [--core-table FILE] [--json] ENTRY...\n"
    "\n"
    "Solves the resonance fields as the calculator window does. The run starts like\n"
    "the window: the core table is loaded and the focus leaves core 1's turns field.\n"
    "Then each ENTRY, in the order given, is typed into its field and the field is\n"
    "left, which solves from it. A field left twice in a row is not solved again.\n"
    "\n"
    "ENTRY is FIELD=TEXT:\n"
    "  f, c, l, z   frequency MHz, capacitance pF, inductance uH, impedance ohms\n"
    "               (fields 0, 1, 2, 3)\n"
    "  tK           turns on core K of the table, K = 1..50 (field K+3)\n"
    "  0..53        a field by its index\n"
    "  TEXT         what could be typed into the field: digits and \".\" only\n"
    "\n"
    "Options:\n"
    "  --core-table FILE   the core table to load (default: quillet.ini beside the program);\n"
    "                      a FILE that cannot be read is an error\n"
    "  --json              print the fields, the working values and the cores as JSON,\n"
    "                      with the nearest E6, E12 and E24 capacitor and the best pair\n"
    "                      of E12 capacitors in parallel (standardCapacitors)\n"
    "  -h, --help          show this help\n"
    "\n"
    "Under each core that has a winding, an indented line tells what the whole\n"
    "turns shown give: their inductance, its error against the inductance asked\n"
    "for and, with a capacitance, the frequency they resonate at.\n"
    "\n"
    "An ENTRY whose TEXT reads as 0 is ignored, as in the window, and said so on\n"
    "standard error.\n"
    "\n"
    "Exit codes: 0 done, 1 the core table named cannot be read, 2 usage error.\n"
    "\n"
    "Example: corvane resonance f=7.1 c=100\n";

const char *const topLabels[] = { "Frequency MHz", "Capacitance pF", "Inductance uH", "Impedance ohms" };

struct Entry
{
    int field = 0;
    QString text;
    QString argument;
};

bool isDigits(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

// FIELD of an entry: an index, a letter of a top field, or tK for core K.
int fieldIndex(const QString &name)
{
    const QString lower = name.toLower();
    static const QString letters = QStringLiteral("fclz");
    if (lower.size() == 1 && letters.contains(lower))
        return int(letters.indexOf(lower));
    if (lower.startsWith(QLatin1Char('t')) && isDigits(lower.mid(1)) && lower.size() <= 3) {
        const int record = lower.mid(1).toInt();
        if (record >= 1 && record <= CoreTable::MaxRecords)
            return record + ResonanceSolver::FirstTurnsField - 1;
        return -1;
    }
    if (isDigits(lower) && lower.size() <= 2) {
        const int index = lower.toInt();
        return index < ResonanceSolver::FieldCount ? index : -1;
    }
    return -1;
}

// What could be typed into a field: the key filter lets only digits and "." through.
bool isTypeable(const QString &text)
{
    for (QChar c : text)
        if (c != QLatin1Char('.') && (c < QLatin1Char('0') || c > QLatin1Char('9')))
            return false;
    return true;
}

bool parseEntry(const QString &argument, Entry &entry, QString &error)
{
    const qsizetype equals = argument.indexOf(QLatin1Char('='));
    if (equals < 0) {
        error = QStringLiteral("'%1' is not FIELD=TEXT").arg(argument);
        return false;
    }
    entry.field = fieldIndex(argument.left(equals));
    entry.text = argument.mid(equals + 1);
    entry.argument = argument;
    if (entry.field < 0) {
        error = QStringLiteral("'%1' is not a field (f, c, l, z, t1..t50 or 0..53)").arg(argument.left(equals));
        return false;
    }
    if (!isTypeable(entry.text)) {
        error = QStringLiteral("'%1' cannot be typed into a field (digits and \".\" only)").arg(entry.text);
        return false;
    }
    return true;
}

void printText(const ResonanceSolver &solver, QTextStream &out)
{
    const CoreTable &cores = solver.cores();
    auto line = [&out](const QString &label, const QString &text) {
        out << label << ':';
        if (!text.isEmpty())
            out << ' ' << text;
        out << '\n';
    };
    for (int i = 0; i < ResonanceSolver::FirstTurnsField; ++i)
        line(QString::fromLatin1(topLabels[i]), solver.text(i));
    for (int i = 1; i <= cores.coreCount; ++i) {
        line(cores.coreName[std::size_t(i)], solver.text(i + ResonanceSolver::FirstTurnsField - 1));
        const QString wholeTurns = wholeTurnsSummary(turnsHint(solver, i));
        if (!wholeTurns.isEmpty())
            out << "  " << wholeTurns << '\n';
    }
}

// The standard capacitors nearest the capacitance, as the Capacitance
// field's tooltip names them; null while the capacitance or the inductance
// is unknown.
QJsonValue capacitorsJson(const ResonanceSolver &solver)
{
    const CapacitorHint hint = capacitorHint(solver);
    if (!hint.valid)
        return QJsonValue();
    auto choice = [](const CapacitorHint::Choice &c) {
        QJsonObject object { { QStringLiteral("capFarad"), c.capFarad },
                             { QStringLiteral("freqHz"), c.freqHz },
                             { QStringLiteral("freqErrorPercent"), c.freqErrorPercent } };
        if (c.smallFarad > 0) {
            object.insert(QStringLiteral("largeFarad"), c.largeFarad);
            object.insert(QStringLiteral("smallFarad"), c.smallFarad);
        }
        return object;
    };
    return QJsonObject { { QStringLiteral("e6"), choice(hint.e6) },
                         { QStringLiteral("e12"), choice(hint.e12) },
                         { QStringLiteral("e24"), choice(hint.e24) },
                         { QStringLiteral("e12Pair"), hint.hasPair ? QJsonValue(choice(hint.e12Pair)) : QJsonValue() } };
}

void printJson(const ResonanceSolver &solver, QTextStream &out)
{
    const CoreTable &cores = solver.cores();
    QJsonArray texts;
    for (const QString &text : solver.texts())
        texts.append(text);
    QJsonArray coreList;
    for (int i = 1; i <= cores.coreCount; ++i) {
        const std::size_t slot = std::size_t(i);
        // What the whole turns give; null while the core has no winding.
        const TurnsHint hint = turnsHint(solver, i);
        const auto orNull = [](bool known, double value) { return known ? QJsonValue(value) : QJsonValue(); };
        coreList.append(QJsonObject {
                { QStringLiteral("name"), cores.coreName[slot] },
                { QStringLiteral("al"), cores.coreAL[slot] },
                { QStringLiteral("wire"), cores.coreWire[slot] },
                { QStringLiteral("turns"), solver.coreTurns(i) },
                { QStringLiteral("wholeTurns"), orNull(hint.hasWinding, hint.wholeTurns) },
                { QStringLiteral("wholeTurnsHenry"), orNull(hint.hasWinding, hint.wholeTurnsHenry) },
                { QStringLiteral("errorPercent"), orNull(hint.hasWinding, hint.errorPercent) },
                { QStringLiteral("wholeTurnsFreqHz"), orNull(hint.hasFrequency, hint.wholeTurnsFreqHz) },
        });
    }
    const QJsonObject result {
        { QStringLiteral("txt"), texts },
        { QStringLiteral("freqHz"), solver.freqHz() },
        { QStringLiteral("capFarad"), solver.capFarad() },
        { QStringLiteral("indHenry"), solver.indHenry() },
        { QStringLiteral("reactOhm"), solver.reactOhm() },
        { QStringLiteral("lastField"), solver.lastField() },
        { QStringLiteral("cores"), coreList },
        { QStringLiteral("standardCapacitors"), capacitorsJson(solver) },
    };
    out << QString::fromUtf8(QJsonDocument(result).toJson(QJsonDocument::Indented));
}

int usageError(QTextStream &err, const QString &message)
{
    err << "corvane resonance: " << message << '\n'
        << "Run 'corvane resonance --help' for the fields and options.\n";
    return Usage;
}

} // namespace

int resonanceCommand(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    const QCommandLineOption tableOption(QStringLiteral("core-table"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption jsonOption(QStringList { QStringLiteral("json") });
    const QCommandLineOption helpOption(QStringList { QStringLiteral("h"), QStringLiteral("help") });
    parser.addOptions({ tableOption, jsonOption, helpOption });
    if (!parser.parse(arguments))
        return usageError(err, parser.errorText());
    if (parser.isSet(helpOption)) {
        out << help;
        return Ok;
    }

    std::vector<Entry> entries;
    for (const QString &argument : parser.positionalArguments()) {
        Entry entry;
        QString error;
        if (!parseEntry(argument, entry, error))
            return usageError(err, error);
        entries.push_back(entry);
    }
    if (entries.empty())
        return usageError(err, QStringLiteral("no ENTRY given"));

    // A table the user named must be there; the standard one may be missing (no cores then).
    const QString path = parser.isSet(tableOption) ? parser.value(tableOption) : defaultCoreTablePath();
    if (parser.isSet(tableOption) && !canReadCoreTable(path)) {
        err << "corvane resonance: cannot read the core table " << path << '\n';
        return Failure;
    }
    ResonanceSolver solver(CoreTable::load(path));
    // The window's activation moves the focus from core 1's turns field to the frequency.
    solver.txt_LostFocus(ResonanceSolver::FirstTurnsField);
    for (const Entry &entry : entries) {
        solver.setText(entry.field, entry.text);
        solver.txt_LostFocus(entry.field);
        // The window ignores a field that reads 0; an empty text only empties the field.
        if (!entry.text.isEmpty() && fieldValue(entry.text) == 0)
            err << "corvane resonance: '" << entry.argument << "' reads as 0 and is ignored, as in the window\n";
    }

    if (parser.isSet(jsonOption))
        printJson(solver, out);
    else
        printText(solver, out);
    return Ok;
}

} // namespace corvane::cli
