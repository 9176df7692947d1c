#include "skin/controls/TsuiButton.h"

#include "skin/controls/ButtonRules.h"
#include "skin/controls/SkinPaint.h"
#include "skin/theme/SkinBitmaps.h"
#include "skin/theme/StretchedSkin.h"
#include "skin/theme/WidgetDrawing.h"

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
    setTransparent(theme().boolean(ThemeElement::ButtonTransparentBool));
}

void TsuiButton::paintPic(runtime::Canvas& canvas, const QImage& picture)
{
    canvas.painter().setFont(font());
    const bool keyed = picTransparent();
    const QImage& skin = m_skinCache.get(picture, size(), keyed, [&](QImage& target) {
        runtime::Canvas skinCanvas(&target);
        DrawStretchedSkin(picture, skinCanvas, rect(), keyed);
    });
    canvas.painter().drawImage(0, 0, skin);
    if (m_glyph.isNull())
        return;

    const QFontMetrics metrics(font());
    const QSize text(metrics.horizontalAdvance(caption()), metrics.height());
    const QSize frame = GlyphFrameSize(m_glyph.size());
    const GlyphPlacement place = PlaceGlyph(m_layout, size(), text, frame, m_spacing);
    m_textPos = place.text;
    drawGlyph(canvas, mouseDown() ? place.glyph + QPoint(1, 1) : place.glyph, frame);
}

void TsuiButton::drawGlyph(runtime::Canvas& canvas, QPoint at, QSize frame)
{
    const QRgb key = m_glyph.pixel(0, 0); // the mask colour is the top-left pixel
    if (GlyphHasTwoFrames(m_glyph.size())) {
        // The second frame is the glyph's own disabled look; it is never greyed.
        const int left = isEnabled() ? 0 : frame.width();
        canvas.drawTransparent(at.x(), at.y(), m_glyph.copy(left, 0, frame.width(), frame.height()), key);
    } else if (isEnabled()) {
        canvas.drawTransparent(at.x(), at.y(), m_glyph, key);
    } else {
        canvas.drawDisabled(at.x(), at.y(), m_glyph, true);
    }
}

void TsuiButton::paintText(runtime::Canvas& canvas, const QString& text)
{
    if (m_glyph.isNull()) {
        TsuiCustomButton::paintText(canvas, text);
        return;
    }
    canvas.painter().setFont(font());
    m_focusBold = false;
    const int topLeft = Qt::AlignLeft | Qt::AlignTop;
    QPoint at = m_textPos;
    if (!isEnabled()) {
        const QPoint shadow = at + QPoint(1, 1);
        DrawSingleLine(canvas, runtime::Rect(shadow.x(), shadow.y(), width(), height()), topLeft, text,
                       QColor(0xFF, 0xFF, 0xFF));
        DrawSingleLine(canvas, runtime::Rect(at.x(), at.y(), width(), height()), topLeft, text, QColor(0x80, 0x80, 0x80));
        return;
    }
    if (mouseDown())
        at += QPoint(1, 1);
    DrawSingleLine(canvas, runtime::Rect(at.x(), at.y(), width(), height()), topLeft, text, FontColorOf(this));
}

void TsuiButton::paintFocus(runtime::Canvas& canvas)
{
    // The stored style decides, not the effective one.
    if (uiStyle() == TsuiUIStyle::MacOS || uiStyle() == TsuiUIStyle::BlueGlass)
        m_focusBold = true;
    else
        TsuiCustomButton::paintFocus(canvas);
}
