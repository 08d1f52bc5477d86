// Printing a window and the menu commands that open other windows and programs.
#include "coretablelocation.h"
#include "classicfonts.h"
#include "desktopprintservices.h"
#include "frmabout.h"
#include "frminstruct.h"
#include "launcher.h"
#include "menucommands.h"
#include "module1.h"
#include "singlewindow.h"
#include "windowtest.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPushButton>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QProcess>

using namespace corvane;

class TestCommands : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_urls.clear();
        Launcher::replace({}, [this](const QUrl &url) { m_urls << url; return true; });
    }

    // One print: the window's size, the printers there and the user's answers; what the user was asked and
    // whether a page was written. On the page, read back at 72 dpi, the picture fills the printable area's
    // width or height from its top-left corner; a taller than wide (or square) window prints upright.
    void printForm_data()
    {
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QString>("printers"); // default, chosen (no default, the user picks one), cancelled or none
        QTest::addColumn<bool>("acceptPdf");
        QTest::addColumn<QString>("pdfFile");
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<bool>("written");
        const QSize wide(300, 120), tall(120, 300);
        const QStringList pdf { "save as PDF?", "PDF file name" };
        QTest::newRow("wide, default printer") << wide << "default" << false << "" << QStringList() << true;
        QTest::newRow("tall, default printer") << tall << "default" << false << "" << QStringList() << true;
        QTest::newRow("square, saved as PDF") << QSize(150, 150) << "none" << true << "saved.pdf" << pdf << true;
        QTest::newRow("no PDF wanted") << wide << "none" << false << "saved.pdf" << pdf.mid(0, 1) << false;
        QTest::newRow("no file given") << wide << "none" << true << "" << pdf << false;
        QTest::newRow("tall, printer chosen") << tall << "chosen" << true << "chosen.pdf" << QStringList { "choose a printer" } << true;
        QTest::newRow("choice of printer cancelled") << wide << "cancelled" << true << "" << QStringList { "choose a printer" } << false;
        QTest::newRow("file cannot be written") << tall << "none" << true << "no/such/saved.pdf"
                << pdf + QStringList { "The page could not be saved as DIR/no/such/saved.pdf." } << false;
    }

    void printForm()
    {
        QFETCH(QSize, window);
        QFETCH(QString, printers);
        QFETCH(bool, acceptPdf);
        QFETCH(QString, pdfFile);
        QFETCH(QStringList, asked);
        QFETCH(bool, written);
        PdfPrintServices services;
        if (printers != QLatin1String("default"))
            services.printerFile.clear();
        services.otherPrinters = printers == QLatin1String("chosen") || printers == QLatin1String("cancelled");
        services.acceptPdf = acceptPdf;
        if (!pdfFile.isEmpty())
            (printers == QLatin1String("chosen") ? services.chosenFile : services.pdfFile) = services.filePath(pdfFile);
        QWidget form;
        form.resize(window);
        QLabel picture(&form);
        QWidget corner(&form); // one black pixel, at the top left of the picture
        corner.setGeometry(0, 0, 1, 1);
        corner.setStyleSheet(QStringLiteral("background: black"));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        Module1::printForm(&form, &picture);
        QCOMPARE(services.asked, asked.replaceInStrings(QStringLiteral("DIR"), services.filePath(QString())));
        const QImage held = picture.pixmap().toImage();
        QVERIFY(held.size() == window && held.pixel(0, 0) == qRgb(0, 0, 0) && held.pixel(1, 0) != qRgb(0, 0, 0));
        const QString file = printers == QLatin1String("default") ? services.printerFile
                : printers == QLatin1String("chosen")               ? services.chosenFile : services.pdfFile;
        QCOMPARE(QFileInfo::exists(file), written);
        if (!written)
            return;
        QProcess render;
        render.start(QStringLiteral("pdftoppm"), { "-r", "72", "-gray", "-singlefile", file, services.filePath("page") });
        QVERIFY(render.waitForFinished(20000) && render.exitCode() == 0);
        const QImage page(services.filePath(QStringLiteral("page.pgm")));
        QRect inked;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (qGray(page.pixel(x, y)) < 250)
                    inked |= QRect(x, y, 1, 1);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageOrientation(window.height() >= window.width() ? QPageLayout::Portrait : QPageLayout::Landscape);
        const QRectF area = printer.pageLayout().paintRectPoints();
        const double scale = qMin(area.width() / window.width(), area.height() / window.height());
        const QRect expected = QRectF(area.topLeft(), QSizeF(window) * scale).toRect();
        QVERIFY2((inked.topLeft() - expected.topLeft()).manhattanLength() <= 2
                         && (inked.bottomRight() - expected.bottomRight()).manhattanLength() <= 2,
                 qPrintable(QStringLiteral("picture at %1,%2 %3x%4").arg(inked.x()).arg(inked.y()).arg(inked.width()).arg(inked.height())));
        QCOMPARE(page.width() > page.height(), window.width() > window.height());
    }

    // Nothing to capture: no picture held, no page printed, nobody asked, and no crash.
    void nothingToPrint()
    {
        PdfPrintServices services;
        QLabel picture;
        Module1::printForm(nullptr, &picture);
        QVERIFY(picture.pixmap().isNull() && services.asked.isEmpty() && !QFileInfo::exists(services.printerFile));
        QVERIFY(Module1::grabWindowImage(&picture, 0, 0, 0, 5).isNull() && Module1::bitmapToPicture(QImage()).isNull());
        QCOMPARE(Module1::scaledPictureSize(QSizeF(10, 10), QSizeF()), QSizeF());
    }

    void coreTableEditor_data()
    {
        QTest::addColumn<bool>("userCopy");
        QTest::addColumn<QString>("inUse");  // the table the window loaded
        QTest::addColumn<QString>("opened");
        QTest::newRow("program table") << false << "program" << "program";
        QTest::newRow("the user's copy is edited") << true << "user" << "user";
        QTest::newRow("the user's copy is edited, not the program table") << true << "program" << "user";
        QTest::newRow("a table of its own") << true << "other" << "other";
        QTest::newRow("no editor starts") << false << "program" << "";
        QTest::newRow("no table at all") << false << "" << "";
    }

    void coreTableEditor()
    {
        QFETCH(bool, userCopy);
        QFETCH(QString, inUse);
        QFETCH(QString, opened);
        QTemporaryDir dir;
        for (const QString &folder : QStringList { "program", "other" } + QStringList(userCopy ? 1 : 0, "user"))
            QVERIFY(QDir(dir.path()).mkpath(folder) && QFile(dir.filePath(folder + "/quillet.ini")).open(QIODevice::WriteOnly));
        const CoreTableLocation location(dir.filePath(QStringLiteral("program")), dir.filePath(QStringLiteral("user")));
        const QString program = dir.filePath(QStringLiteral("program/quillet.ini"));
        if (opened.isEmpty()) // the desktop has no program for the file
            Launcher::replace({}, [](const QUrl &) { return false; });
        MessageWatcher user;
        MenuCommands::mnuParams_Click(nullptr, inUse.isEmpty() ? QString() : dir.filePath(inUse + QStringLiteral("/quillet.ini")), location);
        const QString failure = inUse.isEmpty() ? QStringLiteral("The core table could not be opened.") : "No text editor could be started for the core table\n" + program;
        QCOMPARE(user.texts, opened.isEmpty() ? QStringList { failure } : QStringList());
        QCOMPARE(m_urls, opened.isEmpty() ? QList<QUrl>() : QList<QUrl> { QUrl::fromLocalFile(dir.filePath(opened + QStringLiteral("/quillet.ini"))) });
    }

    // Help and About with their fixed texts; the links open by a click, Return, Space and Enter; OK closes About.
    void companionWindows()
    {
        MenuCommands::mnuHelp_Click(nullptr);
        frmInstruct *help = MenuCommands::instructWindow().window();
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->findChild<QPlainTextEdit *>()->toPlainText(), QStringLiteral(
                "The purpose of this program is to make it easy to calculate toroid windings.\n"
                "Fill any of TWO fields on the top of the form and hit the Enter key.\n"
                "This will fill in all the other fields with data.\nYou can also enter a TURNS number for any of the "
                "toroids as one of the fields in place of the Inductance field\nOnce all the fields contain data, you "
                "can change any field's value and the program will recalculate all the fields based on the Frequency "
                "value.\n\nShortCut Keys\nE - Erase all fields\nF - Move to Frequency field\nC - Move to Capacitance "
                "field\nL - Move to Inductor field\nZ - Move to Impedance field\n<CTRL>P - Print Form\n"));
        // Long lines wrap at the box's width, in 12-point type; the vertical scroll bar is always there.
        QTRY_VERIFY(help->txtI->verticalScrollBar()->isVisible() && !help->txtI->horizontalScrollBar()->isVisible() && help->txtI->font().pointSizeF() == 12
                    && help->size() == QSize(532, 510) && help->minimumSize() == help->maximumSize() // 7980 x 7650 twips, fixed
                    && help->txtI->geometry() == QRect(0, 0, 529, 505) && help->txtI->objectName() == QLatin1String("txtI")); // 7935 x 7575

        MenuCommands::mnuAbout_Click(nullptr);
        frmAbout *about = MenuCommands::aboutWindow().window();
        QVERIFY(about && about->isVisible() && about->minimumSize() == about->maximumSize() // of a fixed size, its title in 18-point bold
                && about->findChild<QLabel *>(QStringLiteral("Label1"))->font() == msSansSerif(18, true));
        const QString web = QStringLiteral("https://corvane.example.org/"), mail = QStringLiteral("bench@corvane.example.org");
        // In twips / 15; the labels' type gets smaller where a text would not fit, so it depends on the desktop's fonts.
        QCOMPARE(controlListing(about, false), QStringList({ "cmdOK 96,224 57x21 OK", "Label1 16,8 209x25 Corvane", "Label2 64,40 113x17 Verson 2.0.0",
                 "Label3 8,72 241x17 \u00a9 2026 The Corvane developers", "Label4 96,112 57x17 Web Page", "Label5 32,128 193x25 " + web,
                 "Label6 104,160 33x17 Email", "Label7 16,176 225x25 " + mail }));
        QLabel *webLink = about->findChild<QLabel *>(QStringLiteral("Label5"));
        QLabel *mailLink = about->findChild<QLabel *>(QStringLiteral("Label7"));
        QVERIFY(!QApplication::activeModalWidget()); // the calculators stay usable beside it
        QCOMPARE(QStringList({ webLink->accessibleName(), webLink->accessibleDescription(), mailLink->accessibleName(), mailLink->accessibleDescription(),
                              webLink->palette().color(QPalette::WindowText).name(), mailLink->palette().color(QPalette::WindowText).name() }),
                 QStringList({ "Web page " + web, "Opens the web page in the browser", "Email " + mail, "Starts a new message in the mail program",
                               "#0000ff", "#0000ff" })); // in pure blue
        QTest::mouseClick(webLink, Qt::LeftButton);
        QTest::keyClick(mailLink, Qt::Key_Return);
        QTest::keyClick(webLink, Qt::Key_Space);
        QTest::keyClick(mailLink, Qt::Key_Enter);
        const QUrl mailTo(QStringLiteral("mailto:") + mail + QStringLiteral("?subject=Corvane&body="));
        // Nothing opens on a held Return, a right click or a release off the link; Tab passes by.
        QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(webLink, &held);
        QTest::mouseClick(webLink, Qt::RightButton);
        QTest::mouseClick(webLink, Qt::LeftButton, {}, QPoint(-5, -5));
        QCOMPARE(m_urls, QList<QUrl>({ QUrl(web), mailTo, QUrl(web), mailTo }));
        // The link Tab moves to, from OK, shows that it has the focus, and loses the frame to the next.
        QPushButton *ok = about->findChild<QPushButton *>(QStringLiteral("cmdOK"));
        about->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(about));
        ok->setFocus();
        const QImage plain = webLink->grab().toImage();
        QTest::keyClick(ok, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), webLink);
        QVERIFY(webLink->grab().toImage() != plain);
        QTest::keyClick(webLink, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), mailLink);
        QCOMPARE(webLink->grab().toImage(), plain);
        MenuCommands::mnuHelp_Click(nullptr); // Help again brings the open instructions forward
        QVERIFY(QTest::qWaitForWindowActive(help) && MenuCommands::instructWindow().window() == help);
        QTest::mouseClick(ok, Qt::LeftButton);
        help->close();
        QTRY_VERIFY(!MenuCommands::aboutWindow().isOpen() && !MenuCommands::instructWindow().isOpen());
    }

    // The desktop's own dialogs, answered as a user would: what each one showed, and what it gave back.
    void desktopDialogs()
    {
        DesktopPrintServices desktop;
        QStringList shown;
        bool ok = true; // the answer to a message box or the print dialog
        QString file;   // typed into the file dialog; empty cancels it
        QTimer user;
        connect(&user, &QTimer::timeout, this, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                shown << box->windowTitle() + QStringLiteral(": ") + box->text();
                box->button(ok || !box->button(QMessageBox::Cancel) ? QMessageBox::Ok : QMessageBox::Cancel)->click();
            } else if (auto *files = qobject_cast<QFileDialog *>(modal)) {
                shown << files->windowTitle() + QStringLiteral(": ") + files->selectedFiles().value(0) + ' ' + files->nameFilters().join(';');
                files->selectFile(file);
                file.isEmpty() ? files->reject() : static_cast<QDialog *>(files)->accept();
            } else if (auto *dialog = qobject_cast<QPrintDialog *>(modal)) {
                shown << QStringLiteral("%1, %2 copy of %3, options %4").arg(dialog->windowTitle()).arg(dialog->printer()->copyCount())
                                 .arg(dialog->printer()->docName()).arg(int(dialog->options()));
                dialog->reject();
            }
        });
        user.start(10);
        QCOMPARE(desktop.offerPdf(nullptr), true);
        ok = false;
        QCOMPARE(desktop.offerPdf(nullptr), false);
        file = m_dir.filePath(QStringLiteral("page"));
        QCOMPARE(desktop.pdfFileName(nullptr), file + QStringLiteral(".pdf"));
        file.clear();
        QCOMPARE(desktop.pdfFileName(nullptr), QString());
        QVERIFY(!desktop.choosePrinter(nullptr));
        desktop.report(nullptr, QStringLiteral("The page could not be printed on P."));
        const QString offer = QStringLiteral("Corvane: No printer is installed.\nSave the page as a PDF file instead?");
        const QString save = QStringLiteral("Save the page as PDF: ") + QDir::home().filePath(QStringLiteral("corvane.pdf")) + QStringLiteral(" PDF files (*.pdf)");
        QCOMPARE(shown, QStringList({ offer, offer, save, save, "No default printer: choose one, 1 copy of Corvane, options 9", // to a file, page size, no range
                                      "Corvane: The page could not be printed on P." }));
    }

private:
    QList<QUrl> m_urls;
    QTemporaryDir m_dir;
};


QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
