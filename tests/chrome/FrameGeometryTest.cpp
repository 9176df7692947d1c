#include "skin/chrome/FrameGeometry.h"

#include <gtest/gtest.h>

using namespace chrome;

TEST(FrameGeometry, PanelBoundsFollowBorderAndTitleBar)
{
    struct Row {
        int border;
        bool titleBar;
        QRect expected;
    };
    const Row rows[] = {
        {1, true, QRect(1, 0, 628, 448)},
        {1, false, QRect(1, 1, 628, 447)},
        {3, true, QRect(3, 0, 624, 446)},
        {3, false, QRect(3, 3, 624, 443)},
    };
    for (const Row& r : rows)
        EXPECT_EQ(PanelBounds(QSize(630, 449), r.border, r.titleBar), r.expected)
            << "border " << r.border << " title bar " << r.titleBar;
}

TEST(FrameGeometry, HostSizeForPanelSize)
{
    EXPECT_EQ(HostHeightForPanel(441, 1), 442);
    EXPECT_EQ(HostHeightForPanel(441, 3), 445);
    EXPECT_EQ(HostWidthForPanel(628, 1), 630);
    EXPECT_EQ(HostWidthForPanel(624, 3), 630);
}

TEST(FrameGeometry, BorderStripsCoverTheEdgesOnly)
{
    const auto strips = BorderStrips(QSize(100, 80), 3);
    ASSERT_EQ(strips.size(), 4);
    EXPECT_EQ(strips[0], QRect(0, 0, 3, 80));   // left
    EXPECT_EQ(strips[1], QRect(0, 77, 100, 3)); // bottom
    EXPECT_EQ(strips[2], QRect(97, 0, 3, 80));  // right
    EXPECT_EQ(strips[3], QRect(0, 0, 100, 2));  // top line, lower half of a 3-pixel pen
    EXPECT_EQ(BorderStrips(QSize(100, 80), 1)[3], QRect(0, 0, 100, 1));
}

TEST(FrameGeometry, FormEdgeHitTestBands)
{
    const QSize client(630, 449);
    const int cw = client.width();
    const int ch = client.height();
    struct Row {
        QPoint p;
        int expected;
    };
    const Row rows[] = {
        {{2, 2}, HtTopLeft},
        {{cw - 4, 2}, HtTopRight},
        {{cw - 4, ch - 4}, HtBottomRight},
        {{2, ch - 4}, HtBottomLeft},
        {{2, 100}, HtLeft},
        {{100, 2}, HtTop},
        {{cw - 4, 100}, HtRight},
        {{100, ch - 4}, HtBottom},
        {{cw - 5, 10}, HtClient}, // on the band's inner edge: not in it
        {{5, 5}, HtClient},
        {{4, 5}, HtLeft},
        {{-3, -3}, HtTopLeft}, // signed positions left of and above the window
    };
    for (const Row& r : rows)
        EXPECT_EQ(FormEdgeHitTest(r.p, client, true, false, HtClient), r.expected) << r.p.x() << "," << r.p.y();
    // Nothing changes while maximised or when the host was not sizeable.
    EXPECT_EQ(FormEdgeHitTest({2, 2}, client, true, true, HtClient), HtClient);
    EXPECT_EQ(FormEdgeHitTest({2, 2}, client, false, false, HtClient), HtClient);
}

TEST(FrameGeometry, TitleBarTopBand)
{
    struct Row {
        QPoint p;
        int expected;
    };
    const Row rows[] = {
        {{2, 2}, HtTopLeft}, {{596, 2}, HtTopRight}, {{595, 2}, HtTop},
        {{300, 4}, HtTop},   {{300, 5}, HtClient},   {{2, 10}, HtClient},
    };
    for (const Row& r : rows)
        EXPECT_EQ(TitleBarEdgeHitTest(r.p, 600, true, false, HtClient), r.expected) << r.p.x() << "," << r.p.y();
    EXPECT_EQ(TitleBarEdgeHitTest({300, 2}, 600, true, true, HtClient), HtClient);
    EXPECT_EQ(TitleBarEdgeHitTest({300, 2}, 600, false, false, HtClient), HtClient);
}

TEST(FrameGeometry, HitTestCodesMapToEdgesAndCursors)
{
    EXPECT_EQ(EdgesForHitTest(HtTopLeft), Qt::TopEdge | Qt::LeftEdge);
    EXPECT_EQ(EdgesForHitTest(HtBottomRight), Qt::BottomEdge | Qt::RightEdge);
    EXPECT_EQ(EdgesForHitTest(HtBottom), Qt::Edges(Qt::BottomEdge));
    EXPECT_EQ(EdgesForHitTest(HtClient), Qt::Edges());
    EXPECT_EQ(CursorForHitTest(HtTopRight), Qt::SizeBDiagCursor);
    EXPECT_EQ(CursorForHitTest(HtLeft), Qt::SizeHorCursor);
    EXPECT_EQ(CursorForHitTest(HtCaption), Qt::ArrowCursor);
}

TEST(FrameGeometry, WindowRegionRoundsOnlyTheTopCorners)
{
    const QRect k(0, 0, 300, 200);
    const QRegion r = WindowRegion(k, 11);
    EXPECT_FALSE(r.contains(QPoint(0, 0)));
    EXPECT_FALSE(r.contains(QPoint(299, 0)));
    EXPECT_FALSE(r.contains(QPoint(1, 1)));
    EXPECT_TRUE(r.contains(QPoint(5, 0)) || r.contains(QPoint(6, 0)));
    EXPECT_TRUE(r.contains(QPoint(150, 0)));
    EXPECT_TRUE(r.contains(QPoint(0, 10)));
    EXPECT_TRUE(r.contains(QPoint(0, 199))); // bottom corners stay square
    EXPECT_TRUE(r.contains(QPoint(299, 199)));
    EXPECT_TRUE(r.contains(QPoint(150, 100)));
    // The round corners are mirror images of each other.
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(r.contains(QPoint(x, y)), r.contains(QPoint(299 - x, y))) << x << "," << y;
}

TEST(FrameGeometry, WindowRegionCornerZeroIsPlainRectangle)
{
    const QRect k(0, 0, 300, 200);
    EXPECT_EQ(WindowRegion(k, 0), QRegion(k));
    EXPECT_TRUE(WindowRegion(k, 0).contains(QPoint(0, 0)));
}
