#include "ThemeFileWriter.h"

#include <algorithm>
#include <cstring>

namespace themefile {

void PutU32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + std::size_t(i)] = std::uint8_t(value >> (8 * i));
}

WriterEntry IntegerEntry(const std::string& name, std::int32_t value)
{
    WriterEntry e{name, RecordKind::Integer, std::vector<std::uint8_t>(4)};
    PutU32(e.data, 0, std::uint32_t(value));
    return e;
}

WriterEntry BooleanEntry(const std::string& name, bool value)
{
    return {name, RecordKind::Boolean, {std::uint8_t(value ? 1 : 0)}};
}

WriterEntry BitmapEntry(const std::string& name, std::vector<std::uint8_t> bmpFile)
{
    return {name, RecordKind::Bitmap, std::move(bmpFile)};
}

WriterEntry StringEntry(const std::string& name, const std::string& text)
{
    return {name, RecordKind::String, std::vector<std::uint8_t>(text.begin(), text.end())};
}

std::vector<std::uint8_t> WriteThemeFile(const std::vector<WriterEntry>& entries)
{
    std::vector<std::uint8_t> out(HeaderLength, 0);
    std::memcpy(out.data(), Signature, 12);
    PutU32(out, HeaderLengthField, HeaderLength);
    PutU32(out, 16, FormatVersion);
    PutU32(out, FirstRecordField, HeaderLength);
    for (const WriterEntry& e : entries) {
        const std::size_t record = out.size();
        out.resize(record + RecordLength + e.data.size(), 0);
        std::memcpy(out.data() + record, e.name.data(), std::min(e.name.size(), NameLength));
        out[record + 64] = static_cast<std::uint8_t>(e.kind);
        PutU32(out, record + 65, std::uint32_t(record + RecordLength));
        PutU32(out, record + 69, std::uint32_t(e.data.size()));
        PutU32(out, record + 73, std::uint32_t(out.size()));
        std::copy(e.data.begin(), e.data.end(), out.begin() + std::ptrdiff_t(record + RecordLength));
    }
    // The closing record: next offset 0, never loaded.
    out.resize(out.size() + RecordLength, 0);
    return out;
}

} // namespace themefile
