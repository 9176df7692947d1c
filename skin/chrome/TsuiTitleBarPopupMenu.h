#pragma once

#include "skin/chrome/TsuiPopupMenu.h"

#include <QPoint>

// The title bar's system menu: Minimize, Maximize/Restore, Close. It only
// offers the items; the bar connects them to the window actions and says
// which it can do when it pops the menu up. Entries the program adds (after
// the four, then InstallItemHandlers) wear the same skin.
class TsuiTitleBarPopupMenu : public TsuiPopupMenu {
    Q_OBJECT
public:
    explicit TsuiTitleBarPopupMenu(QWidget* owner = nullptr);

    // Enables each item as given, then shows the menu with its top-left
    // corner at the screen point.
    void Popup(QPoint global, bool canMinimize, bool canMaximize, bool canClose);

    QAction* MinimizeItem() const { return actions().at(0); }
    QAction* MaximizeItem() const { return actions().at(1); }
    QAction* CloseItem() const { return actions().at(3); }
};
