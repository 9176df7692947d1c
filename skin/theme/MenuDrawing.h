#pragma once

#include "runtime/Canvas.h"
#include "runtime/TColor.h"

#include <QMetaType>
#include <functional>

class QAction;
class QFont;

// Owner-draw handlers of a menu item. Qt's menus do not paint through
// per-item handlers, so the skinned menus keep theirs on each item's
// action and call them from their own painting.
using MenuDrawItemHandler =
    std::function<void(QAction* item, runtime::Canvas& canvas, const QRect& rect, bool selected)>;
using MenuMeasureItemHandler = std::function<void(QAction* item, int& width, int& height)>;

struct MenuItemDrawHandlers {
    MenuDrawItemHandler onDrawItem;
    MenuMeasureItemHandler onMeasureItem;
};
Q_DECLARE_METATYPE(MenuItemDrawHandlers)

// Sets both handlers on item and, depth first in index order, on every
// item of its submenu.
void SetMenuItemDrawHandlers(QAction* item, const MenuDrawItemHandler& onDrawItem,
                             const MenuMeasureItemHandler& onMeasureItem);
// The handlers set on item; empty functions when none were set.
MenuItemDrawHandlers GetMenuItemDrawHandlers(const QAction* item);

void FrameRectColor(runtime::Canvas& canvas, const QRect& rect, runtime::TColor color);
void FillRectColor(runtime::Canvas& canvas, const QRect& rect, runtime::TColor color);
// A line from (Left + indent + 4, Top + 2) up to, not including,
// (Right - 2, Top + 2).
void DrawMenuSeparator(runtime::Canvas& canvas, const QRect& rect, runtime::TColor color, int indent);

// The MacOS menu bar and selection looks, stretched from their 1-pixel-wide
// bitmaps: the bar's top 12 rows, the selection's top 20, the tall bar's 20.
void DrawMacMenuBar(runtime::Canvas& canvas, const QRect& rect);
void DrawMacMenuSelected(runtime::Canvas& canvas, const QRect& rect);
void DrawMacMenuBarTall(runtime::Canvas& canvas, const QRect& rect);

// The border of a popup menu window of the given size, drawn by the popup
// itself: a frame in borderColor, a white frame inside it, and the bottom,
// right and top edges in edgeColor.
void DrawPopupMenuBorder(runtime::Canvas& canvas, const QSize& windowSize, runtime::TColor borderColor,
                         runtime::TColor edgeColor);

// Gives font the platform's menu font and color the menu-text colour.
void AssignSystemMenuFont(QFont& font, runtime::TColor& color);
