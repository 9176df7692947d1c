#include "forms/FormDescription.h"
#include "forms/FormLoader.h"
#include "runtime/Bitmap.h"
#include "runtime/Canvas.h"
#include "runtime/TColor.h"
#include "skin/chrome/ChromeComponents.h"
#include "skin/chrome/TsuiForm.h"
#include "skin/chrome/TsuiPopupMenu.h"
#include "widgets/StandardComponents.h"

#include <gtest/gtest.h>

// The frame as the main window's description stores it (abridged: two of
// its four buttons).
TEST(StoredForm, FrameLoadsFromTheMainWindowsDescription)
{
    RegisterChromeComponents();
    widgets::RegisterStandardComponents();
    QWidget form;
    forms::LoadForm(&form, forms::ParseFormDescription(QStringLiteral(R"(
object Form1: TForm1
  Width = 624
  Height = 442
  object suiForm1: TsuiForm
    Left = 1
    Top = 0
    Width = 622
    Height = 441
    UIStyle = BlueGlass
    UIStyleAutoUpdateSub = False
    BorderColor = clBlack
    BorderWidth = 1
    Color = $00E7E7E7
    Caption = 'Advanced QUARLEX (PDF to HTML)'
    Font.Name = 'Tahoma'
    Font.Height = -11
    Font.Style = [fsBold]
    Font.Color = clRed
    TitleBarDrawAppIcon = False
    TitleBarCustom = False
    MenuBarColor = $00E7E7E7
    MenuBarHeight = 22
    RoundCorner = 11
    TitleBarButtons = <
      item
        UIStyle = BlueGlass
        ButtonType = suiControlBox
        Transparent = True
        Top = 6
        Visible = True
      end
      item
        UIStyle = BlueGlass
        ButtonType = suiClose
        Transparent = True
        Top = 6
        Visible = True
      end>
    TitleBarSections = <
      item
        AutoSize = True
        Width = 162
        Align = suiLeft
        Picture = 'BLUEGLASS_TITLE_LEFT'
      end
      item
        Width = 10
        Align = suiClient
        Picture = 'BLUEGLASS_TITLE_CLIENT'
        Stretch = True
      end>
    object Label1: TLabel
      Caption = 'PDF File '
    end
  end
end
)")));
    auto* frame = form.findChild<TsuiForm*>(QStringLiteral("suiForm1"));
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->UIStyle(), TsuiUIStyle::BlueGlass);
    EXPECT_EQ(form.size(), QSize(624, 442));
    EXPECT_EQ(frame->Caption(), QStringLiteral("Advanced QUARLEX (PDF to HTML)"));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Advanced QUARLEX (PDF to HTML)"));
    EXPECT_EQ(frame->RoundCorner(), 11);
    TsuiTitleBar* bar = frame->TitleBar();
    ASSERT_EQ(bar->Buttons().Count(), 2);
    EXPECT_EQ(bar->Buttons()[1]->ButtonType(), suiClose);
    EXPECT_EQ(bar->Buttons()[1]->Top(), 6);
    EXPECT_EQ(bar->Buttons()[1]->PicNormal().size(), QSize(19, 19));
    ASSERT_EQ(bar->Sections().Count(), 2);
    EXPECT_EQ(bar->Sections()[0]->Width(), 162);
    EXPECT_EQ(bar->Sections()[1]->Align(), suiClient);
    EXPECT_TRUE(bar->font().bold());
    EXPECT_EQ(bar->font().pixelSize(), 11);
    EXPECT_EQ(bar->FontColor(), runtime::clRed);
    // The caption's font stays the caption's: the panel's controls keep the
    // form's font and text colour.
    auto* label = frame->findChild<QWidget*>(QStringLiteral("Label1"));
    ASSERT_NE(label, nullptr);
    EXPECT_FALSE(label->font().bold());
    EXPECT_EQ(label->palette().color(QPalette::WindowText), form.palette().color(QPalette::WindowText));
    EXPECT_EQ(label->palette().color(QPalette::Window), QColor(0xE7, 0xE7, 0xE7)); // the panel's face
    form.show();
    EXPECT_EQ(frame->geometry(), QRect(1, 0, 622, 441));
}

// A stored menu sets its colours after its style; they hold until the next
// style write, and the menu paints with them.
TEST(StoredForm, PopupMenuColoursAndOwnerDrawFromTheDescription)
{
    RegisterChromeComponents();
    QWidget form;
    forms::LoadForm(&form, forms::ParseFormDescription(QStringLiteral(R"(
object Form1: TForm1
  object PopupMenu1: TsuiPopupMenu
    OwnerDraw = False
    UIStyle = BlueGlass
    BarColor = clRed
    Color = $00102030
    SeparatorColor = clBlue
    SelectedBorderColor = clNavy
    SelectedColor = clSilver
    SelectedFontColor = clBlack
    FontColor = clGray
    BorderColor = clWhite
  end
end
)")));
    auto* menu = form.findChild<TsuiPopupMenu*>(QStringLiteral("PopupMenu1"));
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->OwnerDraw());
    EXPECT_EQ(menu->BarColor(), runtime::clRed);
    EXPECT_EQ(menu->Color(), 0x102030);
    EXPECT_EQ(menu->SeparatorColor(), runtime::clBlue);
    EXPECT_EQ(menu->SelectedBorderColor(), runtime::clNavy);
    EXPECT_EQ(menu->SelectedColor(), runtime::clSilver);
    EXPECT_EQ(menu->SelectedFontColor(), runtime::clBlack);
    EXPECT_EQ(menu->FontColor(), runtime::clGray);
    EXPECT_EQ(menu->BorderColor(), runtime::clWhite);

    QAction* item = menu->addAction(QStringLiteral("Item"));
    QImage image(120, 21, runtime::BitmapFormat);
    runtime::Canvas canvas(&image);
    menu->DrawItem(item, canvas, QRect(0, 0, 120, 21), false);
    EXPECT_EQ(image.pixel(5, 18), runtime::ColorFromTColor(runtime::clRed).rgb());
    EXPECT_EQ(image.pixel(100, 18), qRgb(0x30, 0x20, 0x10));

    menu->setUIStyle(TsuiUIStyle::BlueGlass);
    EXPECT_EQ(menu->BarColor(), 0xCED3D6);
}
