#include "runtime/BmpDecode.h"

#include <QtEndian>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <iterator>

namespace runtime {

namespace {

quint32 u32(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

quint16 u16(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

// One colour channel of a bit-field pixel, widened to eight bits.
struct Channel {
    quint32 mask = 0;
    int shift = 0;
    quint32 max = 0;

    explicit Channel(quint32 m) : mask(m)
    {
        if (!mask)
            return;
        shift = std::countr_zero(mask);
        max = mask >> shift;
    }
    int operator()(quint32 pixel) const
    {
        if (!mask)
            return 0;
        const quint32 value = (pixel & mask) >> shift;
        return max == 255 ? int(value) : int(value * 255 / max);
    }
};

constexpr qsizetype FileHeaderSize = 14;
constexpr quint32 BiRgb = 0;
constexpr quint32 BiBitfields = 3;

} // namespace

QImage DecodeUncompressedBmp(const QByteArray& bytes)
{
    if (bytes.size() < FileHeaderSize + 40 || !bytes.startsWith("BM"))
        return {};
    const quint32 dataOffset = u32(bytes, 10);
    const quint32 headerSize = u32(bytes, 14);
    if (headerSize < 40 || FileHeaderSize + qint64(headerSize) > bytes.size())
        return {};
    const qint32 width = qint32(u32(bytes, 18));
    const qint32 rawHeight = qint32(u32(bytes, 22));
    const int depth = u16(bytes, 28);
    const quint32 compression = u32(bytes, 30);
    quint32 colours = u32(bytes, 46);
    if (width <= 0 || width > 16384 || rawHeight == 0 || rawHeight < -16384 || rawHeight > 16384)
        return {};
    const bool bottomUp = rawHeight > 0;
    const int height = bottomUp ? rawHeight : -rawHeight;

    const bool bitfields = compression == BiBitfields && depth == 32;
    if (!(compression == BiRgb && (depth == 1 || depth == 4 || depth == 8 || depth == 24)) && !bitfields)
        return {};

    // A palette follows the header for the indexed depths.
    // Indexes past the palette's end read black.
    QRgb lookup[256];
    std::fill(std::begin(lookup), std::end(lookup), qRgb(0, 0, 0));
    if (depth <= 8) {
        if (colours == 0 || colours > (1u << depth))
            colours = 1u << depth;
        const qsizetype at = FileHeaderSize + headerSize;
        if (at + qsizetype(colours) * 4 > bytes.size())
            return {};
        for (quint32 i = 0; i < colours; ++i) {
            const auto* entry = reinterpret_cast<const uchar*>(bytes.constData() + at + i * 4);
            lookup[i] = qRgb(entry[2], entry[1], entry[0]);
        }
    }
    // The masks sit in the header's place when it is long enough (V4, V5),
    // or right after a plain 40-byte header.
    quint32 masks[4] = {0, 0, 0, 0};
    if (bitfields) {
        const qsizetype at = FileHeaderSize + 40;
        const int count = headerSize >= 56 ? 4 : 3;
        if (at + count * 4 > bytes.size())
            return {};
        for (int i = 0; i < count; ++i)
            masks[i] = u32(bytes, at + i * 4);
    }
    const Channel red(masks[0]), green(masks[1]), blue(masks[2]), alpha(masks[3]);

    const qsizetype stride = ((qsizetype(width) * depth + 31) / 32) * 4;
    if (qint64(dataOffset) + stride * height > bytes.size())
        return {};
    QImage image(width, height, alpha.mask ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull())
        return {};
    // One loop per depth: the switch stays out of the per-pixel work, which
    // the start of the program waits on for every bitmap it shows.
    for (int y = 0; y < height; ++y) {
        const auto* row =
            reinterpret_cast<const uchar*>(bytes.constData() + dataOffset + stride * (bottomUp ? height - 1 - y : y));
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        switch (depth) {
        case 1:
        case 4:
        case 8: {
            const int mask = (1 << depth) - 1;
            for (int x = 0; x < width; ++x) {
                const int bit = x * depth;
                out[x] = lookup[(row[bit / 8] >> (8 - depth - bit % 8)) & mask];
            }
            break;
        }
        case 24:
            for (int x = 0; x < width; ++x, row += 3)
                out[x] = qRgb(row[2], row[1], row[0]);
            break;
        default:
            for (int x = 0; x < width; ++x) {
                const quint32 pixel = qFromLittleEndian<quint32>(row + x * 4);
                out[x] = qRgba(red(pixel), green(pixel), blue(pixel), alpha.mask ? alpha(pixel) : 255);
            }
            break;
        }
    }
    return image;
}

} // namespace runtime
