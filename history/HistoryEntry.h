#pragma once

#include <QString>

namespace history {

// One row of the `conversions` table: one document of one run, window or
// command line. Texts are kept as stored, since rows read back come from a
// file anyone may have edited.
struct HistoryEntry {
    QString startedAt; // ISO 8601, UTC
    QString source;
    QString mode; // the rip mode text as the user gave it
    QString destination;
    QString output;
    QString outcome; // "converted", "failed" or "canceled"
    QString reason;
    qint64 durationMs = 0;
};

} // namespace history
