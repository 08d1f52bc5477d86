#pragma once

#include "coretable.h"

#include <QString>

#include <array>

namespace corvane {

// The resonance and winding calculation of the main window, on its 54 field
// texts: 0 frequency (MHz), 1 capacitance (pF), 2 inductance (uH), 3 impedance
// (ohms), 4..53 the turns fields of core records 1..50.
// The window copies what the user typed into the texts, calls txt_LostFocus when
// a field loses the focus and shows the texts afterwards.
class ResonanceSolver
{
public:
    static constexpr int FieldCount = 54;
    static constexpr int FirstTurnsField = 4;
    static constexpr int InductanceField = 2;
    // Core record 1..50 has its turns in field 4..53.
    static constexpr int turnsField(int record) { return record + FirstTurnsField - 1; }
    static constexpr int recordOf(int field) { return field - FirstTurnsField + 1; }

    explicit ResonanceSolver(CoreTable cores = CoreTable());

    const CoreTable &cores() const { return m_cores; }

    const QString &text(int index) const { return m_work.txt[std::size_t(index)]; }
    void setText(int index, const QString &text) { m_work.txt[std::size_t(index)] = text; }
    const std::array<QString, FieldCount> &texts() const { return m_work.txt; }

    // The field 'index' has lost the focus: solve from its text.
    void txt_LostFocus(int index);
    // Empties the four top fields and the loaded cores' turns, zeroes the numbers.
    void erase();
    // Rewrites every loaded core's turns field for the current inductance.
    void calcTurns() { calcTurns(m_work); }

    double freqHz() const { return m_work.freqHz; }
    double capFarad() const { return m_work.capFarad; }
    double indHenry() const { return m_work.indHenry; }
    double reactOhm() const { return m_work.reactOhm; }
    int lastField() const { return m_lastField; }
    double coreTurns(int record) const { return m_work.coreTurns[std::size_t(record)]; }

private:
    // Everything one entry may change. An entry is worked out on a copy and
    // kept only when every number it produced is usable.
    struct Working
    {
        std::array<QString, FieldCount> txt;
        double freqHz = 0;
        double capFarad = 0;
        double indHenry = 0;
        double reactOhm = 0;
        std::array<double, CoreTable::Slots> coreTurns {};
    };

    bool solve(Working &w, int index, double v) const;
    void calcTurns(Working &w) const;

    CoreTable m_cores;
    Working m_work;
    int m_lastField = 0;
};

} // namespace corvane
