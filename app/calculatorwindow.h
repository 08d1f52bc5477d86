#pragma once

#include "fieldedit.h"
#include "fieldhandler.h"

#include <QMainWindow>

#include <vector>

class QLabel;

namespace corvane {

class ActivationWatch;

// What the two calculator windows do alike: the field array `txt` and its
// handlers, tooltips worked out again only when their numbers change, the
// hidden `Picture1` that holds what was printed, and activations told apart
// from returns from a message box or another program. Each window supplies
// what differs: its jump letters, the text a refused Enter brings back, its
// solver (SolverWindow) and Form_Activate.
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
    struct JumpKey { char letter; int field; };
    // How a refused Enter leaves the text it puts back.
    enum class RestoredText { Selected, CaretAtEnd };

    CalculatorWindow(int fieldCount, std::vector<JumpKey> jumpKeys, RestoredText restored, QWidget *parent);
    ~CalculatorWindow() override;

    // Fields are added in tab order: each follows the one added before it.
    FieldEdit *addField(int index, QWidget *parent, const QFont &font, const QRect &rect);
    void addPicture(QWidget *parent);

    // The base class sees the activation first, then Form_Activate runs unless
    // this is a return from a message box or from another program.
    bool event(QEvent *event) override;
    virtual void Form_Activate() = 0;

    // The commit of the field being left; the erase of every field.
    virtual void commit(int index) = 0;
    virtual void erase() = 0;
    // The text Enter in a field reading 0 brings back, unless it reads 0 too.
    virtual QString enterFallback(int index) const = 0;
    virtual void showHints() = 0;

    void printForm();
    // The program's message box; the window gets the activation back when it closes.
    void showMessage(const QString &text);

    // Most focus changes change no number: true when these differ from the
    // numbers the hints were last made from.
    bool hintNumbersChanged(std::vector<double> numbers);
    // Sets a tooltip; a screen reader speaks the description, not the tooltip,
    // so the description gets both.
    static void showHint(FieldEdit *field, const QString &hint, const QString &description);

private:
    void enterKey(int index);

    std::vector<FieldEdit *> m_txt;
    std::vector<JumpKey> m_jumpKeys;
    RestoredText m_restored;
    FieldEdit *m_lastAdded = nullptr;
    QLabel *m_picture = nullptr;
    ActivationWatch *m_activation;
    std::vector<double> m_hintNumbers;
    bool m_unloading = false;
};

} // namespace corvane
