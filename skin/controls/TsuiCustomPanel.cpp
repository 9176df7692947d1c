#include "skin/controls/TsuiCustomPanel.h"

#include "runtime/Canvas.h"
#include "skin/controls/ButtonRules.h"
#include "skin/controls/PanelRules.h"
#include "skin/controls/SkinPaint.h"
#include "skin/theme/SkinBitmaps.h"
#include "skin/theme/StretchedSkin.h"
#include "skin/theme/WidgetDrawing.h"

#include <QEvent>
#include <QPainter>

TsuiCustomPanel::TsuiCustomPanel(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    if (parent)
        parent->installEventFilter(this);
}

void TsuiCustomPanel::setPicture(const QImage& picture)
{
    m_picture = runtime::ToBitmap(picture);
    pictureChanged();
}

void TsuiCustomPanel::pictureChanged()
{
    if (!m_picture.isNull()) {
        applyAutoSize();
        applyTransparency();
    }
    update();
}

void TsuiCustomPanel::applyAutoSize()
{
    if (m_autoSize && !m_picture.isNull())
        resize(PanelAutoSize(size(), m_picture.size(), m_align));
}

void TsuiCustomPanel::applyTransparency()
{
    // The picture then draws with its transparent colour left out.
    if (!m_picture.isNull())
        m_pictureTransparent = m_transparent;
}

void TsuiCustomPanel::setTransparent(bool transparent)
{
    m_transparent = transparent;
    applyTransparency();
    update();
}

void TsuiCustomPanel::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    applyAutoSize();
}

void TsuiCustomPanel::setDrawStyle(TsuiDrawStyle style)
{
    m_drawStyle = style;
    update();
}

void TsuiCustomPanel::setCaption(const QString& caption)
{
    m_caption = caption;
    update();
}

void TsuiCustomPanel::setAlignment(TAlignment alignment)
{
    m_alignment = alignment;
    update();
}

void TsuiCustomPanel::setAlign(TAlign align)
{
    m_align = align;
    applyAlign();
}

QColor TsuiCustomPanel::color() const
{
    return palette().color(QPalette::Window);
}

void TsuiCustomPanel::setColor(const QColor& color)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
}

void TsuiCustomPanel::applyAlign()
{
    // Keeps an aligned panel against its side of the parent (or filling it)
    // as the parent is resized; the other dimension stays the panel's own.
    const QWidget* parent = parentWidget();
    if (!parent || m_align == alNone)
        return;
    const QRect area = parent->contentsRect();
    QRect g = geometry();
    switch (m_align) {
    case alTop:
        g = QRect(area.left(), area.top(), area.width(), height());
        break;
    case alBottom:
        g = QRect(area.left(), area.bottom() + 1 - height(), area.width(), height());
        break;
    case alLeft:
        g = QRect(area.left(), area.top(), width(), area.height());
        break;
    case alRight:
        g = QRect(area.right() + 1 - width(), area.top(), width(), area.height());
        break;
    case alClient:
        g = area;
        break;
    case alNone:
        break;
    }
    setGeometry(g);
}

bool TsuiCustomPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        applyAlign();
    return QWidget::eventFilter(watched, event);
}

void TsuiCustomPanel::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ParentChange && parentWidget()) {
        parentWidget()->installEventFilter(this);
        applyAlign();
    }
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        update();
}

void TsuiCustomPanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    update();
}

PanelOption TsuiCustomPanel::styleOption() const
{
    PanelOption option;
    option.rect = rect();
    option.color = color();
    option.transparent = m_transparent;
    option.picture = m_picture;
    option.pictureTransparent = m_pictureTransparent;
    option.drawStyle = m_drawStyle;
    if (!IsBlankCaption(m_caption))
        option.caption = m_caption;
    option.font = font();
    option.fontColor = FontColorOf(this);
    option.alignment = m_alignment == taLeftJustify ? Qt::AlignLeft
        : m_alignment == taRightJustify             ? Qt::AlignRight
                                                    : Qt::AlignHCenter;
    return option;
}

void TsuiCustomPanel::paintEvent(QPaintEvent*)
{
    const PanelOption option = styleOption();
    compose(PrepareBuffer(m_buffer, this), option);
    QPainter(this).drawImage(0, 0, m_buffer);
}

void TsuiCustomPanel::compose(QImage& buffer, const PanelOption& option) const
{
    // Where neither picture nor capture reaches, the panel shows its colour.
    buffer.fill(option.color);
    runtime::Canvas canvas(&buffer);
    if (option.transparent && parentWidget())
        DrawParentBackground(canvas, this);
    const QImage& picture = option.picture;
    if (!picture.isNull()) {
        switch (option.drawStyle) {
        case suiStretch:
            canvas.stretchDraw(option.rect, picture, option.pictureTransparent);
            break;
        case suiTile:
            TileDraw(canvas, picture, option.rect, option.pictureTransparent);
            break;
        case suiNormal:
            if (option.pictureTransparent)
                canvas.drawTransparent(0, 0, picture, runtime::DefaultTransparentColor(picture));
            else
                canvas.draw(0, 0, picture);
            break;
        }
    }
    if (option.caption.isEmpty())
        return;
    canvas.painter().setFont(option.font);
    DrawSingleLine(canvas, option.rect, int(option.alignment | Qt::AlignVCenter), option.caption, option.fontColor);
}
