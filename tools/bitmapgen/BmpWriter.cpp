#include "BmpWriter.h"

#include "Quantizer.h"

#include <QtEndian>

#include <stdexcept>

namespace {

// 96 dots per inch, the resolution every picture here is drawn for.
constexpr quint32 PixelsPerMetre = 3780;
constexpr int FileHeaderSize = 14;
constexpr int InfoHeaderSize = 40;
constexpr int V5HeaderSize = 124;

class ByteWriter {
public:
    void u8(int v) { bytes.append(char(v & 0xFF)); }
    void u16(quint16 v)
    {
        u8(v);
        u8(v >> 8);
    }
    void u32(quint32 v)
    {
        u16(quint16(v));
        u16(quint16(v >> 16));
    }
    void zeros(int n) { bytes.append(n, '\0'); }
    QByteArray bytes;
};

int strideOf(int width, int bitsPerPixel)
{
    return ((width * bitsPerPixel + 31) / 32) * 4;
}

void writeHeaders(ByteWriter& w, const QImage& image, int bitsPerPixel, int paletteEntries, int infoSize)
{
    const quint32 stride = quint32(strideOf(image.width(), bitsPerPixel));
    const quint32 pixelOffset = FileHeaderSize + infoSize + paletteEntries * 4;
    const quint32 imageSize = stride * quint32(image.height());
    w.u8('B');
    w.u8('M');
    w.u32(pixelOffset + imageSize);
    w.u32(0);
    w.u32(pixelOffset);
    w.u32(quint32(infoSize));
    w.u32(quint32(image.width()));
    w.u32(quint32(image.height())); // positive: rows bottom-up
    w.u16(1);
    w.u16(quint16(bitsPerPixel));
    w.u32(infoSize == V5HeaderSize ? 3 : 0); // BI_BITFIELDS or BI_RGB
    w.u32(imageSize);
    w.u32(PixelsPerMetre);
    w.u32(PixelsPerMetre);
    w.u32(quint32(paletteEntries));
    w.u32(0);
}

QByteArray encodeIndexed(const QImage& image, int bitsPerPixel, const QList<QRgb>& keep)
{
    const IndexedImage indexed = Quantize(image, 1 << bitsPerPixel, {KeyColour}, keep);
    const int entries = 1 << bitsPerPixel;
    ByteWriter w;
    writeHeaders(w, image, bitsPerPixel, entries, InfoHeaderSize);
    for (int i = 0; i < entries; ++i) {
        const QRgb c = i < indexed.palette.size() ? indexed.palette[i] : 0;
        w.u8(qBlue(c));
        w.u8(qGreen(c));
        w.u8(qRed(c));
        w.u8(0);
    }
    const int stride = strideOf(image.width(), bitsPerPixel);
    for (int y = image.height() - 1; y >= 0; --y) {
        QByteArray row(stride, '\0');
        for (int x = 0; x < image.width(); ++x) {
            const uint8_t index = indexed.indices[size_t(y) * size_t(image.width()) + size_t(x)];
            if (bitsPerPixel == 8)
                row[x] = char(index);
            else
                row[x / 2] = char(row[x / 2] | (x % 2 == 0 ? index << 4 : index));
        }
        w.bytes.append(row);
    }
    return w.bytes;
}

QByteArray encode24(const QImage& source)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    ByteWriter w;
    writeHeaders(w, image, 24, 0, InfoHeaderSize);
    const int padding = strideOf(image.width(), 24) - image.width() * 3;
    for (int y = image.height() - 1; y >= 0; --y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            w.u8(qBlue(line[x]));
            w.u8(qGreen(line[x]));
            w.u8(qRed(line[x]));
        }
        w.zeros(padding);
    }
    return w.bytes;
}

QByteArray encode32(const QImage& source)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    ByteWriter w;
    writeHeaders(w, image, 32, 0, V5HeaderSize);
    w.u32(0x00FF0000); // red mask
    w.u32(0x0000FF00); // green mask
    w.u32(0x000000FF); // blue mask
    w.u32(0xFF000000); // alpha mask
    w.u32(0x73524742); // colour space "sRGB"
    w.zeros(V5HeaderSize - 60);
    for (int y = image.height() - 1; y >= 0; --y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            w.u32(line[x]);
    }
    return w.bytes;
}

} // namespace

QByteArray EncodeBmp(const QImage& image, int bitsPerPixel, const QList<QRgb>& keep)
{
    switch (bitsPerPixel) {
    case 4:
    case 8:
        return encodeIndexed(image, bitsPerPixel, keep);
    case 24:
        return encode24(image);
    case 32:
        return encode32(image);
    default:
        throw std::invalid_argument("unsupported bitmap depth");
    }
}
