// Fuzz entry over the theme-file record reader and the embedded-bitmap
// header check, both pure functions of their bytes. Besides the
// sanitizers, it aborts when a result breaks what the Qt side relies on:
// every loaded entry's data lies inside the input, Integer and Boolean
// entries have their fixed sizes, and a bitmap accepted by the reader
// passes the header check on its own.

#include "skin/theme/BmpHeaderCheck.h"
#include "skin/theme/ThemeFileParser.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace themefile;
    const ParseResult result = ParseThemeFile(data, size);
    if (!result.ok() && !result.entries.empty())
        std::abort();
    if (result.entries.size() > size / RecordLength)
        std::abort();
    for (const Entry& e : result.entries) {
        if (e.name.size() > NameLength || std::uint64_t(e.dataOffset) + e.dataSize > size)
            std::abort();
        if (e.kind == RecordKind::Integer && e.dataSize != 4)
            std::abort();
        if (e.kind == RecordKind::Boolean && e.dataSize != 1)
            std::abort();
        if (e.kind == RecordKind::Bitmap && e.dataSize > 0 && !CheckBmpHeader(data + e.dataOffset, e.dataSize).empty())
            std::abort();
    }
    // The header check alone, on the raw input as a bitmap record.
    (void)CheckBmpHeader(data, size);
    return 0;
}
