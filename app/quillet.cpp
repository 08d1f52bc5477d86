#include "quillet.h"

#include "calculatorpalette.h"
#include "classicfonts.h"

#include "fieldedit.h"
#include "fieldvalue.h"
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

namespace {

const QString windowTitleText = QStringLiteral("Corvane");

// Tab order of the fields: core 1's turns field first, then frequency,
// capacitance, inductance, impedance and the turns fields of cores 2..50.
std::array<int, ResonanceSolver::FieldCount> tabCycle()
{
    std::array<int, ResonanceSolver::FieldCount> order {};
    order[0] = ResonanceSolver::FirstTurnsField;
    for (int i = 0; i < ResonanceSolver::FirstTurnsField; ++i)
        order[std::size_t(i + 1)] = i;
    for (int i = ResonanceSolver::FirstTurnsField + 1; i < ResonanceSolver::FieldCount; ++i)
        order[std::size_t(i)] = i;
    return order;
}

} // namespace

Quillet::Quillet(const QString &coreTablePath, QWidget *parent)
    : QMainWindow(parent), m_coreTablePath(coreTablePath)
{
    initResources();
    setWindowTitle(windowTitleText);
    setWindowIcon(QIcon(QStringLiteral(":/icons/corvane-32.png")));
    useCalculatorColours(this);

    createControls();
    createMenus();
    setFieldTabOrder();

    // Client area 11655 x 10545 twips below the menu bar.
    const QSize client(twipsToPixels(11655), twipsToPixels(10545));
    resize(client.width(), client.height() + menuBar()->sizeHint().height());
    // It opens centred on the screen.
    if (const QScreen *screen = this->screen())
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()));

    Form_Load();

    // Core 1's field is first in the tab order: it holds the focus until the
    // first activation moves it to the frequency field.
    m_txt[ResonanceSolver::FirstTurnsField]->setFocus(Qt::OtherFocusReason);

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

    auto makeLabel = [client, &captionFont](const QString &caption, const QRect &rect) {
        auto *label = new QLabel(caption, client);
        label->setFont(captionFont);
        label->setGeometry(rect);
        label->setFocusPolicy(Qt::NoFocus);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(palette);
        return label;
    };
    auto makeField = [this, client](int index, const QFont &font, const QRect &rect) {
        auto *field = new FieldEdit(index, this, client);
        field->setObjectName(QStringLiteral("txt(%1)").arg(index));
        field->setFont(font);
        field->setGeometry(rect);
        m_txt[std::size_t(index)] = field;
    };

    // Fields are made in tab order so that the widget chain already matches it.
    for (int index : tabCycle()) {
        if (index < ResonanceSolver::FirstTurnsField) {
            makeField(index, topFont, twipsRect(1680 + 2280 * index, 360, 1455, 390));
        } else {
            const int core = index - ResonanceSolver::FirstTurnsField;
            const int column = core % 5;
            const int row = core / 5;
            makeField(index, turnsFont,
                      twipsRect(240 + 2280 * column, 1320 + 960 * row, 2055, 390));
        }
    }

    const QStringList headings = {QStringLiteral("Freq MHz"), QStringLiteral("Cap pF"),
                                  QStringLiteral("Ind uH"), QStringLiteral("Impedance")};
    const QStringList prefixes = {QStringLiteral("F="), QStringLiteral("C="),
                                  QStringLiteral("L="), QStringLiteral("Z=")};
    for (int i = 0; i < 4; ++i) {
        m_label[std::size_t(i)] = makeLabel(headings.at(i), twipsRect(1680 + 2280 * i, 120, 1215, 255));
        m_label[std::size_t(i)]->setObjectName(QStringLiteral("Label(%1)").arg(i));
        m_prefix[std::size_t(i)] = makeLabel(prefixes.at(i), twipsRect(1320 + 2280 * i, 480, 255, 255));
        m_prefix[std::size_t(i)]->setObjectName(QStringLiteral("Label%1").arg(i));
    }
    for (int index = ResonanceSolver::FirstTurnsField; index < FieldCount; ++index) {
        const int core = index - ResonanceSolver::FirstTurnsField;
        m_label[std::size_t(index)] =
            makeLabel(QString(), twipsRect(240 + 2280 * (core % 5), 1080 + 960 * (core / 5), 2055, 255));
        m_label[std::size_t(index)]->setObjectName(QStringLiteral("Label(%1)").arg(index));
    }

    m_picture = new QLabel(client);
    m_picture->setObjectName(QStringLiteral("Picture1"));
    m_picture->setGeometry(twipsRect(0, 0, 255, 255));
    m_picture->setFocusPolicy(Qt::NoFocus);
    m_picture->hide();
}

void Quillet::setFieldTabOrder()
{
    const auto order = tabCycle();
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(m_txt[std::size_t(order[i - 1])], m_txt[std::size_t(order[i])]);
}

void Quillet::Form_Load()
{
    m_solver = ResonanceSolver(CoreTable::load(m_coreTablePath));
    const CoreTable &table = m_solver.cores();
    for (int record = 1; record <= table.coreCount; ++record)
        m_label[std::size_t(record + ResonanceSolver::FirstTurnsField - 1)]->setText(
            table.coreName[std::size_t(record)]);
    nameFields();
    showTurnsHints();
    showCapacitanceHint();
}

bool Quillet::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate) {
        // Closing a message box hands the activation back, and so does coming
        // back from another program: the field that had the focus keeps it.
        const bool fromModal = m_activation->takeReturnFromModal();
        const bool fromElsewhere = m_activation->takeReturnFromElsewhere();
        const bool handled = QMainWindow::event(event);
        if (!fromModal && !fromElsewhere)
            Form_Activate();
        return handled;
    }
    return QMainWindow::event(event);
}

void Quillet::Form_Activate()
{
    FieldEdit *frequency = m_txt[0];
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

void Quillet::txt_GotFocus(int index)
{
    // Typing replaces the old value.
    m_txt[std::size_t(index)]->selectAll();
}

void Quillet::txt_KeyPress(int index, int &keyAscii)
{
    switch (keyAscii) {
    case 16: // Ctrl+P
        keyAscii = 0;
        mnuPrint_Click();
        return;
    case 'E':
    case 'e':
        keyAscii = 0;
        erase();
        return;
    case 'F':
    case 'f':
        keyAscii = 0;
        moveFocus(0);
        return;
    case 'C':
    case 'c':
        keyAscii = 0;
        moveFocus(1);
        return;
    case 'L':
    case 'l':
        keyAscii = 0;
        moveFocus(2);
        return;
    case 'Z':
    case 'z':
        keyAscii = 0;
        moveFocus(3);
        return;
    case 13:
        keyAscii = 0;
        enterKey(index);
        return;
    case '.':
    case 8:
        return;
    default:
        if (keyAscii < '0' || keyAscii > '9')
            keyAscii = 0;
        return;
    }
}

void Quillet::txt_LostFocus(int index)
{
    textsToSolver();
    m_solver.txt_LostFocus(index);
    textsFromSolver();
}

void Quillet::erase()
{
    // The focus stays where the key was typed.
    textsToSolver();
    m_solver.erase();
    textsFromSolver();
}

void Quillet::enterKey(int index)
{
    const int last = m_solver.lastField();
    if (fieldValue(m_txt[std::size_t(index)]->text()) == 0
        && fieldValue(m_txt[std::size_t(last)]->text()) != 0) {
        showMessage(QStringLiteral("ZERO or EMPTY is not valid!"));
        FieldEdit *field = m_txt[std::size_t(index)];
        field->setText(m_txt[std::size_t(last)]->text());
        // Selected, so that the value the user types next replaces it.
        field->selectAll();
        return;
    }
    // The Tab runs after this handler, as if the user had pressed it.
    FieldEdit::injectTab(this);
}

void Quillet::moveFocus(int index)
{
    m_txt[std::size_t(index)]->setFocus(Qt::OtherFocusReason);
}

void Quillet::showMessage(const QString &text)
{
    showCalculatorMessage(this, text);
}

void Quillet::textsToSolver()
{
    for (int i = 0; i < FieldCount; ++i)
        m_solver.setText(i, m_txt[std::size_t(i)]->text());
}

void Quillet::textsFromSolver()
{
    // Only what changed is written, so a commit repaints only those fields.
    for (int i = 0; i < FieldCount; ++i) {
        FieldEdit *field = m_txt[std::size_t(i)];
        if (field->text() != m_solver.text(i))
            field->setText(m_solver.text(i));
    }
    showTurnsHints();
    showCapacitanceHint();
}

} // namespace corvane
