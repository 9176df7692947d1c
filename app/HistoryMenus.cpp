#include "app/HistoryMenus.h"

#include <QAction>
#include <QMenuBar>
#include <QToolBar>

using Command = HistoryWindow::Command;

QWidget* CreateHistoryMenuBar(QWidget* window, const std::map<Command, QAction*>& actions)
{
    auto* bar = new QMenuBar(window);
    bar->setAccessibleName(QStringLiteral("Menu bar"));
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->addActions({actions.at(Command::OpenResult), actions.at(Command::OpenFolder),
                      actions.at(Command::ConvertAgain)});
    file->addSeparator();
    file->addAction(actions.at(Command::Close));
    QMenu* records = bar->addMenu(QStringLiteral("&Records"));
    records->addAction(actions.at(Command::Delete));
    records->addSeparator();
    records->addAction(actions.at(Command::ClearHistory));
    return bar;
}

QWidget* CreateHistoryToolBar(QWidget* window, const std::map<Command, QAction*>& actions)
{
    auto* bar = new QToolBar(window);
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
