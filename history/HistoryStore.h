#pragma once

#include "convert/ConversionRecorder.h"
#include "history/HistoryEntry.h"

#include <QList>
#include <QObject>
#include <QSqlError>
#include <QTimer>

#include <chrono>
#include <memory>

namespace history {

class HistoryDatabase;

// Appends conversions to the history file. A conversion never waits long
// for it and never fails because of it: a file that cannot be opened, is
// corrupt, is not a QUARLEX history or is newer than this program is
// reported once (problemFound) and history stays off for this store; rows
// that meet another process's lock are kept and written on a later try.
// As the driver's recorder, it keeps every document a run finished with.
class HistoryStore : public QObject, public convert::ConversionRecorder {
    Q_OBJECT
public:
    // An empty path keeps no history.
    explicit HistoryStore(const QString& path, QObject* parent = nullptr);
    // Makes a last, longer attempt at rows still waiting for a lock.
    ~HistoryStore() override;

    QString path() const { return m_path; }
    void append(const HistoryEntry& entry);
    void documentFinished(const convert::DocumentRecord& record) override;
    qsizetype pendingCount() const { return m_pending.size(); }
    // The one problem reported, empty while there was none.
    QString problem() const { return m_problem; }

    // How long one attempt may wait for another process's lock: the window
    // stays live and a two-process race resolves well within it.
    static constexpr std::chrono::milliseconds BusyWait{250};
    static constexpr std::chrono::milliseconds FinalBusyWait{3000};
    static constexpr std::chrono::milliseconds RetryInterval{1000};

signals:
    void problemFound(const QString& message);
    // Rows reached the file; a History window open on it shows them.
    void entriesWritten();

private:
    enum class State { Ready, Busy, Off };
    State prepare(std::chrono::milliseconds busyWait);
    State createTable();
    void write(std::chrono::milliseconds busyWait);
    State failed(const QString& error, const QString& nativeCode);
    State failed(const QSqlError& error) { return failed(error.text(), error.nativeErrorCode()); }
    void report(const QString& reason);

    QString m_path;
    std::unique_ptr<HistoryDatabase> m_db;
    bool m_ready = false;
    bool m_off = false;
    QString m_problem;
    QList<HistoryEntry> m_pending;
    QTimer m_retry;
};

} // namespace history
