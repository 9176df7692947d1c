#include "skin/theme/BmpHeaderCheck.h"

#include "skin/theme/ThemeFileParser.h"

namespace themefile {

namespace {

constexpr std::size_t FileHeaderSize = 14;
// The info header sizes Qt's BMP reader understands: OS/2 1.x, Windows 3,
// OS/2 2.x, and the V4 and V5 headers.
constexpr std::uint32_t CoreHeader = 12;
constexpr std::uint32_t InfoHeaders[] = {40, 64, 108, 124};

enum Compression : std::uint32_t { Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3 };

std::int32_t readI32(const std::uint8_t* p)
{
    return static_cast<std::int32_t>(ReadU32(p));
}
std::uint32_t readU16(const std::uint8_t* p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8;
}

} // namespace

std::string CheckBmpHeader(const std::uint8_t* data, std::size_t size)
{
    if (size < FileHeaderSize + 4)
        return "too short for a bitmap header";
    if (data[0] != 'B' || data[1] != 'M')
        return "no bitmap signature";
    const std::uint64_t pixelOffset = ReadU32(data + 10);
    const std::uint32_t infoSize = ReadU32(data + 14);
    bool known = infoSize == CoreHeader;
    for (std::uint32_t s : InfoHeaders)
        known = known || infoSize == s;
    if (!known)
        return "unknown bitmap header size " + std::to_string(infoSize);
    const std::uint64_t infoEnd = FileHeaderSize + std::uint64_t(infoSize);
    if (infoEnd > size)
        return "bitmap header runs past the record";
    const std::uint8_t* info = data + FileHeaderSize;
    const bool core = infoSize == CoreHeader;
    const std::int64_t width = core ? std::int64_t(readU16(info + 4)) : std::int64_t(readI32(info + 4));
    const std::int64_t rawHeight = core ? std::int64_t(readU16(info + 6)) : std::int64_t(readI32(info + 8));
    const std::int64_t height = rawHeight < 0 ? -rawHeight : rawHeight;
    const std::uint32_t bpp = core ? readU16(info + 10) : readU16(info + 14);
    const std::uint32_t compression = core ? Rgb : ReadU32(info + 16);
    const std::uint32_t colorsUsed = core ? 0 : ReadU32(info + 32);

    if (width <= 0 || height <= 0 || width > MaxBitmapSide || height > MaxBitmapSide
        || width * height > MaxBitmapPixels)
        return "bitmap size " + std::to_string(width) + "x" + std::to_string(rawHeight) + " is out of range";
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32)
        return "unsupported bit depth " + std::to_string(bpp);
    const bool compressionFits = compression == Rgb || (compression == Rle8 && bpp == 8)
        || (compression == Rle4 && bpp == 4) || (compression == BitFields && (bpp == 16 || bpp == 32));
    if (!compressionFits)
        return "unsupported compression " + std::to_string(compression) + " at " + std::to_string(bpp)
            + " bits per pixel";

    // Palette (and the colour masks a Windows 3 header keeps after itself)
    // must lie inside the record.
    std::uint64_t tableEnd = infoEnd;
    if (compression == BitFields && infoSize == 40)
        tableEnd += 12;
    if (bpp <= 8) {
        const std::uint64_t colors = colorsUsed ? colorsUsed : (std::uint64_t(1) << bpp);
        if (colors > 256)
            return "palette of " + std::to_string(colors) + " colours is too large";
        tableEnd += colors * (core ? 3 : 4);
    }
    if (tableEnd > size)
        return "bitmap palette runs past the record";
    if (pixelOffset < infoEnd || pixelOffset > size)
        return "pixel data offset " + std::to_string(pixelOffset) + " lies outside the record";

    if (compression == Rle8 || compression == Rle4) {
        if (pixelOffset >= size)
            return "compressed pixel data is missing";
        return {};
    }
    const std::uint64_t stride = ((std::uint64_t(width) * bpp + 31) / 32) * 4;
    if (pixelOffset + stride * std::uint64_t(height) > size)
        return "pixel data runs past the record";
    return {};
}

} // namespace themefile
