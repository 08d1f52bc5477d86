// Printing a window and the menu commands that open other windows and programs.
#include "coretablelocation.h"
#include "frmabout.h"
#include "frminstruct.h"
#include "launcher.h"
#include "menucommands.h"
#include "module1.h"
#include "singlewindow.h"
#include "windowtest.h"

#include <QLabel>
#include <QPainter>

using namespace corvane;

class TestCommands : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        Launcher::replace({}, [this](const QUrl &url) { m_urls << url; return true; });
    }

    void cleanup()
    {
        Launcher::replace({}, {});
        m_urls.clear();
    }

    void pictureOnPage_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSizeF>("page");
        QTest::addColumn<QSizeF>("printed");
        QTest::addColumn<int>("orientation");
        QTest::newRow("wide: the width fills") << QSize(200, 100) << QSizeF(190, 277) << QSizeF(190, 95)
                                               << int(QPageLayout::Landscape);
        // 277 * 100 / 200 = 138.5
        QTest::newRow("tall: the height fills") << QSize(100, 200) << QSizeF(190, 277) << QSizeF(138.5, 277)
                                                << int(QPageLayout::Portrait);
        QTest::newRow("square") << QSize(200, 200) << QSizeF(277, 190) << QSizeF(190, 190) << int(QPageLayout::Portrait);
    }

    void pictureOnPage()
    {
        QFETCH(QSize, picture);
        QFETCH(QSizeF, page);
        QFETCH(QSizeF, printed);
        QFETCH(int, orientation);
        QCOMPARE(Module1::scaledPictureSize(QSizeF(picture), page), printed);
        // The page is turned to suit the picture before it is measured.
        PdfPrintServices files;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFileName(files.printerFile);
        printer.setPageOrientation(QPageLayout::Landscape);
        QPainter painter;
        QVERIFY(Module1::printScaledPicture(printer, painter, QPixmap(picture)));
        QVERIFY(painter.isActive());
        QCOMPARE(int(printer.pageLayout().orientation()), orientation);
    }

    void printForm_data()
    {
        QTest::addColumn<bool>("printer");
        QTest::addColumn<bool>("acceptPdf");
        QTest::addColumn<QString>("pdfFile");
        QTest::addColumn<bool>("written");
        QTest::addColumn<QString>("report");
        QTest::newRow("default printer") << true << false << "" << true << "";
        QTest::newRow("no printer, saved as PDF") << false << true << "saved.pdf" << true << "";
        QTest::newRow("no printer, no PDF wanted") << false << false << "saved.pdf" << false << "";
        QTest::newRow("no printer, no file given") << false << true << "" << false << "";
        QTest::newRow("file cannot be written") << false << true << "no/such/folder/saved.pdf" << false
                                                << "The page could not be saved as ";
    }

    void printForm()
    {
        QFETCH(bool, printer);
        QFETCH(bool, acceptPdf);
        QFETCH(QString, pdfFile);
        QFETCH(bool, written);
        QFETCH(QString, report);
        PdfPrintServices services;
        if (!printer)
            services.printerFile.clear();
        services.acceptPdf = acceptPdf;
        if (!pdfFile.isEmpty())
            services.pdfFile = services.filePath(pdfFile);
        QWidget window;
        window.resize(200, 120);
        QLabel picture(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        Module1::printForm(&window, &picture);
        const QString file = printer ? services.printerFile : services.pdfFile;
        QCOMPARE(!file.isEmpty() && QFileInfo(file).size() > 0, written);
        QCOMPARE(picture.pixmap().size(), window.size());
        QCOMPARE(services.reports.value(0).left(report.size()), report);
        QCOMPARE(services.reports.size(), int(!report.isEmpty()));
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
    }

    void coreTableEditor()
    {
        QFETCH(bool, userCopy);
        QFETCH(QString, inUse);
        QFETCH(QString, opened);
        QTemporaryDir dir;
        for (const QString &folder : { QStringLiteral("program"), QStringLiteral("other"), QStringLiteral("user") }) {
            if (folder == QLatin1String("user") && !userCopy)
                continue;
            QVERIFY(QDir().mkpath(dir.filePath(folder)));
            QVERIFY(QFile(dir.filePath(folder + QStringLiteral("/quillet.ini"))).open(QIODevice::WriteOnly));
        }
        const CoreTableLocation location(dir.filePath(QStringLiteral("program")), dir.filePath(QStringLiteral("user")));
        MenuCommands::mnuParams_Click(nullptr, dir.filePath(inUse + QStringLiteral("/quillet.ini")), location);
        QCOMPARE(m_urls, QList<QUrl> { QUrl::fromLocalFile(dir.filePath(opened + QStringLiteral("/quillet.ini"))) });
    }

    void companionWindows()
    {
        MenuCommands::mnuTechData_Click(nullptr);
        QCOMPARE(m_urls.value(0).fileName(), QStringLiteral("mquillet.htm"));

        MenuCommands::mnuHelp_Click(nullptr);
        frmInstruct *help = MenuCommands::instructWindow().window();
        QVERIFY(help && help->isVisible());
        QVERIFY(frmInstruct::instructionsText().contains(QStringLiteral("E - Erase all fields\r\n")));

        MenuCommands::mnuAbout_Click(nullptr);
        frmAbout *about = MenuCommands::aboutWindow().window();
        QVERIFY(about && about->isVisible());
        QCOMPARE(about->Label2->text(), QStringLiteral("Verson 2.0.0"));
        QTest::mouseClick(about->findChild<QLabel *>(QStringLiteral("Label5")), Qt::LeftButton);
        QCOMPARE(m_urls.value(1), QUrl(frmAbout::webAddress()));
        about->close();
        help->close();
        QTRY_VERIFY(!MenuCommands::aboutWindow().isOpen() && !MenuCommands::instructWindow().isOpen());
    }

private:
    QList<QUrl> m_urls;
};


QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
