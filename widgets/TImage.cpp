#include "widgets/TImage.h"

#include <QMouseEvent>
#include <QPainter>

namespace widgets {

TImage::TImage(QWidget* parent) : QWidget(parent)
{
    setCursor(Qt::ArrowCursor);
}

void TImage::setPicture(const QImage& picture)
{
    m_picture = picture;
    if (m_autoSize && !picture.isNull())
        resize(picture.size());
    update();
}

void TImage::setTransparent(bool transparent)
{
    m_transparent = transparent;
    update();
}

void TImage::setStretch(bool stretch)
{
    m_stretch = stretch;
    update();
}

void TImage::setCenter(bool center)
{
    m_center = center;
    update();
}

void TImage::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    if (autoSize && !m_picture.isNull())
        resize(m_picture.size());
}

QImage TImage::shownPicture() const
{
    if (!m_transparent || m_picture.isNull())
        return m_picture;
    QImage image = m_picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = image.pixel(0, image.height() - 1);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] == key)
                line[x] = 0;
        }
    }
    return image;
}

void TImage::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    const QImage shown = shownPicture();
    if (m_stretch) {
        painter.drawImage(rect(), shown);
    } else if (m_center) {
        painter.drawImage((width() - shown.width()) / 2, (height() - shown.height()) / 2, shown);
    } else {
        painter.drawImage(0, 0, shown);
    }
}

void TImage::mouseReleaseEvent(QMouseEvent* event)
{
    QWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace widgets
