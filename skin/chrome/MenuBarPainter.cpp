#include "skin/chrome/MenuBarPainter.h"

#include "skin/theme/MenuDrawing.h"

#include <QFontMetrics>

namespace {

constexpr runtime::TColor kDisabledText = 0x808080;
constexpr int kCaptionFlags = Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;

void drawCaption(runtime::Canvas& canvas, const QRect& rect, const QFont& font, runtime::TColor color,
                 const QString& caption)
{
    QPainter& p = canvas.painter();
    p.setFont(font);
    p.setPen(runtime::ColorFromTColor(color));
    p.setBrush(Qt::NoBrush);
    p.drawText(rect, kCaptionFlags, caption);
}

} // namespace

void PaintMenuBarBackground(runtime::Canvas& canvas, const QSize& size, const MenuBarLook& look)
{
    const QRect all(QPoint(0, 0), size);
    if (look.mac && !look.barBitmap.isNull())
        canvas.stretchDraw(all, look.barBitmap);
    else
        FillRectColor(canvas, all, look.barColor);
}

void PaintMenuBarButton(runtime::Canvas& canvas, const MenuBarLook& look, const MenuBarButtonState& button)
{
    const int width = button.size.width();
    const int height = button.size.height();
    if (!(button.hot || button.pressed) || !button.enabled) {
        const runtime::TColor color = button.enabled ? look.fontColor : kDisabledText;
        drawCaption(canvas, QRect(0, 0, width, height), look.font, color, button.caption);
        return;
    }
    if (look.mac) {
        // The selection bitmap covers the whole button; the caption is
        // centred as if the button were 2 pixels higher.
        canvas.stretchDraw(QRect(0, 0, width, height), look.selectBitmap);
        drawCaption(canvas, QRect(0, 0, width, height + 2), look.font, look.selectedFont, button.caption);
        return;
    }
    // A pressed button leaves 2 pixels free at the right and moves its
    // caption 2 to the right; every drawn caption moves 2 down.
    QRect r = runtime::Rect(0, 0, button.pressed ? width - 2 : width, height);
    FillRectColor(canvas, r, look.selectedBackground);
    FrameRectColor(canvas, r, look.selectedBorder);
    r = runtime::Rect(button.pressed ? 2 : 0, 2, runtime::Right(r), height);
    drawCaption(canvas, r, look.font, look.selectedFont, button.caption);
}

QString CaptionWithoutAccelerator(const QString& caption)
{
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && ++i >= caption.size())
            break;
        shown.append(caption[i]);
    }
    return shown;
}

int MenuBarButtonWidth(const QFont& font, const QString& caption)
{
    return QFontMetrics(font).horizontalAdvance(CaptionWithoutAccelerator(caption)) + 14;
}
