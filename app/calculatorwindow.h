#pragma once

#include "fieldhandler.h"

#include <QMainWindow>

#include <vector>

class QLabel;

namespace corvane {

class ActivationWatch;
class FieldEdit;

// What the two calculator windows do alike. Each has a field array `txt` whose
// typed characters, focus gains and focus losses run through the handlers here,
// a solver that works on its own copy of the fields' texts, tooltips worked
// out again only when their numbers change, a hidden picture `Picture1` that
// holds what was printed, and activations told apart from returns from a
// message box or another program. The windows supply what differs: the letters
// that jump to a field, the text a refused Enter brings back, the solver steps
// and Form_Activate.
class CalculatorWindow : public QMainWindow, public FieldHandler
{
public:
    FieldEdit *txt(int index) const { return m_txt[std::size_t(index)]; }
    QLabel *Picture1() const { return m_picture; }

    void txt_GotFocus(int index) final;
    void txt_KeyPress(int index, int &keyAscii) final;
    void txt_LostFocus(int index) final;

protected:
    // A letter, typed in either case, that moves the focus to a field.
    struct JumpKey
    {
        char letter;
        int field;
    };
    // What a refused Enter puts back in the field: the window's own rule.
    enum class RestoredText { Selected, CaretAtEnd };

    CalculatorWindow(int fieldCount, std::vector<JumpKey> jumpKeys, RestoredText restored, QWidget *parent);
    ~CalculatorWindow() override;

    // Fields are added in tab order: each follows the one added before it.
    FieldEdit *addField(int index, QWidget *parent, const QFont &font, const QRect &rect);
    void addPicture(QWidget *parent);

    // The base class sees the activation first, so that the fields are active
    // when the window acts on it; a return from a message box or from another
    // program runs no Form_Activate.
    bool event(QEvent *event) override;
    virtual void Form_Activate() = 0;

    // The commit of the field being left, and the erase of every field.
    virtual void commit(int index) = 0;
    virtual void erase() = 0;
    // The text Enter in a field reading 0 brings back when that text does not read 0.
    virtual QString enterFallback(int index) const = 0;
    // Brings the tooltips up to date with the solver's numbers.
    virtual void showHints() = 0;

    void printForm();
    // The calculators' message box: OK only, no icon, the program's title; the
    // window gets the activation back when it closes.
    void showMessage(const QString &text);

    // The solver works on its own copy of the texts: these move them across,
    // writing only the texts that changed, so that only those fields repaint.
    template <class Solver>
    void textsToSolver(Solver &solver) const
    {
        for (std::size_t i = 0; i < m_txt.size(); ++i)
            solver.setText(int(i), fieldText(int(i)));
    }
    template <class Solver>
    void textsFromSolver(const Solver &solver)
    {
        for (std::size_t i = 0; i < m_txt.size(); ++i)
            setFieldText(int(i), solver.text(int(i)));
        showHints();
    }

    // Every focus change ends in showHints, and most change no number: true
    // only when these numbers differ from the last ones the hints were made from.
    bool hintNumbersChanged(std::vector<double> numbers);
    // Sets a tooltip; a screen reader speaks the description, not the tooltip,
    // so the description gets both.
    static void showHint(FieldEdit *field, const QString &hint, const QString &description);

private:
    void enterKey(int index);
    QString fieldText(int index) const;
    void setFieldText(int index, const QString &text);

    std::vector<FieldEdit *> m_txt;
    std::vector<JumpKey> m_jumpKeys;
    RestoredText m_restored;
    FieldEdit *m_lastAdded = nullptr;
    QLabel *m_picture = nullptr;
    ActivationWatch *m_activation;
    std::vector<double> m_hintNumbers;
    bool m_hintsShown = false;
    bool m_unloading = false;
};

} // namespace corvane
