#pragma once

#include "history/HistoryEntry.h"

namespace convert {
struct DocumentRecord;
}

namespace history {

// The row a finished document leaves: its start in UTC with milliseconds,
// so rows sort by text, and the outcome in the words the table accepts.
HistoryEntry RecordEntry(const convert::DocumentRecord& record);

} // namespace history
