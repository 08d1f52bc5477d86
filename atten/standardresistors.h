#pragma once

#include <QString>

namespace corvane {

// The E24 (5 %) and E96 (1 %) resistor series, as StandardSeries has them,
// with the marking of a resistor.
class StandardResistors
{
public:
    enum Series { E24, E96 };

    // The value of the series nearest to 'ohms' on a logarithmic scale, that
    // is by ratio: 96.25 lies between 91 and 100 of E24 and is nearer 100
    // (100 / 96.25 < 96.25 / 91). A value exactly halfway by ratio goes to
    // the larger neighbour. Every decade is searched with the first value of
    // the next one, so 9.99 gives 10. Zero, negative or non-finite gives 0.
    static double nearest(double ohms, Series series);

    // The series' significant digits: 2 for E24, 3 for E96.
    static int digits(Series series);

    // A standard value written as it is marked: 95.3 ohms, 1.02 kohms,
    // 1.0 Mohms, keeping the digits of the series.
    static QString text(double ohms, Series series);

    static QString name(Series series);
};

} // namespace corvane
