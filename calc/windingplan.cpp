#include "windingplan.h"

#include <QStringList>
#include <QVector>

#include <cmath>

namespace corvane {

namespace {

double innerCircumferenceMm(const CoreSize &size, double overallMm)
{
    return Pi * (size.innerMm() - overallMm);
}

std::optional<MagnetWire> thickestInOneLayer(const QVector<MagnetWire> &thickestFirst, const CoreSize &size, int turns)
{
    if (turns < 1)
        return std::nullopt;
    for (const MagnetWire &wire : thickestFirst)
        if (turnsPerLayer(size, wire.overallMaxMm) >= turns)
            return wire;
    return std::nullopt;
}

} // namespace

int turnsPerLayer(const CoreSize &size, double overallMm)
{
    if (!(overallMm > 0) || !(overallMm < size.innerMm()))
        return 0;
    // No allowance in the floor: a layer said to hold n turns holds them.
    return int(std::floor(innerCircumferenceMm(size, overallMm) / overallMm));
}

WindingPlan WindingPlan::make(const CoreSize &size, const MagnetWire &wire, int turns, double wireInches)
{
    WindingPlan plan;
    plan.turns = turns;
    plan.turnsPerLayer = corvane::turnsPerLayer(size, wire.overallMaxMm);
    if (plan.turnsPerLayer > 0) {
        plan.layers = (turns + plan.turnsPerLayer - 1) / plan.turnsPerLayer;
        plan.fillPercent = turns * wire.overallMaxMm / innerCircumferenceMm(size, wire.overallMaxMm) * 100;
    }
    plan.wireInches = wireInches;
    plan.resistanceOhms = wireInches * MetresPerInch * wire.ohmsPerMetre();
    return plan;
}

std::optional<MagnetWire> thickestAwgInOneLayer(const CoreSize &size, int turns)
{
    return thickestInOneLayer(MagnetWire::awgTable(), size, turns);
}

std::optional<MagnetWire> thickestMetricInOneLayer(const CoreSize &size, int turns)
{
    return thickestInOneLayer(MagnetWire::metricTable(), size, turns);
}

QString oneLayerLine(const CoreSize &size, int turns)
{
    QStringList wires;
    for (const auto &thickest : { thickestAwgInOneLayer(size, turns), thickestMetricInOneLayer(size, turns) })
        if (thickest)
            wires.append(thickest->displayName());
    if (wires.isEmpty())
        return QStringLiteral("One layer: no wire of the table takes %1 turns").arg(turns);
    return QStringLiteral("One layer: up to ") + wires.join(QStringLiteral(" or "));
}

} // namespace corvane
