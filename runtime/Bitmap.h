#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

namespace runtime {

// A 32-bit off-screen bitmap. When Transparent is set, pixels of the
// transparent colour are see-through wherever the bitmap is drawn; that
// colour is the bottom-left pixel unless one was set explicitly.
class Bitmap {
public:
    Bitmap() = default;
    explicit Bitmap(const QImage& image);
    Bitmap(int width, int height);

    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }
    QSize size() const { return m_image.size(); }
    bool isEmpty() const { return m_image.isNull() || width() == 0 || height() == 0; }

    // Resizing keeps the pixels of the top-left area; new pixels are black.
    void setSize(int width, int height);
    void setWidth(int width) { setSize(width, height()); }
    void setHeight(int height) { setSize(width(), height); }

    const QImage& image() const { return m_image; }
    QImage& image() { return m_image; }
    void setImage(const QImage& image);

    QRgb pixel(int x, int y) const { return m_image.pixel(x, y); }
    void setPixel(int x, int y, QRgb rgb) { m_image.setPixel(x, y, rgb); }

    bool transparent() const { return m_transparent; }
    void setTransparent(bool transparent) { m_transparent = transparent; }
    QRgb transparentColor() const;
    void setTransparentColor(QRgb rgb) { m_transparentColor = rgb | 0xFF000000u; }
    void resetTransparentColor() { m_transparentColor.reset(); }

    // Decodes BMP file bytes. Returns false and leaves the bitmap as it was
    // when the bytes do not decode.
    bool loadFromBmpData(const QByteArray& bytes);
    // Replaces the contents with a bitmap compiled into the program; a
    // missing name raises ResourceNotFound.
    void loadFromResource(const QString& name);

    void clear() { m_image = QImage(); }

private:
    QImage m_image;
    bool m_transparent = false;
    std::optional<QRgb> m_transparentColor;
};

// The pixel format every bitmap is held in.
constexpr QImage::Format BitmapFormat = QImage::Format_RGB32;

} // namespace runtime
