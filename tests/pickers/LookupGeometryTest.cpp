#include "pickers/LookupGeometry.h"

#include <gtest/gtest.h>

TEST(LookupGeometry, ButtonPlacesForTheMainWindowSize)
{
    struct Row {
        bool aVisible;
        bool bVisible;
        QRect a;
        QRect b;
    };
    const QRect parked(370, 0, 0, 0);
    const Row rows[] = {
        {true, true, QRect(348, 0, 17, 17), QRect(331, 0, 17, 17)},
        // A hidden: B moves to the right edge.
        {false, true, parked, QRect(348, 0, 17, 17)},
        {true, false, QRect(348, 0, 17, 17), parked},
        {false, false, parked, parked},
    };
    for (const Row& row : rows) {
        const LookupButtonPlaces places = PlaceLookupButtons(QSize(369, 21), row.aVisible, row.bVisible);
        EXPECT_EQ(places.buttonA, row.a) << row.aVisible << row.bVisible;
        EXPECT_EQ(places.buttonB, row.b) << row.aVisible << row.bVisible;
    }
    // A taller control gets larger square buttons.
    EXPECT_EQ(PlaceLookupButtons(QSize(200, 30), true, true).buttonB, QRect(144, 0, 26, 26));
}

TEST(LookupGeometry, EditRectLeavesRoomForVisibleButtonsOnly)
{
    struct Row {
        bool aVisible;
        bool bVisible;
        int width;
    };
    // Client area of a 369 x 21 control with its sunken border: 365 x 17.
    const Row rows[] = {{true, true, 365 - 34}, {false, true, 365 - 17}, {true, false, 365 - 17}, {false, false, 365}};
    for (const Row& row : rows) {
        const QRect rect = LookupEditRect(QSize(365, 17), 17, row.aVisible, 17, row.bVisible);
        EXPECT_EQ(rect.left(), 0);
        EXPECT_EQ(rect.top(), 0);
        EXPECT_EQ(rect.width(), row.width);
        EXPECT_EQ(rect.height(), 18); // one pixel below the client area
    }
}

TEST(LookupGeometry, MinHeight)
{
    struct Row {
        int system;
        int font;
        int expected;
    };
    const Row rows[] = {
        {13, 13, 21}, // the designed 8-point font fits the designed 21 pixels
        {13, 20, 28}, // a larger font: leading from the smaller system font
        {16, 13, 21},
        {0, 13, 18},
    };
    for (const Row& row : rows)
        EXPECT_EQ(LookupEditMinHeight(row.system, row.font, 1), row.expected) << row.system << " " << row.font;
}
