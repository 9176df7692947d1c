#pragma once

#include "runtime/TColor.h"
#include "skin/chrome/MenuBarPainter.h"
#include "skin/theme/TsuiFileTheme.h"
#include "skin/theme/UIStyle.h"

#include <QList>
#include <QMenu>
#include <QPointer>
#include <QWidget>

class MenuBarButton;
class QKeyEvent;
class TsuiMainMenu;

// The bar a frame shows under its title bar while its Menu is assigned:
// one button per top-level item, in menu order, each dropping its item's
// menu down. Looks come from the menu when it is a TsuiMainMenu, else from
// the frame's style. With a menu open, Left and Right move to the
// neighbouring menus, Alt+letter or the pointer to another one, and Escape
// closes it.
class FrameMenuBar : public QWidget {
    Q_OBJECT
public:
    explicit FrameMenuBar(QWidget* frame);

    QMenu* Menu() const { return m_menu; }
    void setMenu(QMenu* menu);
    // The frame's own style: the bar's look for a plain menu; a main menu
    // is given it too (a menu assigned later keeps its own until the next
    // call).
    void setFrameStyle(TsuiUIStyle style, TsuiFileTheme* fileTheme);
    void setBarColor(runtime::TColor color);
    // The bar's height and every button's.
    void setBarHeight(int height);

    // Frees the buttons and makes one per top-level item, in menu order.
    void RebuildMenuBar();
    // Each button takes its item's caption and enabled state.
    void RefreshMenuBarButtons();
    // Re-reads font and colours from the menu and repaints.
    void UpdateMenuBarFont();

    const QList<MenuBarButton*>& Buttons() const { return m_buttons; }
    const MenuBarLook& Look() const { return m_look; }
    MenuBarButton* OpenButton() const { return m_open; }
    // Drops down the menu of button `index` (an item without a menu runs).
    void OpenMenu(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    TsuiMainMenu* mainMenu() const;
    void layoutButtons();
    void menuHidden();
    // What the open menu's events do to the bar; true when consumed.
    bool pointerMoved(const QPoint& global);
    bool keyPressed(const QKeyEvent* event);
    // The next enabled, visible button from `from` in direction `step`.
    int neighbour(int from, int step) const;

    QPointer<QMenu> m_menu;
    QList<MenuBarButton*> m_buttons;
    MenuBarLook m_look;
    TsuiUIStyle m_frameStyle = TsuiUIStyle::DeepBlue;
    QPointer<TsuiFileTheme> m_frameTheme;
    MenuBarButton* m_open = nullptr;
    // The button whose menu the current click closed: the click that
    // closes a menu must not open it again.
    MenuBarButton* m_justClosed = nullptr;
    QPointer<QMenu> m_openMenu;
    QList<QMetaObject::Connection> m_menuWatch;
};
