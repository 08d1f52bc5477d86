#pragma once

#include <QPointer>
#include <QWidget>

namespace corvane {

// The program's one reference to a window that exists at most once. Showing it
// creates the window when the reference is empty, and otherwise only brings the
// open one forward, out of the taskbar when it was minimized; closing the
// window deletes it and empties the reference, so the next showing builds a
// fresh window with fresh state.
template <class Window>
class SingleWindow
{
public:
    template <class Create>
    Window *show(Create create)
    {
        if (!m_window) {
            m_window = create();
            m_window->setAttribute(Qt::WA_DeleteOnClose);
        }
        // A minimized window comes back as it was before.
        if (m_window->isMinimized())
            m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
        m_window->show();
        m_window->raise();
        m_window->activateWindow();
        return m_window;
    }

    Window *window() const { return m_window; }
    bool isOpen() const { return !m_window.isNull(); }

private:
    QPointer<Window> m_window;
};

} // namespace corvane
