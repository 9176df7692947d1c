#include "Painters.h"
#include "Styles.h"

#include <QPainter>

// WinXP: a bright blue caption with a light band near its top, square
// title buttons with a white rim (the close button red-orange), and light
// rounded push buttons with a dark blue outline that glow orange when hot.
// Push-button corners are opaque: the style does not key them out, so they
// carry the dialog colour.
namespace {

using art::Mix;
using art::Ramp;

const QColor Face(0xEF, 0xEB, 0xDE);

class WinXPArt : public StyleArt {
public:
    QString Prefix() const override { return QStringLiteral("WINXP"); }

    Palette Colours() const override
    {
        return {Face,
                QColor(0x00, 0x3C, 0x74),
                QColor(0xFF, 0xFF, 0xFF),
                QColor(0xD6, 0xD0, 0xC5),
                QColor(0x31, 0x6A, 0xC5),
                QColor(0xB6, 0xCD, 0xF7),
                QColor(0x4D, 0x61, 0x85),
                3,
                false};
    }

    QColor TitleRow(int y, int h) const override
    {
        return Ramp({{0, QColor(0x3A, 0x8C, 0xF6)},
                     {0.08, QColor(0x5A, 0xA2, 0xFF)},
                     {0.2, QColor(0x1C, 0x6C, 0xF0)},
                     {0.35, QColor(0x06, 0x5C, 0xE6)},
                     {0.75, QColor(0x00, 0x55, 0xE2)},
                     {0.93, QColor(0x00, 0x48, 0xD0)},
                     {1, QColor(0x00, 0x36, 0xA8)}})
            .Row(y, h);
    }

    QImage TitleLeft(int w, int h) const override { return withRim(TitleClient(w, h), false); }
    QImage TitleRight(int w, int h) const override { return withRim(TitleClient(w, h), true); }

    QImage TitleButton(TitleGlyph glyph, State state, int size, int top, int h) const override
    {
        const bool close = glyph == TitleGlyph::Close;
        QColor upper = close ? QColor(0xE8, 0x8A, 0x68) : QColor(0x4A, 0x93, 0xFA);
        QColor lower = close ? QColor(0xC4, 0x3C, 0x16) : QColor(0x16, 0x5C, 0xE4);
        if (state == State::Hot) {
            upper = upper.lighter(118);
            lower = lower.lighter(125);
        } else if (state == State::Pressed) {
            upper = lower.darker(125);
            lower = lower.darker(105);
        }
        QImage layer = art::Transparent(size, size);
        QPainter p(&layer);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF box(0, 0, size, size);
        painters::Surface(p, box, 3, QColor(255, 255, 255, 235),
                          Ramp({{0, upper}, {0.5, Mix(upper, lower, 0.6)}, {1, lower}}));
        p.setPen(QPen(QColor(0, 0, 0, 45), 1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(art::RoundBox(box.adjusted(1, 1, -1, -1), 2));
        p.end();
        QImage frame = art::Flatten(layer, TitleBackdrop(size, top, h));
        const int shift = state == State::Pressed ? 1 : 0;
        art::DrawGlyphCentred(frame, TitleGlyphFor(glyph, size), Qt::white, shift, shift);
        return frame;
    }

    QImage Button(State state, int w, int h) const override
    {
        painters::SurfaceLook look{3, QColor(0x00, 0x3C, 0x74),
                                   Ramp({{0, QColor(0xFF, 0xFF, 0xFF)},
                                         {0.55, QColor(0xF3, 0xF2, 0xEE)},
                                         {0.85, QColor(0xE6, 0xE3, 0xDA)},
                                         {1, QColor(0xD6, 0xD0, 0xC5)}})};
        if (state == State::Hot) {
            look.innerRim = QColor(0xF8, 0xB3, 0x3F);
            look.innerRimWidth = 2;
        } else if (state == State::Pressed) {
            look.fill =
                Ramp({{0, QColor(0xD9, 0xD7, 0xCE)}, {0.3, QColor(0xE6, 0xE4, 0xDD)}, {1, QColor(0xF2, 0xF1, 0xEC)}});
        }
        return painters::ButtonFrame(w, h, look, Face, false);
    }

    QImage CheckBox(bool checked, bool enabled, int w, int h) const override
    {
        const painters::SurfaceLook look{0, QColor(0x1C, 0x51, 0x80),
                                         Ramp({{0, QColor(0xDC, 0xDC, 0xD7)}, {1, QColor(0xFF, 0xFF, 0xFF)}})};
        QImage frame = painters::CheckFrame(w, h, QRect(0, 0, w, h), look, checked, QColor(0x21, 0xA1, 0x21), Face);
        return enabled ? frame : art::Disabled(frame, QColor(0xF4, 0xF3, 0xEE), 0.7);
    }

    QImage Progress(int w, int h) const override
    {
        return art::Rows(w, h,
                         Ramp({{0, QColor(0xBE, 0xF2, 0xB4)},
                               {0.35, QColor(0x4C, 0xD4, 0x3A)},
                               {0.55, QColor(0x26, 0xC0, 0x16)},
                               {1, QColor(0x9C, 0xE8, 0x90)}}));
    }

private:
    // The outer top corner gets a lighter rim along the window's rounded
    // corner (13 pixels), which the window region cuts round.
    QImage withRim(QImage image, bool mirrored) const
    {
        QImage layer = art::Transparent(image.width(), image.height());
        QPainter p(&layer);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0x9C, 0xC8, 0xFF, 200), 1));
        const double x = mirrored ? image.width() - 40.0 : 0.0;
        p.drawPath(art::RoundBox(QRectF(x, 0, 40, 60), 6.5));
        p.end();
        // Only the corner's first columns keep the rim, so the inner edge
        // matches the client rows exactly.
        QPainter q(&image);
        const QRect keep =
            mirrored ? QRect(image.width() - 14, 0, 14, image.height()) : QRect(0, 0, 14, image.height());
        q.setClipRect(keep);
        q.drawImage(0, 0, layer);
        return image;
    }
};

} // namespace

const StyleArt& WinXPStyle()
{
    static const WinXPArt art;
    return art;
}
