#include "skin/theme/FormHelpers.h"

#include "runtime/Canvas.h"
#include "skin/theme/TsuiFileTheme.h"

#include <QApplication>
#include <QVariant>
#include <QWidget>

bool InRect(int x, int y, const QRect& rect)
{
    return rect.x() <= x && x <= runtime::Right(rect) && rect.y() <= y && y <= runtime::Bottom(rect);
}

bool PointInRect(const QPoint& point, const QRect& rect)
{
    return InRect(point.x(), point.y(), rect);
}

bool FormIsActive(const QWidget* form)
{
    if (QApplication::applicationState() != Qt::ApplicationActive)
        return false;
    if (!form)
        return true;
    // A form keeps its active caption while one of its own dialogs is in
    // front of it, as a main window does.
    for (const QWidget* w = QApplication::activeWindow(); w;
         w = w->parentWidget() ? w->parentWidget()->window() : nullptr)
        if (w == form)
            return true;
    return false;
}

bool HasPublishedProperty(const QObject* component, const char* name)
{
    return component && component->metaObject()->indexOfProperty(name) >= 0;
}

void SpreadThemeToControls(QWidget* form, TsuiUIStyle style, TsuiFileTheme* fileTheme)
{
    if (!form)
        return;
    const QVariant theme = QVariant::fromValue(fileTheme);
    const QVariant uiStyle = QVariant::fromValue(style);
    for (QObject* child : form->children()) {
        if (!child->isWidgetType())
            continue;
        if (!HasPublishedProperty(child, "FileTheme") || !HasPublishedProperty(child, "UIStyle"))
            continue;
        child->setProperty("FileTheme", theme);
        child->setProperty("UIStyle", uiStyle);
    }
}
