#pragma once

#include <QLineEdit>

namespace corvane {

class FieldHandler;

// One field of a calculator window's field array. It turns Qt's events into the
// window's handlers: focus gained, each typed character (as its character code,
// before the field takes it) and focus lost to another control of the window.
class FieldEdit : public QLineEdit
{
    Q_OBJECT
public:
    FieldEdit(int index, FieldHandler *handler, QWidget *parent = nullptr);

    int index() const { return m_index; }

    // The character code a key event types, or -1 for keys that type no
    // character (arrows, Home, End, Delete, Tab ...), which keep their normal
    // editing and navigation behaviour, and for keys held with Alt or Meta or
    // Ctrl (Ctrl with a letter types that letter's control character). The
    // keypad's decimal key types "." whatever the keyboard layout puts on it.
    static int characterCode(const QKeyEvent *event);

    // Alt with a key (not AltGr): a menu key that types nothing in a field.
    static bool isMenuKey(const QKeyEvent *event);

    // Ctrl, Alt or Meta held: such a key types nothing into a field and edits
    // nothing in it (AltGr is Ctrl+Alt on some systems; Ctrl+Backspace would
    // delete a word), though it may move the caret.
    static bool hasCommandModifier(const QKeyEvent *event);

    // Queues one Tab keystroke for the window: it reaches whichever field has
    // the focus once the current handler has returned.
    static void injectTab(QWidget *window);

    // Whether a focus change for this reason leaves the field for another
    // control of the same window (a switch to another window, a menu or a
    // message box does not).
    static bool isFocusLoss(Qt::FocusReason reason);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    // Text that arrives otherwise than by a key (composed by an input method,
    // dropped) would pass by the key handling: it is refused. The field takes
    // no drags, so a drop reaches it only when sent to it.
    void inputMethodEvent(QInputMethodEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    int m_index;
    FieldHandler *m_handler;
};

} // namespace corvane
