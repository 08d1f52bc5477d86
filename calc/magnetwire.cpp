#include "magnetwire.h"

#include "numbers.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>

namespace corvane {

namespace {

// Annealed copper at 20 degrees C, ohm mm^2 per metre.
constexpr double CopperResistivity = 0.017241;

// NEMA MW 1000, round copper magnet wire, heavy build: AWG, nominal bare
// diameter and maximum overall diameter, inches. The overall diameters are the
// standard's maxima, so a winding worked out with them always fits.
struct AwgRow
{
    int gauge;
    double bareInches;
    double overallMaxInches;
};
constexpr AwgRow AwgRows[] = {
    { 10, 0.1019, 0.1055 }, { 11, 0.0907, 0.0942 }, { 12, 0.0808, 0.0842 }, { 13, 0.0720, 0.0753 },
    { 14, 0.0641, 0.0673 }, { 15, 0.0571, 0.0602 }, { 16, 0.0508, 0.0539 }, { 17, 0.0453, 0.0482 },
    { 18, 0.0403, 0.0431 }, { 19, 0.0359, 0.0386 }, { 20, 0.0320, 0.0346 }, { 21, 0.0285, 0.0309 },
    { 22, 0.0253, 0.0276 }, { 23, 0.0226, 0.0249 }, { 24, 0.0201, 0.0223 }, { 25, 0.0179, 0.0199 },
    { 26, 0.0159, 0.0178 }, { 27, 0.0142, 0.0161 }, { 28, 0.0126, 0.0144 }, { 29, 0.0113, 0.0130 },
    { 30, 0.0100, 0.0116 }, { 31, 0.0089, 0.0105 }, { 32, 0.0080, 0.0095 }, { 33, 0.0071, 0.0085 },
    { 34, 0.0063, 0.0075 }, { 35, 0.0056, 0.0067 }, { 36, 0.0050, 0.0060 }, { 37, 0.0045, 0.0055 },
    { 38, 0.0040, 0.0049 }, { 39, 0.0035, 0.0043 }, { 40, 0.0031, 0.0038 },
};

// IEC 60317 (dimensions in IEC 60317-0-1), enamelled round copper wire,
// grade 2: nominal diameter and maximum overall diameter, millimetres. As for
// AWG, the overall diameters are the standard's maxima.
struct MetricRow
{
    double nominalMm;
    double overallMaxMm;
};
constexpr MetricRow MetricRows[] = {
    { 2.00, 2.129 }, { 1.90, 2.027 }, { 1.80, 1.925 }, { 1.70, 1.822 }, { 1.60, 1.720 },
    { 1.50, 1.616 }, { 1.40, 1.512 }, { 1.30, 1.409 }, { 1.20, 1.305 }, { 1.10, 1.200 },
    { 1.00, 1.094 }, { 0.95, 1.041 }, { 0.90, 0.989 }, { 0.85, 0.937 }, { 0.80, 0.884 },
    { 0.75, 0.832 }, { 0.70, 0.779 }, { 0.65, 0.726 }, { 0.60, 0.674 }, { 0.55, 0.621 },
    { 0.50, 0.566 }, { 0.45, 0.513 }, { 0.40, 0.459 }, { 0.35, 0.407 }, { 0.30, 0.352 },
    { 0.25, 0.297 }, { 0.20, 0.239 }, { 0.15, 0.182 }, { 0.10, 0.125 },
};

} // namespace

QString MagnetWire::displayName() const
{
    return kind == Kind::Awg ? QStringLiteral("%1 AWG").arg(gauge)
                             : QStringLiteral("%1 mm").arg(QLocale::c().toString(bareMm, 'f', 2));
}

double MagnetWire::ohmsPerMetre() const
{
    return CopperResistivity / (Pi / 4 * bareMm * bareMm); // over the area in mm^2
}

const QVector<MagnetWire> &MagnetWire::awgTable()
{
    static const QVector<MagnetWire> table = [] {
        QVector<MagnetWire> wires;
        for (const AwgRow &row : AwgRows)
            wires.append({ Kind::Awg, row.gauge, row.bareInches * MillimetresPerInch,
                           row.overallMaxInches * MillimetresPerInch });
        return wires;
    }();
    return table;
}

const QVector<MagnetWire> &MagnetWire::metricTable()
{
    static const QVector<MagnetWire> table = [] {
        QVector<MagnetWire> wires;
        for (const MetricRow &row : MetricRows)
            wires.append({ Kind::Metric, 0, row.nominalMm, row.overallMaxMm });
        return wires;
    }();
    return table;
}

std::optional<MagnetWire> MagnetWire::fromName(const QString &name)
{
    static const QRegularExpression awg(QStringLiteral("^(\\d{1,2})awg$"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression metric(QStringLiteral("^(\\d*\\.?\\d+)mm$"), QRegularExpression::CaseInsensitiveOption);
    if (const QRegularExpressionMatch match = awg.match(name); match.hasMatch()) {
        const int gauge = match.captured(1).toInt();
        for (const MagnetWire &wire : awgTable())
            if (wire.gauge == gauge)
                return wire;
    } else if (const QRegularExpressionMatch match = metric.match(name); match.hasMatch()) {
        // In hundredths of a millimetre, so that 0.4 and 0.40 name the same
        // size and 0.405 names none.
        const double hundredths = QLocale::c().toDouble(match.captured(1)) * 100;
        for (const MagnetWire &wire : metricTable())
            if (std::fabs(hundredths - std::round(wire.bareMm * 100)) < 1e-6)
                return wire;
    }
    return std::nullopt;
}

} // namespace corvane
