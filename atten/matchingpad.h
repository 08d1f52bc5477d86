#pragma once

#include "padcheck.h"

namespace corvane {

// Pi and T pads that match a source of impedance zIn to a load of another
// impedance zOut at a given attenuation, and the minimum-loss pad between the
// two. The attenuation is the power into the pad over the power into the
// load, in dB: with K = 10^(dB / 20), K squared is that ratio.
//
// A resistive match between unequal impedances loses at least
// K_min = sqrt(r) + sqrt(r - 1), r the larger impedance over the smaller:
// at that loss the T's series arm on the low side is 0 and the Pi's shunt on
// the high side is open, and both become the minimum-loss L pad.
class MatchingPad
{
public:
    struct Design
    {
        bool valid = false;
        PadCheck::Kind kind = PadCheck::T;
        // Pi: input shunt, series, output shunt (an open shunt is infinite).
        // T: input series, shunt, output series (0 where there is no part).
        double input = 0;
        double middle = 0;
        double output = 0;
    };

    // Power in watts in each part and in the load when 'inputWatts' enters
    // the pad terminated in zOut; they add up to the input power.
    struct Power
    {
        bool valid = false;
        double inputWatts = 0;
        double input = 0;
        double middle = 0;
        double output = 0;
        double load = 0;
    };

    // 20 log10 K_min; 0 for equal impedances.
    static double minimumLossDb(double zIn, double zOut);
    // Not valid below the minimum loss or for impedances that are not positive.
    static Design pi(double zIn, double zOut, double db);
    static Design t(double zIn, double zOut, double db);
    // The L pad at the minimum loss, written as a T: a series resistor on the
    // side of the higher impedance, a shunt across the lower one. Not valid
    // for equal impedances, which need no pad.
    static Design minimumLoss(double zIn, double zOut);

    static Power power(const Design &design, double zOut, double inputWatts);
};

} // namespace corvane
