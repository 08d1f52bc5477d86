// The main window driven from the keyboard, its layout, its tooltips and its menu.
#include "launcher.h"
#include "quillet.h"
#include "windowtest.h"

using corvane::Quillet;

class TestQuillet : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QFile file(m_dir.filePath(QStringLiteral("quillet.ini")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Five cores, one with a size, one without an AL\r\n@x 49 0.9\r\n@Y 40 1.25\r\n@Z 12 0.5\r\n"
                   "@T50-2 4.9 0.627\r\n@Q 0 1\r\nSIZE T50 0.5 0.303 0.19\r\n");
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
        const QStringList turns { "10 turns 11\"", "11 turns 16\"", "20 turns 12\"" };
        const QStringList solved = QStringList { "7.100", "100", "5.02", "224" } + turns;
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
        for (const auto &[keys, focus] : { std::pair("L", 2), { "z", 3 }, { "Z", 3 }, { "C", 1 }, { "zf", 0 } })
            QTest::newRow(keys) << keys << empty << focus << none;
        QTest::newRow("F selects the text") << "7.1\rF8\r" << QStringList { "8.000", "", "", "", "", "", "" } << 1 << none;
        QTest::newRow("letters commit the field they leave") << "7.1c100l" << solved << 2 << none;
        QTest::newRow("erase") << "7.1\r100\re" << empty << 2 << none;
        QTest::newRow("erase forgets every quantity") << "7.1\r100\rEZ50\r" << QStringList { "", "", "", "50", "", "", "" } << 5 << none;
        QTest::newRow("stray keys swallowed, Backspace edits") << "9x .-5\b1\r" << QStringList { "9.100", "", "", "", "", "", "" } << 1 << none;
        // 11 turns on core Y: 11 * 11 * 40 nH = 4.84 uH.
        QTest::newRow("turns typed into core 2") << "z\t11\r" << QStringList { "", "", "4.84", "" } + turns << 6 << none;
        QTest::newRow("Ctrl+P prints, keeps the text") << "7.1\x10" << QStringList { "7.1", "", "", "", "", "", "" } << 0 << none;
    }

    void keys()
    {
        checkKeys(m_window.get(), m_window->Picture1());
    }

    // In twips / 15: the top fields 152 apart, each heading above its field and "F=" ... "Z=" before it; each core's
    // name over its turns field in a 5 x 10 grid. The window, 11655 x 10545 twips below its menu bar, opens centred.
    void layout()
    {
        const QStringList names { "X", "Y", "Z", "T50-2", "Q" }, headings { "Freq MHz", "Cap pF", "Ind uH", "Impedance" };
        QStringList fields, labels, top;
        for (int core = 0; core < 50; ++core) {
            const QString cell = QStringLiteral("(%1) %2,%3 137x").arg(core + 4).arg(16 + 152 * (core % 5));
            fields << "txt" + cell.arg(88 + 64 * (core / 5)) + "26  12";
            labels << "Label" + cell.arg(72 + 64 * (core / 5)) + "17 " + names.value(core) + " 9.75b";
        }
        for (int i = 0; i < 4; ++i) {
            fields.insert(i + 1, QStringLiteral("txt(%1) %2,24 97x26  14.25").arg(i).arg(112 + 152 * i));
            top << QStringLiteral("Label(%1) %2,8 81x17 %3 9.75b").arg(i).arg(112 + 152 * i).arg(headings[i])
                << QStringLiteral("Label%1 %2,32 17x17 %3= 9.75b").arg(i).arg(88 + 152 * i).arg(QLatin1Char("FCLZ"[i]));
        }
        QCOMPARE(controlListing(m_window->centralWidget()), fields + top + labels + QStringList { "Picture1 0,0 17x17  hidden" });
        QCOMPARE(m_window->centralWidget()->size(), QSize(777, 703));
        QVERIFY((m_window->frameGeometry().center() - m_window->screen()->availableGeometry().center()).manhattanLength() <= 1);
        QCOMPARE(m_window->windowIcon().availableSizes(), QList<QSize>({ QSize(32, 32) }));
        QCOMPARE(menuListing(m_window.get()), QStringList({ "&File", "  &Print Screen", "  ", "  E&xit", "&Tools", "  &Attenuators",
                                                           "  &Parameters", "  &TechData", "&Help", "&About" }));
    }

    // Whole tooltips: core 1 before any entry and after 7.1 MHz and 100 pF, a core with a size, one of AL 0, an
    // empty slot, the capacitance; and the names a screen reader says.
    void hintsFollowTheEntries()
    {
        QStringList said { m_window->txt(3)->accessibleDescription() };
        for (int i : { 0, 1, 2, 3, 4, 9 })
            said << m_window->txt(i)->accessibleName();
        QCOMPARE(said.join('|'), "Type a value and press Enter. F, C, L and Z jump to the frequency, capacitance, inductance and impedance; "
                                 "E erases all fields.|Frequency, MHz|Capacitance, pF|Inductance, microhenries|Impedance, ohms|X turns|Core slot 6 turns, no core");
        const QString table = QStringLiteral("\nCore table: %1 (5 cores)").arg(m_dir.filePath(QStringLiteral("quillet.ini")));
        const QString x = QString::fromUtf8("X: AL 49 nH/turn² (490 µH per 100 turns), wire 0.9 in per turn") + table;
        QCOMPARE(m_window->txt(4)->toolTip(), x);
        QCOMPARE(m_window->txt(1)->toolTip(), QString());
        typeKeys(m_window.get(), QStringLiteral("7.1\r100\r"));
        // Exact turns sqrt(5024.86 / 49) = 10.127; 10 turns give 4.9 uH, (4.9 - 5.02486) / 5.02486 = -2.48 %,
        // and with 100 pF 1 / (2 pi sqrt(4.9e-6 1e-10)) = 7.190 MHz.
        QCOMPARE(m_window->txt(4)->toolTip(), x + QString::fromUtf8("\nExact turns: 10.127\n10 turns give 4.900 µH: -2.48 % "
                                                                   "against 5.025 µH\nWith 100 pF, 10 turns give resonance at 7.190 MHz"));
        // sqrt(5024.86 / 4.9) = 32.023, 32 turns, 32 * 0.627 + 2.4 = 22.46 in; 32^2 * 4.9 = 5017.6 nH, -0.14 %;
        // 1 / (2 pi 2.24e-8) = 7.105 MHz. One layer of 32 on ID 7.6962 mm takes d <= pi * 7.6962 / (32 + pi) = 0.688 mm:
        // 23 AWG (0.632 mm; 22 AWG is 0.701), 0.60 mm (0.674; 0.65 is 0.726).
        QCOMPARE(m_window->txt(7)->text(), QStringLiteral("32 turns 22\""));
        QCOMPARE(m_window->txt(7)->toolTip(),
                 QString::fromUtf8("T50-2: AL 4.9 nH/turn² (49 µH per 100 turns), wire 0.627 in per turn") + table
                         + QString::fromUtf8("\nExact turns: 32.023\n32 turns give 5.018 µH: -0.14 % against 5.025 µH\n"
                                             "With 100 pF, 32 turns give resonance at 7.105 MHz\n"
                                             "One layer: up to 23 AWG or 0.60 mm"));
        QCOMPARE(m_window->txt(8)->toolTip(), QString::fromUtf8("Q: AL 0 nH/turn² (0 µH per 100 turns), wire 1 in per turn") + table
                                                  + "\nNo winding can be worked out with this AL");
        QCOMPARE(m_window->txt(9)->toolTip(), "No core is loaded in slot 6" + table);
        // After Erase, 10.125 uH and 90 pF resonate at 1 / (2 pi sqrt(9.1125e-16)) = 5.2723 MHz; a part C at sqrt(90 / C) times that.
        typeKeys(m_window.get(), QStringLiteral("el10.125c")); // sqrt(10125 / 49) = 14.375; 14^2 * 49 nH = 9.604 uH, -5.15 %, against four digits; no capacitance
        QCOMPARE(m_window->txt(4)->toolTip(), x + QString::fromUtf8("\nExact turns: 14.375\n14 turns give 9.604 µH: -5.15 % against 10.13 µH"));
        typeKeys(m_window.get(), QStringLiteral("90\r"));
        QCOMPARE(m_window->txt(1)->toolTip(), QString::fromUtf8(
                "Standard capacitors with 10.125 µH, against 5.2723 MHz:\nE6 100 pF: 5.0018 MHz, -5.13 %\nE12 82 pF: 5.5235 MHz, "
                "+4.76 %\nE24 91 pF: 5.2433 MHz, -0.55 %\nE12 pair 68 pF + 22 pF = 90 pF: 5.2723 MHz, 0.00 % (in parallel)"));
        QCOMPARE(m_window->txt(1)->accessibleDescription(), m_window->txt(0)->accessibleDescription() + '\n' + m_window->txt(1)->toolTip());
    }

    // Each menu item as a click would run it: what the desktop was asked to open, whether the page was
    // printed, and the windows shown then.
    void menuItems_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("opened"); // TABLE the window's core table, APP the program's folder
        QTest::addColumn<bool>("printed");
        QTest::addColumn<QStringList>("windows");
        QTest::newRow("Print Screen") << "&Print Screen" << "" << true << QStringList { "Corvane" };
        QTest::newRow("Exit") << "E&xit" << "" << false << QStringList {};
        QTest::newRow("Attenuators") << "&Attenuators" << "" << false << QStringList { "Corvane", "T and PI Attenuator Calculator" };
        QTest::newRow("Parameters") << "&Parameters" << "TABLE" << false << QStringList { "Corvane" };
        QTest::newRow("TechData") << "&TechData" << "APP/mquillet.htm" << false << QStringList { "Corvane" };
        QTest::newRow("Help") << "&Help" << "" << false << QStringList { "Corvane", "Corvane Instructions" };
        QTest::newRow("About") << "&About" << "" << false << QStringList { "About...", "Corvane" };
    }

    void menuItems()
    {
        QFETCH(QString, item);
        QFETCH(QString, opened);
        QFETCH(bool, printed);
        QFETCH(QStringList, windows);
        MessageWatcher messages;
        QStringList urls;
        corvane::Launcher::replace({}, [&urls](const QUrl &url) { urls << url.toString(); return true; });
        const QList<QAction *> actions = m_window->findChildren<QAction *>();
        const auto action = std::find_if(actions.begin(), actions.end(), [&item](QAction *a) { return a->text() == item; });
        QVERIFY(action != actions.end());
        (*action)->trigger();
        corvane::Launcher::replace({}, {});
        opened.replace(QLatin1String("TABLE"), m_dir.filePath(QStringLiteral("quillet.ini")))
                .replace(QLatin1String("APP"), QCoreApplication::applicationDirPath());
        QCOMPARE(urls, opened.isEmpty() ? QStringList() : QStringList { QUrl::fromLocalFile(opened).toString() });
        QCOMPARE(!m_window->Picture1()->pixmap().isNull(), printed);
        QCOMPARE(messages.texts, QStringList());
        QStringList shown;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->isVisible())
                shown << window->windowTitle();
            if (window != m_window.get())
                window->close();
        }
        shown.sort();
        QCOMPARE(shown, windows);
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<Quillet> m_window;
    PdfPrintServices m_printing;
};


QTEST_MAIN(TestQuillet)
#include "tst_quillet.moc"
