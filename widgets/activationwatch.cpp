#include "activationwatch.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QWindow>

#include <utility>

namespace corvane {

ActivationWatch::ActivationWatch(QWidget *window) : QObject(window), m_window(window)
{
    // The focus window changes before the window that lost it sees any event, and
    // unlike QApplication::activeModalWidget() it is already set when a box opens.
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow *focus) {
        if (focus && focus != m_window->windowHandle())
            m_returningFromModal = focus->modality() != Qt::NonModal;
    });
}

bool ActivationWatch::takeReturnFromModal()
{
    return std::exchange(m_returningFromModal, false);
}

void showCalculatorMessage(QWidget *window, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Corvane"), text, QMessageBox::Ok, window);
    box.exec();
    // Some platforms hand the activation back only when asked.
    if (!window->isActiveWindow())
        window->activateWindow();
}

} // namespace corvane
