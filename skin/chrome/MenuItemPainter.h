#pragma once

#include "runtime/Canvas.h"
#include "runtime/TColor.h"

#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>

class QAction;

// How a skinned menu draws its items, copied from the menu at paint time.
// The popup menu and the main menu's drop-downs both paint through
// PaintMenuItem, so their items cannot drift apart.
struct MenuItemLook {
    bool mac = false; // the MacOS bitmap looks (the menu's stored style)
    int barWidth = 0;
    int itemHeight = 21;
    int separatorHeight = 5;
    runtime::TColor barColor = 0;
    runtime::TColor color = 0;
    runtime::TColor separatorColor = 0;
    runtime::TColor selectedBorderColor = 0;
    runtime::TColor selectedColor = 0;
    runtime::TColor selectedFontColor = 0;
    runtime::TColor fontColor = 0;
    QFont font;
    QImage checkMark; // white is see-through
};

// One item as it is to be painted.
struct MenuItemState {
    QString caption;
    QString shortcut;
    bool separator = false;
    bool enabled = true;
    bool checked = false;
    bool isDefault = false;
    bool selected = false;
    bool submenu = false; // opens a further menu: drawn with an arrow
    QImage image;         // null when the item has no usable image
};

// The item's caption, shortcut text and flags; `image` is what the menu's
// own image rule found for it.
MenuItemState MenuItemStateOf(const QAction* item, bool selected, bool isDefault, const QImage& image);

// Separator height, or item height; width from caption, shortcut, bar and
// a fixed 40-pixel margin.
QSize MeasureMenuItem(const MenuItemLook& look, const MenuItemState& item);

void PaintMenuItem(runtime::Canvas& canvas, const QRect& rect, const MenuItemLook& look, const MenuItemState& item);

// The MENU_CHECKED bitmap every menu's check mark starts from.
const QImage& MenuCheckMarkBitmap();
