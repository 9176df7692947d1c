#include "skin/chrome/MenuImageList.h"

#include "runtime/Canvas.h"

int MenuImageList::Add(const QImage& image, QRgb transparentColor)
{
    m_images.append(runtime::KeyedOut(image, transparentColor));
    return Count() - 1;
}

QImage MenuImageList::Image(int index) const
{
    return index >= 0 && index < Count() ? m_images.at(index) : QImage();
}
