#include "Painters.h"
#include "Styles.h"

#include <QPainter>

// MacOS: light grey aqua. A brushed, pinstriped light grey bar with black
// caption text; graphite glass title buttons that light up in their own
// colour under the mouse; white aqua pills that turn aqua blue when hot,
// their round ends keyed out in magenta.
namespace {

using art::Mix;
using art::Ramp;

const QColor Face(0xE7, 0xE7, 0xE7);

QColor lit(TitleGlyph glyph)
{
    switch (glyph) {
    case TitleGlyph::Close:
        return QColor(0xE8, 0x4E, 0x44);
    case TitleGlyph::Minimise:
        return QColor(0xF2, 0xB1, 0x2C);
    case TitleGlyph::Maximise:
    case TitleGlyph::Restore:
        return QColor(0x58, 0xB9, 0x40);
    default:
        return QColor(0x3C, 0x8E, 0xE6);
    }
}

class MacOSArt : public StyleArt {
public:
    QString Prefix() const override { return QStringLiteral("MACOS"); }

    Palette Colours() const override
    {
        return {Face,
                QColor(0x8A, 0x8A, 0x8A),
                QColor(0xFF, 0xFF, 0xFF),
                QColor(0xD8, 0xD8, 0xD8),
                QColor(0x3C, 0x8E, 0xE6),
                QColor(0xA8, 0xD3, 0xFB),
                QColor(0x30, 0x30, 0x30),
                4,
                true};
    }

    QColor TitleRow(int y, int h) const override
    {
        if (y == h - 1)
            return QColor(0x8E, 0x8E, 0x8E);
        const QColor base = Ramp({{0, QColor(0xF8, 0xF8, 0xF8)}, {1, QColor(0xCC, 0xCC, 0xCC)}}).Row(y, h - 1);
        // Pinstripes: every other row a shade darker.
        return y % 2 == 1 ? base.darker(104) : base;
    }

    QImage TitleButton(TitleGlyph glyph, State state, int size, int top, int h) const override
    {
        QColor body = QColor(0x9C, 0xA7, 0xB6);
        if (state == State::Hot)
            body = lit(glyph);
        else if (state == State::Pressed)
            body = lit(glyph).darker(135);
        const QColor ring = body.darker(state == State::Normal ? 150 : 170);
        const QImage orb =
            painters::Orb(size, 1, ring, Ramp({{0, body.darker(115)}, {0.6, body}, {1, body.lighter(135)}}),
                          state == State::Pressed ? 0.45 : 0.8);
        QImage frame = art::Flatten(orb, TitleBackdrop(size, top, h));
        const int shift = state == State::Pressed ? 1 : 0;
        const QColor ink = state == State::Normal ? QColor(0x2E, 0x36, 0x42) : body.darker(300);
        art::DrawGlyphCentred(frame, TitleGlyphFor(glyph, size), ink, shift, shift);
        return frame;
    }

    QImage Button(State state, int w, int h) const override
    {
        painters::SurfaceLook look{h / 2.0 - 1.5, QColor(0x8A, 0x8A, 0x8A), Ramp({})};
        switch (state) {
        case State::Normal:
            look.fill = Ramp({{0, QColor(0xFF, 0xFF, 0xFF)},
                              {0.45, QColor(0xF1, 0xF1, 0xF1)},
                              {0.5, QColor(0xE0, 0xE0, 0xE0)},
                              {0.75, QColor(0xE4, 0xE4, 0xE4)},
                              {1, QColor(0xF8, 0xF8, 0xF8)}});
            break;
        case State::Hot:
            look.border = QColor(0x3A, 0x6E, 0xA5);
            look.fill = Ramp({{0, QColor(0xDD, 0xEE, 0xFF)},
                              {0.45, QColor(0xA4, 0xCF, 0xF8)},
                              {0.5, QColor(0x6B, 0xAE, 0xEE)},
                              {0.75, QColor(0x7F, 0xBC, 0xF3)},
                              {1, QColor(0xB8, 0xE0, 0xFF)}});
            break;
        case State::Pressed:
            look.border = QColor(0x2B, 0x55, 0x83);
            look.fill = Ramp({{0, QColor(0xA9, 0xCF, 0xF2)},
                              {0.45, QColor(0x78, 0xB2, 0xE8)},
                              {0.5, QColor(0x44, 0x8E, 0xDA)},
                              {0.75, QColor(0x55, 0x9C, 0xE2)},
                              {1, QColor(0x84, 0xC2, 0xF4)}});
            break;
        }
        return painters::ButtonFrame(w, h, look, Face, true);
    }

    QImage CheckBox(bool checked, bool enabled, int w, int h) const override
    {
        const int side = std::min(w, h) - 2;
        const QRect box((w - side) / 2, (h - side) / 2, side, side);
        painters::SurfaceLook look{
            3, QColor(0x80, 0x80, 0x80),
            Ramp({{0, QColor(0xFF, 0xFF, 0xFF)}, {0.5, QColor(0xEE, 0xEE, 0xEE)}, {1, QColor(0xDC, 0xDC, 0xDC)}})};
        if (checked) {
            look.border = QColor(0x3A, 0x6E, 0xA5);
            look.fill =
                Ramp({{0, QColor(0xC8, 0xE4, 0xFF)}, {0.5, QColor(0x7F, 0xBC, 0xF3)}, {1, QColor(0xA8, 0xD6, 0xFF)}});
        }
        const QImage frame = painters::CheckFrame(w, h, box, look, checked, QColor(0x10, 0x10, 0x10), Face);
        return enabled ? frame : art::Disabled(frame, Face);
    }

    QImage Progress(int w, int h) const override
    {
        return art::Rows(w, h,
                         Ramp({{0, QColor(0xD2, 0xEA, 0xFF)},
                               {0.4, QColor(0x7C, 0xBA, 0xF4)},
                               {0.5, QColor(0x3A, 0x8C, 0xE2)},
                               {0.75, QColor(0x46, 0x96, 0xE6)},
                               {1, QColor(0x9A, 0xCE, 0xF8)}}));
    }
};

} // namespace

const StyleArt& MacOSStyle()
{
    static const MacOSArt art;
    return art;
}
