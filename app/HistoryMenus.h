#pragma once

#include "app/HistoryWindow.h"

#include <map>

class TsuiForm;
class TsuiMainMenu;
class TsuiToolBar;

// The History window's main menu (File, Records), shown in its frame's menu
// bar, and its tool bar over the same commands. Kept apart so the bars can
// change without touching the window.
TsuiMainMenu* CreateHistoryMainMenu(QWidget* window, TsuiForm* frame,
                                    const std::map<HistoryWindow::Command, QAction*>& actions);
TsuiToolBar* CreateHistoryToolBar(QWidget* window, const std::map<HistoryWindow::Command, QAction*>& actions);
