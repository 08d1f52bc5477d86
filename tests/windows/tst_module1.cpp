#include "module1.h"
#include "pdfpage.h"
#include "pdfprintservices.h"

#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

using namespace corvane;

namespace {

// A plain window standing in for a calculator window, painted dark all over
// so that its picture is easy to find on the page.
std::unique_ptr<QWidget> standIn(int width, int height)
{
    auto window = std::make_unique<QWidget>();
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, QColor(0, 0, 128));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    window->resize(width, height);
    window->show();
    return window;
}

bool near(const QRect &actual, const QRectF &expected)
{
    const qreal slack = 2;
    return qAbs(actual.left() - expected.left()) <= slack && qAbs(actual.top() - expected.top()) <= slack
        && qAbs(actual.right() + 1 - expected.right()) <= slack
        && qAbs(actual.bottom() + 1 - expected.bottom()) <= slack;
}

} // namespace

class tst_Module1 : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<PdfPrintServices> m_printing;

private slots:
    void init()
    {
        m_printing = std::make_unique<PdfPrintServices>();
        m_printing->printerFile.clear();
    }
    void cleanup() { m_printing.reset(); }

    void scaledPictureSize_data()
    {
        QTest::addColumn<QSizeF>("picture");
        QTest::addColumn<QSizeF>("page");
        QTest::addColumn<QSizeF>("expected");
        // Page 277 x 190 mm (ratio 1.458), 190 x 277 mm (0.686).
        QTest::newRow("wider picture: width fills") << QSizeF(200, 100) << QSizeF(277, 190) << QSizeF(277, 138.5);
        QTest::newRow("square picture: height fills") << QSizeF(100, 100) << QSizeF(277, 190) << QSizeF(190, 190);
        QTest::newRow("main window shape") << QSizeF(205.58125, 186.00208) << QSizeF(277, 190)
                                           << QSizeF(210.0, 190);
        QTest::newRow("attenuator shape") << QSizeF(192.35208, 62.97083) << QSizeF(277, 190)
                                          << QSizeF(277, 90.6823);
        QTest::newRow("same shape fills the area") << QSizeF(138.5, 95) << QSizeF(277, 190) << QSizeF(277, 190);
        QTest::newRow("portrait page, width fills") << QSizeF(400, 500) << QSizeF(190, 277) << QSizeF(190, 237.5);
        QTest::newRow("portrait page, height fills") << QSizeF(100, 200) << QSizeF(190, 277)
                                                     << QSizeF(138.5, 277);
        QTest::newRow("zero-height picture") << QSizeF(100, 0) << QSizeF(190, 277) << QSizeF();
        QTest::newRow("zero-width picture") << QSizeF(0, 100) << QSizeF(190, 277) << QSizeF();
        QTest::newRow("zero-height page") << QSizeF(100, 100) << QSizeF(190, 0) << QSizeF();
    }
    void scaledPictureSize()
    {
        QFETCH(QSizeF, picture);
        QFETCH(QSizeF, page);
        QFETCH(QSizeF, expected);
        const QSizeF size = Module1::scaledPictureSize(picture, page);
        if (expected.isEmpty()) {
            QVERIFY(size.isEmpty());
            return;
        }
        QVERIFY2(qAbs(size.width() - expected.width()) < 1e-3, qPrintable(QString::number(size.width())));
        QVERIFY2(qAbs(size.height() - expected.height()) < 1e-3, qPrintable(QString::number(size.height())));
    }

    void pictureSizeFromScreenResolution()
    {
        // 96 pixels to the inch on the offscreen screen: 960 px = 254 mm.
        QPixmap picture(960, 480);
        const QSizeF size = Module1::pictureSizeMm(picture);
        QVERIFY(qAbs(size.width() - 254.0) < 1e-6);
        QVERIFY(qAbs(size.height() - 127.0) < 1e-6);
        QVERIFY(Module1::pictureSizeMm(QPixmap()).isEmpty());
    }

    void bitmapToPicture()
    {
        QImage translucent(40, 30, QImage::Format_ARGB32);
        translucent.fill(QColor(10, 200, 30, 255));
        translucent.setPixelColor(0, 0, QColor(0, 0, 0, 0));
        translucent.setDevicePixelRatio(2);
        const QPixmap picture = Module1::bitmapToPicture(translucent);
        QCOMPARE(picture.size(), QSize(40, 30));
        QCOMPARE(picture.devicePixelRatio(), 2.0);
        QVERIFY(!picture.hasAlphaChannel());
        QCOMPARE(picture.toImage().pixelColor(5, 5), QColor(10, 200, 30));
        QVERIFY(Module1::bitmapToPicture(QImage()).isNull());
    }

    void grabWindowImageTakesTheRectangle()
    {
        auto window = standIn(200, 100);
        auto *patch = new QWidget(window.get());
        QPalette palette = patch->palette();
        palette.setColor(QPalette::Window, QColor(250, 0, 0));
        patch->setPalette(palette);
        patch->setAutoFillBackground(true);
        patch->setGeometry(30, 20, 40, 10);
        patch->show();

        const QPixmap picture = Module1::grabWindowImage(window.get(), 30, 20, 40, 10);
        QCOMPARE(picture.size(), QSize(40, 10));
        const QImage image = picture.toImage();
        QCOMPARE(image.pixelColor(0, 0), QColor(250, 0, 0));
        QCOMPARE(image.pixelColor(39, 9), QColor(250, 0, 0));
        QVERIFY(Module1::grabWindowImage(window.get(), 0, 0, 0, 10).isNull());
    }

    void grabFormImageTakesTheWholeWindowFromAField()
    {
        auto window = standIn(300, 120);
        auto *field = new QWidget(window.get());
        field->setGeometry(100, 50, 20, 20);
        const QPixmap picture = Module1::grabFormImage(field);
        QCOMPARE(picture.size(), QSize(300, 120));
        QCOMPARE(picture.toImage().pixelColor(0, 0), QColor(0, 0, 128));
    }

    void printOrientation_data()
    {
        QTest::addColumn<QSize>("pixels");
        QTest::addColumn<int>("orientation");
        QTest::newRow("main window design size") << QSize(777, 703) << int(QPageLayout::Landscape);
        QTest::newRow("attenuator design size") << QSize(727, 238) << int(QPageLayout::Landscape);
        QTest::newRow("a pixel wider than tall") << QSize(501, 500) << int(QPageLayout::Landscape);
        QTest::newRow("as tall as wide") << QSize(500, 500) << int(QPageLayout::Portrait);
        QTest::newRow("taller than wide") << QSize(400, 600) << int(QPageLayout::Portrait);
    }
    void printOrientation()
    {
        QFETCH(QSize, pixels);
        QFETCH(int, orientation);
        QPdfWriter writer(m_dir.filePath(QStringLiteral("orientation.pdf")));
        // Start from the other orientation, so that the routine has to set it.
        writer.setPageOrientation(orientation == QPageLayout::Portrait ? QPageLayout::Landscape
                                                                       : QPageLayout::Portrait);
        QPixmap picture(pixels);
        picture.fill(Qt::darkBlue);
        QPainter painter;
        QVERIFY(Module1::printScaledPicture(writer, painter, picture));
        QVERIFY(painter.isActive());
        QCOMPARE(int(writer.pageLayout().orientation()), orientation);
        painter.end();
    }

    void printedPage_data()
    {
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QSizeF>("page");
        QTest::addColumn<QRectF>("picture");
        // A4 with 10 mm margins at 72 dpi: the printable area starts at 28.35 pt.
        QTest::newRow("main window: height fills landscape")
            << QSize(777, 703) << QSizeF(842, 595) << QRectF(QPointF(28.35, 28.35), QPointF(623.62, 566.93));
        QTest::newRow("attenuator: width fills landscape")
            << QSize(727, 238) << QSizeF(842, 595) << QRectF(QPointF(28.35, 28.35), QPointF(813.54, 285.40));
        QTest::newRow("taller window: width fills portrait")
            << QSize(500, 600) << QSizeF(595, 842) << QRectF(QPointF(28.35, 28.35), QPointF(566.93, 674.65));
        QTest::newRow("square window: portrait")
            << QSize(600, 600) << QSizeF(595, 842) << QRectF(QPointF(28.35, 28.35), QPointF(566.93, 566.93));
        QTest::newRow("shaped like the area: fills it")
            << QSize(1108, 760) << QSizeF(842, 595) << QRectF(QPointF(28.35, 28.35), QPointF(813.54, 566.93));
    }
    void printedPage()
    {
        QFETCH(QSize, window);
        QFETCH(QSizeF, page);
        QFETCH(QRectF, picture);
        m_printing->printerFile = m_dir.filePath(QStringLiteral("page.pdf"));
        QFile::remove(m_printing->printerFile);
        auto form = standIn(window.width(), window.height());
        QLabel Picture1(form.get());
        Picture1.hide();

        Module1::printForm(form.get(), &Picture1);

        QCOMPARE(Picture1.pixmap().size(), window);
        QVERIFY(Picture1.isHidden());
        QCOMPARE(m_printing->offers, 0);
        QCOMPARE(m_printing->reports, QStringList());
        QCOMPARE(pdfpage::pageCount(m_printing->printerFile), 1);
        const QImage rendered = pdfpage::render(m_printing->printerFile);
        QVERIFY2(!rendered.isNull(), "pdftoppm (poppler-utils) renders the page");
        QCOMPARE(QSizeF(rendered.size()), page);
        const QRect ink = pdfpage::inkBounds(rendered);
        QVERIFY2(near(ink, picture), qPrintable(QStringLiteral("picture painted at %1,%2 %3x%4")
                                                     .arg(ink.x()).arg(ink.y()).arg(ink.width())
                                                     .arg(ink.height())));
    }

    void secondPrintReplacesThePicture()
    {
        m_printing->printerFile = m_dir.filePath(QStringLiteral("first.pdf"));
        auto form = standIn(777, 703);
        QLabel Picture1(form.get());
        Picture1.hide();
        Module1::printForm(form.get(), &Picture1);
        const QPixmap first = Picture1.pixmap();
        QCOMPARE(first.size(), QSize(777, 703));

        form->resize(400, 600);
        m_printing->printerFile = m_dir.filePath(QStringLiteral("second.pdf"));
        Module1::printForm(form.get(), &Picture1);
        QCOMPARE(Picture1.pixmap().size(), QSize(400, 600));
        QVERIFY(Picture1.pixmap().cacheKey() != first.cacheKey());
        const QImage rendered = pdfpage::render(m_printing->printerFile);
        QVERIFY(rendered.height() > rendered.width());
    }

    void zeroSizePicturePrintsNothing()
    {
        const QString file = m_dir.filePath(QStringLiteral("nothing.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        QPainter painter;
        QVERIFY(Module1::printScaledPicture(printer, painter, QPixmap()));
        QVERIFY(!painter.isActive());
        QVERIFY(!QFile::exists(file));
    }

    void noPrinterOffersPdf()
    {
        m_printing->pdfFile = m_dir.filePath(QStringLiteral("offered.pdf"));
        auto form = standIn(727, 238);
        QLabel Picture1(form.get());
        Module1::printForm(form.get(), &Picture1);
        QCOMPARE(m_printing->offers, 1);
        QCOMPARE(m_printing->fileQuestions, 1);
        QCOMPARE(m_printing->reports, QStringList());
        QCOMPARE(pdfpage::pageCount(m_printing->pdfFile), 1);
        const QImage rendered = pdfpage::render(m_printing->pdfFile);
        QVERIFY(rendered.width() > rendered.height());
        // The same page: the picture at the top-left of the printable area,
        // as wide as that area (the attenuator window is wider than the page).
        const QRect ink = pdfpage::inkBounds(rendered);
        QVERIFY(!ink.isEmpty());
        QVERIFY(qAbs(ink.right() + 1 - ink.left() - (rendered.width() - 2 * ink.left())) <= 2);
        QVERIFY(qAbs(ink.top() - ink.left()) <= 2);
    }

    void declinedPdfWritesNothing_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<int>("fileQuestions");
        QTest::newRow("offer declined") << false << 0;
        QTest::newRow("no file given") << true << 1;
    }
    void declinedPdfWritesNothing()
    {
        QFETCH(bool, accept);
        QFETCH(int, fileQuestions);
        m_printing->acceptPdf = accept;
        m_printing->pdfFile.clear();
        auto form = standIn(300, 200);
        QLabel Picture1(form.get());
        Module1::printForm(form.get(), &Picture1);
        QCOMPARE(m_printing->offers, 1);
        QCOMPARE(m_printing->fileQuestions, fileQuestions);
        QCOMPARE(m_printing->reports, QStringList());
        // The picture is held all the same.
        QCOMPARE(Picture1.pixmap().size(), QSize(300, 200));
    }

    void failedJobIsReported()
    {
        const QString file = m_dir.filePath(QStringLiteral("no such folder/page.pdf"));
        m_printing->printerFile = file;
        auto form = standIn(300, 200);
        QLabel Picture1(form.get());
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        Module1::printForm(form.get(), &Picture1);
        QCOMPARE(m_printing->reports.size(), 1);
        QVERIFY(m_printing->reports.first().contains(QDir::toNativeSeparators(file)));
        QVERIFY(!QFile::exists(file));
    }
};

QTEST_MAIN(tst_Module1)
#include "tst_module1.moc"
