#include "resistorhint.h"

#include "attensolver.h"

#include <QStringList>

#include <cmath>

namespace corvane {

namespace {

ResistorHint::StandardPad standardPad(StandardResistors::Series series, PadCheck::Kind kind, double outer,
                                      double middle, double z)
{
    ResistorHint::StandardPad pad;
    pad.series = series;
    pad.outer = StandardResistors::nearest(outer, series);
    pad.middle = StandardResistors::nearest(middle, series);
    pad.figures = PadCheck::figures(kind, pad.outer, pad.middle, z);
    return pad;
}

StandardSeries::Pair bestPair(double ohms)
{
    return StandardSeries::bestPair(ohms, StandardSeries::E24, StandardSeries::EitherWay,
                                    ResistorHint::SmallestPairOhm);
}

QString ohmsText(double ohms)
{
    return QString::number(ohms, 'f', 2) + QStringLiteral(" ohms");
}

QString returnLossText(double db)
{
    if (db > PadCheck::MatchedReturnLossDb)
        return QStringLiteral("> %1 dB").arg(PadCheck::MatchedReturnLossDb);
    return QString::number(db, 'f', 1) + QStringLiteral(" dB");
}

QString figuresLine(const PadCheck::Figures &figures)
{
    if (!figures.valid)
        return QStringLiteral("  cannot be worked out");
    return QStringLiteral("  loss %1 dB, input %2, return loss %3")
            .arg(QString::number(figures.insertionLossDb, 'f', 2), ohmsText(figures.inputOhm),
                 returnLossText(figures.returnLossDb));
}

QString padLines(const ResistorHint &hint, const QString &parts, const QString &outer, const QString &middle,
                 const PadCheck::Figures &figures)
{
    const bool pi = hint.kind == PadCheck::Pi;
    return QStringLiteral("%1 pad of %2, %3 %4 and %5 %6, in %7 ohms:\n")
                   .arg(pi ? QStringLiteral("Pi") : QStringLiteral("T"), parts,
                        pi ? QStringLiteral("R1") : QStringLiteral("R3"), outer,
                        pi ? QStringLiteral("R2") : QStringLiteral("R4"), middle,
                        QString::number(hint.impedOhm, 'f', 1))
            + figuresLine(figures);
}

QString padLines(const ResistorHint &hint, const ResistorHint::StandardPad &pad)
{
    return padLines(hint, StandardResistors::name(pad.series) + QStringLiteral(" parts"),
                    StandardResistors::text(pad.outer, pad.series), StandardResistors::text(pad.middle, pad.series),
                    pad.figures);
}

QString pairLine(const StandardSeries::Pair &pair)
{
    const QString error = std::fabs(pair.errorPercent) < 0.005
            ? QStringLiteral("0.00")
            : (pair.errorPercent > 0 ? QStringLiteral("+") : QString()) + QString::number(pair.errorPercent, 'f', 2);
    return QStringLiteral("Best E24 pair: %1 and %2 in %3, %4, %5 %")
            .arg(StandardResistors::text(pair.larger, StandardResistors::E24),
                 StandardResistors::text(pair.smaller, StandardResistors::E24),
                 pair.parallel ? QStringLiteral("parallel") : QStringLiteral("series"), ohmsText(pair.value), error);
}

} // namespace

ResistorHint resistorHint(const AttenSolver &solver, int field)
{
    ResistorHint hint;
    hint.field = field;
    if (field < 2 || field > 7)
        return hint;
    hint.kind = field <= 4 ? PadCheck::Pi : PadCheck::T;
    const double outer = hint.kind == PadCheck::Pi ? solver.r1Ohm() : solver.r3Ohm();
    const double middle = hint.kind == PadCheck::Pi ? solver.r2Ohm() : solver.r4Ohm();
    const bool isMiddle = field == 4 || field == 7;
    hint.ohms = isMiddle ? middle : outer;
    hint.e24 = StandardResistors::nearest(hint.ohms, StandardResistors::E24);
    hint.e96 = StandardResistors::nearest(hint.ohms, StandardResistors::E96);
    hint.valid = hint.e24 > 0 && hint.e96 > 0;
    if (!hint.valid)
        return hint;

    const double z = solver.impedOhm();
    if (outer > 0 && middle > 0 && z > 0 && std::isfinite(z)) {
        hint.hasPads = true;
        hint.impedOhm = z;
        hint.e24Pad = standardPad(StandardResistors::E24, hint.kind, outer, middle, z);
        hint.e96Pad = standardPad(StandardResistors::E96, hint.kind, outer, middle, z);
        hint.outerPair = bestPair(outer);
        hint.middlePair = bestPair(middle);
        hint.hasPairPad = hint.outerPair.valid && hint.middlePair.valid;
        if (hint.hasPairPad)
            hint.pairPadFigures = PadCheck::figures(hint.kind, hint.outerPair.value, hint.middlePair.value, z);
        hint.pair = isMiddle ? hint.middlePair : hint.outerPair;
    } else {
        hint.pair = bestPair(hint.ohms);
    }
    return hint;
}

QString resistorHintText(const ResistorHint &hint)
{
    if (!hint.valid)
        return QString();
    static const char *const names[] = { "", "", "Pi R1, input shunt", "Pi R1, output shunt", "Pi R2, series",
                                         "T R3, input series", "T R3, output series", "T R4, shunt" };
    QStringList lines;
    lines << QStringLiteral("%1: %2").arg(QLatin1String(names[hint.field]), ohmsText(hint.ohms));
    lines << QStringLiteral("Nearest standard values: E24 %1, E96 %2")
                     .arg(StandardResistors::text(hint.e24, StandardResistors::E24),
                          StandardResistors::text(hint.e96, StandardResistors::E96));
    if (hint.hasPads) {
        lines << padLines(hint, hint.e24Pad);
        lines << padLines(hint, hint.e96Pad);
    }
    if (hint.pair.valid)
        lines << pairLine(hint.pair);
    if (hint.hasPairPad)
        lines << padLines(hint, QStringLiteral("E24 pairs"), ohmsText(hint.outerPair.value),
                          ohmsText(hint.middlePair.value), hint.pairPadFigures);
    return lines.join(QLatin1Char('\n'));
}

} // namespace corvane
