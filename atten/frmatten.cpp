#include "frmatten.h"

#include "attenframe.h"
#include "calculatorpalette.h"
#include "classicfonts.h"
#include "fieldedit.h"
#include "fieldvalue.h"
#include "module1.h"
#include "singlewindow.h"
#include "twips.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>

namespace corvane {

namespace {

// Client area of the window in twips, below the menu bar.
constexpr int ClientWidth = 10905;
constexpr int ClientHeight = 3570;
constexpr int FieldWidth = 1215;
constexpr int FieldHeight = 390;

struct FramePlace
{
    int number;
    const char *name;
    const char *caption;
    int left, top, width, height;
};

// Left to right: parameters, Pi network, T network.
constexpr FramePlace framePlaces[] = {
    { 1, "Frame1", "Parameters", 240, 360, 2295, 3015 },
    { 3, "Frame3", "Pi Attenuator", 2760, 360, 4575, 3015 },
    { 2, "Frame2", "T Attenuator", 7560, 360, 3135, 3015 },
};

struct FieldPlace
{
    int index;
    int frame;
    int left, top;
};

// In tab order: the Pi series field comes between the two Pi shunt fields.
constexpr FieldPlace fieldPlaces[] = {
    { 0, 1, 600, 960 },  { 1, 1, 600, 1920 },  { 2, 3, 120, 1920 }, { 4, 3, 1800, 720 },
    { 3, 3, 3240, 1920 }, { 5, 2, 120, 720 }, { 6, 2, 1800, 720 }, { 7, 2, 1800, 1920 },
};

struct LabelPlace
{
    const char *name;
    int frame;
    const char *caption;
    int left, top, width, height;
    bool heading; // MS Sans Serif 9.75 pt bold; else the window's 8.25 pt
};

constexpr LabelPlace labelPlaces[] = {
    { "lblZ", 1, "Impedance", 600, 720, 1215, 255, true },
    { "Label4", 1, "Z=", 240, 1080, 255, 255, true },
    { "lblL", 1, "Attenuation", 720, 1680, 1215, 255, true },
    { "Label3", 1, "dB=", 120, 2040, 375, 255, true },
    { "Label10", 3, "R2", 2280, 480, 375, 255, true },
    { "Label8", 3, "R1", 600, 1680, 375, 255, true },
    { "Label9", 3, "R1", 3720, 1680, 375, 255, true },
    { "Label1", 3, "Gnd", 1320, 2640, 375, 255, false },
    { "Label2", 3, "Gnd", 3000, 2640, 375, 255, false },
    { "Label6", 2, "R3", 600, 480, 375, 255, true },
    { "Label7", 2, "R3", 2280, 480, 375, 255, true },
    { "Label11", 2, "R4", 2280, 1680, 375, 255, true },
    { "Label5", 2, "Gnd", 1320, 2640, 375, 255, false },
};

} // namespace

frmAtten::frmAtten(QWidget *parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("T and PI Attenuator Calculator"));
    useCalculatorColours(this);

    QAction *mnuPrintScreen = menuBar()->addAction(QStringLiteral("&Print Screen"));
    mnuPrintScreen->setObjectName(QStringLiteral("mnuPrintScreen"));
    connect(mnuPrintScreen, &QAction::triggered, this, &frmAtten::mnuPrintScreen_Click);

    buildControls();
    nameFields();
    resize(twipsToPixels(ClientWidth), twipsToPixels(ClientHeight) + menuBar()->sizeHint().height());
    Form_Load();
}

frmAtten::~frmAtten()
{
    // The fields go while the window is whole: a focus change they raise on
    // the way out must find the handlers, which then do nothing.
    m_unloading = true;
    delete takeCentralWidget();
}

void frmAtten::buildControls()
{
    auto *client = new QWidget(this);
    setCentralWidget(client);

    AttenFrame *frames[4] = {};
    for (const FramePlace &f : framePlaces) {
        auto *frame = new AttenFrame(f.number, QString::fromLatin1(f.caption), client);
        frame->setObjectName(QString::fromLatin1(f.name));
        frame->setFont(msSansSerif(12, true));
        frame->setGeometry(twipsRect(f.left, f.top, f.width, f.height));
        frames[f.number] = frame;
    }

    for (const LabelPlace &l : labelPlaces) {
        auto *label = new QLabel(QString::fromLatin1(l.caption), frames[l.frame]);
        label->setObjectName(QString::fromLatin1(l.name));
        label->setFont(l.heading ? msSansSerif(9.75, true) : msSansSerif(8.25, false));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setGeometry(twipsRect(l.left, l.top, l.width, l.height));
    }

    FieldEdit *previous = nullptr;
    for (const FieldPlace &f : fieldPlaces) {
        auto *field = new FieldEdit(f.index, this, frames[f.frame]);
        field->setObjectName(QStringLiteral("txt%1").arg(f.index));
        field->setFont(courierNew(14.25));
        field->setGeometry(twipsRect(f.left, f.top, FieldWidth, FieldHeight));
        m_txt[std::size_t(f.index)] = field;
        if (previous)
            setTabOrder(previous, field);
        previous = field;
    }

    m_picture1 = new QLabel(client);
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_picture1->setGeometry(twipsRect(0, 0, 255, 255));
    m_picture1->hide();

    // The lowest tab position that can hold the focus.
    m_txt[0]->setFocus();
}

void frmAtten::Form_Load()
{
    m_solver.formLoad();
    showTexts();
}

void frmAtten::Form_Activate()
{
    FieldEdit::injectTab(this);
}

bool frmAtten::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::WindowActivate: {
        // Only a switch from another of the program's windows tabs on.
        const bool fromModal = m_activation->takeReturnFromModal();
        const bool fromElsewhere = m_activation->takeReturnFromElsewhere();
        if (!fromModal && !fromElsewhere)
            Form_Activate();
        break;
    }
    default:
        break;
    }
    return QMainWindow::event(event);
}

void frmAtten::txt_GotFocus(int index)
{
    if (m_unloading)
        return;
    txt(index)->selectAll();
}

void frmAtten::txt_KeyPress(int index, int &keyAscii)
{
    if (m_unloading)
        return;
    switch (keyAscii) {
    case 16: // Ctrl+P
        keyAscii = 0;
        mnuPrintScreen_Click();
        return;
    case 'E':
    case 'e':
        keyAscii = 0;
        erase();
        return;
    case 'Z':
    case 'z':
    case 'A':
    case 'a':
        keyAscii = 0;
        txt(0)->setFocus(Qt::ShortcutFocusReason);
        return;
    case 13: {
        keyAscii = 0;
        const QString remembered = m_solver.lastText(index);
        if (fieldValue(txt(index)->text()) == 0 && fieldValue(remembered) != 0) {
            QPointer<frmAtten> self(this);
            message(QStringLiteral("ZERO or EMPTY is not valid!"));
            if (self)
                txt(index)->setText(remembered);
        } else {
            FieldEdit::injectTab(this);
        }
        return;
    }
    case '.':
    case '0': case '1': case '2': case '3': case '4':
    case '5': case '6': case '7': case '8': case '9':
    case 8: // Backspace
        return;
    default:
        keyAscii = 0;
        return;
    }
}

void frmAtten::txt_LostFocus(int index)
{
    if (m_unloading)
        return;
    for (int i = 0; i < AttenSolver::FieldCount; ++i)
        m_solver.setText(i, txt(i)->text());
    m_solver.txt_LostFocus(index);
    showTexts();

    // Said once the focus has reached the next field, so that the box does
    // not come between the two halves of the focus change.
    const QString refusal = m_solver.refusal();
    if (!refusal.isEmpty())
        QTimer::singleShot(0, this, [this, refusal] { message(refusal); });
}

void frmAtten::erase()
{
    m_solver.erase();
    showTexts();
}

void frmAtten::mnuPrintScreen_Click()
{
    Module1::printForm(this, picture1());
}

void frmAtten::showTexts()
{
    for (int i = 0; i < AttenSolver::FieldCount; ++i)
        if (txt(i)->text() != m_solver.text(i))
            txt(i)->setText(m_solver.text(i));
    showResistorHints();
}

void frmAtten::message(const QString &text)
{
    showCalculatorMessage(this, text);
}

frmAtten *showAttenuatorWindow(QWidget *mainWindow)
{
    static SingleWindow<frmAtten> attenuator;
    return attenuator.show([mainWindow] {
        // A window of its own beside the main window, gone with it.
        auto *window = new frmAtten;
        if (mainWindow)
            QObject::connect(mainWindow, &QObject::destroyed, window, [window] { delete window; });
        return window;
    });
}

} // namespace corvane
