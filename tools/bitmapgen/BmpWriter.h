#pragma once

#include <QByteArray>
#include <QImage>

// The key colour that marks see-through pixels of skin bitmaps.
inline constexpr QRgb KeyColour = 0xFFFF00FFu;

// Encodes an image as a Windows bitmap file of exactly the given depth.
// Qt's own writer cannot choose the depth (it never writes 4 bits per pixel),
// and the resources are fixed at 4, 8 and 24 bits; 32 bits keeps the alpha
// channel through a version 5 header (used for the program icon only).
// Palette depths reduce the colours (Quantize), keep the key colour exact and
// keep each colour of keep exact as well.
// Rows are stored bottom-up, each padded to a multiple of four bytes.
QByteArray EncodeBmp(const QImage& image, int bitsPerPixel, const QList<QRgb>& keep = {});
