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

        // K = 10^(9/20): R1 = 50 (K + 1) / (K - 1) = 105.0, R2 = 25 (K^2 - 1) / K = 61.6, R3 = 23.8, R4 = 40.6
        QTest::newRow("stray keys swallowed") << "9x-,\r"
                << QStringList { "50.0", "9.0", "105.0", "105.0", "61.6", "23.8", "23.8", "40.6" } << 2 << none;
        QTest::newRow("Tab order to the left R3") << "\t\t\t\t10\r" << r3 << 6 << none;
        QTest::newRow("right R3 mirrored") << "\t\t\t\t\t10\r" << r3 << 7 << none;
        // R1 100 on the right, mirrored on the left: K = (100 + 50) / (100 - 50) = 3, 9.54 dB; R2 = 25 (K^2 - 1) / K = 66.7
        QTest::newRow("right R1 mirrored") << "\t\t\t100\r"
                << QStringList { "50.0", "9.5", "100.0", "100.0", "66.7", "25.0", "25.0", "37.5" } << 5 << none;
        QTest::newRow("R2") << "\t\t50\r" << QStringList { "50.0", "7.7", "120.7", "120.7", "50.0", "20.7", "20.7", "50.0" } << 3 << none;
        QTest::newRow("Enter on an emptied field") << "10\r\b\r" << db10 << 2 << zero;
        QTest::newRow("Enter without a change") << "10\r\r" << db10 << 4 << none;
        for (const QString letter : { "A", "Z", "a", "z" })
            QTest::newRow(qPrintable(letter)) << "10\r" + letter << db10 << 0 << none;
        QTest::newRow("erase") << "10\re" << QStringList(8) << 2 << none;
        QTest::newRow("erase forgets the impedance") << "E10\r" << QStringList { "", "10.0", "", "", "", "", "", "" } << 2 << none;
        QTest::newRow("refused R1") << "\t40\r" << start << 4 << QStringList { "R1 must be larger than the impedance when no attenuation is set" };
        QTest::newRow("Ctrl+P") << "1\x10" << QStringList { "50.0", "1", "", "", "", "", "", "" } << 1 << none;
    }

    void keys()
    {
        checkKeys(m_window.data(), m_window->Picture1());
    }

    // The one menu item, without a shortcut, prints the window and holds its picture.
    void printMenu()
    {
        PdfPrintServices printer;
        QCOMPARE(menuListing(m_window), QStringList { "&Print Screen" });
        m_window->menuBar()->actions().constFirst()->trigger();
        QVERIFY(!m_window->Picture1()->pixmap().isNull() && QFileInfo(printer.printerFile).size() > 0);
    }

    // Each frame, its labels and fields, in twips / 15: headings and fields bold, "Gnd" in the window's 8.25 pt.
    void layout()
    {
        QCOMPARE(controlListing(m_window->centralWidget()).join('|'), "Frame1 16,24 153x201 Parameters 12b|lblZ 40,48 81x17 Impedance 9.75b|"
                 "Label4 16,72 17x17 Z= 9.75b|lblL 48,112 81x17 Attenuation 9.75b|Label3 8,136 25x17 dB= 9.75b|txt(0) 40,64 81x26 50.0 14.25b|"
                 "txt(1) 40,128 81x26  14.25b|Frame3 184,24 305x201 Pi Attenuator 12b|Label10 152,32 25x17 R2 9.75b|Label8 40,112 25x17 R1 9.75b|"
                 "Label9 248,112 25x17 R1 9.75b|Label1 88,176 25x17 Gnd 8.25|Label2 200,176 25x17 Gnd 8.25|txt(2) 8,128 81x26  14.25b|"
                 "txt(4) 120,48 81x26  14.25b|txt(3) 216,128 81x26  14.25b|Frame2 504,24 209x201 T Attenuator 12b|Label6 40,32 25x17 R3 9.75b|"
                 "Label7 152,32 25x17 R3 9.75b|Label11 152,112 25x17 R4 9.75b|Label5 88,176 25x17 Gnd 8.25|txt(5) 8,48 81x26  14.25b|"
                 "txt(6) 120,48 81x26  14.25b|txt(7) 120,128 81x26  14.25b|Picture1 0,0 17x17  hidden");
        QCOMPARE(m_window->centralWidget()->size(), QSize(727, 238)); // 10905 x 3570 twips below the menu bar
    }

    // Whole tooltips at 10 dB in 50 ohms (R1 96.25, R2 71.15, R3 25.97, R4 35.14), worked out apart from the
    // program: the nearest parts by the least ratio either way, each pad's input with 50 ohms on its output,
    // its loss as 20 log10(0.5 / Vload) for a source of 1 V EMF and 50 ohms, the return loss from the input.
    void hints()
    {
        QStringList named; // what a screen reader says of the resistors before there is a hint
        for (int i = 0; i < 8; ++i)
            named << m_window->txt(i)->accessibleName() + ": " + m_window->txt(i)->accessibleDescription() + m_window->txt(i)->toolTip();
        QCOMPARE(named.join('|'), "Impedance, ohms: Line impedance both pads are designed for|Attenuation, dB: Attenuation of both pads|Pi attenuator R1 left, ohms: Shunt resistor at the input of the Pi pad|Pi attenuator R1 right, ohms: Shunt "
                 "resistor at the output of the Pi pad, equal to the left one|Pi attenuator R2, ohms: Series resistor of the Pi pad|T attenuator R3 left, "
                 "ohms: Series resistor at the input of the T pad|T attenuator R3 right, ohms: Series resistor at the output of the T pad, equal to the left one|T attenuator R4, ohms: Shunt resistor of the T pad");
        typeKeys(m_window, QStringLiteral("10\r"));
        const QString nearest = QStringLiteral("\nNearest standard values: E24 ");
        const QString pi = QStringLiteral(
                "Pi pad of E24 parts, R1 100 ohms and R2 68 ohms, in 50.0 ohms:\n  loss 9.63 dB, input 50.33 ohms, return loss 49.6 dB\n"
                "Pi pad of E96 parts, R1 95.3 ohms and R2 71.5 ohms, in 50.0 ohms:\n  loss 10.07 dB, input 49.80 ohms, return loss 53.8 dB\n");
        const QString piPairs = QStringLiteral("\nPi pad of E24 pairs, R1 96.10 ohms and R2 71.10 ohms, in 50.0 ohms:\n"
                                               "  loss 10.00 dB, input 49.94 ohms, return loss > 60 dB");
        QCOMPARE(m_window->txt(3)->toolTip(), "Pi R1, output shunt: 96.25 ohms" + nearest + "100 ohms, E96 95.3 ohms\n" + pi
                         + "Best E24 pair: 91 ohms and 5.1 ohms in series, 96.10 ohms, -0.15 %" + piPairs);
        QCOMPARE(m_window->txt(4)->toolTip(), "Pi R2, series: 71.15 ohms" + nearest + "68 ohms, E96 71.5 ohms\n" + pi
                         + "Best E24 pair: 62 ohms and 9.1 ohms in series, 71.10 ohms, -0.07 %" + piPairs);
        const QString t = QStringLiteral(
                "T pad of E24 parts, R3 27 ohms and R4 36 ohms, in 50.0 ohms:\n  loss 10.07 dB, input 51.53 ohms, return loss 36.4 dB\n"
                "T pad of E96 parts, R3 26.1 ohms and R4 34.8 ohms, in 50.0 ohms:\n  loss 10.07 dB, input 49.98 ohms, return loss > 60 dB\n");
        const QString tPairs = QStringLiteral("\nT pad of E24 pairs, R3 25.97 ohms and R4 35.16 ohms, in 50.0 ohms:\n"
                                              "  loss 10.00 dB, input 50.00 ohms, return loss > 60 dB");
        QCOMPARE(m_window->txt(7)->toolTip(), "T R4, shunt: 35.14 ohms" + nearest + "36 ohms, E96 34.8 ohms\n" + t
                         + "Best E24 pair: 1.5 kohms and 36 ohms in parallel, 35.16 ohms, +0.06 %" + tPairs);
        // 27 || 680 = 25.969, -0.02 %, the nearest pair to 25.97.
        QCOMPARE(m_window->txt(5)->toolTip(), "T R3, input series: 25.97 ohms" + nearest + "27 ohms, E96 26.1 ohms\n" + t
                         + "Best E24 pair: 680 ohms and 27 ohms in parallel, 25.97 ohms, -0.02 %" + tPairs);
        // The twins' tooltips differ in their names only.
        QCOMPARE(m_window->txt(2)->toolTip(), m_window->txt(3)->toolTip().replace(QLatin1String("output shunt"), QLatin1String("input shunt")));
        QCOMPARE(m_window->txt(6)->toolTip(), m_window->txt(5)->toolTip().replace(QLatin1String("input series"), QLatin1String("output series")));
        QCOMPARE(m_window->txt(7)->accessibleDescription(), "Shunt resistor of the T pad\n" + m_window->txt(7)->toolTip());
    }

    // Each frame draws its own network: Pi R1's shunts through (3060, 1980) and (1500, 1980) twips, the T's input wire
    // through (300, 1320), 15 twips a pixel; its caption is drawn, its border etched (Mid, then Light) on the window's grey.
    void schematics()
    {
        const QImage pi = m_window->findChild<QWidget *>(QStringLiteral("Frame3"))->grab().toImage();
        const QImage t = m_window->findChild<QWidget *>(QStringLiteral("Frame2"))->grab().toImage();
        const auto black = [](const QImage &image, int x, int y) { return QColor(image.pixel(x, y)) == Qt::black; };
        // The caption's place, left of the border's top line, is not all the colour of its first pixel.
        const auto inked = [](const QImage &image) { const QImage c = image.copy(8, 0, 40, 16); return c != c.copy(0, 0, 1, 1).scaled(40, 16); };
        QCOMPARE(QList<bool>({ black(pi, 204, 132), black(pi, 100, 132), black(pi, 20, 88), black(t, 204, 132), black(t, 20, 88), inked(pi), inked(t) }),
                 QList<bool>({ true, true, false, false, true, true, true }));
        QCOMPARE(QList<QRgb>({ t.pixel(0, 40), t.pixel(1, 40), t.pixel(2, 40) }), QList<QRgb>({ m_window->palette().color(QPalette::Mid).rgb(),
                                                                                            m_window->palette().color(QPalette::Light).rgb(), qRgb(224, 224, 224) }));
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
    }

private:
    QPointer<frmAtten> m_window;
    PdfPrintServices m_printing;
};


QTEST_MAIN(TestFrmAtten)
#include "tst_frmatten.moc"
