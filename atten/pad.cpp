#include "pad.h"

#include "numbers.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace corvane {

namespace {

// At the very minimum loss the T's arm on the low side is 0 and the Pi's
// shunt on the high side has no conductance. Both are the difference of two
// nearly equal numbers, which rounding leaves a hair either side of 0: within
// that hair the part is 0, and the shunt open.
double vanishing(double value, double scale)
{
    return std::fabs(value) < 1e-9 * scale ? 0 : value;
}

bool designable(double zIn, double zOut, double db)
{
    return isPositiveFinite(zIn) && isPositiveFinite(zOut) && isPositiveFinite(db)
            && db >= Pad::minimumLossDb(zIn, zOut) && std::isfinite(powerRatioOfDb(db));
}

} // namespace

Pad Pad::symmetric(Kind kind, double outer, double middle)
{
    Pad pad;
    pad.kind = kind;
    pad.ohms[Input] = pad.ohms[Output] = outer;
    pad.ohms[Middle] = middle;
    pad.valid = isPositiveFinite(outer) && isPositiveFinite(middle);
    return pad;
}

double Pad::minimumLossDb(double zIn, double zOut)
{
    if (!isPositiveFinite(zIn) || !isPositiveFinite(zOut))
        return 0;
    const double r = std::max(zIn, zOut) / std::min(zIn, zOut);
    return 20 * std::log10(std::sqrt(r) + std::sqrt(r - 1));
}

Pad Pad::matching(Kind kind, double zIn, double zOut, double db)
{
    Pad pad;
    pad.kind = kind;
    if (kind == BridgedT || !designable(zIn, zOut, db))
        return pad;
    const double k = voltageRatioOfDb(db);
    const double k2 = powerRatioOfDb(db);
    double *r = pad.ohms;
    if (kind == T) {
        r[Middle] = 2 * k * std::sqrt(zIn * zOut) / (k2 - 1);
        r[Input] = vanishing(zIn * (k2 + 1) / (k2 - 1) - r[Middle], zIn);
        r[Output] = vanishing(zOut * (k2 + 1) / (k2 - 1) - r[Middle], zOut);
        pad.valid = r[Input] >= 0 && r[Output] >= 0 && isPositiveFinite(r[Middle]);
        return pad;
    }
    r[Middle] = (k2 - 1) * std::sqrt(zIn * zOut) / (2 * k);
    // Each shunt from its conductance, which is 0 for an open shunt.
    auto shunt = [&](double z) {
        const double conductance = vanishing((k2 + 1) / (z * (k2 - 1)) - 1 / r[Middle], 1 / z);
        return conductance > 0 ? 1 / conductance : std::numeric_limits<double>::infinity();
    };
    r[Input] = shunt(zIn);
    r[Output] = shunt(zOut);
    pad.valid = isPositiveFinite(r[Middle]) && r[Input] > 0 && r[Output] > 0;
    return pad;
}

Pad Pad::minimumLoss(double zIn, double zOut)
{
    Pad pad;
    if (!isPositiveFinite(zIn) || !isPositiveFinite(zOut) || zIn == zOut)
        return pad;
    const double high = std::max(zIn, zOut);
    const double low = std::min(zIn, zOut);
    const double root = std::sqrt(1 - low / high);
    const double series = high * root;
    pad.ohms[Middle] = low / root;
    pad.ohms[zIn > zOut ? Input : Output] = series;
    pad.valid = isPositiveFinite(series) && isPositiveFinite(pad.ohms[Middle]);
    return pad;
}

Pad Pad::bridgedT(double z, double db)
{
    Pad pad;
    pad.kind = BridgedT;
    const double k = voltageRatioOfDb(db);
    if (!isPositiveFinite(z) || !isPositiveFinite(db) || !isPositiveFinite(k - 1))
        return pad;
    pad.ohms[Input] = pad.ohms[Output] = z;
    pad.ohms[Bridge] = z * (k - 1);
    pad.ohms[Middle] = z / (k - 1);
    pad.valid = isPositiveFinite(pad.ohms[Bridge]) && isPositiveFinite(pad.ohms[Middle]);
    return pad;
}

} // namespace corvane
