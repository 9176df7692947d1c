#pragma once

#include <QImage>
#include <QList>
#include <QObject>

// Images a menu shows beside its items, each with the colour that is
// see-through in it; an item points at one by its ImageIndex.
class MenuImageList : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    int Count() const { return int(m_images.size()); }
    // Adds `image` with `transparentColor` keyed out; returns its index.
    int Add(const QImage& image, QRgb transparentColor);
    // The keyed-out image; a null image for an index out of range.
    QImage Image(int index) const;

private:
    QList<QImage> m_images;
};
