#include "fieldedit.h"

#include "fieldhandler.h"

#include <QApplication>
#include <QDropEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>

#include <limits>

namespace corvane {

namespace {

// Ctrl, Alt or Meta held: such a key types nothing into a field and edits
// nothing in it (AltGr is Ctrl+Alt on some systems; Ctrl+Backspace would
// delete a word), though it may move the caret.
bool hasCommandModifier(const QKeyEvent *event)
{
    return event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
}

// Alt with a key belongs to the menus and types nothing in a field; Ctrl+Alt
// is AltGr on some keyboards.
bool isMenuKey(const QKeyEvent *event)
{
    const Qt::KeyboardModifiers mods = event->modifiers();
    return (mods & Qt::AltModifier) && !(mods & Qt::ControlModifier);
}

// Home, End, the arrows, Page Up and Page Down (one run of key codes) only
// move the caret or the selection.
bool isCaretKey(int key)
{
    return key >= Qt::Key_Home && key <= Qt::Key_PageDown;
}

// Whether a focus change for this reason leaves the field for another control
// of the same window (a switch to another window, a menu or a message box does not).
bool isFocusLoss(Qt::FocusReason reason)
{
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason
        && reason != Qt::MenuBarFocusReason;
}

// The character code a key event types, or -1 for keys that type no character (arrows, Home,
// End, Delete, Tab ...), which keep their normal editing and navigation behaviour, and for keys
// held with Alt or Meta or Ctrl (Ctrl with a letter types that letter's control character: Ctrl+P is 16).
int characterCode(const QKeyEvent *event)
{
    const int key = event->key();
    const Qt::KeyboardModifiers mods = event->modifiers();
    if (hasCommandModifier(event)) {
        const bool controlOnly = !(mods & (Qt::AltModifier | Qt::MetaModifier));
        if (controlOnly && key >= Qt::Key_A && key <= Qt::Key_Z)
            return key - Qt::Key_A + 1;
        return -1;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return 13;
    if (key == Qt::Key_Backspace)
        return 8;
    const QString text = event->text();
    // A user pressing the keypad's decimal key means the decimal point, also
    // where the layout puts a comma on it.
    if ((mods & Qt::KeypadModifier)
        && (key == Qt::Key_Comma || key == Qt::Key_Period || text == QLatin1String(",")))
        return '.';
    // Delete types 127 on some platforms.
    if (text.isEmpty() || text.at(0).unicode() == 127)
        return -1;
    return int(text.at(0).unicode());
}

} // namespace

FieldEdit::FieldEdit(int index, FieldHandler *handler, QWidget *parent)
    : QLineEdit(parent), m_index(index), m_handler(handler)
{
    // Left-aligned, sunken, no length limit.
    setMaxLength(std::numeric_limits<int>::max());
    // Keys reach the field as keys: no input method composes text for it.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setAcceptDrops(false);
}

void FieldEdit::injectTab(QWidget *window)
{
    QPointer<QWidget> target(window);
    QTimer::singleShot(0, window, [target] {
        QWidget *focus = target ? target->focusWidget() : nullptr;
        if (!focus)
            return;
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QApplication::sendEvent(focus, &tab);
    });
}

void FieldEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    if (isFocusLoss(event->reason()))
        m_handler->txt_GotFocus(m_index);
}

void FieldEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (isFocusLoss(event->reason()))
        m_handler->txt_LostFocus(m_index);
}

void FieldEdit::keyPressEvent(QKeyEvent *event)
{
    // Copying the selection changes nothing and is what a user expects to work.
    if (event->matches(QKeySequence::Copy)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (isMenuKey(event)) {
        // Typing nothing, it goes on to the window.
        event->ignore();
        return;
    }
    int code = characterCode(event);
    // Held with Ctrl, Alt or Meta, a key types and edits nothing; it may move the caret.
    if (code < 0 && hasCommandModifier(event) && !isCaretKey(event->key())) {
        event->accept();
        return;
    }
    if (code >= 0)
        m_handler->txt_KeyPress(m_index, code);
    if (code == 0) {
        event->accept();
        return;
    }
    // Other keys keep their editing; a typed character is what the handler left of it.
    if (code < 0 || code == 8)
        QLineEdit::keyPressEvent(event);
    else
        insert(QString(QChar(char16_t(code))));
}

void FieldEdit::inputMethodEvent(QInputMethodEvent *event)
{
    event->accept();
}

void FieldEdit::dropEvent(QDropEvent *event)
{
    event->ignore();
}

} // namespace corvane
