#pragma once

#include <QImage>

#include <QImage>
#include <QSize>

#include <functional>

// Keeps the stretched skin of a few state pictures at one size, so a repaint
// (a hover, a press) composes a ready image instead of slicing and scaling the
// frame again. The cached image holds the skin over a see-through background;
// laid over the captured background it gives the very pixels drawing the skin
// there directly gives, since every skin pixel is either opaque or keyed out.
class SkinCache {
public:
    using Render = std::function<void(QImage& target)>;

    // The skin for `picture` stretched to `size`; `render` draws it into a
    // see-through image when it is not cached yet.
    const QImage& get(const QImage& picture, QSize size, bool transparent, const Render& render);
    void clear();

private:
    struct Entry {
        qint64 key = 0;
        bool transparent = false;
        QImage image;
    };
    static constexpr int Slots = 3; // one per button state frame
    Entry m_entries[Slots];
    QSize m_size;
    int m_next = 0;
};
