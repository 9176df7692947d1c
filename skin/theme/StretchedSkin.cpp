#include "skin/theme/StretchedSkin.h"

using runtime::Rect;

namespace {

int half(int n)
{
    return n / 2;
}
int far(int n)
{
    return n - n / 2 + 1;
}

enum class Keep { TopLeft, BottomLeft, TopRight, BottomRight };

// Draws one corner and returns the rectangle where it landed. A corner is
// the smaller of its source and destination boxes, cut on the side away from
// the corner; an empty corner lands as an empty rectangle at its place, so
// the edges that lean on it still get sensible bounds.
QRect drawCorner(runtime::Canvas& canvas, const QImage& skin, const QRect& source, const QRect& dest, Keep keep,
                 const QRect& target, bool transparent)
{
    const int cw = std::max(0, std::min(source.width(), dest.width()));
    const int ch = std::max(0, std::min(source.height(), dest.height()));
    const bool left = keep == Keep::TopLeft || keep == Keep::BottomLeft;
    const bool top = keep == Keep::TopLeft || keep == Keep::TopRight;
    const int sx = left ? source.x() : runtime::Right(source) - cw;
    const int sy = top ? source.y() : runtime::Bottom(source) - ch;
    const int dx = left ? 0 : runtime::Right(target) - cw;
    const int dy = top ? 0 : runtime::Bottom(target) - ch;
    if (cw > 0 && ch > 0) {
        const QImage corner = runtime::StretchNearest(skin, QRect(sx, sy, cw, ch), cw, ch);
        if (transparent)
            canvas.drawTransparent(dx, dy, corner, SkinKeyColor);
        else
            canvas.draw(dx, dy, corner);
    }
    return QRect(dx, dy, cw, ch);
}

enum class Cut { None, KeepLeft, KeepRight, KeepTop, KeepBottom };

// Draws an edge or the centre: the source box, cut down to the destination
// size where noted, stretched over the destination with magenta see-through.
void drawPart(runtime::Canvas& canvas, const QImage& skin, QRect source, const QRect& dest, Cut cut)
{
    if (dest.width() <= 0 || dest.height() <= 0)
        return;
    if ((cut == Cut::KeepLeft || cut == Cut::KeepRight) && dest.width() < source.width()) {
        if (cut == Cut::KeepRight)
            source.setLeft(runtime::Right(source) - dest.width());
        source.setWidth(dest.width());
    }
    if ((cut == Cut::KeepTop || cut == Cut::KeepBottom) && dest.height() < source.height()) {
        if (cut == Cut::KeepBottom)
            source.setTop(runtime::Bottom(source) - dest.height());
        source.setHeight(dest.height());
    }
    // An even skin size leaves some source boxes without a row or column;
    // such a part takes the one row or column at its position instead of
    // leaving a hole.
    if (source.width() <= 0)
        source.setWidth(1);
    if (source.height() <= 0)
        source.setHeight(1);
    canvas.drawTransparent(dest.x(), dest.y(), runtime::StretchNearest(skin, source, dest.width(), dest.height()),
                           SkinKeyColor);
}

} // namespace

void DrawStretchedSkin(const QImage& frame, runtime::Canvas& canvas, const QRect& rect, bool transparent)
{
    if (frame.isNull() || frame.width() == 0 || frame.height() == 0)
        return;
    const QImage& skin = frame;
    const int sw = frame.width(), sh = frame.height();
    const int W = rect.width(), H = rect.height();
    const int bottom = runtime::Bottom(rect);

    const QRect tl = drawCorner(canvas, skin, Rect(0, 0, half(sw), half(sh)), Rect(0, 0, half(W), half(H)),
                                Keep::TopLeft, rect, transparent);
    const QRect bl = drawCorner(canvas, skin, Rect(0, far(sh), half(sw), sh), Rect(0, far(H), half(W), H),
                                Keep::BottomLeft, rect, transparent);
    drawPart(canvas, skin, Rect(0, half(sh), half(sw), sh - half(sh)),
             Rect(0, runtime::Bottom(tl), runtime::Right(tl), bl.y()), Cut::KeepLeft);
    const QRect tr = drawCorner(canvas, skin, Rect(far(sw), 0, sw, half(sh)), Rect(far(W), 0, W, half(H)),
                                Keep::TopRight, rect, transparent);
    const QRect br = drawCorner(canvas, skin, Rect(far(sw), far(sh), sw, sh), Rect(far(W), far(H), W, H),
                                Keep::BottomRight, rect, transparent);
    drawPart(canvas, skin, Rect(far(sw), sh - half(sh), sw, half(sh) + 2),
             Rect(tr.x(), runtime::Bottom(tr), runtime::Right(tr), br.y()), Cut::KeepRight);
    drawPart(canvas, skin, Rect(half(sw), 0, far(sw), half(sh)),
             Rect(runtime::Right(tl), 0, tr.x(), runtime::Bottom(tl)), Cut::KeepTop);
    drawPart(canvas, skin, Rect(half(sw), half(sh), far(sw), sh - half(sh)),
             Rect(runtime::Right(tl), runtime::Bottom(tl), tr.x(), br.y() - 1), Cut::None);
    drawPart(canvas, skin, Rect(half(sw), sh - half(sh), far(sw), sh),
             Rect(runtime::Right(tl) - 1, bl.y() - 1, br.x(), bottom), Cut::KeepBottom);
}
