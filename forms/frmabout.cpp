#include "frmabout.h"

#include "launcher.h"
#include "linklabel.h"
#include "classicfonts.h"
#include "twips.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

namespace corvane {

namespace {

// Places a label in twips; a text wider than its label gets a smaller size
// rather than being cut off.
template <class Label>
Label *placeLabel(Label *label, const char *name, int left, int top, int width, int height,
                  const QFont &font)
{
    label->setObjectName(QLatin1String(name));
    label->setGeometry(twipsRect(left, top, width, height));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont fitting = font;
    while (fitting.pointSizeF() > 6
           && QFontMetrics(fitting).horizontalAdvance(label->text()) > label->width())
        fitting.setPointSizeF(fitting.pointSizeF() - 0.5);
    label->setFont(fitting);
    return label;
}

} // namespace

frmAbout::frmAbout(QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                         | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("About..."));
    setFont(msSansSerif(8.25, false));
    setGeometry(twipsRect(2940, 2115, 3750, 3870));
    setFixedSize(size());
    setModal(false);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(twipsRect(1440, 3360, 855, 315));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    // Positions in twips; labels without a font of their own use the window's. The
    // maker's web page and mail address are set when the program is built.
    const QString web = QStringLiteral(CORVANE_WEB_ADDRESS);
    const QString mail = QStringLiteral(CORVANE_MAIL_ADDRESS);
    const QString notice = QStringLiteral("\u00a9 2026 The Corvane developers");
    Label1 = placeLabel(new QLabel(QStringLiteral("Corvane"), this), "Label1",
                        240, 120, 3135, 375, msSansSerif(18, true));
    Label2 = placeLabel(new QLabel(QStringLiteral("Verson 2.0.0"), this), "Label2",
                        960, 600, 1695, 255, msSansSerif(12, true));
    Label3 = placeLabel(new QLabel(notice, this), "Label3",
                        120, 1080, 3615, 255, msSansSerif(12, false));
    Label4 = placeLabel(new QLabel(QStringLiteral("Web Page"), this), "Label4",
                        1440, 1680, 855, 255, font());
    Label5 = placeLabel(new LinkLabel(web, this), "Label5",
                        480, 1920, 2895, 375, msSansSerif(12, true));
    Label6 = placeLabel(new QLabel(QStringLiteral("Email"), this), "Label6",
                        1560, 2400, 495, 255, font());
    Label7 = placeLabel(new LinkLabel(mail, this), "Label7",
                        240, 2640, 3375, 375, msSansSerif(12, true));

    // Links in pure blue.
    for (LinkLabel *link : {Label5, Label7}) {
        QPalette palette = link->palette();
        palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
        link->setPalette(palette);
    }
    Label5->setAccessibleName(QStringLiteral("Web page %1").arg(web));
    Label5->setAccessibleDescription(QStringLiteral("Opens the web page in the browser"));
    Label7->setAccessibleName(QStringLiteral("Email %1").arg(mail));
    Label7->setAccessibleDescription(QStringLiteral("Starts a new message in the mail program"));
    connect(Label5, &LinkLabel::clicked, this, &frmAbout::Label5_Click);
    connect(Label7, &LinkLabel::clicked, this, &frmAbout::Label7_Click);

    setTabOrder(cmdOK, Label5);
    setTabOrder(Label5, Label7);
    cmdOK->setFocus();
}

void frmAbout::cmdOK_Click()
{
    close();
}

void frmAbout::Label5_Click()
{
    Launcher::openUrl(QUrl(QStringLiteral(CORVANE_WEB_ADDRESS)));
}

void frmAbout::Label7_Click()
{
    // A new message to the maker with the product as subject.
    Launcher::openUrl(QUrl(QStringLiteral("mailto:" CORVANE_MAIL_ADDRESS "?subject=Corvane&body=")));
}

} // namespace corvane
