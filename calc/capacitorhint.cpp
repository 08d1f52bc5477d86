#include "capacitorhint.h"

#include "numbers.h"
#include "resonancesolver.h"

#include <QStringList>

#include <cmath>

namespace corvane {

namespace {

CapacitorHint::Choice choice(const QString &label, double partsPf, double indHenry, double freqHz)
{
    CapacitorHint::Choice c;
    c.label = label;
    c.capFarad = partsPf * 1e-12;
    c.freqHz = 1 / (std::sqrt(indHenry * c.capFarad) * TwoPi);
    c.freqErrorPercent = freqHz > 0 ? (c.freqHz - freqHz) / freqHz * 100 : 0;
    return c;
}

CapacitorHint::Choice single(StandardSeries::Series series, double pf, double indHenry, double freqHz)
{
    return choice(StandardSeries::name(series), StandardSeries::nearest(pf, series), indHenry, freqHz);
}

QString picofarads(double farad)
{
    return shortDecimal(farad * 1e12, 2);
}

QString choiceLine(const CapacitorHint::Choice &c)
{
    const QString parts = c.smallFarad > 0
            ? QStringLiteral("%1 pF + %2 pF = %3 pF").arg(picofarads(c.largeFarad), picofarads(c.smallFarad),
                                                        picofarads(c.capFarad))
            : picofarads(c.capFarad) + QStringLiteral(" pF");
    return QStringLiteral("%1 %2: %3 MHz, %4")
            .arg(c.label, parts, QString::number(c.freqHz / 1e6, 'f', 4), signedPercent(c.freqErrorPercent));
}

} // namespace

CapacitorHint capacitorHint(double capFarad, double indHenry, double freqHz)
{
    CapacitorHint hint;
    const double pf = capFarad * 1e12;
    if (!isPositiveFinite(pf) || !isPositiveFinite(indHenry))
        return hint;
    hint.capFarad = capFarad;
    hint.indHenry = indHenry;
    hint.freqHz = freqHz;
    hint.e6 = single(StandardSeries::E6, pf, indHenry, freqHz);
    hint.e12 = single(StandardSeries::E12, pf, indHenry, freqHz);
    hint.e24 = single(StandardSeries::E24, pf, indHenry, freqHz);
    // Capacitors in parallel add up, as resistors in series do.
    const StandardSeries::Pair pair =
            StandardSeries::bestPair(pf, StandardSeries::E12, StandardSeries::InSeries, CapacitorHint::SmallestPairPf);
    if (pair.valid) {
        hint.hasPair = true;
        hint.e12Pair = choice(QStringLiteral("E12 pair"), pair.value, indHenry, freqHz);
        hint.e12Pair.smallFarad = pair.smaller * 1e-12;
        hint.e12Pair.largeFarad = pair.larger * 1e-12;
    }
    hint.valid = std::isfinite(hint.e6.freqHz) && std::isfinite(hint.e24.freqHz);
    return hint;
}

CapacitorHint capacitorHint(const ResonanceSolver &solver)
{
    return capacitorHint(solver.capFarad(), solver.indHenry(), solver.freqHz());
}

QString capacitorHintText(const CapacitorHint &hint)
{
    if (!hint.valid)
        return QString();
    QStringList lines;
    QString heading = QStringLiteral("Standard capacitors with %1 µH").arg(shortDecimal(hint.indHenry * 1e6, 4));
    if (hint.freqHz > 0)
        heading += QStringLiteral(", against %1 MHz").arg(shortDecimal(hint.freqHz / 1e6, 4));
    lines << heading + QLatin1Char(':');
    for (const CapacitorHint::Choice *c : { &hint.e6, &hint.e12, &hint.e24 })
        lines << choiceLine(*c);
    if (hint.hasPair)
        lines << choiceLine(hint.e12Pair) + QStringLiteral(" (in parallel)");
    return lines.join(QLatin1Char('\n'));
}

} // namespace corvane
