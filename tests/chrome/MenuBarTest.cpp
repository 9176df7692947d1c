#include "ChromeFixture.h"
#include "Wait.h"

#include "forms/FormDescription.h"
#include "forms/FormLoader.h"
#include "runtime/BitmapResource.h"
#include "runtime/Canvas.h"
#include "skin/chrome/ChromeComponents.h"
#include "skin/chrome/FrameMenuBar.h"
#include "skin/chrome/MenuBarButton.h"
#include "skin/chrome/MenuBarPainter.h"
#include "skin/chrome/TsuiMainMenu.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>

namespace {

QRgb Rgb(runtime::TColor color)
{
    return runtime::ColorFromTColor(color).rgb();
}

// A main menu on the fixture's host with File, Edit and Help drop-downs.
TsuiMainMenu* ThreeMenus(QWidget* host)
{
    auto* menu = new TsuiMainMenu(host);
    for (const char* title : {"&File", "&Edit", "&Help"})
        menu->addMenu(QString::fromLatin1(title))->addAction(QStringLiteral("Item"));
    return menu;
}

QStringList Captions(const FrameMenuBar* bar)
{
    QStringList captions;
    for (const MenuBarButton* button : bar->Buttons())
        captions << button->text();
    return captions;
}

// The bounding box of the pixels inside `area` that are not `fill`: the
// caption on a filled button.
QRect CaptionBox(const QImage& image, QRgb fill, const QRect& area)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != fill)
                box |= QRect(x, y, 1, 1);
    return box;
}

QImage PaintButton(const MenuBarLook& look, bool hot, bool pressed, QSize size = QSize(60, 22))
{
    QImage image(size, runtime::BitmapFormat);
    image.fill(Qt::magenta);
    runtime::Canvas canvas(&image);
    PaintMenuBarButton(canvas, look, {size, QStringLiteral("&File"), true, hot, pressed});
    return image;
}

MenuBarLook BlueGlassLook()
{
    MenuBarLook look;
    look.selectedBackground = look.selectedBorder = 0xEC5E5E;
    look.selectedFont = 0xFFFFFF;
    look.font = QFont(QStringLiteral("Liberation Sans"), 9);
    return look;
}

} // namespace

using MenuBar = BlueGlassFixture;

TEST_F(MenuBar, FollowsTheMenuAndItsItems)
{
    EXPECT_EQ(frame->MenuBar(), nullptr);
    TsuiMainMenu* menu = ThreeMenus(host.get());
    // Made after the frame, the menu links itself.
    ASSERT_EQ(frame->Menu(), menu);
    FrameMenuBar* bar = frame->MenuBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(Captions(bar), QStringList({"&File", "&Edit", "&Help"}));
    // Stacked: title bar, menu bar, then the rest of the frame.
    EXPECT_EQ(bar->geometry(), QRect(0, frame->TitleBar()->height(), frame->width(), 22));

    QAction* edit = menu->actions().at(1);
    edit->setText(QStringLiteral("&Change"));
    edit->setEnabled(false);
    EXPECT_EQ(bar->Buttons().at(1)->text(), QStringLiteral("&Change"));
    EXPECT_FALSE(bar->Buttons().at(1)->isEnabled());
    EXPECT_LT(bar->Buttons().at(1)->x(), bar->Buttons().at(2)->x());
    menu->addMenu(QStringLiteral("&Window"));
    EXPECT_EQ(bar->Buttons().size(), 4);

    frame->setMenuBarHeight(30);
    EXPECT_EQ(bar->height(), 30);
    for (const MenuBarButton* button : bar->Buttons())
        EXPECT_EQ(button->height(), 30);

    frame->setMenu(nullptr);
    EXPECT_EQ(frame->MenuBar(), nullptr);
    frame->setMenu(menu);
    ASSERT_NE(frame->MenuBar(), nullptr);
    delete menu;
    EXPECT_EQ(frame->Menu(), nullptr);
    EXPECT_EQ(frame->MenuBar(), nullptr);
}

TEST(MenuBarLink, AMenuMadeBeforeTheFrameIsShownToo)
{
    QWidget host;
    TsuiMainMenu* menu = ThreeMenus(&host);
    auto* frame = new TsuiForm(&host);
    EXPECT_EQ(frame->Menu(), menu);
    ASSERT_NE(frame->MenuBar(), nullptr);
    EXPECT_EQ(frame->MenuBar()->Buttons().size(), 3);
}

TEST_F(MenuBar, KeyboardOpensMovesAndCloses)
{
    ThreeMenus(host.get());
    FrameMenuBar* bar = frame->MenuBar();
    host->activateWindow();
    WAIT_TRUE(QApplication::activeWindow() == host.get());

    QTest::keyClick(host.get(), Qt::Key_E, Qt::AltModifier);
    WAIT_TRUE(bar->OpenButton() == bar->Buttons().at(1));
    QMenu* edit = bar->Buttons().at(1)->Item()->menu();
    WAIT_TRUE(edit->isVisible());
    QTest::keyClick(edit, Qt::Key_Right);
    WAIT_TRUE(bar->OpenButton() == bar->Buttons().at(2));
    QTest::keyClick(bar->Buttons().at(2)->Item()->menu(), Qt::Key_Right);
    WAIT_TRUE(bar->OpenButton() == bar->Buttons().at(0)); // wraps round
    QMenu* file = bar->Buttons().at(0)->Item()->menu();
    QTest::keyClick(file, Qt::Key_Left);
    WAIT_TRUE(bar->OpenButton() == bar->Buttons().at(2));
    // Alt+letter of another menu switches to it while one is open.
    QTest::keyClick(bar->Buttons().at(2)->Item()->menu(), Qt::Key_E, Qt::AltModifier);
    WAIT_TRUE(bar->OpenButton() == bar->Buttons().at(1));
    QTest::keyClick(edit, Qt::Key_Escape);
    WAIT_TRUE(bar->OpenButton() == nullptr);
    EXPECT_FALSE(edit->isVisible());
}

// As on any menu bar: with one menu open, pointing at another button opens
// that one's menu instead; a disabled button is passed over.
TEST_F(MenuBar, PointerSwitchesBetweenOpenMenus)
{
    TsuiMainMenu* menu = ThreeMenus(host.get());
    menu->actions().at(1)->setEnabled(false);
    FrameMenuBar* bar = frame->MenuBar();
    QMenu* file = menu->actions().at(0)->menu();
    QMenu* help = menu->actions().at(2)->menu();
    QTest::mouseClick(bar->Buttons().at(0), Qt::LeftButton);
    WAIT_TRUE(file->isVisible());
    QTest::mouseMove(bar->Buttons().at(1));
    EXPECT_EQ(bar->OpenButton(), bar->Buttons().at(0));
    QTest::mouseMove(bar->Buttons().at(2));
    WAIT_TRUE(help->isVisible());
    EXPECT_EQ(bar->OpenButton(), bar->Buttons().at(2));
    EXPECT_FALSE(file->isVisible());
    QTest::keyClick(help, Qt::Key_Escape);
    WAIT_TRUE(bar->OpenButton() == nullptr);
}

TEST_F(MenuBar, ClickDropsTheMenuDownUnderItsButton)
{
    TsuiMainMenu* menu = ThreeMenus(host.get());
    MenuBarButton* help = frame->MenuBar()->Buttons().at(2);
    QTest::mousePress(help, Qt::LeftButton);
    QMenu* dropDown = menu->actions().at(2)->menu();
    WAIT_TRUE(dropDown->isVisible());
    EXPECT_EQ(dropDown->pos(), help->mapToGlobal(QPoint(0, help->height())));
    // Drawn with the popup rules in the menu's style: the selected item
    // takes BlueGlass's selection fill.
    dropDown->setActiveAction(dropDown->actions().at(0));
    const QImage picture = dropDown->grab().toImage();
    const QRect item = dropDown->actionGeometry(dropDown->actions().at(0));
    EXPECT_EQ(picture.pixel(item.center().x(), item.bottom() - 1), Rgb(0xEC5E5E));
    dropDown->hide();
}

TEST_F(MenuBar, ScreenReadersSeeAMenuBarOfNamedItems)
{
    ThreeMenus(host.get());
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(frame->MenuBar());
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->role(), QAccessible::MenuBar);
    QAccessibleInterface* file = QAccessible::queryAccessibleInterface(frame->MenuBar()->Buttons().at(0));
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->role(), QAccessible::MenuItem);
    EXPECT_EQ(file->text(QAccessible::Name), QStringLiteral("File"));
}

TEST(MenuBarPainting, BlueGlassHotAndPressedButtons)
{
    const MenuBarLook look = BlueGlassLook();
    const QImage hot = PaintButton(look, true, false);
    EXPECT_EQ(hot.pixel(0, 0), Rgb(0xEC5E5E));
    EXPECT_EQ(hot.pixel(59, 21), Rgb(0xEC5E5E));
    // The caption is centred in the button with its top moved down by 2.
    const QRect text = CaptionBox(hot, Rgb(0xEC5E5E), QRect(1, 1, 58, 20));
    ASSERT_FALSE(text.isEmpty());
    EXPECT_NEAR(text.left() + text.right(), 60, 2);
    EXPECT_NEAR(text.top() + text.bottom(), 24, 4);

    const QImage pressed = PaintButton(look, true, true);
    EXPECT_EQ(pressed.pixel(57, 5), Rgb(0xEC5E5E)); // the frame stops 2 short
    EXPECT_EQ(pressed.pixel(58, 5), QColor(Qt::magenta).rgb());
    // Centred between Left + 2 and the shortened Right - 2: where the hot
    // caption is.
    EXPECT_EQ(CaptionBox(pressed, Rgb(0xEC5E5E), QRect(1, 1, 56, 20)), text);
}

TEST(MenuBarPainting, MacOSUsesItsBitmaps)
{
    MenuBarLook look = BlueGlassLook();
    look.mac = true;
    look.barBitmap = runtime::LoadBitmapResource(QStringLiteral("MACOS_MENU_BAR"));
    look.selectBitmap = runtime::LoadBitmapResource(QStringLiteral("MACOS_MENU_SELECT"));
    QImage bar(80, 22, runtime::BitmapFormat);
    {
        runtime::Canvas canvas(&bar);
        PaintMenuBarBackground(canvas, bar.size(), look);
    }
    const QImage barStretched = runtime::StretchNearest(look.barBitmap, look.barBitmap.rect(), 80, 22);
    const QImage hot = PaintButton(look, true, false);
    const QImage selectStretched = runtime::StretchNearest(look.selectBitmap, look.selectBitmap.rect(), 60, 22);
    for (int y : {0, 10, 21}) {
        EXPECT_EQ(bar.pixel(40, y), barStretched.pixel(40, y));
        EXPECT_EQ(hot.pixel(1, y), selectStretched.pixel(1, y));
    }
}

TEST_F(MenuBar, MainMenuImagesAndFont)
{
    TsuiMainMenu* menu = ThreeMenus(host.get());
    menu->setImages(nullptr);
    EXPECT_EQ(menu->Images(), nullptr);
    // With no user images a checked item shows the menu's own check mark.
    QAction* item = menu->actions().at(0)->menu()->actions().at(0);
    item->setCheckable(true);
    item->setChecked(true);
    QImage picture(120, 21, runtime::BitmapFormat);
    picture.fill(Qt::black);
    {
        runtime::Canvas canvas(&picture);
        menu->DrawDropDownItem(item, canvas, QRect(0, 0, 120, 21), false);
    }
    const QImage mark = runtime::LoadBitmapResource(QStringLiteral("MENU_CHECKED"));
    int markPixels = 0;
    for (int y = 0; y < mark.height(); ++y)
        for (int x = 0; x < mark.width(); ++x)
            if ((mark.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) {
                EXPECT_EQ(picture.pixel(4 + x, 3 + y), mark.pixel(x, y) | 0xFF000000u);
                ++markPixels;
            }
    EXPECT_GT(markPixels, 0);
    // A disabled checked item shows the mark greyed, not nothing.
    const auto drawn = [&] {
        QImage disabled(120, 21, runtime::BitmapFormat);
        disabled.fill(Qt::black);
        runtime::Canvas canvas(&disabled);
        menu->DrawDropDownItem(item, canvas, QRect(0, 0, 120, 21), false);
        return disabled.copy(4, 3, mark.width(), mark.height());
    };
    item->setEnabled(false);
    const QImage greyed = drawn();
    item->setChecked(false);
    EXPECT_NE(greyed, drawn());
    item->setEnabled(true);
    item->setChecked(true);
    // Its own image list stays hidden; a user's list serves item images.
    MenuImageList images;
    QImage red(16, 16, QImage::Format_RGB32);
    red.fill(Qt::red);
    images.Add(red, 0xFFFFFF);
    menu->setImages(&images);
    item->setProperty("ImageIndex", 0);
    EXPECT_EQ(menu->ItemImage(item).pixel(8, 8), QColor(Qt::red).rgb());
    item->setProperty("ImageIndex", 1);
    EXPECT_TRUE(menu->ItemImage(item).isNull());

    // Leaving the system font gives the bar FontName and FontSize at once.
    menu->setFontName(QStringLiteral("Liberation Serif"));
    menu->setFontSize(20);
    const int before = frame->MenuBar()->Buttons().at(0)->width();
    menu->setUseSystemFont(false);
    EXPECT_EQ(frame->MenuBar()->Look().font.pointSize(), 20);
    EXPECT_GT(frame->MenuBar()->Buttons().at(0)->width(), before);
}

// A stored form holds the menu beside the frame, its items nested in menu
// order.
TEST(MenuBarLink, StoredFormHoldsTheMenuAndItsItems)
{
    RegisterChromeComponents();
    QWidget form;
    forms::LoadForm(&form, forms::ParseFormDescription(QStringLiteral(R"(
object Form1: TForm1
  Width = 400
  Height = 300
  object suiForm1: TsuiForm
    UIStyle = BlueGlass
    Menu = MainMenu1
  end
  object MainMenu1: TsuiMainMenu
    UIStyle = MacOS
    object File1: TMenuItem
      Caption = '&File'
      object Open1: TMenuItem
        Caption = '&Open'
        ShortCut = 16463
      end
      object N1: TMenuItem
        Caption = '-'
      end
    end
    object Help1: TMenuItem
      Caption = '&Help'
      Enabled = False
    end
  end
end
)")));
    auto* frame = form.findChild<TsuiForm*>();
    ASSERT_NE(frame, nullptr);
    ASSERT_NE(frame->MenuBar(), nullptr);
    EXPECT_EQ(Captions(frame->MenuBar()), QStringList({"&File", "&Help"}));
    EXPECT_FALSE(frame->MenuBar()->Buttons().at(1)->isEnabled());
    QMenu* file = frame->Menu()->actions().at(0)->menu();
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(file->actions().size(), 2);
    EXPECT_EQ(file->actions().at(0)->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    EXPECT_TRUE(file->actions().at(1)->isSeparator());
    // The menu keeps its stored style until the frame's style changes.
    auto* menu = qobject_cast<TsuiMainMenu*>(frame->Menu());
    EXPECT_EQ(menu->UIStyle(), TsuiUIStyle::MacOS);
    EXPECT_TRUE(frame->MenuBar()->Look().mac);
    frame->setUIStyle(TsuiUIStyle::WinXP);
    EXPECT_EQ(menu->UIStyle(), TsuiUIStyle::WinXP);
    EXPECT_FALSE(frame->MenuBar()->Look().mac);
}
