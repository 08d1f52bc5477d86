#include "commandline.h"

#include "capacitorhint.h"
#include "coretable.h"
#include "entries.h"
#include "invocation.h"
#include "output.h"
#include "resonancesolver.h"
#include "turnshint.h"
#include "windingplan.h"

#include <QJsonArray>
#include <QTextStream>

namespace corvane::cli {

namespace {

const char *const topLabels[] = { "Frequency MHz", "Capacitance pF", "Inductance uH", "Impedance ohms" };

// f, c, l and z for the top fields, tK for core K's turns, or the field's number.
int fieldOf(const QString &name)
{
    static const QString letters = QStringLiteral("fclz");
    if (name.size() == 1 && letters.contains(name))
        return int(letters.indexOf(name));
    if (name.startsWith(QLatin1Char('t'))) {
        const int record = fieldByNumber(name.mid(1), CoreTable::MaxRecords + 1);
        return record >= 1 ? ResonanceSolver::turnsField(record) : -1;
    }
    return fieldByNumber(name, ResonanceSolver::FieldCount);
}

void printText(const ResonanceSolver &solver, QTextStream &out)
{
    const CoreTable &cores = solver.cores();
    for (int i = 0; i < ResonanceSolver::FirstTurnsField; ++i)
        printField(out, QString::fromLatin1(topLabels[i]), solver.text(i));
    for (int i = 1; i <= cores.coreCount; ++i) {
        printField(out, cores.coreName[std::size_t(i)], solver.text(ResonanceSolver::turnsField(i)));
        const QString wholeTurns = wholeTurnsSummary(turnsHint(solver, i));
        if (!wholeTurns.isEmpty())
            out << "  " << wholeTurns << '\n';
    }
}

// The standard capacitors nearest the capacitance, as the Capacitance field's tooltip names them; null while the
// capacitance or the inductance is unknown.
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

// The thickest AWG and metric wires that take the whole turns in one layer,
// each null when none does; null for a core without a size.
QJsonValue oneLayerJson(const TurnsHint &hint)
{
    if (!hint.size)
        return QJsonValue();
    const int turns = hint.windableTurns();
    auto name = [](const std::optional<MagnetWire> &wire) {
        return wire ? QJsonValue(wire->kind == MagnetWire::Kind::Awg ? QJsonValue(wire->gauge) : QJsonValue(wire->bareMm))
                    : QJsonValue();
    };
    return QJsonObject { { QStringLiteral("awg"), name(thickestAwgInOneLayer(*hint.size, turns)) },
                         { QStringLiteral("mm"), name(thickestMetricInOneLayer(*hint.size, turns)) } };
}

QJsonObject resultJson(const ResonanceSolver &solver)
{
    const CoreTable &cores = solver.cores();
    QJsonArray coreList;
    for (int i = 1; i <= cores.coreCount; ++i) {
        const std::size_t slot = std::size_t(i);
        // What the whole turns give; null while the core has no winding.
        const TurnsHint hint = turnsHint(solver, i);
        coreList.append(QJsonObject {
                { QStringLiteral("name"), cores.coreName[slot] },
                { QStringLiteral("al"), cores.coreAL[slot] },
                { QStringLiteral("wire"), cores.coreWire[slot] },
                { QStringLiteral("turns"), solver.coreTurns(i) },
                { QStringLiteral("wholeTurns"), numberOrNull(hint.hasWinding, hint.wholeTurns) },
                { QStringLiteral("wholeTurnsHenry"), numberOrNull(hint.hasWinding, hint.wholeTurnsHenry) },
                { QStringLiteral("errorPercent"), numberOrNull(hint.hasWinding, hint.errorPercent) },
                { QStringLiteral("wholeTurnsFreqHz"), numberOrNull(hint.hasFrequency, hint.wholeTurnsFreqHz) },
                { QStringLiteral("oneLayer"), oneLayerJson(hint) },
        });
    }
    return QJsonObject {
        { QStringLiteral("txt"), textsJson(solver.texts()) },
        { QStringLiteral("freqHz"), solver.freqHz() },
        { QStringLiteral("capFarad"), solver.capFarad() },
        { QStringLiteral("indHenry"), solver.indHenry() },
        { QStringLiteral("reactOhm"), solver.reactOhm() },
        { QStringLiteral("lastField"), solver.lastField() },
        { QStringLiteral("cores"), coreList },
        { QStringLiteral("standardCapacitors"), capacitorsJson(solver) },
    };
}

int run(Invocation &invocation)
{
    std::vector<Entry> entries;
    if (!readEntries(invocation,
                     { fieldOf, "'%1' is not FIELD=TEXT", "'%1' is not a field (f, c, l, z, t1..t50 or 0..53)",
                       "'%1' cannot be typed into a field (digits and \".\" only)" },
                     entries))
        return Usage;
    if (entries.empty())
        return invocation.usageError(QStringLiteral("no ENTRY given"));

    // A table the user named must be there; the standard one may be missing (no cores then).
    const CoreTable table = CoreTable::load(invocation.coreTablePath());
    if (invocation.isSet("core-table") && table.origin != CoreTable::Origin::Read) {
        invocation.say(QStringLiteral("cannot read the core table ") + table.path);
        return Failure;
    }
    ResonanceSolver solver(table);
    // The window's activation moves the focus from core 1's turns field to the frequency.
    solver.txt_LostFocus(ResonanceSolver::turnsField(1));
    for (const Entry &entry : entries) {
        solver.setText(entry.field, entry.text);
        solver.txt_LostFocus(entry.field);
        noteIfIgnored(invocation, entry);
    }

    if (invocation.isSet("json"))
        printJson(invocation.out(), resultJson(solver));
    else
        printText(solver, invocation.out());
    return Ok;
}

} // namespace

Command resonanceCommand()
{
    return { "resonance", "solve frequency, capacitance, inductance, impedance and turns",
             "the fields and options", true, { { "core-table", "FILE" }, { "json" } }, run };
}

} // namespace corvane::cli
