#pragma once

#include "resonancesolver.h"
#include "solverwindow.h"

#include <array>

namespace corvane {

// The main window: the resonance and winding calculator. Four entry fields
// (frequency, capacitance, inductance, impedance) above a 5 x 10 grid of turns
// fields, one per core of the core table. Every focus loss of a field runs the
// solver; the window only copies texts in and out and filters the keys.
class Quillet : public SolverWindow<ResonanceSolver>
{
    Q_OBJECT
public:
    static constexpr int FieldCount = ResonanceSolver::FieldCount;

    explicit Quillet(const QString &coreTablePath, QWidget *parent = nullptr);

    // The field array txt: 0 frequency, 1 capacitance, 2 inductance, 3 impedance,
    // 4..53 the turns fields of cores 1..50. The label array: 0..3 the
    // headings, 4..53 the core names.
    QLabel *Label(int index) const { return m_label[std::size_t(index)]; }

    const QString &coreTablePath() const { return m_coreTablePath; }

public slots:
    void mnuPrint_Click();
    void mnuExit_Click();
    void mnuAttenuators_Click();
    void mnuParams_Click();
    void mnuTechData_Click();
    void mnuHelp_Click();
    void mnuAbout_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    void Form_Activate() override;
    // The text of the field left last.
    QString enterFallback(int index) const override;
    void showHints() override;

private:
    void createControls();
    void createMenus();
    void Form_Load();
    void Form_QueryUnload();

    // Names a screen reader speaks for the fields, and the turns fields'
    // tooltips about the whole turns they show (quillethints.cpp).
    void nameFields();
    void showTurnsHints();
    // The Capacitance field's tooltip about the standard capacitors nearest
    // it (capacitancehint.cpp).
    void showCapacitanceHint();

    // The first line of each turns hint, which only the core table decides.
    std::array<QString, CoreTable::MaxRecords + 1> m_hintHeadings;

    QString m_coreTablePath;
    std::array<QLabel *, FieldCount> m_label {};
};

} // namespace corvane
