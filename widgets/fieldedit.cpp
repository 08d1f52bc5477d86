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

FieldEdit::FieldEdit(int index, FieldHandler *handler, QWidget *parent)
    : QLineEdit(parent), m_index(index), m_handler(handler)
{
    // Left-aligned, sunken, no length limit.
    setMaxLength(std::numeric_limits<int>::max());
    // Keys reach the field as keys: no input method composes text for it.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setAcceptDrops(false);
}

int FieldEdit::characterCode(const QKeyEvent *event)
{
    const int key = event->key();
    const Qt::KeyboardModifiers mods = event->modifiers();
    if (hasCommandModifier(event)) {
        // Control with a letter types that letter's control character (Ctrl+P is 16).
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
    if (text.isEmpty())
        return -1;
    const char16_t c = text.at(0).unicode();
    if (c == 127) // Delete on some platforms
        return -1;
    return int(c);
}

bool FieldEdit::hasCommandModifier(const QKeyEvent *event)
{
    return event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
}

bool FieldEdit::isMenuKey(const QKeyEvent *event)
{
    // Alt with a key belongs to the menus; Ctrl+Alt is AltGr on some keyboards.
    const Qt::KeyboardModifiers mods = event->modifiers();
    return (mods & Qt::AltModifier) && !(mods & Qt::ControlModifier);
}

void FieldEdit::injectTab(QWidget *window)
{
    QPointer<QWidget> target(window);
    QTimer::singleShot(0, window, [target] {
        if (!target)
            return;
        QWidget *focus = target->focusWidget();
        if (!focus)
            return;
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QApplication::sendEvent(focus, &tab);
    });
}

bool FieldEdit::isFocusLoss(Qt::FocusReason reason)
{
    switch (reason) {
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason:
        return false;
    default:
        return true;
    }
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

namespace {

// Keys that only move the caret or the selection.
bool isCaretKey(int key)
{
    switch (key) {
    case Qt::Key_Left: case Qt::Key_Right: case Qt::Key_Up: case Qt::Key_Down:
    case Qt::Key_Home: case Qt::Key_End: case Qt::Key_PageUp: case Qt::Key_PageDown:
        return true;
    default:
        return false;
    }
}

} // namespace

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
    if (code < 0) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    m_handler->txt_KeyPress(m_index, code);
    if (code == 0) {
        event->accept();
        return;
    }
    if (code == 8) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // The handler may have changed the character: type what it left.
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
