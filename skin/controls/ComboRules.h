#pragma once

#include <QPolygon>
#include <QRect>

// Geometry of the combo box's drop-down arrow: a triangle 6 pixels wide and
// 3 high pointing down, centred on the button horizontally. Its top row is
// half the button's height from the top of the control (not of the button).
QPoint ComboArrowOrigin(const QRect& button);
QPolygon ComboArrowTriangle(QPoint origin);
