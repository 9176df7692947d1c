#include "history/HistoryStore.h"

#include "history/HistoryDatabase.h"
#include "history/RecordEntry.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace history {

namespace {

using namespace std::chrono_literals;

// No statement of ours takes near this long on a sound file.
constexpr auto StatementBudget = 2000ms;

const char* const createTableSql = R"(CREATE TABLE conversions (
    id INTEGER PRIMARY KEY,
    started_at TEXT NOT NULL,
    source TEXT NOT NULL,
    mode TEXT NOT NULL,
    destination TEXT NOT NULL,
    output TEXT NOT NULL,
    outcome TEXT NOT NULL CHECK (outcome IN ('converted', 'failed', 'canceled')),
    reason TEXT NOT NULL DEFAULT '',
    duration_ms INTEGER NOT NULL CHECK (duration_ms >= 0)))";

const char* const insertSql = "INSERT INTO conversions "
                              "(started_at, source, mode, destination, output, outcome, reason, duration_ms) "
                              "VALUES (?, ?, ?, ?, ?, ?, ?, ?)";

bool isBusy(const QString& nativeCode)
{
    // SQLITE_BUSY and SQLITE_LOCKED, with their extended codes.
    const int code = nativeCode.toInt() & 0xff;
    return code == 5 || code == 6;
}

} // namespace

HistoryStore::HistoryStore(const QString& path, QObject* parent) : QObject(parent), m_path(path), m_off(path.isEmpty())
{
    m_retry.setSingleShot(true);
    m_retry.setInterval(RetryInterval);
    connect(&m_retry, &QTimer::timeout, this, [this] { write(BusyWait); });
}

HistoryStore::~HistoryStore()
{
    if (!m_pending.isEmpty())
        write(FinalBusyWait);
}

void HistoryStore::append(const HistoryEntry& entry)
{
    if (m_off)
        return;
    m_pending.append(entry);
    write(BusyWait);
}

void HistoryStore::documentFinished(const convert::DocumentRecord& record)
{
    append(RecordEntry(record));
}

void HistoryStore::report(const QString& reason)
{
    if (!m_problem.isEmpty())
        return;
    m_problem = QStringLiteral("Conversion history not kept in %1: %2").arg(m_path, reason);
    emit problemFound(m_problem);
}

HistoryStore::State HistoryStore::failed(const QString& error, const QString& nativeCode)
{
    if (isBusy(nativeCode)) {
        report(QStringLiteral("the file is locked by another program; trying again"));
        return State::Busy;
    }
    report(error);
    m_off = true;
    m_db.reset();
    return State::Off;
}

HistoryStore::State HistoryStore::prepare(std::chrono::milliseconds busyWait)
{
    if (m_off)
        return State::Off;
    if (!m_db) {
        m_db = std::make_unique<HistoryDatabase>(m_path, HistoryDatabase::Access::ReadWrite);
        if (!m_db->isOpen())
            return failed(m_db->error(), {});
    }
    m_db->limit(StatementBudget, busyWait);
    if (m_ready)
        return State::Ready;

    HistoryDatabase::Layout layout;
    int version = 0;
    // Another QUARLEX turning a new file to write-ahead logging holds it
    // for a moment: busy, not broken.
    if (!m_db->readLayout(layout, version))
        return failed(m_db->error(), m_db->errorCode());
    switch (layout) {
    case HistoryDatabase::Layout::Newer:
        return failed(QStringLiteral("it was written by a newer QUARLEX (layout %1) and is left as it is").arg(version),
                      {});
    case HistoryDatabase::Layout::Foreign:
        return failed(QStringLiteral("it is not a QUARLEX history and is left as it is"), {});
    case HistoryDatabase::Layout::Empty:
        m_db->useWriteAheadLog();
        return createTable();
    case HistoryDatabase::Layout::Current:
        m_db->useWriteAheadLog();
        m_ready = true;
        return State::Ready;
    }
    return State::Off;
}

// Another QUARLEX may be creating the table at the same moment; the layout
// is read again under the write lock, and only one of them creates it.
HistoryStore::State HistoryStore::createTable()
{
    QSqlQuery query(m_db->database());
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return failed(query.lastError());
    HistoryDatabase::Layout layout;
    int version = 0;
    bool created = m_db->readLayout(layout, version);
    if (created && layout == HistoryDatabase::Layout::Empty) {
        created = query.exec(QLatin1String(createTableSql))
            && query.exec(QStringLiteral("PRAGMA user_version = %1").arg(HistoryDatabase::SchemaVersion));
    }
    if (!created || !query.exec(QStringLiteral("COMMIT"))) {
        const QSqlError error = query.lastError();
        query.exec(QStringLiteral("ROLLBACK"));
        return created ? failed(error) : failed(m_db->error(), m_db->errorCode());
    }
    // The other process may have made something else of the file meanwhile.
    return prepare(0ms);
}

void HistoryStore::write(std::chrono::milliseconds busyWait)
{
    const State state = prepare(busyWait);
    if (state == State::Off) {
        m_pending.clear();
        return;
    }
    if (state == State::Ready) {
        QSqlQuery query(m_db->database());
        bool ok = query.exec(QStringLiteral("BEGIN IMMEDIATE"));
        QSqlQuery insert(m_db->database());
        ok = ok && insert.prepare(QLatin1String(insertSql));
        for (qsizetype i = 0; ok && i < m_pending.size(); ++i) {
            const HistoryEntry& e = m_pending[i];
            int column = 0;
            // A null text would be bound as NULL, which the table refuses.
            for (const QString& text : {e.startedAt, e.source, e.mode, e.destination, e.output, e.outcome, e.reason})
                insert.bindValue(column++, text.isNull() ? QStringLiteral("") : text);
            insert.bindValue(column, e.durationMs);
            ok = insert.exec();
        }
        insert.finish();
        if (ok && query.exec(QStringLiteral("COMMIT"))) {
            m_pending.clear();
            emit entriesWritten();
            return;
        }
        const QSqlError error = insert.lastError().isValid() ? insert.lastError() : query.lastError();
        query.exec(QStringLiteral("ROLLBACK"));
        if (failed(error) == State::Off) {
            m_pending.clear();
            return;
        }
    }
    m_retry.start();
}

} // namespace history
