#include "menucommands.h"

#include "frmabout.h"
#include "frminstruct.h"
#include "launcher.h"
#include "singlewindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QUrl>

namespace corvane {

void MenuCommands::mnuParams_Click(QWidget *owner, const QString &coreTablePath)
{
    const QString path = QDir::toNativeSeparators(coreTablePath);
#ifdef Q_OS_WIN
    // The path goes as one argument, so a folder with blanks reaches the editor whole.
    const bool started = Launcher::startProgram(QStringLiteral("notepad.exe"), {path});
#else
    const bool started = Launcher::openUrl(QUrl::fromLocalFile(coreTablePath));
#endif
    if (!started) {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Corvane"),
                        QStringLiteral("No text editor could be started for the core table\n%1")
                            .arg(path),
                        QMessageBox::Ok, owner);
        box.exec();
    }
}

void MenuCommands::mnuTechData_Click(QWidget *)
{
    // A missing page or browser is the desktop's to report.
    Launcher::openUrl(QUrl::fromLocalFile(helpPagePath()));
}

void MenuCommands::mnuHelp_Click(QWidget *owner)
{
    instructWindow().show([owner] { return new frmInstruct(owner); });
}

void MenuCommands::mnuAbout_Click(QWidget *owner)
{
    aboutWindow().show([owner] { return new frmAbout(owner); });
}

SingleWindow<frmInstruct> &MenuCommands::instructWindow()
{
    static SingleWindow<frmInstruct> window;
    return window;
}

SingleWindow<frmAbout> &MenuCommands::aboutWindow()
{
    static SingleWindow<frmAbout> window;
    return window;
}

QString MenuCommands::helpPagePath()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("mquillet.htm"));
}

} // namespace corvane
