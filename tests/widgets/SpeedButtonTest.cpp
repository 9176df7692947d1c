#include "widgets/SpeedButton.h"

#include <QIcon>
#include <gtest/gtest.h>

namespace {

// A strip of two 4 x 3 pictures on a magenta background: the normal one
// with a blue dot, the disabled one with a grey dot, at (1, 1).
QImage twoPictureStrip()
{
    QImage strip(8, 3, QImage::Format_RGB32);
    strip.fill(QColor(255, 0, 255));
    strip.setPixelColor(1, 1, QColor(0, 0, 255));
    strip.setPixelColor(5, 1, QColor(128, 128, 128));
    return strip;
}

} // namespace

TEST(SpeedButton, GlyphStripPicturesWithSeeThroughBackground)
{
    widgets::SpeedButton button;
    button.setNumGlyphs(2);
    button.setGlyph(twoPictureStrip());
    const QImage normal = button.glyphFrame(0);
    const QImage disabled = button.glyphFrame(1);
    ASSERT_EQ(normal.size(), QSize(4, 3));
    EXPECT_EQ(normal.pixelColor(1, 1), QColor(0, 0, 255));
    EXPECT_EQ(normal.pixelColor(0, 0).alpha(), 0);
    EXPECT_EQ(normal.pixelColor(3, 2).alpha(), 0);
    EXPECT_EQ(disabled.pixelColor(1, 1), QColor(128, 128, 128));
    EXPECT_TRUE(button.glyphFrame(2).isNull());
    EXPECT_EQ(button.iconSize(), QSize(4, 3));

    // The disabled state shows the strip's second picture.
    const QImage shown = button.icon().pixmap(QSize(4, 3), QIcon::Disabled).toImage();
    EXPECT_EQ(shown.pixelColor(1, 1), QColor(128, 128, 128));
}

TEST(SpeedButton, OnePictureStripUsesTheWholeGlyph)
{
    widgets::SpeedButton button;
    button.setGlyph(twoPictureStrip());
    EXPECT_EQ(button.glyphFrame(0).size(), QSize(8, 3));
    EXPECT_EQ(button.toolButtonStyle(), Qt::ToolButtonIconOnly);
    button.setCaption(QStringLiteral("..."));
    EXPECT_EQ(button.toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
    EXPECT_EQ(button.focusPolicy(), Qt::NoFocus);
}
