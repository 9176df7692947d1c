#pragma once

#include "history/HistoryEntry.h"

#include <QList>
#include <QString>

namespace history {

// One field of a tab-separated line: backslash, tab, newline, carriage
// return and other control characters are written as escapes (\\, \t, \n,
// \r, \xHH), so every entry stays one line of exactly eight fields.
QString EscapeField(const QString& text);

// The header line and one line per entry, columns in table order:
// started_at, source, mode, destination, output, outcome, reason, duration_ms.
QString HistoryListing(const QList<HistoryEntry>& entries);

} // namespace history
