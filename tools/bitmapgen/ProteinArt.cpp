#include "Painters.h"
#include "Styles.h"

#include <QPainter>

#include <cmath>

// Protein: light and airy. A soft sky-blue bar whose long left image carries
// a chain of translucent bubbles, like a molecule, drifting out into the
// plain bar; white bubble title buttons keyed out of the bar; white push
// buttons with a pale blue outline on a nearly white dialog.
namespace {

using art::Mix;
using art::Ramp;

const QColor Face(0xFB, 0xFB, 0xFB);
const QColor Sky(0x5F, 0xA4, 0xE0);
const QColor Ink(0x2A, 0x6C, 0xB0);

class ProteinArt : public StyleArt {
public:
    QString Prefix() const override { return QStringLiteral("PROTEIN"); }

    Palette Colours() const override
    {
        return {Face,
                QColor(0x9C, 0xC3, 0xE6),
                QColor(0xFF, 0xFF, 0xFF),
                QColor(0xE2, 0xF0, 0xFC),
                Sky,
                QColor(0xC6, 0xE3, 0xFA),
                Ink,
                4,
                false};
    }

    QColor TitleRow(int y, int h) const override
    {
        if (y == 0)
            return QColor(0xC4, 0xE2, 0xFA);
        if (y == h - 1)
            return QColor(0x4A, 0x8C, 0xCB);
        // Rows pair up so the whole bar has few colours: the client image
        // holds only sixteen.
        const int pair = (y - 1) / 2;
        const int pairs = (h - 1) / 2;
        return Ramp({{0, QColor(0x8E, 0xC6, 0xF1)}, {0.5, QColor(0x6C, 0xAF, 0xE8)}, {1, QColor(0x58, 0x9C, 0xDC)}})
            .Row(pair, pairs);
    }

    QImage TitleLeft(int w, int h) const override
    {
        QImage image = TitleClient(w, h);
        QImage layer = art::Transparent(w, h);
        QPainter p(&layer);
        p.setRenderHint(QPainter::Antialiasing);
        // The bubbles keep clear of the caption at the left and thin out
        // towards the right; none reaches the last 16 columns, where the
        // image meets the client rows.
        struct Bubble {
            double x, y, r;
        };
        const Bubble chain[] = {{0.60, 0.60, 5.5}, {0.65, 0.34, 7.0}, {0.71, 0.64, 4.5}, {0.76, 0.32, 5.5},
                                {0.82, 0.58, 7.5}, {0.88, 0.36, 4.0}, {0.92, 0.62, 3.5}, {0.95, 0.42, 2.5}};
        p.setPen(QPen(QColor(255, 255, 255, 70), 1.2));
        for (size_t i = 1; i < std::size(chain); ++i)
            p.drawLine(QPointF(chain[i - 1].x * w, chain[i - 1].y * h), QPointF(chain[i].x * w, chain[i].y * h));
        for (const Bubble& b : chain) {
            const QPointF c(b.x * w, b.y * h);
            const double fade = 1.0 - 0.6 * (b.x - 0.60) / 0.35;
            QRadialGradient g(c + QPointF(-b.r * 0.35, -b.r * 0.35), b.r * 1.2);
            g.setColorAt(0, QColor(255, 255, 255, int(150 * fade)));
            g.setColorAt(1, QColor(255, 255, 255, int(30 * fade)));
            p.setBrush(g);
            p.setPen(QPen(QColor(255, 255, 255, int(170 * fade)), 1));
            p.drawEllipse(c, b.r, b.r);
        }
        p.end();
        QPainter q(&image);
        q.setClipRect(0, 0, w - 16, h);
        q.drawImage(0, 0, layer);
        return image;
    }

    QImage TitleButton(TitleGlyph glyph, State state, int size, int top, int h) const override
    {
        const bool close = glyph == TitleGlyph::Close;
        QColor body(255, 255, 255, 150), ink(0x2A, 0x6C, 0xB0), ring(255, 255, 255, 230);
        if (state == State::Hot) {
            body = close ? QColor(0xFF, 0xDC, 0xDC) : QColor(0xFF, 0xFF, 0xFF);
            ink = close ? QColor(0xC0, 0x39, 0x2B) : QColor(0x1E, 0x55, 0x90);
        } else if (state == State::Pressed) {
            body = close ? QColor(0xF0, 0xA8, 0xA0) : QColor(0xCC, 0xE5, 0xFA);
            ink = close ? QColor(0x90, 0x20, 0x18) : QColor(0x1E, 0x55, 0x90);
            ring = QColor(0x2A, 0x6C, 0xB0, 200);
        }
        QImage layer = art::Transparent(size, size);
        QPainter p(&layer);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(ring, 1));
        p.setBrush(body);
        p.drawEllipse(QRectF(0.5, 0.5, size - 1, size - 1));
        p.end();
        QImage frame = art::Flatten(layer, TitleBackdrop(size, top, h), true);
        const int shift = state == State::Pressed ? 1 : 0;
        const art::Glyph& g = TitleGlyphFor(glyph, size);
        art::DrawGlyphCentred(frame, g, ink, shift, shift);
        return frame;
    }

    QImage Button(State state, int w, int h) const override
    {
        painters::SurfaceLook look{
            5, QColor(0x9C, 0xC3, 0xE6),
            Ramp({{0, QColor(0xFF, 0xFF, 0xFF)}, {0.5, QColor(0xF4, 0xF9, 0xFE)}, {1, QColor(0xE2, 0xF0, 0xFC)}})};
        if (state == State::Hot) {
            look.border = QColor(0x5F, 0xA8, 0xE8);
            look.fill =
                Ramp({{0, QColor(0xFF, 0xFF, 0xFF)}, {0.5, QColor(0xEA, 0xF6, 0xFF)}, {1, QColor(0xCF, 0xEA, 0xFF)}});
            look.innerRim = QColor(0xFF, 0xFF, 0xFF);
        } else if (state == State::Pressed) {
            look.border = QColor(0x4A, 0x8C, 0xCB);
            look.fill =
                Ramp({{0, QColor(0xCC, 0xE4, 0xF8)}, {0.5, QColor(0xDC, 0xEE, 0xFC)}, {1, QColor(0xEA, 0xF5, 0xFE)}});
        }
        return painters::ButtonFrame(w, h, look, Face, false);
    }

    QImage CheckBox(bool checked, bool enabled, int w, int h) const override
    {
        const painters::SurfaceLook look{2, QColor(0x7F, 0xB2, 0xE0),
                                         Ramp({{0, QColor(0xFF, 0xFF, 0xFF)}, {1, QColor(0xE4, 0xF1, 0xFD)}})};
        const QImage frame = painters::CheckFrame(w, h, QRect(0, 0, w, h), look, checked, Ink, Face);
        return enabled ? frame : art::Disabled(frame, Face, 0.6);
    }

    QImage Progress(int w, int h) const override
    {
        return art::Rows(w, h,
                         Ramp({{0, QColor(0xDC, 0xF0, 0xFE)},
                               {0.45, QColor(0x8C, 0xC8, 0xF4)},
                               {0.6, QColor(0x6E, 0xB6, 0xEE)},
                               {1, QColor(0xB4, 0xDC, 0xF8)}}));
    }
};

} // namespace

const StyleArt& ProteinStyle()
{
    static const ProteinArt art;
    return art;
}
