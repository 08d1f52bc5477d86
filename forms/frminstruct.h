#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace corvane {

// The instructions window: the use of the main window and its keys, in a box
// the user may scroll and even type into. Every fresh opening rebuilds the text.
class frmInstruct : public QWidget
{
    Q_OBJECT
public:
    explicit frmInstruct(QWidget *owner = nullptr);

    // The instructions, every line ended by CR LF, the last one too.
    static QString instructionsText();

    QPlainTextEdit *txtI = nullptr;

private:
    void Form_Load();
};

} // namespace corvane
