#pragma once

#include "skin/theme/Look.h"
#include "skin/theme/ThemeElement.h"

#include <QImage>
#include <QSize>
#include <QVector>

// The frames of one skin strip a control shows for its states, loaded from
// its look on first use and kept until the style or theme changes,
// so a repaint does not decode the strip again.
class FrameCache {
public:
    // `blank`: the size of the white picture that stands in for a frame
    // that cannot be loaded (an empty size leaves such a frame empty).
    FrameCache(ThemeElement element, int frameCount, QSize blank = QSize());

    void clear();
    // Frame `index` (1-based) of the strip.
    const QImage& frame(const Look& look, int index);

private:
    ThemeElement m_element;
    int m_frameCount;
    QSize m_blank;
    QVector<QImage> m_frames;
    QVector<bool> m_loaded;
};
