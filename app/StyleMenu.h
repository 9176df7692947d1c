#pragma once

#include "skin/chrome/TsuiPopupMenu.h"

class QActionGroup;
class WindowLook;

// The "Style" submenu of the window menu: the designed look, the five
// built-in styles and a theme file picked through the runtime's file dialog.
// The item of the look in use is checked. A theme file that cannot be read
// is reported in the error box with the reader's message; the look stays.
class StyleMenu : public TsuiPopupMenu {
    Q_OBJECT
public:
    StyleMenu(WindowLook* look, TsuiPopupMenu* windowMenu);

    // The item that chooses a look: "As designed", a style's key, or
    // "Theme file...".
    QAction* item(const QString& text) const;

private:
    void chooseThemeFile();
    void showCurrentChoice();

    WindowLook* m_look;
    QActionGroup* m_group;
};
