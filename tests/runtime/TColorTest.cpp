#include "runtime/TColor.h"

#include <QGuiApplication>
#include <QPalette>
#include <gtest/gtest.h>

TEST(TColor, LowByteIsRedAndSystemColoursComeFromThePalette)
{
    EXPECT_EQ(runtime::ColorFromTColor(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(runtime::ColorFromTColor(0xE7E7E7), QColor(0xE7, 0xE7, 0xE7));
    EXPECT_EQ(runtime::ColorFromTColor(0x123456), QColor(0x56, 0x34, 0x12));
    EXPECT_EQ(runtime::TColorFromColor(QColor(0x56, 0x34, 0x12)), 0x123456);
    EXPECT_EQ(runtime::ColorFromTColor(runtime::clBtnFace), QGuiApplication::palette().color(QPalette::Button));

    runtime::TColor color = 0;
    EXPECT_TRUE(runtime::TColorFromName(QStringLiteral("clInactiveCaption"), color));
    EXPECT_EQ(color, runtime::TColor(0x80000003));
    EXPECT_FALSE(runtime::TColorFromName(QStringLiteral("clPurpleRain"), color));
}
