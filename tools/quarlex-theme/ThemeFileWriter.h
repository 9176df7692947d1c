#pragma once

// Writes theme files in the layout the reader takes: the 24-byte header,
// then each entry as its 77-byte record followed by its data, then the
// closing record. Standard C++ only, shared by the tool, the tests, the
// fuzzer's seed corpus and the benchmark.

#include "skin/theme/ThemeFileParser.h"

#include <cstdint>
#include <string>
#include <vector>

namespace themefile {

struct WriterEntry {
    std::string name;
    RecordKind kind = RecordKind::Integer;
    std::vector<std::uint8_t> data;
};

// The 12 bytes the reader skips carry this signature, the 4 at offset 16
// the format version.
constexpr char Signature[] = "QUARLEXTHEME";
constexpr std::uint32_t FormatVersion = 1;

WriterEntry IntegerEntry(const std::string& name, std::int32_t value);
WriterEntry BooleanEntry(const std::string& name, bool value);
WriterEntry BitmapEntry(const std::string& name, std::vector<std::uint8_t> bmpFile);
WriterEntry StringEntry(const std::string& name, const std::string& text);

std::vector<std::uint8_t> WriteThemeFile(const std::vector<WriterEntry>& entries);

void PutU32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value);

} // namespace themefile
