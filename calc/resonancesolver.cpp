#include "resonancesolver.h"

#include "windingplan.h"

#include "displaymask.h"
#include "fieldvalue.h"
#include "numbers.h"

#include <QtGlobal>

#include <cmath>

namespace corvane {

namespace {

constexpr int Frequency = 0;
constexpr int Capacitance = 1;
constexpr int Inductance = ResonanceSolver::InductanceField;
constexpr int Impedance = 3;

} // namespace

ResonanceSolver::ResonanceSolver(CoreTable cores) : m_cores(std::move(cores)) {}

void ResonanceSolver::txt_LostFocus(int index)
{
    if (index < 0 || index >= FieldCount)
        return;
    const double v = fieldValue(m_work.txt[std::size_t(index)]);
    bool entered = v > 0 && m_lastField != index;
    if (entered && index >= FirstTurnsField) {
        // Turns mean nothing without a loaded core of positive AL to wind them on.
        const int record = recordOf(index);
        entered = record <= m_cores.coreCount && m_cores.coreAL[std::size_t(record)] > 0;
    }
    if (entered) {
        // Worked out on a copy: an entry whose results do not fit a double is
        // refused whole, and the fields keep what they showed before it.
        Working next = m_work;
        if (solve(next, index, v))
            m_work = std::move(next);
    }
    m_lastField = index;
}

bool ResonanceSolver::solve(Working &w, int index, double v) const
{
    bool sound = true;
    // Shows a working value in its field, in its display unit and mask.
    auto show = [&](int field) {
        const double values[] = { w.freqHz, w.capFarad, w.indHenry, w.reactOhm };
        const double shownValues[] = { w.freqHz / 1e6, w.capFarad * 1e12, w.indHenry * 1e6, w.reactOhm };
        const QString *masks[] = { &mask::frequency, &mask::whole, &mask::inductance, &mask::whole };
        const double shown = shownValues[field];
        // Kept only finite and positive: zero would mark the quantity as not
        // given, and later divisions rely on it.
        sound = sound && isPositiveFinite(values[field]) && std::isfinite(shown);
        w.txt[std::size_t(field)] = formatMask(shown, *masks[field]);
    };

    // (a) .. (g): the resonance relations, each in this order of operations.
    // A new inductance rewrites the turns column.
    auto a = [&] { w.reactOhm = 1 / ((w.freqHz * TwoPi) * w.capFarad); show(Impedance); };
    auto b = [&] { w.reactOhm = (w.freqHz * TwoPi) * w.indHenry; show(Impedance); };
    auto c = [&] { w.indHenry = w.reactOhm / (w.freqHz * TwoPi); show(Inductance); calcTurns(w); };
    auto d = [&] { w.capFarad = 1 / ((w.freqHz * TwoPi) * w.reactOhm); show(Capacitance); };
    auto e = [&] { w.freqHz = 1 / (std::sqrt(w.indHenry * w.capFarad) * TwoPi); show(Frequency); };
    auto f = [&] { w.freqHz = 1 / ((w.capFarad * TwoPi) * w.reactOhm); show(Frequency); };
    auto g = [&] { w.freqHz = w.reactOhm / (w.indHenry * TwoPi); show(Frequency); };

    // The entered quantity, shown again in its display format; turns enter an inductance.
    const int entered = index < FirstTurnsField ? index : Inductance;
    switch (index) {
    case Frequency:
        w.freqHz = v * 1e6;
        break;
    case Capacitance:
        w.capFarad = v * 1e-12;
        break;
    case Inductance:
        w.indHenry = v / 1e6;
        break;
    case Impedance:
        w.reactOhm = v;
        break;
    default:
        w.indHenry = (v * v * m_cores.coreAL[std::size_t(recordOf(index))]) / 1e9;
        break;
    }
    show(entered);
    if (entered == Inductance)
        calcTurns(w); // rewrites an entered core's own field too
    if (!sound)
        return false;

    // With one more known quantity the other two follow from the pair. The
    // first other known one in field order is kept, the rest are overwritten.
    const double known[] = { w.freqHz, w.capFarad, w.indHenry, w.reactOhm };
    int other = Frequency;
    while (other <= Impedance && (other == entered || known[other] == 0))
        ++other;
    auto knownPair = [&](int p, int q) { return (entered == p && other == q) || (entered == q && other == p); };
    if (knownPair(Frequency, Capacitance)) {
        a(); c();
    } else if (knownPair(Frequency, Inductance)) {
        b(); d();
    } else if (knownPair(Frequency, Impedance)) {
        c(); d();
    } else if (knownPair(Capacitance, Inductance)) {
        e(); b();
    } else if (knownPair(Capacitance, Impedance)) {
        f(); c();
    } else if (knownPair(Inductance, Impedance)) {
        g(); d();
    }
    return sound;
}

void ResonanceSolver::calcTurns(Working &w) const
{
    const int count = qBound(0, m_cores.coreCount, CoreTable::MaxRecords);
    for (int i = 1; i <= count; ++i) {
        const std::size_t slot = std::size_t(i);
        QString &field = w.txt[std::size_t(turnsField(i))];
        const double al = m_cores.coreAL[slot];
        const double turns = al > 0 ? std::sqrt((1e9 * w.indHenry) / al) : qQNaN();
        // The wire is cut for whole turns, the number the field shows.
        const double wholeTurns = fieldValue(formatMask(turns, mask::whole));
        const double wire = wireLengthInches(wholeTurns, m_cores.coreWire[slot]);
        // A core of no positive AL, or one whose numbers are absurd, gets no winding.
        const bool winds = std::isfinite(turns) && std::isfinite(wire) && wire >= 0;
        w.coreTurns[slot] = winds ? turns : 0;
        field = winds ? QStringLiteral("%1 turns %2\"").arg(formatMask(turns, mask::turns), formatMask(wire, mask::turns))
                      : QString();
    }
}

void ResonanceSolver::erase()
{
    for (int i = Frequency; i <= Impedance; ++i)
        m_work.txt[std::size_t(i)].clear();
    m_work.capFarad = m_work.indHenry = m_work.freqHz = m_work.reactOhm = 0;
    const int count = qBound(0, m_cores.coreCount, CoreTable::MaxRecords);
    for (int i = 1; i <= count; ++i) {
        m_work.txt[std::size_t(turnsField(i))].clear();
        m_work.coreTurns[std::size_t(i)] = 0;
    }
}

} // namespace corvane
