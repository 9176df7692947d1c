#include "skin/controls/SkinCache.h"

const QImage& SkinCache::get(const QImage& picture, QSize size, bool transparent, const Render& render)
{
    if (size != m_size) {
        clear();
        m_size = size;
    }
    const qint64 key = picture.cacheKey();
    for (Entry& e : m_entries)
        if (!e.image.isNull() && e.key == key && e.transparent == transparent)
            return e.image;
    Entry& e = m_entries[m_next];
    m_next = (m_next + 1) % Slots;
    e.key = key;
    e.transparent = transparent;
    e.image = QImage(size, QImage::Format_ARGB32_Premultiplied);
    e.image.fill(Qt::transparent);
    render(e.image);
    return e.image;
}

void SkinCache::clear()
{
    for (Entry& e : m_entries)
        e = Entry();
    m_next = 0;
}
