#include "menucommands.h"

#include "frmabout.h"
#include "frminstruct.h"
#include "launcher.h"
#include "messagebox.h"
#include "singlewindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace corvane {

void MenuCommands::mnuParams_Click(QWidget *owner, const QString &coreTablePath,
                                   const CoreTableLocation &location)
{
    // A table named on the command line is opened as it is.
    QString table = coreTablePath;
    QString error = QStringLiteral("The core table could not be opened.");
    const QString inUse = QDir::cleanPath(coreTablePath);
    if (inUse == QDir::cleanPath(location.tableToRead())
        || inUse == QDir::cleanPath(location.programTable()))
        table = location.tableToEdit(&error);

    bool opened = false;
    if (!table.isEmpty()) {
#ifdef Q_OS_WIN
        // The path goes as one argument, so a folder with blanks reaches the editor whole.
        opened = Launcher::startProgram(QStringLiteral("notepad.exe"), {QDir::toNativeSeparators(table)});
#else
        opened = Launcher::openUrl(QUrl::fromLocalFile(table));
#endif
        if (!opened)
            error = QStringLiteral("No text editor could be started for the core table\n%1")
                        .arg(QDir::toNativeSeparators(table));
    }
    if (!opened)
        showMessageBox(owner, error);
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
    const QDir program(QCoreApplication::applicationDirPath());
    const QString beside = program.filePath(QStringLiteral("mquillet.htm"));
    const QString installed = QDir::cleanPath(
            program.filePath(QStringLiteral(CORVANE_HELP_FOLDER_FROM_PROGRAM "/mquillet.htm")));
    if (!QFileInfo::exists(beside) && QFileInfo::exists(installed))
        return installed;
    return beside;
}

} // namespace corvane
