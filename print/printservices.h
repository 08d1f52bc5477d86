#pragma once

#include <QString>

#include <memory>

class QPrinter;
class QWidget;

namespace corvane {

// What the print command needs from the desktop besides the window: the
// printer, and the questions and messages for the user. Tests put their own in
// place to print into a file without any dialog.
class PrintServices
{
public:
    virtual ~PrintServices() = default;

    // The application's default printer, set up for one page; null when no
    // printer is installed.
    virtual std::unique_ptr<QPrinter> defaultPrinter() = 0;
    // Whether any printer is installed, the default one or another.
    virtual bool printersInstalled() = 0;
    // Asked when printers are installed but none is the default: the printer
    // the user chooses, set up for one page; null when they cancel.
    virtual std::unique_ptr<QPrinter> choosePrinter(QWidget *owner) = 0;
    // Asked when no printer is installed: true to save the page as a PDF file.
    virtual bool offerPdf(QWidget *owner) = 0;
    // The PDF file to write; empty when the user gives none.
    virtual QString pdfFileName(QWidget *owner) = 0;
    // Tells the user that the page could not be printed.
    virtual void report(QWidget *owner, const QString &message) = 0;

    // The services in use: the desktop's unless replaced.
    static PrintServices &current();
    // Replaces the services in use (not owned); nullptr gives back the desktop's.
    static void setCurrent(PrintServices *services);
};

} // namespace corvane
