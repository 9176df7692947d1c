#include "skin/chrome/MenuPicture.h"

#include <QMenu>

void PaintMenuItems(runtime::Canvas& canvas, const QMenu& menu, runtime::TColor body,
                    const MenuDrawItemHandler& fallback)
{
    FillRectColor(canvas, menu.rect(), body);
    for (QAction* item : menu.actions()) {
        const QRect r = menu.actionGeometry(item);
        if (!item->isVisible() || r.isEmpty())
            continue;
        const MenuItemDrawHandlers handlers = GetMenuItemDrawHandlers(item);
        const bool selected = item == menu.activeAction();
        if (handlers.onDrawItem)
            handlers.onDrawItem(item, canvas, r, selected);
        else if (fallback)
            fallback(item, canvas, r, selected);
    }
}

void PaintMenuFrame(runtime::Canvas& canvas, const QSize& size, bool flat, runtime::TColor edgeColor)
{
    if (flat) {
        DrawPopupMenuBorder(canvas, size, 0x000000, edgeColor);
        return;
    }
    const QRect all(QPoint(0, 0), size);
    FrameRectColor(canvas, all, 0x404040);
    FrameRectColor(canvas, all.adjusted(1, 1, -1, -1), 0xFFFFFF);
}
