// The generator's encoder writes each bitmap at the exact depth asked, and its
// palette reduction keeps the colours the skins depend on.

#include "tools/bitmapgen/BmpWriter.h"
#include "tools/bitmapgen/Quantizer.h"

#include <QImage>
#include <QtEndian>

#include <gtest/gtest.h>

#include <set>

namespace {

// A picture with many colours: a two-way gradient, magenta in one corner.
QImage busyPicture(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(x * 255 / (w - 1), y * 255 / (h - 1), 128));
    image.setPixel(0, 0, KeyColour);
    image.setPixel(1, 0, KeyColour);
    return image;
}

std::set<QRgb> coloursOf(const QImage& image)
{
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y) | 0xFF000000u);
    return colours;
}

struct DepthCase {
    int depth;
    int headerSize;
    int paletteEntries;
};

class EncodeBmpDepth : public testing::TestWithParam<DepthCase> {};

// Odd widths exercise the row padding at every depth.
TEST_P(EncodeBmpDepth, HeaderSizesAndRowsMatchTheDepth)
{
    const DepthCase c = GetParam();
    const int w = 13, h = 5;
    const QByteArray bytes = EncodeBmp(busyPicture(w, h), c.depth);
    const auto* p = reinterpret_cast<const uchar*>(bytes.constData());
    ASSERT_GE(bytes.size(), 54);
    const int stride = ((w * c.depth + 31) / 32) * 4;
    const quint32 offset = 14 + c.headerSize + 4 * c.paletteEntries;
    EXPECT_EQ(bytes.left(2), QByteArray("BM"));
    EXPECT_EQ(qFromLittleEndian<quint32>(p + 2), quint32(bytes.size()));
    EXPECT_EQ(qFromLittleEndian<quint32>(p + 10), offset);
    EXPECT_EQ(qFromLittleEndian<quint32>(p + 14), quint32(c.headerSize));
    EXPECT_EQ(qFromLittleEndian<qint32>(p + 18), w);
    EXPECT_EQ(qFromLittleEndian<qint32>(p + 22), h);
    EXPECT_EQ(qFromLittleEndian<quint16>(p + 28), c.depth);
    EXPECT_EQ(qFromLittleEndian<quint32>(p + 34), quint32(stride * h));
    EXPECT_EQ(bytes.size(), int(offset) + stride * h);

    const QImage back = QImage::fromData(bytes, "BMP");
    ASSERT_FALSE(back.isNull());
    EXPECT_EQ(back.size(), QSize(w, h));
    EXPECT_EQ(back.pixel(0, 0) & 0xFFFFFF, KeyColour & 0xFFFFFF);
}

INSTANTIATE_TEST_SUITE_P(Depths, EncodeBmpDepth,
                         testing::Values(DepthCase{4, 40, 16}, DepthCase{8, 40, 256}, DepthCase{24, 40, 0},
                                         DepthCase{32, 124, 0}),
                         [](const testing::TestParamInfo<DepthCase>& info) {
                             return std::to_string(info.param.depth) + "bpp";
                         });

TEST(EncodeBmp, TrueColourAndFewColoursRoundTripExactly)
{
    const QImage busy = busyPicture(9, 7);
    EXPECT_EQ(QImage::fromData(EncodeBmp(busy, 24), "BMP").convertToFormat(QImage::Format_RGB32),
              busy.convertToFormat(QImage::Format_RGB32));

    QImage few(9, 7, QImage::Format_ARGB32);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 9; ++x)
            few.setPixel(x, y, qRgb((x % 4) * 60, y % 2 ? 200 : 30, 90));
    for (int depth : {4, 8})
        EXPECT_EQ(QImage::fromData(EncodeBmp(few, depth), "BMP").convertToFormat(QImage::Format_RGB32),
                  few.convertToFormat(QImage::Format_RGB32))
            << depth;
}

TEST(EncodeBmp, ThirtyTwoBitsKeepTheAlphaChannel)
{
    QImage icon(4, 4, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    icon.setPixel(1, 2, qRgba(10, 20, 30, 255));
    const QImage back = QImage::fromData(EncodeBmp(icon, 32), "BMP");
    ASSERT_TRUE(back.hasAlphaChannel());
    EXPECT_EQ(qAlpha(back.pixel(0, 0)), 0);
    EXPECT_EQ(back.pixel(1, 2), qRgba(10, 20, 30, 255));
}

TEST(EncodeBmp, RejectsADepthItCannotWrite)
{
    EXPECT_THROW(EncodeBmp(busyPicture(4, 4), 16), std::invalid_argument);
}

// Reduced to sixteen colours, the key colour stays exactly where it was and
// nowhere else: a near-magenta pixel turning magenta would punch a hole.
TEST(Quantize, KeyColourStaysExactAndAloneWhenColoursAreReduced)
{
    QImage image = busyPicture(40, 30);
    image.setPixel(5, 5, qRgb(250, 10, 250)); // almost the key
    const IndexedImage out = Quantize(image, 16, {KeyColour});
    ASSERT_LE(out.palette.size(), 16);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = out.palette[out.indices[size_t(y * image.width() + x)]] | 0xFF000000u;
            const bool key = (image.pixel(x, y) | 0xFF000000u) == KeyColour;
            EXPECT_EQ(c == KeyColour, key) << x << "," << y;
        }
    }
}

// Colours to keep (the rows where title-bar images join) survive exactly,
// and stay available as matches for their neighbours.
TEST(Quantize, KeptColoursSurviveExactly)
{
    QImage image = busyPicture(40, 30);
    const QList<QRgb> keep{image.pixel(17, 3) | 0xFF000000u, image.pixel(33, 21) | 0xFF000000u};
    const IndexedImage out = Quantize(image, 16, {KeyColour}, keep);
    for (QRgb k : keep)
        EXPECT_TRUE(out.palette.contains(k));
    EXPECT_EQ(out.palette[out.indices[size_t(3 * 40 + 17)]] | 0xFF000000u, keep[0]);
    EXPECT_EQ(out.palette[out.indices[size_t(21 * 40 + 33)]] | 0xFF000000u, keep[1]);
}

TEST(Quantize, IsDeterministic)
{
    const QImage image = busyPicture(40, 30);
    const IndexedImage a = Quantize(image, 16, {KeyColour});
    const IndexedImage b = Quantize(image, 16, {KeyColour});
    EXPECT_EQ(a.palette, b.palette);
    EXPECT_EQ(a.indices, b.indices);
    EXPECT_EQ(coloursOf(QImage::fromData(EncodeBmp(image, 4), "BMP")).size(), 16u);
}

} // namespace
