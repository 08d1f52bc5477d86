#include "matchingpad.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace corvane {

namespace {

bool positive(double x)
{
    return std::isfinite(x) && x > 0;
}

// Rounding leaves a part that should be 0 (or open) at the very minimum loss
// a hair below it: such a part is taken as 0.
double notBelowZero(double ohms, double scale)
{
    return ohms < 0 && ohms > -1e-9 * scale ? 0 : ohms;
}

bool designable(double zIn, double zOut, double db)
{
    return positive(zIn) && positive(zOut) && positive(db)
            && db >= MatchingPad::minimumLossDb(zIn, zOut) && std::isfinite(std::pow(10.0, db / 10));
}

} // namespace

double MatchingPad::minimumLossDb(double zIn, double zOut)
{
    if (!positive(zIn) || !positive(zOut))
        return 0;
    const double r = std::max(zIn, zOut) / std::min(zIn, zOut);
    return 20 * std::log10(std::sqrt(r) + std::sqrt(r - 1));
}

MatchingPad::Design MatchingPad::t(double zIn, double zOut, double db)
{
    Design d;
    d.kind = PadCheck::T;
    if (!designable(zIn, zOut, db))
        return d;
    const double k = std::pow(10.0, db / 20);
    const double k2 = std::pow(10.0, db / 10);
    d.middle = 2 * k * std::sqrt(zIn * zOut) / (k2 - 1);
    d.input = notBelowZero(zIn * (k2 + 1) / (k2 - 1) - d.middle, zIn);
    d.output = notBelowZero(zOut * (k2 + 1) / (k2 - 1) - d.middle, zOut);
    d.valid = d.input >= 0 && d.output >= 0 && positive(d.middle);
    return d;
}

MatchingPad::Design MatchingPad::pi(double zIn, double zOut, double db)
{
    Design d;
    d.kind = PadCheck::Pi;
    if (!designable(zIn, zOut, db))
        return d;
    const double k = std::pow(10.0, db / 20);
    const double k2 = std::pow(10.0, db / 10);
    d.middle = (k2 - 1) * std::sqrt(zIn * zOut) / (2 * k);
    // Each shunt from its conductance, which is 0 for an open shunt.
    auto shunt = [&](double z) {
        const double conductance = notBelowZero((k2 + 1) / (z * (k2 - 1)) - 1 / d.middle, 1 / z);
        return conductance > 0 ? 1 / conductance : std::numeric_limits<double>::infinity();
    };
    d.input = shunt(zIn);
    d.output = shunt(zOut);
    d.valid = positive(d.middle) && d.input > 0 && d.output > 0;
    return d;
}

MatchingPad::Design MatchingPad::minimumLoss(double zIn, double zOut)
{
    Design d;
    d.kind = PadCheck::T;
    if (!positive(zIn) || !positive(zOut) || zIn == zOut)
        return d;
    const double high = std::max(zIn, zOut);
    const double low = std::min(zIn, zOut);
    const double root = std::sqrt(1 - low / high);
    const double series = high * root;
    d.middle = low / root;
    (zIn > zOut ? d.input : d.output) = series;
    d.valid = positive(series) && positive(d.middle);
    return d;
}

MatchingPad::Power MatchingPad::power(const Design &design, double zOut, double inputWatts)
{
    Power p;
    if (!design.valid || !positive(zOut) || !positive(inputWatts))
        return p;
    if (design.kind == PadCheck::T) {
        // The shunt in parallel with the output arm and the load.
        const double branch = 1 / (1 / design.middle + 1 / (design.output + zOut));
        const double zin = design.input + branch;
        const double v1 = std::sqrt(inputWatts * zin);
        const double i1 = v1 / zin;
        const double centre = i1 * branch;
        const double i3 = centre / (design.output + zOut);
        p.input = i1 * i1 * design.input;
        p.middle = centre * centre / design.middle;
        p.output = i3 * i3 * design.output;
        p.load = i3 * i3 * zOut;
    } else {
        // An open shunt has a conductance of 0 and takes no power.
        const double tail = 1 / (1 / design.output + 1 / zOut);
        const double zin = 1 / (1 / design.input + 1 / (design.middle + tail));
        const double v1 = std::sqrt(inputWatts * zin);
        const double current = v1 / (design.middle + tail);
        const double v2 = current * tail;
        p.input = v1 * v1 / design.input;
        p.middle = current * current * design.middle;
        p.output = v2 * v2 / design.output;
        p.load = v2 * v2 / zOut;
    }
    p.inputWatts = inputWatts;
    p.valid = std::isfinite(p.input) && std::isfinite(p.middle) && std::isfinite(p.output) && std::isfinite(p.load);
    return p;
}

} // namespace corvane
