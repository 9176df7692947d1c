#include "skin/theme/MenuDrawing.h"

#include "runtime/BitmapResource.h"

#include <QAction>
#include <QApplication>
#include <QFont>
#include <QMenu>

namespace {

constexpr char kHandlersProperty[] = "quarlexMenuItemDrawHandlers";

void drawMacBitmap(runtime::Canvas& canvas, const QRect& rect, const char* name, int rows)
{
    QImage bitmap = runtime::LoadBitmapResource(QString::fromLatin1(name));
    runtime::SetBitmapSize(bitmap, bitmap.width(), rows);
    canvas.stretchDraw(rect, bitmap);
}

} // namespace

void SetMenuItemDrawHandlers(QAction* item, const MenuDrawItemHandler& onDrawItem,
                             const MenuMeasureItemHandler& onMeasureItem)
{
    if (!item)
        return;
    item->setProperty(kHandlersProperty, QVariant::fromValue(MenuItemDrawHandlers{onDrawItem, onMeasureItem}));
    if (QMenu* sub = item->menu())
        for (QAction* child : sub->actions())
            SetMenuItemDrawHandlers(child, onDrawItem, onMeasureItem);
}

MenuItemDrawHandlers GetMenuItemDrawHandlers(const QAction* item)
{
    return item ? item->property(kHandlersProperty).value<MenuItemDrawHandlers>() : MenuItemDrawHandlers{};
}

void FrameRectColor(runtime::Canvas& canvas, const QRect& rect, runtime::TColor color)
{
    canvas.setBrushColor(color);
    canvas.frameRect(rect);
}

void FillRectColor(runtime::Canvas& canvas, const QRect& rect, runtime::TColor color)
{
    canvas.setBrushColor(color);
    canvas.fillRect(rect);
}

void DrawMenuSeparator(runtime::Canvas& canvas, const QRect& rect, runtime::TColor color, int indent)
{
    canvas.setPenColor(color);
    canvas.moveTo(rect.x() + indent + 4, rect.y() + 2);
    canvas.lineTo(runtime::Right(rect) - 2, rect.y() + 2);
}

void DrawMacMenuBar(runtime::Canvas& canvas, const QRect& rect)
{
    drawMacBitmap(canvas, rect, "MACOS_MENU_BAR", 12);
}

void DrawMacMenuSelected(runtime::Canvas& canvas, const QRect& rect)
{
    drawMacBitmap(canvas, rect, "MACOS_MENU_SELECT", 20);
}

void DrawMacMenuBarTall(runtime::Canvas& canvas, const QRect& rect)
{
    drawMacBitmap(canvas, rect, "MACOS_MENU_BAR", 20);
}

void DrawPopupMenuBorder(runtime::Canvas& canvas, const QSize& windowSize, runtime::TColor borderColor,
                         runtime::TColor edgeColor)
{
    const int r = windowSize.width(), b = windowSize.height();
    canvas.setBrushColor(borderColor);
    canvas.frameRect(runtime::Rect(0, 1, r - 1, b - 1));
    canvas.setBrushColor(0xFFFFFF);
    canvas.frameRect(runtime::Rect(1, 2, r - 2, b - 2));
    canvas.setPenColor(edgeColor);
    canvas.polyline({{0, b - 1}, {r - 1, b - 1}, {r - 1, 0}, {r, 0}, {0, 0}});
}

void AssignSystemMenuFont(QFont& font, runtime::TColor& color)
{
    font = QApplication::font("QMenu");
    color = runtime::clMenuText;
}
