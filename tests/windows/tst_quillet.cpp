// The main window driven as a user drives it: keys typed into the focused
// field, Enter, Tab, mouse clicks and switches between windows.
#include "fieldedit.h"
#include "pdfprintservices.h"
#include "quillet.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using corvane::FieldEdit;
using corvane::Quillet;

namespace {

// Answers every message box that opens, remembering what it showed.
class MessageWatcher : public QObject
{
public:
    MessageWatcher()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            ++count;
            text = box->text();
            title = box->windowTitle();
            icon = box->icon();
            buttons = box->standardButtons();
            box->button(QMessageBox::Ok)->click();
        });
        m_timer.start(10);
    }

    int count = 0;
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::Information;
    QMessageBox::StandardButtons buttons;

private:
    QTimer m_timer;
};

int focusIndex()
{
    auto *field = qobject_cast<FieldEdit *>(QApplication::focusWidget());
    return field ? field->index() : -1;
}

} // namespace

class tst_Quillet : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void layout_data();
    void layout();
    void looks();
    void centredAndResizable();
    void menuBar();
    void windowIcon();
    void coreNames();
    void missingCoreTable();

    void startUpFocus();
    void roadOfOneCalculation();
    void enterInEmptyFrequencyAtStart();
    void enterRefusesEmptyCapacitance();
    void erase_data();
    void erase();
    void letters_data();
    void letters();
    void letterCommitsTheField();
    void focusSelectsTheText();
    void swallowedKeys_data();
    void swallowedKeys();
    void passedKeys();
    void tabCycle();
    void enterFollowsTabOrder_data();
    void enterFollowsTabOrder();
    void otherWindowIsNoFocusLoss();
    void otherMessageBoxIsNoFocusLoss();
    void menuIsNoFocusLoss();
    void closingEndsEverything_data();
    void closingEndsEverything();

private:
    Quillet &window() { return *m_window; }
    FieldEdit *txt(int index) { return m_window->txt(index); }
    void type(const QString &keys);
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void enterAndMoveTo(int index);
    void road();

    QTemporaryDir m_dir;
    QString m_table;
    std::unique_ptr<Quillet> m_window;
    PdfPrintServices m_printing; // Ctrl+P prints into a file, without dialogs
};

void tst_Quillet::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_table = m_dir.filePath(QStringLiteral("quillet.ini"));
    QFile file(m_table);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Three cores for the window tests\r\n"
               "@x 49 0.9\r\n"
               "@Y 40 1.25\r\n"
               "@Z 12 0.5\r\n");
}

void tst_Quillet::init()
{
    m_window = std::make_unique<Quillet>(m_table);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void tst_Quillet::cleanup()
{
    m_window.reset();
}

void tst_Quillet::type(const QString &keys)
{
    QWidget *focus = QApplication::focusWidget();
    QVERIFY(focus);
    QTest::keyClicks(focus, keys);
}

void tst_Quillet::press(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget *focus = QApplication::focusWidget();
    QVERIFY(focus);
    QTest::keyClick(focus, key, modifiers);
}

void tst_Quillet::enterAndMoveTo(int index)
{
    press(Qt::Key_Return);
    QTRY_COMPARE(focusIndex(), index);
}

// 7.1 MHz, then 100 pF.
void tst_Quillet::road()
{
    type(QStringLiteral("7.1"));
    enterAndMoveTo(1);
    type(QStringLiteral("100"));
    enterAndMoveTo(2);
}

void tst_Quillet::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");
    // Twips divided by 15.
    QTest::newRow("frequency") << "txt(0)" << QRect(112, 24, 97, 26) << QString();
    QTest::newRow("capacitance") << "txt(1)" << QRect(264, 24, 97, 26) << QString();
    QTest::newRow("impedance") << "txt(3)" << QRect(568, 24, 97, 26) << QString();
    QTest::newRow("core 1") << "txt(4)" << QRect(16, 88, 137, 26) << QString();
    QTest::newRow("core 7") << "txt(10)" << QRect(168, 152, 137, 26) << QString();
    QTest::newRow("core 50") << "txt(53)" << QRect(624, 664, 137, 26) << QString();
    QTest::newRow("Label(0)") << "Label(0)" << QRect(112, 8, 81, 17) << "Freq MHz";
    QTest::newRow("Label(1)") << "Label(1)" << QRect(264, 8, 81, 17) << "Cap pF";
    QTest::newRow("Label(2)") << "Label(2)" << QRect(416, 8, 81, 17) << "Ind uH";
    QTest::newRow("Label(3)") << "Label(3)" << QRect(568, 8, 81, 17) << "Impedance";
    QTest::newRow("Label0") << "Label0" << QRect(88, 32, 17, 17) << "F=";
    QTest::newRow("Label1") << "Label1" << QRect(240, 32, 17, 17) << "C=";
    QTest::newRow("Label2") << "Label2" << QRect(392, 32, 17, 17) << "L=";
    QTest::newRow("Label3") << "Label3" << QRect(544, 32, 17, 17) << "Z=";
    QTest::newRow("core 1 name") << "Label(4)" << QRect(16, 72, 137, 17) << "X";
    QTest::newRow("core 4 name") << "Label(7)" << QRect(472, 72, 137, 17) << QString();
    QTest::newRow("core 50 name") << "Label(53)" << QRect(624, 648, 137, 17) << QString();
}

void tst_Quillet::layout()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    auto *widget = window().centralWidget()->findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), geometry);
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        QCOMPARE(label->text(), caption);
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    }
}

void tst_Quillet::looks()
{
    QCOMPARE(window().windowTitle(), QStringLiteral("Corvane"));
    QCOMPARE(window().centralWidget()->size(), QSize(777, 703));
    QCOMPARE(window().centralWidget()->palette().color(QPalette::Window), QColor(224, 224, 224));
    QVERIFY(window().centralWidget()->autoFillBackground());

    const QFont top = txt(0)->font();
    QCOMPARE(top.pointSizeF(), 14.25);
    QCOMPARE(top.styleHint(), QFont::TypeWriter);
    QVERIFY(QFontInfo(top).fixedPitch());
    QCOMPARE(txt(4)->font().pointSizeF(), 12.0);
    QVERIFY(QFontInfo(txt(53)->font()).fixedPitch());
    for (QLabel *label : {window().Label(0), window().Label(30), window().prefixLabel(2)}) {
        QCOMPARE(label->font().pointSizeF(), 9.75);
        QVERIFY(label->font().bold());
        QCOMPARE(label->font().styleHint(), QFont::SansSerif);
    }
    for (int i = 0; i < Quillet::FieldCount; ++i) {
        QVERIFY(txt(i)->hasFrame());
        QVERIFY(txt(i)->alignment() & Qt::AlignLeft);
        QVERIFY(txt(i)->text().isEmpty());
        QCOMPARE(txt(i)->index(), i);
    }

    QLabel *picture = window().Picture1();
    QVERIFY(picture);
    QVERIFY(!picture->isVisible());
    QCOMPARE(picture->geometry(), QRect(0, 0, 17, 17));
    QCOMPARE(picture->focusPolicy(), Qt::NoFocus);
}

void tst_Quillet::centredAndResizable()
{
    const QRect screen = window().screen()->availableGeometry();
    const QPoint offset = window().geometry().center() - screen.center();
    QVERIFY2(offset.manhattanLength() <= 2, qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));

    const QRect before = txt(53)->geometry();
    window().resize(500, 400);
    QTRY_COMPARE(window().width(), 500);
    QCOMPARE(txt(53)->geometry(), before);
    window().resize(1000, 900);
    QTRY_COMPARE(window().width(), 1000);
    QCOMPARE(txt(53)->geometry(), before);
    QCOMPARE(txt(0)->geometry(), QRect(112, 24, 97, 26));
}

void tst_Quillet::menuBar()
{
    const QList<QAction *> bar = window().menuBar()->actions();
    QCOMPARE(bar.size(), 4);
    QCOMPARE(bar.at(0)->text(), QStringLiteral("&File"));
    QCOMPARE(bar.at(1)->text(), QStringLiteral("&Tools"));
    QCOMPARE(bar.at(2)->text(), QStringLiteral("&Help"));
    QCOMPARE(bar.at(3)->text(), QStringLiteral("&About"));
    QVERIFY(bar.at(0)->menu());
    QVERIFY(bar.at(1)->menu());
    QVERIFY(!bar.at(2)->menu());
    QVERIFY(!bar.at(3)->menu());

    const QList<QAction *> file = bar.at(0)->menu()->actions();
    QCOMPARE(file.size(), 3);
    QCOMPARE(file.at(0)->text(), QStringLiteral("&Print Screen"));
    QVERIFY(file.at(1)->isSeparator());
    QCOMPARE(file.at(2)->text(), QStringLiteral("E&xit"));

    const QList<QAction *> tools = bar.at(1)->menu()->actions();
    QCOMPARE(tools.size(), 3);
    QCOMPARE(tools.at(0)->text(), QStringLiteral("&Attenuators"));
    QCOMPARE(tools.at(1)->text(), QStringLiteral("&Parameters"));
    QCOMPARE(tools.at(2)->text(), QStringLiteral("&TechData"));

    for (const QList<QAction *> &actions : {bar, file, tools})
        for (const QAction *action : actions)
            QVERIFY2(action->shortcut().isEmpty(), qPrintable(action->text()));
}

void tst_Quillet::windowIcon()
{
    const QIcon icon = window().windowIcon();
    QVERIFY(!icon.isNull());
    QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
    const QImage image = icon.pixmap(QSize(32, 32)).toImage();
    QCOMPARE(image.pixelColor(0, 0).alpha(), 0);     // transparent corner
    QCOMPARE(image.pixelColor(16, 16).alpha(), 0);   // the hole
}

void tst_Quillet::coreNames()
{
    QCOMPARE(window().coreTablePath(), m_table);
    QCOMPARE(window().Label(4)->text(), QStringLiteral("X"));
    QCOMPARE(window().Label(5)->text(), QStringLiteral("Y"));
    QCOMPARE(window().Label(6)->text(), QStringLiteral("Z"));
    for (int i = 7; i < Quillet::FieldCount; ++i)
        QVERIFY(window().Label(i)->text().isEmpty());
}

void tst_Quillet::missingCoreTable()
{
    const QString missing = m_dir.filePath(QStringLiteral("none.ini"));
    Quillet bare(missing);
    bare.show();
    QVERIFY(QTest::qWaitForWindowActive(&bare));
    QCOMPARE(bare.coreTablePath(), missing);
    for (int i = 4; i < Quillet::FieldCount; ++i)
        QVERIFY(bare.Label(i)->text().isEmpty());
    QCOMPARE(focusIndex(), 0);
}

void tst_Quillet::startUpFocus()
{
    // Before the first showing core 1's field holds the focus ...
    Quillet fresh(m_table);
    QCOMPARE(fresh.focusWidget(), fresh.txt(4));
    fresh.show();
    QVERIFY(QTest::qWaitForWindowActive(&fresh));
    // ... and the first activation moves it to Frequency, which is core 1's
    // field being left.
    QCOMPARE(QApplication::focusWidget(), fresh.txt(0));
    QCOMPARE(fresh.solver().lastField(), 4);
}

void tst_Quillet::roadOfOneCalculation()
{
    QCOMPARE(focusIndex(), 0);
    type(QStringLiteral("7.1"));
    enterAndMoveTo(1);
    QCOMPARE(txt(0)->text(), QStringLiteral("7.100"));
    QVERIFY(txt(2)->text().isEmpty());
    QVERIFY(txt(3)->text().isEmpty());

    type(QStringLiteral("100"));
    enterAndMoveTo(2);
    QCOMPARE(txt(0)->text(), QStringLiteral("7.100"));
    QCOMPARE(txt(1)->text(), QStringLiteral("100"));
    QCOMPARE(txt(2)->text(), QStringLiteral("5.02"));
    QCOMPARE(txt(3)->text(), QStringLiteral("224"));
    QCOMPARE(txt(4)->text(), QStringLiteral("10 turns 11\""));
    QCOMPARE(txt(5)->text(), QStringLiteral("11 turns 16\""));
    QCOMPARE(txt(6)->text(), QStringLiteral("20 turns 12\""));
    QVERIFY(txt(7)->text().isEmpty());
}

void tst_Quillet::enterInEmptyFrequencyAtStart()
{
    MessageWatcher messages;
    press(Qt::Key_Return);
    QTRY_COMPARE(focusIndex(), 1);
    QTest::qWait(30);
    QCOMPARE(messages.count, 0);
}

void tst_Quillet::enterRefusesEmptyCapacitance()
{
    type(QStringLiteral("7.1"));
    enterAndMoveTo(1);
    const int last = window().solver().lastField();

    MessageWatcher messages;
    press(Qt::Key_Return);
    QCOMPARE(messages.count, 1);
    QCOMPARE(messages.text, QStringLiteral("ZERO or EMPTY is not valid!"));
    QCOMPARE(messages.title, QStringLiteral("Corvane"));
    QCOMPARE(messages.icon, QMessageBox::NoIcon);
    QCOMPARE(messages.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));

    // The field gets the text of the field left last; the focus stays, and
    // the window taking back the activation from the box moves nothing.
    QCOMPARE(txt(1)->text(), QStringLiteral("7.100"));
    QCOMPARE(txt(1)->selectedText(), QStringLiteral("7.100"));
    QTRY_VERIFY(window().isActiveWindow());
    QTest::qWait(30);
    QCOMPARE(focusIndex(), 1);
    QCOMPARE(window().solver().lastField(), last);
    QVERIFY(txt(3)->text().isEmpty());
}

void tst_Quillet::erase_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("key");
    QTest::newRow("inductance e") << 2 << "e";
    QTest::newRow("inductance E") << 2 << "E";
    QTest::newRow("core 2 turns") << 5 << "e";
    QTest::newRow("slot without a core") << 7 << "e";
}

void tst_Quillet::erase()
{
    QFETCH(int, field);
    QFETCH(QString, key);
    road();
    QTest::mouseClick(txt(field), Qt::LeftButton);
    QTRY_COMPARE(focusIndex(), field);
    if (field == 7)
        type(QStringLiteral("12"));
    const int last = window().solver().lastField();

    type(key);
    for (int i = 0; i < 7; ++i)
        QVERIFY2(txt(i)->text().isEmpty(), qPrintable(QString::number(i)));
    QCOMPARE(txt(7)->text(), field == 7 ? QStringLiteral("12") : QString());
    QCOMPARE(focusIndex(), field);
    QCOMPARE(window().solver().lastField(), last);
    QCOMPARE(window().solver().freqHz(), 0.0);
    QCOMPARE(window().solver().capFarad(), 0.0);
}

void tst_Quillet::letters_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("to");
    QTest::newRow("c") << 0 << "c" << 1;
    QTest::newRow("C") << 0 << "C" << 1;
    QTest::newRow("l") << 0 << "l" << 2;
    QTest::newRow("L") << 0 << "L" << 2;
    QTest::newRow("z") << 0 << "z" << 3;
    QTest::newRow("Z") << 0 << "Z" << 3;
    QTest::newRow("f") << 3 << "f" << 0;
    QTest::newRow("F") << 3 << "F" << 0;
    QTest::newRow("c in a turns field") << 20 << "c" << 1;
    QTest::newRow("F in Frequency") << 0 << "F" << 0;
}

void tst_Quillet::letters()
{
    QFETCH(int, from);
    QFETCH(QString, key);
    QFETCH(int, to);
    if (from != 0) {
        QTest::mouseClick(txt(from), Qt::LeftButton);
        QTRY_COMPARE(focusIndex(), from);
    }
    const int last = window().solver().lastField();
    type(key);
    QCOMPARE(focusIndex(), to);
    for (int i = 0; i < Quillet::FieldCount; ++i)
        QVERIFY(txt(i)->text().isEmpty());
    // Only leaving a field counts.
    QCOMPARE(window().solver().lastField(), from == to ? last : from);
}

void tst_Quillet::letterCommitsTheField()
{
    type(QStringLiteral("7.1"));
    type(QStringLiteral("c"));
    QCOMPARE(focusIndex(), 1);
    QCOMPARE(txt(0)->text(), QStringLiteral("7.100"));
}

void tst_Quillet::focusSelectsTheText()
{
    road();
    type(QStringLiteral("f"));
    QCOMPARE(txt(0)->selectedText(), QStringLiteral("7.100"));
    // Typing replaces the value; the capacitance is kept.
    type(QStringLiteral("14"));
    QCOMPARE(txt(0)->text(), QStringLiteral("14"));
    enterAndMoveTo(1);
    QCOMPARE(txt(0)->text(), QStringLiteral("14.000"));
    QCOMPARE(txt(1)->selectedText(), QStringLiteral("100"));
    QCOMPARE(txt(3)->text(), QStringLiteral("114"));
}

void tst_Quillet::swallowedKeys_data()
{
    QTest::addColumn<QString>("keys");
    QTest::newRow("minus") << "-";
    QTest::newRow("comma") << ",";
    QTest::newRow("blank") << " ";
    QTest::newRow("x") << "x";
    QTest::newRow("plus") << "+";
    QTest::newRow("exponent D") << "D";
    QTest::newRow("semicolon") << ";";
}

void tst_Quillet::swallowedKeys()
{
    QFETCH(QString, keys);
    type(QStringLiteral("12"));
    type(keys);
    QCOMPARE(txt(0)->text(), QStringLiteral("12"));
    QCOMPARE(focusIndex(), 0);
}

void tst_Quillet::passedKeys()
{
    type(QStringLiteral("12..5"));
    QCOMPARE(txt(0)->text(), QStringLiteral("12..5"));
    press(Qt::Key_Backspace);
    QCOMPARE(txt(0)->text(), QStringLiteral("12.."));
    // Ctrl+P prints; it types nothing.
    press(Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(txt(0)->text(), QStringLiteral("12.."));
    press(Qt::Key_Escape);
    QCOMPARE(txt(0)->text(), QStringLiteral("12.."));
    // Keys that type no character keep their editing role.
    press(Qt::Key_Home);
    press(Qt::Key_Delete);
    QCOMPARE(txt(0)->text(), QStringLiteral("2.."));
    // Alt with a letter is a menu key, never a typed character.
    press(Qt::Key_X, Qt::AltModifier);
    press(Qt::Key_E, Qt::AltModifier);
    press(Qt::Key_C, Qt::AltModifier);
    QCOMPARE(txt(0)->text(), QStringLiteral("2.."));
    QCOMPARE(focusIndex(), 0);
}

void tst_Quillet::tabCycle()
{
    QList<int> expected = {1, 2, 3};
    for (int i = 5; i < Quillet::FieldCount; ++i)
        expected << i;
    expected << 4 << 0;
    QList<int> visited;
    for (int step = 0; step < Quillet::FieldCount; ++step) {
        press(Qt::Key_Tab);
        visited << focusIndex();
    }
    QCOMPARE(visited, expected);
}

void tst_Quillet::enterFollowsTabOrder_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<int>("to");
    QTest::newRow("Enter in Impedance") << 3 << Qt::Key_Return << 5;
    QTest::newRow("keypad Enter in core 5") << 8 << Qt::Key_Enter << 9;
    QTest::newRow("Enter in core 50") << 53 << Qt::Key_Return << 4;
    QTest::newRow("Tab in core 1") << 4 << Qt::Key_Tab << 0;
    QTest::newRow("Shift+Tab in Frequency") << 0 << Qt::Key_Backtab << 4;
}

void tst_Quillet::enterFollowsTabOrder()
{
    QFETCH(int, from);
    QFETCH(Qt::Key, key);
    QFETCH(int, to);
    if (from != 0) {
        QTest::mouseClick(txt(from), Qt::LeftButton);
        QTRY_COMPARE(focusIndex(), from);
    }
    press(key);
    QTRY_COMPARE(focusIndex(), to);
    QCOMPARE(window().solver().lastField(), from);
}

void tst_Quillet::otherWindowIsNoFocusLoss()
{
    type(QStringLiteral("7.1"));
    enterAndMoveTo(1);
    type(QStringLiteral("100.4"));

    QWidget other;
    other.resize(200, 100);
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QCOMPARE(txt(1)->text(), QStringLiteral("100.4"));
    QVERIFY(txt(3)->text().isEmpty());
    QCOMPARE(window().solver().lastField(), 0);

    // Coming back puts the focus into Frequency: now the capacitance is left.
    window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window()));
    QCOMPARE(focusIndex(), 0);
    QCOMPARE(txt(0)->selectedText(), QStringLiteral("7.100"));
    QCOMPARE(window().solver().lastField(), 1);
    QCOMPARE(txt(1)->text(), QStringLiteral("100"));
    QCOMPARE(txt(2)->text(), QStringLiteral("5.00"));
    QCOMPARE(txt(3)->text(), QStringLiteral("223"));
}

void tst_Quillet::otherMessageBoxIsNoFocusLoss()
{
    type(QStringLiteral("7.1"));
    enterAndMoveTo(1);
    type(QStringLiteral("100"));

    // A message box from elsewhere in the program, e.g. a printer failure.
    MessageWatcher messages;
    QMessageBox::information(&window(), QStringLiteral("Corvane"), QStringLiteral("No printer"));
    QCOMPARE(messages.count, 1);
    window().activateWindow();
    QTRY_VERIFY(window().isActiveWindow());
    QTest::qWait(30);
    QCOMPARE(focusIndex(), 1);
    QCOMPARE(window().solver().lastField(), 0);
    QVERIFY(txt(3)->text().isEmpty());

    // The next switch to another window and back is an activation again.
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window()));
    QCOMPARE(focusIndex(), 0);
    QCOMPARE(txt(3)->text(), QStringLiteral("224"));
}

void tst_Quillet::menuIsNoFocusLoss()
{
    type(QStringLiteral("7.1"));
    enterAndMoveTo(1);
    type(QStringLiteral("100"));

    QMenu *file = window().menuBar()->actions().at(0)->menu();
    window().menuBar()->setActiveAction(file->menuAction());
    QTRY_VERIFY(file->isVisible());
    file->hide();
    QTRY_COMPARE(focusIndex(), 1);
    QCOMPARE(window().solver().lastField(), 0);
    QVERIFY(txt(3)->text().isEmpty());
    QCOMPARE(txt(1)->text(), QStringLiteral("100"));
}

void tst_Quillet::closingEndsEverything_data()
{
    QTest::addColumn<bool>("byExit");
    QTest::newRow("File > Exit") << true;
    QTest::newRow("close box") << false;
}

void tst_Quillet::closingEndsEverything()
{
    QFETCH(bool, byExit);
    QWidget other;
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&other));
    if (byExit)
        window().menuBar()->actions().at(0)->menu()->actions().at(2)->trigger();
    else
        window().close();
    QVERIFY(!window().isVisible());
    QVERIFY(!other.isVisible());
}

QTEST_MAIN(tst_Quillet)
#include "tst_quillet.moc"
