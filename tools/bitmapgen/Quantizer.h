#pragma once

#include <QImage>
#include <QList>

#include <cstdint>
#include <vector>

// An image reduced to a palette: one index per pixel, row by row, top first.
struct IndexedImage {
    int width = 0;
    int height = 0;
    QList<QRgb> palette;
    std::vector<uint8_t> indices;
};

// Reduces an opaque image to at most maxColours palette entries. An image that
// already has few enough colours keeps every one exactly, which the skins rely
// on: key colours and the columns where title-bar images join must survive
// the reduction unchanged. Otherwise each colour of keys (the key colour)
// keeps an entry of its own and is never the nearest match for any other
// colour; each colour of keep keeps an entry of its own that other colours may
// map to; the rest are reduced by median cut refined with k-means.
// The result is deterministic.
IndexedImage Quantize(const QImage& image, int maxColours, const QList<QRgb>& keys, const QList<QRgb>& keep = {});
