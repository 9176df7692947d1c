#pragma once

#include "history/HistoryEntry.h"

#include <QList>
#include <QString>

namespace history {

struct HistoryReading {
    QList<HistoryEntry> entries; // newest first
    QString error;               // why the file could not be read; empty when it was
};

// The last `limit` entries of a history file, opened read-only. A missing
// file is an empty history. Every value is read as the type the table
// declares, whatever the file holds, so a hand-edited row reads as text.
HistoryReading ReadHistory(const QString& path, int limit);

} // namespace history
