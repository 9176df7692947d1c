#include "skin/controls/ButtonRules.h"

ButtonLook ButtonLookOf(bool enabled, bool mouseDown, bool mouseIn)
{
    if (!enabled)
        return ButtonLook::Disabled;
    if (mouseDown)
        return ButtonLook::Pressed;
    return mouseIn ? ButtonLook::Hot : ButtonLook::Normal;
}

int ButtonFrameOf(ButtonLook look)
{
    switch (look) {
    case ButtonLook::Hot:
        return 2;
    case ButtonLook::Pressed:
        return 3;
    case ButtonLook::Normal:
    case ButtonLook::Disabled:
        break;
    }
    return 1;
}

bool GlyphHasTwoFrames(QSize glyph)
{
    return glyph.height() > 0 && glyph.width() == 2 * glyph.height();
}

QSize GlyphFrameSize(QSize glyph)
{
    return GlyphHasTwoFrames(glyph) ? QSize(glyph.height(), glyph.height()) : glyph;
}

GlyphPlacement PlaceGlyph(TButtonLayout layout, QSize button, QSize text, QSize glyphFrame, int spacing)
{
    const int W = button.width(), H = button.height();
    const int tw = text.width(), th = text.height();
    const int gw = glyphFrame.width(), gh = glyphFrame.height();
    const int s = spacing;
    GlyphPlacement p;
    switch (layout) {
    case blGlyphLeft:
        p.glyph = {(W - (tw + gw + s)) / 2, (H - gh) / 2};
        p.text = {p.glyph.x() + gw + s, (H - th) / 2};
        break;
    case blGlyphRight:
        p.glyph = {(W + tw + s - gw) / 2, (H - gh) / 2};
        p.text = {p.glyph.x() - tw - s, (H - th) / 2};
        break;
    case blGlyphTop:
        p.glyph = {(W - gw) / 2, (H - (th + gh + s)) / 2};
        p.text = {(W - tw) / 2, p.glyph.y() + gh + s};
        break;
    case blGlyphBottom:
        p.glyph = {(W - gw) / 2, (H + th + s - gh) / 2};
        p.text = {(W - tw) / 2, p.glyph.y() - th - s};
        break;
    }
    return p;
}

QSize ButtonAutoSize(QSize strip)
{
    if (strip.isEmpty())
        strip = QSize(74, 21);
    return {strip.width() / 3, strip.height()};
}

bool IsBlankCaption(const QString& caption)
{
    for (QChar c : caption)
        if (c.unicode() > 32)
            return false;
    return true;
}

FocusMark ButtonFocusMark(TsuiUIStyle storedStyle, bool captionBold, bool captionShown, bool hasGlyph)
{
    const bool boldStyle = storedStyle == TsuiUIStyle::MacOS || storedStyle == TsuiUIStyle::BlueGlass;
    if (boldStyle && !captionBold && captionShown && !hasGlyph)
        return FocusMark::BoldCaption;
    return FocusMark::Rectangle;
}
