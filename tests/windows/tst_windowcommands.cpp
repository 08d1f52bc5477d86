// The print command and the menu commands reached from the real windows.
#include "fieldedit.h"
#include "frmabout.h"
#include "frmatten.h"
#include "frminstruct.h"
#include "launcher.h"
#include "menucommands.h"
#include "pdfpage.h"
#include "pdfprintservices.h"
#include "quillet.h"
#include "singlewindow.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QtTest>

using namespace corvane;

class tst_WindowCommands : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_table;
    std::unique_ptr<PdfPrintServices> m_printing;
    QList<QUrl> m_urls;
    QStringList m_programs;

    static void type(const QString &keys) { QTest::keyClicks(QApplication::focusWidget(), keys); }
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }

    template <class Window>
    static QStringList texts(const Window &window, int count)
    {
        QStringList list;
        for (int i = 0; i < count; ++i)
            list << window.txt(i)->text();
        return list;
    }

    // The printed page: one, in landscape, with a picture of the window's
    // proportions in the top-left corner of the printable area.
    void checkLandscapePage(const QSize &window)
    {
        QCOMPARE(m_printing->reports, QStringList());
        QCOMPARE(pdfpage::pageCount(m_printing->printerFile), 1);
        const QImage page = pdfpage::render(m_printing->printerFile);
        QVERIFY(page.width() > page.height());
        // Anything not paper white: the window's light grey counts.
        const QRect ink = pdfpage::inkBounds(page, 250);
        QVERIFY(!ink.isEmpty());
        // 10 mm margins are 28.35 points.
        QVERIFY2(qAbs(ink.left() - 28) <= 1 && qAbs(ink.top() - 28) <= 1,
                 qPrintable(QStringLiteral("%1,%2").arg(ink.left()).arg(ink.top())));
        const double printed = double(ink.width()) / ink.height();
        const double shown = double(window.width()) / window.height();
        QVERIFY2(qAbs(printed / shown - 1) < 0.01, qPrintable(QStringLiteral("%1 vs %2").arg(printed).arg(shown)));
        // It fills the page one way: full width or full height of the area.
        QVERIFY(qAbs(ink.right() + 1 - (page.width() - 28.35)) <= 1.5
                || qAbs(ink.bottom() + 1 - (page.height() - 28.35)) <= 1.5);
    }

private slots:
    void initTestCase()
    {
        m_table = m_dir.filePath(QStringLiteral("quillet.ini"));
        QFile file(m_table);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("@T50-2 4.9 0.627\r\n@X 49 0.9\r\n");
    }

    void init()
    {
        m_printing = std::make_unique<PdfPrintServices>();
        m_urls.clear();
        m_programs.clear();
        Launcher::replace(
            [this](const QString &program, const QStringList &) {
                m_programs << program;
                return true;
            },
            [this](const QUrl &url) {
                m_urls << url;
                return true;
            });
    }
    void cleanup()
    {
        Launcher::replace({}, {});
        m_printing.reset();
    }

    void ctrlPInMainWindow()
    {
        Quillet window(m_table);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(window.txt(0)));
        type(QStringLiteral("7.1"));
        press(Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(window.txt(1)));
        type(QStringLiteral("100"));
        press(Qt::Key_Return);
        QTRY_COMPARE(window.txt(2)->text(), QStringLiteral("5.02"));
        // Ctrl+P in a field with a value half typed.
        window.txt(1)->setFocus();
        type(QStringLiteral("1"));
        const QStringList before = texts(window, Quillet::FieldCount);
        const double inductance = window.solver().indHenry();

        press(Qt::Key_P, Qt::ControlModifier);

        QCOMPARE(texts(window, Quillet::FieldCount), before);
        QCOMPARE(window.solver().indHenry(), inductance);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(window.txt(1)));
        QCOMPARE(window.Picture1()->pixmap().size(), window.size());
        QVERIFY(window.Picture1()->isHidden());
        checkLandscapePage(window.size());
    }

    void printMenuInMainWindow()
    {
        Quillet window(m_table);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto *print = window.findChild<QAction *>(QStringLiteral("mnuPrint"));
        QVERIFY(print);
        print->trigger();
        QCOMPARE(m_printing->printers, 1);
        checkLandscapePage(window.size());
    }

    void ctrlPInAttenuatorWindow()
    {
        QPointer<frmAtten> window = showAttenuatorWindow(nullptr);
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(window->txt(1)));
        type(QStringLiteral("10"));
        press(Qt::Key_Return);
        QTRY_COMPARE(window->txt(4)->text(), QStringLiteral("71.2"));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(window->txt(2)));
        const QStringList before = texts(*window, 8);
        QWidget *focus = QApplication::focusWidget();

        press(Qt::Key_P, Qt::ControlModifier);

        QCOMPARE(texts(*window, 8), before);
        QCOMPARE(QApplication::focusWidget(), focus);
        QCOMPARE(window->picture1()->pixmap().size(), window->size());
        checkLandscapePage(window->size());

        // The menu command prints the same way, into a second page file.
        m_printing->printerFile = m_printing->filePath(QStringLiteral("menu.pdf"));
        auto *print = window->findChild<QAction *>(QStringLiteral("mnuPrintScreen"));
        QVERIFY(print);
        print->trigger();
        checkLandscapePage(window->size());
        window->close();
        QTRY_VERIFY(window.isNull());
    }

    void mainWindowMenuCommands()
    {
        Quillet window(m_table);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        window.findChild<QAction *>(QStringLiteral("mnuTechData"))->trigger();
        QCOMPARE(m_urls.value(0),
                 QUrl::fromLocalFile(QCoreApplication::applicationDirPath() + QStringLiteral("/mquillet.htm")));

        window.findChild<QAction *>(QStringLiteral("mnuParams"))->trigger();
#ifdef Q_OS_WIN
        QCOMPARE(m_programs, QStringList{QStringLiteral("notepad.exe")});
#else
        QCOMPARE(m_urls.value(1), QUrl::fromLocalFile(m_table));
        QVERIFY(m_programs.isEmpty());
#endif

        window.findChild<QAction *>(QStringLiteral("mnuHelp"))->trigger();
        QPointer<frmInstruct> instructions = MenuCommands::instructWindow().window();
        QVERIFY(instructions);
        QVERIFY(instructions->isVisible());

        window.findChild<QAction *>(QStringLiteral("mnuAbout"))->trigger();
        QPointer<frmAbout> about = MenuCommands::aboutWindow().window();
        QVERIFY(about);
        QVERIFY(about->isVisible());
        // Both are modeless: the main window takes typing meanwhile.
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.txt(0)->setFocus();
        type(QStringLiteral("3.5"));
        QCOMPARE(window.txt(0)->text(), QStringLiteral("3.5"));

        instructions->close();
        about->close();
        QTRY_VERIFY(instructions.isNull() && about.isNull());
    }
};

QTEST_MAIN(tst_WindowCommands)
#include "tst_windowcommands.moc"
