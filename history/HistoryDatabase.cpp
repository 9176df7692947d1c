#include "history/HistoryDatabase.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <atomic>
#include <sqlite3.h>

namespace history {

namespace {

// Fields of the conversions table that readers and writers rely on.
const char* const requiredColumns[] = {"started_at", "source",  "mode",   "destination",
                                       "output",     "outcome", "reason", "duration_ms"};

QString uniqueConnectionName()
{
    static std::atomic<int> next{0};
    return QStringLiteral("quarlex-history-%1").arg(next++);
}

// Called by SQLite every thousand virtual-machine steps; a non-zero answer
// interrupts the statement.
int pastDeadline(void* deadline)
{
    return std::chrono::steady_clock::now() > *static_cast<std::chrono::steady_clock::time_point*>(deadline);
}

} // namespace

HistoryDatabase::HistoryDatabase(const QString& path, Access access) : m_connection(uniqueConnectionName())
{
    m_open = open(path, access) && guard();
}

HistoryDatabase::~HistoryDatabase()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

QSqlDatabase HistoryDatabase::database() const
{
    return QSqlDatabase::database(m_connection, false);
}

bool HistoryDatabase::fail(const QString& error, const QString& code)
{
    m_error = error;
    m_errorCode = code;
    return false;
}

bool HistoryDatabase::open(const QString& path, Access access)
{
    const QFileInfo info(path);
    // Opening a FIFO or a device would block or read without end.
    if (info.exists() && !info.isFile())
        return fail(QStringLiteral("not a regular file"));
    if (access == Access::ReadWrite && !info.exists() && !QDir().mkpath(info.absolutePath()))
        return fail(QStringLiteral("cannot create the folder ") + info.absolutePath());

    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    if (!db.isValid())
        return fail(QStringLiteral("the SQLite driver of Qt SQL is missing"));
    db.setDatabaseName(path);
    if (access == Access::ReadOnly)
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!db.open())
        return fail(db.lastError().text());
    return true;
}

bool HistoryDatabase::guard()
{
    const QVariant handle = database().driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return fail(QStringLiteral("the SQLite driver gave no connection handle"));
    sqlite3* db = *static_cast<sqlite3* const*>(handle.constData());
    if (!db)
        return fail(QStringLiteral("the SQLite driver gave no connection handle"));
    sqlite3_limit(db, SQLITE_LIMIT_LENGTH, MaxValueBytes);
    sqlite3_progress_handler(db, 1000, pastDeadline, &m_deadline);
    sqlite3_db_config(db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_ENABLE_TRIGGER, 0, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_ENABLE_VIEW, 0, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    m_handle = db;
    return true;
}

void HistoryDatabase::limit(std::chrono::milliseconds budget, std::chrono::milliseconds busyWait)
{
    m_deadline = std::chrono::steady_clock::now() + budget;
    if (m_handle)
        sqlite3_busy_timeout(static_cast<sqlite3*>(m_handle), int(busyWait.count()));
}

bool HistoryDatabase::readLayout(Layout& layout, int& version)
{
    // One snapshot for all the questions: read one by one, another QUARLEX
    // creating the table in between would make a new file look foreign.
    QSqlQuery savepoint(database());
    if (!savepoint.exec(QStringLiteral("SAVEPOINT layout")))
        return fail(savepoint.lastError());
    const bool read = readLayoutOnce(layout, version);
    savepoint.exec(QStringLiteral("RELEASE layout"));
    return read;
}

bool HistoryDatabase::readLayoutOnce(Layout& layout, int& version)
{
    QSqlQuery query(database());
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        return fail(query.lastError());
    version = query.value(0).toInt();
    if (version > SchemaVersion) {
        layout = Layout::Newer;
        return true;
    }
    if (version == 0) {
        // Only an empty file is made a history; tables of anything else
        // that QUARLEX_HISTORY happens to name are not touched.
        if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !query.next())
            return fail(query.lastError());
        layout = query.value(0).toLongLong() == 0 ? Layout::Empty : Layout::Foreign;
        return true;
    }
    if (!query.exec(QStringLiteral("PRAGMA table_info(conversions)")))
        return fail(query.lastError());
    QStringList columns;
    while (query.next())
        columns << query.value(1).toString();
    layout = Layout::Current;
    for (const char* column : requiredColumns) {
        if (!columns.contains(QLatin1String(column)))
            layout = Layout::Foreign;
    }
    if (version < 0)
        layout = Layout::Foreign;
    return true;
}

void HistoryDatabase::useWriteAheadLog()
{
    QSqlQuery query(database());
    query.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
}

} // namespace history
