#pragma once

#include "app/HistoryWindow.h"

#include <map>

class QWidget;

// The History window's menu bar (File, Records) and tool bar over its
// commands. Kept apart so the bars can change without touching the window.
QWidget* CreateHistoryMenuBar(QWidget* window, const std::map<HistoryWindow::Command, QAction*>& actions);
QWidget* CreateHistoryToolBar(QWidget* window, const std::map<HistoryWindow::Command, QAction*>& actions);
