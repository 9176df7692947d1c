#include "skin/chrome/MenuItemPainter.h"

#include "runtime/Bitmap.h"
#include "runtime/BitmapResource.h"
#include "skin/theme/MenuDrawing.h"

#include <QAction>
#include <QFontMetrics>
#include <QMenu>
#include <QPainter>

namespace {

constexpr runtime::TColor kBlack = 0x000000;
constexpr runtime::TColor kDisabledText = 0x808080;
constexpr QRgb kCheckMarkKey = 0xFFFFFFFFu;

} // namespace

const QImage& MenuCheckMarkBitmap()
{
    static const QImage mark = runtime::ToBitmap(runtime::LoadBitmapResource(QStringLiteral("MENU_CHECKED")));
    return mark;
}

MenuItemState MenuItemStateOf(const QAction* item, bool selected, bool isDefault, const QImage& image)
{
    MenuItemState state;
    state.caption = item->text();
    state.shortcut = item->shortcut().toString(QKeySequence::NativeText);
    // A caption of "-" is a separator, as stored forms write one.
    state.separator = item->isSeparator() || state.caption == QLatin1String("-");
    state.enabled = item->isEnabled();
    state.checked = item->isChecked();
    state.isDefault = isDefault;
    state.selected = selected;
    state.submenu = item->menu() != nullptr;
    state.image = image;
    return state;
}

QSize MeasureMenuItem(const MenuItemLook& look, const MenuItemState& item)
{
    const int height = item.separator ? look.separatorHeight : look.itemHeight;
    const QFontMetrics metrics(look.font);
    const int width =
        metrics.horizontalAdvance(item.caption) + metrics.horizontalAdvance(item.shortcut) + look.barWidth + 40;
    return QSize(width, height);
}

void PaintMenuItem(runtime::Canvas& canvas, const QRect& r, const MenuItemLook& look, const MenuItemState& item)
{
    const int left = r.x();
    const int top = r.y();
    const int right = runtime::Right(r);
    const int bottom = runtime::Bottom(r);
    auto fillBarAndBody = [&] {
        if (look.barWidth > 0)
            FillRectColor(canvas, runtime::Rect(left, top, left + look.barWidth, bottom), look.barColor);
        FillRectColor(canvas, runtime::Rect(left + look.barWidth, top, right, bottom), look.color);
    };

    if (item.separator) {
        if (look.mac) {
            DrawMacMenuBar(canvas, r);
        } else {
            fillBarAndBody();
            DrawMenuSeparator(canvas, r, look.separatorColor, look.barWidth);
        }
        return;
    }

    if (item.selected && item.enabled) {
        if (look.mac) {
            DrawMacMenuSelected(canvas, r);
        } else {
            FillRectColor(canvas, r, look.selectedColor);
            FrameRectColor(canvas, r, look.selectedBorderColor);
        }
    } else if (look.mac) {
        DrawMacMenuBarTall(canvas, r);
    } else {
        fillBarAndBody();
    }

    QPainter& p = canvas.painter();
    QFont font = look.font;
    if (item.isDefault)
        font.setBold(true);
    p.setFont(font);
    const runtime::TColor textColor =
        !item.enabled ? kDisabledText : (item.selected ? look.selectedFontColor : look.fontColor);
    p.setPen(runtime::ColorFromTColor(textColor));
    p.setBrush(Qt::NoBrush);
    const QRect textRect = runtime::Rect(left + look.barWidth + 4, top + 4, right, bottom);
    p.drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic, item.caption);
    if (!item.shortcut.isEmpty()) {
        const int w = QFontMetrics(font).horizontalAdvance(item.shortcut);
        p.drawText(QRect(right - w - 16, top + 4, w, bottom - top - 4), Qt::AlignLeft | Qt::AlignTop, item.shortcut);
    }
    if (item.submenu) {
        // A solid arrow, 4 pixels wide and 7 high, in the text colour: an
        // item that opens a further menu says so before it is opened.
        const int middle = top + (bottom - top) / 2;
        for (int i = 0; i < 4; ++i)
            FillRectColor(canvas, runtime::Rect(right - 12 + i, middle - 3 + i, right - 11 + i, middle + 4 - i),
                          textColor);
    }

    const bool hasImage = !item.image.isNull();
    if (item.checked) {
        if (hasImage) {
            FrameRectColor(canvas, runtime::Rect(left + 2, top + 1, left + 21, top + 20), kBlack);
            FillRectColor(canvas, runtime::Rect(left + 3, top + 2, left + 20, top + 19), look.selectedColor);
        } else if (item.enabled) {
            canvas.drawTransparent(left + 4, top + 3, look.checkMark, kCheckMarkKey);
        } else {
            canvas.drawDisabled(left + 4, top + 3, look.checkMark, true);
        }
    }
    if (hasImage) {
        if (item.enabled)
            canvas.draw(left + 4, top + 3, item.image);
        else
            canvas.drawDisabled(left + 4, top + 3, item.image, false);
    }
}
