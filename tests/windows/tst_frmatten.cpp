#include "attenframe.h"
#include "fieldedit.h"
#include "frmatten.h"
#include "pdfprintservices.h"
#include "quillet.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QtTest>

using corvane::frmAtten;

namespace {

// Closes each message box that comes up with its OK button, noting what it said.
class MessageBoxCloser : public QObject
{
public:
    MessageBoxCloser()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            texts << box->text();
            titles << box->windowTitle();
            icons << box->icon();
            buttonCounts << box->buttons().size();
            box->button(QMessageBox::Ok)->click();
        });
        m_timer.start(10);
    }

    QStringList texts;
    QStringList titles;
    QList<QMessageBox::Icon> icons;
    QList<qsizetype> buttonCounts;

private:
    QTimer m_timer;
};

QWidget *focused()
{
    return QApplication::focusWidget();
}

void type(const QString &keys)
{
    QTest::keyClicks(focused(), keys);
}

void press(Qt::Key key)
{
    QTest::keyClick(focused(), key);
}

// After a message box the window is active again (the offscreen platform
// needs telling); that return is no activation and injects no Tab.
bool backFromMessageBox(QWidget *window)
{
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        return false;
    QTest::qWait(50);
    return true;
}

} // namespace

class TestFrmAtten : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void openingState();
    void layout();
    void fieldPlaces_data();
    void fieldPlaces();
    void labels();
    void drawingsAreOnTheFrames();
    void typingTenAndEnterFillsTheResistors();
    void tabCycle();
    void enterFollowsTheTabCycle();
    void swallowedKeys();
    void zAndAKeysGoToImpedance();
    void eraseThenEnterRestoresRememberedText();
    void backspaceThenEnterRestoresRememberedText();
    void afterEraseLeavingRemembersEmptyTexts();
    void enterInNeverFilledFieldMovesOn();
    void clicksWithoutEditingRecomputeNothing();
    void ctrlPLeavesTheText();
    void refusalIsShownAfterTheFocusMoved();
    void switchingWindowsCommitsNothing();
    void reopeningStartsFresh();
    void deletingAnOpenWindowIsSafe();
    void toolsAttenuatorsOpensTheWindow();

private:
    frmAtten *open();
    QPointer<frmAtten> m_window;
    PdfPrintServices m_printing; // Ctrl+P prints into a file, without dialogs
};

frmAtten *TestFrmAtten::open()
{
    m_window = corvane::showAttenuatorWindow(nullptr);
    return m_window;
}

void TestFrmAtten::init()
{
    frmAtten *w = open();
    QVERIFY(QTest::qWaitForWindowActive(w));
    // The first activation moves the caret on to the attenuation field.
    QTRY_COMPARE(focused(), static_cast<QWidget *>(w->txt(1)));
}

void TestFrmAtten::cleanup()
{
    if (m_window) {
        m_window->close();
        QTRY_VERIFY(m_window.isNull());
    }
}

void TestFrmAtten::openingState()
{
    frmAtten *w = m_window;
    QCOMPARE(w->txt(0)->text(), QStringLiteral("50.0"));
    for (int i = 1; i < 8; ++i)
        QCOMPARE(w->txt(i)->text(), QString());
    QCOMPARE(w->solver().impedOhm(), 50.0);
    QCOMPARE(w->solver().lastText(0), QStringLiteral("50.0"));
    // One Tab only: the caret stays in the attenuation field.
    QTest::qWait(50);
    QCOMPARE(focused(), static_cast<QWidget *>(w->txt(1)));
}

void TestFrmAtten::layout()
{
    frmAtten *w = m_window;
    QCOMPARE(w->windowTitle(), QStringLiteral("T and PI Attenuator Calculator"));
    QCOMPARE(w->centralWidget()->size(), QSize(10905 / 15, 3570 / 15));
    QCOMPARE(w->palette().color(QPalette::Window), QColor(224, 224, 224));

    const QList<QAction *> actions = w->menuBar()->actions();
    QCOMPARE(actions.size(), 1);
    QCOMPARE(actions.at(0)->text(), QStringLiteral("&Print Screen"));
    QVERIFY(!actions.at(0)->menu());

    struct Frame { const char *name; const char *caption; QRect rect; };
    const Frame frames[] = {
        { "Frame1", "Parameters", QRect(16, 24, 153, 201) },
        { "Frame3", "Pi Attenuator", QRect(184, 24, 305, 201) },
        { "Frame2", "T Attenuator", QRect(504, 24, 209, 201) },
    };
    for (const Frame &f : frames) {
        auto *frame = w->findChild<corvane::AttenFrame *>(QString::fromLatin1(f.name));
        QVERIFY(frame);
        QCOMPARE(frame->title(), QString::fromLatin1(f.caption));
        QCOMPARE(frame->geometry(), f.rect);
        QCOMPARE(frame->font().family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(frame->font().pointSizeF(), 12.0);
        QVERIFY(frame->font().bold());
    }

    QLabel *picture = w->picture1();
    QVERIFY(picture);
    QVERIFY(picture->isHidden());
    QCOMPARE(picture->geometry(), QRect(0, 0, 17, 17));
    QCOMPARE(picture->focusPolicy(), Qt::NoFocus);
}

void TestFrmAtten::fieldPlaces_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QPoint>("topLeft");
    QTest::newRow("impedance") << 0 << "Frame1" << QPoint(40, 64);
    QTest::newRow("attenuation") << 1 << "Frame1" << QPoint(40, 128);
    QTest::newRow("Pi R1 left") << 2 << "Frame3" << QPoint(8, 128);
    QTest::newRow("Pi R1 right") << 3 << "Frame3" << QPoint(216, 128);
    QTest::newRow("Pi R2") << 4 << "Frame3" << QPoint(120, 48);
    QTest::newRow("T R3 left") << 5 << "Frame2" << QPoint(8, 48);
    QTest::newRow("T R3 right") << 6 << "Frame2" << QPoint(120, 48);
    QTest::newRow("T R4") << 7 << "Frame2" << QPoint(120, 128);
}

void TestFrmAtten::fieldPlaces()
{
    QFETCH(int, index);
    QFETCH(QString, frame);
    QFETCH(QPoint, topLeft);
    corvane::FieldEdit *field = m_window->txt(index);
    QCOMPARE(field->parentWidget()->objectName(), frame);
    QCOMPARE(field->geometry(), QRect(topLeft, QSize(81, 26)));
    QCOMPARE(field->font().family(), QStringLiteral("Courier New"));
    QCOMPARE(field->font().pointSizeF(), 14.25);
    QCOMPARE(field->font().styleHint(), QFont::TypeWriter);
    QCOMPARE(field->index(), index);
}

void TestFrmAtten::labels()
{
    struct Label { const char *name; const char *caption; QRect rect; double points; bool bold; };
    const Label labels[] = {
        { "lblZ", "Impedance", QRect(40, 48, 81, 17), 9.75, true },
        { "Label3", "dB=", QRect(8, 136, 25, 17), 9.75, true },
        { "Label10", "R2", QRect(152, 32, 25, 17), 9.75, true },
        { "Label2", "Gnd", QRect(200, 176, 25, 17), 8.25, false },
        { "Label11", "R4", QRect(152, 112, 25, 17), 9.75, true },
        { "Label5", "Gnd", QRect(88, 176, 25, 17), 8.25, false },
    };
    for (const Label &l : labels) {
        auto *label = m_window->findChild<QLabel *>(QString::fromLatin1(l.name));
        QVERIFY2(label, l.name);
        QCOMPARE(label->text(), QString::fromLatin1(l.caption));
        QCOMPARE(label->geometry(), l.rect);
        QCOMPARE(label->font().family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(label->font().pointSizeF(), l.points);
        QCOMPARE(label->font().bold(), l.bold);
    }
    QCOMPARE(m_window->findChildren<QLabel *>().size(), 13 + 1); // and Picture1
}

void TestFrmAtten::drawingsAreOnTheFrames()
{
    auto *pi = m_window->findChild<corvane::AttenFrame *>(QStringLiteral("Frame3"));
    auto *t = m_window->findChild<corvane::AttenFrame *>(QStringLiteral("Frame2"));
    const QImage piImage = pi->grab().toImage();
    const QImage tImage = t->grab().toImage();
    const auto dark = [](const QImage &image, int x, int y) { return qGray(image.pixel(x, y)) < 64; };
    // The Pi input wire (1200..1560, 1320) and its left ground lead (1560, 2400..2640).
    QVERIFY(dark(piImage, 90, 88));
    QVERIFY(dark(piImage, 104, 170));
    // The T input wire (120..480, 1320); nothing drawn below it.
    QVERIFY(dark(tImage, 20, 88));
    QVERIFY(!dark(tImage, 20, 120));
    // The parameters frame holds no drawing.
    const QImage parameters = m_window->findChild<corvane::AttenFrame *>(QStringLiteral("Frame1"))->grab().toImage();
    QVERIFY(!dark(parameters, 104, 88));
}

void TestFrmAtten::typingTenAndEnterFillsTheResistors()
{
    frmAtten *w = m_window;
    type(QStringLiteral("10"));
    press(Qt::Key_Return);
    QTRY_COMPARE(focused(), static_cast<QWidget *>(w->txt(2)));
    const QStringList expected { "50.0", "10.0", "96.2", "96.2", "71.2", "26.0", "26.0", "35.1" };
    for (int i = 0; i < 8; ++i)
        QCOMPARE(w->txt(i)->text(), expected.at(i));
    QCOMPARE(w->txt(2)->selectedText(), QStringLiteral("96.2"));
}

void TestFrmAtten::tabCycle()
{
    frmAtten *w = m_window;
    const int cycle[] = { 2, 4, 3, 5, 6, 7, 0, 1 };
    for (int next : cycle) {
        press(Qt::Key_Tab);
        QCOMPARE(focused(), static_cast<QWidget *>(w->txt(next)));
        QCOMPARE(w->txt(next)->selectedText(), w->txt(next)->text());
    }
}

void TestFrmAtten::enterFollowsTheTabCycle()
{
    frmAtten *w = m_window;
    type(QStringLiteral("10"));
    const int cycle[] = { 2, 4, 3, 5 };
    for (int next : cycle) {
        press(Qt::Key_Enter);
        QTRY_COMPARE(focused(), static_cast<QWidget *>(w->txt(next)));
    }
}

void TestFrmAtten::swallowedKeys()
{
    frmAtten *w = m_window;
    type(QStringLiteral("12"));
    type(QStringLiteral("-, x+"));
    QCOMPARE(w->txt(1)->text(), QStringLiteral("12"));
    type(QStringLiteral("..5"));
    QCOMPARE(w->txt(1)->text(), QStringLiteral("12..5"));
    press(Qt::Key_Backspace);
    QCOMPARE(w->txt(1)->text(), QStringLiteral("12.."));
    QCOMPARE(focused(), static_cast<QWidget *>(w->txt(1)));
}

void TestFrmAtten::zAndAKeysGoToImpedance()
{
    frmAtten *w = m_window;
    type(QStringLiteral("10"));
    type(QStringLiteral("a"));
    QCOMPARE(focused(), static_cast<QWidget *>(w->txt(0)));
    // Leaving the attenuation field committed it.
    QCOMPARE(w->txt(1)->text(), QStringLiteral("10.0"));
    QCOMPARE(w->txt(2)->text(), QStringLiteral("96.2"));
    QCOMPARE(w->txt(0)->selectedText(), QStringLiteral("50.0"));

    type(QStringLiteral("zaZA"));
    QCOMPARE(focused(), static_cast<QWidget *>(w->txt(0)));
    QCOMPARE(w->txt(0)->text(), QStringLiteral("50.0"));

    w->txt(7)->setFocus(Qt::MouseFocusReason);
    type(QStringLiteral("Z"));
    QCOMPARE(focused(), static_cast<QWidget *>(w->txt(0)));
}

void TestFrmAtten::eraseThenEnterRestoresRememberedText()
{
    frmAtten *w = m_window;
    type(QStringLiteral("10"));
    press(Qt::Key_Return);
    QTRY_COMPARE(focused(), static_cast<QWidget *>(w->txt(2)));

    type(QStringLiteral("e"));
    for (int i = 0; i < 8; ++i)
        QCOMPARE(w->txt(i)->text(), QString());
    QCOMPARE(w->solver().r1Ohm(), 0.0);
    QCOMPARE(focused(), static_cast<QWidget *>(w->txt(2)));

    MessageBoxCloser closer;
    press(Qt::Key_Return);
    QCOMPARE(closer.texts, QStringList { QStringLiteral("ZERO or EMPTY is not valid!") });
    QCOMPARE(closer.titles, QStringList { QStringLiteral("Corvane") });
    QCOMPARE(closer.icons.value(0), QMessageBox::NoIcon);
    QCOMPARE(closer.buttonCounts.value(0), qsizetype(1));
    QCOMPARE(w->txt(2)->text(), QStringLiteral("96.2"));
    QCOMPARE(w->solver().r1Ohm(), 0.0);
    QVERIFY(backFromMessageBox(w));
    QCOMPARE(focused(), static_cast<QWidget *>(w->txt(2)));

    // The text equals its remembered text now: Enter moves on, computing nothing.
    press(Qt::Key_Return);
    QTRY_COMPARE(focused(), static_cast<QWidget *>(w->txt(4)));
    QCOMPARE(w->solver().r1Ohm(), 0.0);
    QCOMPARE(w->txt(4)->text(), QString());
    QCOMPARE(closer.texts.size(), 1);
}

void TestFrmAtten::backspaceThenEnterRestoresRememberedText()
{
    frmAtten *w = m_window;
    type(QStringLiteral("10"));
    press(Qt::Key_Return);
    QTRY_COMPARE(focused(), static_cast<QWidget *>(w->txt(2)));
    w->txt(1)->setFocus(Qt::MouseFocusReason);
    QCOMPARE(w->txt(1)->selectedText(), QStringLiteral("10.0"));
    press(Qt::Key_Backspace);
    QCOMPARE(w->txt(1)->text(), QString());

    MessageBoxCloser closer;
    press(Qt::Key_Return);
    QCOMPARE(closer.texts.size(), 1);
    QCOMPARE(w->txt(1)->text(), QStringLiteral("10.0"));
    QVERIFY(backFromMessageBox(w));
    QCOMPARE(focused(), static_cast<QWidget *>(w->txt(1)));
    QCOMPARE(w->solver().attenDb(), 10.0);
}

void TestFrmAtten::afterEraseLeavingRemembersEmptyTexts()
{
    frmAtten *w = m_window;
    type(QStringLiteral("10"));
    press(Qt::Key_Return);
    QTRY_COMPARE(focused(), static_cast<QWidget *>(w->txt(2)));
    type(QStringLiteral("e"));
    press(Qt::Key_Tab);
    QCOMPARE(focused(), static_cast<QWidget *>(w->txt(4)));
    QCOMPARE(w->solver().lastText(2), QString());

    QCOMPARE(w->solver().lastText(4), QString());

    // Enter in the empty field just moves on; a typed value counts as a change.
    MessageBoxCloser closer;
    press(Qt::Key_Return);
    QTRY_COMPARE(focused(), static_cast<QWidget *>(w->txt(3)));
    QVERIFY(closer.texts.isEmpty());
    w->txt(4)->setFocus(Qt::MouseFocusReason);
    type(QStringLiteral("71.2"));
    press(Qt::Key_Return);
    QTRY_COMPARE(focused(), static_cast<QWidget *>(w->txt(3)));
    QCOMPARE(w->solver().r2Ohm(), 71.2);
    QCOMPARE(w->txt(4)->text(), QStringLiteral("71.2"));
    QCOMPARE(w->txt(2)->text(), QString()); // nothing else known after the erase
    QVERIFY(closer.texts.isEmpty());
}

void TestFrmAtten::enterInNeverFilledFieldMovesOn()
{
    frmAtten *w = m_window;
    MessageBoxCloser closer;
    press(Qt::Key_Return); // attenuation never filled
    QTRY_COMPARE(focused(), static_cast<QWidget *>(w->txt(2)));
    QVERIFY(closer.texts.isEmpty());
    QCOMPARE(w->solver().attenDb(), 0.0);
}

void TestFrmAtten::clicksWithoutEditingRecomputeNothing()
{
    frmAtten *w = m_window;
    type(QStringLiteral("10"));
    press(Qt::Key_Return);
    QTRY_COMPARE(focused(), static_cast<QWidget *>(w->txt(2)));
    const double z = w->solver().impedOhm();
    const double r1 = w->solver().r1Ohm();
    for (int i : { 3, 4, 5, 6, 7, 0, 2 })
        w->txt(i)->setFocus(Qt::MouseFocusReason);
    for (int i = 0; i < 9; ++i)
        press(Qt::Key_Tab);
    // Read back from their one-decimal texts, the resistors would move Z.
    QCOMPARE(w->solver().impedOhm(), z);
    QCOMPARE(w->solver().r1Ohm(), r1);
    QCOMPARE(w->txt(4)->text(), QStringLiteral("71.2"));
}

void TestFrmAtten::ctrlPLeavesTheText()
{
    frmAtten *w = m_window;
    type(QStringLiteral("10"));
    QTest::keyClick(focused(), Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(w->txt(1)->text(), QStringLiteral("10"));
    QCOMPARE(focused(), static_cast<QWidget *>(w->txt(1)));
}

void TestFrmAtten::refusalIsShownAfterTheFocusMoved()
{
    frmAtten *w = m_window;
    press(Qt::Key_Tab);
    QCOMPARE(focused(), static_cast<QWidget *>(w->txt(2)));
    type(QStringLiteral("40"));

    MessageBoxCloser closer;
    press(Qt::Key_Return);
    QTRY_COMPARE(closer.texts.size(), 1);
    QVERIFY2(closer.texts.at(0).contains(QStringLiteral("R1 must be larger than the impedance")),
             qPrintable(closer.texts.at(0)));
    QCOMPARE(closer.titles.at(0), QStringLiteral("Corvane"));
    QCOMPARE(closer.icons.at(0), QMessageBox::NoIcon);
    // Field 2 shows its remembered text again; nothing was computed.
    QCOMPARE(w->txt(2)->text(), QString());
    QCOMPARE(w->txt(1)->text(), QString());
    QCOMPARE(w->solver().r1Ohm(), 0.0);
    // The focus went on to field 4 and stays there after the box.
    QVERIFY(backFromMessageBox(w));
    QCOMPARE(focused(), static_cast<QWidget *>(w->txt(4)));
    QCOMPARE(closer.texts.size(), 1);
}

void TestFrmAtten::switchingWindowsCommitsNothing()
{
    frmAtten *w = m_window;
    type(QStringLiteral("10"));
    QWidget other;
    other.setWindowTitle(QStringLiteral("another window"));
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QCOMPARE(w->txt(1)->text(), QStringLiteral("10"));
    QCOMPARE(w->solver().attenDb(), 0.0);

    // Coming back is an activation: its Tab commits the field.
    corvane::showAttenuatorWindow(nullptr);
    QVERIFY(QTest::qWaitForWindowActive(w));
    QTRY_COMPARE(focused(), static_cast<QWidget *>(w->txt(2)));
    QCOMPARE(w->txt(1)->text(), QStringLiteral("10.0"));
    QCOMPARE(w->txt(7)->text(), QStringLiteral("35.1"));
}

void TestFrmAtten::reopeningStartsFresh()
{
    QPointer<frmAtten> first = m_window;
    type(QStringLiteral("10"));
    press(Qt::Key_Return);
    QTRY_COMPARE(focused(), static_cast<QWidget *>(first->txt(2)));
    // Showing it again while open keeps the window.
    QCOMPARE(corvane::showAttenuatorWindow(nullptr), first.data());

    first->close();
    QTRY_VERIFY(first.isNull());
    frmAtten *second = open();
    QVERIFY(QTest::qWaitForWindowActive(second));
    QTRY_COMPARE(focused(), static_cast<QWidget *>(second->txt(1)));
    QCOMPARE(second->txt(0)->text(), QStringLiteral("50.0"));
    for (int i = 1; i < 8; ++i)
        QCOMPARE(second->txt(i)->text(), QString());
    QCOMPARE(second->solver().attenDb(), 0.0);
}

void TestFrmAtten::deletingAnOpenWindowIsSafe()
{
    // Deleted while shown with a half-typed field in focus, as when the main
    // window goes first: no handler may run on a half-destroyed window.
    type(QStringLiteral("10"));
    delete m_window.data();
    QVERIFY(m_window.isNull());
    QTest::qWait(20);
    frmAtten *again = open();
    QVERIFY(QTest::qWaitForWindowActive(again));
    QCOMPARE(again->txt(1)->text(), QString());
}

void TestFrmAtten::toolsAttenuatorsOpensTheWindow()
{
    m_window->close();
    QTRY_VERIFY(m_window.isNull());

    corvane::Quillet main(QStringLiteral("no such core table"));
    main.show();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    auto *command = main.findChild<QAction *>(QStringLiteral("mnuAttenuators"));
    QVERIFY(command);
    command->trigger();
    QTRY_VERIFY((m_window = qobject_cast<frmAtten *>(QApplication::activeWindow())));
    QTRY_COMPARE(focused(), static_cast<QWidget *>(m_window->txt(1)));
    // The command again while it is open only brings the same window forward.
    command->trigger();
    QCOMPARE(qobject_cast<frmAtten *>(QApplication::activeWindow()), m_window.data());
}

QTEST_MAIN(TestFrmAtten)
#include "tst_frmatten.moc"
