#pragma once

#include <QRect>
#include <QSize>

// Geometry of a lookup edit, kept as pure functions so the rules can be
// checked with the exact sizes of the main window.

// Places of the two embedded buttons, in the edit's client coordinates.
// A sits at the right edge, B left of it; a hidden button is parked out of
// sight (just beyond the right edge, no size).
struct LookupButtonPlaces {
    QRect buttonA;
    QRect buttonB;
};
LookupButtonPlaces PlaceLookupButtons(QSize control, bool aVisible, bool bVisible);

// The formatting rectangle of the text: the client area less the width of
// every visible button, so the text never runs under one.
QRect LookupEditRect(QSize client, int aWidth, bool aVisible, int bWidth, bool bVisible);

// The lowest height that still shows a line of the control's font: the
// font's text height, a quarter of the smaller of the two text heights for
// leading, four borders and one pixel.
int LookupEditMinHeight(int systemTextHeight, int fontTextHeight, int borderHeight);
