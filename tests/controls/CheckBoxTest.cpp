#include "ControlTestSupport.h"

#include "forms/ComponentRegistry.h"
#include "forms/FormDescription.h"
#include "forms/FormLoader.h"
#include "skin/controls/CheckBoxRules.h"
#include "skin/controls/ControlComponents.h"
#include "skin/controls/TsuiCheckBox.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

struct CheckHost {
    QWidget window;
    TsuiCheckBox* box = new TsuiCheckBox(&window);
    QLineEdit* other = new QLineEdit(&window);
    CheckHost()
    {
        window.resize(200, 100);
        box->move(10, 10);
        other->move(10, 60);
    }
};

} // namespace

TEST(TsuiCheckBox, CheckedFiresClickOnRealChangesOnly)
{
    TsuiCheckBox box;
    QSignalSpy clicks(&box, &TsuiCheckBox::clicked);
    box.setChecked(false);
    EXPECT_EQ(clicks.count(), 0);
    box.setChecked(true);
    EXPECT_EQ(clicks.count(), 1);
    box.setChecked(true);
    EXPECT_EQ(clicks.count(), 1);

    // State is a view of Checked; there is no grayed state.
    box.setState(cbGrayed);
    EXPECT_FALSE(box.checked());
    EXPECT_EQ(box.state(), cbUnchecked);
    box.setState(cbChecked);
    EXPECT_EQ(box.state(), cbChecked);
    EXPECT_EQ(clicks.count(), 3);
}

TEST(TsuiCheckBox, LoadingAFormFiresNoClickAndSizesTheBoxToWhatWasStored)
{
    RegisterControlComponents();
    QWidget form;
    int clicks = 0;
    const forms::FormNode root = forms::ParseFormDescription(QStringLiteral("object Form1: TForm\n"
                                                                            "  object suiCheckBox1: TsuiCheckBox\n"
                                                                            "    Caption = 'Merge paragraphs'\n"
                                                                            "    Checked = True\n"
                                                                            "    Font.Height = -13\n"
                                                                            "  end\n"
                                                                            "end\n"));
    forms::LoadForm(&form, root);
    auto* box = form.findChild<TsuiCheckBox*>(QStringLiteral("suiCheckBox1"));
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->checked());
    // Sized once the caption and the font have both arrived.
    EXPECT_EQ(box->width(), 13 + QFontMetrics(box->font()).horizontalAdvance(QStringLiteral("Merge paragraphs")) + 8);
    QObject::connect(box, &TsuiCheckBox::clicked, [&] { ++clicks; });
    box->setChecked(false); // after loading, a change clicks again
    EXPECT_EQ(clicks, 1);
}

TEST(TsuiCheckBox, AutoSizeFromImageAndCaption)
{
    TsuiCheckBox box;
    ASSERT_TRUE(box.autoSize());
    const QImage frame = BuiltinFrame(TsuiUIStyle::DeepBlue, ThemeElement::CheckBoxImage, 4, 2);
    ASSERT_EQ(frame.size(), QSize(13, 13));
    const QFontMetrics metrics(box.font());
    EXPECT_EQ(box.width(), 13 + 8);
    EXPECT_GE(box.height(), 13 + 4);
    EXPECT_EQ(box.height(), std::max(metrics.height() + 2, 13) + 4);
    box.setCaption(QStringLiteral("Merge paragraphs"));
    EXPECT_EQ(box.width(), 13 + metrics.horizontalAdvance(QStringLiteral("Merge paragraphs")) + 8);
    box.setAutoSize(false);
    box.resize(185, 17);
    box.setCaption(QStringLiteral("x"));
    EXPECT_EQ(box.size(), QSize(185, 17));
}

TEST(TsuiCheckBox, FramePerState)
{
    const struct {
        bool checked, enabled;
        int frame;
    } rows[] = {{true, true, 1}, {false, true, 2}, {true, false, 3}, {false, false, 4}};
    for (TsuiUIStyle style : BuiltinStyles) {
        for (const auto& r : rows) {
            SCOPED_TRACE(testing::Message() << int(style) << " frame " << r.frame);
            TsuiCheckBox box;
            box.setUIStyle(style);
            box.setAutoSize(false);
            box.resize(93, 21);
            box.setChecked(r.checked);
            box.setEnabled(r.enabled);
            const QImage frame = BuiltinFrame(style, ThemeElement::CheckBoxImage, 4, r.frame);
            const QImage image = Snapshot(box);
            const QPoint at(1, (21 - frame.height()) / 2);
            EXPECT_TRUE(SameImage(image.copy(QRect(at, frame.size())), frame));
            EXPECT_EQ(image.pixel(0, 0), box.color().rgb());
        }
    }
}

TEST(TsuiCheckBox, DisabledCaptionKeepsTheFontColour)
{
    TsuiCheckBox box;
    QPalette p = box.palette();
    p.setColor(QPalette::WindowText, QColor(0x20, 0x40, 0xC0));
    box.setPalette(p);
    box.setCaption(QStringLiteral("EEE")); // smoothed: whole pixels in the bars
    box.setEnabled(false);
    const QImage image = Snapshot(box);
    int textPixels = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 17; x < image.width(); ++x)
            textPixels += image.pixel(x, y) == qRgb(0x20, 0x40, 0xC0);
    EXPECT_GT(textPixels, 10);
}

TEST(TsuiCheckBox, CaptionLooksLikePlainTextInTheSameFont)
{
    // Unsmoothed captions split words apart ("Merge paragra phs") beside
    // the window's smoothed labels; a kept text picture must not differ
    // from the text drawn at once either.
    TsuiCheckBox box;
    box.setCaption(QStringLiteral("Merge paragraphs"));
    for (int pass = 0; pass < 2; ++pass) { // drawn, then from the kept picture
        const QImage image = Snapshot(box);
        const int lineHeight = QFontMetrics(box.font()).height();
        const QRect caption = CheckBoxCaptionBox(box.size(), QSize(13, 13), lineHeight);
        QImage plain(image.size(), QImage::Format_ARGB32_Premultiplied);
        plain.fill(box.color());
        QPainter painter(&plain);
        painter.setFont(box.font());
        painter.setPen(box.palette().color(QPalette::WindowText));
        painter.drawText(caption, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, box.caption());
        painter.end();
        int worst = 0;
        for (int y = caption.top(); y <= caption.bottom(); ++y)
            for (int x = caption.left(); x <= caption.right(); ++x) {
                const QRgb a = image.pixel(x, y), b = plain.pixel(x, y);
                worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                  std::abs(qBlue(a) - qBlue(b))});
            }
        EXPECT_LE(worst, 1) << "pass " << pass;
    }
}

TEST(TsuiCheckBox, ClickSpaceEnterAndAcceleratorToggle)
{
    CheckHost host;
    TsuiCheckBox& box = *host.box;
    box.setCaption(QStringLiteral("&Merge"));
    ShowActive(host.window);
    host.other->setFocus();

    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(box.checked());
    EXPECT_TRUE(box.hasFocus());
    QTest::keyClick(&box, Qt::Key_Space);
    EXPECT_FALSE(box.checked());
    QTest::keyPress(&box, Qt::Key_Return);
    EXPECT_FALSE(box.checked()); // acts on release
    QTest::keyRelease(&box, Qt::Key_Return);
    EXPECT_TRUE(box.checked());
    host.other->setFocus();
    QTest::keyClick(host.other, Qt::Key_M, Qt::AltModifier);
    EXPECT_FALSE(box.checked());
    EXPECT_TRUE(box.hasFocus());

    // A double click toggles twice, whether or not the platform sends a
    // plain press before the double-click event.
    for (bool pressFirst : {false, true}) {
        QSignalSpy clicks(&box, &TsuiCheckBox::clicked);
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(5, 5));
        if (pressFirst)
            QTest::mousePress(&box, Qt::LeftButton, {}, QPoint(5, 5));
        QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(5, 5), box.mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                        Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&box, &dbl);
        QTest::mouseRelease(&box, Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_EQ(clicks.count(), 2);
        EXPECT_FALSE(box.checked());
    }
}

TEST(TsuiCheckBox, DisabledIgnoresTheUserButNotCode)
{
    CheckHost host;
    TsuiCheckBox& box = *host.box;
    box.setCaption(QStringLiteral("&Merge"));
    ShowActive(host.window);
    box.setFocus();
    box.setEnabled(false);
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::keyClick(&box, Qt::Key_Space);
    QTest::keyClick(host.other, Qt::Key_M, Qt::AltModifier);
    EXPECT_FALSE(box.checked());
    box.setChecked(true);
    EXPECT_TRUE(box.checked());
}

TEST(TsuiCheckBox, FocusRectangleAroundTheCaption)
{
    CheckHost host;
    TsuiCheckBox& box = *host.box;
    box.setCaption(QStringLiteral("Merge"));
    ShowActive(host.window);
    host.other->setFocus();
    const QImage unfocused = Snapshot(box);
    box.setFocus();
    const QImage focused = Snapshot(box);
    const int lineHeight = QFontMetrics(box.font()).height();
    const QPoint corner(13 + 4 - 1, (box.height() - lineHeight) / 2);
    const QRgb before = unfocused.pixel(corner);
    if ((corner.x() + corner.y()) % 2 == 0) {
        EXPECT_EQ(focused.pixel(corner), (~before) | 0xFF000000u);
    }
    EXPECT_EQ(CountDifferences(focused, unfocused, QRect(0, 0, 13 + 3, box.height())), 0); // image untouched
}
