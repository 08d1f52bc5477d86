#include "desktopprintservices.h"

#include "messagebox.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace corvane {

namespace {

// A printer set up for one copy of the program's page.
std::unique_ptr<QPrinter> onePage(std::unique_ptr<QPrinter> printer)
{
    printer->setCopyCount(1);
    printer->setDocName(QStringLiteral("Corvane"));
    return printer;
}

} // namespace

std::unique_ptr<QPrinter> DesktopPrintServices::defaultPrinter()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    return onePage(std::make_unique<QPrinter>(info, QPrinter::HighResolution));
}

bool DesktopPrintServices::printersInstalled()
{
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

std::unique_ptr<QPrinter> DesktopPrintServices::choosePrinter(QWidget *owner)
{
    auto printer = onePage(std::make_unique<QPrinter>(QPrinter::HighResolution));
    QPrintDialog dialog(printer.get(), owner);
    dialog.setWindowTitle(QStringLiteral("No default printer: choose one"));
    // One page of the window: no page range to ask about.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    return printer;
}

bool DesktopPrintServices::offerPdf(QWidget *owner)
{
    return showMessageBox(owner, QStringLiteral("No printer is installed.\nSave the page as a PDF file instead?"),
                          QMessageBox::Ok | QMessageBox::Cancel)
        == QMessageBox::Ok;
}

QString DesktopPrintServices::pdfFileName(QWidget *owner)
{
    QString fileName = QFileDialog::getSaveFileName(
        owner, QStringLiteral("Save the page as PDF"), QDir::home().filePath(QStringLiteral("corvane.pdf")),
        QStringLiteral("PDF files (*.pdf)"));
    if (!fileName.isEmpty() && QFileInfo(fileName).suffix().isEmpty())
        fileName += QStringLiteral(".pdf");
    return fileName;
}

void DesktopPrintServices::report(QWidget *owner, const QString &message)
{
    showMessageBox(owner, message);
}

} // namespace corvane
