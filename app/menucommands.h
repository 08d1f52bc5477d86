#pragma once

#include "coretablelocation.h"

class QWidget;

namespace corvane {

class frmAbout;
class frmInstruct;
template <class Window> class SingleWindow;

// The main window's commands that open the companion windows and outside
// programs; each of the window's menu handlers calls one of these.
class MenuCommands
{
public:
    // Opens the core table in use in a text editor: notepad on Windows, the
    // desktop's application for the file elsewhere. The standard table is
    // opened where the user can edit it (a copy of their own when the program's
    // folder cannot be written); a table named on the command line as it is.
    // Says so when nothing can be opened.
    static void mnuParams_Click(QWidget *owner, const QString &coreTablePath,
                                const CoreTableLocation &location = CoreTableLocation::standard());
    // Opens the help page in the desktop's browser.
    static void mnuTechData_Click(QWidget *owner);
    // Shows the instructions window, modeless.
    static void mnuHelp_Click(QWidget *owner);
    // Shows the About box, modeless.
    static void mnuAbout_Click(QWidget *owner);

    // The program's one reference to each companion window.
    static SingleWindow<frmInstruct> &instructWindow();
    static SingleWindow<frmAbout> &aboutWindow();

    // The help page: beside the program in a build, in the data folder
    // (<prefix>/share/corvane) when installed.
    static QString helpPagePath();
};

} // namespace corvane
