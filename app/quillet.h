#pragma once

#include "activationwatch.h"
#include "fieldhandler.h"
#include "resonancesolver.h"

#include <QMainWindow>

#include <array>

class QAction;
class QLabel;
class QMenu;

namespace corvane {

class FieldEdit;

// The main window: the resonance and winding calculator. Four entry fields
// (frequency, capacitance, inductance, impedance) above a 5 x 10 grid of turns
// fields, one per core of the core table. Every focus loss of a field runs the
// solver; the window only copies texts in and out and filters the keys.
class Quillet : public QMainWindow, public FieldHandler
{
    Q_OBJECT
public:
    static constexpr int FieldCount = ResonanceSolver::FieldCount;

    explicit Quillet(const QString &coreTablePath, QWidget *parent = nullptr);

    // The field array: 0 frequency, 1 capacitance, 2 inductance, 3 impedance,
    // 4..53 the turns fields of cores 1..50.
    FieldEdit *txt(int index) const { return m_txt[std::size_t(index)]; }
    // The label array: 0..3 the headings, 4..53 the core names.
    QLabel *Label(int index) const { return m_label[std::size_t(index)]; }
    // The prefix labels "F=", "C=", "L=", "Z=" (Label0..Label3).
    QLabel *prefixLabel(int index) const { return m_prefix[std::size_t(index)]; }
    // Hidden holder of the window's printed picture.
    QLabel *Picture1() const { return m_picture; }

    const ResonanceSolver &solver() const { return m_solver; }
    const QString &coreTablePath() const { return m_coreTablePath; }

    // The field array's events.
    void txt_GotFocus(int index) override;
    void txt_KeyPress(int index, int &keyAscii) override;
    void txt_LostFocus(int index) override;

public slots:
    void mnuPrint_Click();
    void mnuExit_Click();
    void mnuAttenuators_Click();
    void mnuParams_Click();
    void mnuTechData_Click();
    void mnuHelp_Click();
    void mnuAbout_Click();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void createMenus();
    void setFieldTabOrder();
    void Form_Load();
    void Form_Activate();
    void Form_QueryUnload();

    void erase();
    void enterKey(int index);
    void moveFocus(int index);
    void showMessage(const QString &text);

    // The solver works on its own copy of the texts: these move them across.
    void textsToSolver();
    void textsFromSolver();

    // Names a screen reader speaks for the fields, and the turns fields'
    // tooltips about the whole turns they show (quillethints.cpp).
    void nameFields();
    void showTurnsHints();
    // The Capacitance field's tooltip about the standard capacitors nearest
    // it (capacitancehint.cpp).
    void showCapacitanceHint();

    // What the turns hints were last worked out from: a focus change that
    // changed none of it changes no hint.
    struct HintInputs
    {
        double indHenry = 0;
        double capFarad = 0;
        std::array<double, CoreTable::MaxRecords + 1> coreTurns {};
        bool operator==(const HintInputs &other) const
        {
            return indHenry == other.indHenry && capFarad == other.capFarad && coreTurns == other.coreTurns;
        }
    };
    HintInputs hintInputs() const;
    HintInputs m_hintInputs;
    bool m_hintsShown = false;
    // The first line of each turns hint, which only the core table decides.
    std::array<QString, CoreTable::MaxRecords + 1> m_hintHeadings;

    QString m_coreTablePath;
    ResonanceSolver m_solver;

    std::array<FieldEdit *, FieldCount> m_txt {};
    std::array<QLabel *, FieldCount> m_label {};
    std::array<QLabel *, 4> m_prefix {};
    QLabel *m_picture = nullptr;

    QMenu *mnuFile = nullptr;
    QAction *mnuPrint = nullptr;
    QAction *mnuSep1 = nullptr;
    QAction *mnuExit = nullptr;
    QMenu *mnuTools = nullptr;
    QAction *mnuAttenuators = nullptr;
    QAction *mnuParams = nullptr;
    QAction *mnuTechData = nullptr;
    QAction *mnuHelp = nullptr;
    QAction *mnuAbout = nullptr;

    ActivationWatch *m_activation = new ActivationWatch(this);
};

} // namespace corvane
