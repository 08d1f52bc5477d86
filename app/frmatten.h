#pragma once

#include "attensolver.h"
#include "solverwindow.h"

namespace corvane {

// The attenuator window: impedance and attenuation in, the resistors of a
// symmetric Pi and T pad out, or a resistor in and the rest worked back.
// It only forwards its fields' events to AttenSolver and copies texts.
class frmAtten : public SolverWindow<AttenSolver>
{
    Q_OBJECT
public:
    explicit frmAtten(QWidget *parent = nullptr);

public slots:
    void mnuPrintScreen_Click();

protected:
    void Form_Activate() override;
    // Says why a value was refused.
    void commit(int index) override;
    // The field's own remembered text.
    QString enterFallback(int index) const override;
    void showHints() override;

private:
    void buildControls();
    void Form_Load();
    // Names a screen reader speaks for the fields, and the resistor fields'
    // tooltips about standard parts (frmattenhints.cpp).
    void nameFields();
};

// The Tools > Attenuators command: shows the one attenuator window, building
// a fresh one when none is open.
frmAtten *showAttenuatorWindow(QWidget *mainWindow);

} // namespace corvane
