#include "padcheck.h"

#include <cmath>
#include <limits>

namespace corvane {

namespace {

bool positive(double x)
{
    return std::isfinite(x) && x > 0;
}

double parallel(double a, double b)
{
    return a * b / (a + b);
}

// The input resistance of the pad with Z on its output.
double inputOhm(PadCheck::Kind kind, double outer, double middle, double z)
{
    if (kind == PadCheck::Pi)
        return parallel(outer, middle + parallel(outer, z));
    return outer + parallel(middle, outer + z);
}

// Output voltage over input voltage of the pad terminated in Z.
double transfer(PadCheck::Kind kind, double outer, double middle, double z)
{
    if (kind == PadCheck::Pi) {
        const double tail = parallel(outer, z); // output shunt with the load
        return tail / (middle + tail);
    }
    const double branch = parallel(middle, outer + z); // seen from the T's centre
    return branch / (outer + branch) * z / (outer + z);
}

} // namespace

PadCheck::Figures PadCheck::figures(Kind kind, double outer, double middle, double z)
{
    Figures f;
    if (!positive(outer) || !positive(middle) || !positive(z))
        return f;
    const double zin = inputOhm(kind, outer, middle, z);
    // Source EMF 1: without the pad the load sees 1/2; with it the input sees
    // zin / (z + zin) and the output that times the pad's transfer.
    const double withPad = zin / (z + zin) * transfer(kind, outer, middle, z);
    f.insertionLossDb = 20 * std::log10(0.5 / withPad);
    f.inputOhm = zin;
    f.reflection = std::fabs(zin - z) / (zin + z);
    f.returnLossDb = f.reflection > 0 ? -20 * std::log10(f.reflection) : std::numeric_limits<double>::infinity();
    f.valid = std::isfinite(f.insertionLossDb) && positive(f.inputOhm);
    return f;
}

PadCheck::Power PadCheck::power(Kind kind, double outer, double middle, double z, double inputWatts)
{
    Power p;
    if (!positive(outer) || !positive(middle) || !positive(z) || !positive(inputWatts))
        return p;
    const double zin = inputOhm(kind, outer, middle, z);
    const double v1 = std::sqrt(inputWatts * zin); // P = V1^2 / Zin
    if (kind == Pi) {
        const double tail = parallel(outer, z);
        const double current = v1 / (middle + tail); // through R2
        const double v2 = current * tail;
        p.first = v1 * v1 / outer;
        p.middle = current * current * middle;
        p.last = v2 * v2 / outer;
        p.load = v2 * v2 / z;
    } else {
        const double i1 = v1 / zin; // through the input R3
        const double centre = v1 - i1 * outer;
        const double i3 = centre / (outer + z); // through the output R3 and the load
        p.first = i1 * i1 * outer;
        p.middle = centre * centre / middle;
        p.last = i3 * i3 * outer;
        p.load = i3 * i3 * z;
    }
    p.inputWatts = inputWatts;
    p.valid = std::isfinite(p.first) && std::isfinite(p.middle) && std::isfinite(p.last) && std::isfinite(p.load);
    return p;
}

} // namespace corvane
