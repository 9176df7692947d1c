#pragma once

#include <QList>
#include <QRect>
#include <QRegion>
#include <QSize>

#include <Qt>

// Geometry of the skinned window frame. The frame replaces the window
// manager's border, so the rules that a window manager would apply (where the
// client panel sits, which edge a point grabs, the window's outline) are kept
// here as pure functions the frame and the tests both call.
namespace chrome {

// Hit-test codes. The values are the classic non-client codes so that the
// frame, the title bar and the tests all speak of the same bands.
enum HitTest : int {
    HtTransparent = -1,
    HtNowhere = 0,
    HtClient = 1,
    HtCaption = 2,
    HtLeft = 10,
    HtRight = 11,
    HtTop = 12,
    HtTopLeft = 13,
    HtTopRight = 14,
    HtBottom = 15,
    HtBottomLeft = 16,
    HtBottomRight = 17,
};

// Width of the band along each edge that grabs for resizing.
inline constexpr int kResizeBand = 5;

// Where the frame's panel sits in its host's client area: inside the border
// strips, flush with the top while the title bar shows (the bar then covers
// the top border line).
QRect PanelBounds(QSize hostClient, int borderWidth, bool titleBarVisible);

// The strips the frame paints in its border colour: left, bottom, right and
// the top line (which the title bar covers while it is visible).
QList<QRect> BorderStrips(QSize hostClient, int borderWidth);

// Host size for a requested panel size. The height keeps the historic
// B + B div 2 allowance (not 2B): stored form sizes were measured with it.
int HostHeightForPanel(int panelHeight, int borderWidth);
int HostWidthForPanel(int panelWidth, int borderWidth);

// Edge hit-test of the host form; `inherited` is the answer when no band
// matches or the rules are off (not sizeable, or maximised).
int FormEdgeHitTest(QPoint client, QSize hostClient, bool sizeable, bool maximised, int inherited);

// Top-band hit-test of the title bar, in bar coordinates.
int TitleBarEdgeHitTest(QPoint bar, int hostClientWidth, bool sizeable, bool maximised, int inherited);

// The window-system edges and the cursor that belong to a hit-test code.
Qt::Edges EdgesForHitTest(int code);
Qt::CursorShape CursorForHitTest(int code);

// How far in from each side each of the top rows of a rectangle of `size`
// with corners rounded by an ellipse of `corner` pixels starts, for the
// rows the rounding can reach (half the ellipse, rounded up; the last ones
// may be 0 already); empty for `corner` 0. The window's outline and the line
// the title bar draws along it both come from here, so they meet on both
// sides.
QList<int> CornerInsets(QSize size, int corner);

// The window's outline: a rectangle whose two top corners are rounded with
// an ellipse of `corner` pixels; the bottom corners are squared off again.
// `corner` 0 gives the plain rectangle.
QRegion WindowRegion(QRect client, int corner);

} // namespace chrome
