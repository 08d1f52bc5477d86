#include "standardresistors.h"

#include <cmath>
#include <cstdlib>
#include <iterator>

namespace corvane {

namespace {

// One decade of each series, in units of its last significant digit.
constexpr int e24[] = { 10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                        33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91 };
constexpr int e96[] = { 100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143,
                        147, 150, 154, 158, 162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210,
                        215, 221, 226, 232, 237, 243, 249, 255, 261, 267, 274, 280, 287, 294, 301, 309,
                        316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412, 422, 432, 442, 453,
                        464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
                        681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976 };

// steps * 10^exponent, dividing for negative exponents so that 953 * 10^-1
// is the double nearest 95.3.
double scaled(int steps, int exponent)
{
    return exponent >= 0 ? steps * std::pow(10.0, exponent) : steps / std::pow(10.0, -exponent);
}

// scaled() for one exponent and many steps, with the power worked out once.
class Decade
{
public:
    explicit Decade(int exponent) : m_multiply(exponent >= 0), m_power(std::pow(10.0, std::abs(exponent))) {}
    double operator()(int steps) const { return m_multiply ? steps * m_power : steps / m_power; }

private:
    bool m_multiply;
    double m_power;
};

} // namespace

int StandardResistors::digits(Series series)
{
    return series == E24 ? 2 : 3;
}

QString StandardResistors::name(Series series)
{
    return series == E24 ? QStringLiteral("E24") : QStringLiteral("E96");
}

double StandardResistors::nearest(double ohms, Series series)
{
    if (!(ohms > 0) || !std::isfinite(ohms))
        return 0;
    const int *begin = series == E24 ? std::begin(e24) : std::begin(e96);
    const int *end = series == E24 ? std::end(e24) : std::end(e96);
    const int first = *begin; // 10 or 100: the decade's first value in steps

    // The exponent that puts the series' decade around the value: a value in
    // [first, 10 * first) steps of 10^exponent. log10 may be off by one at a
    // power of ten; the checks below set it right.
    int exponent = int(std::floor(std::log10(ohms))) - (digits(series) - 1);
    if (scaled(first, exponent) > ohms)
        --exponent;
    else if (scaled(first, exponent + 1) <= ohms)
        ++exponent;

    double best = 0;
    double bestDistance = 0;
    auto consider = [&](double candidate) {
        const double distance = std::fabs(std::log(ohms / candidate));
        if (best == 0 || distance < bestDistance || (distance == bestDistance && candidate > best)) {
            best = candidate;
            bestDistance = distance;
        }
    };
    const Decade decade(exponent);
    for (const int *step = begin; step != end; ++step)
        consider(decade(*step));
    consider(scaled(first, exponent + 1));
    return best;
}

QString StandardResistors::text(double ohms, Series series)
{
    struct Unit
    {
        double factor;
        const char *name;
    };
    static const Unit units[] = { { 1e9, "Gohms" }, { 1e6, "Mohms" }, { 1e3, "kohms" }, { 1, "ohms" } };
    Unit unit = units[3];
    for (const Unit &u : units) {
        if (ohms >= u.factor) {
            unit = u;
            break;
        }
    }
    const double value = ohms / unit.factor;
    const int magnitude = value > 0 ? int(std::floor(std::log10(value) + 1e-9)) : 0;
    const int decimals = qMax(0, digits(series) - 1 - magnitude);
    return QString::number(value, 'f', decimals) + QLatin1Char(' ') + QLatin1String(unit.name);
}

} // namespace corvane
