#include "inductancefit.h"

#include "numbers.h"

#include <algorithm>
#include <cmath>

namespace corvane {

InductanceFit InductanceFit::fit(const QVector<InductanceMeasurement> &measurements, bool throughZero)
{
    InductanceFit result;
    if (measurements.isEmpty()) {
        result.refusal = QStringLiteral("no measurement");
        return result;
    }
    const auto usable = [](const InductanceMeasurement &m) {
        return isPositiveFinite(m.turns) && isPositiveFinite(m.microhenries);
    };
    if (!std::all_of(measurements.begin(), measurements.end(), usable)) {
        result.refusal = QStringLiteral("turns and inductance must be positive numbers");
        return result;
    }

    // Fitted on x = N^2 in turns squared and y = L in uH; slope * 1000 is AL in nH.
    double slopeUh = 0;
    if (measurements.size() == 1) {
        // N turns give N^2 * AL nH, the one-point AL worked out as always.
        const InductanceMeasurement &m = measurements.first();
        result.al = m.microhenries * 1000 / (m.turns * m.turns);
        slopeUh = result.al / 1000;
    } else {
        const auto atFirstTurns = [&](const InductanceMeasurement &m) { return m.turns == measurements.first().turns; };
        const bool oneTurnCount = std::all_of(measurements.begin(), measurements.end(), atFirstTurns);
        const bool withOffset = !throughZero && !oneTurnCount;
        result.model = withOffset ? Model::WithOffset : Model::ThroughZero;
        result.offsetNeedsTwoTurnCounts = !withOffset && !throughZero;
        // With an offset, about the means, which keeps the sums small where
        // N^2 is large; through zero, about the origin.
        double meanX = 0;
        double meanY = 0;
        if (withOffset) {
            for (const InductanceMeasurement &m : measurements) {
                meanX += m.turns * m.turns;
                meanY += m.microhenries;
            }
            meanX /= double(measurements.size());
            meanY /= double(measurements.size());
        }
        double sxy = 0;
        double sxx = 0;
        for (const InductanceMeasurement &m : measurements) {
            const double dx = m.turns * m.turns - meanX;
            sxy += dx * (m.microhenries - meanY);
            sxx += dx * dx;
        }
        slopeUh = sxy / sxx;
        if (withOffset)
            result.offsetUh = meanY - slopeUh * meanX;
    }

    if (measurements.size() > 1)
        result.al = slopeUh * 1000;
    if (!isPositiveFinite(result.al)) {
        // Only a fit of two turn counts can slope the wrong way; otherwise the
        // numbers are too large or too small to work with.
        if (result.model != Model::WithOffset || !std::isfinite(result.al))
            result.refusal = QStringLiteral("these numbers give no usable AL");
        else if (result.al < 0)
            result.refusal = QStringLiteral("the fitted AL is not above zero: the inductance falls as the turns grow");
        else
            result.refusal = QStringLiteral("the fitted AL is not above zero: the inductance does not change with the turns");
        return result;
    }

    double squares = 0;
    for (const InductanceMeasurement &m : measurements) {
        // One measurement is met exactly: no rounding shows as a residual.
        const double fitted = measurements.size() == 1 ? m.microhenries : slopeUh * m.turns * m.turns + result.offsetUh;
        Point point { m, fitted, 0, 0 };
        point.residualUh = m.microhenries - point.fittedUh;
        point.residualPercent = point.residualUh / m.microhenries * 100;
        squares += point.residualUh * point.residualUh;
        result.points.append(point);
    }
    result.rmsUh = std::sqrt(squares / double(measurements.size()));
    result.valid = true;
    return result;
}

} // namespace corvane
