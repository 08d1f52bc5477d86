#pragma once

#include <QMessageBox>

namespace corvane {

// The program's message boxes: its name as caption, no icon, OK the default
// button. Returns the button that closed the box.
inline int showMessageBox(QWidget *owner, const QString &text,
                          QMessageBox::StandardButtons buttons = QMessageBox::Ok)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Corvane"), text, buttons, owner);
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec();
}

} // namespace corvane
