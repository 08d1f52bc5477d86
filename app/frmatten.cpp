#include "frmatten.h"

#include "attenframe.h"
#include "classicfonts.h"
#include "singlewindow.h"
#include "twips.h"

#include <QLabel>
#include <QMenuBar>
#include <QTimer>

namespace corvane {

namespace {

struct FramePlace { int number; const char *name; const char *caption; int left, top, width, height; };

// Left to right: parameters, Pi network, T network.
constexpr FramePlace framePlaces[] = {
    { 1, "Frame1", "Parameters", 240, 360, 2295, 3015 },
    { 3, "Frame3", "Pi Attenuator", 2760, 360, 4575, 3015 },
    { 2, "Frame2", "T Attenuator", 7560, 360, 3135, 3015 },
};

struct FieldPlace { int index, frame, left, top; };

// In tab order: the Pi series field comes between the two Pi shunt fields.
constexpr FieldPlace fieldPlaces[] = {
    { 0, 1, 600, 960 },   { 1, 1, 600, 1920 }, { 2, 3, 120, 1920 }, { 4, 3, 1800, 720 },
    { 3, 3, 3240, 1920 }, { 5, 2, 120, 720 },  { 6, 2, 1800, 720 }, { 7, 2, 1800, 1920 },
};

// Every label is 255 twips high. A heading is in MS Sans Serif 9.75 pt bold, the
// rest in the window's 8.25 pt.
struct LabelPlace { const char *name; int frame; const char *caption; int left, top, width; bool heading; };

constexpr LabelPlace labelPlaces[] = {
    { "lblZ", 1, "Impedance", 600, 720, 1215, true },   { "Label4", 1, "Z=", 240, 1080, 255, true },
    { "lblL", 1, "Attenuation", 720, 1680, 1215, true }, { "Label3", 1, "dB=", 120, 2040, 375, true },
    { "Label10", 3, "R2", 2280, 480, 375, true },        { "Label8", 3, "R1", 600, 1680, 375, true },
    { "Label9", 3, "R1", 3720, 1680, 375, true },        { "Label1", 3, "Gnd", 1320, 2640, 375, false },
    { "Label2", 3, "Gnd", 3000, 2640, 375, false },      { "Label6", 2, "R3", 600, 480, 375, true },
    { "Label7", 2, "R3", 2280, 480, 375, true },         { "Label11", 2, "R4", 2280, 1680, 375, true },
    { "Label5", 2, "Gnd", 1320, 2640, 375, false },
};

} // namespace

frmAtten::frmAtten(QWidget *parent)
    : SolverWindow(AttenSolver::FieldCount, { { 'Z', 0 }, { 'A', 0 } }, RestoredText::CaretAtEnd, parent)
{
    setWindowTitle(QStringLiteral("T and PI Attenuator Calculator"));

    QAction *mnuPrintScreen = menuBar()->addAction(QStringLiteral("&Print Screen"));
    mnuPrintScreen->setObjectName(QStringLiteral("mnuPrintScreen"));
    connect(mnuPrintScreen, &QAction::triggered, this, &frmAtten::mnuPrintScreen_Click);

    buildControls();
    nameFields();
    // Client area 10905 x 3570 twips below the menu bar.
    resize(twipsToPixels(10905), twipsToPixels(3570) + menuBar()->sizeHint().height());
    Form_Load();
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
        label->setGeometry(twipsRect(l.left, l.top, l.width, 255));
    }

    for (const FieldPlace &f : fieldPlaces)
        addField(f.index, frames[f.frame], courierNew(14.25), twipsRect(f.left, f.top, 1215, 390));
    addPicture(client);

    // The lowest tab position that can hold the focus.
    txt(0)->setFocus();
}

void frmAtten::Form_Load()
{
    runSolver([this] { m_solver.formLoad(); });
}

void frmAtten::Form_Activate()
{
    FieldEdit::injectTab(this);
}

void frmAtten::commit(int index)
{
    SolverWindow::commit(index);
    // Said once the focus has reached the next field, so that the box does
    // not come between the two halves of the focus change.
    const QString refusal = m_solver.refusal();
    if (!refusal.isEmpty())
        QTimer::singleShot(0, this, [this, refusal] { showMessage(refusal); });
}

QString frmAtten::enterFallback(int index) const
{
    return m_solver.lastText(index);
}

void frmAtten::mnuPrintScreen_Click()
{
    printForm();
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
