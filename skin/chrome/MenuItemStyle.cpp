#include "skin/chrome/MenuItemStyle.h"

#include "skin/theme/MenuDrawing.h"

#include <QMenu>
#include <QStyleOptionMenuItem>

namespace {

// The item an option stands for. Qt's option carries no action, so it is
// found by kind and text (the text Qt builds is the caption, then a tab and
// the shortcut).
QAction* ItemFor(const QMenu* menu, const QStyleOptionMenuItem& option)
{
    const bool separator = option.menuItemType == QStyleOptionMenuItem::Separator;
    const QString caption = option.text.section(QLatin1Char('\t'), 0, 0);
    for (QAction* action : menu->actions()) {
        if (!action->isVisible() || action->isSeparator() != separator)
            continue;
        if (separator || action->text() == caption)
            if (GetMenuItemDrawHandlers(action).onMeasureItem)
                return action;
    }
    return nullptr;
}

} // namespace

int MenuItemStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    switch (metric) {
    case PM_MenuPanelWidth:
        return kPanelWidth;
    case PM_MenuHMargin:
    case PM_MenuVMargin:
    case PM_MenuDesktopFrameWidth:
        return 0;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

QSize MenuItemStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                      const QWidget* widget) const
{
    const auto* menu = qobject_cast<const QMenu*>(widget);
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (type == CT_MenuItem && menu && item) {
        if (QAction* action = ItemFor(menu, *item)) {
            int width = 0;
            int height = 0;
            GetMenuItemDrawHandlers(action).onMeasureItem(action, width, height);
            return QSize(width, height);
        }
    }
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}
