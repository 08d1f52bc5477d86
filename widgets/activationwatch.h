#pragma once

#include <QObject>
#include <QWidget>

namespace corvane {

// Tells a window's activations apart: coming back from a message box (or any
// other modal dialog) is no activation of the window, coming back from any other
// window or program is.
class ActivationWatch : public QObject
{
    Q_OBJECT
public:
    explicit ActivationWatch(QWidget *window);

    // Call on the window's WindowActivate event: whether this activation is
    // only the return from a modal dialog.
    bool takeReturnFromModal();

private:
    QWidget *m_window;
    bool m_returningFromModal = false;
};

// The calculators' message box: OK only, no icon, the program's title; the
// window gets the activation back when it closes.
void showCalculatorMessage(QWidget *window, const QString &text);

} // namespace corvane
