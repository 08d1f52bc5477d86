#pragma once

#include <QMainWindow>

namespace corvane {

// The attenuator window.
class frmAtten : public QMainWindow
{
    Q_OBJECT
public:
    explicit frmAtten(QWidget *parent = nullptr);
};

} // namespace corvane
