#include "frminstruct.h"

#include "classicfonts.h"
#include "twips.h"

#include <QFont>
#include <QPlainTextEdit>

namespace corvane {


frmInstruct::frmInstruct(QWidget *owner)
    : QWidget(owner, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                         | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("Corvane Instructions"));
    setFixedSize(twipsToPixels(7980), twipsToPixels(7650));

    txtI = new QPlainTextEdit(this);
    txtI->setObjectName(QStringLiteral("txtI"));
    txtI->setGeometry(0, 0, twipsToPixels(7935), twipsToPixels(7575));
    txtI->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtI->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtI->setFont(courierNew(12));
    txtI->setFocus();

    Form_Load();
}

QString frmInstruct::instructionsText()
{
    const QString crlf = QStringLiteral("\r\n");
    QString text;
    text += QStringLiteral("The purpose of this program is to make it easy to calculate toroid windings.") + crlf;
    text += QStringLiteral("Fill any of TWO fields on the top of the form and hit the Enter key.") + crlf;
    text += QStringLiteral("This will fill in all the other fields with data.") + crlf;
    text += QStringLiteral("You can also enter a TURNS number for any of the toroids as one of the fields")
        + QStringLiteral(" in place of the Inductance field") + crlf;
    text += QStringLiteral("Once all the fields contain data, you can change any field's value and the")
        + QStringLiteral(" program will recalculate all the fields based on the Frequency value.") + crlf;
    text += crlf;
    text += QStringLiteral("ShortCut Keys") + crlf;
    text += QStringLiteral("E - Erase all fields") + crlf;
    text += QStringLiteral("F - Move to Frequency field") + crlf;
    text += QStringLiteral("C - Move to Capacitance field") + crlf;
    text += QStringLiteral("L - Move to Inductor field") + crlf;
    text += QStringLiteral("Z - Move to Impedance field") + crlf;
    text += QStringLiteral("<CTRL>P - Print Form") + crlf;
    return text;
}

void frmInstruct::Form_Load()
{
    // The box keeps lines apart by itself: CR LF becomes its line break, and the
    // break after the last line leaves an empty line at the end.
    txtI->setPlainText(instructionsText());
}

} // namespace corvane
