#pragma once
// What the window tests share: a user at the keyboard, one who answers every
// message box with OK, and a desktop whose default printer writes a PDF file.

#include "fieldedit.h"
#include "printservices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMainWindow>
#include <QMessageBox>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

class MessageWatcher : public QObject
{
public:
    MessageWatcher()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                texts << box->text() + (box->icon() == QMessageBox::NoIcon ? "" : " (with an icon)");
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

// Types into whatever has the focus ("\r" Enter, "\n" keypad Enter, "\t" Tab, "\b" Backspace, "\x10" Ctrl+P);
// after each key the window gets what it queued and, after a message box, the activation back.
inline void typeKeys(QWidget *window, const QString &keys)
{
    for (QChar c : keys) {
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus);
        static const QHash<QChar, Qt::Key> named { { u'\r', Qt::Key_Return }, { u'\n', Qt::Key_Enter },
                                                   { u'\t', Qt::Key_Tab }, { u'\b', Qt::Key_Backspace }, { u'\x10', Qt::Key_P } };
        if (named.contains(c))
            QTest::keyClick(focus, named.value(c), c == u'\x10' ? Qt::ControlModifier : Qt::NoModifier);
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

    QString printerFile = filePath(QStringLiteral("page.pdf")); // empty: no default printer
    bool otherPrinters = false; // printers but no default: the user picks the one printing into chosenFile
    QString chosenFile;         // empty: the user cancels the choice
    bool acceptPdf = true;
    QString pdfFile; // empty: the user gives no file
    QStringList asked; // every question put to the user and every report, in order; " (no window)" when it has no owner
    static QString unowned(QWidget *owner) { return owner ? QString() : QStringLiteral(" (no window)"); }

    std::unique_ptr<QPrinter> defaultPrinter() override
    {
        if (printerFile.isEmpty())
            return nullptr;
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(printerFile);
        return printer;
    }
    bool printersInstalled() override { return otherPrinters; }
    std::unique_ptr<QPrinter> choosePrinter(QWidget *owner) override
    {
        asked << QStringLiteral("choose a printer") + unowned(owner);
        if (chosenFile.isEmpty())
            return nullptr;
        auto printer = std::make_unique<QPrinter>(); // as the print dialog gives it, not set up for PDF
        printer->setOutputFileName(chosenFile);
        return printer;
    }
    bool offerPdf(QWidget *owner) override { return asked << QStringLiteral("save as PDF?") + unowned(owner), acceptPdf; }
    QString pdfFileName(QWidget *owner) override { return asked << QStringLiteral("PDF file name") + unowned(owner), pdfFile; }
    void report(QWidget *owner, const QString &message) override { asked << message + unowned(owner); }
};

// A key table: keys typed, texts of the first fields ("*" any), the focus and the messages.
inline void keyColumns()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("focus");
    QTest::addColumn<QStringList>("messages");
}

// One row of a key table; Ctrl+P prints and holds the picture it printed.
template <class Window>
void checkKeys(Window *window, QLabel *picture)
{
    QFETCH(QString, keys);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, messages);
    MessageWatcher watcher;
    typeKeys(window, keys);
    QTRY_COMPARE(watcher.texts, messages);
    QTRY_VERIFY(window->isActiveWindow());
    QTEST(focusIndex(), "focus");
    for (int i = 0; i < texts.size(); ++i)
        if (texts.at(i) != QLatin1String("*"))
            QCOMPARE(window->txt(i)->text(), texts.at(i));
    QCOMPARE(picture->pixmap().isNull(), !keys.contains(QChar(0x10)));
}

// The menu bar, each menu's items indented below it, a separator blank; a shortcut would follow its item's text.
inline QStringList menuListing(QMainWindow *window)
{
    QStringList listing;
    for (QAction *menu : window->menuBar()->actions())
        for (const QAction *item : QList<QAction *> { menu } + (menu->menu() ? menu->menu()->actions() : QList<QAction *>()))
            listing << QString(item == menu ? "" : "  ") + item->text() + item->shortcut().toString();
    return listing;
}

// Every label, frame, field and button of a window as it was made: name, place (twips / 15), caption or text,
// point size and "b" for bold (unless 'fonts' is false or it is hidden), and "hidden" for one the user never sees.
inline QStringList controlListing(QWidget *window, bool fonts = true)
{
    QStringList listing;
    for (const QWidget *w : window->findChildren<QWidget *>())
        if (w->inherits("QLabel") || w->inherits("QGroupBox") || w->inherits("QLineEdit") || w->inherits("QAbstractButton"))
            listing << QStringLiteral("%1 %2,%3 %4x%5 %6%7%8").arg(w->objectName()).arg(w->x()).arg(w->y()).arg(w->width()).arg(w->height())
                               .arg(w->property(w->inherits("QGroupBox") ? "title" : "text").toString(),
                                    fonts && !w->isHidden() ? QStringLiteral(" %1%2").arg(w->font().pointSizeF()).arg(w->font().bold() ? "b" : "") : QString(),
                                    w->isHidden() ? " hidden" : "");
    return listing;
}
