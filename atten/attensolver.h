#pragma once

#include <QString>

#include <array>

namespace corvane {

// The T and Pi attenuator calculation on the attenuator window's eight field
// texts: 0 impedance (ohms), 1 attenuation (dB), 2 and 3 the Pi shunt resistor
// R1, 4 the Pi series resistor R2, 5 and 6 the T series resistor R3, 7 the T
// shunt resistor R4. The window copies what the user typed into the texts,
// calls txt_LostFocus when a field loses the focus and shows the texts after.
class AttenSolver
{
public:
    static constexpr int FieldCount = 8;

    const QString &text(int index) const { return m_txt[std::size_t(index)]; }
    void setText(int index, const QString &text) { m_txt[std::size_t(index)] = text; }
    const std::array<QString, FieldCount> &texts() const { return m_txt; }

    // The state of a window that has just been built, with 50.0 in field 0.
    void formLoad();
    // The field 'index' has lost the focus: commit its text. An entry the
    // calculation cannot use is refused whole; refusal() then says why.
    void txt_LostFocus(int index);
    // Empties the eight texts and zeroes the six numbers; the remembered
    // texts stay as they are.
    void erase();

    // Why the last commit was refused, or empty when it was not.
    const QString &refusal() const { return m_refusal; }

    double impedOhm() const { return m_n.impedOhm; }
    double attenDb() const { return m_n.attenDb; }
    double r1Ohm() const { return m_n.r1Ohm; }
    double r2Ohm() const { return m_n.r2Ohm; }
    double r3Ohm() const { return m_n.r3Ohm; }
    double r4Ohm() const { return m_n.r4Ohm; }
    // The text of field 'index' as it stood at the end of the last commit.
    const QString &lastText(int index) const { return m_lastText[std::size_t(index)]; }

private:
    struct Numbers
    {
        double impedOhm = 50;
        double attenDb = 0;
        double r1Ohm = 0;
        double r2Ohm = 0;
        double r3Ohm = 0;
        double r4Ohm = 0;
    };

    // The row of field k for the typed value v. Each returns why the entry
    // leaves the domain, or an empty text when it does not.
    QString commit(int k, double v);
    QString calcR();
    QString attenuationFromRatio(double ratio);
    void write(int index, double value);

    std::array<QString, FieldCount> m_txt;
    std::array<QString, FieldCount> m_lastText { QStringLiteral("50") };
    Numbers m_n;
    QString m_refusal;
};

} // namespace corvane
