#pragma once

#include "coresize.h"
#include "magnetwire.h"

#include <QString>

#include <optional>

namespace corvane {

// A winding of whole turns of one wire on a core size. The turns lie on the
// inner edge of the core's hole, whose circumference at the wire's centre is
// pi * (ID - d) for a wire of overall diameter d.
struct WindingPlan
{
    int turns = 0;
    int turnsPerLayer = 0;     // 0: the wire does not go through the hole
    int layers = 0;            // ceil(turns / turnsPerLayer); 0 when turnsPerLayer is 0
    double fillPercent = 0;    // turns * d of the inner circumference
    double wireInches = 0;     // the wire length the plan was given
    double resistanceOhms = 0; // of that length, at 20 degrees C

    static WindingPlan make(const CoreSize &size, const MagnetWire &wire, int turns, double wireInches);
};

// The wire a winding of whole turns takes, in inches: the turns, and 2.4 in
// for the two leads.
inline double wireLengthInches(double wholeTurns, double wirePerTurnInches)
{
    return wholeTurns * wirePerTurnInches + 2.4;
}

// floor(pi * (ID - d) / d): the turns one layer holds, 0 if none.
int turnsPerLayer(const CoreSize &size, double overallMm);

// The thickest wire of the AWG table, or of the metric table, that takes
// 'turns' turns in one layer; none if no wire of that table does.
std::optional<MagnetWire> thickestAwgInOneLayer(const CoreSize &size, int turns);
std::optional<MagnetWire> thickestMetricInOneLayer(const CoreSize &size, int turns);

// The line the turns tooltip adds for a core with a size: "One layer: up to
// 23 AWG or 0.60 mm", or that no wire of the table takes the turns in one layer.
QString oneLayerLine(const CoreSize &size, int turns);

} // namespace corvane
