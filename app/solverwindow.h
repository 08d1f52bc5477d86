#pragma once

#include "calculatorwindow.h"

namespace corvane {

// A calculator window over its solver, which works on its own copy of the
// texts: each step copies them in, runs and writes back only the texts that
// changed, so that only those fields repaint.
template <class Solver>
class SolverWindow : public CalculatorWindow
{
public:
    const Solver &solver() const { return m_solver; }

protected:
    using CalculatorWindow::CalculatorWindow;

    void commit(int index) override { runSolver([this, index] { m_solver.txt_LostFocus(index); }); }
    void erase() override { runSolver([this] { m_solver.erase(); }); }

    template <class Step>
    void runSolver(Step step)
    {
        for (int i = 0; i < Solver::FieldCount; ++i)
            m_solver.setText(i, txt(i)->text());
        step();
        for (int i = 0; i < Solver::FieldCount; ++i)
            if (txt(i)->text() != m_solver.text(i))
                txt(i)->setText(m_solver.text(i));
        showHints();
    }

    Solver m_solver;
};

} // namespace corvane
