#include "GenericParts.h"

#include "Painters.h"

#include <QPainter>

namespace generic {

namespace {

using art::Mix;
using art::Ramp;

Ramp raised(const Palette& c, State state)
{
    QColor top = c.top, bottom = c.bottom;
    if (state == State::Hot) {
        top = Mix(c.top, c.accentLight, 0.5);
        bottom = Mix(c.bottom, c.accentLight, 0.6);
    } else if (state == State::Pressed) {
        top = Mix(c.bottom, c.accent, 0.25);
        bottom = Mix(c.top, c.accentLight, 0.4);
    }
    if (c.gloss)
        return Ramp({{0, top}, {0.45, Mix(top, bottom, 0.3)}, {0.5, bottom}, {1, Mix(bottom, top, 0.4)}});
    return Ramp({{0, top}, {1, bottom}});
}

// Paints a raised surface on a layer and flattens it onto the face colour.
QImage raisedBox(const Palette& c, State state, int w, int h, const QRectF& box)
{
    QImage layer = art::Transparent(w, h);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    painters::Surface(p, box, c.radius, c.border, raised(c, state));
    p.end();
    return art::Flatten(layer, c.face);
}

State stateOf(int k)
{
    return k == 0 ? State::Normal : k == 1 ? State::Hot : State::Pressed;
}

} // namespace

QImage Radio(const Palette& c, bool checked, bool enabled, int w, int h)
{
    const int side = std::min(w, h);
    const QRect box((w - side) / 2, (h - side) / 2, side, side);
    const painters::SurfaceLook look{side / 2.0, c.border, raised(c, State::Normal)};
    const QImage frame = painters::RadioFrame(w, h, box, look, checked, c.accent.darker(130), c.face);
    return enabled ? frame : art::Disabled(frame, c.face);
}

QImage TrackGroove(const Palette& c, int w, int h)
{
    QImage layer = art::Transparent(w, h);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    painters::Surface(p, QRectF(0, 0, w, h), std::min(2.0, h / 2.0), c.border.lighter(120),
                      Ramp({{0, c.bottom.darker(115)}, {1, c.top}}));
    p.end();
    return art::Flatten(layer, c.face);
}

QImage TrackThumb(const Palette& c, int w, int h, bool vertical)
{
    QImage layer = art::Transparent(w, h);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    // A pointer: a box with its far end drawn to a point (down, or right when
    // the track bar stands upright).
    QPainterPath path;
    if (!vertical) {
        const double tip = h - w / 2.0;
        path.moveTo(0.5, 0.5);
        path.lineTo(w - 0.5, 0.5);
        path.lineTo(w - 0.5, tip);
        path.lineTo(w / 2.0, h - 0.5);
        path.lineTo(0.5, tip);
    } else {
        const double tip = w - h / 2.0;
        path.moveTo(0.5, 0.5);
        path.lineTo(tip, 0.5);
        path.lineTo(w - 0.5, h / 2.0);
        path.lineTo(tip, h - 0.5);
        path.lineTo(0.5, h - 0.5);
    }
    path.closeSubpath();
    p.setBrush(painters::Vertical(raised(c, State::Normal), QRectF(0, 0, w, h)));
    p.setPen(QPen(c.border, 1));
    p.drawPath(path);
    p.end();
    return art::Flatten(layer, c.face);
}

QImage ScrollArrow(const Palette& c, int frame, int w, int h)
{
    QImage image = raisedBox(c, stateOf(frame % 3), w, h, QRectF(0, 0, w, h));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double shift = frame % 3 == 2 ? 1 : 0;
    painters::Arrow(p, QRectF(shift, shift, w, h), frame < 3 ? 0 : 2, std::min(w, h) * 0.45, c.ink);
    return image;
}

QImage ScrollThumb(const Palette& c, int frame, int w, int h)
{
    // The three slices come from one thumb drawn three frames wide.
    QImage whole = raisedBox(c, State::Normal, 3 * w, h, QRectF(0, 0, 3 * w, h));
    QPainter p(&whole);
    for (int i = -1; i <= 1; ++i)
        p.fillRect(3 * w / 2 + 3 * i - 1, h / 2 - 3, 1, 6, Mix(c.ink, c.face, 0.4));
    p.end();
    return whole.copy(frame * w, 0, w, h);
}

QImage ScrollButton(const Palette& c, int frame, int w, int h)
{
    const bool pressed = frame % 2 == 1;
    QImage image = raisedBox(c, pressed ? State::Pressed : State::Normal, w, h, QRectF(1, 1, w - 2, h - 2));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double shift = pressed ? 1 : 0;
    painters::Arrow(p, QRectF(shift, shift, w, h), frame < 2 ? 3 : 1, std::min(w, h) * 0.4, c.ink);
    return image;
}

QImage Tab(const Palette& c, int frame, int w, int h)
{
    const bool selected = frame == 0;
    QImage layer = art::Transparent(w, h);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box(0, selected ? 0 : 2, w, h + 4); // open at the bottom
    painters::Surface(p, box, std::min(3.0, w / 3.0), c.border,
                      selected ? Ramp({{0, c.top}, {1, c.face}})
                               : Ramp({{0, c.bottom}, {1, Mix(c.bottom, c.border, 0.2)}}));
    if (selected) {
        p.setPen(Qt::NoPen);
        p.setBrush(c.accent);
        p.drawRect(QRectF(1, 0, w - 2, 2));
    }
    p.end();
    return art::Flatten(layer, c.face);
}

QImage TabLine(const Palette& c, int w, int h)
{
    QImage image = art::Blank(w, h, c.face);
    QPainter p(&image);
    p.fillRect(0, 0, w, 1, c.border);
    if (h > 2)
        p.fillRect(0, 1, w, h - 1, Ramp({{0, c.top}, {1, c.face}}).At(0.3));
    return image;
}

QImage SideHandle(const Palette& c, int w, int h)
{
    QImage image = raisedBox(c, State::Normal, w, h, QRectF(0, 0, w, h));
    // A column of grip dots with a light shadow.
    const int first = h / 2 - 12;
    for (int y = first; y < first + 24; y += 4) {
        image.setPixelColor(w / 2 - 1, y, c.ink);
        image.setPixelColor(w / 2, y + 1, Qt::white);
    }
    return image;
}

QImage SideBar(const Palette& c, int w, int h)
{
    return art::Rows(
        w, h,
        c.gloss ? Ramp({{0, c.accentLight}, {0.5, c.accent.lighter(115)}, {0.52, c.accent}, {1, c.accent.darker(110)}})
                : Ramp({{0, c.accent.lighter(120)}, {1, c.accent}}));
}

} // namespace generic
