#include "skin/chrome/TsuiPopupMenu.h"

#include "runtime/Bitmap.h"
#include "runtime/BitmapResource.h"
#include "runtime/FontSubstitute.h"
#include "skin/chrome/MenuItemPainter.h"
#include "skin/chrome/MenuItemStyle.h"
#include "skin/chrome/MenuPicture.h"
#include "skin/theme/BuiltinTheme.h"
#include "skin/theme/LookSource.h"
#include "skin/theme/MenuDrawing.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>

namespace {

constexpr runtime::TColor kBlack = 0x000000;

} // namespace

TsuiPopupMenu::TsuiPopupMenu(QWidget* owner) : QMenu(owner), m_look(this, [this] { applyStyle(); })
{
    auto* style = new MenuItemStyle();
    style->setParent(this);
    setStyle(style);
    setUIStyle(GetOwnerFormUIStyle(owner));
    // A hidden menu has nothing to lay out: popping up sizes it and sends
    // the resize then. Left pending, the resize would be sent by the first
    // off-screen rendering of any ancestor (the skinned controls render
    // their parent under themselves), laying out every menu of a window in
    // the middle of its first paint.
    setAttribute(Qt::WA_PendingResizeEvent, false);
}

void TsuiPopupMenu::applyStyle()
{
    m_barWidth = 26;
    const bool mac = UIStyle() == TsuiUIStyle::MacOS;
    m_menuItemHeight = mac ? 20 : 21;
    m_separatorHeight = mac ? 12 : 5;
    m_separatorColor = mac ? kBlack : 0x848284;
    const Look& values = m_look.look();
    m_barColor = values.menuBar;
    m_color = values.menuBackground;
    m_fontColor = values.menuFont;
    m_selectedBorderColor = values.menuSelectedBorder;
    m_selectedColor = values.menuSelectedBackground;
    m_selectedFontColor = values.menuSelectedFont;
    relayout();
    styleApplied();
}

void TsuiPopupMenu::setBarWidth(int width)
{
    m_barWidth = width;
    relayout();
}

void TsuiPopupMenu::setColour(runtime::TColor& field, runtime::TColor colour)
{
    if (field == colour)
        return;
    field = colour;
    update();
}

void TsuiPopupMenu::relayout()
{
    // Qt keeps the item rectangles until it is told the style changed.
    QEvent changed(QEvent::StyleChange);
    QCoreApplication::sendEvent(this, &changed);
    update();
}

void TsuiPopupMenu::setMenuItemHeight(int height)
{
    // MacOS items are as high as their bitmaps.
    if (UIStyle() != TsuiUIStyle::MacOS)
        m_menuItemHeight = height;
    relayout();
}

void TsuiPopupMenu::setSeparatorHeight(int height)
{
    if (UIStyle() != TsuiUIStyle::MacOS)
        m_separatorHeight = height;
    relayout();
}

void TsuiPopupMenu::InstallItemHandlers()
{
    const auto draw = [this](QAction* item, runtime::Canvas& canvas, const QRect& rect, bool selected) {
        DrawItem(item, canvas, rect, selected);
    };
    const auto measure = [this](QAction* item, int& width, int& height) { MeasureItem(item, width, height); };
    for (QAction* item : actions())
        SetMenuItemDrawHandlers(item, draw, measure);
}

QFont TsuiPopupMenu::itemFont() const
{
    if (m_useSystemFont) {
        QFont font = this->font();
        runtime::TColor ignored = 0;
        AssignSystemMenuFont(font, ignored);
        return font;
    }
    QFont font(runtime::SubstituteFontFamily(m_fontName));
    font.setPointSize(m_fontSize);
    return font;
}

MenuItemLook TsuiPopupMenu::ItemLook() const
{
    MenuItemLook look;
    look.mac = UIStyle() == TsuiUIStyle::MacOS;
    look.barWidth = m_barWidth;
    look.itemHeight = m_menuItemHeight;
    look.separatorHeight = m_separatorHeight;
    look.barColor = m_barColor;
    look.color = m_color;
    look.separatorColor = m_separatorColor;
    look.selectedBorderColor = m_selectedBorderColor;
    look.selectedColor = m_selectedColor;
    look.selectedFontColor = m_selectedFontColor;
    look.fontColor = m_fontColor;
    look.font = itemFont();
    look.checkMark = MenuCheckMarkBitmap();
    return look;
}

void TsuiPopupMenu::MeasureItem(QAction* item, int& width, int& height) const
{
    const QSize size = MeasureMenuItem(ItemLook(), MenuItemStateOf(item, false, false, QImage()));
    width = size.width();
    height = size.height();
}

void TsuiPopupMenu::DrawItem(QAction* item, runtime::Canvas& canvas, const QRect& r, bool selected) const
{
    // A popup menu's item image is the action's icon.
    const QIcon icon = item->icon();
    const QImage image = icon.isNull() ? QImage() : runtime::ToBitmap(icon.pixmap(16, 16).toImage());
    PaintMenuItem(canvas, r, ItemLook(), MenuItemStateOf(item, selected, defaultAction() == item, image));
}

QImage TsuiPopupMenu::Compose()
{
    QImage bitmap(width(), height(), runtime::BitmapFormat);
    {
        runtime::Canvas canvas(&bitmap);
        PaintMenuItems(canvas, *this, m_color,
                       [this](QAction* item, runtime::Canvas& c, const QRect& r, bool selected) {
                           DrawItem(item, c, r, selected);
                       });
        PaintMenuFrame(canvas, size(), m_flatMenu, m_look.look().formBackground);
    }
    return bitmap;
}

void TsuiPopupMenu::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, Compose());
}
