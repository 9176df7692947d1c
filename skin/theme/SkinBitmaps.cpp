#include "skin/theme/SkinBitmaps.h"

void ExtractBitmapFrame(const QImage& source, QImage& dest, int frameCount, int frameIndex)
{
    if (source.isNull() || source.width() == 0 || source.height() == 0 || frameCount < 1) {
        dest = QImage();
        return;
    }
    const int w = source.width() / frameCount;
    const int h = source.height();
    // The frame's pixels are taken straight from the strip: painting them
    // into a new bitmap would leave a paint engine on every frame kept.
    dest = runtime::StretchNearest(source, QRect(w * (frameIndex - 1), 0, w, h), w, h);
}

void RotateBitmapLeft(QImage& bitmap)
{
    const int width = bitmap.width(), height = bitmap.height();
    QImage turned(height, width, runtime::BitmapFormat);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            turned.setPixel(y, width - 1 - x, bitmap.pixel(x, y));
    bitmap = turned;
}

void TileDraw(runtime::Canvas& canvas, const QImage& picture, const QRect& rect, bool transparent)
{
    const int pw = picture.width(), ph = picture.height();
    // An empty picture would never advance the loops.
    if (picture.isNull() || pw == 0 || ph == 0)
        return;
    const QImage tile = transparent ? runtime::KeyedOut(picture, runtime::DefaultTransparentColor(picture)) : picture;
    for (int x = 0; x < pw + rect.width(); x += pw)
        for (int y = 0; y < ph + rect.height(); y += ph)
            canvas.draw(x, y, tile);
}
