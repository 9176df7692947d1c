#include "SharedArt.h"

#include "Painters.h"

#include <QPainter>
#include <QPainterPath>

namespace shared {

namespace {
using art::Ramp;
} // namespace

QImage MacMenuBar(int w, int h)
{
    // Rows pair up to stay within sixteen colours. The bar shows the top 12
    // rows (or 20 when tall), so both cuts end in a soft grey.
    QImage image(w, h, QImage::Format_ARGB32);
    const Ramp ramp({{0, QColor(0xFF, 0xFF, 0xFF)},
                     {0.5, QColor(0xEC, 0xEC, 0xEC)},
                     {0.9, QColor(0xDC, 0xDC, 0xDC)},
                     {1, QColor(0xA0, 0xA0, 0xA0)}});
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixelColor(x, y, ramp.Row(y / 2 * 2, h));
    return image;
}

QImage MacMenuSelect(int w, int h)
{
    return art::Rows(w, h,
                     Ramp({{0, QColor(0x7F, 0xB8, 0xF2)},
                           {0.45, QColor(0x4C, 0x94, 0xE4)},
                           {0.5, QColor(0x2F, 0x78, 0xD6)},
                           {1, QColor(0x3E, 0x88, 0xDE)}}));
}

QImage MenuChecked(int w, int h)
{
    // White is the menus' see-through colour for this picture.
    QImage image = art::Blank(w, h, Qt::white);
    static const art::Glyph check{
        {"........#", ".......##", "#.....###", "##...###.", "###.###..", ".#####...", "..###....", "...#....."}};
    art::DrawGlyphCentred(image, check, Qt::black);
    return image;
}

QImage MacFormBackground(int w, int h)
{
    // Aqua pinstripes, averaging the style's form colour.
    QImage image(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixelColor(x, y, y % 2 == 0 ? QColor(0xEC, 0xEC, 0xEC) : QColor(0xE2, 0xE2, 0xE2));
    return image;
}

QImage ProteinFormBackground(int w, int h)
{
    QImage image = art::Blank(w, h, QColor(0xFB, 0xFB, 0xFB));
    image.setPixelColor(1, 1, QColor(0xEC, 0xF3, 0xFA));
    image.setPixelColor(w / 2 + 1, h / 2 + 1, QColor(0xEC, 0xF3, 0xFA));
    return image;
}

QImage MacComboButton(int w, int h)
{
    QImage image = art::Rows(w, h,
                             Ramp({{0, QColor(0xE2, 0xF0, 0xFF)},
                                   {0.45, QColor(0xB0, 0xD4, 0xF7)},
                                   {0.5, QColor(0x86, 0xBE, 0xF0)},
                                   {1, QColor(0xC0, 0xE2, 0xFF)}}));
    QPainter p(&image);
    p.fillRect(0, 0, 1, h, QColor(0x6E, 0x8C, 0xB0));
    return image;
}

QImage XPComboButton(int w, int h)
{
    QImage layer = art::Transparent(w, h);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    painters::Surface(
        p, QRectF(0, 0, w, h), 2, QColor(0xB3, 0xC7, 0xF3),
        Ramp({{0, QColor(0xDB, 0xE6, 0xFE)}, {0.5, QColor(0xC4, 0xD5, 0xFB)}, {1, QColor(0xB0, 0xC4, 0xF5)}}));
    p.end();
    QImage image = art::Flatten(layer, Qt::white);
    static const art::Glyph chevron{{"#.....#", "##...##", ".##.##.", "..###..", "...#..."}};
    art::DrawGlyphCentred(image, chevron, QColor(0x4D, 0x61, 0x85), 0, 1);
    return image;
}

} // namespace shared
