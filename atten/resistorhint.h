#pragma once

#include "padnetwork.h"
#include "standardseries.h"

#include <QString>

namespace corvane {

class AttenSolver;

// What the tooltip of a resistor field of the attenuator window tells: the
// nearest standard values of its resistor and the best pair of E24 parts for
// it, and how the pad it belongs to turns out when every resistor of it is
// the nearest standard part, or the best E24 pair.
struct ResistorHint
{
    int field = 0;             // 2..7
    bool valid = false;        // the field's resistor is known (not 0)
    Pad::Kind kind = Pad::Pi;
    double ohms = 0;
    double e24 = 0;
    double e96 = 0;

    struct StandardPad
    {
        StandardSeries::Series series = StandardSeries::E24;
        double outer = 0;      // R1 or R3
        double middle = 0;     // R2 or R4
        PadNetwork figures;
    };
    // Set when both resistors of the pad and the impedance are known.
    bool hasPads = false;
    double impedOhm = 0;
    StandardPad e24Pad;
    StandardPad e96Pad;

    // Two E24 parts in series or in parallel, whichever comes closer; the
    // smaller one at least SmallestPairOhm. Not valid below that.
    StandardSeries::Pair pair;
    static constexpr double SmallestPairOhm = 1;
    // The pad with both of its resistors made of their best pairs; set with
    // hasPads when both pairs exist.
    bool hasPairPad = false;
    StandardSeries::Pair outerPair;
    StandardSeries::Pair middlePair;
    PadNetwork pairPadFigures;
};

// The hint of field 'field' (2..7) from the solver's stored numbers; fields
// 0 and 1 and resistors that are 0 give a hint that is not valid.
ResistorHint resistorHint(const AttenSolver &solver, int field);

// The tooltip text, or an empty text for a hint that is not valid.
QString resistorHintText(const ResistorHint &hint);

} // namespace corvane
