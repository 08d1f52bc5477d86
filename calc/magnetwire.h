#pragma once

#include <QString>
#include <QVector>

#include <optional>

namespace corvane {

// An enamelled round copper wire of the wire table: an AWG gauge or a metric
// size, its nominal bare diameter and the largest overall diameter its
// standard allows over the enamel.
struct MagnetWire
{
    enum class Kind { Awg, Metric };

    Kind kind = Kind::Awg;
    int gauge = 0;          // AWG only
    double bareMm = 0;      // nominal bare copper diameter; the metric size itself
    double overallMaxMm = 0;

    // "26 AWG", "0.40 mm"
    QString displayName() const;
    // DC resistance at 20 degrees C from the nominal bare diameter.
    double ohmsPerMetre() const;

    // Thickest first: AWG 10 to 40, and 2.00 mm down to 0.10 mm.
    static const QVector<MagnetWire> &awgTable();
    static const QVector<MagnetWire> &metricTable();

    // A wire as the command line spells it: "26awg", "26AWG", "0.4mm",
    // "0.40mm"; a metric size must be one of the table's.
    static std::optional<MagnetWire> fromName(const QString &name);
};

} // namespace corvane
