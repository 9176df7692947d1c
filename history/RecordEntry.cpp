#include "history/RecordEntry.h"

#include "convert/DocumentRecord.h"

#include <algorithm>

namespace history {

HistoryEntry RecordEntry(const convert::DocumentRecord& record)
{
    HistoryEntry entry;
    entry.startedAt = record.startedAt.toUTC().toString(Qt::ISODateWithMs);
    entry.source = record.sourcePath;
    entry.mode = record.ripModeText;
    entry.destination = record.destinationFolder;
    entry.output = record.outputPath;
    entry.outcome = convert::OutcomeText(record.outcome);
    entry.reason = record.reason;
    entry.durationMs = std::max<qint64>(record.durationMs, 0);
    return entry;
}

} // namespace history
