#include "skin/controls/CheckBoxRules.h"
#include "skin/controls/ComboRules.h"
#include "skin/controls/PanelRules.h"

#include <gtest/gtest.h>

TEST(CheckBoxRules, FramePerState)
{
    EXPECT_EQ(CheckBoxFrameOf(true, true), 1);
    EXPECT_EQ(CheckBoxFrameOf(false, true), 2);
    EXPECT_EQ(CheckBoxFrameOf(true, false), 3);
    EXPECT_EQ(CheckBoxFrameOf(false, false), 4);
}

TEST(CheckBoxRules, AutoSize)
{
    // Empty caption: image width + 8; height at least image height + 4.
    EXPECT_EQ(CheckBoxAutoSize({13, 13}, 0, 8), QSize(21, 17));
    EXPECT_EQ(CheckBoxAutoSize({13, 13}, 50, 13), QSize(71, 19));
    EXPECT_EQ(CheckBoxAutoSize({15, 17}, 10, 13), QSize(33, 21));
}

TEST(CheckBoxRules, ImageCaptionAndFocusGeometry)
{
    const QSize client(93, 17), picture(13, 13);
    EXPECT_EQ(CheckBoxImagePos(17, picture), QPoint(1, 2));
    EXPECT_EQ(CheckBoxImagePos(12, picture), QPoint(1, 0)); // -1 / 2 truncates to 0
    const QRect caption = CheckBoxCaptionBox(client, picture, 13);
    EXPECT_EQ(caption, QRect(17, 2, 76, 15));
    EXPECT_EQ(CheckBoxFocusRect(client, picture, 13), QRect(16, 2, 77, 15));
}

TEST(PanelRules, AutoSizeFollowsAlignment)
{
    const QSize current(100, 50), picture(30, 20);
    struct Row {
        TAlign align;
        QSize size;
    };
    const Row rows[] = {
        {alNone, {30, 20}}, {alTop, {100, 20}},  {alBottom, {100, 20}},
        {alLeft, {30, 50}}, {alRight, {30, 50}}, {alClient, {100, 50}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(int(r.align));
        EXPECT_EQ(PanelAutoSize(current, picture, r.align), r.size);
    }
}

TEST(ComboRules, ArrowCorners)
{
    // A 17 x 17 button at x = 80 of a 21 pixel high combo box, 2 pixels down.
    const QRect button(80, 2, 17, 17);
    const QPoint origin = ComboArrowOrigin(button);
    EXPECT_EQ(origin, QPoint(80 + 8 - 3, 8));
    EXPECT_EQ(ComboArrowTriangle(origin), QPolygon({QPoint(85, 8), QPoint(91, 8), QPoint(88, 11)}));
}
