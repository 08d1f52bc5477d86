#include "turnshint.h"

#include "coretable.h"
#include "coretablereport.h"
#include "displaymask.h"
#include "fieldvalue.h"
#include "numbers.h"
#include "resonancesolver.h"
#include "windingplan.h"

#include <QStringList>

#include <cmath>

namespace corvane {

namespace {

// A table figure as short as it goes: 4.9, 1075, 0.627.
QString plain(double value)
{
    return significantText(value, 6);
}

// "10 turns give", "1 turn gives".
QString turnsGive(double n)
{
    return QString::number(n, 'f', 0) + (n == 1 ? QStringLiteral(" turn gives") : QStringLiteral(" turns give"));
}

QString megahertz(double hz)
{
    return fixed(hz / 1e6, 4, 3);
}

} // namespace

TurnsHint turnsHint(const CoreTable &cores, int record, double exactTurns, double indHenry, double capFarad)
{
    TurnsHint hint;
    hint.record = record;
    hint.tableReport = coreTableReport(cores);
    if (record < 1 || record > qBound(0, cores.coreCount, CoreTable::MaxRecords))
        return hint;
    const std::size_t slot = std::size_t(record);
    hint.hasCore = true;
    hint.coreName = cores.coreName[slot];
    hint.alNh = cores.coreAL[slot];
    // N turns give N * N * AL nH: 100 turns 10^4 * AL nH, that is 10 * AL uH.
    hint.uhPer100Turns = hint.alNh * 10;
    hint.wirePerTurn = cores.coreWire[slot];
    hint.size = cores.sizes.forCore(hint.coreName);

    if (!(hint.alNh > 0) || !(exactTurns > 0) || !(indHenry > 0) || !std::isfinite(exactTurns))
        return hint;
    hint.hasWinding = true;
    hint.exactTurns = exactTurns;
    // The whole number the field shows, rounded as the field rounds it.
    hint.wholeTurns = fieldValue(formatMask(exactTurns, mask::whole));
    hint.indHenry = indHenry;
    hint.wholeTurnsHenry = hint.wholeTurns * hint.wholeTurns * hint.alNh / 1e9;
    hint.errorPercent = (hint.wholeTurnsHenry - indHenry) / indHenry * 100;

    if (capFarad > 0 && hint.wholeTurnsHenry > 0) {
        const double f = 1 / (std::sqrt(hint.wholeTurnsHenry * capFarad) * TwoPi);
        if (std::isfinite(f)) {
            hint.hasFrequency = true;
            hint.capFarad = capFarad;
            hint.wholeTurnsFreqHz = f;
        }
    }
    return hint;
}

TurnsHint turnsHint(const ResonanceSolver &solver, int record)
{
    const bool inRange = record >= 1 && record <= CoreTable::MaxRecords;
    return turnsHint(solver.cores(), record, inRange ? solver.coreTurns(record) : 0, solver.indHenry(),
                     solver.capFarad());
}

QString turnsHintHeading(const TurnsHint &hint)
{
    // The second line says where the table came from, which explains an empty slot.
    const QString table = hint.tableReport.isEmpty() ? QString() : QLatin1Char('\n') + hint.tableReport;
    if (!hint.hasCore)
        return QStringLiteral("No core is loaded in slot %1").arg(hint.record) + table;
    return QStringLiteral("%1: AL %2 nH/turn² (%3 µH per 100 turns), wire %4 in per turn")
            .arg(hint.coreName, plain(hint.alNh), plain(hint.uhPer100Turns), plain(hint.wirePerTurn)) + table;
}

QString turnsHintText(const TurnsHint &hint, const QString &heading)
{
    if (!hint.hasCore)
        return heading;

    QStringList lines;
    lines << heading;
    if (!(hint.alNh > 0))
        lines << QStringLiteral("No winding can be worked out with this AL");
    if (hint.hasWinding) {
        lines << QStringLiteral("Exact turns: %1").arg(QString::number(hint.exactTurns, 'f', 3));
        lines << QStringLiteral("%1 %2 µH: %3 against %4 µH")
                         .arg(turnsGive(hint.wholeTurns), fixed(hint.wholeTurnsHenry * 1e6, 4),
                              signedPercent(hint.errorPercent), fixed(hint.indHenry * 1e6, 4));
        if (hint.hasFrequency)
            lines << QStringLiteral("With %1 pF, %2 resonance at %3 MHz")
                             .arg(plain(hint.capFarad * 1e12), turnsGive(hint.wholeTurns), megahertz(hint.wholeTurnsFreqHz));
        if (hint.size && hint.windableTurns() > 0)
            lines << oneLayerLine(*hint.size, hint.windableTurns());
    }
    return lines.join(QLatin1Char('\n'));
}

QString wholeTurnsSummary(const TurnsHint &hint)
{
    if (!hint.hasWinding)
        return QString();
    QString text = QStringLiteral("%1 %2 uH (%3)")
                           .arg(turnsGive(hint.wholeTurns), fixed(hint.wholeTurnsHenry * 1e6, 4),
                                signedPercent(hint.errorPercent));
    if (hint.hasFrequency)
        text += QStringLiteral(", resonant at %1 MHz with %2 pF")
                        .arg(megahertz(hint.wholeTurnsFreqHz), plain(hint.capFarad * 1e12));
    return text;
}

} // namespace corvane
