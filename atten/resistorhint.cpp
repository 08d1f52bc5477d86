#include "resistorhint.h"

#include "attensolver.h"
#include "numbers.h"

#include <QStringList>

#include <cmath>

namespace corvane {

namespace {

// Above this return loss the input is as good as matched.
constexpr double MatchedReturnLossDb = 60;

PadNetwork figures(Pad::Kind kind, double outer, double middle, double z)
{
    return PadNetwork::of(Pad::symmetric(kind, outer, middle), z, z);
}

ResistorHint::StandardPad standardPad(StandardSeries::Series series, Pad::Kind kind, double outer, double middle,
                                      double z)
{
    const double outerPart = StandardSeries::nearest(outer, series);
    const double middlePart = StandardSeries::nearest(middle, series);
    return { series, outerPart, middlePart, figures(kind, outerPart, middlePart, z) };
}

StandardSeries::Pair bestPair(double ohms)
{
    return StandardSeries::bestPair(ohms, StandardSeries::E24, StandardSeries::EitherWay,
                                    ResistorHint::SmallestPairOhm);
}

QString ohms(double value)
{
    return ohmsText(value, 2);
}

QString returnLossText(double db)
{
    return db > MatchedReturnLossDb ? QStringLiteral("> %1 dB").arg(MatchedReturnLossDb) : dbText(db, 1);
}

QString figuresLine(const PadNetwork &figures)
{
    if (!figures.valid)
        return QStringLiteral("  cannot be worked out");
    return QStringLiteral("  loss %1 dB, input %2, return loss %3")
            .arg(QString::number(figures.lossDb, 'f', 2), ohms(figures.inputOhm),
                 returnLossText(figures.returnLossDb));
}

QString padLines(const ResistorHint &hint, const QString &parts, const QString &outer, const QString &middle,
                 const PadNetwork &figures)
{
    const bool pi = hint.kind == Pad::Pi;
    return QStringLiteral("%1 pad of %2, %3 %4 and %5 %6, in %7:\n")
                   .arg(pi ? QStringLiteral("Pi") : QStringLiteral("T"), parts,
                        pi ? QStringLiteral("R1") : QStringLiteral("R3"), outer,
                        pi ? QStringLiteral("R2") : QStringLiteral("R4"), middle, ohmsText(hint.impedOhm, 1))
            + figuresLine(figures);
}

QString padLines(const ResistorHint &hint, const ResistorHint::StandardPad &pad)
{
    return padLines(hint, StandardSeries::name(pad.series) + QStringLiteral(" parts"),
                    StandardSeries::markedText(pad.outer, pad.series), StandardSeries::markedText(pad.middle, pad.series),
                    pad.figures);
}

QString pairLine(const StandardSeries::Pair &pair)
{
    return QStringLiteral("Best E24 pair: %1 and %2 in %3, %4, %5")
            .arg(StandardSeries::markedText(pair.larger, StandardSeries::E24),
                 StandardSeries::markedText(pair.smaller, StandardSeries::E24),
                 pair.parallel ? QStringLiteral("parallel") : QStringLiteral("series"), ohms(pair.value),
                 signedPercent(pair.errorPercent));
}

} // namespace

ResistorHint resistorHint(const AttenSolver &solver, int field)
{
    ResistorHint hint;
    hint.field = field;
    if (field < 2 || field > 7)
        return hint;
    hint.kind = field <= 4 ? Pad::Pi : Pad::T;
    const double outer = hint.kind == Pad::Pi ? solver.r1Ohm() : solver.r3Ohm();
    const double middle = hint.kind == Pad::Pi ? solver.r2Ohm() : solver.r4Ohm();
    const bool isMiddle = field == 4 || field == 7;
    hint.ohms = isMiddle ? middle : outer;
    hint.e24 = StandardSeries::nearest(hint.ohms, StandardSeries::E24);
    hint.e96 = StandardSeries::nearest(hint.ohms, StandardSeries::E96);
    hint.valid = hint.e24 > 0 && hint.e96 > 0;
    if (!hint.valid)
        return hint;

    const double z = solver.impedOhm();
    if (outer > 0 && middle > 0 && isPositiveFinite(z)) {
        hint.hasPads = true;
        hint.impedOhm = z;
        hint.e24Pad = standardPad(StandardSeries::E24, hint.kind, outer, middle, z);
        hint.e96Pad = standardPad(StandardSeries::E96, hint.kind, outer, middle, z);
        hint.outerPair = bestPair(outer);
        hint.middlePair = bestPair(middle);
        hint.hasPairPad = hint.outerPair.valid && hint.middlePair.valid;
        if (hint.hasPairPad)
            hint.pairPadFigures = figures(hint.kind, hint.outerPair.value, hint.middlePair.value, z);
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
    lines << QStringLiteral("%1: %2").arg(QLatin1String(names[hint.field]), ohms(hint.ohms));
    lines << QStringLiteral("Nearest standard values: E24 %1, E96 %2")
                     .arg(StandardSeries::markedText(hint.e24, StandardSeries::E24),
                          StandardSeries::markedText(hint.e96, StandardSeries::E96));
    if (hint.hasPads) {
        lines << padLines(hint, hint.e24Pad);
        lines << padLines(hint, hint.e96Pad);
    }
    if (hint.pair.valid)
        lines << pairLine(hint.pair);
    if (hint.hasPairPad)
        lines << padLines(hint, QStringLiteral("E24 pairs"), ohms(hint.outerPair.value), ohms(hint.middlePair.value),
                          hint.pairPadFigures);
    return lines.join(QLatin1Char('\n'));
}

} // namespace corvane
