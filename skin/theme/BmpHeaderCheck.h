#pragma once

// Checks a BMP file image before any decoder sees it. Qt's BMP reader
// accepts truncated pixel data and pixel offsets past the end, and sizes
// its image by what the header claims; a theme file is untrusted, so its
// bitmaps are measured against their own bytes first. Standard C++ only.

#include <cstddef>
#include <cstdint>
#include <string>

namespace themefile {

// Limits for bitmaps carried in theme files; skin bitmaps are a few hundred
// pixels wide, these leave ample room while keeping a crafted header from
// asking for gigabytes.
constexpr std::int64_t MaxBitmapSide = 16384;
constexpr std::int64_t MaxBitmapPixels = std::int64_t(1) << 24;

// An empty text when the header is sound, else what is wrong with it.
std::string CheckBmpHeader(const std::uint8_t* data, std::size_t size);

} // namespace themefile
