#pragma once

#include <QObject>
#include <QPointer>

class QWidget;
class QWindow;

namespace corvane {

// Tells a window's activations apart. Coming back from a message box (or any
// other modal dialog of the program) is no activation of the window, and
// neither is coming back from another program (a datasheet, the browser or
// editor the program opened, a native file dialog) to the window that was
// active when the user left: the user carries on where they were. Coming from
// another window of the program is an activation.
class ActivationWatch : public QObject
{
    Q_OBJECT
public:
    explicit ActivationWatch(QWidget *window);

    // Call on the window's WindowActivate event: whether this activation is
    // only the return from a modal dialog.
    bool takeReturnFromModal();

    // Call on the window's WindowActivate event: whether this activation is
    // the return from outside the program to this same window.
    bool takeReturnFromElsewhere();

private:
    void focusWindowChanged(QWindow *focus);

    QWidget *m_window;
    bool m_returningFromModal = false;
    // The program's last active window, and whether the program has had no
    // active window since (the user went to another program).
    QPointer<QWindow> m_lastActive;
    bool m_away = false;
};

} // namespace corvane
