// The hints in the real windows: the turns fields' tooltips follow every
// calculation and the erase key, the attenuator's resistor fields show their
// standard parts after each commit. Numbers worked out by hand (python3).
#include "fieldedit.h"
#include "frmatten.h"
#include "quillet.h"

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using corvane::FieldEdit;
using corvane::frmAtten;
using corvane::Quillet;

namespace {

void type(const QString &keys)
{
    QWidget *focus = QApplication::focusWidget();
    QVERIFY(focus);
    QTest::keyClicks(focus, keys);
}

// Enter, then wait for the injected Tab to land in 'next'.
void enter(QWidget *next)
{
    QWidget *focus = QApplication::focusWidget();
    QVERIFY(focus);
    QTest::keyClick(focus, Qt::Key_Return);
    QTRY_COMPARE(QApplication::focusWidget(), next);
}

} // namespace

class TestTooltips : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void turnsTooltipsAtStart();
    void turnsTooltipsFollowTheCalculation();
    void resistorTooltipsFollowTheCommits();

private:
    QTemporaryDir m_dir;
    QString m_table;
};

void TestTooltips::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_table = m_dir.filePath(QStringLiteral("quillet.ini"));
    QFile file(m_table);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("@x 49 0.9\n@Y 40 1.25\n@Z 12 0.5\n");
}

void TestTooltips::turnsTooltipsAtStart()
{
    Quillet window(m_table);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(window.txt(i)->toolTip(), QString());
    QCOMPARE(window.txt(4)->toolTip(), QStringLiteral("X: AL 49 nH/turn² (490 µH per 100 turns), wire 0.9 in per turn"));
    QCOMPARE(window.txt(6)->toolTip(), QStringLiteral("Z: AL 12 nH/turn² (120 µH per 100 turns), wire 0.5 in per turn"));
    QCOMPARE(window.txt(7)->toolTip(), QStringLiteral("No core is loaded in slot 4"));
    QCOMPARE(window.txt(53)->toolTip(), QStringLiteral("No core is loaded in slot 50"));
}

void TestTooltips::turnsTooltipsFollowTheCalculation()
{
    auto window = std::make_unique<Quillet>(m_table);
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(window->txt(0)));

    type(QStringLiteral("7.1"));
    enter(window->txt(1));
    type(QStringLiteral("100"));
    enter(window->txt(2));
    // The fields read as before; the tooltips tell what the whole turns give.
    QCOMPARE(window->txt(4)->text(), QStringLiteral("10 turns 11\""));
    QCOMPARE(window->txt(4)->toolTip(),
             QStringLiteral("X: AL 49 nH/turn² (490 µH per 100 turns), wire 0.9 in per turn\n"
                            "Exact turns: 10.127\n"
                            "10 turns give 4.900 µH: -2.48 % against 5.025 µH\n"
                            "With 100 pF, 10 turns give resonance at 7.190 MHz"));
    QVERIFY(window->txt(5)->toolTip().contains(QStringLiteral("11 turns give 4.840 µH: -3.68 % against 5.025 µH")));
    QVERIFY(window->txt(6)->toolTip().endsWith(QStringLiteral("20 turns give resonance at 7.264 MHz")));
    QCOMPARE(window->txt(7)->toolTip(), QStringLiteral("No core is loaded in slot 4"));

    // 200 pF: 2.512 uH; AL 40 takes 7.925 turns, shown as 8: 2.560 uH, +1.89 %.
    type(QStringLiteral("c"));
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(window->txt(1)));
    type(QStringLiteral("200"));
    enter(window->txt(2));
    QCOMPARE(window->txt(5)->toolTip(),
             QStringLiteral("Y: AL 40 nH/turn² (400 µH per 100 turns), wire 1.25 in per turn\n"
                            "Exact turns: 7.925\n"
                            "8 turns give 2.560 µH: +1.89 % against 2.512 µH\n"
                            "With 200 pF, 8 turns give resonance at 7.034 MHz"));

    // The erase key takes the winding away and leaves the core's figures.
    type(QStringLiteral("e"));
    QCOMPARE(window->txt(4)->text(), QString());
    QCOMPARE(window->txt(4)->toolTip(), QStringLiteral("X: AL 49 nH/turn² (490 µH per 100 turns), wire 0.9 in per turn"));
    QVERIFY(!window->txt(5)->toolTip().contains(QStringLiteral("turns give")));
}

void TestTooltips::resistorTooltipsFollowTheCommits()
{
    QPointer<frmAtten> w = corvane::showAttenuatorWindow(nullptr);
    QVERIFY(QTest::qWaitForWindowActive(w));
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w->txt(1)));
    for (int i = 0; i < 8; ++i)
        QCOMPARE(w->txt(i)->toolTip(), QString());

    type(QStringLiteral("10"));
    enter(w->txt(2));
    QCOMPARE(w->txt(2)->text(), QStringLiteral("96.2"));
    QVERIFY(w->txt(2)->toolTip().startsWith(QStringLiteral("Pi R1, input shunt: 96.25 ohms\n"
                                                           "Nearest standard values: E24 100 ohms, E96 95.3 ohms\n"
                                                           "Pi pad of E24 parts, R1 100 ohms and R2 68 ohms")));
    QVERIFY(w->txt(3)->toolTip().startsWith(QStringLiteral("Pi R1, output shunt: 96.25 ohms\n")));
    QVERIFY(w->txt(4)->toolTip().startsWith(QStringLiteral("Pi R2, series: 71.15 ohms\n"
                                                           "Nearest standard values: E24 68 ohms, E96 71.5 ohms\n")));
    QVERIFY(w->txt(5)->toolTip().contains(QStringLiteral("  loss 10.07 dB, input 51.53 ohms, return loss 36.4 dB")));
    QVERIFY(w->txt(7)->toolTip().startsWith(QStringLiteral("T R4, shunt: 35.14 ohms\n")));
    QCOMPARE(w->txt(0)->toolTip(), QString());
    QCOMPARE(w->txt(1)->toolTip(), QString());

    // A new impedance moves every resistor, and the hints with them:
    // 75 ohms and 10 dB give R1 144.37, nearest E24 150, E96 143.
    type(QStringLiteral("z"));
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w->txt(0)));
    type(QStringLiteral("75"));
    enter(w->txt(1));
    QVERIFY2(w->txt(2)->toolTip().startsWith(QStringLiteral("Pi R1, input shunt: 144.37 ohms\n"
                                                            "Nearest standard values: E24 150 ohms, E96 143 ohms\n")),
             qPrintable(w->txt(2)->toolTip()));
    QVERIFY(w->txt(2)->toolTip().contains(QStringLiteral(", in 75.0 ohms:")));

    // Erased resistors have no standard parts.
    type(QStringLiteral("e"));
    for (int i = 0; i < 8; ++i)
        QCOMPARE(w->txt(i)->toolTip(), QString());

    w->close();
    QTRY_VERIFY(w.isNull());
}

QTEST_MAIN(TestTooltips)
#include "tst_tooltips.moc"
