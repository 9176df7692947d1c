#pragma once

#include "runtime/Canvas.h"
#include <QImage>

// Frame frameIndex (1-based) of a horizontal strip of frameCount equal
// frames: columns (frameIndex-1)*w .. frameIndex*w - 1 with w = width div
// frameCount; remainder columns at the right belong to no frame. An empty
// source, or a frame count below 1, gives an empty dest.
void ExtractBitmapFrame(const QImage& source, QImage& dest, int frameCount, int frameIndex);

// Turns the bitmap 90 degrees counter-clockwise in place: source pixel
// (x, y) lands at (y, width - 1 - x). Meant for small images.
void RotateBitmapLeft(QImage& bitmap);

// Repeats picture from the canvas origin over an area the size of rect,
// one tile past it in each direction; a transparent picture leaves out its
// bottom-left pixel's colour. An empty picture draws nothing.
void TileDraw(runtime::Canvas& canvas, const QImage& picture, const QRect& rect, bool transparent = false);
