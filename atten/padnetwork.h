#pragma once

#include "pad.h"

#include <QString>

namespace corvane {

// What a pad does between a source of internal resistance zIn and a load of
// zOut, with whatever resistors it is built from (the exact design, or the
// nearest standard parts), when 'inputWatts' enters it.
struct PadNetwork
{
    bool valid = false;       // the pad, both impedances and the power usable
    // Insertion loss: 20 log10 of the load voltage without the pad (the load
    // straight on the source) over the load voltage with the pad. For an
    // exact design between equal impedances it is the attenuation asked for.
    double lossDb = 0;
    double inputOhm = 0;      // looking into the pad terminated in zOut
    double returnLossDb = 0;  // -20 log10(|Zin - zIn| / (Zin + zIn)); infinite when matched
    double inputWatts = 0;
    double watts[Pad::PlaceCount] = {}; // in each part; they and the load add up to inputWatts
    double loadWatts = 0;

    static PadNetwork of(const Pad &pad, double zIn, double zOut, double inputWatts = 1);

    // The wattage a part should be rated for: the smallest of the usual
    // ratings 1/8, 1/4, 1/2, 1, 2, 3, 5, 10, 25, 50 and 100 W that is at least
    // Derating times its power (a resistor run at half its rating stays cool
    // enough to keep its value); 0 when even 100 W is too small.
    static constexpr double Derating = 2;
    static double rating(double watts);
    // "1/8 W", "2 W", or "over 100 W" for 0.
    static QString ratingText(double ratingWatts);
};

} // namespace corvane
