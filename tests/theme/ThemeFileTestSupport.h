#pragma once

#include "ThemeFileWriter.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QString>

#include <vector>

// Each pixel names its own position: red = x, green = y, blue = 7.
inline QImage CoordinateImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x, y, 7));
    return image;
}

// BMP file bytes of an image, as a theme file embeds them.
inline std::vector<std::uint8_t> BmpBytes(const QImage& image)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    const QByteArray& data = buffer.data();
    return std::vector<std::uint8_t>(data.begin(), data.end());
}

inline void WriteBytes(const QString& path, const std::vector<std::uint8_t>& bytes)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
}

// Offsets of the records of a file the writer made, closing record last.
inline std::vector<std::size_t> RecordOffsets(const std::vector<std::uint8_t>& bytes)
{
    std::vector<std::size_t> offsets{themefile::ReadU32(&bytes[themefile::FirstRecordField])};
    while (std::uint32_t next = themefile::ReadU32(&bytes[offsets.back() + 73]))
        offsets.push_back(next);
    return offsets;
}
