#include "quillet.h"

#include "classicfonts.h"
#include "turnshint.h"
#include "twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>


// The icon lives in a static library: its resources must be pulled in by hand.
static void initResources()
{
    Q_INIT_RESOURCE(quillet);
}

namespace corvane {

Quillet::Quillet(const QString &coreTablePath, QWidget *parent)
    : SolverWindow(FieldCount, { { 'F', 0 }, { 'C', 1 }, { 'L', 2 }, { 'Z', 3 } }, RestoredText::Selected, parent),
      m_coreTablePath(coreTablePath)
{
    initResources();
    setWindowTitle(QStringLiteral("Corvane"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/corvane-32.png")));

    createControls();
    createMenus();

    // Client area 11655 x 10545 twips below the menu bar.
    const QSize client(twipsToPixels(11655), twipsToPixels(10545));
    resize(client.width(), client.height() + menuBar()->sizeHint().height());
    // It opens centred on the screen.
    if (const QScreen *screen = this->screen())
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()));

    Form_Load();

    // Core 1's field is first in the tab order: it holds the focus until the
    // first activation moves it to the frequency field.
    txt(ResonanceSolver::FirstTurnsField)->setFocus(Qt::OtherFocusReason);
}

void Quillet::createControls()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    // The client area paints the window's grey itself, below the menu bar.
    client->setAutoFillBackground(true);
    setCentralWidget(client);

    // Three faces for 112 controls: each is looked up once.
    const QFont topFont = courierNew(14.25);
    const QFont turnsFont = courierNew(12);
    const QFont captionFont = msSansSerif(9.75, true);

    auto makeLabel = [client, &captionFont](const QString &name, const QString &caption, const QRect &rect) {
        auto *label = new QLabel(caption, client);
        label->setObjectName(name);
        label->setFont(captionFont);
        label->setGeometry(rect);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    };
    // A core's name and turns field in its cell of the 5 x 10 grid.
    auto turnsCell = [](int index, int top, int height) {
        const int core = ResonanceSolver::recordOf(index) - 1;
        return twipsRect(240 + 2280 * (core % 5), top + 960 * (core / 5), 2055, height);
    };
    auto addTurnsField = [this, client, &turnsFont, &turnsCell](int index) {
        addField(index, client, turnsFont, turnsCell(index, 1320, 390));
    };
    // Fields are made in tab order: core 1's turns field first, then frequency,
    // capacitance, inductance, impedance and the turns fields of cores 2..50.
    addTurnsField(ResonanceSolver::FirstTurnsField);
    for (int index = 0; index < ResonanceSolver::FirstTurnsField; ++index)
        addField(index, client, topFont, twipsRect(1680 + 2280 * index, 360, 1455, 390));
    for (int index = ResonanceSolver::FirstTurnsField + 1; index < FieldCount; ++index)
        addTurnsField(index);

    static const char *const headings[] = { "Freq MHz", "Cap pF", "Ind uH", "Impedance" };
    static const char *const prefixes[] = { "F=", "C=", "L=", "Z=" };
    const QString arrayName = QStringLiteral("Label(%1)");
    for (int i = 0; i < 4; ++i) {
        m_label[std::size_t(i)] = makeLabel(arrayName.arg(i), QString::fromLatin1(headings[i]),
                                            twipsRect(1680 + 2280 * i, 120, 1215, 255));
        makeLabel(QStringLiteral("Label%1").arg(i), QString::fromLatin1(prefixes[i]),
                  twipsRect(1320 + 2280 * i, 480, 255, 255));
    }
    for (int index = ResonanceSolver::FirstTurnsField; index < FieldCount; ++index)
        m_label[std::size_t(index)] = makeLabel(arrayName.arg(index), QString(), turnsCell(index, 1080, 255));

    addPicture(client);
}

void Quillet::Form_Load()
{
    m_solver = ResonanceSolver(CoreTable::load(m_coreTablePath));
    const CoreTable &table = m_solver.cores();
    for (int record = 1; record <= table.coreCount; ++record)
        m_label[std::size_t(ResonanceSolver::turnsField(record))]->setText(table.coreName[std::size_t(record)]);
    // The table is read once per window: so are the first lines of the turns hints.
    for (int record = 1; record <= CoreTable::MaxRecords; ++record)
        m_hintHeadings[std::size_t(record)] = turnsHintHeading(turnsHint(m_solver, record));
    nameFields();
    showHints();
}

void Quillet::Form_Activate()
{
    FieldEdit *frequency = txt(0);
    QWidget *had = focusWidget();
    if (had == frequency) {
        if (QApplication::focusWidget() != frequency)
            frequency->setFocus(Qt::OtherFocusReason);
        return;
    }
    // While the window was inactive no widget had the keyboard focus, so Qt
    // sends no focus-out for the field that will lose it: leave it here.
    auto *field = qobject_cast<FieldEdit *>(had);
    if (field && QApplication::focusWidget() != field)
        txt_LostFocus(field->index());
    frequency->setFocus(Qt::OtherFocusReason);
}

void Quillet::closeEvent(QCloseEvent *event)
{
    // Whatever closes the main window (close box, Exit, the desktop) ends the program.
    event->accept();
    Form_QueryUnload();
}

void Quillet::Form_QueryUnload()
{
    // The program ends with its main window, every other window with it.
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

QString Quillet::enterFallback(int) const
{
    return txt(m_solver.lastField())->text();
}

void Quillet::showHints()
{
    showTurnsHints();
    showCapacitanceHint();
}

} // namespace corvane
