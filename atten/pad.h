#pragma once

namespace corvane {

// A resistive pad: its kind and its parts, each named by its place.
//   Pi:        shunt at the input, series in the middle, shunt at the output.
//   T:         series arm at the input, shunt in the middle, series arm at the output.
//   Bridged T: a T with a bridge straight from the input to the output.
// An open shunt is infinite, a missing series arm 0.
//
// Besides the symmetric pads built from given resistors, the designs: pads
// that match a source of impedance zIn to a load of zOut at an attenuation
// (the power into the pad over the power into the load, K squared with
// K = 10^(dB / 20)), the minimum-loss pad between the two, and the bridged T.
// A resistive match between unequal impedances loses at least
// K_min = sqrt(r) + sqrt(r - 1), r the larger impedance over the smaller: at
// that loss the T's series arm on the low side is 0 and the Pi's shunt on the
// high side is open, and both become the minimum-loss L pad.
struct Pad
{
    enum Kind { Pi, T, BridgedT };
    enum Place { Input, Middle, Output, Bridge, PlaceCount };

    bool valid = false;
    Kind kind = T;
    double ohms[PlaceCount] = {};

    // Outer is Pi R1 or T R3 at both ends, middle Pi R2 or T R4.
    static Pad symmetric(Kind kind, double outer, double middle);

    // 20 log10 K_min; 0 for equal impedances.
    static double minimumLossDb(double zIn, double zOut);
    // The Pi or the T; not valid below the minimum loss or for impedances
    // that are not positive.
    static Pad matching(Kind kind, double zIn, double zOut, double db);
    // The L pad at the minimum loss, written as a T: a series arm on the side
    // of the higher impedance, the shunt across the lower one. Not valid for
    // equal impedances, which need no pad.
    static Pad minimumLoss(double zIn, double zOut);
    // Z on both sides: arms of Z, the bridge Z (K - 1) and the shunt Z / (K - 1).
    // Terminated in Z it presents Z and divides the voltage by K.
    static Pad bridgedT(double z, double db);
};

} // namespace corvane
