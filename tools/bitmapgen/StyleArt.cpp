#include "StyleArt.h"

QImage StyleArt::TitleClient(int w, int h) const
{
    QImage image(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixelColor(x, y, TitleRow(y, h));
    return image;
}

QImage StyleArt::TitleLeft(int w, int h) const
{
    return TitleClient(w, h);
}

QImage StyleArt::TitleRight(int w, int h) const
{
    return TitleClient(w, h);
}

QImage StyleArt::TitleBackdrop(int size, int top, int h) const
{
    QImage image(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            image.setPixelColor(x, y, TitleRow(top + y, h));
    return image;
}
