#include "frmatten.h"

#include "resistorhint.h"

namespace corvane {

namespace {

struct Name { const char *name; const char *description; };

const Name names[AttenSolver::FieldCount] = {
    { "Impedance, ohms", "Line impedance both pads are designed for" },
    { "Attenuation, dB", "Attenuation of both pads" },
    { "Pi attenuator R1 left, ohms", "Shunt resistor at the input of the Pi pad" },
    { "Pi attenuator R1 right, ohms", "Shunt resistor at the output of the Pi pad, equal to the left one" },
    { "Pi attenuator R2, ohms", "Series resistor of the Pi pad" },
    { "T attenuator R3 left, ohms", "Series resistor at the input of the T pad" },
    { "T attenuator R3 right, ohms", "Series resistor at the output of the T pad, equal to the left one" },
    { "T attenuator R4, ohms", "Shunt resistor of the T pad" },
};

} // namespace

void frmAtten::nameFields()
{
    for (int i = 0; i < AttenSolver::FieldCount; ++i) {
        txt(i)->setAccessibleName(QString::fromLatin1(names[i].name));
        txt(i)->setAccessibleDescription(QString::fromLatin1(names[i].description));
    }
}

void frmAtten::showHints()
{
    if (!hintNumbersChanged({ m_solver.impedOhm(), m_solver.r1Ohm(), m_solver.r2Ohm(), m_solver.r3Ohm(),
                              m_solver.r4Ohm() }))
        return;
    for (int i = 2; i < AttenSolver::FieldCount; ++i)
        showHint(txt(i), resistorHintText(resistorHint(m_solver, i)), QString::fromLatin1(names[i].description));
}

} // namespace corvane
