#pragma once

#include <QString>

namespace corvane {

// The wattage a resistor should be rated for: the smallest of the usual
// ratings 1/8, 1/4, 1/2, 1, 2, 3, 5, 10, 25, 50 and 100 W that is at least
// twice the power it dissipates (a resistor run at half its rating stays
// cool enough to keep its value).
class PowerRating
{
public:
    static constexpr double Derating = 2;

    // The rating in watts, or 0 when even 100 W is too small.
    static double forDissipation(double watts);

    // "1/8 W", "2 W", or "over 100 W" for 0.
    static QString text(double ratingWatts);
};

} // namespace corvane
