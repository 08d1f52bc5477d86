#include "padnetwork.h"

#include "numbers.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>

namespace corvane {

namespace {

// Two resistances in parallel; an open one (infinite) leaves the other.
double parallel(double a, double b)
{
    if (std::isinf(a) || std::isinf(b))
        return std::isinf(a) ? b : a;
    return a * b / (a + b);
}

// The T of arms 'in' and 'out' and shunt 'shunt' terminated in zOut, with
// the input voltage that makes 'inputWatts' go in: the input resistance,
// the voltage transfer, and the currents and voltages that give the power.
struct TCircuit
{
    double zin, transfer, v1, i1, centre, i3;

    TCircuit(double in, double shunt, double out, double zOut, double inputWatts)
    {
        const double branch = parallel(shunt, out + zOut); // seen from the T's centre
        zin = in + branch;
        transfer = branch / (in + branch) * zOut / (out + zOut);
        v1 = std::sqrt(inputWatts * zin); // P = V1^2 / Zin
        i1 = v1 / zin;
        centre = v1 - i1 * in;
        i3 = centre / (out + zOut); // through the output arm and the load
    }
};

struct Rating
{
    double watts;
    const char *text;
};

constexpr Rating ratings[] = {
    { 0.125, "1/8 W" }, { 0.25, "1/4 W" }, { 0.5, "1/2 W" }, { 1, "1 W" },   { 2, "2 W" },     { 3, "3 W" },
    { 5, "5 W" },       { 10, "10 W" },    { 25, "25 W" },   { 50, "50 W" }, { 100, "100 W" },
};

} // namespace

double PadNetwork::rating(double watts)
{
    if (!(watts >= 0) || !std::isfinite(watts))
        return 0;
    for (const Rating &r : ratings)
        if (r.watts >= Derating * watts)
            return r.watts;
    return 0;
}

QString PadNetwork::ratingText(double ratingWatts)
{
    for (const Rating &r : ratings)
        if (r.watts == ratingWatts)
            return QString::fromLatin1(r.text);
    return QStringLiteral("over 100 W");
}

PadNetwork PadNetwork::of(const Pad &pad, double zIn, double zOut, double inputWatts)
{
    PadNetwork n;
    if (!pad.valid || !isPositiveFinite(zIn) || !isPositiveFinite(zOut) || !isPositiveFinite(inputWatts))
        return n;
    const double in = pad.ohms[Pad::Input];
    const double middle = pad.ohms[Pad::Middle];
    const double out = pad.ohms[Pad::Output];
    double *watts = n.watts;
    double transfer = 0;
    if (pad.kind == Pad::Pi) {
        const double tail = parallel(out, zOut); // output shunt with the load
        n.inputOhm = parallel(in, middle + tail);
        transfer = tail / (middle + tail);
        const double v1 = std::sqrt(inputWatts * n.inputOhm);
        const double current = v1 / (middle + tail); // through the series part
        const double v2 = current * tail;
        watts[Pad::Input] = v1 * v1 / in;
        watts[Pad::Middle] = current * current * middle;
        watts[Pad::Output] = v2 * v2 / out;
        n.loadWatts = v2 * v2 / zOut;
    } else if (pad.kind == Pad::T) {
        const TCircuit t(in, middle, out, zOut, inputWatts);
        n.inputOhm = t.zin;
        transfer = t.transfer;
        watts[Pad::Input] = t.i1 * t.i1 * in;
        watts[Pad::Middle] = t.centre * t.centre / middle;
        watts[Pad::Output] = t.i3 * t.i3 * out;
        n.loadWatts = t.i3 * t.i3 * zOut;
    } else {
        // The arms and the bridge form a triangle. As the equivalent star the
        // pad is a T whose shunt is the star's third leg in series with the
        // real shunt; the real shunt takes its share of the star centre's voltage.
        const double bridge = pad.ohms[Pad::Bridge];
        const double sum = in + out + bridge;
        const double centreLeg = in * out / sum;
        const TCircuit t(in * bridge / sum, centreLeg + middle, out * bridge / sum, zOut, inputWatts);
        n.inputOhm = t.zin;
        transfer = t.transfer;
        const double centre = t.centre * middle / (centreLeg + middle);
        const double v2 = t.i3 * zOut;
        auto across = [](double volts, double ohms) { return volts * volts / ohms; };
        watts[Pad::Input] = across(t.v1 - centre, in);
        watts[Pad::Output] = across(centre - v2, out);
        watts[Pad::Bridge] = across(t.v1 - v2, bridge);
        watts[Pad::Middle] = across(centre, middle);
        n.loadWatts = across(v2, zOut);
    }
    n.inputWatts = inputWatts;
    // With a source of EMF 1 the load gets zOut / (zIn + zOut) straight, and
    // through the pad the input's share of it times the pad's transfer.
    const double withPad = n.inputOhm / (zIn + n.inputOhm) * transfer;
    n.lossDb = 20 * std::log10(zOut / (zIn + zOut) / withPad);
    const double reflection = std::fabs(n.inputOhm - zIn) / (n.inputOhm + zIn);
    n.returnLossDb = reflection > 0 ? -20 * std::log10(reflection) : std::numeric_limits<double>::infinity();
    const bool finite = std::all_of(std::begin(n.watts), std::end(n.watts), [](double w) { return std::isfinite(w); });
    n.valid = finite && std::isfinite(n.loadWatts) && std::isfinite(n.lossDb) && isPositiveFinite(n.inputOhm);
    return n;
}

} // namespace corvane
