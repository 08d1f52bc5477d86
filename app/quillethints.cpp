#include "quillet.h"

#include "fieldedit.h"
#include "turnshint.h"

namespace corvane {

void Quillet::nameFields()
{
    static const char *const topNames[] = { "Frequency, MHz", "Capacitance, pF", "Inductance, microhenries",
                                            "Impedance, ohms" };
    const QString keys = QStringLiteral("Type a value and press Enter. F, C, L and Z jump to the frequency, "
                                        "capacitance, inductance and impedance; E erases all fields.");
    for (int i = 0; i < ResonanceSolver::FirstTurnsField; ++i) {
        m_txt[std::size_t(i)]->setAccessibleName(QString::fromLatin1(topNames[i]));
        m_txt[std::size_t(i)]->setAccessibleDescription(keys);
    }
    const CoreTable &table = m_solver.cores();
    for (int record = 1; record <= CoreTable::MaxRecords; ++record) {
        FieldEdit *field = m_txt[std::size_t(record + ResonanceSolver::FirstTurnsField - 1)];
        // The description is left empty: screen readers then read the tooltip.
        if (record <= table.coreCount)
            field->setAccessibleName(table.coreName[std::size_t(record)] + QStringLiteral(" turns"));
        else
            field->setAccessibleName(QStringLiteral("Core slot %1 turns, no core").arg(record));
    }
}

Quillet::HintInputs Quillet::hintInputs() const
{
    HintInputs inputs;
    inputs.indHenry = m_solver.indHenry();
    inputs.capFarad = m_solver.capFarad();
    for (int record = 1; record <= CoreTable::MaxRecords; ++record)
        inputs.coreTurns[std::size_t(record)] = m_solver.coreTurns(record);
    return inputs;
}

void Quillet::showTurnsHints()
{
    // Every focus change ends here; most change no number, and working out
    // fifty tooltips would cost more than the rest of the focus change.
    const HintInputs inputs = hintInputs();
    if (m_hintsShown && inputs == m_hintInputs)
        return;
    m_hintInputs = inputs;
    const bool first = !m_hintsShown;
    m_hintsShown = true;
    for (int record = 1; record <= CoreTable::MaxRecords; ++record) {
        FieldEdit *field = m_txt[std::size_t(record + ResonanceSolver::FirstTurnsField - 1)];
        const TurnsHint figures = turnsHint(m_solver, record);
        // The table is read once per window: so are the first lines.
        QString &heading = m_hintHeadings[std::size_t(record)];
        if (first)
            heading = turnsHintHeading(figures);
        const QString hint = turnsHintText(figures, heading);
        if (field->toolTip() != hint)
            field->setToolTip(hint);
    }
}

} // namespace corvane
