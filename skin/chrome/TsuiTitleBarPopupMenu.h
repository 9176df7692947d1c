#pragma once

#include "skin/chrome/TsuiPopupMenu.h"

#include <QPoint>

class TsuiTitleBar;

// The title bar's system menu: Minimize, Maximize/Restore, Close.
class TsuiTitleBarPopupMenu : public TsuiPopupMenu {
    Q_OBJECT
public:
    explicit TsuiTitleBarPopupMenu(TsuiTitleBar* titleBar);

    // Enables each item only when the bar has a button of its kind, then
    // shows the menu with its top-left corner at the screen point.
    void Popup(QPoint global);

    QAction* MinimizeItem() const { return actions().at(0); }
    QAction* MaximizeItem() const { return actions().at(1); }
    QAction* CloseItem() const { return actions().at(3); }

private:
    TsuiTitleBar* m_titleBar;
};
