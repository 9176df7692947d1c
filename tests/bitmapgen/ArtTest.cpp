// Drawing helpers whose promises the skins depend on: frames that survive the
// nine-part scaling, strips of equal frames, and keyed edges without fringes.

#include "tools/bitmapgen/Art.h"
#include "tools/bitmapgen/BmpWriter.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

// A drawing where every pixel differs from its neighbours.
QImage distinct(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(x * 7, y * 9, (x + y) % 256));
    return image;
}

TEST(StretchSafe, RepeatsTheMiddleRowAndForOddWidthsTheMiddleColumn)
{
    const struct {
        int w, h;
    } sizes[] = {{77, 27}, {84, 23}, {18, 21}, {74, 21}};
    for (const auto& s : sizes) {
        QSize drawnAt;
        const QImage out = art::StretchSafe(s.w, s.h, [&](int w, int h) {
            drawnAt = QSize(w, h);
            return distinct(w, h);
        });
        SCOPED_TRACE(std::to_string(s.w) + "x" + std::to_string(s.h));
        ASSERT_EQ(out.size(), QSize(s.w, s.h));
        EXPECT_EQ(drawnAt, QSize(s.w % 2 ? s.w - 1 : s.w, s.h - 1));
        EXPECT_EQ(out.copy(0, s.h / 2, s.w, 1), out.copy(0, s.h / 2 + 1, s.w, 1));
        if (s.w % 2) {
            EXPECT_EQ(out.copy(s.w / 2, 0, 1, s.h), out.copy(s.w / 2 + 1, 0, 1, s.h));
        }
        // Nothing else is repeated: the outer rows and columns are the drawing's own.
        const QImage drawn = distinct(drawnAt.width(), drawnAt.height());
        EXPECT_EQ(out.pixel(0, 0), drawn.pixel(0, 0));
        EXPECT_EQ(out.pixel(s.w - 1, s.h - 1), drawn.pixel(drawnAt.width() - 1, drawnAt.height() - 1));
    }
}

TEST(Strip, PlacesFrameKAtItsColumns)
{
    const QImage strip = art::Strip(5, 4, 3, [](int k) { return art::Blank(5, 4, QColor(k * 100, 0, 0)); });
    ASSERT_EQ(strip.size(), QSize(15, 4));
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(qRed(strip.pixel(5 * k, 0)), k * 100);
        EXPECT_EQ(qRed(strip.pixel(5 * k + 4, 3)), k * 100);
    }
}

TEST(Flatten, KeyedEdgesBlendOntoTheBackdropNotOntoMagenta)
{
    QImage layer = art::Transparent(4, 1);
    layer.setPixel(0, 0, qRgba(0, 0, 255, 0));
    layer.setPixel(1, 0, qRgba(0, 0, 255, 100));
    layer.setPixel(2, 0, qRgba(0, 0, 255, 160));
    layer.setPixel(3, 0, qRgba(0, 0, 255, 255));
    const QImage keyed = art::Flatten(layer, QColor(Qt::white), true);
    EXPECT_EQ(keyed.pixel(0, 0), KeyColour);
    EXPECT_EQ(keyed.pixel(1, 0), KeyColour);
    const QRgb edge = keyed.pixel(2, 0);
    EXPECT_EQ(qBlue(edge), 255);
    EXPECT_EQ(qRed(edge), qGreen(edge)) << "a blend of blue and white, with no magenta in it";
    EXPECT_GT(qRed(edge), 60);
    EXPECT_EQ(keyed.pixel(3, 0), qRgb(0, 0, 255));

    const QImage plain = art::Flatten(layer, QColor(Qt::white));
    EXPECT_EQ(plain.pixel(0, 0), qRgb(255, 255, 255));
}

TEST(Disabled, WashesColourButLeavesTheKeyAlone)
{
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgb(200, 30, 30));
    image.setPixel(1, 0, KeyColour);
    const QImage out = art::Disabled(image, QColor(Qt::white));
    const QRgb washed = out.pixel(0, 0);
    EXPECT_EQ(qRed(washed), qGreen(washed));
    EXPECT_EQ(qGreen(washed), qBlue(washed));
    EXPECT_EQ(out.pixel(1, 0), KeyColour);
}

} // namespace
