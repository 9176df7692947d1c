#include "Painters.h"
#include "Styles.h"

#include <QPainter>

#include <cmath>

// BlueGlass: a glossy blue glass bar with a bright upper half and deep lower
// half, round glass title buttons keyed out of the bar, and pale glass push
// buttons whose rounded corners are keyed out in magenta.
namespace {

using art::Mix;
using art::Ramp;

const QColor Face(0xE7, 0xE7, 0xE7);
const QColor Navy(0x17, 0x3E, 0x78);

class BlueGlassArt : public StyleArt {
public:
    QString Prefix() const override { return QStringLiteral("BLUEGLASS"); }

    Palette Colours() const override
    {
        return {Face,
                QColor(0x2E, 0x5E, 0x9E),
                QColor(0xF4, 0xF9, 0xFF),
                QColor(0xC4, 0xDC, 0xF5),
                QColor(0x2A, 0x70, 0xC8),
                QColor(0x8C, 0xC1, 0xF1),
                Navy,
                3,
                true};
    }

    QColor TitleRow(int y, int h) const override
    {
        // The gloss edge sits just above the middle; the last row is a dark
        // rim that separates the bar from the menu bar or the window.
        const int edge = h / 2 - 1;
        if (y == 0)
            return QColor(0xA4, 0xCF, 0xF6);
        if (y == h - 1)
            return QColor(0x16, 0x3F, 0x7A);
        if (y < edge)
            return Ramp({{0, QColor(0x74, 0xAE, 0xE9)}, {1, QColor(0x3F, 0x81, 0xCD)}}).Row(y - 1, edge - 1);
        return Ramp({{0, QColor(0x1A, 0x56, 0xA8)}, {0.75, QColor(0x25, 0x6B, 0xC0)}, {1, QColor(0x3C, 0x82, 0xD0)}})
            .Row(y - edge, h - 1 - edge);
    }

    QImage TitleLeft(int w, int h) const override
    {
        // A slanted reflection across the glass, fading out well before the
        // join with the client image.
        QImage image = TitleClient(w, h);
        for (int y = 0; y < h / 2 - 1; ++y) {
            for (int x = 0; x < w; ++x) {
                const double centre = 0.55 * w - y * 0.9;
                const double d = std::abs(x - centre) / (0.12 * w);
                const double streak = d < 1 ? 0.16 * (1 - d * d) : 0;
                const double corner = x < 40 ? 0.18 * (1 - x / 40.0) * (1 - y / (h / 2.0)) : 0;
                image.setPixelColor(x, y, Mix(image.pixelColor(x, y), Qt::white, streak + corner));
            }
        }
        return image;
    }

    QImage TitleRight(int w, int h) const override
    {
        QImage image = TitleClient(w, h);
        for (int y = 0; y < h / 2 - 1; ++y)
            for (int x = w - 30; x < w; ++x)
                image.setPixelColor(
                    x, y, Mix(image.pixelColor(x, y), Qt::white, 0.18 * (x - (w - 30)) / 30.0 * (1 - y / (h / 2.0))));
        return image;
    }

    QImage TitleButton(TitleGlyph glyph, State state, int size, int top, int h) const override
    {
        const bool close = glyph == TitleGlyph::Close;
        QColor ring = Navy, upper, lower;
        if (state == State::Normal) {
            upper = QColor(0x2F, 0x6C, 0xC0);
            lower = QColor(0x5E, 0xA6, 0xEC);
        } else if (state == State::Hot) {
            upper = close ? QColor(0xC8, 0x3A, 0x2E) : QColor(0x4A, 0x98, 0xEC);
            lower = close ? QColor(0xF2, 0x8A, 0x6E) : QColor(0xA8, 0xE6, 0xFF);
            ring = close ? QColor(0x6E, 0x18, 0x10) : Navy;
        } else {
            upper = close ? QColor(0x86, 0x1E, 0x16) : QColor(0x14, 0x3F, 0x80);
            lower = close ? QColor(0xC0, 0x45, 0x35) : QColor(0x2E, 0x6E, 0xC0);
            ring = close ? QColor(0x4A, 0x10, 0x0A) : QColor(0x0C, 0x26, 0x4E);
        }
        const QImage orb = painters::Orb(size, 0, ring, Ramp({{0, upper}, {0.55, Mix(upper, lower, 0.35)}, {1, lower}}),
                                         state == State::Pressed ? 0.35 : 0.6);
        QImage frame = art::Flatten(orb, TitleBackdrop(size, top, h), true);
        const int shift = state == State::Pressed ? 1 : 0;
        const art::Glyph& g = TitleGlyphFor(glyph, size);
        art::DrawGlyphCentred(frame, g, QColor(0x0B, 0x22, 0x48, 150), shift + 1, shift + 1);
        art::DrawGlyphCentred(frame, g, Qt::white, shift, shift);
        return frame;
    }

    QImage Button(State state, int w, int h) const override
    {
        painters::SurfaceLook look{5, QColor(0x2E, 0x5E, 0x9E), Ramp({})};
        switch (state) {
        case State::Normal:
            look.fill = Ramp({{0, QColor(0xFA, 0xFD, 0xFF)},
                              {0.42, QColor(0xE0, 0xEE, 0xFB)},
                              {0.44, QColor(0xC6, 0xDE, 0xF6)},
                              {0.8, QColor(0xCF, 0xE3, 0xF7)},
                              {1, QColor(0xE6, 0xF1, 0xFC)}});
            look.innerRim = QColor(255, 255, 255, 150);
            break;
        case State::Hot:
            look.border = QColor(0x2F, 0x74, 0xD0);
            look.fill = Ramp({{0, QColor(0xF2, 0xFA, 0xFF)},
                              {0.42, QColor(0xCF, 0xE9, 0xFF)},
                              {0.44, QColor(0xA6, 0xD4, 0xFA)},
                              {0.8, QColor(0xB5, 0xDD, 0xFC)},
                              {1, QColor(0xDB, 0xF0, 0xFF)}});
            look.innerRim = QColor(255, 255, 255, 190);
            break;
        case State::Pressed:
            look.border = QColor(0x1F, 0x4A, 0x85);
            look.fill = Ramp({{0, QColor(0x9C, 0xC2, 0xEA)},
                              {0.42, QColor(0xB0, 0xD0, 0xF0)},
                              {0.44, QColor(0xA2, 0xC7, 0xEE)},
                              {1, QColor(0xC8, 0xE0, 0xF7)}});
            look.innerRim = QColor(0x1F, 0x4A, 0x85, 70);
            break;
        }
        return painters::ButtonFrame(w, h, look, Face, true);
    }

    QImage CheckBox(bool checked, bool enabled, int w, int h) const override
    {
        const painters::SurfaceLook look{
            2, QColor(0x2E, 0x5E, 0x9E),
            Ramp({{0, QColor(0xFF, 0xFF, 0xFF)}, {0.5, QColor(0xEC, 0xF4, 0xFC)}, {1, QColor(0xC9, 0xDF, 0xF6)}})};
        const QImage frame =
            painters::CheckFrame(w, h, QRect(0, 0, w, h), look, checked, QColor(0x16, 0x4A, 0x9A), Face);
        return enabled ? frame : art::Disabled(frame, Face);
    }

    QImage Progress(int w, int h) const override
    {
        return art::Rows(w, h,
                         Ramp({{0, QColor(0xB4, 0xDB, 0xFB)},
                               {0.4, QColor(0x5C, 0xA2, 0xE8)},
                               {0.45, QColor(0x1F, 0x66, 0xBE)},
                               {0.8, QColor(0x2E, 0x7E, 0xD3)},
                               {1, QColor(0x5A, 0xA4, 0xEC)}}));
    }
};

} // namespace

const StyleArt& BlueGlassStyle()
{
    static const BlueGlassArt art;
    return art;
}
