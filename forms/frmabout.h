#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace corvane {

class LinkLabel;

// The About box: name, version, notice and the maker's web page and mail
// address as links. Modeless; OK, Enter or Esc close it.
class frmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit frmAbout(QWidget *owner = nullptr);

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    LinkLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    LinkLabel *Label7 = nullptr;
    QPushButton *cmdOK = nullptr;

    void cmdOK_Click();
    void Label5_Click();
    void Label7_Click();
};

} // namespace corvane
