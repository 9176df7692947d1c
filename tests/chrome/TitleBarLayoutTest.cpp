#include "skin/chrome/TitleBarLayout.h"

#include <gtest/gtest.h>

using namespace chrome;

TEST(TitleBarLayout, SectionsFillFromBothEdgesAndClientLast)
{
    // Built-in BlueGlass pictures: left 162, right 101, client stretched.
    const QList<SectionSlot> sections = {{0, 162, false}, {1, 101, false}, {2, 179, true}};
    const auto placed = PlaceSections(sections, 600, 33);
    ASSERT_EQ(placed.size(), 3);
    EXPECT_EQ(placed[0].index, 0);
    EXPECT_EQ(placed[0].dest, QRect(0, 0, 162, 33));
    EXPECT_EQ(placed[1].dest, QRect(499, 0, 101, 33));
    EXPECT_EQ(placed[2].index, 2);
    EXPECT_EQ(placed[2].dest, QRect(162, 0, 337, 33));
    EXPECT_TRUE(placed[2].stretch);
}

TEST(TitleBarLayout, RightSectionThatDoesNotFitIsSkipped)
{
    const QList<SectionSlot> sections = {{0, 162, false}, {1, 101, false}, {1, 10, false}, {2, 1, true}};
    const auto placed = PlaceSections(sections, 250, 20);
    ASSERT_EQ(placed.size(), 3);
    EXPECT_EQ(placed[1].index, 2); // the 101 one took no room
    EXPECT_EQ(placed[1].dest, QRect(240, 0, 10, 20));
    EXPECT_EQ(placed[2].dest, QRect(162, 0, 78, 20)); // client fills up to it
}

TEST(TitleBarLayout, LastClientSectionWins)
{
    const QList<SectionSlot> sections = {{2, 1, true}, {0, 10, false}, {2, 1, true}};
    const auto placed = PlaceSections(sections, 100, 20);
    ASSERT_EQ(placed.size(), 2);
    EXPECT_EQ(placed[1].index, 2);
    EXPECT_EQ(placed[1].dest, QRect(10, 0, 90, 20));
}

TEST(TitleBarLayout, ButtonsRunRightToLeftInCollectionOrder)
{
    // Collection order of a new bar: control box, close, max, min.
    const QList<ButtonSlot> buttons = {{true, true, 19}, {true, false, 19}, {true, false, 19}, {true, false, 19}};
    ButtonRowMetrics m;
    m.barWidth = 600;
    m.rightOffset = -3;
    m.leftOffset = 4;
    const ButtonRowLayout layout = PlaceButtons(buttons, m);
    EXPECT_EQ(layout.x[1], 578);
    EXPECT_EQ(layout.x[2], 558);
    EXPECT_EQ(layout.x[3], 538);
    EXPECT_EQ(layout.controlBox, 0);
    EXPECT_EQ(layout.x[0], 4);
    EXPECT_EQ(layout.captionLeft, 4 + 19 + 5);
    EXPECT_EQ(layout.captionRight, 538);

    m.buttonInterval = 2;
    EXPECT_EQ(PlaceButtons(buttons, m).x[2], 598 - 22 - 22);
}

TEST(TitleBarLayout, HiddenButtonsTakeNoRoom)
{
    const QList<ButtonSlot> buttons = {{true, true, 16}, {false, false, 19}, {true, false, 19}};
    ButtonRowMetrics m;
    m.barWidth = 600;
    const ButtonRowLayout layout = PlaceButtons(buttons, m);
    EXPECT_EQ(layout.x[1], -1);
    EXPECT_EQ(layout.x[2], 581);
}

TEST(TitleBarLayout, CaptionStart)
{
    struct Row {
        bool controlBox;
        int leftOffset;
        bool appIcon;
        int expected;
    };
    const Row rows[] = {
        {false, 0, false, 6}, {false, 3, false, 3}, {true, 4, false, 25}, {true, 4, true, 25}, {true, 0, true, 21},
    };
    for (const Row& r : rows) {
        QList<ButtonSlot> buttons = {{true, false, 19}};
        if (r.controlBox)
            buttons.append({true, true, 16});
        ButtonRowMetrics m;
        m.barWidth = 400;
        m.leftOffset = r.leftOffset;
        m.drawAppIcon = r.appIcon;
        EXPECT_EQ(PlaceButtons(buttons, m).captionLeft, r.expected)
            << r.controlBox << " " << r.leftOffset << " " << r.appIcon;
    }
}

TEST(TitleBarLayout, CaptionShortening)
{
    // Every character is 7 pixels wide.
    const auto width = [](const QString& s) { return 7 * int(s.size()); };
    struct Row {
        const char* text;
        int room;
        const char* expected;
    };
    const Row rows[] = {
        {"Advanced QUARLEX", 112, "Advanced QUARLEX"}, // exactly fits
        {"Advanced QUARLEX", 111, "Advanced QUA..."},  // 15 characters fit
        {"Advanced QUARLEX", 70, "Advance..."},
        {"Advanced QUARLEX", 28, "A..."},
        {"Advanced QUARLEX", 21, "..."},
        {"Advanced QUARLEX", 20, ""}, // not even the dots fit
        {"Advanced QUARLEX", -5, ""},
        {"", 0, ""},
    };
    for (const Row& r : rows)
        EXPECT_EQ(ShortenCaption(QString::fromLatin1(r.text), r.room, width).toStdString(), r.expected)
            << r.text << " in " << r.room;
}

TEST(TitleBarLayout, CaptionYCentresInTheButtonBand)
{
    EXPECT_EQ(CaptionY(19, 13, 6), 9);
    EXPECT_EQ(CaptionY(19, 14, 6), 8);
    EXPECT_EQ(CaptionY(10, 13, 2), 1); // division toward zero: -3 div 2 = -1
}
