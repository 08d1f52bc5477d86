#pragma once
// What the window tests share: a user at the keyboard, one who answers every
// message box with OK, and a desktop whose default printer writes a PDF file.

#include "fieldedit.h"
#include "printservices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

class MessageWatcher : public QObject
{
public:
    MessageWatcher()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                texts << box->text();
                box->button(QMessageBox::Ok)->click();
            }
        });
        m_timer.start(10);
    }
    QStringList texts;

private:
    QTimer m_timer;
};

inline int focusIndex()
{
    auto *field = qobject_cast<corvane::FieldEdit *>(QApplication::focusWidget());
    return field ? field->index() : -1;
}

// Types keys into whatever has the focus: "\r" Enter, "\t" Tab, "\b" Backspace,
// "\x10" Ctrl+P, anything else as it stands. After each key the window gets
// what it queued and, after a message box, the activation back.
inline void typeKeys(QWidget *window, const QString &keys)
{
    for (QChar c : keys) {
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus);
        if (c == QLatin1Char('\r'))
            QTest::keyClick(focus, Qt::Key_Return);
        else if (c == QLatin1Char('\t'))
            QTest::keyClick(focus, Qt::Key_Tab);
        else if (c == QLatin1Char('\b'))
            QTest::keyClick(focus, Qt::Key_Backspace);
        else if (c.unicode() == 0x10)
            QTest::keyClick(focus, Qt::Key_P, Qt::ControlModifier);
        else
            QTest::keyClick(focus, c.toLatin1());
        QCoreApplication::processEvents();
        QTRY_VERIFY(window->isActiveWindow());
        QCoreApplication::processEvents();
    }
}

class PdfPrintServices : public corvane::PrintServices
{
    QTemporaryDir m_dir;

public:
    PdfPrintServices() { corvane::PrintServices::setCurrent(this); }
    ~PdfPrintServices() override { corvane::PrintServices::setCurrent(nullptr); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

    QString printerFile = filePath(QStringLiteral("page.pdf")); // empty: no printer installed
    bool acceptPdf = true;
    QString pdfFile; // empty: the user gives no file
    int printers = 0;
    QStringList reports;

    std::unique_ptr<QPrinter> defaultPrinter() override
    {
        ++printers;
        if (printerFile.isEmpty())
            return nullptr;
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(printerFile);
        return printer;
    }
    bool offerPdf(QWidget *) override { return acceptPdf; }
    QString pdfFileName(QWidget *) override { return pdfFile; }
    void report(QWidget *, const QString &message) override { reports << message; }
};
