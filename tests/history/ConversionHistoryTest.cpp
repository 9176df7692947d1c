#include "common/FakePrograms.h"
#include "common/QStringPrinter.h"
#include "history/HistoryReader.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

// The built program converting with the history on, end to end.
namespace {

// Starts quarlex with its history in `historyFile`.
std::unique_ptr<QProcess> startQuarlex(const QString& historyFile, const QStringList& arguments)
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QUARLEX_HISTORY"), historyFile);
    process->setProcessEnvironment(environment);
    process->start(QStringLiteral(QUARLEX_PROGRAM), arguments);
    return process;
}

struct Finished {
    int exitCode = -1;
    QString out;
    QString errors;
};

Finished quarlex(const QString& historyFile, const QStringList& arguments)
{
    const auto process = startQuarlex(historyFile, arguments);
    EXPECT_TRUE(process->waitForFinished(3 * 60 * 1000));
    return {process->exitCode(), QString::fromUtf8(process->readAllStandardOutput()),
            QString::fromUtf8(process->readAllStandardError())};
}

void writePdf(const QString& path, const QString& text)
{
    QPdfWriter writer(path);
    QPainter painter(&writer);
    painter.drawText(QPointF(100, 200), text);
}

QStringList outcomes(const QString& historyFile)
{
    QStringList result;
    for (const history::HistoryEntry& e : history::ReadHistory(historyFile, 1000).entries)
        result << e.outcome;
    return result;
}

} // namespace

// The real text converter on PDFs made here, one of them broken: each
// document of the batch is one row, and the listing shows them.
TEST(ConversionHistory, BatchLeavesOneRowPerDocument)
{
    qunsetenv("windir");
    QTemporaryDir work;
    const QString pdfs = work.filePath("pdfs");
    QDir().mkpath(pdfs);
    writePdf(pdfs + "/first.pdf", "first document");
    writePdf(pdfs + "/second.pdf", "second document");
    QFile broken(pdfs + "/broken.pdf");
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("%PDF-1.4 nothing follows\n");
    broken.close();
    const QString dest = work.filePath("out");
    QDir().mkpath(dest);
    const QString historyFile = work.filePath("history.sqlite");

    const Finished run =
        quarlex(historyFile, {"--convert", "--folder", pdfs, "--dest", dest, "--mode", "PDF -> TEXT / TXT"});
    EXPECT_EQ(run.exitCode, 2) << run.errors.toStdString();
    const QList<history::HistoryEntry> entries = history::ReadHistory(historyFile, 10).entries;
    ASSERT_EQ(entries.size(), 3);
    for (const history::HistoryEntry& e : entries) {
        SCOPED_TRACE(e.source.toStdString());
        EXPECT_EQ(e.outcome, e.source.endsWith("broken.pdf") ? "failed" : "converted");
        EXPECT_EQ(e.mode, "PDF -> TEXT / TXT");
        EXPECT_EQ(e.destination, dest);
        EXPECT_TRUE(e.output.endsWith(".txt"));
        EXPECT_GE(e.durationMs, 0);
        EXPECT_TRUE(QDateTime::fromString(e.startedAt, Qt::ISODateWithMs).isValid()) << e.startedAt.toStdString();
    }

    const Finished list = quarlex(historyFile, {"--history", "--list", "--last", "2"});
    EXPECT_EQ(list.exitCode, 0) << list.errors.toStdString();
    const QStringList lines = list.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith("started_at\tsource"));
    EXPECT_EQ(lines[1].split(u'\t').value(1), entries[0].source);
}

// Both write-ahead logging and the retries on a lock are needed for this:
// two batches finishing documents at the same moments into one file.
TEST(ConversionHistory, TwoProcessesAtOnceLoseNoRow)
{
    FakePrograms fakes;
    QStringList names;
    for (int i = 0; i < 20; ++i)
        names << QStringLiteral("doc%1.pdf").arg(i);
    const QString historyFile = fakes.path("history.sqlite");
    const QStringList first = {"--convert", "--folder", fakes.makeFolderWith("a", names), "--dest",
                               fakes.makeFolder("outa")};
    const QStringList second = {"--convert", "--folder", fakes.makeFolderWith("b", names), "--dest",
                                fakes.makeFolder("outb")};
    const auto one = startQuarlex(historyFile, first);
    const auto two = startQuarlex(historyFile, second);
    ASSERT_TRUE(one->waitForFinished(3 * 60 * 1000));
    ASSERT_TRUE(two->waitForFinished(3 * 60 * 1000));
    const QByteArray errors = one->readAllStandardError() + two->readAllStandardError();
    EXPECT_EQ(one->exitCode(), 0) << errors.constData();
    EXPECT_EQ(two->exitCode(), 0) << errors.constData();
    EXPECT_EQ(outcomes(historyFile), QStringList(40, QStringLiteral("converted"))) << errors.constData();
}

TEST(ConversionHistory, AnUnusableHistoryDoesNotStopTheConversion)
{
    FakePrograms fakes;
    const QString historyFile = fakes.path("history.sqlite");
    QFile corrupt(historyFile);
    ASSERT_TRUE(corrupt.open(QIODevice::WriteOnly));
    corrupt.write(QByteArray(4096, 'x'));
    corrupt.close();
    const QString source = fakes.makeFolderWith("in", {"a.pdf"}) + "/a.pdf";
    const QString dest = fakes.makeFolder("out");

    const Finished run = quarlex(historyFile, {"--convert", source, "--dest", dest});
    EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_TRUE(QFile::exists(dest + "/a.html"));
    EXPECT_EQ(run.errors.count(historyFile), 1) << run.errors.toStdString();

    const Finished list = quarlex(historyFile, {"--history", "--list"});
    EXPECT_EQ(list.exitCode, 1);
    EXPECT_TRUE(list.errors.contains(historyFile)) << list.errors.toStdString();

    // An empty QUARLEX_HISTORY keeps no history and says nothing about it.
    const Finished off = quarlex(QString(), {"--convert", source, "--dest", dest});
    EXPECT_EQ(off.exitCode, 0);
    EXPECT_FALSE(off.errors.contains("history")) << off.errors.toStdString();
}
