#pragma once

#include "standardseries.h"

#include <QString>

namespace corvane {

class ResonanceSolver;

// What the tooltip of the Capacitance field tells: the standard capacitors
// nearest the capacitance, and the best pair of E12 capacitors in parallel,
// each with the frequency it resonates at with the inductance of the
// calculation and how far that is from the frequency asked for.
struct CapacitorHint
{
    struct Choice
    {
        QString label;           // "E6", "E12", "E24" or "E12 pair"
        double capFarad = 0;     // the single part, or the pair's sum
        double smallFarad = 0;   // the pair's parts; 0 for a single part
        double largeFarad = 0;
        double freqHz = 0;
        double freqErrorPercent = 0;
    };

    // Set when both the capacitance and the inductance are known.
    bool valid = false;
    double capFarad = 0;
    double indHenry = 0;
    double freqHz = 0;           // the frequency of the calculation
    Choice e6;
    Choice e12;
    Choice e24;
    bool hasPair = false;
    Choice e12Pair;

    // The smaller capacitor of a pair is at least this.
    static constexpr double SmallestPairPf = 1;
};

CapacitorHint capacitorHint(double capFarad, double indHenry, double freqHz);
CapacitorHint capacitorHint(const ResonanceSolver &solver);

// The tooltip text, or an empty text while the hint is not valid.
QString capacitorHintText(const CapacitorHint &hint);

} // namespace corvane
