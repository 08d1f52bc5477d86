// The attenuator window driven from the keyboard, its layout and its hints.
#include "frmatten.h"
#include "windowtest.h"

#include <QPointer>

using corvane::frmAtten;

class TestFrmAtten : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_window = corvane::showAttenuatorWindow(nullptr);
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        // The first activation moves the caret on to the attenuation.
        QTRY_COMPARE(focusIndex(), 1);
    }

    void cleanup()
    {
        m_window->close();
        QTRY_VERIFY(m_window.isNull());
    }

    void keys_data()
    {
        keyColumns();
        const QStringList start { "50.0", "", "", "", "", "", "", "" };
        const QStringList db10 { "50.0", "10.0", "96.2", "96.2", "71.2", "26.0", "26.0", "35.1" };
        const QStringList r3 { "50.0", "3.5", "250.0", "250.0", "20.8", "10.0", "10.0", "120.0" };
        const QStringList none;
        const QStringList zero { "ZERO or EMPTY is not valid!" };

        QTest::newRow("10 dB") << "10\r" << db10 << 2 << none;
        // K = 10^(9/20): R1 = 50 (K + 1) / (K - 1) = 105.0, R2 = 25 (K^2 - 1) / K = 61.6, R3 = 23.8, R4 = 40.6
        QTest::newRow("stray keys swallowed") << "9x-,\r"
                << QStringList { "50.0", "9.0", "105.0", "105.0", "61.6", "23.8", "23.8", "40.6" } << 2 << none;
        QTest::newRow("Tab order to the left R3") << "\t\t\t\t10\r" << r3 << 6 << none;
        QTest::newRow("right R3 mirrored") << "\t\t\t\t\t10\r" << r3 << 7 << none;
        QTest::newRow("R2") << "\t\t50\r" << QStringList { "50.0", "7.7", "120.7", "120.7", "50.0", "20.7", "20.7", "50.0" }
                            << 3 << none;
        QTest::newRow("Enter on an emptied field") << "10\r\b\r" << db10 << 2 << zero;
        QTest::newRow("Enter without a change") << "10\r\r" << db10 << 4 << none;
        QTest::newRow("A") << "10\rA" << db10 << 0 << none;
        QTest::newRow("Z") << "10\rZ" << db10 << 0 << none;
        QTest::newRow("erase") << "10\re" << QStringList(8) << 2 << none;
        QTest::newRow("erase forgets the impedance") << "E10\r" << QStringList { "", "10.0", "", "", "", "", "", "" }
                                                     << 2 << none;
        QTest::newRow("refused R1") << "\t40\r" << start << 4
                << QStringList { "R1 must be larger than the impedance when no attenuation is set" };
        QTest::newRow("Ctrl+P") << "1\x10" << QStringList { "50.0", "1", "", "", "", "", "", "" } << 1 << none;
    }

    void keys()
    {
        checkKeys(m_window.data(), m_window->Picture1());
    }

    void layout_data()
    {
        layoutColumns();
        QTest::newRow("Frame1") << "Frame1" << QRect(16, 24, 153, 201) << "Parameters";
        QTest::newRow("Frame3") << "Frame3" << QRect(184, 24, 305, 201) << "Pi Attenuator";
        QTest::newRow("Frame2") << "Frame2" << QRect(504, 24, 209, 201) << "T Attenuator";
        QTest::newRow("impedance") << "txt(0)" << QRect(40, 64, 81, 26) << "";
        QTest::newRow("R2") << "txt(4)" << QRect(120, 48, 81, 26) << "";
        QTest::newRow("lblL") << "lblL" << QRect(48, 112, 81, 17) << "Attenuation";
        QTest::newRow("Label11") << "Label11" << QRect(152, 112, 25, 17) << "R4";
    }

    void layout()
    {
        checkLayout(m_window);
        QCOMPARE(m_window->windowTitle(), QStringLiteral("T and PI Attenuator Calculator"));
    }

    void hints()
    {
        QCOMPARE(m_window->txt(7)->toolTip(), QString());
        typeKeys(m_window, QStringLiteral("10\r"));
        for (int i = 2; i < 8; ++i)
            QVERIFY(m_window->txt(i)->toolTip().contains(QStringLiteral("\nNearest standard values: E24 ")));
        QVERIFY(m_window->txt(7)->toolTip().startsWith(QStringLiteral("T R4, shunt: 35.14 ohms\n")));
        QVERIFY(m_window->txt(7)->accessibleDescription().endsWith(m_window->txt(7)->toolTip()));
    }

    void anotherWindowAndBack()
    {
        typeKeys(m_window, QStringLiteral("10"));
        QWidget other;
        other.show();
        other.activateWindow();
        QTRY_VERIFY(other.isActiveWindow());
        QCOMPARE(m_window->txt(2)->text(), QString());
        // Every activation moves the caret on one field, committing the one it leaves.
        m_window->activateWindow();
        QTRY_COMPARE(QApplication::focusWidget(), m_window->txt(2));
        QCOMPARE(m_window->txt(2)->text(), QStringLiteral("96.2"));
        // The Tools command shows the open window again.
        QCOMPARE(corvane::showAttenuatorWindow(nullptr), m_window.data());
    }

private:
    QPointer<frmAtten> m_window;
    PdfPrintServices m_printing;
};


QTEST_MAIN(TestFrmAtten)
#include "tst_frmatten.moc"
