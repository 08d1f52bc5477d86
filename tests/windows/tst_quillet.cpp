// The main window driven from the keyboard, its layout, and a switch to another window.
#include "frmatten.h"
#include "quillet.h"
#include "windowtest.h"

#include <QPointer>

using corvane::Quillet;

class TestQuillet : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QFile file(m_dir.filePath(QStringLiteral("quillet.ini")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Three cores\r\n@x 49 0.9\r\n@Y 40 1.25\r\n@Z 12 0.5\r\n");
    }

    void init()
    {
        m_window = std::make_unique<Quillet>(m_dir.filePath(QStringLiteral("quillet.ini")));
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QTRY_COMPARE(focusIndex(), 0);
    }

    void cleanup()
    {
        m_window.reset();
    }

    void keys_data()
    {
        keyColumns();
        const QString t10 = QStringLiteral("10 turns 11\"");
        const QString t11 = QStringLiteral("11 turns 16\"");
        const QString t20 = QStringLiteral("20 turns 12\"");
        const QStringList solved { "7.100", "100", "5.02", "224", t10, t11, t20 };
        const QStringList empty(7);
        const QStringList none, zero { "ZERO or EMPTY is not valid!" };

        // 224 ohms and 5.02 uH as in the solver's worked example.
        QTest::newRow("frequency and capacitance, keypad Enter") << "7.1\r100\n" << solved << 2 << none;
        QTest::newRow("Enter in an empty field after an empty one") << "\r" << empty << 1 << none;
        QTest::newRow("Enter in an empty field brings back the last value") << "7.1\r\r"
                << QStringList { "7.100", "7.100", "", "", "", "", "" } << 1 << zero;
        // The value brought back is selected: 5 replaces it. X = 1 / (2 pi 7.1e6 5e-12) = 4483.2,
        // L = X / (2 pi f) = 100.497 uH.
        QTest::newRow("typing replaces the value brought back") << "7.1\r\r5\r"
                << QStringList { "7.100", "5", "100.50", "4483", "*", "*", "*" } << 2 << zero;
        QTest::newRow("L") << "L" << empty << 2 << none;
        QTest::newRow("z") << "z" << empty << 3 << none;
        QTest::newRow("Z") << "Z" << empty << 3 << none;
        QTest::newRow("F selects the text") << "7.1\rF8\r" << QStringList { "8.000", "", "", "", "", "", "" } << 1 << none;
        QTest::newRow("letters commit the field they leave") << "7.1c100l" << solved << 2 << none;
        QTest::newRow("erase") << "7.1\r100\re" << empty << 2 << none;
        QTest::newRow("erase forgets every quantity") << "7.1\r100\rEZ50\r"
                << QStringList { "", "", "", "50", "", "", "" } << 5 << none;
        QTest::newRow("stray keys swallowed, Backspace edits") << "9x .-5\b1\r"
                << QStringList { "9.100", "", "", "", "", "", "" } << 1 << none;
        // 11 turns on core Y: 11 * 11 * 40 nH = 4.84 uH.
        QTest::newRow("turns typed into core 2") << "z\t11\r"
                << QStringList { "", "", "4.84", "", t10, t11, t20 } << 6 << none;
        QTest::newRow("Ctrl+P prints, keeps the text") << "7.1\x10" << QStringList { "7.1", "", "", "", "", "", "" } << 0 << none;
    }

    void keys()
    {
        checkKeys(m_window.get(), m_window->Picture1());
    }

    void layout_data()
    {
        layoutColumns();
        QTest::newRow("frequency") << "txt(0)" << QRect(112, 24, 97, 26) << QString();
        QTest::newRow("core 1") << "txt(4)" << QRect(16, 88, 137, 26) << QString();
        QTest::newRow("core 7") << "txt(10)" << QRect(168, 152, 137, 26) << QString();
        QTest::newRow("core 50") << "txt(53)" << QRect(624, 664, 137, 26) << QString();
        QTest::newRow("Label(0)") << "Label(0)" << QRect(112, 8, 81, 17) << "Freq MHz";
        QTest::newRow("Label0") << "Label0" << QRect(88, 32, 17, 17) << "F=";
        QTest::newRow("core 1 name") << "Label(4)" << QRect(16, 72, 137, 17) << "X";
        QTest::newRow("no core 4") << "Label(7)" << QRect(472, 72, 137, 17) << "";
    }

    void layout()
    {
        checkLayout(m_window.get());
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Corvane"));
    }

    void hintsFollowTheEntries()
    {
        const QStringList start = m_window->txt(4)->toolTip().split(QLatin1Char('\n'));
        QCOMPARE(start.value(0), QString::fromUtf8("X: AL 49 nH/turn² (490 µH per 100 turns), wire 0.9 in per turn"));
        QCOMPARE(start.value(1), QStringLiteral("Core table: %1 (3 cores)").arg(m_dir.filePath(QStringLiteral("quillet.ini"))));
        QCOMPARE(m_window->txt(1)->toolTip(), QString());
        typeKeys(m_window.get(), QStringLiteral("7.1\r120\r"));
        // 120 pF at 7.1 MHz; E6 gives 100 pF: 7.1 * sqrt(120 / 100) = 7.7777 MHz, 9.54 % high.
        QVERIFY(m_window->txt(1)->toolTip().contains(QStringLiteral("\nE6 100 pF: 7.7777 MHz, +9.54 %\n")));
        typeKeys(m_window.get(), QStringLiteral("c100\r"));
        QVERIFY(m_window->txt(4)->toolTip().contains(QStringLiteral("\nExact turns: 10.127\n")));
        QVERIFY(m_window->txt(7)->toolTip().startsWith(QStringLiteral("No core is loaded in slot 4\nCore table: ")));
    }

    void anotherWindowAndBack()
    {
        typeKeys(m_window.get(), QStringLiteral("7.1\r100"));
        m_window->mnuAttenuators_Click();
        QPointer<corvane::frmAtten> attenuator = corvane::showAttenuatorWindow(m_window.get());
        QTRY_VERIFY(attenuator->isActiveWindow());
        // Leaving for another window commits nothing; one window of each kind.
        QCOMPARE(m_window->txt(2)->text(), QString());
        const QWidgetList windows = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(windows.begin(), windows.end(),
                               [](QWidget *w) { return qobject_cast<corvane::frmAtten *>(w) && w->isVisible(); }),
                 1);
        // Coming back commits the field that had the focus and moves it to the frequency.
        m_window->activateWindow();
        QTRY_COMPARE(QApplication::focusWidget(), m_window->txt(0));
        QCOMPARE(m_window->txt(2)->text(), QStringLiteral("5.02"));
        // The attenuator window goes with the main window.
        m_window->close();
        QTRY_VERIFY(attenuator.isNull());
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<Quillet> m_window;
    PdfPrintServices m_printing;
};


QTEST_MAIN(TestQuillet)
#include "tst_quillet.moc"
