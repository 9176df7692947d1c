#include "skin/controls/ButtonRules.h"

#include <gtest/gtest.h>

TEST(ButtonRules, LookAndFramePerState)
{
    struct Row {
        bool enabled, down, in;
        ButtonLook look;
        int frame;
    };
    const Row rows[] = {
        {true, false, false, ButtonLook::Normal, 1},    {true, false, true, ButtonLook::Hot, 2},
        {true, true, false, ButtonLook::Pressed, 3},    {true, true, true, ButtonLook::Pressed, 3},
        {false, false, false, ButtonLook::Disabled, 1}, {false, true, true, ButtonLook::Disabled, 1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.enabled << r.down << r.in);
        EXPECT_EQ(ButtonLookOf(r.enabled, r.down, r.in), r.look);
        EXPECT_EQ(ButtonFrameOf(r.look), r.frame);
    }
}

TEST(ButtonRules, GlyphPlacementPerLayout)
{
    // 80 x 27 button, caption 30 x 13, glyph 16 x 16, spacing 4.
    struct Row {
        TButtonLayout layout;
        QPoint glyph, text;
    };
    const Row rows[] = {
        {blGlyphLeft, {15, 5}, {35, 7}},
        {blGlyphRight, {49, 5}, {15, 7}},
        {blGlyphTop, {32, -3}, {25, 17}},
        {blGlyphBottom, {32, 14}, {25, -3}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(int(r.layout));
        const GlyphPlacement p = PlaceGlyph(r.layout, {80, 27}, {30, 13}, {16, 16}, 4);
        EXPECT_EQ(p.glyph, r.glyph);
        EXPECT_EQ(p.text, r.text);
    }
}

TEST(ButtonRules, HalvesTruncateTowardZero)
{
    // W - (tw + gw + s) = 10 - 25 = -15 -> -7, not -8.
    const GlyphPlacement p = PlaceGlyph(blGlyphLeft, {10, 5}, {10, 13}, {11, 10}, 4);
    EXPECT_EQ(p.glyph, QPoint(-7, -2));
    EXPECT_EQ(p.text, QPoint(8, -4));
}

TEST(ButtonRules, TwoFrameGlyphs)
{
    EXPECT_TRUE(GlyphHasTwoFrames({32, 16}));
    EXPECT_EQ(GlyphFrameSize({32, 16}), QSize(16, 16));
    EXPECT_FALSE(GlyphHasTwoFrames({16, 16}));
    EXPECT_EQ(GlyphFrameSize({33, 16}), QSize(33, 16));
    EXPECT_FALSE(GlyphHasTwoFrames({0, 0}));
}

TEST(ButtonRules, AutoSizeIsOneFrameOfTheStrip)
{
    EXPECT_EQ(ButtonAutoSize({222, 21}), QSize(74, 21));
    EXPECT_EQ(ButtonAutoSize({231, 27}), QSize(77, 27));
    EXPECT_EQ(ButtonAutoSize({53, 21}), QSize(17, 21));
    EXPECT_EQ(ButtonAutoSize({}), QSize(24, 21)); // no strip loaded
}

TEST(ButtonRules, BlankCaptions)
{
    EXPECT_TRUE(IsBlankCaption(QString()));
    EXPECT_TRUE(IsBlankCaption(QStringLiteral("   ")));
    EXPECT_TRUE(IsBlankCaption(QStringLiteral(" \t\r\n\x01")));
    EXPECT_FALSE(IsBlankCaption(QStringLiteral("  Start")));
    EXPECT_FALSE(IsBlankCaption(QStringLiteral("&")));
}
