#include "widgets/TBevel.h"

#include <QPainter>

namespace widgets {

TBevel::TBevel(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TBevel::setShape(Shape shape)
{
    m_shape = shape;
    update();
}

void TBevel::setBevelStyle(Style style)
{
    m_style = style;
    update();
}

void TBevel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor dark = palette().color(QPalette::Dark);
    const QColor light = palette().color(QPalette::Light);
    const QColor first = m_style == bsLowered ? dark : light;
    const QColor second = m_style == bsLowered ? light : dark;
    const int r = width() - 1;
    const int b = height() - 1;
    switch (m_shape) {
    case bsBox:
        painter.setPen(first);
        painter.drawLine(0, 0, r, 0);
        painter.drawLine(0, 0, 0, b);
        painter.setPen(second);
        painter.drawLine(0, b, r, b);
        painter.drawLine(r, 0, r, b);
        break;
    case bsFrame:
        // An etched outline: a dark rectangle with a light one offset by a pixel.
        painter.setPen(first);
        painter.drawRect(0, 0, r - 1, b - 1);
        painter.setPen(second);
        painter.drawRect(1, 1, r - 1, b - 1);
        break;
    case bsTopLine:
        painter.setPen(first);
        painter.drawLine(0, 0, r, 0);
        painter.setPen(second);
        painter.drawLine(0, 1, r, 1);
        break;
    case bsBottomLine:
        painter.setPen(first);
        painter.drawLine(0, b - 1, r, b - 1);
        painter.setPen(second);
        painter.drawLine(0, b, r, b);
        break;
    case bsLeftLine:
        painter.setPen(first);
        painter.drawLine(0, 0, 0, b);
        painter.setPen(second);
        painter.drawLine(1, 0, 1, b);
        break;
    case bsRightLine:
        painter.setPen(first);
        painter.drawLine(r - 1, 0, r - 1, b);
        painter.setPen(second);
        painter.drawLine(r, 0, r, b);
        break;
    case bsSpacer:
        break;
    }
}

} // namespace widgets
