#include "history/HistoryReader.h"

#include "history/HistoryDatabase.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace history {

namespace {

using namespace std::chrono_literals;

// Enough to read thousands of rows; a hostile file gets no more.
constexpr auto ReadBudget = 5000ms;
constexpr auto ReadBusyWait = 1000ms;

// Insertion order, not started_at: rowid order needs no index and no sort,
// however large or odd the file.
const char* const selectSql = "SELECT CAST(started_at AS TEXT), CAST(source AS TEXT), CAST(mode AS TEXT), "
                              "CAST(destination AS TEXT), CAST(output AS TEXT), CAST(outcome AS TEXT), "
                              "CAST(reason AS TEXT), CAST(duration_ms AS INTEGER) "
                              "FROM conversions ORDER BY rowid DESC LIMIT ?";

} // namespace

HistoryReading ReadHistory(const QString& path, int limit)
{
    HistoryReading reading;
    if (!QFileInfo::exists(path))
        return reading;
    HistoryDatabase db(path, HistoryDatabase::Access::ReadOnly);
    if (!db.isOpen()) {
        reading.error = db.error();
        return reading;
    }
    db.limit(ReadBudget, ReadBusyWait);
    HistoryDatabase::Layout layout;
    int version = 0;
    if (!db.readLayout(layout, version)) {
        reading.error = db.error();
        return reading;
    }
    if (layout == HistoryDatabase::Layout::Newer) {
        reading.error = QStringLiteral("written by a newer QUARLEX (layout %1)").arg(version);
        return reading;
    }
    if (layout == HistoryDatabase::Layout::Foreign) {
        reading.error = QStringLiteral("not a QUARLEX history");
        return reading;
    }
    if (layout == HistoryDatabase::Layout::Empty)
        return reading;

    QSqlQuery query(db.database());
    query.setForwardOnly(true);
    query.prepare(QLatin1String(selectSql));
    query.bindValue(0, limit);
    if (!query.exec()) {
        reading.error = query.lastError().text();
        return reading;
    }
    while (query.next()) {
        HistoryEntry e;
        QString* texts[] = {&e.startedAt, &e.source, &e.mode, &e.destination, &e.output, &e.outcome, &e.reason};
        for (int i = 0; i < 7; ++i)
            *texts[i] = query.value(i).toString();
        e.durationMs = query.value(7).toLongLong();
        reading.entries.append(e);
    }
    // A value past the size cap or the time budget ends the rows early.
    if (query.lastError().isValid())
        reading.error = query.lastError().text();
    return reading;
}

} // namespace history
