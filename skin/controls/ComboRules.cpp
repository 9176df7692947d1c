#include "skin/controls/ComboRules.h"

QPoint ComboArrowOrigin(const QRect& button)
{
    // Right and bottom of the button rectangle are exclusive, as the
    // platform reports it.
    const int right = button.x() + button.width();
    const int bottom = button.y() + button.height();
    return {button.x() + (right - button.x()) / 2 - 3, (bottom - button.y()) / 2};
}

QPolygon ComboArrowTriangle(QPoint origin)
{
    const int x = origin.x(), y = origin.y();
    return QPolygon({QPoint(x, y), QPoint(x + 6, y), QPoint(x + 3, y + 3)});
}
