#pragma once

#include "runtime/Canvas.h"
#include <QImage>

// Key colour of skin bitmaps: magenta, 0xFF00FF.
constexpr QRgb SkinKeyColor = 0xFFFF00FFu;

// Draws one skin frame scaled to rect (which starts at the canvas origin)
// in nine parts: the four corners copied 1:1, opaque unless transparent is
// set; the edges and the centre stretched, magenta always see-through.
void DrawStretchedSkin(const QImage& frame, runtime::Canvas& canvas, const QRect& rect, bool transparent);
