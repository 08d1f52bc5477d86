#include "commandline.h"

#include "coretable.h"
#include "displaymask.h"
#include "entries.h"
#include "fieldvalue.h"
#include "invocation.h"
#include "numbers.h"
#include "output.h"
#include "resonancesolver.h"
#include "turnshint.h"
#include "windingplan.h"

#include <QLocale>
#include <QTextStream>

#include <cmath>
#include <optional>

namespace corvane::cli {

namespace {

// N=TURNS or L=MICROHENRIES, read as the other subcommands read their entries.
int windingEntry(const QString &name)
{
    return name == QLatin1String("n") ? 0 : name == QLatin1String("l") ? 1 : -1;
}

// The whole turns of the winding into 'turns': N=TURNS as given, or
// L=MICROHENRIES turned into the turns the core's field shows. Returns the exit code.
int readTurns(const Invocation &invocation, const CoreTable &table, int record, int &turns)
{
    std::vector<Entry> entries;
    if (!readEntries(invocation,
                     { windingEntry, "'%1' is not L=MICROHENRIES or N=TURNS", "'%1' is not L or N",
                       "'%1' is not a positive number (digits and \".\" only)" },
                     entries))
        return Usage;
    if (entries.size() != 1)
        return invocation.usageError(QStringLiteral("give one of L=MICROHENRIES and N=TURNS"));
    const Entry &entry = entries.front();
    const double value = fieldValue(entry.text);
    const bool turnsGiven = entry.field == 0;
    if (!(value > 0) || (turnsGiven && (value != std::floor(value) || value > 1e6)))
        return invocation.usageError(QStringLiteral("'%1' is not a positive %2")
                                             .arg(entry.argument, turnsGiven ? "whole number of turns" : "number"));
    if (turnsGiven) {
        turns = int(value);
        return Ok;
    }
    ResonanceSolver solver(table);
    solver.setText(ResonanceSolver::InductanceField, entry.text);
    solver.txt_LostFocus(ResonanceSolver::InductanceField);
    turns = turnsHint(solver, record).windableTurns();
    if (turns == 0) {
        invocation.say(QStringLiteral("%1 uH gives no whole turn on %2").arg(entry.text, table.coreName[std::size_t(record)]));
        return Refused;
    }
    return Ok;
}

// The wire of --wire, or the thickest of the tables that takes the turns in one layer.
std::optional<MagnetWire> chosenWire(const Invocation &invocation, const CoreSize &size, int turns, int &exitCode)
{
    if (invocation.isSet("wire")) {
        const std::optional<MagnetWire> wire = MagnetWire::fromName(invocation.value("wire"));
        if (!wire)
            exitCode = invocation.usageError(
                    QStringLiteral("no wire '%1' in the wire table (26awg, 0.4mm: AWG 10 to 40, 0.10 to 2.00 mm)")
                            .arg(invocation.value("wire")));
        return wire;
    }
    if (const std::optional<MagnetWire> awg = thickestAwgInOneLayer(size, turns))
        return awg;
    return thickestMetricInOneLayer(size, turns);
}

int run(Invocation &invocation)
{
    if (!invocation.isSet("core"))
        return invocation.usageError(QStringLiteral("give the core: --core NAME"));
    CoreTable table;
    const int record = invocation.findCore(table);
    if (record == 0)
        return Usage;
    const QString coreName = table.coreName[std::size_t(record)];

    int turns = 0;
    int exitCode = readTurns(invocation, table, record, turns);
    if (exitCode != Ok)
        return exitCode;
    const std::optional<CoreSize> size = table.sizes.forCore(coreName);
    if (!size) {
        invocation.say(QStringLiteral("%1 has no size in the core table: add a SIZE line for it").arg(coreName));
        return Refused;
    }
    const std::optional<MagnetWire> wire = chosenWire(invocation, *size, turns, exitCode);
    if (exitCode != Ok)
        return exitCode;

    const double wireInches = wireLengthInches(turns, table.coreWire[std::size_t(record)]);
    const double centimetres = wireInches * MillimetresPerInch / 10;
    // No wire: none of the table takes the turns in one layer.
    const WindingPlan plan = wire ? WindingPlan::make(*size, *wire, turns, wireInches) : WindingPlan();

    if (invocation.isSet("json")) {
        const bool wound = plan.turnsPerLayer > 0;
        const QJsonObject sizeJson { { QStringLiteral("name"), size->name },
                                     { QStringLiteral("odInches"), size->outerInches },
                                     { QStringLiteral("idInches"), size->innerInches },
                                     { QStringLiteral("heightInches"), size->heightInches } };
        printJson(invocation.out(),
                  QJsonObject { { QStringLiteral("core"), coreName },
                                { QStringLiteral("size"), sizeJson },
                                { QStringLiteral("turns"), turns },
                                { QStringLiteral("wireInches"), wireInches },
                                { QStringLiteral("wireCm"), centimetres },
                                { QStringLiteral("wire"), wire ? QJsonValue(wire->displayName()) : QJsonValue() },
                                { QStringLiteral("turnsPerLayer"), numberOrNull(wound, plan.turnsPerLayer) },
                                { QStringLiteral("layers"), numberOrNull(wound, plan.layers) },
                                { QStringLiteral("fillPercent"), numberOrNull(wound, plan.fillPercent) },
                                { QStringLiteral("resistanceOhms"), numberOrNull(bool(wire), plan.resistanceOhms) } });
        return Ok;
    }

    QTextStream &out = invocation.out();
    out << "Core: " << coreName << " (" << size->name << ": OD " << tableFigure(size->outerInches) << " in, ID "
        << tableFigure(size->innerInches) << " in, height " << tableFigure(size->heightInches) << " in)\n"
        << "Turns: " << turns << '\n'
        << "Wire length: " << formatMask(wireInches, mask::turns) << " in (" << shortDecimal(centimetres, 1) << " cm)\n";
    if (!wire) {
        out << "No wire of the table takes " << turns << " turns in one layer.\n";
        return Ok;
    }
    out << "Wire: " << wire->displayName() << ", " << QLocale::c().toString(wire->overallMaxMm, 'f', 3)
        << " mm over the enamel\n";
    if (plan.turnsPerLayer == 0)
        out << "The wire does not go through the core's hole.\n";
    else
        out << "Turns per layer: " << plan.turnsPerLayer << '\n'
            << "Layers: " << plan.layers << '\n'
            << "Fill: " << QLocale::c().toString(plan.fillPercent, 'f', 1) << " % of the inner circumference\n";
    out << "DC resistance: " << significantText(plan.resistanceOhms, 3) << " ohms\n";
    return Ok;
}

} // namespace

Command windingCommand()
{
    return { "winding", "the turns on a core and the wire that fits", "the usage", true,
             { { "core", "NAME" }, { "wire", "WIRE" }, { "core-table", "FILE" }, { "json" } },
             run };
}

} // namespace corvane::cli
