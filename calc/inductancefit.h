#pragma once

#include <QString>
#include <QVector>

namespace corvane {

// A winding measured on the bench.
struct InductanceMeasurement
{
    double turns = 0;
    double microhenries = 0;
};

// The AL of a core worked out from one or more measured windings. With two or
// more turn counts, L = AL * N^2 + L0 is fitted by least squares, L0 being the
// inductance of the leads and the meter's fixture; through zero, or with a
// single turn count, AL alone is fitted (L0 = 0).
struct InductanceFit
{
    enum class Model {
        SingleMeasurement, // AL = L[nH] / N^2
        ThroughZero,       // AL = sum(N^2 L) / sum(N^4)
        WithOffset,        // linear regression of L on N^2
    };

    struct Point
    {
        InductanceMeasurement measured;
        double fittedUh = 0;
        double residualUh = 0;      // measured - fitted
        double residualPercent = 0; // of the measured value
    };

    bool valid = false;
    QString refusal; // why there is no fit, when not valid
    Model model = Model::SingleMeasurement;
    double al = 0;        // nH per turn squared
    double offsetUh = 0;  // L0
    // Several measurements at one turn count: L0 needs two turn counts.
    bool offsetNeedsTwoTurnCounts = false;
    QVector<Point> points;
    double rmsUh = 0; // root mean square of the residuals

    double uhPer100Turns() const { return al * 10; } // 100^2 * AL nH
    // How far the fitted AL is from a table AL, in percent of the table's.
    double differencePercentFrom(double tableAl) const { return (al - tableAl) / tableAl * 100; }

    static InductanceFit fit(const QVector<InductanceMeasurement> &measurements, bool throughZero = false);
};

} // namespace corvane
