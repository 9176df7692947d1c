#include "ThemeFileTestSupport.h"

#include "runtime/Canvas.h"
#include "skin/theme/FormHelpers.h"
#include "skin/theme/MenuDrawing.h"
#include "skin/theme/SkinBitmaps.h"
#include "skin/theme/StretchedSkin.h"

#include <gtest/gtest.h>

using runtime::Rect;

namespace {

constexpr QRgb Magenta = 0xFFFF00FFu;
constexpr QRgb Green = 0xFF00FF00u;

QPoint sourceOf(const QImage& image, int x, int y)
{
    const QRgb p = image.pixel(x, y);
    return QPoint(qRed(p), qGreen(p));
}

QImage blank(int width, int height, QRgb fill = Green)
{
    QImage image(width, height, runtime::BitmapFormat);
    image.fill(fill);
    return image;
}

} // namespace

TEST(SkinBitmaps, ExtractBitmapFrameCutsEqualFramesAndDropsTheRemainder)
{
    struct Case {
        int width, height, count, index, firstColumn, frameWidth;
    };
    const Case cases[] = {
        {54, 21, 3, 3, 36, 18}, // the last of three frames
        {54, 21, 3, 2, 18, 18}, {52, 13, 4, 1, 0, 13},
        {52, 13, 4, 4, 39, 13}, {55, 13, 4, 4, 39, 13}, // width not a multiple of the count
    };
    for (const Case& c : cases) {
        QImage frame;
        ExtractBitmapFrame(CoordinateImage(c.width, c.height), frame, c.count, c.index);
        ASSERT_EQ(frame.size(), QSize(c.frameWidth, c.height));
        EXPECT_EQ(sourceOf(frame, 0, 0), QPoint(c.firstColumn, 0));
        EXPECT_EQ(sourceOf(frame, c.frameWidth - 1, c.height - 1),
                  QPoint(c.firstColumn + c.frameWidth - 1, c.height - 1));
    }
    QImage dest = blank(3, 3);
    ExtractBitmapFrame(QImage(), dest, 3, 1);
    EXPECT_TRUE(dest.isNull());
}

TEST(SkinBitmaps, RotateBitmapLeftTurnsCounterClockwise)
{
    QImage image = CoordinateImage(6, 10);
    RotateBitmapLeft(image);
    ASSERT_EQ(image.size(), QSize(10, 6));
    EXPECT_EQ(sourceOf(image, 0, 0), QPoint(5, 0)); // top-right ends at top-left
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 10; ++x)
            ASSERT_EQ(sourceOf(image, x, y), QPoint(5 - y, x));
}

TEST(SkinBitmaps, TileDrawStartsAtTheOriginAndRunsOneTilePast)
{
    QImage target = blank(20, 20);
    runtime::Canvas canvas(&target);
    TileDraw(canvas, CoordinateImage(3, 4), Rect(5, 5, 12, 10));
    // Tiles cover x < 3 + 7 and y < 4 + 5: columns 0..11 and rows 0..11.
    EXPECT_EQ(sourceOf(target, 0, 0), QPoint(0, 0));
    EXPECT_EQ(sourceOf(target, 7, 9), QPoint(1, 1));
    EXPECT_EQ(sourceOf(target, 11, 11), QPoint(2, 3));
    EXPECT_EQ(target.pixel(12, 0), Green);
    EXPECT_EQ(target.pixel(0, 12), Green);
}

TEST(SkinBitmaps, TileDrawWithAnEmptyPictureDrawsNothing)
{
    QImage target = blank(8, 8);
    runtime::Canvas canvas(&target);
    TileDraw(canvas, QImage(), Rect(0, 0, 8, 8));
    TileDraw(canvas, QImage(0, 5, runtime::BitmapFormat), Rect(0, 0, 8, 8));
    EXPECT_EQ(target, blank(8, 8));
}

TEST(StretchedSkin, NinePartsOfAnOddFrameLandWhereTheRulesPutThem)
{
    QImage target = blank(75, 23);
    runtime::Canvas canvas(&target);
    DrawStretchedSkin(CoordinateImage(18, 21), canvas, Rect(0, 0, 75, 23), true);

    struct Part {
        const char* name;
        QRect dest;
        int dx, dy;
        bool fixedX, fixedY;
        int sx, sy;
    };
    // dest box, then the source pixel of its top-left and whether a column
    // or row is held fixed (stretched) in that direction.
    const Part parts[] = {
        {"top-left", Rect(0, 0, 9, 10), 0, 0, false, false, 0, 0},
        {"bottom-left", Rect(0, 14, 8, 23), 0, 14, false, false, 0, 12},
        {"left edge", Rect(0, 10, 8, 13), 0, 10, false, true, 0, 10},
        {"top-right", Rect(67, 0, 75, 10), 67, 0, false, false, 10, 0},
        {"bottom-right", Rect(67, 14, 75, 23), 67, 14, false, false, 10, 12},
        {"right edge", Rect(67, 10, 75, 14), 67, 10, false, true, 10, 11},
        {"top edge", Rect(9, 0, 67, 10), 9, 0, true, false, 9, 0},
        {"centre", Rect(9, 10, 67, 13), 9, 10, true, true, 9, 10},
        {"bottom edge", Rect(8, 13, 67, 23), 8, 13, true, false, 9, 11},
    };
    for (const Part& p : parts) {
        SCOPED_TRACE(p.name);
        for (int y = p.dest.top(); y <= p.dest.bottom(); ++y)
            for (int x = p.dest.left(); x <= p.dest.right(); ++x) {
                const QPoint expected(p.fixedX ? p.sx : p.sx + x - p.dx, p.fixedY ? p.sy : p.sy + y - p.dy);
                ASSERT_EQ(sourceOf(target, x, y), expected) << x << "," << y;
            }
    }
    // The left edge stretches source row 10 over rows 10..13 (row 13 of the
    // left column stays the left edge's where the bottom edge is not).
    EXPECT_EQ(sourceOf(target, 0, 13), QPoint(0, 10));
}

TEST(StretchedSkin, CornersHonourTransparentWhileEdgesAlwaysKeyOutMagenta)
{
    QImage skin = blank(18, 21, qRgb(1, 2, 3));
    skin.setPixel(0, 0, Magenta); // top-left corner
    skin.setPixel(9, 0, Magenta); // top edge column
    for (const bool transparent : {false, true}) {
        QImage target = blank(75, 23);
        runtime::Canvas canvas(&target);
        DrawStretchedSkin(skin, canvas, Rect(0, 0, 75, 23), transparent);
        EXPECT_EQ(target.pixel(0, 0), transparent ? Green : Magenta);
        EXPECT_EQ(target.pixel(30, 0), Green);
        EXPECT_EQ(target.pixel(30, 5), qRgb(1, 2, 3));
    }
}

TEST(StretchedSkin, TinyTargetsAndEvenFramesDrawWithinBounds)
{
    for (const QSize size : {QSize(1, 1), QSize(2, 3), QSize(3, 2), QSize(75, 22)}) {
        QImage target = blank(size.width(), size.height());
        runtime::Canvas canvas(&target);
        DrawStretchedSkin(CoordinateImage(18, 20), canvas, Rect(0, 0, size.width(), size.height()), false);
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                EXPECT_NE(target.pixel(x, y), Green) << size.width() << "x" << size.height() << " at " << x << "," << y;
    }
    // An even frame height leaves no source row for the left edge; it takes
    // the row at its place rather than leaving a hole.
    QImage target = blank(75, 23);
    runtime::Canvas canvas(&target);
    DrawStretchedSkin(CoordinateImage(18, 20), canvas, Rect(0, 0, 75, 23), false);
    EXPECT_NE(target.pixel(0, 11), Green);
}

TEST(Canvas, FillsAndCopiesLeaveOutRightAndBottomFramesStayInside)
{
    QImage target = blank(10, 10);
    runtime::Canvas canvas(&target);
    canvas.setBrushColor(0x0000FF);
    canvas.fillRect(Rect(2, 2, 5, 5));
    EXPECT_EQ(target.pixel(4, 4), qRgb(255, 0, 0));
    EXPECT_EQ(target.pixel(5, 4), Green);
    EXPECT_EQ(target.pixel(4, 5), Green);
    canvas.setBrushColor(0xFF0000);
    canvas.frameRect(Rect(0, 0, 10, 10));
    EXPECT_EQ(target.pixel(9, 9), qRgb(0, 0, 255));
    EXPECT_EQ(target.pixel(1, 1), Green);
    canvas.copyRect(Rect(6, 6, 9, 9), CoordinateImage(2, 2), Rect(0, 0, 1, 1));
    EXPECT_EQ(sourceOf(target, 8, 8), QPoint(0, 0));
    EXPECT_EQ(target.pixel(9, 8), qRgb(0, 0, 255));
    // At its own size, a copy is the source rectangle's pixels, no more.
    canvas.copyRect(Rect(2, 2, 4, 4), CoordinateImage(5, 5), Rect(1, 2, 3, 4));
    EXPECT_EQ(sourceOf(target, 2, 2), QPoint(1, 2));
    EXPECT_EQ(sourceOf(target, 3, 3), QPoint(2, 3));
    EXPECT_EQ(target.pixel(4, 4), qRgb(255, 0, 0)) << "past the copy, the fill stays";
}

TEST(Canvas, StretchedCopiesAreNearestNeighbourOpaqueAndBlackOutsideTheSource)
{
    const QImage stretched = runtime::StretchNearest(CoordinateImage(4, 1), Rect(0, 0, 4, 1), 8, 2);
    for (int x = 0; x < 8; ++x)
        EXPECT_EQ(sourceOf(stretched, x, 1), QPoint(x / 2, 0));

    // A source rectangle reaching past the picture on every side, from the
    // 32-bit formats read row by row and from any other format alike.
    const QImage coordinates = CoordinateImage(3, 2);
    QImage seeThrough = coordinates.convertToFormat(QImage::Format_ARGB32);
    seeThrough.setPixel(1, 1, qRgba(10, 20, 30, 0));
    for (const QImage& source : {coordinates, seeThrough, coordinates.convertToFormat(QImage::Format_RGB888)}) {
        const QImage out = runtime::StretchNearest(source, Rect(-1, -1, 4, 3), 5, 4);
        for (const QPoint corner : {QPoint(0, 0), QPoint(4, 0), QPoint(0, 3), QPoint(4, 3)})
            EXPECT_EQ(out.pixel(corner), 0xFF000000u) << source.format();
        EXPECT_EQ(sourceOf(out, 1, 2), QPoint(0, 1)) << source.format();
        EXPECT_EQ(sourceOf(out, 3, 1), QPoint(2, 0)) << source.format();
    }
    EXPECT_EQ(runtime::StretchNearest(seeThrough, Rect(1, 1, 2, 2), 1, 1).pixel(0, 0), qRgb(10, 20, 30))
        << "alpha is dropped, the colour kept";
}

TEST(MenuDrawing, SeparatorAndLinesLeaveOutTheirEndPoint)
{
    QImage target = blank(100, 5);
    runtime::Canvas canvas(&target);
    DrawMenuSeparator(canvas, Rect(0, 0, 100, 5), 0x000000, 0);
    EXPECT_EQ(target.pixel(3, 2), Green);
    EXPECT_EQ(target.pixel(4, 2), qRgb(0, 0, 0));
    EXPECT_EQ(target.pixel(97, 2), qRgb(0, 0, 0));
    EXPECT_EQ(target.pixel(98, 2), Green);
    EXPECT_EQ(target.pixel(50, 1), Green);
    EXPECT_EQ(target.pixel(50, 3), Green);

    QImage diagonal = blank(5, 5);
    runtime::Canvas dc(&diagonal);
    dc.moveTo(0, 0);
    dc.lineTo(4, 4);
    EXPECT_EQ(diagonal.pixel(3, 3), qRgb(0, 0, 0));
    EXPECT_EQ(diagonal.pixel(4, 4), Green);
}

TEST(MenuDrawing, PopupBorderFramesAndEdges)
{
    QImage target = blank(20, 10);
    runtime::Canvas canvas(&target);
    DrawPopupMenuBorder(canvas, QSize(20, 10), 0x000000, 0x0000FF);
    EXPECT_EQ(target.pixel(5, 0), qRgb(255, 0, 0));     // top edge in the edge colour
    EXPECT_EQ(target.pixel(5, 9), qRgb(255, 0, 0));     // bottom edge
    EXPECT_EQ(target.pixel(19, 5), qRgb(255, 0, 0));    // right edge
    EXPECT_EQ(target.pixel(0, 5), qRgb(0, 0, 0));       // left side of the black frame
    EXPECT_EQ(target.pixel(1, 5), qRgb(255, 255, 255)); // white inner frame
    EXPECT_EQ(target.pixel(5, 5), Green);
}

TEST(FormHelpers, InRectCountsAllFourEdges)
{
    EXPECT_TRUE(InRect(10, 20, Rect(0, 0, 10, 20)));
    EXPECT_TRUE(InRect(0, 0, Rect(0, 0, 10, 20)));
    EXPECT_FALSE(InRect(11, 20, Rect(0, 0, 10, 20)));
    EXPECT_FALSE(InRect(5, -1, Rect(0, 0, 10, 20)));
    EXPECT_TRUE(PointInRect(QPoint(-3, 4), Rect(-3, 4, -3, 4)));
}
