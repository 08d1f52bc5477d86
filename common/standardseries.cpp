#include "standardseries.h"

#include "numbers.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>
#include <vector>

namespace corvane {

namespace {

// One decade of each series, in units of its last significant digit, in the
// order of StandardSeries::Series. E48 is every other value of E96.
const std::vector<int> &steps(StandardSeries::Series series)
{
    static const std::vector<int> decades[] = {
        { 10, 15, 22, 33, 47, 68 },
        { 10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82 },
        { 10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30, 33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91 },
        { 100, 105, 110, 115, 121, 127, 133, 140, 147, 154, 162, 169, 178, 187, 196, 205,
          215, 226, 237, 249, 261, 274, 287, 301, 316, 332, 348, 365, 383, 402, 422, 442,
          464, 487, 511, 536, 562, 590, 619, 649, 681, 715, 750, 787, 825, 866, 909, 953 },
        { 100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143,
          147, 150, 154, 158, 162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210,
          215, 221, 226, 232, 237, 243, 249, 255, 261, 267, 274, 280, 287, 294, 301, 309,
          316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412, 422, 432, 442, 453,
          464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
          681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976 },
    };
    return decades[series];
}

// steps * 10^exponent for one exponent and many steps, with the power worked
// out once. Negative exponents divide, so that 953 * 10^-1 is the double
// nearest 95.3, the same double as the text "95.3" reads as.
class Decade
{
public:
    explicit Decade(int exponent) : m_multiply(exponent >= 0), m_power(std::pow(10.0, std::abs(exponent))) {}
    double operator()(int steps) const { return m_multiply ? steps * m_power : steps / m_power; }

private:
    bool m_multiply;
    double m_power;
};

// The exponent that puts the series' decade around 'value': value in
// [first, 10 * first) steps of 10^exponent. log10 may be off by one at a
// power of ten; the checks set it right.
int decadeOf(double value, StandardSeries::Series series)
{
    const int first = steps(series).front();
    int exponent = int(std::floor(std::log10(value))) - (StandardSeries::digits(series) - 1);
    if (Decade(exponent)(first) > value)
        --exponent;
    else if (Decade(exponent + 1)(first) <= value)
        ++exponent;
    return exponent;
}

// The largest series value not above 'value' and the smallest not below it;
// both 0 for a value that is not positive and finite.
std::pair<double, double> neighbours(double value, StandardSeries::Series series)
{
    if (!isPositiveFinite(value))
        return { 0, 0 };
    const int exponent = decadeOf(value, series);
    const Decade decade(exponent);
    double below = 0;
    for (int step : steps(series)) {
        const double candidate = decade(step);
        if (candidate >= value)
            return { candidate == value ? candidate : below, candidate };
        below = candidate;
    }
    return { below, Decade(exponent + 1)(steps(series).front()) };
}

// Calls 'visit' with every series value from 'low' to 'high', ascending.
template<typename Visit>
void visitBetween(double low, double high, StandardSeries::Series series, Visit visit)
{
    const std::vector<int> &decadeSteps = steps(series);
    for (int exponent = decadeOf(low, series); Decade(exponent)(decadeSteps.front()) <= high; ++exponent) {
        const Decade decade(exponent);
        for (int step : decadeSteps) {
            const double v = decade(step);
            if (v >= low && v <= high)
                visit(v);
        }
    }
}

double joined(double a, double b, bool parallel)
{
    return parallel ? a * b / (a + b) : a + b;
}

// Whether 'pair' beats 'best': closer to the value asked for, or as close
// (errors that differ in the last bits only are a tie) with its two parts
// nearer each other.
bool closer(const StandardSeries::Pair &pair, const StandardSeries::Pair &best)
{
    if (!pair.valid || !best.valid)
        return pair.valid;
    const double distance = std::fabs(pair.errorPercent);
    const double bestDistance = std::fabs(best.errorPercent);
    const double tolerance = 1e-9;
    if (distance < bestDistance - tolerance)
        return true;
    return distance <= bestDistance + tolerance && pair.larger / pair.smaller < best.larger / best.smaller;
}

// The best pair of one joining: for each candidate of the larger part (series)
// or of the smaller part (parallel), the other part that is nearest on either
// side of what it has to be.
StandardSeries::Pair bestOf(double value, StandardSeries::Series series, bool parallel, double smallest)
{
    StandardSeries::Pair best;
    auto consider = [&](double a, double b) {
        if (!isPositiveFinite(a) || !isPositiveFinite(b))
            return;
        StandardSeries::Pair pair;
        pair.valid = true;
        pair.parallel = parallel;
        pair.smaller = std::min(a, b);
        pair.larger = std::max(a, b);
        if (pair.smaller < smallest * (1 - 1e-12)
            || (parallel && pair.larger > pair.smaller * StandardSeries::MaxParallelRatio * (1 + 1e-12)))
            return;
        pair.value = joined(a, b, parallel);
        pair.errorPercent = StandardSeries::errorPercent(pair.value, value);
        if (closer(pair, best))
            best = pair;
    };
    // The other part of a parallel pair is at most MaxParallelRatio times
    // the first: beyond that it hardly changes anything, and the search
    // would run up to parts of any size.
    const double smallestPart = StandardSeries::above(smallest, series);
    auto allowed = [&](double part, double other) {
        if (other < smallest)
            return smallestPart;
        if (parallel && other > part * StandardSeries::MaxParallelRatio)
            return StandardSeries::below(part * StandardSeries::MaxParallelRatio, series);
        return other;
    };
    // A sum near 'value' has its larger part between a third of it and half
    // as much again; a parallel value near it has its smaller part between
    // two thirds of it and three times it. Farther out no pair comes within
    // a third. A part on the far side of 'value' goes with the smallest
    // (series) or the largest (parallel) other part there is.
    const double low = parallel ? value / 1.5 : value / 3;
    const double high = parallel ? value * 3 : value * 1.5;
    visitBetween(low, high, series, [&](double part) {
        const bool farSide = parallel ? part <= value : part >= value;
        if (farSide) {
            consider(part, allowed(part, parallel ? HUGE_VAL : 0));
            return;
        }
        const double other = parallel ? 1 / (1 / value - 1 / part) : value - part;
        for (double candidate : { StandardSeries::below(other, series), StandardSeries::above(other, series) })
            consider(part, allowed(part, candidate));
    });
    return best;
}

} // namespace

QString StandardSeries::name(Series series)
{
    static const char *const names[] = { "E6", "E12", "E24", "E48", "E96" };
    return QLatin1String(names[series]);
}

bool StandardSeries::fromName(const QString &text, Series &series)
{
    for (Series s : { E6, E12, E24, E48, E96 })
        if (text.compare(name(s), Qt::CaseInsensitive) == 0) {
            series = s;
            return true;
        }
    return false;
}

double StandardSeries::nearest(double value, Series series)
{
    // One of the two neighbours, by ratio; the larger one when they are as near.
    const auto [low, high] = neighbours(value, series);
    return std::fabs(std::log(value / high)) <= std::fabs(std::log(value / low)) ? high : low;
}

double StandardSeries::below(double value, Series series)
{
    return neighbours(value, series).first;
}

double StandardSeries::above(double value, Series series)
{
    return neighbours(value, series).second;
}

StandardSeries::Pair StandardSeries::bestPair(double value, Series series, Joining joining, double smallest)
{
    if (!isPositiveFinite(value) || !isPositiveFinite(smallest))
        return Pair();
    const Pair sum = joining == InParallel ? Pair() : bestOf(value, series, false, smallest);
    const Pair parallel = joining == InSeries ? Pair() : bestOf(value, series, true, smallest);
    return closer(parallel, sum) ? parallel : sum;
}

QString StandardSeries::plainText(double value, Series series)
{
    return fixed(value, digits(series));
}

QString StandardSeries::markedText(double ohms, Series series)
{
    static const struct
    {
        double factor;
        const char *name;
    } units[] = { { 1e9, "Gohms" }, { 1e6, "Mohms" }, { 1e3, "kohms" }, { 1, "ohms" } };
    const auto *unit = std::find_if(std::begin(units), std::end(units) - 1, [&](const auto &u) { return ohms >= u.factor; });
    return plainText(ohms / unit->factor, series) + QLatin1Char(' ') + QLatin1String(unit->name);
}

} // namespace corvane
