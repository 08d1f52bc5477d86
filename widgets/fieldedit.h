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

    // Queues one Tab keystroke for the window: it reaches whichever field has
    // the focus once the current handler has returned.
    static void injectTab(QWidget *window);

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
