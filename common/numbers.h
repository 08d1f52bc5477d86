#pragma once

#include <QString>

#include <cmath>

namespace corvane {

// 2 pi to ten significant digits: the results users compare with their notes
// were worked out with this value, not with the full-precision one, and every
// frequency the program shows uses it, so that a part that gives the asked
// inductance or capacitance exactly shows the frequency field's own value.
constexpr double TwoPi = 6.283185307;
// Pi at full precision for the winding arithmetic, which has no older figures to match.
constexpr double Pi = 3.14159265358979323846;
constexpr double MillimetresPerInch = 25.4;
constexpr double MetresPerInch = 0.0254;

// Whether a number can be calculated with as a quantity: finite and above 0.
inline bool isPositiveFinite(double value) { return std::isfinite(value) && value > 0; }

// Voltage and power ratios of a level in dB: 10^(dB / 20) and 10^(dB / 10).
inline double voltageRatioOfDb(double db) { return std::pow(10.0, db / 20); }
inline double powerRatioOfDb(double db) { return std::pow(10.0, db / 10); }
// Watts and dBm (0 dBm = 1 mW).
inline double wattsOfDbm(double dbm) { return std::pow(10.0, (dbm - 30) / 10); }
inline double dbmOfWatts(double watts) { return 10 * std::log10(watts * 1000); }

// The decimals that show 'significant' digits of 'value', at least 'least'
// and at most 15; a value of 0 gets significant - 1.
int decimalsFor(double value, int significant, int least = 0);
// 'value' with that many decimals: fixed(0.5204, 3) is "0.520".
QString fixed(double value, int significant, int least = 0);

// A number with at most 'decimals' decimals and none of the trailing zeros a
// table entry or a hint does not need: 4.9, 1075, 0.627.
QString shortDecimal(double value, int decimals);
// shortDecimal with 'significant' digits: significantText(1233.21, 4) is "1233".
QString significantText(double value, int significant);

// A difference in per cent with its sign and two decimals: "+5.35 %",
// "-2.76 %"; one that rounds to nothing is "0.00 %", without a sign.
QString signedPercent(double percent);

// "96.25 ohms" with 'decimals' decimals; an infinite value is an open place: "open".
QString ohmsText(double ohms, int decimals);
// "10.00 dB": two decimals, or more when given.
QString dbText(double db, int decimals = 2);
// Three significant digits and the unit: "0.520 W", "12.3 W"; what rounding
// leaves in a part that carries no current is "0 W".
QString wattsText(double watts);

} // namespace corvane
