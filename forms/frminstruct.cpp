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
    const QStringList lines = {
        QStringLiteral("The purpose of this program is to make it easy to calculate toroid windings."),
        QStringLiteral("Fill any of TWO fields on the top of the form and hit the Enter key."),
        QStringLiteral("This will fill in all the other fields with data."),
        QStringLiteral("You can also enter a TURNS number for any of the toroids as one of the fields"
                       " in place of the Inductance field"),
        QStringLiteral("Once all the fields contain data, you can change any field's value and the"
                       " program will recalculate all the fields based on the Frequency value."),
        QString(),
        QStringLiteral("ShortCut Keys"),
        QStringLiteral("E - Erase all fields"),
        QStringLiteral("F - Move to Frequency field"),
        QStringLiteral("C - Move to Capacitance field"),
        QStringLiteral("L - Move to Inductor field"),
        QStringLiteral("Z - Move to Impedance field"),
        QStringLiteral("<CTRL>P - Print Form"),
    };
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

void frmInstruct::Form_Load()
{
    // The box keeps lines apart by itself: CR LF becomes its line break, and the
    // break after the last line leaves an empty line at the end.
    txtI->setPlainText(instructionsText());
}

} // namespace corvane
