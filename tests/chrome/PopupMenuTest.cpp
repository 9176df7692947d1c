#include "Wait.h"

#include "runtime/Bitmap.h"
#include "runtime/BitmapResource.h"
#include "runtime/Canvas.h"
#include "skin/chrome/TsuiPopupMenu.h"
#include "skin/chrome/TsuiTitleBar.h"
#include "skin/chrome/TsuiTitleBarPopupMenu.h"

#include <QFontMetrics>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QRgb Rgb(runtime::TColor color)
{
    return runtime::ColorFromTColor(color).rgb();
}

// Paints one item of the menu into a fresh 120 x height image.
QImage PaintItem(const TsuiPopupMenu& menu, QAction* item, bool selected, int height)
{
    QImage image(120, height, runtime::BitmapFormat);
    image.fill(Qt::magenta);
    runtime::Canvas canvas(&image);
    menu.DrawItem(item, canvas, QRect(0, 0, 120, height), selected);
    return image;
}

} // namespace

TEST(PopupMenu, StyleColoursAndHeights)
{
    struct Row {
        TsuiUIStyle style;
        int itemHeight;
        int separatorHeight;
        runtime::TColor separatorColor;
        runtime::TColor selected;
        runtime::TColor selectedBorder;
        runtime::TColor selectedFont;
        runtime::TColor body;
        runtime::TColor bar;
    };
    const Row rows[] = {
        {TsuiUIStyle::MacOS, 20, 12, 0x000000, 0xC47339, 0xC47339, 0xFFFFFF, 0x000000, 0x000000},
        {TsuiUIStyle::WinXP, 21, 5, 0x848284, 0xEFD3C6, 0xC66931, 0x000000, 0xFFFFFF, 0xCED3D6},
        {TsuiUIStyle::DeepBlue, 21, 5, 0x848284, 0xA04A44, 0xA04A44, 0xFFFFFF, 0xFFFFFF, 0xCED3D6},
        {TsuiUIStyle::Protein, 21, 5, 0x848284, 0xC4302D, 0xC4302D, 0xFFFFFF, 0xFFFFFF, 0xCED3D6},
        {TsuiUIStyle::BlueGlass, 21, 5, 0x848284, 0xEC5E5E, 0xEC5E5E, 0xFFFFFF, 0xE7E7E7, 0xCED3D6},
    };
    TsuiPopupMenu menu;
    for (const Row& r : rows) {
        menu.setUIStyle(r.style);
        EXPECT_EQ(menu.BarWidth(), 26);
        EXPECT_EQ(menu.MenuItemHeight(), r.itemHeight) << int(r.style);
        EXPECT_EQ(menu.SeparatorHeight(), r.separatorHeight) << int(r.style);
        EXPECT_EQ(menu.SeparatorColor(), r.separatorColor) << int(r.style);
        EXPECT_EQ(menu.SelectedColor(), r.selected) << int(r.style);
        EXPECT_EQ(menu.SelectedBorderColor(), r.selectedBorder) << int(r.style);
        EXPECT_EQ(menu.SelectedFontColor(), r.selectedFont) << int(r.style);
        EXPECT_EQ(menu.Color(), r.body) << int(r.style);
        EXPECT_EQ(menu.BarColor(), r.bar) << int(r.style);
        EXPECT_EQ(menu.FontColor(), 0x000000u) << int(r.style);
    }
}

TEST(PopupMenu, HeightsLockedInMacOSOnly)
{
    TsuiPopupMenu menu;
    menu.setUIStyle(TsuiUIStyle::MacOS);
    menu.setMenuItemHeight(30);
    menu.setSeparatorHeight(30);
    EXPECT_EQ(menu.MenuItemHeight(), 20);
    EXPECT_EQ(menu.SeparatorHeight(), 12);
    menu.setUIStyle(TsuiUIStyle::WinXP);
    menu.setMenuItemHeight(30);
    EXPECT_EQ(menu.MenuItemHeight(), 30);
    menu.setUIStyle(TsuiUIStyle::WinXP);
    EXPECT_EQ(menu.MenuItemHeight(), 21);
}

TEST(PopupMenu, LaidOutItemsTakeTheSkinsHeights)
{
    TsuiTitleBar bar(nullptr);
    TsuiTitleBarPopupMenu* menu = bar.SystemMenu();
    const QList<QAction*> items = menu->actions();
    ASSERT_EQ(items.size(), 4);
    EXPECT_EQ(items[0]->text(), QStringLiteral("Mi&nimize"));
    EXPECT_EQ(items[1]->text(), QStringLiteral("Ma&ximize/Restore"));
    EXPECT_EQ(items[2]->text(), QStringLiteral("-"));
    EXPECT_EQ(items[3]->text(), QStringLiteral("&Close"));
    for (TsuiUIStyle style : {TsuiUIStyle::BlueGlass, TsuiUIStyle::MacOS}) {
        bar.setUIStyle(style);
        menu->popup(QPoint(10, 10));
        WAIT_TRUE(menu->isVisible());
        const bool mac = style == TsuiUIStyle::MacOS;
        EXPECT_EQ(menu->actionGeometry(items[0]).height(), mac ? 20 : 21);
        EXPECT_EQ(menu->actionGeometry(items[2]).height(), mac ? 12 : 5);
        EXPECT_EQ(menu->actionGeometry(items[3]).height(), mac ? 20 : 21);
        int width = 0;
        int height = 0;
        menu->MeasureItem(items[1], width, height);
        EXPECT_EQ(width, QFontMetrics(menu->font()).horizontalAdvance(items[1]->text()) + 26 + 40);
        EXPECT_GE(menu->actionGeometry(items[1]).width(), width);
        menu->hide();
    }
}

TEST(PopupMenu, PaintsBarBodyAndSelection)
{
    TsuiPopupMenu menu;
    menu.setUIStyle(TsuiUIStyle::BlueGlass);
    QAction* item = menu.addAction(QStringLiteral("Item"));
    QImage plain = PaintItem(menu, item, false, 21);
    EXPECT_EQ(plain.pixel(5, 18), Rgb(0xCED3D6)); // bar strip
    EXPECT_EQ(plain.pixel(25, 18), Rgb(0xCED3D6));
    EXPECT_EQ(plain.pixel(26, 18), Rgb(0xE7E7E7)); // body
    EXPECT_EQ(plain.pixel(119, 0), Rgb(0xE7E7E7));
    QImage selected = PaintItem(menu, item, true, 21);
    EXPECT_EQ(selected.pixel(0, 0), Rgb(0xEC5E5E));
    EXPECT_EQ(selected.pixel(5, 18), Rgb(0xEC5E5E));
    // Selected text is white, other text black.
    bool white = false;
    for (int x = 30; x < 60 && !white; ++x)
        for (int y = 4; y < 17 && !white; ++y)
            white = selected.pixel(x, y) == qRgb(255, 255, 255);
    EXPECT_TRUE(white);
    // A disabled selected item keeps the normal background and grey text.
    item->setEnabled(false);
    QImage disabled = PaintItem(menu, item, true, 21);
    EXPECT_EQ(disabled.pixel(5, 18), Rgb(0xCED3D6));
    bool grey = false;
    for (int x = 30; x < 60 && !grey; ++x)
        for (int y = 4; y < 17 && !grey; ++y)
            grey = disabled.pixel(x, y) == qRgb(0x80, 0x80, 0x80);
    EXPECT_TRUE(grey);
}

TEST(PopupMenu, ItemOpeningASubmenuShowsAnArrow)
{
    TsuiPopupMenu menu;
    menu.setUIStyle(TsuiUIStyle::BlueGlass);
    QAction* plain = menu.addAction(QStringLiteral("Item"));
    QAction* opens = menu.addMenu(new TsuiPopupMenu(&menu));
    opens->setText(QStringLiteral("Style"));
    const QImage arrow = PaintItem(menu, opens, false, 21);
    const QImage none = PaintItem(menu, plain, false, 21);
    // Columns 108 to 111 narrow to the tip, rows centred on row 10.
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(arrow.pixel(108 + i, 10), qRgb(0, 0, 0)) << i;
        EXPECT_EQ(arrow.pixel(108 + i, 7 + i), qRgb(0, 0, 0)) << i;
        EXPECT_NE(arrow.pixel(108 + i, 6 + i), qRgb(0, 0, 0)) << i;
        EXPECT_EQ(none.pixel(108 + i, 10), Rgb(0xE7E7E7)) << i;
    }
}

TEST(PopupMenu, SeparatorLineIsIndentedByTheBar)
{
    TsuiPopupMenu menu;
    menu.setUIStyle(TsuiUIStyle::WinXP);
    QAction* separator = menu.addAction(QStringLiteral("-"));
    const QImage image = PaintItem(menu, separator, false, 5);
    const QRgb line = Rgb(0x848284);
    EXPECT_EQ(image.pixel(26 + 4, 2), line);
    EXPECT_EQ(image.pixel(117, 2), line);
    EXPECT_NE(image.pixel(118, 2), line);
    EXPECT_NE(image.pixel(29, 2), line);
    EXPECT_EQ(image.pixel(10, 2), Rgb(0xCED3D6));
}

TEST(PopupMenu, CheckedItemShowsTheCheckMark)
{
    TsuiPopupMenu menu;
    menu.setUIStyle(TsuiUIStyle::DeepBlue);
    QAction* item = menu.addAction(QStringLiteral("Item"));
    item->setCheckable(true);
    item->setChecked(true);
    const QImage image = PaintItem(menu, item, false, 21);
    const QImage mark = runtime::ToBitmap(runtime::LoadBitmapResource(QStringLiteral("MENU_CHECKED")));
    int compared = 0;
    for (int y = 0; y < mark.height(); ++y)
        for (int x = 0; x < mark.width(); ++x)
            if (mark.pixel(x, y) != qRgb(255, 255, 255)) {
                EXPECT_EQ(image.pixel(4 + x, 3 + y), mark.pixel(x, y)) << x << "," << y;
                ++compared;
            }
    EXPECT_GT(compared, 0);
}

TEST(PopupMenu, SystemMenuEnablesWhatTheBarCanDo)
{
    TsuiTitleBar bar(nullptr);
    TsuiTitleBarPopupMenu* menu = bar.SystemMenu();
    bar.Buttons()[3]->setButtonType(suiHelp); // the minimise button
    bar.Buttons()[2]->setVisible(false);      // hidden max still counts
    bar.PopupSystemMenu(QPoint(5, 5));
    EXPECT_FALSE(menu->MinimizeItem()->isEnabled());
    EXPECT_TRUE(menu->MaximizeItem()->isEnabled());
    EXPECT_TRUE(menu->CloseItem()->isEnabled());
    menu->hide();
}
