#pragma once

#include <QMainWindow>

namespace corvane {

// The main window: the resonance and winding calculator.
class Quillet : public QMainWindow
{
    Q_OBJECT
public:
    explicit Quillet(const QString &coreTablePath, QWidget *parent = nullptr);
};

} // namespace corvane
