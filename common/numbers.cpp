#include "numbers.h"

#include <QtGlobal>

#include <cmath>

namespace corvane {

int decimalsFor(double value, int significant, int least)
{
    if (!(std::fabs(value) > 0) || !std::isfinite(value))
        return qMax(least, significant - 1);
    const int magnitude = int(std::floor(std::log10(std::fabs(value))));
    return qBound(least, significant - 1 - magnitude, 15);
}

QString fixed(double value, int significant, int least)
{
    return QString::number(value, 'f', decimalsFor(value, significant, least));
}

QString shortDecimal(double value, int decimals)
{
    QString text = QString::number(value, 'f', decimals);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text;
}

QString significantText(double value, int significant)
{
    return shortDecimal(value, decimalsFor(value, significant));
}

QString signedPercent(double percent)
{
    if (std::fabs(percent) < 0.005)
        return QStringLiteral("0.00 %");
    return (percent > 0 ? QStringLiteral("+") : QString()) + QString::number(percent, 'f', 2) + QStringLiteral(" %");
}

QString ohmsText(double ohms, int decimals)
{
    if (std::isinf(ohms))
        return QStringLiteral("open");
    return QString::number(ohms, 'f', decimals) + QStringLiteral(" ohms");
}

QString dbText(double db, int decimals)
{
    return QString::number(db, 'f', decimals) + QStringLiteral(" dB");
}

QString wattsText(double watts)
{
    if (watts < 1e-9)
        return QStringLiteral("0 W");
    return fixed(watts, 3) + QStringLiteral(" W");
}

} // namespace corvane
