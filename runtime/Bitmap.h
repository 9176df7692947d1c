#pragma once

#include <QByteArray>
#include <QImage>

// Bitmaps are QImages held in one 32-bit format. Whether a bitmap is drawn
// transparent is the drawer's flag; its transparent colour is the
// bottom-left pixel unless the drawer names another.
namespace runtime {

constexpr QImage::Format BitmapFormat = QImage::Format_RGB32;

// The image in the bitmap format; a null image stays null.
QImage ToBitmap(const QImage& image);

// Resizes keeping the pixels of the top-left area; new pixels are black.
void SetBitmapSize(QImage& bitmap, int width, int height);

// The bottom-left pixel, the transparent colour a bitmap has by default.
QRgb DefaultTransparentColor(const QImage& bitmap);

// Decodes BMP file bytes into bitmap. Returns false and leaves bitmap as it
// was when the bytes do not decode.
bool LoadBitmapFromBmpData(QImage& bitmap, const QByteArray& bytes);

} // namespace runtime
