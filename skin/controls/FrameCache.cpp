#include "skin/controls/FrameCache.h"

#include "runtime/Bitmap.h"

#include <exception>

FrameCache::FrameCache(ThemeElement element, int frameCount, QSize blank)
    : m_element(element)
    , m_frameCount(frameCount)
    , m_blank(blank)
    , m_frames(frameCount)
    , m_loaded(frameCount, false)
{
}

void FrameCache::clear()
{
    m_frames.fill(QImage());
    m_loaded.fill(false);
}

const QImage& FrameCache::frame(const Look& look, int index)
{
    QImage& picture = m_frames[index - 1];
    if (!m_loaded[index - 1]) {
        try {
            look.bitmapFrame(m_element, picture, m_frameCount, index);
        } catch (const std::exception&) {
            picture = QImage();
            if (!m_blank.isEmpty()) {
                picture = QImage(m_blank, runtime::BitmapFormat);
                picture.fill(Qt::white);
            }
        }
        m_loaded[index - 1] = true;
    }
    return picture;
}
