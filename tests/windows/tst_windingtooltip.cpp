// The turns tooltip of a core with a size names the thickest wires that take its turns in one layer.
#include "quillet.h"
#include "windowtest.h"

class TestWindingTooltip : public QObject
{
    Q_OBJECT
private slots:
    void oneLayer()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("quillet.ini"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("@T50-2 4.9 0.627\nSIZE T50 0.5 0.303 0.19\n@X1 10 1\n");
        file.close();
        corvane::Quillet window(path);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTRY_COMPARE(focusIndex(), 0);
        typeKeys(&window, QStringLiteral("7.1\r100\r"));
        // L = 1 / ((2 pi 7.1 MHz)^2 100 pF) = 5.02486 uH; sqrt(5024.86 / 4.9) = 32.023, 32 turns, 32 * 0.627 + 2.4 =
        // 22.46 in; 32^2 * 4.9 = 5017.6 nH, -0.14 %; 1 / (2 pi 2.24e-8) = 7.105 MHz. One layer of 32 on ID 7.6962 mm
        // takes d <= pi * 7.6962 / (32 + pi) = 0.688 mm: 23 AWG (0.632 mm; 22 AWG is 0.701), 0.60 mm (0.674; 0.65 is 0.726).
        QCOMPARE(window.txt(4)->text(), QStringLiteral("32 turns 22\""));
        const QString table = QStringLiteral("\nCore table: %1 (2 cores)").arg(path);
        QCOMPARE(window.txt(4)->toolTip(),
                 QString::fromUtf8("T50-2: AL 4.9 nH/turn² (49 µH per 100 turns), wire 0.627 in per turn") + table
                         + QString::fromUtf8("\nExact turns: 32.023\n32 turns give 5.018 µH: -0.14 % against 5.025 µH\n"
                                             "With 100 pF, 32 turns give resonance at 7.105 MHz\n"
                                             "One layer: up to 23 AWG or 0.60 mm"));
        // X1 has no size: sqrt(5024.86 / 10) = 22.416, 22 turns give 4.84 uH, -3.68 %, 7.234 MHz; no wire line.
        QCOMPARE(window.txt(5)->toolTip(),
                 QString::fromUtf8("X1: AL 10 nH/turn² (100 µH per 100 turns), wire 1 in per turn") + table
                         + QString::fromUtf8("\nExact turns: 22.416\n22 turns give 4.840 µH: -3.68 % against 5.025 µH\n"
                                             "With 100 pF, 22 turns give resonance at 7.234 MHz"));
    }
};

QTEST_MAIN(TestWindingTooltip)
#include "tst_windingtooltip.moc"
