#include "runtime/BmpDecode.h"

#include <QBuffer>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

QByteArray bmpOf(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

// Rows top-down: a negative height and the rows in reverse order.
QByteArray topDown(QByteArray bytes, int height)
{
    const quint32 offset = qFromLittleEndian<quint32>(bytes.constData() + 10);
    const qsizetype stride = (bytes.size() - offset) / height;
    QByteArray rows;
    for (int y = height - 1; y >= 0; --y)
        rows += bytes.mid(offset + y * stride, stride);
    bytes.replace(offset, rows.size(), rows);
    qToLittleEndian<qint32>(-height, bytes.data() + 22);
    return bytes;
}

} // namespace

TEST(BmpDecode, PlainFilesEitherWayUpAndNothingElse)
{
    QImage picture(5, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            picture.setPixel(x, y, qRgb(40 * x, 90 * y, 7));
    const QByteArray bottomUp = bmpOf(picture);
    EXPECT_EQ(runtime::DecodeUncompressedBmp(bottomUp), picture);
    EXPECT_EQ(runtime::DecodeUncompressedBmp(topDown(bottomUp, 3)), picture);

    QImage indexed = picture.convertToFormat(QImage::Format_Indexed8);
    EXPECT_EQ(runtime::DecodeUncompressedBmp(bmpOf(indexed)), picture);

    // What it does not read is left to the general reader: a short file, a
    // compressed one, anything that is not a BMP file.
    EXPECT_TRUE(runtime::DecodeUncompressedBmp(bottomUp.left(bottomUp.size() - 1)).isNull());
    QByteArray compressed = bottomUp;
    qToLittleEndian<quint32>(1, compressed.data() + 30);
    EXPECT_TRUE(runtime::DecodeUncompressedBmp(compressed).isNull());
    EXPECT_TRUE(runtime::DecodeUncompressedBmp(QByteArray("GIF89a")).isNull());
    EXPECT_TRUE(runtime::DecodeUncompressedBmp(bottomUp.left(30)).isNull());
}
