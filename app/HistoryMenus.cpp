#include "app/HistoryMenus.h"

#include "skin/chrome/TsuiForm.h"
#include "skin/chrome/TsuiMainMenu.h"
#include "skin/controls/TsuiToolBar.h"

#include <QAction>

using Command = HistoryWindow::Command;

TsuiMainMenu* CreateHistoryMainMenu(QWidget* window, TsuiForm* frame, const std::map<Command, QAction*>& actions)
{
    auto* menu = new TsuiMainMenu(window);
    QMenu* file = menu->addMenu(QStringLiteral("&File"));
    file->addActions(
        {actions.at(Command::OpenResult), actions.at(Command::OpenFolder), actions.at(Command::ConvertAgain)});
    file->addSeparator();
    file->addAction(actions.at(Command::Close));
    QMenu* records = menu->addMenu(QStringLiteral("&Records"));
    records->addAction(actions.at(Command::Delete));
    records->addSeparator();
    records->addAction(actions.at(Command::ClearHistory));
    menu->InstallDropDownSkins();
    frame->setMenu(menu);
    return menu;
}

TsuiToolBar* CreateHistoryToolBar(QWidget* window, const std::map<Command, QAction*>& actions)
{
    auto* bar = new TsuiToolBar(window);
    bar->setAccessibleName(QStringLiteral("Tool bar"));
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (Command command : {Command::OpenResult, Command::OpenFolder, Command::ConvertAgain, Command::Delete}) {
        QAction* action = actions.at(command);
        bar->addAction(action);
        // Named without the accelerator mark, as a screen reader says it.
        bar->widgetForAction(action)->setAccessibleName(action->text().remove(QLatin1Char('&')));
    }
    return bar;
}
