#include "skin/controls/TsuiButton.h"

#include "runtime/Canvas.h"
#include "skin/controls/SkinPaint.h"
#include "skin/theme/StretchedSkin.h"

#include <QFontMetrics>

TsuiButton::TsuiButton(QWidget* parent) : TsuiCustomButton(parent)
{
    resize(80, 27);
    // The base constructor stored the owner form's style; applying it here
    // lets this class take the style's transparency as well.
    setUIStyle(uiStyle());
}

TsuiButton::~TsuiButton() = default;

void TsuiButton::setGlyph(const QImage& glyph)
{
    m_glyph = runtime::ToBitmap(glyph);
    update();
}

void TsuiButton::setLayout(TButtonLayout layout)
{
    m_layout = layout;
    update();
}

void TsuiButton::setSpacing(int spacing)
{
    m_spacing = spacing;
    update();
}

void TsuiButton::uiStyleChanged()
{
    m_skinCache.clear();
    setTransparent(look().buttonTransparent);
}

void TsuiButton::initStyleOption(ButtonOption* option) const
{
    TsuiCustomButton::initStyleOption(option);
    const bool glyph = !m_glyph.isNull();
    if (option->focus != FocusMark::None) {
        option->focus = ButtonFocusMark(uiStyle(), font().bold(), !option->caption.isEmpty(), glyph);
        if (option->focus == FocusMark::BoldCaption)
            option->font.setBold(true);
    }
    if (!glyph)
        return;
    const QFontMetrics metrics(font());
    const QSize text(metrics.horizontalAdvance(caption()), metrics.height());
    const QSize frame = GlyphFrameSize(m_glyph.size());
    const GlyphPlacement place = PlaceGlyph(m_layout, size(), text, frame, m_spacing);
    option->glyphPos = place.glyph;
    option->textPos = place.text;
    option->glyphKey = m_glyph.pixel(0, 0);
    if (GlyphHasTwoFrames(m_glyph.size())) {
        // The second frame is the glyph's own disabled look; it is never greyed.
        option->glyph = m_glyph.copy(isEnabled() ? 0 : frame.width(), 0, frame.width(), frame.height());
    } else {
        option->glyph = m_glyph;
        option->greyGlyph = !isEnabled();
    }
}

void TsuiButton::paintPic(runtime::Canvas& canvas, const ButtonOption& option, const QImage& picture) const
{
    canvas.painter().setFont(option.font);
    const QImage& skin = m_skinCache.get(picture, option.rect.size(), option.transparent, [&](QImage& target) {
        runtime::Canvas skinCanvas(&target);
        DrawStretchedSkin(picture, skinCanvas, option.rect, option.transparent);
    });
    canvas.painter().drawImage(0, 0, skin);
    if (option.glyph.isNull())
        return;
    const QPoint at = option.pressed() ? option.glyphPos + QPoint(1, 1) : option.glyphPos;
    if (option.greyGlyph)
        canvas.drawDisabled(at.x(), at.y(), option.glyph, true);
    else
        canvas.drawTransparent(at.x(), at.y(), option.glyph, option.glyphKey);
}

void TsuiButton::paintText(runtime::Canvas& canvas, const ButtonOption& option) const
{
    if (option.glyph.isNull()) {
        TsuiCustomButton::paintText(canvas, option);
        return;
    }
    // Beside a glyph the caption is never bold.
    canvas.painter().setFont(font());
    const int topLeft = Qt::AlignLeft | Qt::AlignTop;
    const int w = option.rect.width(), h = option.rect.height();
    QPoint at = option.textPos;
    if (!option.enabled()) {
        const QPoint shadow = at + QPoint(1, 1);
        DrawSingleLine(canvas, runtime::Rect(shadow.x(), shadow.y(), w, h), topLeft, option.caption,
                       QColor(0xFF, 0xFF, 0xFF));
        DrawSingleLine(canvas, runtime::Rect(at.x(), at.y(), w, h), topLeft, option.caption, QColor(0x80, 0x80, 0x80));
        return;
    }
    if (option.pressed())
        at += QPoint(1, 1);
    DrawSingleLine(canvas, runtime::Rect(at.x(), at.y(), w, h), topLeft, option.caption, option.fontColor);
}
