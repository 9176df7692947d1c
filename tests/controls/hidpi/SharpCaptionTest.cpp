#include "skin/controls/TsuiButton.h"
#include "skin/controls/TsuiCheckBox.h"
#include "skin/controls/TsuiProgressBar.h"

#include <QWidget>
#include <gtest/gtest.h>

#include <functional>

namespace {

// Before the test program makes its application, which reads it once.
const bool scaled = qputenv("QT_SCALE_FACTOR", "2");

QImage grabbed(QWidget& widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Of the aligned 2 x 2 pixel blocks that the caption touches (where the
// picture with the caption differs from the one without), those whose four
// pixels are not all the same. A caption drawn at 1x and doubled has none.
int sharpBlocks(const QImage& with, const QImage& without)
{
    int sharp = 0;
    for (int y = 0; y + 1 < with.height(); y += 2)
        for (int x = 0; x + 1 < with.width(); x += 2) {
            const QRgb a = with.pixel(x, y);
            bool touched = false, uniform = true;
            for (const QPoint d : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)}) {
                touched |= with.pixel(x + d.x(), y + d.y()) != without.pixel(x + d.x(), y + d.y());
                uniform &= with.pixel(x + d.x(), y + d.y()) == a;
            }
            sharp += touched && !uniform;
        }
    return sharp;
}

} // namespace

TEST(HiDpi, CaptionsAreDrawnAtTheScreensResolution)
{
    QWidget window;
    auto* button = new TsuiButton(&window);
    auto* box = new TsuiCheckBox(&window);
    auto* bar = new TsuiProgressBar(&window);
    box->setAutoSize(false);
    box->setGeometry(0, 40, 150, 17);
    bar->setGeometry(0, 70, 150, 12);
    ASSERT_TRUE(scaled);
    ASSERT_EQ(button->devicePixelRatioF(), 2.0);
    const std::pair<QWidget*, std::function<void(bool)>> controls[] = {
        {button, [&](bool on) { button->setCaption(on ? QStringLiteral("Start") : QString()); }},
        {box, [&](bool on) { box->setCaption(on ? QStringLiteral("Merge paragraphs") : QString()); }},
        {bar, [&](bool on) { bar->setShowCaption(on); }},
    };
    for (const auto& [control, caption] : controls) {
        SCOPED_TRACE(control->metaObject()->className());
        caption(false);
        const QImage without = grabbed(*control);
        caption(true);
        const QImage with = grabbed(*control);
        ASSERT_EQ(with.size(), control->size() * 2);
        EXPECT_GT(sharpBlocks(with, without), 10);
    }
}
