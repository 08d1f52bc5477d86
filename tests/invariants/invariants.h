#pragma once
// What must hold in the calculators whatever the user types, pastes or erases.
// Shared by the fuzz targets and the randomized test: every check returns the
// first thing that is wrong, or an empty text when all is well.

#include "attensolver.h"
#include "coretable.h"
#include "displaymask.h"
#include "fieldvalue.h"
#include "resonancesolver.h"

#include <QRegularExpression>
#include <QString>

#include <array>
#include <cmath>
#include <optional>

namespace corvane::invariants {

inline QString quoted(const QString &text)
{
    QString shown;
    for (QChar c : text.left(60)) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    if (text.size() > 60)
        shown += QStringLiteral("...(%1 characters)").arg(text.size());
    return QLatin1Char('"') + shown + QLatin1Char('"');
}

inline QString number(double value)
{
    return QString::number(value, 'g', 17);
}

// Close within a relative tolerance; exact zeros must match exactly.
inline bool near(double actual, double expected, double relative)
{
    if (actual == expected)
        return true;
    return std::fabs(actual - expected) <= relative * std::fabs(expected);
}

// A working value is usable as a quantity: finite and not negative.
inline bool finiteNotNegative(double value)
{
    return std::isfinite(value) && value >= 0;
}

// Nothing the program computes may look like these.
inline QString computedTextProblem(const QString &text)
{
    for (const char *bad : { "nan", "inf", "e+", "-" })
        if (text.contains(QLatin1String(bad), Qt::CaseInsensitive))
            return QStringLiteral("computed text %1 contains \"%2\"").arg(quoted(text), QLatin1String(bad));
    return QString();
}

// The text is what the mask writes for some number: writing the number it
// reads as through the same mask gives the text back.
inline bool isMaskOutput(const QString &text, const QString &mask)
{
    return !text.isEmpty() && formatMask(fieldValue(text), mask) == text;
}

// The texts the user put into fields and the program has not rewritten since;
// such a text may be anything.
template <std::size_t N>
class TypedTexts
{
public:
    void set(int index, const QString &text) { m_texts[std::size_t(index)] = text; }
    void drop(int index) { m_texts[std::size_t(index)].reset(); }
    void clear() { m_texts = {}; }
    bool holds(int index, const QString &text) const
    {
        const auto &typed = m_texts[std::size_t(index)];
        return typed && *typed == text;
    }
    // Forgets the typed texts the program has since overwritten.
    template <class Texts>
    void forgetOverwritten(const Texts &texts)
    {
        for (std::size_t i = 0; i < N; ++i)
            if (m_texts[i] && *m_texts[i] != texts[i])
                m_texts[i].reset();
    }

private:
    std::array<std::optional<QString>, N> m_texts {};
};

// ---------------------------------------------------------------- core table

inline QString checkCoreTable(const CoreTable &table)
{
    if (table.coreCount < 0 || table.coreCount > CoreTable::MaxRecords)
        return QStringLiteral("the table holds %1 records").arg(table.coreCount);
    for (int i = 0; i < CoreTable::Slots; ++i) {
        const std::size_t slot = std::size_t(i);
        const QString &name = table.coreName[slot];
        if (i >= 1 && i <= table.coreCount) {
            if (name.isEmpty() || name.contains(QLatin1Char(' ')))
                return QStringLiteral("record %1 has the name %2").arg(i).arg(quoted(name));
            if (name != name.toUpper())
                return QStringLiteral("record %1 has a name not in upper case: %2").arg(i).arg(quoted(name));
            if (!std::isfinite(table.coreAL[slot]) || !std::isfinite(table.coreWire[slot]))
                return QStringLiteral("record %1 has AL %2 and wire %3")
                        .arg(i)
                        .arg(number(table.coreAL[slot]), number(table.coreWire[slot]));
        } else if (!name.isEmpty() || table.coreAL[slot] != 0 || table.coreWire[slot] != 0) {
            return QStringLiteral("slot %1 holds no record but is not empty").arg(i);
        }
    }
    if (table.skipped.size() > CoreTable::MaxSkippedListed || table.skippedCount < table.skipped.size())
        return QStringLiteral("%1 skipped lines listed of %2").arg(table.skipped.size()).arg(table.skippedCount);
    return QString();
}

// ----------------------------------------------------------- resonance solver

// Drives a ResonanceSolver as the main window does and checks it after every step.
class ResonanceCheck
{
public:
    static constexpr int FieldCount = ResonanceSolver::FieldCount;
    static constexpr int FirstTurnsField = ResonanceSolver::FirstTurnsField;

    explicit ResonanceCheck(ResonanceSolver &solver) : m_solver(solver) {}

    // How many entries were taken (changed something).
    int taken() const { return m_taken; }

    // The user types (or pastes) a whole new text into the field.
    void type(int index, const QString &text)
    {
        m_solver.setText(index, text);
        m_typed.set(index, text);
    }

    // The field loses the focus.
    QString leave(int index)
    {
        const Snapshot before(m_solver);
        const int lastField = m_solver.lastField();
        m_solver.txt_LostFocus(index);
        const Snapshot after(m_solver);

        if (m_solver.lastField() != index)
            return QStringLiteral("lastField is %1 after leaving field %2").arg(m_solver.lastField()).arg(index);

        const double v = fieldValue(before.texts[std::size_t(index)]);
        bool solvable = v > 0 && lastField != index;
        if (solvable && index >= FirstTurnsField) {
            const int record = index - (FirstTurnsField - 1);
            solvable = record <= m_solver.cores().coreCount && m_solver.cores().coreAL[std::size_t(record)] > 0;
        }
        if (!solvable && !(after == before))
            return QStringLiteral("leaving field %1 changed something though nothing was to be solved").arg(index);
        if (solvable && !(after == before)) {
            // Taken: the entered quantity is the value typed, in working units.
            QString problem = enteredProblem(index, v);
            if (!problem.isEmpty())
                return problem;
            m_typed.drop(index);
            ++m_taken;
        }
        // Otherwise refused (or nothing to change): every number and text as it was.
        m_typed.forgetOverwritten(m_solver.texts());
        return state();
    }

    // The Erase key: the top fields and the loaded cores' turns are emptied;
    // the turns fields of slots without a record keep what they hold.
    QString erase()
    {
        m_solver.erase();
        m_typed.forgetOverwritten(m_solver.texts());
        for (int i = 0; i < FirstTurnsField + m_solver.cores().coreCount; ++i)
            if (!m_solver.text(i).isEmpty())
                return QStringLiteral("field %1 is %2 after an erase").arg(i).arg(quoted(m_solver.text(i)));
        if (m_solver.freqHz() != 0 || m_solver.capFarad() != 0 || m_solver.indHenry() != 0
            || m_solver.reactOhm() != 0)
            return QStringLiteral("a working value is not 0 after an erase");
        for (int record = 0; record < CoreTable::Slots; ++record)
            if (m_solver.coreTurns(record) != 0)
                return QStringLiteral("coreTurns(%1) is not 0 after an erase").arg(record);
        return state();
    }

    // Everything that holds between steps.
    QString state() const
    {
        const ResonanceSolver &s = m_solver;
        const CoreTable &cores = s.cores();
        const std::array<double, 4> values { s.freqHz(), s.capFarad(), s.indHenry(), s.reactOhm() };
        int known = 0;
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (!finiteNotNegative(values[i]))
                return QStringLiteral("working value %1 is %2").arg(i).arg(number(values[i]));
            known += values[i] > 0 ? 1 : 0;
        }
        // One entry gives one quantity; the second fills in the other two.
        if (known == 2 || known == 3)
            return QStringLiteral("%1 of the four quantities are known").arg(known);
        if (known == 4) {
            QString problem = resonanceProblem();
            if (!problem.isEmpty())
                return problem;
        }

        // The four top fields show their working values, in display units.
        const std::array<double, 4> shown { s.freqHz() / 1e6, s.capFarad() * 1e12, s.indHenry() * 1e6, s.reactOhm() };
        const std::array<QString, 4> masks { mask::frequency, mask::whole, mask::inductance, mask::whole };
        for (int i = 0; i < 4; ++i) {
            const QString &text = s.text(i);
            if (text.isEmpty() || m_typed.holds(i, text))
                continue;
            QString problem = computedTextProblem(text);
            if (!problem.isEmpty())
                return QStringLiteral("field %1: %2").arg(i).arg(problem);
            if (text != formatMask(shown[std::size_t(i)], masks[std::size_t(i)]))
                return QStringLiteral("field %1 shows %2 for the working value %3")
                        .arg(i)
                        .arg(quoted(text), number(values[std::size_t(i)]));
        }

        for (int record = 0; record < CoreTable::Slots; ++record) {
            const double turns = s.coreTurns(record);
            if (!finiteNotNegative(turns))
                return QStringLiteral("coreTurns(%1) is %2").arg(record).arg(number(turns));
            if ((record == 0 || record > cores.coreCount) && turns != 0)
                return QStringLiteral("coreTurns(%1) is %2 without a record").arg(record).arg(number(turns));
        }
        for (int index = FirstTurnsField; index < FieldCount; ++index) {
            const QString &text = s.text(index);
            if (text.isEmpty() || m_typed.holds(index, text))
                continue;
            const int record = index - (FirstTurnsField - 1);
            if (record > cores.coreCount)
                return QStringLiteral("turns field %1 without a record shows %2").arg(index).arg(quoted(text));
            QString problem = turnsTextProblem(record, text);
            if (!problem.isEmpty())
                return problem;
        }
        return QString();
    }

private:
    struct Snapshot
    {
        explicit Snapshot(const ResonanceSolver &s)
            : texts(s.texts()), values { s.freqHz(), s.capFarad(), s.indHenry(), s.reactOhm() }
        {
            for (int i = 0; i < CoreTable::Slots; ++i)
                turns[std::size_t(i)] = s.coreTurns(i);
        }
        bool operator==(const Snapshot &o) const
        {
            return texts == o.texts && values == o.values && turns == o.turns;
        }
        std::array<QString, FieldCount> texts;
        std::array<double, 4> values;
        std::array<double, CoreTable::Slots> turns {};
    };

    QString enteredProblem(int index, double v) const
    {
        const ResonanceSolver &s = m_solver;
        double stored = 0;
        double expected = 0;
        switch (index) {
        case 0:
            stored = s.freqHz();
            expected = v * 1e6;
            break;
        case 1:
            stored = s.capFarad();
            expected = v * 1e-12;
            break;
        case 2:
            stored = s.indHenry();
            expected = v / 1e6;
            break;
        case 3:
            stored = s.reactOhm();
            expected = v;
            break;
        default:
            stored = s.indHenry();
            expected = (v * v * s.cores().coreAL[std::size_t(index - (FirstTurnsField - 1))]) / 1e9;
            break;
        }
        if (!near(stored, expected, 1e-15))
            return QStringLiteral("field %1 entered as %2 stores %3").arg(index).arg(number(v), number(stored));
        return QString();
    }

    // All four known: they satisfy the resonance relations. Values at the edge
    // of the double range lose digits, so only normal numbers are compared.
    QString resonanceProblem() const
    {
        const ResonanceSolver &s = m_solver;
        const double w = s.freqHz() * 6.283185307;
        const double wL = w * s.indHenry();
        const double wC = w * s.capFarad();
        for (double x : { s.freqHz(), s.capFarad(), s.indHenry(), s.reactOhm(), w, wL, wC,
                          s.indHenry() * s.capFarad() })
            if (std::fpclassify(x) != FP_NORMAL)
                return QString();
        if (!near(s.reactOhm(), wL, 1e-9) || !near(s.reactOhm(), 1 / wC, 1e-9))
            return QStringLiteral("f %1 Hz, C %2 F, L %3 H, X %4 ohms do not resonate")
                    .arg(number(s.freqHz()), number(s.capFarad()), number(s.indHenry()), number(s.reactOhm()));
        return QString();
    }

    // A computed turns field: whole turns, " turns ", whole inches and the inch mark.
    QString turnsTextProblem(int record, const QString &text) const
    {
        const ResonanceSolver &s = m_solver;
        const std::size_t slot = std::size_t(record);
        const double al = s.cores().coreAL[slot];
        const double wirePerTurn = s.cores().coreWire[slot];
        static const QRegularExpression shape(QStringLiteral("^([0-9]+) turns ([0-9]+)\"$"));
        const QRegularExpressionMatch match = shape.match(text);
        QString problem = computedTextProblem(text);
        if (!problem.isEmpty() || !match.hasMatch())
            return QStringLiteral("core %1 shows %2").arg(record).arg(quoted(text));
        if (!(al > 0))
            return QStringLiteral("core %1 of AL %2 shows %3").arg(record).arg(number(al), quoted(text));
        const QString wholeTurns = match.captured(1);
        // Read back by the leading-number rule, the field is the whole turns shown.
        if (fieldValue(text) != fieldValue(wholeTurns) || !isMaskOutput(wholeTurns, mask::turns))
            return QStringLiteral("core %1: %2 does not read back as its turns").arg(record).arg(quoted(text));
        // The turns shown are the turns computed, and they fit the inductance.
        if (formatMask(s.coreTurns(record), mask::turns) != wholeTurns)
            return QStringLiteral("core %1 shows %2 for %3 turns").arg(record).arg(quoted(text), number(s.coreTurns(record)));
        const double turns = std::sqrt(1e9 * s.indHenry() / al);
        if (!near(s.coreTurns(record), turns, 1e-12))
            return QStringLiteral("core %1 has %2 turns for %3 H").arg(record).arg(number(s.coreTurns(record)), number(s.indHenry()));
        // The wire is cut for the whole turns shown, plus 2.4 inches of lead.
        const QString wire = formatMask(fieldValue(wholeTurns) * wirePerTurn + 2.4, mask::turns);
        if (match.captured(2) != wire)
            return QStringLiteral("core %1 shows %2, wire %3 per turn").arg(record).arg(quoted(text), number(wirePerTurn));
        return QString();
    }

    ResonanceSolver &m_solver;
    TypedTexts<FieldCount> m_typed;
    int m_taken = 0;
};

// ---------------------------------------------------------- attenuator solver

// Drives an AttenSolver as the attenuator window does and checks it after every step.
class AttenCheck
{
public:
    static constexpr int FieldCount = AttenSolver::FieldCount;

    explicit AttenCheck(AttenSolver &solver) : m_solver(solver) {}

    // How many commits computed (were neither ignored nor refused).
    int taken() const { return m_taken; }

    QString formLoad()
    {
        m_solver.formLoad();
        m_typed.clear();
        if (m_solver.text(0) != QLatin1String("50.0") || m_solver.impedOhm() != 50 || m_solver.attenDb() != 0)
            return QStringLiteral("a new window shows %1").arg(quoted(m_solver.text(0)));
        return state(false);
    }

    void type(int index, const QString &text)
    {
        m_solver.setText(index, text);
        m_typed.set(index, text);
    }

    QString leave(int k)
    {
        const Snapshot before(m_solver);
        m_solver.txt_LostFocus(k);
        const Snapshot after(m_solver);

        for (int i = 0; i < FieldCount; ++i)
            if (m_solver.lastText(i) != m_solver.text(i))
                return QStringLiteral("remembered text %1 is %2 but the field shows %3")
                        .arg(i)
                        .arg(quoted(m_solver.lastText(i)), quoted(m_solver.text(i)));

        const std::size_t field = std::size_t(k);
        const double v = fieldValue(before.texts[field]);
        const bool changed = v > 0 && before.texts[field] != before.lastTexts[field];
        const bool refused = !m_solver.refusal().isEmpty();
        if (!changed) {
            if (refused || after.numbers != before.numbers || after.texts != before.texts)
                return QStringLiteral("leaving field %1 unchanged or not positive did something").arg(k);
        } else if (refused) {
            // Refused: every number as it was, and the field shows its remembered text again.
            std::array<QString, FieldCount> expected = before.texts;
            expected[field] = before.lastTexts[field];
            if (after.numbers != before.numbers || after.texts != expected)
                return QStringLiteral("the refused entry %1 in field %2 changed something")
                        .arg(quoted(before.texts[field]))
                        .arg(k);
            // The remembered text may be one from before an erase.
            m_typed.set(k, after.texts[field]);
        } else {
            if ((k == 0 && m_solver.impedOhm() != v) || (k == 1 && m_solver.attenDb() != v))
                return QStringLiteral("field %1 entered as %2 is not stored").arg(k).arg(number(v));
            m_typed.drop(k);
            ++m_taken;
        }
        m_typed.forgetOverwritten(m_solver.texts());
        return state(changed && !refused);
    }

    QString erase()
    {
        m_solver.erase();
        m_typed.forgetOverwritten(m_solver.texts());
        for (int i = 0; i < FieldCount; ++i)
            if (!m_solver.text(i).isEmpty())
                return QStringLiteral("field %1 is %2 after an erase").arg(i).arg(quoted(m_solver.text(i)));
        if (Snapshot(m_solver).numbers != std::array<double, 6> {})
            return QStringLiteral("a number is not 0 after an erase");
        return state(false);
    }

    // 'accepted': the last step was a commit that computed; then every
    // resistor field must fit the pad, typed or not.
    QString state(bool accepted) const
    {
        const AttenSolver &s = m_solver;
        const std::array<double, 6> numbers = Snapshot(s).numbers;
        for (std::size_t i = 0; i < numbers.size(); ++i)
            if (!finiteNotNegative(numbers[i]))
                return QStringLiteral("attenuator number %1 is %2").arg(i).arg(number(numbers[i]));

        // Each field shows its number through the mask, unless it holds typing;
        // a commit that computed the pad rewrote all six resistor fields.
        const bool padComputed = accepted && s.impedOhm() > 0 && s.attenDb() > 0;
        const std::array<double, FieldCount> shown { s.impedOhm(), s.attenDb(), s.r1Ohm(), s.r1Ohm(),
                                                     s.r2Ohm(),    s.r3Ohm(),   s.r3Ohm(), s.r4Ohm() };
        for (int i = 0; i < FieldCount; ++i) {
            const QString &text = s.text(i);
            if ((text.isEmpty() || m_typed.holds(i, text)) && !(padComputed && i >= 2))
                continue;
            QString problem = computedTextProblem(text);
            if (!problem.isEmpty())
                return QStringLiteral("field %1: %2").arg(i).arg(problem);
            if (text != formatMask(shown[std::size_t(i)], mask::ohms))
                return QStringLiteral("field %1 shows %2 for %3").arg(i).arg(quoted(text), number(shown[std::size_t(i)]));
        }

        if (s.impedOhm() > 0 && s.attenDb() > 0)
            return padProblem(accepted);
        return QString();
    }

private:
    struct Snapshot
    {
        explicit Snapshot(const AttenSolver &s)
            : numbers { s.impedOhm(), s.attenDb(), s.r1Ohm(), s.r2Ohm(), s.r3Ohm(), s.r4Ohm() }, texts(s.texts())
        {
            for (int i = 0; i < FieldCount; ++i)
                lastTexts[std::size_t(i)] = s.lastText(i);
        }
        std::array<double, 6> numbers;
        std::array<QString, FieldCount> texts;
        std::array<QString, FieldCount> lastTexts;
    };

    // The matched symmetric pads for the stored impedance and attenuation.
    QString padProblem(bool accepted) const
    {
        const AttenSolver &s = m_solver;
        const double z = s.impedOhm();
        const double k = std::pow(10.0, s.attenDb() / 20);
        const double k2 = std::pow(10.0, s.attenDb() / 10);
        const double r1 = z * (k + 1) / (k - 1);
        const double r2 = z / 2 * (k2 - 1) / k;
        const double r3 = z * (k - 1) / (k + 1);
        const double r4 = 2 * z * k / (k2 - 1);
        // K close to 1 loses digits in K - 1: compare only where they are many.
        const double tolerance = 1e-12 / std::fmin(1.0, k - 1) + 1e-12;
        if (!near(s.r1Ohm(), r1, tolerance) || !near(s.r2Ohm(), r2, tolerance) || !near(s.r3Ohm(), r3, tolerance)
            || !near(s.r4Ohm(), r4, tolerance))
            return QStringLiteral("Z %1 and A %2 dB give R1..R4 %3 %4 %5 %6, not %7 %8 %9 %10")
                    .arg(number(z), number(s.attenDb()), number(s.r1Ohm()), number(s.r2Ohm()), number(s.r3Ohm()),
                         number(s.r4Ohm()), number(r1), number(r2), number(r3))
                    .arg(number(r4));
        const std::array<double, FieldCount> pad { 0, 0, r1, r1, r2, r3, r3, r4 };
        for (int i = 2; i < FieldCount; ++i) {
            const QString &text = s.text(i);
            if (!accepted && m_typed.holds(i, text))
                continue;
            // To display precision: half the last decimal shown.
            const double expected = pad[std::size_t(i)];
            if (!(std::fabs(fieldValue(text) - expected) <= 0.05 * (1 + tolerance) + tolerance * expected))
                return QStringLiteral("resistor field %1 shows %2 where the pad needs %3")
                        .arg(i)
                        .arg(quoted(text), number(expected));
        }
        return QString();
    }

    AttenSolver &m_solver;
    TypedTexts<FieldCount> m_typed;
    int m_taken = 0;
};

} // namespace corvane::invariants
