#include "skin/controls/TsuiProgressBar.h"

#include "runtime/Canvas.h"
#include "skin/controls/ProgressRules.h"
#include "skin/controls/SkinPaint.h"
#include "skin/theme/BuiltinTheme.h"
#include "skin/theme/SkinBitmaps.h"
#include "skin/theme/StretchedSkin.h"
#include "skin/theme/WidgetDrawing.h"

#include <QFontMetrics>
#include <QPainter>

TsuiProgressBar::TsuiProgressBar(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    fixThickness();
    resize(150, ProgressBarThickness);
    m_color = runtime::ColorFromTColor(runtime::clBtnFace);
    m_theme.setStyle(GetOwnerFormUIStyle(parent ? parent->window() : nullptr));
    applyStyle();
    rangeChanged();
}

void TsuiProgressBar::setUIStyle(TsuiUIStyle style)
{
    m_theme.setStyle(style);
    applyStyle();
}

void TsuiProgressBar::setFileTheme(TsuiFileTheme* theme)
{
    m_theme.setFileTheme(theme, this, [this] { setUIStyle(TsuiUIStyle::DeepBlue); });
    setUIStyle(uiStyle());
}

void TsuiProgressBar::applyStyle()
{
    m_theme.bitmap(ThemeElement::ProgressBarImage, m_picture);
    setColor(m_theme.color(ThemeElement::ControlBackgroundColor));
    setBorderColor(m_theme.color(ThemeElement::ControlBorderColor));
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
}

void TsuiProgressBar::setOrientation(TsuiProgressBarOrientation orientation)
{
    m_orientation = orientation;
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

void TsuiProgressBar::paintEvent(QPaintEvent*)
{
    if (m_buffer.size() != size())
        m_buffer = QImage(size(), runtime::BitmapFormat);
    compose(m_buffer);
    QPainter(this).drawImage(0, 0, m_buffer);
}

void TsuiProgressBar::compose(QImage& buffer)
{
    buffer.fill(m_color);
    runtime::Canvas canvas(&buffer);
    const ProgressParts parts = ProgressLayout(m_orientation, size(), m_min, m_max, m_position);
    if (!m_picture.isNull() && !parts.picture.isNull()) {
        if (m_orientation == suiHorizontal) {
            canvas.stretchDraw(parts.picture, m_picture);
        } else {
            // Filled from the bottom up: the picture is laid upside down.
            canvas.stretchDraw(parts.picture, m_picture.mirrored(false, true));
        }
    }
    canvas.painter().fillRect(parts.rest, m_color);
    if (m_orientation == suiVertical)
        m_showCaption = false; // a vertical bar never shows its caption, and remembers that
    if (m_showCaption && (!m_smartShowCaption || m_position != m_min)) {
        canvas.painter().setFont(DefaultCanvasFont());
        const QFontMetrics metrics(canvas.painter().font());
        const QSize text(metrics.horizontalAdvance(m_caption), metrics.height());
        const QPoint at((width() - text.width()) / 2, (height() - text.height()) / 2);
        DrawSingleLine(canvas, QRect(at, text), Qt::AlignLeft | Qt::AlignTop, m_caption, m_captionColor);
    }
    canvas.setBrushColor(runtime::TColorFromColor(m_borderColor));
    canvas.frameRect(rect());
}
