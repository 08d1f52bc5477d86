#pragma once

#include "printservices.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// Stands in for the desktop while it exists: the "default printer" writes a PDF
// file (A4, 10 mm margins) and the user's answers are set beforehand, so that
// printing opens no dialog in a test.
class PdfPrintServices : public corvane::PrintServices
{
    QTemporaryDir m_dir; // first: the file names below lie in it

public:
    PdfPrintServices() : printerFile(m_dir.filePath(QStringLiteral("page.pdf")))
    {
        corvane::PrintServices::setCurrent(this);
    }
    ~PdfPrintServices() override { corvane::PrintServices::setCurrent(nullptr); }
    PdfPrintServices(const PdfPrintServices &) = delete;
    PdfPrintServices &operator=(const PdfPrintServices &) = delete;

    QString filePath(const QString &name) const { return m_dir.filePath(name); }

    QString printerFile; // empty: no printer installed
    bool acceptPdf = true;
    QString pdfFile;     // empty: the user gives no file
    int printers = 0;
    int offers = 0;
    int fileQuestions = 0;
    QStringList reports;

    std::unique_ptr<QPrinter> defaultPrinter() override
    {
        ++printers;
        if (printerFile.isEmpty())
            return nullptr;
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(printerFile);
        printer->setPageSize(QPageSize(QPageSize::A4));
        printer->setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
        return printer;
    }
    bool offerPdf(QWidget *) override
    {
        ++offers;
        return acceptPdf;
    }
    QString pdfFileName(QWidget *) override
    {
        ++fileQuestions;
        return pdfFile;
    }
    void report(QWidget *, const QString &message) override { reports << message; }

};
