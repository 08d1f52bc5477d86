#include "commandline.h"

#include "coretable.h"
#include "displaymask.h"
#include "invocation.h"
#include "numbers.h"
#include "output.h"
#include "resonancesolver.h"
#include "turnshint.h"
#include "windingplan.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTextStream>

#include <cmath>
#include <optional>

namespace corvane::cli {

namespace {

// What the user typed into the inductance field: digits and ".".
bool isFieldNumber(const QString &text)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9.]+$"));
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok);
    return digits.match(text).hasMatch() && ok && isPositiveFinite(value);
}

// The whole turns of the winding: N=TURNS as given, or L=MICROHENRIES turned
// into the turns the core's field shows.
int wholeTurns(const Invocation &invocation, const CoreTable &table, int record, int &exitCode)
{
    if (invocation.arguments().size() != 1) {
        exitCode = invocation.usageError(QStringLiteral("give one of L=MICROHENRIES and N=TURNS"));
        return 0;
    }
    const QString argument = invocation.arguments().first();
    const QString name = argument.section(QLatin1Char('='), 0, 0).toUpper();
    const QString text = argument.section(QLatin1Char('='), 1);
    if (!argument.contains(QLatin1Char('=')) || (name != QLatin1String("N") && name != QLatin1String("L"))) {
        exitCode = invocation.usageError(QStringLiteral("'%1' is not L=MICROHENRIES or N=TURNS").arg(argument));
        return 0;
    }
    if (!isFieldNumber(text)) {
        exitCode = invocation.usageError(QStringLiteral("%1 must be a positive number, not '%2'").arg(name, text));
        return 0;
    }
    if (name == QLatin1String("N")) {
        const double turns = QLocale::c().toDouble(text);
        if (turns != std::floor(turns) || turns > 1e6) {
            exitCode = invocation.usageError(QStringLiteral("N must be a whole number of turns, not '%1'").arg(text));
            return 0;
        }
        return int(turns);
    }
    ResonanceSolver solver(table);
    solver.setText(ResonanceSolver::InductanceField, text);
    solver.txt_LostFocus(ResonanceSolver::InductanceField);
    const TurnsHint hint = turnsHint(solver, record);
    if (!hint.hasWinding || hint.wholeTurns < 1 || hint.wholeTurns > 1e6) {
        invocation.say(QStringLiteral("%1 uH gives no whole turn on %2").arg(text, table.coreName[std::size_t(record)]));
        exitCode = Refused;
        return 0;
    }
    return int(hint.wholeTurns);
}

// The wire of --wire, or the thickest of the tables that takes the turns in one layer.
std::optional<MagnetWire> chosenWire(const Invocation &invocation, const CoreSize &size, int turns, int &exitCode)
{
    if (invocation.isSet("wire")) {
        const std::optional<MagnetWire> wire = MagnetWire::fromName(invocation.value("wire"));
        if (!wire)
            exitCode = invocation.usageError(QStringLiteral("no wire '%1' in the wire table (26awg, 0.4mm: AWG 10 to 40, "
                                                            "0.10 to 2.00 mm)")
                                                     .arg(invocation.value("wire")));
        return wire;
    }
    if (const std::optional<MagnetWire> awg = thickestAwgInOneLayer(size, turns))
        return awg;
    return thickestMetricInOneLayer(size, turns);
}

QString inches(double value)
{
    return QLocale::c().toString(value, 'g', QLocale::FloatingPointShortest);
}

int run(Invocation &invocation)
{
    if (!invocation.isSet("core"))
        return invocation.usageError(QStringLiteral("give the core: --core NAME"));
    const QString path = invocation.isSet("core-table") ? invocation.value("core-table") : defaultCoreTablePath();
    const CoreTable table = CoreTable::load(path);
    const QString coreName = invocation.value("core").toUpper();
    int record = 0;
    for (int i = 1; i <= table.coreCount && record == 0; ++i)
        if (table.coreName[std::size_t(i)] == coreName)
            record = i;
    if (record == 0)
        return invocation.usageError(QStringLiteral("no core %1 in the core table %2").arg(coreName, path));

    int exitCode = Ok;
    const int turns = wholeTurns(invocation, table, record, exitCode);
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
    const std::optional<WindingPlan> plan =
            wire ? std::optional<WindingPlan>(WindingPlan::make(*size, *wire, turns, wireInches)) : std::nullopt;

    if (invocation.isSet("json")) {
        const bool wound = plan && plan->turnsPerLayer > 0;
        printJson(invocation.out(),
                  QJsonObject { { QStringLiteral("core"), coreName },
                                { QStringLiteral("size"), QJsonObject { { QStringLiteral("name"), size->name },
                                                                        { QStringLiteral("odInches"), size->outerInches },
                                                                        { QStringLiteral("idInches"), size->innerInches },
                                                                        { QStringLiteral("heightInches"), size->heightInches } } },
                                { QStringLiteral("turns"), turns },
                                { QStringLiteral("wireInches"), wireInches },
                                { QStringLiteral("wireCm"), centimetres },
                                { QStringLiteral("wire"), wire ? QJsonValue(wire->displayName()) : QJsonValue() },
                                { QStringLiteral("turnsPerLayer"), numberOrNull(wound, wound ? plan->turnsPerLayer : 0) },
                                { QStringLiteral("layers"), numberOrNull(wound, wound ? plan->layers : 0) },
                                { QStringLiteral("fillPercent"), numberOrNull(wound, wound ? plan->fillPercent : 0) },
                                { QStringLiteral("resistanceOhms"), numberOrNull(bool(plan), plan ? plan->resistanceOhms : 0) } });
        return Ok;
    }

    QTextStream &out = invocation.out();
    out << "Core: " << coreName << " (" << size->name << ": OD " << inches(size->outerInches) << " in, ID "
        << inches(size->innerInches) << " in, height " << inches(size->heightInches) << " in)\n"
        << "Turns: " << turns << '\n'
        << "Wire length: " << formatMask(wireInches, mask::turns) << " in (" << shortDecimal(centimetres, 1) << " cm)\n";
    if (!plan) {
        out << "No wire of the table takes " << turns << " turns in one layer.\n";
        return Ok;
    }
    out << "Wire: " << wire->displayName() << ", " << QLocale::c().toString(wire->overallMaxMm, 'f', 3)
        << " mm over the enamel\n";
    if (plan->turnsPerLayer == 0)
        out << "The wire does not go through the core's hole.\n";
    else
        out << "Turns per layer: " << plan->turnsPerLayer << '\n'
            << "Layers: " << plan->layers << '\n'
            << "Fill: " << QLocale::c().toString(plan->fillPercent, 'f', 1) << " % of the inner circumference\n";
    out << "DC resistance: " << significantText(plan->resistanceOhms, 3) << " ohms\n";
    return Ok;
}

} // namespace

Command windingCommand()
{
    return { "winding", "the turns on a core and the wire that fits", "the usage", true,
             { { "core", "NAME", nullptr },
               { "wire", "WIRE", nullptr },
               { "core-table", "FILE", nullptr },
               { "json", nullptr, nullptr } },
             run };
}

} // namespace corvane::cli
