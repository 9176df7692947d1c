#include "skin/chrome/TsuiPopupMenu.h"

#include "runtime/Bitmap.h"
#include "runtime/BitmapResource.h"
#include "runtime/FontSubstitute.h"
#include "skin/chrome/MenuItemStyle.h"
#include "skin/theme/LookSource.h"
#include "skin/theme/BuiltinTheme.h"
#include "skin/theme/MenuDrawing.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>

namespace {

constexpr runtime::TColor kBlack = 0x000000;
constexpr runtime::TColor kWhite = 0xFFFFFF;
constexpr runtime::TColor kDisabledText = 0x808080;

// The check-mark image every skinned menu shares; white is see-through.
const QImage& CheckMark()
{
    static const QImage mark = runtime::ToBitmap(runtime::LoadBitmapResource(QStringLiteral("MENU_CHECKED")));
    return mark;
}
constexpr QRgb kCheckMarkKey = 0xFFFFFFFFu;

bool IsSeparator(const QAction* item)
{
    return item->isSeparator() || item->text() == QLatin1String("-");
}

QString ShortcutText(const QAction* item)
{
    return item->shortcut().toString(QKeySequence::NativeText);
}

} // namespace

TsuiPopupMenu::TsuiPopupMenu(QWidget* owner) : QMenu(owner)
{
    auto* style = new MenuItemStyle();
    style->setParent(this);
    setStyle(style);
    setUIStyle(GetOwnerFormUIStyle(owner));
}

void TsuiPopupMenu::setFileTheme(TsuiFileTheme* theme)
{
    WatchFileTheme(m_fileTheme, theme, this, [this] { setUIStyle(TsuiUIStyle::DeepBlue); });
    setUIStyle(m_uiStyle);
}

void TsuiPopupMenu::setUIStyle(TsuiUIStyle style)
{
    m_uiStyle = style;
    m_barWidth = 26;
    const bool mac = style == TsuiUIStyle::MacOS;
    m_menuItemHeight = mac ? 20 : 21;
    m_separatorHeight = mac ? 12 : 5;
    m_separatorColor = mac ? kBlack : 0x848284;
    const Look values = ResolveLook(m_fileTheme, style);
    m_barColor = values.menuBar;
    m_color = values.menuBackground;
    m_fontColor = values.menuFont;
    m_selectedBorderColor = values.menuSelectedBorder;
    m_selectedColor = values.menuSelectedBackground;
    m_selectedFontColor = values.menuSelectedFont;
    relayout();
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
    if (m_uiStyle != TsuiUIStyle::MacOS)
        m_menuItemHeight = height;
    relayout();
}

void TsuiPopupMenu::setSeparatorHeight(int height)
{
    if (m_uiStyle != TsuiUIStyle::MacOS)
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

void TsuiPopupMenu::MeasureItem(QAction* item, int& width, int& height) const
{
    height = IsSeparator(item) ? m_separatorHeight : m_menuItemHeight;
    const QFontMetrics metrics(itemFont());
    width = metrics.horizontalAdvance(item->text()) + metrics.horizontalAdvance(ShortcutText(item)) + m_barWidth + 40;
}

void TsuiPopupMenu::DrawItem(QAction* item, runtime::Canvas& canvas, const QRect& r, bool selected) const
{
    const bool mac = m_uiStyle == TsuiUIStyle::MacOS;
    const int left = r.x();
    const int top = r.y();
    const int right = runtime::Right(r);
    const int bottom = runtime::Bottom(r);
    auto fillBarAndBody = [&] {
        if (m_barWidth > 0)
            FillRectColor(canvas, runtime::Rect(left, top, left + m_barWidth, bottom), m_barColor);
        FillRectColor(canvas, runtime::Rect(left + m_barWidth, top, right, bottom), m_color);
    };

    if (IsSeparator(item)) {
        if (mac) {
            DrawMacMenuBar(canvas, r);
        } else {
            fillBarAndBody();
            DrawMenuSeparator(canvas, r, m_separatorColor, m_barWidth);
        }
        return;
    }

    const bool enabled = item->isEnabled();
    if (selected && enabled) {
        if (mac) {
            DrawMacMenuSelected(canvas, r);
        } else {
            FillRectColor(canvas, r, m_selectedColor);
            FrameRectColor(canvas, r, m_selectedBorderColor);
        }
    } else if (mac) {
        DrawMacMenuBarTall(canvas, r);
    } else {
        fillBarAndBody();
    }

    QPainter& p = canvas.painter();
    QFont font = itemFont();
    if (defaultAction() == item)
        font.setBold(true);
    p.setFont(font);
    const runtime::TColor textColor = !enabled ? kDisabledText : (selected ? m_selectedFontColor : m_fontColor);
    p.setPen(runtime::ColorFromTColor(textColor));
    p.setBrush(Qt::NoBrush);
    const QRect textRect = runtime::Rect(left + m_barWidth + 4, top + 4, right, bottom);
    p.drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic, item->text());
    const QString shortcut = ShortcutText(item);
    if (!shortcut.isEmpty()) {
        const int w = QFontMetrics(font).horizontalAdvance(shortcut);
        p.drawText(QRect(right - w - 16, top + 4, w, bottom - top - 4), Qt::AlignLeft | Qt::AlignTop, shortcut);
    }

    const QIcon icon = item->icon();
    const bool hasImage = !icon.isNull();
    if (item->isChecked()) {
        if (hasImage) {
            FrameRectColor(canvas, runtime::Rect(left + 2, top + 1, left + 21, top + 20), kBlack);
            FillRectColor(canvas, runtime::Rect(left + 3, top + 2, left + 20, top + 19), m_selectedColor);
        } else if (enabled) {
            canvas.drawTransparent(left + 4, top + 3, CheckMark(), kCheckMarkKey);
        } else {
            canvas.drawDisabled(left + 4, top + 3, CheckMark(), true);
        }
    }
    if (hasImage) {
        const QImage image = runtime::ToBitmap(icon.pixmap(16, 16).toImage());
        if (enabled)
            canvas.draw(left + 4, top + 3, image);
        else
            canvas.drawDisabled(left + 4, top + 3, image, false);
    }
}

QImage TsuiPopupMenu::Compose()
{
    QImage bitmap(width(), height(), runtime::BitmapFormat);
    {
    runtime::Canvas canvas(&bitmap);
    FillRectColor(canvas, rect(), m_color);
    for (QAction* item : actions()) {
        const QRect r = actionGeometry(item);
        if (!item->isVisible() || r.isEmpty())
            continue;
        const MenuItemDrawHandlers handlers = GetMenuItemDrawHandlers(item);
        if (handlers.onDrawItem)
            handlers.onDrawItem(item, canvas, r, item == activeAction());
        else
            DrawItem(item, canvas, r, item == activeAction());
    }
    if (m_flatMenu) {
        const Look values = ResolveLook(m_fileTheme, m_uiStyle);
        DrawPopupMenuBorder(canvas, size(), kBlack, values.formBackground);
    } else {
        // The raised edge a popup menu window has without the flat border.
        const QRect all = rect();
        FrameRectColor(canvas, all, 0x404040);
        FrameRectColor(canvas, all.adjusted(1, 1, -1, -1), kWhite);
    }
    }
    return bitmap;
}

void TsuiPopupMenu::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, Compose());
}
