#pragma once

#include "coresize.h"

#include <QString>

#include <optional>

namespace corvane {

class ResonanceSolver;
struct CoreTable;

// What the tooltip of a turns field tells about the winding it shows: the
// core's own figures, the exact turns, and what the whole number of turns
// in the field really gives against the inductance asked for.
struct TurnsHint
{
    int record = 0;            // 1..50
    bool hasCore = false;      // a loaded record with a positive AL
    QString coreName;
    // Which core table was read, or that none was found (coreTableReport).
    QString tableReport;
    double alNh = 0;           // nH per turn squared
    double uhPer100Turns = 0;  // the same AL as iron powder catalogues give it
    double wirePerTurn = 0;    // inches
    std::optional<CoreSize> size; // from the core table's SIZE lines

    // Set once the turns column has been worked out for an inductance.
    bool hasWinding = false;
    double exactTurns = 0;
    double wholeTurns = 0;      // the number the field shows
    double indHenry = 0;        // the inductance asked for
    double wholeTurnsHenry = 0; // n * n * AL
    double errorPercent = 0;    // of wholeTurnsHenry against indHenry
    // The whole turns as a count a wire is wound with: 0 when there are none
    // or too many to count.
    int windableTurns() const { return hasWinding && wholeTurns >= 1 && wholeTurns <= 1e6 ? int(wholeTurns) : 0; }

    // Set when a capacitance is known and the whole turns give an inductance.
    bool hasFrequency = false;
    double capFarad = 0;
    double wholeTurnsFreqHz = 0; // 1 / (2 pi sqrt(L C)) with the whole turns
};

// The hint of core record 'record' (1..50) from the table and the numbers of
// the calculation: 'exactTurns' 0 means the column holds no winding (nothing
// worked out yet, or erased); 'capFarad' 0 means no capacitance is known.
TurnsHint turnsHint(const CoreTable &cores, int record, double exactTurns, double indHenry, double capFarad);

// The same from the solver's state.
TurnsHint turnsHint(const ResonanceSolver &solver, int record);

// The first line of the tooltip, which depends on the core table alone: the
// core's figures, or the line that says the slot has no core.
QString turnsHintHeading(const TurnsHint &hint);
// The tooltip text, its first line made beforehand by turnsHintHeading so
// that a window makes the fifty headings once rather than on every change:
// several lines, or for a slot without a core the heading alone.
QString turnsHintText(const TurnsHint &hint, const QString &heading);

// The one-line summary of the winding for the command line, or an empty text
// when there is no winding: "10 turns give 4.900 uH (-2.48 %), resonant at ..."
QString wholeTurnsSummary(const TurnsHint &hint);

} // namespace corvane
