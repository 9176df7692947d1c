#pragma once

#include <QByteArray>
#include <QImage>

namespace runtime {

// Decodes the uncompressed BMP files the program carries (1, 4, 8 and 24
// bits a pixel, and 32 bits with bit-field masks), rows bottom-up or top
// down, without Qt's image reader: that reader loads every image format
// plugin, and the libraries they need, before it reads a single BMP. The
// result is 32-bit: RGB32, or ARGB32 when an alpha mask is given. Anything
// else (compression, a short or inconsistent file) gives a null image, and
// the caller decodes it the general way.
QImage DecodeUncompressedBmp(const QByteArray& bytes);

} // namespace runtime
