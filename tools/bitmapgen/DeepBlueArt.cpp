#include "Painters.h"
#include "Styles.h"

#include <QPainter>

// DeepBlue: flat dark blue. A navy caption band over a slightly deeper lower
// band, separated by a single lighter line; flat square title buttons; flat
// light push buttons with a navy outline. Few colours by design, so the
// 4-bit pictures hold it without loss.
namespace {

using art::Mix;
using art::Ramp;

const QColor Face(0xE8, 0xE8, 0xE8);
const QColor Navy(0x1F, 0x3C, 0x78);
const QColor Deep(0x1A, 0x33, 0x69);
const QColor Line(0x4A, 0x70, 0xB8);
const QColor Accent(0x33, 0x5C, 0xA8);

class DeepBlueArt : public StyleArt {
public:
    QString Prefix() const override { return QStringLiteral("DEEPBLUE"); }

    Palette Colours() const override
    {
        return {Face, Navy, QColor(0xE4, 0xEA, 0xF5), QColor(0xD0, 0xDA, 0xEC), Accent, Line, Navy, 0, false};
    }

    QColor TitleRow(int y, int h) const override
    {
        const int band = h * 23 / 32; // the caption band: 23 rows of a 32-row bar
        if (y == 0)
            return QColor(0x3A, 0x5C, 0x9C);
        if (y < band)
            return Navy;
        if (y == band)
            return QColor(0x35, 0x58, 0x9A);
        if (y == h - 1)
            return QColor(0x0B, 0x1A, 0x38);
        return Deep;
    }

    QImage TitleButton(TitleGlyph glyph, State state, int size, int top, int h) const override
    {
        const bool close = glyph == TitleGlyph::Close;
        QColor fill(0x2C, 0x4E, 0x8F), rim(Line);
        if (state == State::Hot) {
            fill = close ? QColor(0xC0, 0x39, 0x2B) : QColor(0x3D, 0x66, 0xB3);
            rim = close ? QColor(0xE0, 0x70, 0x65) : QColor(0x7F, 0xA0, 0xDA);
        } else if (state == State::Pressed) {
            fill = close ? QColor(0x8E, 0x23, 0x19) : QColor(0x14, 0x2B, 0x57);
        }
        QImage frame = TitleBackdrop(size, top, h);
        QPainter p(&frame);
        p.fillRect(1, 1, size - 2, size - 2, rim);
        p.fillRect(2, 2, size - 4, size - 4, fill);
        p.end();
        const int shift = state == State::Pressed ? 1 : 0;
        art::DrawGlyphCentred(frame, TitleGlyphFor(glyph, size), Qt::white, shift, shift);
        return frame;
    }

    QImage Button(State state, int w, int h) const override
    {
        QColor fill(0xDC, 0xE3, 0xF0), rim = Navy, light(0xF4, 0xF6, 0xFB);
        if (state == State::Hot) {
            fill = QColor(0xEA, 0xF0, 0xFA);
            rim = Accent;
            light = QColor(0xFF, 0xFF, 0xFF);
        } else if (state == State::Pressed) {
            fill = QColor(0xBC, 0xCB, 0xE6);
            light = QColor(0xA8, 0xBA, 0xDC);
        }
        return art::StretchSafe(w, h, [&](int fw, int fh) {
            QImage frame = art::Blank(fw, fh, rim);
            QPainter p(&frame);
            p.fillRect(1, 1, fw - 2, fh - 2, fill);
            p.fillRect(1, 1, fw - 2, 1, light);
            if (state == State::Hot)
                p.fillRect(1, fh - 2, fw - 2, 1, Accent);
            return frame;
        });
    }

    QImage CheckBox(bool checked, bool enabled, int w, int h) const override
    {
        const QColor rim = enabled ? Navy : QColor(0x9A, 0xA3, 0xB5);
        QImage frame = art::Blank(w, h, rim);
        QPainter p(&frame);
        p.fillRect(1, 1, w - 2, h - 2, enabled ? Qt::white : QColor(0xF0, 0xF0, 0xF0));
        p.end();
        if (checked)
            art::DrawGlyphCentred(frame, painters::CheckGlyph(w), enabled ? Navy : QColor(0x9A, 0xA3, 0xB5));
        return frame;
    }

    QImage Progress(int w, int h) const override
    {
        QImage image = art::Blank(w, h, QColor(0x2A, 0x4F, 0x96));
        QPainter p(&image);
        p.fillRect(0, 0, w, 1, QColor(0x4A, 0x70, 0xB8));
        p.fillRect(0, h - 1, w, 1, Navy);
        return image;
    }
};

} // namespace

const StyleArt& DeepBlueStyle()
{
    static const DeepBlueArt art;
    return art;
}
