#include "skin/theme/ThemeFileParser.h"

#include "skin/theme/BmpHeaderCheck.h"

#include <cstring>
#include <unordered_set>

namespace themefile {

namespace {

struct Record {
    std::string name;
    std::uint8_t kind;
    std::uint32_t dataOffset;
    std::uint32_t dataSize;
    std::uint32_t next;
};

Record readRecord(const std::uint8_t* p)
{
    const auto* name = reinterpret_cast<const char*>(p);
    return {std::string(name, strnlen(name, NameLength)), p[64], ReadU32(p + 65), ReadU32(p + 69), ReadU32(p + 73)};
}

bool fits(std::uint64_t offset, std::uint64_t length, std::size_t size)
{
    return offset <= size && length <= size - offset;
}

std::string quoted(const std::string& name)
{
    return "'" + name + "'";
}

// Checks one loaded record's data; an empty text means it is sound.
std::string checkData(const Record& r, std::size_t size, const std::uint8_t* data)
{
    if (!fits(r.dataOffset, r.dataSize, size))
        return "data of record " + quoted(r.name) + " (offset " + std::to_string(r.dataOffset) + ", size "
            + std::to_string(r.dataSize) + ") runs past the end of the file";
    switch (static_cast<RecordKind>(r.kind)) {
    case RecordKind::Integer:
        if (r.dataSize != 4)
            return "Integer record " + quoted(r.name) + " holds " + std::to_string(r.dataSize) + " bytes instead of 4";
        break;
    case RecordKind::Boolean:
        if (r.dataSize != 1)
            return "Boolean record " + quoted(r.name) + " holds " + std::to_string(r.dataSize) + " bytes instead of 1";
        break;
    case RecordKind::Bitmap:
        if (r.dataSize > 0) {
            const std::string bad = CheckBmpHeader(data + r.dataOffset, r.dataSize);
            if (!bad.empty())
                return "bitmap " + quoted(r.name) + ": " + bad;
        }
        break;
    case RecordKind::String:
        break;
    }
    return {};
}

} // namespace

std::uint32_t ReadU32(const std::uint8_t* p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}

ParseResult ParseThemeFile(const std::uint8_t* data, std::size_t size)
{
    ParseResult result;
    if (size < HeaderLength) {
        result.error = "the file is too short for a theme file header (" + std::to_string(size) + " bytes)";
        return result;
    }
    const std::uint32_t headerLength = ReadU32(data + HeaderLengthField);
    if (headerLength != HeaderLength) {
        result.error = "the header length is " + std::to_string(headerLength) + " instead of 24";
        return result;
    }
    std::uint32_t offset = ReadU32(data + FirstRecordField);
    // Sound records never overlap, so a longer chain cannot be sound; the
    // bound also caps what the entries list can take.
    const std::size_t maxRecords = size / RecordLength;
    std::unordered_set<std::uint32_t> visited;
    for (;;) {
        if (!fits(offset, RecordLength, size)) {
            result.error = "the record at offset " + std::to_string(offset) + " runs past the end of the file";
            break;
        }
        if (!visited.insert(offset).second) {
            result.error = "the record chain returns to the record at offset " + std::to_string(offset);
            break;
        }
        if (visited.size() > maxRecords) {
            result.error = "the record chain is longer than the file can hold";
            break;
        }
        const Record r = readRecord(data + offset);
        if (r.next == 0)
            break;
        if (r.kind <= static_cast<std::uint8_t>(RecordKind::String)) {
            result.error = checkData(r, size, data);
            if (!result.ok())
                break;
            Entry e{r.name, static_cast<RecordKind>(r.kind), 0, r.dataOffset, r.dataSize};
            if (e.kind == RecordKind::Integer)
                e.value = static_cast<std::int32_t>(ReadU32(data + r.dataOffset));
            else if (e.kind == RecordKind::Boolean)
                e.value = data[r.dataOffset];
            result.entries.push_back(std::move(e));
        }
        offset = r.next;
    }
    if (!result.ok())
        result.entries.clear();
    return result;
}

} // namespace themefile
