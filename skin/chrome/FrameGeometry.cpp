#include "skin/chrome/FrameGeometry.h"

#include <algorithm>
#include <cmath>

namespace chrome {

QRect PanelBounds(QSize hostClient, int borderWidth, bool titleBarVisible)
{
    const int b = borderWidth;
    const int top = titleBarVisible ? 0 : b;
    return QRect(b, top, hostClient.width() - 2 * b, hostClient.height() - b - top);
}

QList<QRect> BorderStrips(QSize hostClient, int borderWidth)
{
    const int b = borderWidth;
    const int cw = hostClient.width();
    const int ch = hostClient.height();
    // The top line is drawn with a pen of width B centred on row 0, so only
    // its lower half (rounded up) lands inside the window.
    const int topRows = b - b / 2;
    return {
        QRect(QPoint(0, 0), QPoint(b - 1, ch - 1)),
        QRect(QPoint(0, ch - b), QPoint(cw - 1, ch - 1)),
        QRect(QPoint(cw - b, 0), QPoint(cw - 1, ch - 1)),
        QRect(0, 0, cw, topRows),
    };
}

int HostHeightForPanel(int panelHeight, int borderWidth)
{
    return panelHeight + borderWidth + borderWidth / 2;
}

int HostWidthForPanel(int panelWidth, int borderWidth)
{
    return panelWidth + 2 * borderWidth;
}

int FormEdgeHitTest(QPoint p, QSize hostClient, bool sizeable, bool maximised, int inherited)
{
    if (maximised || !sizeable)
        return inherited;
    const int cw = hostClient.width();
    const int ch = hostClient.height();
    const bool left = p.x() < kResizeBand;
    const bool top = p.y() < kResizeBand;
    const bool right = p.x() > cw - kResizeBand;
    const bool bottom = p.y() > ch - kResizeBand;
    // First matching rule wins, corners before sides.
    if (left && top)
        return HtTopLeft;
    if (right && top)
        return HtTopRight;
    if (right && bottom)
        return HtBottomRight;
    if (left && bottom)
        return HtBottomLeft;
    if (left)
        return HtLeft;
    if (top)
        return HtTop;
    if (right)
        return HtRight;
    if (bottom)
        return HtBottom;
    return inherited;
}

int TitleBarEdgeHitTest(QPoint p, int hostClientWidth, bool sizeable, bool maximised, int inherited)
{
    if (maximised || !sizeable || p.y() >= kResizeBand)
        return inherited;
    if (p.x() < kResizeBand)
        return HtTopLeft;
    if (p.x() > hostClientWidth - kResizeBand)
        return HtTopRight;
    return HtTop;
}

Qt::Edges EdgesForHitTest(int code)
{
    switch (code) {
    case HtLeft:
        return Qt::LeftEdge;
    case HtRight:
        return Qt::RightEdge;
    case HtTop:
        return Qt::TopEdge;
    case HtBottom:
        return Qt::BottomEdge;
    case HtTopLeft:
        return Qt::TopEdge | Qt::LeftEdge;
    case HtTopRight:
        return Qt::TopEdge | Qt::RightEdge;
    case HtBottomLeft:
        return Qt::BottomEdge | Qt::LeftEdge;
    case HtBottomRight:
        return Qt::BottomEdge | Qt::RightEdge;
    default:
        return {};
    }
}

Qt::CursorShape CursorForHitTest(int code)
{
    switch (code) {
    case HtLeft:
    case HtRight:
        return Qt::SizeHorCursor;
    case HtTop:
    case HtBottom:
        return Qt::SizeVerCursor;
    case HtTopLeft:
    case HtBottomRight:
        return Qt::SizeFDiagCursor;
    case HtTopRight:
    case HtBottomLeft:
        return Qt::SizeBDiagCursor;
    default:
        return Qt::ArrowCursor;
    }
}

QList<int> CornerInsets(QSize size, int corner)
{
    const double a = std::min({double(corner), double(size.width()), double(size.height())}) / 2.0;
    QList<int> insets;
    if (a <= 0)
        return insets;
    const int band = int(std::ceil(a));
    for (int y = 0; y < band; ++y) {
        const double dy = a - (y + 0.5);
        insets.append(dy > 0 ? int(std::lround(a - std::sqrt(a * a - dy * dy))) : 0);
    }
    return insets;
}

namespace {

// A rectangle with all four corners rounded by an ellipse of diameter d,
// built row by row so the outline is the same on every window system.
QRegion RoundRectRegion(QRect rect, int d)
{
    const QList<int> insets = CornerInsets(rect.size(), d);
    const int band = int(insets.size());
    QRegion region;
    int rowStart = 0;
    auto flush = [&](int rowEnd) {
        const int inset = insets[rowStart];
        const QRect top(rect.left() + inset, rect.top() + rowStart, rect.width() - 2 * inset, rowEnd - rowStart);
        region += top;
        region += QRect(top.left(), rect.bottom() + 1 - rowEnd, top.width(), rowEnd - rowStart);
    };
    for (int y = 1; y < band; ++y) {
        if (insets[y] != insets[rowStart]) {
            flush(y);
            rowStart = y;
        }
    }
    if (band > 0)
        flush(band);
    region += QRect(rect.left(), rect.top() + band, rect.width(), rect.height() - 2 * band);
    return region;
}

} // namespace

QRegion WindowRegion(QRect k, int corner)
{
    if (corner <= 0)
        return QRegion(k);
    // A rounded-rectangle region leaves out its right and bottom edge on the
    // window system this outline was designed on, which is why the rectangle
    // was given one pixel larger there; the outline covers exactly the window.
    const int right = k.x() + k.width();
    const int bottom = k.y() + k.height();
    QRegion region = RoundRectRegion(k, corner);
    // Square the bottom corners off again: only the top ones stay round.
    const int span = 2 * corner;
    region += QRect(QPoint(k.x(), bottom - span), QPoint(k.x() + span - 1, bottom - 1));
    region += QRect(QPoint(right - span, bottom - span), QPoint(right - 1, bottom - 1));
    return region;
}

} // namespace chrome
