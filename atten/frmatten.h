#pragma once

#include "activationwatch.h"
#include "attensolver.h"
#include "fieldhandler.h"

#include <QMainWindow>

#include <array>

class QLabel;

namespace corvane {

class AttenFrame;
class FieldEdit;

// The attenuator window: impedance and attenuation in, the resistors of a
// symmetric Pi and T pad out, or a resistor in and the rest worked back.
// It only forwards its fields' events to AttenSolver and copies texts.
class frmAtten : public QMainWindow, public FieldHandler
{
    Q_OBJECT
public:
    explicit frmAtten(QWidget *parent = nullptr);
    ~frmAtten() override;

    FieldEdit *txt(int index) const { return m_txt[std::size_t(index)]; }
    // The hidden holder of the window's captured picture.
    QLabel *picture1() const { return m_picture1; }
    const AttenSolver &solver() const { return m_solver; }

    void txt_GotFocus(int index) override;
    void txt_KeyPress(int index, int &keyAscii) override;
    void txt_LostFocus(int index) override;

public slots:
    void mnuPrintScreen_Click();

protected:
    bool event(QEvent *event) override;

private:
    void buildControls();
    void Form_Load();
    void Form_Activate();
    void erase();
    void showTexts();
    void message(const QString &text);
    // Names a screen reader speaks for the fields, and the resistor fields'
    // tooltips about standard parts (frmattenhints.cpp).
    void nameFields();
    void showResistorHints();

    AttenSolver m_solver;
    std::array<FieldEdit *, AttenSolver::FieldCount> m_txt {};
    QLabel *m_picture1 = nullptr;
    ActivationWatch *m_activation = new ActivationWatch(this);
    bool m_unloading = false;
    // The numbers the resistor hints were last worked out from: a focus
    // change that changed none of them changes no hint.
    std::array<double, 5> m_hintNumbers {};
    bool m_hintsShown = false;
};

// The Tools > Attenuators command: shows the one attenuator window, building
// a fresh one when none is open.
frmAtten *showAttenuatorWindow(QWidget *mainWindow);

} // namespace corvane
