#include "activationwatch.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

#include <utility>

namespace corvane {

ActivationWatch::ActivationWatch(QWidget *window) : QObject(window), m_window(window)
{
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &ActivationWatch::focusWindowChanged);
}

void ActivationWatch::focusWindowChanged(QWindow *focus)
{
    // Qt emits this once the window that got the focus has seen its activation:
    // what is kept here is for the next activation. Another program, or a window
    // that is none of the program's widgets (a native dialog), leaves the
    // program without an active window.
    if (!focus || !QApplication::activeWindow()) {
        m_away = true;
        return;
    }
    m_away = false;
    m_lastActive = focus;
    // A box is the focus window as soon as it opens, which
    // QApplication::activeModalWidget() is not yet.
    if (focus != m_window->windowHandle())
        m_returningFromModal = focus->modality() != Qt::NonModal;
}

bool ActivationWatch::takeReturnFromModal()
{
    return std::exchange(m_returningFromModal, false);
}

bool ActivationWatch::takeReturnFromElsewhere()
{
    const bool back = m_away && m_lastActive && m_lastActive == m_window->windowHandle();
    m_away = false;
    return back;
}

} // namespace corvane
