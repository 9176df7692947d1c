#include "widgets/StandardComponents.h"
#include "forms/FormDescription.h"
#include "forms/FormLoader.h"
#include "widgets/TBevel.h"
#include "widgets/TImage.h"
#include "widgets/TLabel.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

TEST(StandardComponents, LabelShowsCrLfCaptionsAsLinesAndClicksOnlyInside)
{
    widgets::TLabel label;
    label.setCaption(QStringLiteral("[Step 1]\r\nChoose a PDF"));
    EXPECT_EQ(label.caption(), QStringLiteral("[Step 1]\r\nChoose a PDF"));
    EXPECT_EQ(label.text(), QStringLiteral("[Step 1]\nChoose a PDF"));
    EXPECT_GT(label.height(), label.fontMetrics().height()); // auto size took both lines

    QSignalSpy clicks(&label, &widgets::TLabel::clicked);
    QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(clicks.count(), 1);
    QTest::mouseClick(&label, Qt::RightButton, {}, QPoint(2, 2));
    EXPECT_EQ(clicks.count(), 1);
}

TEST(StandardComponents, LabelsOfALoadedFormFitTheirFinalTextAndFont)
{
    // The fit waits until the form has loaded; it must still be made, for
    // the caption and font that came last, and never for a fixed-size label.
    widgets::RegisterStandardComponents();
    QWidget form;
    forms::LoadForm(&form, forms::ParseFormDescription(QStringLiteral(R"(
object Form: QWidget
  object Fitted: TLabel
    Caption = 'x'
    Font.Height = -11
    Caption = 'Choose a PDF'#13#10'file or a handful'
    Font.Height = -20
  end
  object Fixed: TLabel
    Width = 30
    Height = 12
    AutoSize = False
    Caption = 'Choose a PDF file or a handful'
  end
end
)")));
    auto* fitted = form.findChild<widgets::TLabel*>(QStringLiteral("Fitted"));
    auto* fixed = form.findChild<widgets::TLabel*>(QStringLiteral("Fixed"));
    ASSERT_TRUE(fitted && fixed);
    EXPECT_EQ(fitted->size(), fitted->sizeHint());
    EXPECT_GT(fitted->height(), 2 * 20);
    EXPECT_EQ(fixed->size(), QSize(30, 12));
}

TEST(StandardComponents, TransparentImageLeavesOutTheBottomLeftColour)
{
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(QColor(255, 0, 255));
    picture.setPixel(1, 0, qRgb(10, 20, 30));
    widgets::TImage image;
    image.setAutoSize(true);
    image.setPicture(picture);
    EXPECT_EQ(image.size(), QSize(3, 2));
    EXPECT_EQ(image.shownPicture().pixel(0, 0), picture.pixel(0, 0)); // opaque until asked
    image.setTransparent(true);
    const QImage shown = image.shownPicture();
    EXPECT_EQ(qAlpha(shown.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(shown.pixel(2, 1)), 0);
    EXPECT_EQ(shown.pixel(1, 0), qRgb(10, 20, 30));
}

TEST(StandardComponents, LoweredBevelBoxIsDarkTopLeftAndLightBottomRight)
{
    widgets::TBevel bevel;
    bevel.resize(20, 10);
    QImage image(bevel.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    bevel.render(&image);
    const QPalette palette = bevel.palette();
    EXPECT_EQ(image.pixel(5, 0), palette.color(QPalette::Dark).rgb());
    EXPECT_EQ(image.pixel(0, 5), palette.color(QPalette::Dark).rgb());
    EXPECT_EQ(image.pixel(5, 9), palette.color(QPalette::Light).rgb());
    EXPECT_EQ(image.pixel(19, 5), palette.color(QPalette::Light).rgb());
}
