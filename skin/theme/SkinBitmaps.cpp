#include "skin/theme/SkinBitmaps.h"

using runtime::Bitmap;
using runtime::Rect;

void ExtractBitmapFrame(const Bitmap& source, Bitmap& dest, int frameCount, int frameIndex)
{
    if (source.isEmpty() || frameCount < 1) {
        dest.clear();
        return;
    }
    const int w = source.width() / frameCount;
    const int h = source.height();
    Bitmap frame(w, h);
    if (w > 0) {
        runtime::Canvas canvas(frame);
        canvas.copyRect(Rect(0, 0, w, h), source.image(), Rect(w * (frameIndex - 1), 0, w * frameIndex, h));
    }
    dest.setImage(frame.image());
}

void RotateBitmapLeft(Bitmap& bitmap)
{
    const int width = bitmap.width(), height = bitmap.height();
    QImage turned(height, width, runtime::BitmapFormat);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            turned.setPixel(y, width - 1 - x, bitmap.pixel(x, y));
    bitmap.setImage(turned);
}

void TileDraw(runtime::Canvas& canvas, const Bitmap& picture, const QRect& rect)
{
    const int pw = picture.width(), ph = picture.height();
    // An empty picture would never advance the loops.
    if (picture.isEmpty())
        return;
    for (int x = 0; x < pw + rect.width(); x += pw)
        for (int y = 0; y < ph + rect.height(); y += ph)
            canvas.draw(x, y, picture);
}
