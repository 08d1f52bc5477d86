#pragma once

#include "printservices.h"

namespace corvane {

// The real printer, message boxes and file dialog.
class DesktopPrintServices : public PrintServices
{
public:
    std::unique_ptr<QPrinter> defaultPrinter() override;
    bool printersInstalled() override;
    std::unique_ptr<QPrinter> choosePrinter(QWidget *owner) override;
    bool offerPdf(QWidget *owner) override;
    QString pdfFileName(QWidget *owner) override;
    void report(QWidget *owner, const QString &message) override;
};

} // namespace corvane
