#pragma once

#include "attensolver.h"
#include "calculatorwindow.h"

namespace corvane {

// The attenuator window: impedance and attenuation in, the resistors of a
// symmetric Pi and T pad out, or a resistor in and the rest worked back.
// It only forwards its fields' events to AttenSolver and copies texts.
class frmAtten : public CalculatorWindow
{
    Q_OBJECT
public:
    explicit frmAtten(QWidget *parent = nullptr);

    const AttenSolver &solver() const { return m_solver; }

public slots:
    void mnuPrintScreen_Click();

protected:
    // Moves the focus one field on, by an injected Tab.
    void Form_Activate() override;
    void commit(int index) override;
    void erase() override;
    // The field's own remembered text.
    QString enterFallback(int index) const override;
    void showHints() override;

private:
    void buildControls();
    void Form_Load();
    // Names a screen reader speaks for the fields, and the resistor fields'
    // tooltips about standard parts (frmattenhints.cpp).
    void nameFields();

    AttenSolver m_solver;
};

// The Tools > Attenuators command: shows the one attenuator window, building
// a fresh one when none is open.
frmAtten *showAttenuatorWindow(QWidget *mainWindow);

} // namespace corvane
