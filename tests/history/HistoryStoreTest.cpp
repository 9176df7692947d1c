#include "history/HistoryStore.h"
#include "SqlFile.h"
#include "common/QStringPrinter.h"
#include "common/WaitUntil.h"
#include "history/HistoryDatabase.h"
#include "history/HistoryListing.h"
#include "history/HistoryLocation.h"
#include "history/HistoryReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <sys/stat.h>

using history::HistoryEntry;

namespace {

HistoryEntry entry(const QString& source, const QString& outcome = QStringLiteral("converted"))
{
    return {QStringLiteral("2026-12-08T09:00:00.000Z"),
            source,
            QStringLiteral("PDF -> HTML"),
            QStringLiteral("/out"),
            QStringLiteral("/out/a.html"),
            outcome,
            {},
            1200};
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(HistoryLocation, FollowsTheVariablesAndTheXdgDefault)
{
    using history::HistoryFile;
    const QString home = QStringLiteral("/home/u");
    EXPECT_EQ(HistoryFile(std::nullopt, {}, home), "/home/u/.local/share/quarlex/history.sqlite");
    EXPECT_EQ(HistoryFile(std::nullopt, "/data", home), "/data/quarlex/history.sqlite");
    EXPECT_EQ(HistoryFile(std::nullopt, "relative", home), "/home/u/.local/share/quarlex/history.sqlite");
    EXPECT_EQ(HistoryFile(QStringLiteral("/elsewhere.db"), "/data", home), "/elsewhere.db");
    EXPECT_TRUE(HistoryFile(QString(), "/data", home).isEmpty());
}

TEST(HistoryStore, AppendsRowsThatReadBackNewestFirst)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("new/folder/history.sqlite"));
    {
        history::HistoryStore store(path);
        store.append(entry(QStringLiteral("/in/a.pdf")));
        HistoryEntry failed = entry(QStringLiteral("/in/b.pdf"), QStringLiteral("failed"));
        failed.reason = QStringLiteral("no output written");
        store.append(failed);
        EXPECT_TRUE(store.problem().isEmpty()) << store.problem().toStdString();
    }
    const history::HistoryReading reading = history::ReadHistory(path, 10);
    ASSERT_TRUE(reading.error.isEmpty()) << reading.error.toStdString();
    ASSERT_EQ(reading.entries.size(), 2);
    const HistoryEntry& newest = reading.entries[0];
    EXPECT_EQ(newest.source, "/in/b.pdf");
    EXPECT_EQ(newest.outcome, "failed");
    EXPECT_EQ(newest.reason, "no output written");
    EXPECT_EQ(newest.durationMs, 1200);
    EXPECT_EQ(reading.entries[1].source, "/in/a.pdf");
    EXPECT_EQ(history::ReadHistory(path, 1).entries.size(), 1);

    // Scripts rely on the layout version and the write-ahead log.
    SqlFile file(path);
    EXPECT_EQ(file.value("PRAGMA user_version").toInt(), 1);
    EXPECT_EQ(file.value("PRAGMA journal_mode").toString(), "wal");
}

TEST(HistoryStore, UnusableFilesAreReportedOnceAndLeftUntouched)
{
    QTemporaryDir dir;
    const QString newer = dir.filePath("newer.sqlite");
    SqlFile(newer).exec("PRAGMA user_version = 9");
    const QString foreign = dir.filePath("foreign.sqlite");
    SqlFile(foreign).exec("CREATE TABLE notes (text TEXT)");
    const QString wrongColumns = dir.filePath("wrong.sqlite");
    {
        SqlFile file(wrongColumns);
        file.exec("CREATE TABLE conversions (id INTEGER PRIMARY KEY, source TEXT)");
        file.exec("PRAGMA user_version = 1");
    }
    const QString corrupt = dir.filePath("corrupt.sqlite");
    {
        QFile file(corrupt);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(8192, '\x5a'));
    }
    // A FIFO would block the open for ever; a folder cannot be a database.
    const QString fifo = dir.filePath("fifo.sqlite");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString folder = dir.filePath("folder.sqlite");
    ASSERT_TRUE(QDir().mkpath(folder));

    for (const QString& path : {newer, foreign, wrongColumns, corrupt, fifo, folder}) {
        SCOPED_TRACE(path.toStdString());
        const QByteArray before = QFileInfo(path).isFile() ? contents(path) : QByteArray();
        {
            history::HistoryStore store(path);
            QSignalSpy problems(&store, &history::HistoryStore::problemFound);
            store.append(entry("/in/a.pdf"));
            store.append(entry("/in/b.pdf"));
            EXPECT_EQ(problems.size(), 1);
            EXPECT_TRUE(store.problem().contains(path)) << store.problem().toStdString();
            EXPECT_EQ(store.pendingCount(), 0);
        }
        if (QFileInfo(path).isFile()) {
            EXPECT_EQ(contents(path), before);
        }
        EXPECT_FALSE(QFileInfo::exists(path + "-wal"));
        const history::HistoryReading reading = history::ReadHistory(path, 10);
        EXPECT_FALSE(reading.error.isEmpty());
        EXPECT_TRUE(reading.entries.isEmpty());
    }
}

// Rows edited by hand or by a hostile program: wrong types read as the
// declared type, a value past the size cap fails the reading instead of
// taking the memory, and a trigger that would never end does not run.
TEST(HistoryStore, HostileContentNeitherCrashesNorHangs)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("history.sqlite");
    history::HistoryStore(path).append(entry("/in/a.pdf"));
    {
        SqlFile file(path);
        file.exec("INSERT INTO conversions (started_at, source, mode, destination, output, outcome, duration_ms)"
                  " VALUES (x'00ff', 12, 'm', 'd', 'o', 'failed', 'eleven')");
        file.exec("CREATE TRIGGER spin AFTER INSERT ON conversions BEGIN"
                  " WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n) SELECT max(i) FROM n; END");
    }
    history::HistoryStore store(path);
    store.append(entry("/in/c.pdf"));
    EXPECT_TRUE(store.problem().isEmpty()) << store.problem().toStdString();

    history::HistoryReading reading = history::ReadHistory(path, 10);
    ASSERT_EQ(reading.entries.size(), 3) << reading.error.toStdString();
    EXPECT_EQ(reading.entries[1].source, "12");
    EXPECT_EQ(reading.entries[1].durationMs, 0);

    SqlFile(path).exec(QStringLiteral("UPDATE conversions SET reason = zeroblob(%1) WHERE source = '12'")
                           .arg(history::HistoryDatabase::MaxValueBytes + 1));
    reading = history::ReadHistory(path, 10);
    EXPECT_FALSE(reading.error.isEmpty());
}

// Another program holding the write lock only delays rows: they wait in
// the store and are written once the lock is gone.
TEST(HistoryStore, RowsMeetingALockAreWrittenLater)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("history.sqlite");
    history::HistoryStore store(path);
    store.append(entry("/in/a.pdf"));
    {
        SqlFile other(path);
        other.exec("BEGIN EXCLUSIVE");
        QSignalSpy problems(&store, &history::HistoryStore::problemFound);
        store.append(entry("/in/b.pdf"));
        store.append(entry("/in/c.pdf"));
        EXPECT_EQ(store.pendingCount(), 2);
        EXPECT_EQ(problems.size(), 1);
        other.exec("COMMIT");
    }
    EXPECT_TRUE(WaitUntil([&] { return store.pendingCount() == 0; }));
    EXPECT_EQ(history::ReadHistory(path, 10).entries.size(), 3);
}

TEST(HistoryListing, EveryEntryStaysOneLineOfEightFields)
{
    HistoryEntry e = entry("/in/tab\there.pdf", "failed");
    e.reason = QStringLiteral("line one\nline two\\ end\r\x01");
    const QStringList lines = history::HistoryListing({e, entry("/in/b.pdf")}).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], "started_at\tsource\tmode\tdestination\toutput\toutcome\treason\tduration_ms");
    const QStringList fields = lines[1].split(u'\t');
    ASSERT_EQ(fields.size(), 8);
    EXPECT_EQ(fields[1], "/in/tab\\there.pdf");
    EXPECT_EQ(fields[6], "line one\\nline two\\\\ end\\r\\x01");
    EXPECT_EQ(fields[7], "1200");
}
