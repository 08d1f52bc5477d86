#include "calculatorwindow.h"

#include "activationwatch.h"
#include "calculatorpalette.h"
#include "fieldvalue.h"
#include "messagebox.h"
#include "module1.h"
#include "twips.h"

#include <QEvent>
#include <QLabel>
#include <QPointer>

namespace corvane {

CalculatorWindow::CalculatorWindow(int fieldCount, std::vector<JumpKey> jumpKeys, RestoredText restored, QWidget *parent)
    : QMainWindow(parent), m_txt(std::size_t(fieldCount)), m_jumpKeys(std::move(jumpKeys)),
      m_restored(restored), m_activation(new ActivationWatch(this))
{
    useCalculatorColours(this);
}

CalculatorWindow::~CalculatorWindow()
{
    // The fields go while the window is whole: a focus change they raise on
    // the way out must find the handlers, which then do nothing.
    m_unloading = true;
    delete takeCentralWidget();
}

FieldEdit *CalculatorWindow::addField(int index, QWidget *parent, const QFont &font, const QRect &rect)
{
    auto *field = new FieldEdit(index, this, parent);
    field->setObjectName(QStringLiteral("txt(%1)").arg(index));
    field->setFont(font);
    field->setGeometry(rect);
    if (m_lastAdded)
        setTabOrder(m_lastAdded, field);
    m_lastAdded = field;
    m_txt[std::size_t(index)] = field;
    return field;
}

void CalculatorWindow::addPicture(QWidget *parent)
{
    m_picture = new QLabel(parent);
    m_picture->setObjectName(QStringLiteral("Picture1"));
    m_picture->setGeometry(twipsRect(0, 0, 255, 255));
    m_picture->hide();
}

bool CalculatorWindow::event(QEvent *event)
{
    if (event->type() != QEvent::WindowActivate)
        return QMainWindow::event(event);
    // Closing a message box hands the activation back, and so does coming back
    // from another program: the field that had the focus keeps it.
    const bool fromModal = m_activation->takeReturnFromModal();
    const bool fromElsewhere = m_activation->takeReturnFromElsewhere();
    const bool handled = QMainWindow::event(event);
    if (!fromModal && !fromElsewhere)
        Form_Activate();
    return handled;
}

void CalculatorWindow::txt_GotFocus(int index)
{
    // Typing replaces the old value.
    if (!m_unloading)
        txt(index)->selectAll();
}

void CalculatorWindow::txt_KeyPress(int index, int &keyAscii)
{
    const int typed = keyAscii;
    // Only digits, the point and Backspace reach a field.
    if (m_unloading || (typed >= '0' && typed <= '9') || typed == '.' || typed == 8)
        return;
    keyAscii = 0;
    if (typed == 16) { // Ctrl+P
        printForm();
    } else if (typed == 'E' || typed == 'e') {
        erase(); // the focus stays where the key was typed
    } else if (typed == 13) {
        enterKey(index);
    } else {
        for (const JumpKey &jump : m_jumpKeys)
            if (typed == jump.letter || typed == jump.letter - 'A' + 'a')
                txt(jump.field)->setFocus(Qt::OtherFocusReason);
    }
}

void CalculatorWindow::txt_LostFocus(int index)
{
    if (!m_unloading)
        commit(index);
}

void CalculatorWindow::enterKey(int index)
{
    const QString fallback = enterFallback(index);
    if (fieldValue(txt(index)->text()) == 0 && fieldValue(fallback) != 0) {
        QPointer<CalculatorWindow> self(this);
        showMessage(QStringLiteral("ZERO or EMPTY is not valid!"));
        if (!self)
            return;
        txt(index)->setText(fallback);
        if (m_restored == RestoredText::Selected)
            txt(index)->selectAll();
        return;
    }
    // The Tab runs after this handler, as if the user had pressed it.
    FieldEdit::injectTab(this);
}

void CalculatorWindow::printForm()
{
    Module1::printForm(this, Picture1());
}

void CalculatorWindow::showMessage(const QString &text)
{
    showMessageBox(this, text);
    // Some platforms hand the activation back only when asked.
    if (!isActiveWindow())
        activateWindow();
}

bool CalculatorWindow::hintNumbersChanged(std::vector<double> numbers)
{
    // None are kept before the first hints, which therefore always differ.
    if (numbers == m_hintNumbers)
        return false;
    m_hintNumbers = std::move(numbers);
    return true;
}

void CalculatorWindow::showHint(FieldEdit *field, const QString &hint, const QString &description)
{
    if (field->toolTip() == hint)
        return;
    field->setToolTip(hint);
    field->setAccessibleDescription(hint.isEmpty() ? description : description + QLatin1Char('\n') + hint);
}

} // namespace corvane
