#include "ControlTestSupport.h"

#include "skin/controls/TsuiImagePanel.h"

#include <gtest/gtest.h>

namespace {

// A 10 x 10 picture, green with a red top-left pixel, so tiles can be found.
QImage MarkedPicture()
{
    QImage picture(10, 10, QImage::Format_RGB32);
    picture.fill(QColor(0, 0xFF, 0));
    picture.setPixel(0, 0, qRgb(0xFF, 0, 0));
    return picture;
}

} // namespace

TEST(TsuiImagePanel, TilesFromTheOriginClippedAtTheEdge)
{
    TsuiImagePanel panel;
    panel.resize(25, 25);
    panel.setPicture(MarkedPicture());
    panel.setDrawStyle(suiTile);
    const QImage image = Snapshot(panel);
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 25; ++x) {
            const bool corner = x % 10 == 0 && y % 10 == 0;
            ASSERT_EQ(image.pixel(x, y), corner ? qRgb(0xFF, 0, 0) : qRgb(0, 0xFF, 0)) << x << "," << y;
        }
}

TEST(TsuiImagePanel, NormalAndStretched)
{
    TsuiImagePanel panel;
    panel.resize(20, 20);
    panel.setColor(QColor(0, 0, 0xFF));
    panel.setPicture(MarkedPicture());
    QImage image = Snapshot(panel);
    EXPECT_EQ(image.pixel(0, 0), qRgb(0xFF, 0, 0));
    EXPECT_EQ(image.pixel(1, 1), qRgb(0, 0xFF, 0));
    EXPECT_EQ(image.pixel(15, 15), qRgb(0, 0, 0xFF)); // beyond the picture: the panel colour
    panel.setDrawStyle(suiStretch);
    image = Snapshot(panel);
    EXPECT_EQ(image.pixel(1, 1), qRgb(0xFF, 0, 0)); // the marked pixel now covers 2 x 2
    EXPECT_EQ(image.pixel(2, 2), qRgb(0, 0xFF, 0));
    EXPECT_EQ(image.pixel(19, 19), qRgb(0, 0xFF, 0));
}

TEST(TsuiImagePanel, AutoSizeByAlignment)
{
    QWidget parent;
    parent.resize(300, 200);
    const struct {
        TAlign align;
        bool width, height;
    } rows[] = {{alNone, true, true}, {alTop, false, true}, {alLeft, true, false}, {alClient, false, false}};
    for (const auto& r : rows) {
        SCOPED_TRACE(int(r.align));
        auto* panel = new TsuiImagePanel(&parent);
        panel->setAlign(r.align);
        const QSize before = panel->size();
        panel->setAutoSize(true);
        panel->setPicture(QImage(40, 30, QImage::Format_RGB32));
        EXPECT_EQ(panel->width() == 40, r.width || before.width() == 40);
        EXPECT_EQ(panel->height() == 30, r.height || before.height() == 30);
        delete panel;
    }
}

TEST(TsuiImagePanel, BlankCaptionDrawsNoTextAndCaptionAlignment)
{
    TsuiImagePanel panel;
    panel.resize(120, 30);
    const QImage plain = Snapshot(panel);
    panel.setCaption(QStringLiteral("   "));
    EXPECT_EQ(Snapshot(panel), plain);
    panel.setCaption(QStringLiteral("Hi"));
    panel.setAlignment(taLeftJustify);
    const QImage left = Snapshot(panel);
    EXPECT_GT(CountDifferences(left, plain, QRect(0, 0, 30, 30)), 0);
    EXPECT_EQ(CountDifferences(left, plain, QRect(60, 0, 60, 30)), 0);
    panel.setAlignment(taRightJustify);
    const QImage right = Snapshot(panel);
    EXPECT_EQ(CountDifferences(right, plain, QRect(0, 0, 60, 30)), 0);
    EXPECT_GT(CountDifferences(right, plain, QRect(90, 0, 30, 30)), 0);
}

TEST(TsuiImagePanel, SnapshotKeepsTheUntrimmedCaptionAndThePicturesOwnFlag)
{
    TsuiImagePanel panel;
    panel.setCaption(QStringLiteral(" \t "));
    EXPECT_TRUE(panel.styleOption().caption.isEmpty());
    panel.setCaption(QStringLiteral(" Hi "));
    EXPECT_EQ(panel.styleOption().caption, QStringLiteral(" Hi "));
    // The picture takes Transparent only when it holds an image.
    panel.setTransparent(true);
    EXPECT_FALSE(panel.styleOption().pictureTransparent);
    panel.setPicture(MarkedPicture());
    EXPECT_TRUE(panel.styleOption().pictureTransparent);
    EXPECT_TRUE(panel.styleOption().transparent);
}

TEST(TsuiImagePanel, TransparentPictureShowsTheParent)
{
    QWidget parent;
    parent.resize(100, 100);
    QPalette p = parent.palette();
    p.setColor(QPalette::Window, QColor(0x12, 0x34, 0x56));
    parent.setPalette(p);
    parent.setAutoFillBackground(true);
    auto* panel = new TsuiImagePanel(&parent);
    panel->resize(10, 10);
    QImage picture = MarkedPicture();
    picture.setPixel(0, 9, qRgb(0xFF, 0, 0xFF)); // bottom-left: the transparent colour
    picture.setPixel(5, 5, qRgb(0xFF, 0, 0xFF));
    panel->setPicture(picture);
    EXPECT_EQ(Snapshot(*panel).pixel(5, 5), qRgb(0xFF, 0, 0xFF));
    panel->setTransparent(true);
    const QImage image = Snapshot(*panel);
    EXPECT_EQ(image.pixel(5, 5), qRgb(0x12, 0x34, 0x56));
    EXPECT_EQ(image.pixel(1, 1), qRgb(0, 0xFF, 0));
}
