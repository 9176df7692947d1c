#pragma once

#include "skin/theme/UIStyle.h"

#include <QPoint>
#include <QRect>

class QObject;
class QWidget;
class TsuiFileTheme;

// True when Left <= x <= Right and Top <= y <= Bottom of a GDI-style
// rectangle (see runtime::Rect): all four edges count as inside.
bool InRect(int x, int y, const QRect& rect);
bool PointInRect(const QPoint& point, const QRect& rect);

// Whether the form's caption is drawn active: False while the application
// is not active; True for no form; else whether the active window is the
// form or one of its own dialogs.
bool FormIsActive(const QWidget* form);

// The component's class publishes a property of that name.
bool HasPublishedProperty(const QObject* component, const char* name);

// Hands a theme to the form's direct child widgets that publish both
// "FileTheme" and "UIStyle": FileTheme first, then UIStyle, each through
// its property setter. Grandchildren are not visited.
void SpreadThemeToControls(QWidget* form, TsuiUIStyle style, TsuiFileTheme* fileTheme);
