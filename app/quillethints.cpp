#include "quillet.h"

#include "turnshint.h"

namespace corvane {

void Quillet::nameFields()
{
    static const char *const topNames[] = { "Frequency, MHz", "Capacitance, pF", "Inductance, microhenries",
                                            "Impedance, ohms" };
    const QString keys = QStringLiteral("Type a value and press Enter. F, C, L and Z jump to the frequency, "
                                        "capacitance, inductance and impedance; E erases all fields.");
    for (int i = 0; i < ResonanceSolver::FirstTurnsField; ++i) {
        txt(i)->setAccessibleName(QString::fromLatin1(topNames[i]));
        txt(i)->setAccessibleDescription(keys);
    }
    const CoreTable &table = m_solver.cores();
    for (int record = 1; record <= CoreTable::MaxRecords; ++record) {
        FieldEdit *field = txt(ResonanceSolver::turnsField(record));
        // The description is left empty: screen readers then read the tooltip.
        if (record <= table.coreCount)
            field->setAccessibleName(table.coreName[std::size_t(record)] + QStringLiteral(" turns"));
        else
            field->setAccessibleName(QStringLiteral("Core slot %1 turns, no core").arg(record));
    }
}

void Quillet::showTurnsHints()
{
    // Working out fifty tooltips would cost more than the rest of the focus change.
    std::vector<double> numbers = { m_solver.indHenry(), m_solver.capFarad() };
    for (int record = 1; record <= CoreTable::MaxRecords; ++record)
        numbers.push_back(m_solver.coreTurns(record));
    if (!hintNumbersChanged(std::move(numbers)))
        return;
    for (int record = 1; record <= CoreTable::MaxRecords; ++record) {
        FieldEdit *field = txt(ResonanceSolver::turnsField(record));
        const QString hint = turnsHintText(turnsHint(m_solver, record), m_hintHeadings[std::size_t(record)]);
        if (field->toolTip() != hint)
            field->setToolTip(hint);
    }
}

} // namespace corvane
