#include "widgets/TLabel.h"

#include "forms/FormLoader.h"

#include <QMouseEvent>

namespace widgets {

TLabel::TLabel(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAutoFillBackground(false);
}

void TLabel::setCaption(const QString& caption)
{
    m_caption = caption;
    // Stored captions break lines with CR LF; Qt wants a bare line feed.
    QString shown = caption;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    setText(shown);
    fitToText();
}

void TLabel::setColor(runtime::TColor color)
{
    m_color = color;
    QPalette p = palette();
    p.setColor(QPalette::Window, runtime::ColorFromTColor(color));
    setPalette(p);
}

void TLabel::setTransparent(bool transparent)
{
    m_transparent = transparent;
    setAutoFillBackground(!transparent);
}

void TLabel::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    fitToText();
}

void TLabel::setTextAlignment(Alignment alignment)
{
    m_alignment = alignment;
    const Qt::Alignment horizontal = alignment == taCenter ? Qt::AlignHCenter
        : alignment == taRightJustify                      ? Qt::AlignRight
                                                           : Qt::AlignLeft;
    setAlignment(horizontal | Qt::AlignTop);
}

void TLabel::fitToText()
{
    if (m_autoSize && !wordWrap() && !forms::IsLoading(this))
        resize(sizeHint());
}

void TLabel::Loaded()
{
    fitToText();
}

void TLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void TLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitToText();
}

} // namespace widgets
