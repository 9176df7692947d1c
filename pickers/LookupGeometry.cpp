#include "pickers/LookupGeometry.h"

#include <algorithm>

namespace {

QRect parked(QSize control)
{
    return QRect(control.width() + 1, 0, 0, 0);
}

} // namespace

LookupButtonPlaces PlaceLookupButtons(QSize control, bool aVisible, bool bVisible)
{
    const int w = control.width();
    const int h = control.height();
    LookupButtonPlaces places;
    // A square button fills the client height: the control's height less
    // its sunken border of two pixels on each side.
    places.buttonA = aVisible ? QRect(w - h, 0, h - 4, h - 4) : parked(control);
    const int a = aVisible ? places.buttonA.width() : 0;
    places.buttonB = bVisible ? QRect(w - h - a, 0, h - 4, h - 4) : parked(control);
    return places;
}

QRect LookupEditRect(QSize client, int aWidth, bool aVisible, int bWidth, bool bVisible)
{
    const int buttons = (aVisible ? aWidth : 0) + (bVisible ? bWidth : 0);
    return QRect(QPoint(0, 0), QPoint(client.width() - buttons - 1, client.height()));
}

int LookupEditMinHeight(int systemTextHeight, int fontTextHeight, int borderHeight)
{
    return fontTextHeight + std::min(systemTextHeight, fontTextHeight) / 4 + 4 * borderHeight + 1;
}
