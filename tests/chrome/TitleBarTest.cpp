#include "ChromeFixture.h"
#include "Wait.h"

#include "common/MessageResponder.h"
#include "skin/chrome/TsuiTitleBarPopupMenu.h"
#include "skin/theme/BuiltinTheme.h"

#include <QSignalSpy>
#include <QTest>

namespace {

QImage ButtonFrame(TsuiUIStyle style, int frame)
{
    QImage image;
    GetBuiltinThemeBitmap(style, ThemeElement::TitleBarButtonImage, image, 18, frame);
    return image;
}

// BlueGlass puts its 19-pixel buttons at y 6: the control box at x 4, the
// others from the right edge of the 600-pixel bar, 20 pixels apart, in
// collection order (close, maximise, minimise, then any added).
constexpr QPoint kControlBox(4 + 9, 6 + 9);
constexpr QPoint RightButton(int slot)
{
    return QPoint(578 - 20 * slot + 9, 6 + 9);
}

} // namespace

using TitleBar = BlueGlassFixture;

TEST_F(TitleBar, BlueGlassMetrics)
{
    EXPECT_EQ(bar()->width(), 600);
    EXPECT_EQ(bar()->height(), 33);
    EXPECT_EQ(host->minimumWidth(), 270);
    EXPECT_EQ(bar()->RoundCorner(), 11);
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(bar()->Buttons()[i]->Transparent()) << i;
}

TEST_F(TitleBar, WindowOutlineRoundsTopCorners)
{
    const QRegion mask = host->mask();
    EXPECT_FALSE(mask.contains(QPoint(0, 0)));
    EXPECT_FALSE(mask.contains(QPoint(601, 0)));
    EXPECT_TRUE(mask.contains(QPoint(300, 0)));
    EXPECT_TRUE(mask.contains(QPoint(0, 399)));
    // The line drawn along it meets it at both corners: they mirror each
    // other, and every pixel of the line is inside the window.
    const QImage bar = this->bar()->Compose();
    const QRgb line = qRgb(0, 0, 0);
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 8; ++x) {
            EXPECT_EQ(bar.pixel(x, y) == line, bar.pixel(599 - x, y) == line) << x << "," << y;
            if (bar.pixel(x, y) == line) {
                EXPECT_TRUE(mask.contains(QPoint(x + 1, y)) && mask.contains(QPoint(600 - x, y))) << x << "," << y;
            }
        }
    }
    // The outline follows the window's size.
    host->resize(700, 450);
    EXPECT_TRUE(host->mask().contains(QPoint(699, 449)));
    EXPECT_FALSE(host->mask().contains(QPoint(699, 0)));
}

TEST_F(TitleBar, RoundCornerZeroMakesTheWindowRectangularWithoutOutline)
{
    const QImage rounded = bar()->Compose();
    // The outline runs along the top edge in the border colour (black).
    EXPECT_EQ(rounded.pixel(300, 0), qRgb(0, 0, 0));
    frame->setRoundCorner(0);
    EXPECT_TRUE(host->mask().isEmpty());
    const QImage plain = bar()->Compose();
    EXPECT_NE(plain.pixel(300, 0), qRgb(0, 0, 0));
    EXPECT_EQ(plain.pixel(300, 5), rounded.pixel(300, 5));
}

TEST_F(TitleBar, WinXPRoundsTheWindowButNeverDrawsTheOutline)
{
    frame->setUIStyle(TsuiUIStyle::WinXP);
    EXPECT_EQ(bar()->RoundCorner(), 13);
    EXPECT_FALSE(host->mask().contains(QPoint(0, 0)));
    const QImage withCorner = bar()->Compose();
    bar()->setRoundCorner(0);
    EXPECT_EQ(bar()->Compose(), withCorner);
}

TEST_F(TitleBar, StyleMetricsPerStyle)
{
    struct Row {
        TsuiUIStyle style;
        int top;
        int minWidth;
        int corner;
    };
    const Row rows[] = {
        {TsuiUIStyle::MacOS, 4, 130, 0},   {TsuiUIStyle::WinXP, 5, 150, 13},     {TsuiUIStyle::DeepBlue, 2, 130, 0},
        {TsuiUIStyle::Protein, 2, 130, 0}, {TsuiUIStyle::BlueGlass, 6, 270, 11},
    };
    for (const Row& r : rows) {
        frame->setUIStyle(r.style);
        EXPECT_EQ(bar()->Buttons()[1]->Top(), r.top) << int(r.style);
        EXPECT_EQ(host->minimumWidth(), r.minWidth) << int(r.style);
        EXPECT_EQ(bar()->RoundCorner(), r.corner) << int(r.style);
        EXPECT_EQ(bar()->Sections().Count(), 3);
        QImage left;
        GetBuiltinThemeBitmap(r.style, ThemeElement::TitleBarLeftImage, left, 0, 0);
        EXPECT_EQ(bar()->height(), left.height()) << int(r.style);
        // Caption is black on MacOS, white elsewhere.
        EXPECT_EQ(bar()->FontColor(), r.style == TsuiUIStyle::MacOS ? 0x000000 : 0xFFFFFF);
    }
}

TEST_F(TitleBar, MaxGlyphFollowsTheWindowState)
{
    TsuiTitleBarButton* max = bar()->Buttons()[2];
    ASSERT_EQ(max->ButtonType(), suiMax);
    EXPECT_EQ(max->PicNormal(), ButtonFrame(TsuiUIStyle::BlueGlass, 7));
    EXPECT_EQ(max->PicMouseDown(), ButtonFrame(TsuiUIStyle::BlueGlass, 9));
    host->showMaximized();
    WAIT_TRUE(host->isMaximized());
    EXPECT_EQ(max->PicNormal(), ButtonFrame(TsuiUIStyle::BlueGlass, 10));
    EXPECT_EQ(max->PicMouseOn(), ButtonFrame(TsuiUIStyle::BlueGlass, 11));
    host->showNormal();
    WAIT_TRUE(!host->isMaximized());
    EXPECT_EQ(max->PicNormal(), ButtonFrame(TsuiUIStyle::BlueGlass, 7));
}

TEST_F(TitleBar, HotAndPressedPicturesFollowTheCursor)
{
    TsuiTitleBarButton* close = bar()->Buttons()[1];
    // A pixel where the three pictures differ.
    QPoint c(-1, -1);
    for (int y = 0; y < 19 && c.x() < 0; ++y)
        for (int x = 0; x < 19 && c.x() < 0; ++x) {
            const QRgb normal = close->PicNormal().pixel(x, y);
            const QRgb on = close->PicMouseOn().pixel(x, y);
            const QRgb down = close->PicMouseDown().pixel(x, y);
            if (normal != on && normal != down && on != down)
                c = QPoint(x, y);
        }
    ASSERT_GE(c.x(), 0);
    const QPoint at = c + QPoint(578, 6);
    QTest::mouseMove(bar(), RightButton(0));
    EXPECT_EQ(bar()->Compose().pixel(at), close->PicMouseOn().pixel(c));
    QTest::mousePress(bar(), Qt::LeftButton, {}, RightButton(0));
    EXPECT_EQ(bar()->Compose().pixel(at), close->PicMouseDown().pixel(c));
    // Edges count as inside: the rectangle's right edge is one past it.
    QTest::mouseMove(bar(), QPoint(578 + 19, 10));
    EXPECT_EQ(bar()->Compose().pixel(at), close->PicMouseDown().pixel(c));
    QTest::mouseMove(bar(), QPoint(578 + 20, 10));
    EXPECT_EQ(bar()->Compose().pixel(at), close->PicNormal().pixel(c));
}

TEST_F(TitleBar, ButtonActions)
{
    QTest::mouseClick(bar(), Qt::LeftButton, {}, RightButton(1));
    WAIT_TRUE(host->isMaximized());
    QTest::mouseClick(bar(), Qt::LeftButton, {}, RightButton(1));
    WAIT_TRUE(!host->isMaximized());
    QTest::mouseClick(bar(), Qt::LeftButton, {}, RightButton(0));
    WAIT_TRUE(!host->isVisible());
}

TEST_F(TitleBar, CustomAndHelpButtonsReportTheirIndex)
{
    TsuiTitleBarButton* help = bar()->Buttons().Add();
    help->setButtonType(suiHelp);
    TsuiTitleBarButton* custom = bar()->Buttons().Add();
    custom->setPicNormal(ButtonFrame(TsuiUIStyle::BlueGlass, 4));
    QSignalSpy helpSpy(frame, &TsuiForm::titleBarHelpBtnClick);
    QSignalSpy customSpy(frame, &TsuiForm::titleBarCustomBtnsClick);
    QTest::mouseClick(bar(), Qt::LeftButton, {}, RightButton(3));
    QTest::mouseClick(bar(), Qt::LeftButton, {}, RightButton(4));
    ASSERT_EQ(helpSpy.count(), 1);
    EXPECT_EQ(helpSpy[0][1].toInt(), 4);
    ASSERT_EQ(customSpy.count(), 1);
    EXPECT_EQ(customSpy[0][1].toInt(), 5);
    // A custom button keeps its own pictures across a style change.
    frame->setUIStyle(TsuiUIStyle::WinXP);
    EXPECT_EQ(custom->PicNormal(), ButtonFrame(TsuiUIStyle::BlueGlass, 4));
    EXPECT_EQ(help->PicNormal(), ButtonFrame(TsuiUIStyle::WinXP, 4));
}

TEST_F(TitleBar, ControlBoxOpensTheSystemMenuUnderTheBar)
{
    TsuiTitleBarPopupMenu* menu = bar()->SystemMenu();
    QTest::mouseClick(bar(), Qt::LeftButton, {}, kControlBox);
    WAIT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->pos(), bar()->mapToGlobal(QPoint(0, bar()->height())));
    menu->hide();
}

TEST_F(TitleBar, DoubleClicks)
{
    QTest::mouseDClick(bar(), Qt::LeftButton, {}, QPoint(300, 15));
    WAIT_TRUE(host->isMaximized());
    QTest::mouseDClick(bar(), Qt::LeftButton, {}, QPoint(300, 15));
    WAIT_TRUE(!host->isMaximized());
    QTest::mouseDClick(bar(), Qt::LeftButton, {}, kControlBox);
    WAIT_TRUE(!host->isVisible());
}

TEST_F(TitleBar, DraggingEmptyCaptionSpaceMovesTheWindow)
{
    const QPoint start = host->pos();
    QTest::mousePress(bar(), Qt::LeftButton, {}, QPoint(300, 15));
    QTest::mouseMove(bar(), QPoint(340, 35));
    QTest::mouseRelease(bar(), Qt::LeftButton, {}, QPoint(340, 35));
    EXPECT_EQ(host->pos(), start + QPoint(40, 20));
}

TEST_F(TitleBar, MaximisedWindowDoesNotMove)
{
    host->showMaximized();
    WAIT_TRUE(host->isMaximized());
    const QRect before = host->geometry();
    QTest::mousePress(bar(), Qt::LeftButton, {}, QPoint(300, 15));
    QTest::mouseMove(bar(), QPoint(340, 35));
    QTest::mouseRelease(bar(), Qt::LeftButton, {}, QPoint(340, 35));
    EXPECT_EQ(host->geometry(), before);
}

TEST_F(TitleBar, TopBandResizesTheWindow)
{
    const QRect before = host->geometry();
    QTest::mousePress(bar(), Qt::LeftButton, {}, QPoint(300, 2));
    QTest::mouseMove(bar(), QPoint(300, -8));
    QTest::mouseRelease(bar(), Qt::LeftButton, {}, QPoint(300, -8));
    EXPECT_EQ(host->geometry(), before.adjusted(0, -10, 0, 0));
}

TEST_F(TitleBar, CaptionIsShortenedWithDots)
{
    frame->setCaption(QString(200, QLatin1Char('W')));
    const QImage image = bar()->Compose();
    // The caption stops short of the minimise button, the leftmost one.
    const QImage reference = [&] {
        frame->setCaption(QString());
        return bar()->Compose();
    }();
    for (int x = 538; x < 600; ++x)
        for (int y = 0; y < 33; ++y)
            ASSERT_EQ(image.pixel(x, y), reference.pixel(x, y)) << x << "," << y;
}

TEST_F(TitleBar, InactiveWindowCaptionColour)
{
    frame->setCaption(QStringLiteral("WWWW"));
    bar()->setFormActive(true);
    const QImage active = bar()->Compose();
    bar()->setFormActive(false);
    const QImage inactive = bar()->Compose();
    EXPECT_NE(active, inactive);
}

TEST(TitleBarButtons, SettersReportTheirErrors)
{
    QWidget host;
    TsuiForm frame(&host);
    TsuiTitleBarButtons& buttons = frame.TitleBar()->Buttons();
    MessageResponder responder;
    buttons[1]->setButtonType(suiControlBox);
    buttons[0]->setButtonType(suiControlBox);
    EXPECT_EQ(responder.texts(),
              QStringList(2, QStringLiteral("Sorry, only one button's ButtonType property can be \"suiControlBox\"")));
    EXPECT_EQ(buttons[1]->ButtonType(), suiClose);
    EXPECT_EQ(buttons[0]->ButtonType(), suiControlBox);

    TsuiTitleBarSections& sections = frame.TitleBar()->Sections();
    responder.clear();
    sections[0]->setAlign(suiClient);
    EXPECT_EQ(responder.texts(),
              QStringList(QStringLiteral("Sorry, only one section's Align property can be \"suiClient\"")));
    EXPECT_EQ(sections[0]->Align(), suiLeft);
    sections[2]->setStretch(false);
    EXPECT_TRUE(sections[2]->Stretch());
    const int pictureWidth = sections[0]->Picture().width();
    sections[0]->setWidth(3);
    sections[0]->setAutoSize(false);
    EXPECT_EQ(sections[0]->Width(), pictureWidth);
}

TEST(TitleBarButtons, AssignCopiesThroughTheSetters)
{
    QWidget host;
    TsuiForm frame(&host);
    TsuiTitleBar other(nullptr);
    other.Buttons().Clear();
    TsuiTitleBarButton* source = other.Buttons().Add();
    source->setUIStyle(TsuiUIStyle::BlueGlass);
    source->setButtonType(suiMin);
    source->setTop(9);
    frame.TitleBar()->Buttons().Assign(other.Buttons());
    ASSERT_EQ(frame.TitleBar()->Buttons().Count(), 1);
    TsuiTitleBarButton* copy = frame.TitleBar()->Buttons()[0];
    EXPECT_EQ(copy->ButtonType(), suiMin);
    // Writing UIStyle reloads the style's Top and Transparent, then the
    // source's pictures are copied.
    EXPECT_EQ(copy->Top(), 6);
    EXPECT_TRUE(copy->Transparent());
    EXPECT_EQ(copy->PicNormal(), source->PicNormal());
}

// Buttons know nothing of a bar: a collection on its own signals every
// change, and the window state it is told picks the maximise glyph.
TEST(TitleBarButtons, StandAloneCollectionSignalsChangesAndFollowsItsContext)
{
    TsuiTitleBarButtons buttons(nullptr);
    QSignalSpy changed(&buttons, &TitleBarCollectionBase::changed);
    TsuiTitleBarButton* max = buttons.Add();
    max->setUIStyle(TsuiUIStyle::BlueGlass);
    max->setButtonType(suiMax);
    EXPECT_EQ(max->PicNormal(), ButtonFrame(TsuiUIStyle::BlueGlass, 7));
    const int afterSetters = int(changed.count());
    EXPECT_GE(afterSetters, 2);

    buttons.setContext({nullptr, true, false});
    max->UpdateMaxGlyph();
    EXPECT_EQ(max->PicNormal(), ButtonFrame(TsuiUIStyle::BlueGlass, 10));
    buttons.setContext({nullptr, true, true}); // a custom bar keeps its glyph
    buttons.setContext({nullptr, false, true});
    max->UpdateMaxGlyph();
    EXPECT_EQ(max->PicNormal(), ButtonFrame(TsuiUIStyle::BlueGlass, 10));

    buttons.Clear();
    EXPECT_GT(changed.count(), afterSetters);
}
