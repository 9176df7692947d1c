#include "ControlTestSupport.h"

#include "skin/controls/TsuiProgressBar.h"

#include <gtest/gtest.h>

namespace {

bool ColumnIs(const QImage& image, int x, QRgb rgb, int top = 1, int bottom = 10)
{
    for (int y = top; y <= bottom; ++y)
        if (image.pixel(x, y) != rgb)
            return false;
    return true;
}

} // namespace

TEST(TsuiProgressBar, Defaults)
{
    TsuiProgressBar bar;
    EXPECT_EQ(bar.size(), QSize(150, 12));
    EXPECT_EQ(bar.caption(), QStringLiteral("50%"));
    EXPECT_EQ(bar.uiStyle(), TsuiUIStyle::DeepBlue);
    EXPECT_EQ(bar.color(), QColor(0xE8, 0xE8, 0xE8));
    EXPECT_EQ(bar.borderColor(), QColor(Qt::black));
    EXPECT_TRUE(bar.showCaption());
}

TEST(TsuiProgressBar, FilledPartAndColourAt50)
{
    TsuiProgressBar bar;
    bar.setUIStyle(TsuiUIStyle::BlueGlass);
    bar.resize(409, 12);
    bar.setShowCaption(false);
    bar.setColor(QColor(0x10, 0x20, 0x30));
    bar.setBorderColor(QColor(0xFF, 0, 0));
    bar.setPosition(50);
    const QImage image = Snapshot(bar);
    const QImage picture = bar.picture();
    ASSERT_EQ(picture.size(), QSize(1, 10));
    for (int x = 1; x <= 203; ++x)
        for (int y = 1; y <= 10; ++y)
            ASSERT_EQ(image.pixel(x, y), picture.pixel(0, y - 1)) << x << "," << y;
    for (int x = 204; x <= 407; ++x)
        ASSERT_TRUE(ColumnIs(image, x, qRgb(0x10, 0x20, 0x30))) << x;
    EXPECT_TRUE(ColumnIs(image, 0, qRgb(0xFF, 0, 0), 0, 11));
    EXPECT_TRUE(ColumnIs(image, 408, qRgb(0xFF, 0, 0), 0, 11));
}

TEST(TsuiProgressBar, OutOfRangePositionsAndCaptions)
{
    const struct {
        int min, max, position;
        const char* caption;
        bool full, empty;
    } rows[] = {{0, 100, 150, "150%", true, false},
                {0, 100, -20, "-20%", false, true},
                {5, 5, 5, "0%", false, true},
                {0, 100, 0, "0%", false, true}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.caption);
        TsuiProgressBar bar;
        bar.setUIStyle(TsuiUIStyle::BlueGlass);
        bar.resize(409, 12);
        bar.setMin(r.min);
        bar.setMax(r.max);
        bar.setPosition(r.position);
        EXPECT_EQ(bar.caption(), QString::fromLatin1(r.caption));
        bar.setShowCaption(false);
        const QImage image = Snapshot(bar);
        const QRgb fill = bar.color().rgb();
        EXPECT_EQ(ColumnIs(image, 1, fill), r.empty);
        EXPECT_EQ(ColumnIs(image, 407, fill), !r.full);
    }
}

TEST(TsuiProgressBar, SmartCaptionHidesAtMin)
{
    TsuiProgressBar bar;
    bar.setPosition(0);
    bar.setShowCaption(false);
    const QImage bare = Snapshot(bar);
    bar.setShowCaption(true);
    EXPECT_NE(Snapshot(bar), bare);
    bar.setSmartShowCaption(true);
    EXPECT_EQ(Snapshot(bar), bare);
    bar.setPosition(1);
    EXPECT_NE(Snapshot(bar), bare);
}

TEST(TsuiProgressBar, ThicknessIsFixedAndOrientationTurnsTheBar)
{
    TsuiProgressBar bar;
    bar.resize(409, 12);
    bar.resize(409, 20);
    EXPECT_EQ(bar.size(), QSize(409, 12));
    bar.setUIStyle(TsuiUIStyle::WinXP);
    const QImage horizontal = bar.picture();
    bar.setOrientation(suiVertical);
    EXPECT_EQ(bar.size(), QSize(12, 409));
    const QImage vertical = bar.picture();
    EXPECT_EQ(vertical.size(), horizontal.size().transposed());
    EXPECT_EQ(vertical.pixel(0, 0), horizontal.pixel(horizontal.width() - 1, 0));
    bar.resize(30, 200);
    EXPECT_EQ(bar.size(), QSize(12, 200));
    bar.setOrientation(suiHorizontal);
    EXPECT_EQ(bar.size(), QSize(200, 12));
}

TEST(TsuiProgressBar, VerticalFillsFromTheBottomWithoutCaption)
{
    TsuiProgressBar bar;
    bar.setOrientation(suiVertical);
    bar.resize(12, 101);
    bar.setColor(QColor(0x10, 0x20, 0x30));
    bar.setPosition(30);
    const QImage image = Snapshot(bar);
    EXPECT_FALSE(bar.showCaption()); // a vertical bar drops its caption for good
    EXPECT_EQ(image.pixel(5, 2), qRgb(0x10, 0x20, 0x30));
    EXPECT_EQ(image.pixel(5, 69), qRgb(0x10, 0x20, 0x30));
    EXPECT_NE(image.pixel(5, 70), qRgb(0x10, 0x20, 0x30));
    EXPECT_NE(image.pixel(5, 99), qRgb(0x10, 0x20, 0x30));
    bar.setOrientation(suiHorizontal);
    EXPECT_FALSE(bar.showCaption());
}
