#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

#include <chrono>

namespace history {

// One connection to a history file, private to this object and closed with
// it. The file is untrusted: before anything runs, the connection gets a
// cap on the size of any value, a time budget per statement, and triggers
// and views switched off, so a hostile file can make a statement fail but
// cannot make it hang, grow without bound or run code of its own.
class HistoryDatabase {
public:
    enum class Access { ReadOnly, ReadWrite };
    // How the file relates to the table layout this program writes.
    enum class Layout { Empty, Current, Newer, Foreign };

    // The layout version kept in PRAGMA user_version. Raise it, and migrate
    // from the older numbers, whenever the table changes.
    static constexpr int SchemaVersion = 1;
    // No path, folder name or reason comes near this; a larger value is
    // hostile and reading it fails instead of taking the memory.
    static constexpr int MaxValueBytes = 1 << 20;

    HistoryDatabase(const QString& path, Access access);
    ~HistoryDatabase();
    HistoryDatabase(const HistoryDatabase&) = delete;
    HistoryDatabase& operator=(const HistoryDatabase&) = delete;

    // False when the file could not be opened; error() tells why.
    bool isOpen() const { return m_open; }
    QString error() const { return m_error; }
    // SQLite's code for the error, as text ("5" when busy); empty when none.
    QString errorCode() const { return m_errorCode; }
    QSqlDatabase database() const;

    // Statements from now on give up once `budget` has passed, and wait at
    // most `busyWait` for another writer's lock.
    void limit(std::chrono::milliseconds budget, std::chrono::milliseconds busyWait);
    // Reads the layout; `version` receives PRAGMA user_version. Fails
    // (false, error() set) on a file that is not a database.
    bool readLayout(Layout& layout, int& version);
    // Turns the file to write-ahead logging, so readers never wait for the
    // writer and writers of two processes only queue briefly.
    void useWriteAheadLog();

    bool fail(const QString& error, const QString& code = {});
    bool fail(const QSqlError& error) { return fail(error.text(), error.nativeErrorCode()); }

private:
    bool open(const QString& path, Access access);
    bool readLayoutOnce(Layout& layout, int& version);
    bool guard();

    QString m_connection;
    QString m_error;
    QString m_errorCode;
    bool m_open = false;
    void* m_handle = nullptr;
    std::chrono::steady_clock::time_point m_deadline = std::chrono::steady_clock::time_point::max();
};

} // namespace history
