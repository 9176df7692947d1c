#pragma once

// The record reader of theme files as a pure function of the file's bytes.
// It uses the standard library only, so that it can be fuzzed on its own.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace themefile {

// File layout constants; the file format fixes each of them.
constexpr std::size_t HeaderLength = 24;
constexpr std::size_t HeaderLengthField = 12;
constexpr std::size_t FirstRecordField = 20;
constexpr std::size_t RecordLength = 77;
constexpr std::size_t NameLength = 64;

enum class RecordKind : std::uint8_t { Bitmap = 0, Integer = 1, Boolean = 2, String = 3 };

struct Entry {
    std::string name; // at most 64 characters
    RecordKind kind = RecordKind::Integer;
    std::int32_t value = 0; // the integer, or the Boolean's byte
    std::uint32_t dataOffset = 0;
    std::uint32_t dataSize = 0; // a Bitmap entry of size 0 holds no bitmap
};

struct ParseResult {
    std::vector<Entry> entries; // loaded records in file order; kinds above 3 are left out
    std::string error;          // empty when the file is sound
    bool ok() const { return error.empty(); }
};

// Reads the record chain. Every offset and size is checked against the
// file's length before it is used, a chain that returns to an earlier
// record is an error, and each embedded bitmap's header is checked, so no
// input can make the reader loop, read out of bounds or allocate beyond a
// small multiple of the input's size.
ParseResult ParseThemeFile(const std::uint8_t* data, std::size_t size);

std::uint32_t ReadU32(const std::uint8_t* p);

} // namespace themefile
