// The main window's menu bar and its commands, one small function each.
#include "quillet.h"

#include "frmatten.h"
#include "menucommands.h"

#include <QMenu>
#include <QMenuBar>

namespace corvane {

void Quillet::createMenus()
{
    // No item has a shortcut key: Ctrl+P comes from the fields' key handling.
    QMenuBar *bar = menuBar();

    mnuFile = bar->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuPrint = mnuFile->addAction(QStringLiteral("&Print Screen"), this, &Quillet::mnuPrint_Click);
    mnuPrint->setObjectName(QStringLiteral("mnuPrint"));
    mnuSep1 = mnuFile->addSeparator();
    mnuSep1->setObjectName(QStringLiteral("mnuSep1"));
    mnuExit = mnuFile->addAction(QStringLiteral("E&xit"), this, &Quillet::mnuExit_Click);
    mnuExit->setObjectName(QStringLiteral("mnuExit"));

    mnuTools = bar->addMenu(QStringLiteral("&Tools"));
    mnuTools->setObjectName(QStringLiteral("mnuTools"));
    mnuAttenuators = mnuTools->addAction(QStringLiteral("&Attenuators"), this, &Quillet::mnuAttenuators_Click);
    mnuAttenuators->setObjectName(QStringLiteral("mnuAttenuators"));
    mnuParams = mnuTools->addAction(QStringLiteral("&Parameters"), this, &Quillet::mnuParams_Click);
    mnuParams->setObjectName(QStringLiteral("mnuParams"));
    mnuTechData = mnuTools->addAction(QStringLiteral("&TechData"), this, &Quillet::mnuTechData_Click);
    mnuTechData->setObjectName(QStringLiteral("mnuTechData"));

    // Help and About are commands on the bar itself, without a drop-down.
    mnuHelp = bar->addAction(QStringLiteral("&Help"), this, &Quillet::mnuHelp_Click);
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuAbout = bar->addAction(QStringLiteral("&About"), this, &Quillet::mnuAbout_Click);
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));
}

void Quillet::mnuPrint_Click()
{
    printForm();
}

void Quillet::mnuExit_Click()
{
    close();
}

void Quillet::mnuAttenuators_Click()
{
    showAttenuatorWindow(this);
}

void Quillet::mnuParams_Click()
{
    MenuCommands::mnuParams_Click(this, coreTablePath());
}

void Quillet::mnuTechData_Click()
{
    MenuCommands::mnuTechData_Click(this);
}

void Quillet::mnuHelp_Click()
{
    MenuCommands::mnuHelp_Click(this);
}

void Quillet::mnuAbout_Click()
{
    MenuCommands::mnuAbout_Click(this);
}

} // namespace corvane
