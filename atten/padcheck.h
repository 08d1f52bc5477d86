#pragma once

namespace corvane {

// Network analysis of a symmetric resistive pad placed between a source of
// internal resistance Z and a load Z, with whatever resistors it is built
// from (for example the nearest standard values instead of the exact ones).
//   Pi: shunt R1 at the input, series R2, shunt R1 at the output.
//   T:  series R3 at the input, shunt R4, series R3 at the output.
class PadCheck
{
public:
    enum Kind { Pi, T };

    struct Figures
    {
        bool valid = false;       // all resistors and Z positive and finite
        // Insertion loss: 20 log10 of the load voltage without the pad (the
        // load straight on the source) over the load voltage with the pad.
        // For the exact design resistors it equals the attenuation asked for.
        double insertionLossDb = 0;
        double inputOhm = 0;      // looking into the pad terminated in Z
        double reflection = 0;    // |Zin - Z| / (Zin + Z)
        double returnLossDb = 0;  // -20 log10(reflection); infinite when matched
    };

    // Power in watts in each part when 'inputWatts' enters the pad input,
    // the pad being terminated in Z: first and last are the two resistors at
    // the input and at the output (Pi R1, T R3), middle the one between them
    // (Pi R2, T R4). The five add up to the input power.
    struct Power
    {
        bool valid = false;
        double inputWatts = 0;
        double first = 0;
        double middle = 0;
        double last = 0;
        double load = 0;
    };

    // 'outer' is R1 (Pi) or R3 (T), 'middle' R2 (Pi) or R4 (T).
    static Figures figures(Kind kind, double outer, double middle, double z);
    static Power power(Kind kind, double outer, double middle, double z, double inputWatts);

    // Above this return loss the input is as good as matched for the hints.
    static constexpr double MatchedReturnLossDb = 60;
};

} // namespace corvane
