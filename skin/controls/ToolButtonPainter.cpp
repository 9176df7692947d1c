#include "skin/controls/ToolButtonPainter.h"

#include <QFontMetrics>

namespace {

// Division truncated toward zero, as the layout rules are written.
int half(int x)
{
    return x / 2;
}

void drawArrow(runtime::Canvas& canvas, int right, int height)
{
    // The filled triangle (R-9, e), (R-5, e), (R-7, e+2), row by row; the
    // smaller one drawn over it lies inside.
    const int e = half(height);
    canvas.setBrushColor(0x000000);
    canvas.fillRect(runtime::Rect(right - 9, e, right - 4, e + 1));
    canvas.fillRect(runtime::Rect(right - 8, e + 1, right - 5, e + 2));
    canvas.fillRect(runtime::Rect(right - 7, e + 2, right - 6, e + 3));
    canvas.setPenColor(0x000000);
    canvas.moveTo(right - 14, 0);
    canvas.lineTo(right - 14, height);
}

} // namespace

bool SkinDrawsToolButton(const ToolButtonState& button)
{
    return button.hot || button.pressed || button.checked;
}

int ToolButtonCaptionX(int buttonWidth, int textWidth, bool dropDown)
{
    const int right = dropDown ? buttonWidth - 14 : buttonWidth;
    return half(right - textWidth);
}

void PaintToolButton(runtime::Canvas& canvas, const ToolButtonLook& look, const ToolButtonState& button)
{
    const int width = button.size.width();
    const int height = button.size.height();
    // Hot and pressed is the down look, one pixel lower and, for the image,
    // one further right; anything else drawn is the hot look.
    const bool down = button.hot && button.pressed;
    canvas.setBrushColor(down ? look.downColor : look.buttonColor);
    canvas.fillRect(QRect(0, 0, width, height));
    canvas.setBrushColor(look.borderColor);
    canvas.frameRect(QRect(0, 0, width, height));

    const bool withImages = button.imageSize.isValid() && !button.imageSize.isEmpty();
    if (withImages && !button.image.isNull()) {
        const int x = half(width - button.imageSize.width()) - (down ? 0 : 1);
        canvas.painter().drawImage(QPoint(x, down ? 3 : 2), button.image);
    }
    if (button.showCaption && !button.caption.isEmpty()) {
        QPainter& p = canvas.painter();
        p.setFont(look.font);
        p.setPen(look.textColor);
        const int textWidth =
            button.captionWidth >= 0 ? button.captionWidth : QFontMetrics(look.font).horizontalAdvance(button.caption);
        const int x = ToolButtonCaptionX(width, textWidth, button.dropDown);
        const int y = withImages ? button.imageSize.height() + 4 : (down ? 5 : 4);
        p.drawText(QRect(x, y, textWidth, height), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, button.caption);
    }
    if (button.hot && button.dropDown)
        drawArrow(canvas, width, height);
}
