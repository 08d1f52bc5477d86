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
    auto add = [this](QWidget *menu, const char *text, const char *name, void (Quillet::*slot)()) {
        menu->addAction(QString::fromLatin1(text), this, slot)->setObjectName(QLatin1String(name));
    };
    QMenuBar *bar = menuBar();

    QMenu *mnuFile = bar->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    add(mnuFile, "&Print Screen", "mnuPrint", &Quillet::mnuPrint_Click);
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuSep1"));
    add(mnuFile, "E&xit", "mnuExit", &Quillet::mnuExit_Click);

    QMenu *mnuTools = bar->addMenu(QStringLiteral("&Tools"));
    mnuTools->setObjectName(QStringLiteral("mnuTools"));
    add(mnuTools, "&Attenuators", "mnuAttenuators", &Quillet::mnuAttenuators_Click);
    add(mnuTools, "&Parameters", "mnuParams", &Quillet::mnuParams_Click);
    add(mnuTools, "&TechData", "mnuTechData", &Quillet::mnuTechData_Click);

    // Help and About are commands on the bar itself, without a drop-down.
    add(bar, "&Help", "mnuHelp", &Quillet::mnuHelp_Click);
    add(bar, "&About", "mnuAbout", &Quillet::mnuAbout_Click);
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
