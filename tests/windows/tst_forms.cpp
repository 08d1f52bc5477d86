#include "coretablelocation.h"
#include "frmabout.h"
#include "frminstruct.h"
#include "launcher.h"
#include "linklabel.h"
#include "menucommands.h"
#include "singlewindow.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTimer>
#include <QtTest>

using namespace corvane;

namespace {

// What the launcher was asked to start, in order.
struct Launches
{
    QStringList programs;
    QList<QStringList> arguments;
    QList<QUrl> urls;
    bool succeed = true;
};

// Closes the message box that the next command shows, keeping its look.
struct MessageWatch
{
    QString title;
    QString text;
    int icon = -1;
    int buttons = 0;

    void arm()
    {
        QTimer::singleShot(0, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                title = box->windowTitle();
                text = box->text();
                icon = box->icon();
                buttons = box->standardButtons();
                box->accept();
            }
        });
    }
};

} // namespace

class tst_Forms : public QObject
{
    Q_OBJECT

private:
    Launches m_launches;
    QWidget *m_owner = nullptr;

    void closeCompanions()
    {
        if (MenuCommands::instructWindow().isOpen())
            MenuCommands::instructWindow().window()->close();
        if (MenuCommands::aboutWindow().isOpen())
            MenuCommands::aboutWindow().window()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private slots:
    void init()
    {
        m_launches = Launches();
        Launcher::replace(
            [this](const QString &program, const QStringList &arguments) {
                m_launches.programs << program;
                m_launches.arguments << arguments;
                return m_launches.succeed;
            },
            [this](const QUrl &url) {
                m_launches.urls << url;
                return m_launches.succeed;
            });
        m_owner = new QWidget;
        m_owner->resize(300, 200);
        m_owner->show();
    }
    void cleanup()
    {
        closeCompanions();
        delete m_owner;
        Launcher::replace({}, {});
    }

    // --- instructions text ---------------------------------------------------

    void instructionsTextByteForByte()
    {
        const QByteArray expected =
            "The purpose of this program is to make it easy to calculate toroid windings.\r\n"
            "Fill any of TWO fields on the top of the form and hit the Enter key.\r\n"
            "This will fill in all the other fields with data.\r\n"
            "You can also enter a TURNS number for any of the toroids as one of the fields in place of "
            "the Inductance field\r\n"
            "Once all the fields contain data, you can change any field's value and the program will "
            "recalculate all the fields based on the Frequency value.\r\n"
            "\r\n"
            "ShortCut Keys\r\n"
            "E - Erase all fields\r\n"
            "F - Move to Frequency field\r\n"
            "C - Move to Capacitance field\r\n"
            "L - Move to Inductor field\r\n"
            "Z - Move to Impedance field\r\n"
            "<CTRL>P - Print Form\r\n";
        QCOMPARE(frmInstruct::instructionsText().toLatin1(), expected);
        QCOMPARE(frmInstruct::instructionsText().count(QStringLiteral("\r\n")), 13);
    }

    void instructionsWindow()
    {
        frmInstruct window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Corvane Instructions"));
        QCOMPARE(window.minimumSize(), QSize(532, 510));
        QCOMPARE(window.maximumSize(), QSize(532, 510));
        QCOMPARE(window.txtI->geometry(), QRect(0, 0, 529, 505));
        QCOMPARE(window.txtI->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QVERIFY(!window.txtI->isReadOnly());
        QCOMPARE(window.txtI->font().family(), QStringLiteral("Courier New"));
        QCOMPARE(window.txtI->font().styleHint(), QFont::TypeWriter);
        QCOMPARE(window.txtI->font().pointSize(), 12);
        // The box shows the lines; its last line is the empty one after the last break.
        const QString shown = window.txtI->toPlainText();
        QCOMPARE(shown, frmInstruct::instructionsText().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        QCOMPARE(window.txtI->blockCount(), 14);
        QCOMPARE(window.txtI->document()->lastBlock().text(), QString());
        QCOMPARE(window.txtI->document()->findBlockByNumber(12).text(), QStringLiteral("<CTRL>P - Print Form"));
    }

    // --- window instances ----------------------------------------------------

    void helpReopensFreshAfterClose()
    {
        MenuCommands::mnuHelp_Click(m_owner);
        QPointer<frmInstruct> first = MenuCommands::instructWindow().window();
        QVERIFY(first);
        QVERIFY(first->isVisible());
        first->txtI->setPlainText(QStringLiteral("scribbled over"));

        // Open: the same window comes forward, edits and all.
        MenuCommands::mnuHelp_Click(m_owner);
        QCOMPARE(MenuCommands::instructWindow().window(), first.data());
        QCOMPARE(first->txtI->toPlainText(), QStringLiteral("scribbled over"));

        first->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
        QVERIFY(!MenuCommands::instructWindow().isOpen());

        MenuCommands::mnuHelp_Click(m_owner);
        frmInstruct *second = MenuCommands::instructWindow().window();
        QVERIFY(second);
        QVERIFY(second->txtI->toPlainText().startsWith(QStringLiteral("The purpose of this program")));
    }

    void aboutReopensFreshAfterClose()
    {
        MenuCommands::mnuAbout_Click(m_owner);
        QPointer<frmAbout> first = MenuCommands::aboutWindow().window();
        QVERIFY(first);
        MenuCommands::mnuAbout_Click(m_owner);
        QCOMPARE(MenuCommands::aboutWindow().window(), first.data());
        first->cmdOK->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
        QVERIFY(!MenuCommands::aboutWindow().isOpen());
        MenuCommands::mnuAbout_Click(m_owner);
        QVERIFY(MenuCommands::aboutWindow().isOpen());
    }

    void companionsAreModeless()
    {
        MenuCommands::mnuHelp_Click(m_owner);
        MenuCommands::mnuAbout_Click(m_owner);
        QVERIFY(MenuCommands::instructWindow().window()->isVisible());
        QVERIFY(MenuCommands::aboutWindow().window()->isVisible());
        QVERIFY(!MenuCommands::aboutWindow().window()->isModal());
        QCOMPARE(MenuCommands::aboutWindow().window()->windowModality(), Qt::NonModal);
        QCOMPARE(MenuCommands::instructWindow().window()->windowModality(), Qt::NonModal);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        // The owner still takes input while both are open.
        QVERIFY(m_owner->isEnabled());
        QVERIFY(!QApplication::activeModalWidget());
    }

    // --- About box -----------------------------------------------------------

    void aboutLayout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<qreal>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("link");
        // Twips / 15.
        QTest::newRow("Label1") << "Label1" << "Corvane" << QRect(16, 8, 209, 25) << 18.0 << true << false;
        QTest::newRow("Label2") << "Label2" << "Verson 2.0.0" << QRect(64, 40, 113, 17) << 12.0 << true << false;
        QTest::newRow("Label3") << "Label3" << QString() << QRect(8, 72, 241, 17) << 12.0 << false << false;
        QTest::newRow("Label4") << "Label4" << "Web Page" << QRect(96, 112, 57, 17) << 8.25 << false << false;
        QTest::newRow("Label5") << "Label5" << frmAbout::webAddress() << QRect(32, 128, 193, 25) << 12.0 << true
                                << true;
        QTest::newRow("Label6") << "Label6" << "Email" << QRect(104, 160, 33, 17) << 8.25 << false << false;
        QTest::newRow("Label7") << "Label7" << frmAbout::mailAddress() << QRect(16, 176, 225, 25) << 12.0 << true
                                << true;
    }
    void aboutLayout()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QRect, geometry);
        QFETCH(qreal, points);
        QFETCH(bool, bold);
        QFETCH(bool, link);
        frmAbout about;
        auto *label = about.findChild<QLabel *>(name);
        QVERIFY(label);
        if (!text.isEmpty())
            QCOMPARE(label->text(), text);
        else
            QVERIFY(!label->text().isEmpty());
        QCOMPARE(label->geometry(), geometry);
        const QFont font = label->font();
        QCOMPARE(font.family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(font.styleHint(), QFont::SansSerif);
        QCOMPARE(font.bold(), bold);
        // The tabled size, or smaller only where the text would not fit at it.
        QFont tabled = font;
        tabled.setPointSizeF(points);
        if (QFontMetrics(tabled).horizontalAdvance(label->text()) <= geometry.width())
            QCOMPARE(font.pointSizeF(), points);
        else
            QVERIFY(font.pointSizeF() < points);
        QVERIFY(QFontMetrics(font).horizontalAdvance(label->text()) <= geometry.width()
                || font.pointSizeF() <= 6);
        QCOMPARE(qobject_cast<LinkLabel *>(label) != nullptr, link);
        if (link) {
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 255));
            QCOMPARE(label->focusPolicy(), Qt::StrongFocus);
            QVERIFY(label->accessibleName().contains(text));
        } else {
            QCOMPARE(label->focusPolicy(), Qt::NoFocus);
        }
    }

    void aboutWindow()
    {
        frmAbout about;
        QCOMPARE(about.windowTitle(), QStringLiteral("About..."));
        QCOMPARE(about.minimumSize(), QSize(250, 258));
        QCOMPARE(about.maximumSize(), QSize(250, 258));
        QCOMPARE(about.cmdOK->text(), QStringLiteral("OK"));
        QCOMPARE(about.cmdOK->geometry(), QRect(96, 224, 57, 21));
        QVERIFY(about.cmdOK->isDefault());
        QCOMPARE(about.font().family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(about.font().pointSizeF(), 8.25);
    }

    void aboutTabOrder()
    {
        // OK has the focus first; Tab then visits the two links and comes back.
        MenuCommands::mnuAbout_Click(m_owner);
        frmAbout *about = MenuCommands::aboutWindow().window();
        QVERIFY(QTest::qWaitForWindowActive(about));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(about->cmdOK));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(about->Label5));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(about->Label7));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(about->cmdOK));
    }

    void aboutClosesByKey_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter presses OK") << int(Qt::Key_Return);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
    }
    void aboutClosesByKey()
    {
        QFETCH(int, key);
        MenuCommands::mnuAbout_Click(m_owner);
        QPointer<frmAbout> about = MenuCommands::aboutWindow().window();
        QVERIFY(QTest::qWaitForWindowExposed(about));
        about->cmdOK->setFocus();
        QTest::keyClick(about.data(), Qt::Key(key));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(about.isNull());
        QVERIFY(!MenuCommands::aboutWindow().isOpen());
        QVERIFY(m_launches.urls.isEmpty());
    }

    void aboutLinks_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("how"); // 0 mouse, else the key
        QTest::addColumn<QString>("target");
        const QString web = frmAbout::webAddress();
        const QString mail = QStringLiteral("mailto:") + frmAbout::mailAddress()
            + QStringLiteral("?subject=Corvane&body=");
        QTest::newRow("web page by click") << "Label5" << 0 << web;
        QTest::newRow("web page by Enter") << "Label5" << int(Qt::Key_Return) << web;
        QTest::newRow("web page by Space") << "Label5" << int(Qt::Key_Space) << web;
        QTest::newRow("mail by click") << "Label7" << 0 << mail;
        QTest::newRow("mail by Enter") << "Label7" << int(Qt::Key_Enter) << mail;
        QTest::newRow("mail by Space") << "Label7" << int(Qt::Key_Space) << mail;
    }
    void aboutLinks()
    {
        QFETCH(QString, label);
        QFETCH(int, how);
        QFETCH(QString, target);
        MenuCommands::mnuAbout_Click(m_owner);
        frmAbout *about = MenuCommands::aboutWindow().window();
        QVERIFY(QTest::qWaitForWindowExposed(about));
        auto *link = about->findChild<LinkLabel *>(label);
        QVERIFY(link);
        if (how == 0) {
            QTest::mouseClick(link, Qt::LeftButton);
        } else {
            link->setFocus();
            QTest::keyClick(link, Qt::Key(how));
        }
        QCOMPARE(m_launches.urls.size(), 1);
        QCOMPARE(m_launches.urls.first().toString(), target);
        QVERIFY(m_launches.programs.isEmpty());
        // The link leaves the About box open.
        QVERIFY(MenuCommands::aboutWindow().isOpen());
    }

    // --- menu commands -------------------------------------------------------

    void parametersOpenTheCoreTable_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("plain folder") << "/opt/corvane/quillet.ini";
        QTest::newRow("folder with blanks") << "/home/bench user/My Programs/corvane/quillet.ini";
    }
    void parametersOpenTheCoreTable()
    {
        QFETCH(QString, path);
        MenuCommands::mnuParams_Click(m_owner, path);
#ifdef Q_OS_WIN
        QCOMPARE(m_launches.programs, QStringList{QStringLiteral("notepad.exe")});
        QCOMPARE(m_launches.arguments.first(), QStringList{QDir::toNativeSeparators(path)});
        QVERIFY(m_launches.urls.isEmpty());
#else
        QVERIFY(m_launches.programs.isEmpty());
        QCOMPARE(m_launches.urls.size(), 1);
        QCOMPARE(m_launches.urls.first().scheme(), QStringLiteral("file"));
        QCOMPARE(m_launches.urls.first().toLocalFile(), path);
#endif
    }

    void parametersSaysSoWhenNothingStarts()
    {
        m_launches.succeed = false;
        MessageWatch watch;
        watch.arm();
        MenuCommands::mnuParams_Click(m_owner, QStringLiteral("/opt/corvane/quillet.ini"));
        QCOMPARE(watch.title, QStringLiteral("Corvane"));
        QVERIFY(watch.text.contains(QDir::toNativeSeparators(QStringLiteral("/opt/corvane/quillet.ini"))));
        QCOMPARE(watch.icon, int(QMessageBox::NoIcon));
        QCOMPARE(watch.buttons, int(QMessageBox::Ok));
    }

    void parametersOpenTheTableTheUserCanEdit_data()
    {
        QTest::addColumn<bool>("programFolder"); // the program's folder exists (and is writable)
        QTest::addColumn<bool>("userCopy");      // the user already has a copy
        QTest::addColumn<bool>("expectUser");
        QTest::newRow("writable program folder") << true << false << false;
        QTest::newRow("program folder not writable: a copy is made") << false << false << true;
        QTest::newRow("the user's copy is edited") << true << true << true;
    }
    void parametersOpenTheTableTheUserCanEdit()
    {
        QFETCH(bool, programFolder);
        QFETCH(bool, userCopy);
        QFETCH(bool, expectUser);
        QTemporaryDir dir;
        const QString program = dir.filePath(QStringLiteral("program"));
        const QString user = dir.filePath(QStringLiteral("config/corvane"));
        if (programFolder) {
            QVERIFY(QDir().mkpath(program));
            QFile table(program + QStringLiteral("/quillet.ini"));
            QVERIFY(table.open(QIODevice::WriteOnly));
            table.write("@T50-2 4.9 0.627\r\n");
        }
        if (userCopy) {
            QVERIFY(QDir().mkpath(user));
            QFile table(user + QStringLiteral("/quillet.ini"));
            QVERIFY(table.open(QIODevice::WriteOnly));
        }
        const CoreTableLocation location(program, user);
        MenuCommands::mnuParams_Click(m_owner, program + QStringLiteral("/quillet.ini"), location);
        const QString expected = (expectUser ? user : program) + QStringLiteral("/quillet.ini");
#ifdef Q_OS_WIN
        QCOMPARE(m_launches.arguments.value(0), QStringList{QDir::toNativeSeparators(expected)});
#else
        QCOMPARE(m_launches.urls.size(), 1);
        QCOMPARE(m_launches.urls.first().toLocalFile(), expected);
#endif
        QVERIFY(QFileInfo::exists(expected));
        QCOMPARE(QFileInfo::exists(user + QStringLiteral("/quillet.ini")), expectUser);
    }

    void parametersSaysSoWhenNoCopyCanBeMade()
    {
        QTemporaryDir dir;
        // The configuration folder would have to lie under a plain file.
        QFile blocker(dir.filePath(QStringLiteral("config")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const CoreTableLocation location(dir.filePath(QStringLiteral("missing")),
                                         dir.filePath(QStringLiteral("config/corvane")));
        MessageWatch watch;
        watch.arm();
        MenuCommands::mnuParams_Click(m_owner, location.programTable(), location);
        QVERIFY(m_launches.urls.isEmpty() && m_launches.programs.isEmpty());
        QCOMPARE(watch.title, QStringLiteral("Corvane"));
        QVERIFY2(watch.text.contains(QDir::toNativeSeparators(dir.filePath(QStringLiteral("config/corvane")))),
                 qPrintable(watch.text));
    }

    void techDataOpensTheHelpPage()
    {
        MenuCommands::mnuTechData_Click(m_owner);
        QVERIFY(m_launches.programs.isEmpty());
        QCOMPARE(m_launches.urls.size(), 1);
        QCOMPARE(m_launches.urls.first(),
                 QUrl::fromLocalFile(QCoreApplication::applicationDirPath() + QStringLiteral("/mquillet.htm")));
    }

    void helpPageIsSelfContained()
    {
        // The page lies beside the program; the tests sit next to that folder.
        QFile page(QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/mquillet.htm"));
        QVERIFY2(page.open(QIODevice::ReadOnly), qPrintable(page.fileName()));
        const QString html = QString::fromUtf8(page.readAll());
        QVERIFY(html.contains(QStringLiteral("<title>")));
        for (const char *outside : {"src=", "<link", "url(", "@import", "<script"})
            QVERIFY2(!html.contains(QLatin1String(outside), Qt::CaseInsensitive), outside);
        // The worked examples a user checks the program against.
        for (const char *number : {"5.02", "224", "10 turns", "96.2", "71.2", "26.0", "35.1"})
            QVERIFY2(html.contains(QLatin1String(number)), number);
    }
};

QTEST_MAIN(tst_Forms)
#include "tst_forms.moc"
