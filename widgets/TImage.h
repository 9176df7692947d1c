#pragma once

#include <QImage>
#include <QWidget>

namespace widgets {

// The runtime's picture control. A transparent picture leaves out the pixels
// of its key colour, the bottom-left pixel, as bitmaps always have.
class TImage : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QImage Picture READ picture WRITE setPicture)
    Q_PROPERTY(bool Transparent READ isTransparent WRITE setTransparent)
    Q_PROPERTY(bool Stretch READ stretch WRITE setStretch)
    Q_PROPERTY(bool Center READ center WRITE setCenter)
    Q_PROPERTY(bool AutoSize READ autoSize WRITE setAutoSize)
public:
    explicit TImage(QWidget* parent = nullptr);

    QImage picture() const { return m_picture; }
    void setPicture(const QImage& picture);
    bool isTransparent() const { return m_transparent; }
    void setTransparent(bool transparent);
    bool stretch() const { return m_stretch; }
    void setStretch(bool stretch);
    bool center() const { return m_center; }
    void setCenter(bool center);
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);

    // The picture as drawn: key-coloured pixels cleared when transparent.
    QImage shownPicture() const;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage m_picture;
    bool m_transparent = false;
    bool m_stretch = false;
    bool m_center = false;
    bool m_autoSize = false;
};

} // namespace widgets
