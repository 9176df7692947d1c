#include "skin/controls/TsuiProgressBar.h"

#include "runtime/Canvas.h"
#include "skin/controls/ProgressBarAccessible.h"
#include "skin/controls/ProgressRules.h"
#include "skin/controls/SkinPaint.h"
#include "skin/theme/BuiltinTheme.h"
#include "skin/theme/SkinBitmaps.h"
#include "skin/theme/StretchedSkin.h"
#include "skin/theme/WidgetDrawing.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QPainter>

TsuiProgressBar::TsuiProgressBar(QWidget* parent) : QWidget(parent), m_look(this, [this] { applyStyle(); })
{
    ProgressBarAccessible::install();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    fixThickness();
    resize(150, ProgressBarThickness);
    m_color = runtime::ColorFromTColor(runtime::clBtnFace);
    m_look.setStyle(GetOwnerFormUIStyle(parent ? parent->window() : nullptr));
    rangeChanged();
}

void TsuiProgressBar::setUIStyle(TsuiUIStyle style)
{
    m_look.setStyle(style);
}

void TsuiProgressBar::setFileTheme(TsuiFileTheme* theme)
{
    m_look.setFileTheme(theme);
}

void TsuiProgressBar::applyStyle()
{
    const Look& look = m_look.look();
    look.bitmap(ThemeElement::ProgressBarImage, m_picture);
    setColor(runtime::ColorFromTColor(look.controlBackground));
    setBorderColor(runtime::ColorFromTColor(look.controlBorder));
    if (m_orientation == suiVertical && !m_picture.isNull())
        RotateBitmapLeft(m_picture);
    update();
}

void TsuiProgressBar::setMax(int max)
{
    m_max = max;
    rangeChanged();
}

void TsuiProgressBar::setMin(int min)
{
    m_min = min;
    rangeChanged();
}

void TsuiProgressBar::setPosition(int position)
{
    m_position = position;
    rangeChanged();
}

void TsuiProgressBar::rangeChanged()
{
    m_caption = ProgressCaption(m_min, m_max, m_position);
    update();
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent changed(this, m_position);
        QAccessible::updateAccessibility(&changed);
    }
}

void TsuiProgressBar::setOrientation(TsuiProgressBarOrientation orientation)
{
    m_orientation = orientation;
    if (orientation == suiVertical)
        m_showCaption = false; // a vertical bar never shows its caption, and remembers that
    applyStyle();
    const QSize wanted = ProgressSizeFor(orientation, size());
    fixThickness();
    resize(wanted);
}

void TsuiProgressBar::fixThickness()
{
    // Only the length can change; a resize to any other thickness is refused
    // by the size constraints.
    if (m_orientation == suiHorizontal) {
        setMinimumSize(0, ProgressBarThickness);
        setMaximumSize(QWIDGETSIZE_MAX, ProgressBarThickness);
    } else {
        setMinimumSize(ProgressBarThickness, 0);
        setMaximumSize(ProgressBarThickness, QWIDGETSIZE_MAX);
    }
}

void TsuiProgressBar::setBorderColor(const QColor& color)
{
    m_borderColor = color;
    update();
}

void TsuiProgressBar::setColor(const QColor& color)
{
    m_color = color;
    update();
}

void TsuiProgressBar::setPicture(const QImage& picture)
{
    m_picture = runtime::ToBitmap(picture);
    update();
}

void TsuiProgressBar::setShowCaption(bool show)
{
    m_showCaption = show;
    update();
}

void TsuiProgressBar::setCaptionColor(const QColor& color)
{
    m_captionColor = color;
    update();
}

void TsuiProgressBar::setSmartShowCaption(bool smart)
{
    m_smartShowCaption = smart;
    update();
}

ProgressBarOption TsuiProgressBar::styleOption() const
{
    ProgressBarOption option;
    option.rect = rect();
    option.orientation = m_orientation;
    option.parts = ProgressLayout(m_orientation, size(), m_min, m_max, m_position);
    option.picture = m_picture;
    option.color = m_color;
    option.borderColor = m_borderColor;
    option.caption = m_caption;
    option.captionColor = m_captionColor;
    option.showCaption =
        m_orientation == suiHorizontal && m_showCaption && (!m_smartShowCaption || m_position != m_min);
    return option;
}

void TsuiProgressBar::paintEvent(QPaintEvent*)
{
    const ProgressBarOption option = styleOption();
    compose(PrepareBuffer(m_buffer, this), option);
    QPainter(this).drawImage(0, 0, m_buffer);
}

void TsuiProgressBar::compose(QImage& buffer, const ProgressBarOption& option) const
{
    buffer.fill(option.color);
    runtime::Canvas canvas(&buffer);
    const ProgressParts& parts = option.parts;
    if (!option.picture.isNull() && !parts.picture.isNull()) {
        if (option.orientation == suiHorizontal) {
            canvas.stretchDraw(parts.picture, option.picture);
        } else {
            // Filled from the bottom up: the picture is laid upside down.
            canvas.stretchDraw(parts.picture, option.picture.mirrored(false, true));
        }
    }
    canvas.painter().fillRect(parts.rest, option.color);
    if (option.showCaption) {
        canvas.painter().setFont(DefaultCanvasFont());
        const QFontMetrics metrics(canvas.painter().font());
        const QSize text(metrics.horizontalAdvance(option.caption), metrics.height());
        const QPoint at((option.rect.width() - text.width()) / 2, (option.rect.height() - text.height()) / 2);
        DrawSingleLine(canvas, QRect(at, text), Qt::AlignLeft | Qt::AlignTop, option.caption, option.captionColor);
    }
    canvas.setBrushColor(runtime::TColorFromColor(option.borderColor));
    canvas.frameRect(option.rect);
}
