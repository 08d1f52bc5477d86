#include "standardresistors.h"

#include "standardseries.h"

#include <cmath>

namespace corvane {

namespace {

StandardSeries::Series shared(StandardResistors::Series series)
{
    return series == StandardResistors::E24 ? StandardSeries::E24 : StandardSeries::E96;
}

} // namespace

int StandardResistors::digits(Series series)
{
    return StandardSeries::digits(shared(series));
}

QString StandardResistors::name(Series series)
{
    return StandardSeries::name(shared(series));
}

double StandardResistors::nearest(double ohms, Series series)
{
    return StandardSeries::nearest(ohms, shared(series));
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
