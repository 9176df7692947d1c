#include "skin/controls/ProgressRules.h"

#include <gtest/gtest.h>

#include <climits>

TEST(ProgressRules, Captions)
{
    struct Row {
        int min, max, pos;
        const char* caption;
    };
    const Row rows[] = {
        {0, 100, 50, "50%"},
        {0, 100, 150, "150%"},
        {0, 100, -20, "-20%"},
        {5, 5, 7, "0%"},
        {0, 3, 1, "33%"},
        {10, 20, 15, "50%"},
        {0, 100, -1, "-1%"},
        {100, 0, 50, "50%"},
        // A wide range must not wrap in the multiplication.
        {0, 100000000, 50000000, "50%"},
        {INT_MIN, INT_MAX, INT_MAX, "100%"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.min << ".." << r.max << " @" << r.pos);
        EXPECT_EQ(ProgressCaption(r.min, r.max, r.pos), QString::fromLatin1(r.caption));
    }
}

TEST(ProgressRules, FilledLength)
{
    struct Row {
        int min, max, pos, length, filled;
    };
    const Row rows[] = {
        {0, 100, 50, 408, 204},  {0, 100, 150, 408, 408}, {0, 100, -20, 408, 0},
        {0, 100, 0, 408, 0},     {5, 5, 5, 408, 0},       {100, 0, 50, 408, 0},
        {0, 100, 100, 408, 408}, {0, 3, 1, 10, 3},        {0, 100000000, 50000000, 408, 204},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.min << ".." << r.max << " @" << r.pos);
        EXPECT_EQ(ProgressFilledLength(r.min, r.max, r.pos, r.length), r.filled);
    }
}

TEST(ProgressRules, HorizontalLayout)
{
    // 409 x 12 at 50: picture over columns 1..203, colour from 204 to 407.
    ProgressParts p = ProgressLayout(suiHorizontal, {409, 12}, 0, 100, 50);
    EXPECT_EQ(p.picture, QRect(1, 1, 203, 10));
    EXPECT_EQ(p.rest, QRect(204, 1, 204, 10));
    // Position = Min: empty picture, colour from column 1.
    p = ProgressLayout(suiHorizontal, {409, 12}, 0, 100, 0);
    EXPECT_TRUE(p.picture.isEmpty());
    EXPECT_EQ(p.rest, QRect(1, 1, 407, 10));
    // Beyond Max: full picture, nothing left.
    p = ProgressLayout(suiHorizontal, {409, 12}, 0, 100, 150);
    EXPECT_EQ(p.picture, QRect(1, 1, 407, 10));
    EXPECT_TRUE(p.rest.isEmpty());
}

TEST(ProgressRules, VerticalLayoutFillsFromTheBottom)
{
    ProgressParts p = ProgressLayout(suiVertical, {12, 101}, 0, 100, 30);
    EXPECT_EQ(p.picture, QRect(1, 70, 10, 30));
    EXPECT_EQ(p.rest, QRect(1, 1, 10, 69));
    p = ProgressLayout(suiVertical, {12, 101}, 0, 100, 0);
    EXPECT_TRUE(p.picture.isEmpty());
    EXPECT_EQ(p.rest, QRect(1, 1, 10, 99));
    p = ProgressLayout(suiVertical, {12, 101}, 0, 100, 100);
    EXPECT_EQ(p.picture, QRect(1, 1, 10, 99));
    EXPECT_TRUE(p.rest.isEmpty());
}

TEST(ProgressRules, ThicknessIsFixed)
{
    EXPECT_EQ(ProgressSizeFor(suiVertical, {409, 12}), QSize(12, 409));
    EXPECT_EQ(ProgressSizeFor(suiHorizontal, {12, 409}), QSize(409, 12));
    EXPECT_EQ(ProgressSizeFor(suiHorizontal, {150, 12}), QSize(150, 12));
}
