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
    void init();
    void cleanup();
    void scaledSize_data();
    void scaledSize();
    void orientation_data();
    void orientation();
    void printForm_data();
    void printForm();
    void coreTableEditor_data();
    void coreTableEditor();
    void companionWindows();

private:
    QList<QUrl> m_urls;
};

void TestCommands::init()
{
    Launcher::replace([](const QString &, const QStringList &) { return true; },
                      [this](const QUrl &url) {
                          m_urls << url;
                          return true;
                      });
}

void TestCommands::cleanup()
{
    Launcher::replace({}, {});
    m_urls.clear();
}

void TestCommands::scaledSize_data()
{
    QTest::addColumn<QSizeF>("picture");
    QTest::addColumn<QSizeF>("page");
    QTest::addColumn<QSizeF>("printed");
    QTest::newRow("wider than the page: the width fills") << QSizeF(200, 100) << QSizeF(190, 277) << QSizeF(190, 95);
    // 277 * 100 / 200 = 138.5
    QTest::newRow("taller: the height fills") << QSizeF(100, 200) << QSizeF(190, 277) << QSizeF(138.5, 277);
    QTest::newRow("landscape page") << QSizeF(300, 100) << QSizeF(277, 190) << QSizeF(277, 277.0 / 3);
    QTest::newRow("empty picture") << QSizeF(0, 100) << QSizeF(190, 277) << QSizeF();
}

void TestCommands::scaledSize()
{
    QFETCH(QSizeF, picture);
    QFETCH(QSizeF, page);
    QFETCH(QSizeF, printed);
    QCOMPARE(Module1::scaledPictureSize(picture, page), printed);
}

void TestCommands::orientation_data()
{
    QTest::addColumn<QSize>("pixels");
    QTest::addColumn<int>("orientation");
    QTest::newRow("wide") << QSize(300, 200) << int(QPageLayout::Landscape);
    QTest::newRow("tall") << QSize(200, 300) << int(QPageLayout::Portrait);
    QTest::newRow("square") << QSize(200, 200) << int(QPageLayout::Portrait);
}

void TestCommands::orientation()
{
    QFETCH(QSize, pixels);
    QFETCH(int, orientation);
    PdfPrintServices files;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFileName(files.printerFile);
    printer.setPageOrientation(orientation == QPageLayout::Portrait ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPixmap picture(pixels);
    picture.fill(Qt::black);
    QPainter painter;
    QVERIFY(Module1::printScaledPicture(printer, painter, picture));
    QVERIFY(painter.isActive());
    QCOMPARE(int(printer.pageLayout().orientation()), orientation);
    QVERIFY(painter.end());
}

void TestCommands::printForm_data()
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

void TestCommands::printForm()
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
    picture.hide();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    Module1::printForm(&window, &picture);
    const QString file = printer ? services.printerFile : services.pdfFile;
    QCOMPARE(!file.isEmpty() && QFileInfo(file).size() > 0, written);
    QCOMPARE(picture.pixmap().size(), window.size());
    QCOMPARE(services.reports.join(QString()).left(report.size()), report);
    QCOMPARE(services.reports.isEmpty(), report.isEmpty());
}

void TestCommands::coreTableEditor_data()
{
    QTest::addColumn<bool>("userCopy");
    QTest::addColumn<QString>("inUse");  // the table the window loaded
    QTest::addColumn<QString>("opened");
    QTest::newRow("program table") << false << "program" << "program";
    QTest::newRow("the user's copy is edited") << true << "user" << "user";
    QTest::newRow("the user's copy is edited, not the program table") << true << "program" << "user";
    QTest::newRow("a table of its own") << true << "other" << "other";
}

void TestCommands::coreTableEditor()
{
    QFETCH(bool, userCopy);
    QFETCH(QString, inUse);
    QFETCH(QString, opened);
    QTemporaryDir dir;
    for (const QString &folder : { QStringLiteral("program"), QStringLiteral("other"), QStringLiteral("user") }) {
        if (folder == QLatin1String("user") && !userCopy)
            continue;
        QVERIFY(QDir().mkpath(dir.filePath(folder)));
        QFile table(dir.filePath(folder + QStringLiteral("/quillet.ini")));
        QVERIFY(table.open(QIODevice::WriteOnly));
    }
    const CoreTableLocation location(dir.filePath(QStringLiteral("program")), dir.filePath(QStringLiteral("user")));
    MenuCommands::mnuParams_Click(nullptr, dir.filePath(inUse + QStringLiteral("/quillet.ini")), location);
    QCOMPARE(m_urls, QList<QUrl> { QUrl::fromLocalFile(dir.filePath(opened + QStringLiteral("/quillet.ini"))) });
}

void TestCommands::companionWindows()
{
    MenuCommands::mnuTechData_Click(nullptr);
    QCOMPARE(m_urls.value(0).fileName(), QStringLiteral("mquillet.htm"));

    MenuCommands::mnuHelp_Click(nullptr);
    frmInstruct *help = MenuCommands::instructWindow().window();
    QVERIFY(help && help->isVisible());
    QVERIFY(frmInstruct::instructionsText().contains(QStringLiteral("E - Erase all fields\r\n")));
    MenuCommands::mnuHelp_Click(nullptr);
    QCOMPARE(MenuCommands::instructWindow().window(), help);

    MenuCommands::mnuAbout_Click(nullptr);
    frmAbout *about = MenuCommands::aboutWindow().window();
    QVERIFY(about && about->isVisible());
    QCOMPARE(about->Label1->text(), QStringLiteral("Corvane"));
    QCOMPARE(about->Label2->text(), QStringLiteral("Verson 2.0.0"));
    auto *web = about->findChild<QLabel *>(QStringLiteral("Label5"));
    QTest::mouseClick(web, Qt::LeftButton);
    QCOMPARE(m_urls.value(1), QUrl(frmAbout::webAddress()));
    about->close();
    help->close();
    QTRY_VERIFY(!MenuCommands::aboutWindow().isOpen() && !MenuCommands::instructWindow().isOpen());
}

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
