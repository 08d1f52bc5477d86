#include "module1.h"
#include "printservices.h"

#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QPrinter>

namespace corvane::Module1 {

namespace {

QString failureMessage(const QPrinter &printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return QStringLiteral("The page could not be saved as %1.")
            .arg(QDir::toNativeSeparators(printer.outputFileName()));
    return QStringLiteral("The page could not be printed on %1.").arg(printer.printerName());
}

} // namespace

void printForm(QWidget *form, QLabel *Picture1)
{
    QPixmap picture = grabFormImage(form);
    if (Picture1) {
        // Held until the next print replaces it; the page is printed from there.
        Picture1->setPixmap(picture);
        picture = Picture1->pixmap();
    }

    PrintServices &services = PrintServices::current();
    QWidget *owner = form ? form->window() : nullptr;
    std::unique_ptr<QPrinter> printer = services.defaultPrinter();
    if (!printer && services.printersInstalled()) {
        // Printers but none of them the default: the user picks one.
        printer = services.choosePrinter(owner);
        if (!printer)
            return;
    }
    if (!printer) {
        if (!services.offerPdf(owner))
            return;
        const QString fileName = services.pdfFileName(owner);
        if (fileName.isEmpty())
            return;
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(fileName);
        printer->setDocName(QStringLiteral("Corvane"));
    }

    QPainter painter;
    const bool started = printScaledPicture(*printer, painter, picture);
    // Ending the document sends the page at once.
    const bool ended = !painter.isActive() || painter.end();
    if (!started || !ended || printer->printerState() == QPrinter::Error)
        services.report(owner, failureMessage(*printer));
}

} // namespace corvane::Module1
