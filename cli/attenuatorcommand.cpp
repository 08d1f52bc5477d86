#include "attensolver.h"
#include "commandline.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <utility>
#include <vector>

namespace corvane::cli {

namespace {

// What the window shows beside each of the eight fields.
const char *const fieldLabels[AttenSolver::FieldCount] = {
    "Impedance", "Attenuation dB", "Pi R1 (left)", "Pi R1 (right)",
    "Pi R2", "T R3 (left)", "T R3 (right)", "T R4",
};

void printUsage(QTextStream &out)
{
    out << "Usage: corvane attenuator [--json] ENTRY...\n\n"
        << "Works like the attenuator window: it starts with an impedance of 50 ohms,\n"
        << "then each ENTRY is typed into a field and the field is left, in order.\n\n"
        << "ENTRY is FIELD=TEXT. FIELD is a field number 0..7 or one of\n"
        << "  z   impedance (0)      db  attenuation in dB (1)\n"
        << "  r1  Pi shunt R1 (2)    r2  Pi series R2 (4)\n"
        << "  r3  T series R3 (5)    r4  T shunt R4 (7)\n"
        << "Fields 3 and 6 are the right-hand R1 and R3. TEXT holds digits and \".\" only,\n"
        << "as the field accepts them from the keyboard; an empty TEXT empties the field.\n\n"
        << "Options:\n"
        << "  --json   print the eight field texts and the numbers at full precision\n"
        << "  --help   show this help\n\n"
        << "Exit codes: 0 done, 2 usage error, 3 an entry was refused: its reason goes to\n"
        << "standard error, the entries after it are not applied, and the state is printed\n"
        << "as it stands after the refusal.\n";
}

int fieldIndex(const QString &name)
{
    static const std::pair<const char *, int> names[] = {
        { "z", 0 }, { "db", 1 }, { "r1", 2 }, { "r2", 4 }, { "r3", 5 }, { "r4", 7 },
    };
    const QString lower = name.toLower();
    for (const auto &n : names)
        if (lower == QLatin1String(n.first))
            return n.second;
    if (lower.size() == 1 && lower.at(0) >= QLatin1Char('0') && lower.at(0) <= QLatin1Char('7'))
        return lower.at(0).unicode() - '0';
    return -1;
}

// Only what the keyboard lets into a field: digits and the point.
bool isTypeable(const QString &text)
{
    for (QChar c : text)
        if (!(c.isDigit() && c.unicode() < 128) && c != QLatin1Char('.'))
            return false;
    return true;
}

void printText(const AttenSolver &solver, QTextStream &out)
{
    for (int i = 0; i < AttenSolver::FieldCount; ++i) {
        out << fieldLabels[i] << ':';
        if (!solver.text(i).isEmpty())
            out << ' ' << solver.text(i);
        out << '\n';
    }
}

void printJson(const AttenSolver &solver, const QString &refusal, QTextStream &out)
{
    QJsonArray texts;
    for (const QString &t : solver.texts())
        texts.append(t);
    QJsonObject object {
        { QStringLiteral("txt"), texts },
        { QStringLiteral("impedOhm"), solver.impedOhm() },
        { QStringLiteral("attenDb"), solver.attenDb() },
        { QStringLiteral("r1Ohm"), solver.r1Ohm() },
        { QStringLiteral("r2Ohm"), solver.r2Ohm() },
        { QStringLiteral("r3Ohm"), solver.r3Ohm() },
        { QStringLiteral("r4Ohm"), solver.r4Ohm() },
    };
    if (!refusal.isEmpty())
        object.insert(QStringLiteral("refusal"), refusal);
    out << QJsonDocument(object).toJson(QJsonDocument::Indented);
}

} // namespace

int attenuatorCommand(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    bool json = false;
    struct Entry
    {
        int index;
        QString text;
        QString argument;
    };
    std::vector<Entry> entries;
    for (const QString &argument : arguments.mid(1)) {
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            printUsage(out);
            return Ok;
        }
        if (argument == QLatin1String("--json")) {
            json = true;
            continue;
        }
        if (argument.startsWith(QLatin1Char('-'))) {
            err << "corvane attenuator: unknown option '" << argument << "'\n"
                << "Run 'corvane attenuator --help' for the usage.\n";
            return Usage;
        }
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        if (equals < 0) {
            err << "corvane attenuator: '" << argument << "' is not FIELD=TEXT (for example db=10)\n";
            return Usage;
        }
        const int index = fieldIndex(argument.left(equals));
        if (index < 0) {
            err << "corvane attenuator: unknown field '" << argument.left(equals)
                << "' (use 0..7, z, db, r1, r2, r3 or r4)\n";
            return Usage;
        }
        const QString text = argument.mid(equals + 1);
        if (!isTypeable(text)) {
            err << "corvane attenuator: '" << text
                << "' cannot be typed into a field: use digits and \".\" only\n";
            return Usage;
        }
        entries.push_back({ index, text, argument });
    }

    // As the window starts: 50.0 in field 0, then the Tab of the first
    // activation leaves field 0.
    AttenSolver solver;
    solver.formLoad();
    solver.txt_LostFocus(0);

    QString refusal;
    QString refusedEntry;
    for (const Entry &entry : entries) {
        solver.setText(entry.index, entry.text);
        solver.txt_LostFocus(entry.index);
        if (!solver.refusal().isEmpty()) {
            // The entries after a refused one are not applied.
            refusal = solver.refusal();
            refusedEntry = entry.argument;
            break;
        }
    }

    if (json)
        printJson(solver, refusal, out);
    else
        printText(solver, out);
    out.flush();
    if (!refusal.isEmpty()) {
        err << "corvane attenuator: '" << refusedEntry << "' refused: " << refusal << '\n';
        return Refused;
    }
    return Ok;
}

} // namespace corvane::cli
