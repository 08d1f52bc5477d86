#pragma once

#include <QString>

namespace corvane {

// The preferred values of the E6 to E96 series, shared by resistors and
// capacitors: every decade holds the same steps, scaled by a power of ten.
class StandardSeries
{
public:
    enum Series { E6, E12, E24, E48, E96 };

    // How a pair of parts is joined. InSeries adds the two values (resistors
    // in series, capacitors in parallel); InParallel takes product over sum
    // (resistors in parallel, capacitors in series); EitherWay is whichever
    // of the two comes closer.
    enum Joining { InSeries, InParallel, EitherWay };

    // The series value nearest to 'value' by ratio (96.25 lies between 91 and
    // 100 of E24 and is nearer 100, as 100 / 96.25 < 96.25 / 91). Exactly
    // halfway by ratio goes to the larger neighbour. Zero, negative or
    // non-finite gives 0.
    static double nearest(double value, Series series);
    // The largest series value not above 'value', and the smallest not below
    // it; a standard value is its own neighbour on both sides.
    static double below(double value, Series series);
    static double above(double value, Series series);

    struct Pair
    {
        bool valid = false;
        bool parallel = false;
        double smaller = 0;
        double larger = 0;
        double value = 0;        // what the two give together
        double errorPercent = 0; // of 'value' against the value asked for
    };
    // The two parts whose sum (or parallel value) comes closest to 'value',
    // the smaller one at least 'smallest' and, in parallel, the larger one
    // at most MaxParallelRatio times the smaller. Among equally close pairs
    // the one with the parts nearest each other wins, then the one in
    // series. Not valid when 'value' is too small for parts of at least
    // 'smallest'.
    static Pair bestPair(double value, Series series, Joining joining, double smallest = 1);
    static constexpr double MaxParallelRatio = 100;

    // Significant digits: 2 up to E24, 3 above.
    static int digits(Series series) { return series == E48 || series == E96 ? 3 : 2; }
    static QString name(Series series);
    // "E12" or "e12" to the series; false for an unknown name.
    static bool fromName(const QString &name, Series &series);
    // A standard value as plain digits: 4.7, 470, 1.02, 0.33.
    static QString plainText(double value, Series series);
    // A resistor as it is marked: 95.3 ohms, 1.02 kohms, 1.0 Mohms, keeping
    // the digits of the series.
    static QString markedText(double ohms, Series series);
    static double errorPercent(double value, double target) { return (value - target) / target * 100; }
};

} // namespace corvane
