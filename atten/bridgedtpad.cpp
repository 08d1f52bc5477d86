#include "bridgedtpad.h"

#include <cmath>

namespace corvane {

namespace {

bool positive(double x)
{
    return std::isfinite(x) && x > 0;
}

} // namespace

BridgedTPad BridgedTPad::design(double z, double db)
{
    BridgedTPad pad;
    const double k = std::pow(10.0, db / 20);
    if (!positive(z) || !positive(db) || !positive(k - 1) || !std::isfinite(k))
        return pad;
    pad.seriesOhm = z;
    pad.bridgeOhm = z * (k - 1);
    pad.shuntOhm = z / (k - 1);
    pad.valid = positive(pad.bridgeOhm) && positive(pad.shuntOhm);
    return pad;
}

BridgedTPad::Power BridgedTPad::power(double z, double inputWatts) const
{
    Power p;
    if (!valid || !positive(z) || !positive(inputWatts))
        return p;
    // With 1 V at the input, the centre c and the output o obey
    //   c (1/Ra + 1/Rc + 1/Rs) - o / Rc = 1 / Ra
    //   -c / Rc + o (1/Rb + 1/Rc + 1/Z) = 1 / Rb
    // (Ra, Rc the arms, Rb the bridge, Rs the shunt).
    const double a11 = 2 / seriesOhm + 1 / shuntOhm;
    const double a12 = -1 / seriesOhm;
    const double a22 = 1 / bridgeOhm + 1 / seriesOhm + 1 / z;
    const double b1 = 1 / seriesOhm;
    const double b2 = 1 / bridgeOhm;
    const double det = a11 * a22 - a12 * a12;
    const double c = (b1 * a22 - a12 * b2) / det;
    const double o = (a11 * b2 - a12 * b1) / det;
    const double inputCurrent = (1 - c) / seriesOhm + (1 - o) / bridgeOhm;
    const double v1 = std::sqrt(inputWatts / inputCurrent); // P = V1^2 / Zin, Zin = 1 / current at 1 V
    auto squared = [v1](double volts) { return volts * volts * v1 * v1; };
    p.inputArm = squared(1 - c) / seriesOhm;
    p.outputArm = squared(c - o) / seriesOhm;
    p.bridge = squared(1 - o) / bridgeOhm;
    p.shunt = squared(c) / shuntOhm;
    p.load = squared(o) / z;
    p.inputWatts = inputWatts;
    p.valid = std::isfinite(p.inputArm) && std::isfinite(p.bridge) && std::isfinite(p.shunt) && std::isfinite(p.load);
    return p;
}

} // namespace corvane
