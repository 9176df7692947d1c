#include "FakeWordProcessor.h"
#include "RecordingFrontEnd.h"
#include "RecordingRecorder.h"
#include "common/FakePrograms.h"
#include "common/ProgressHistory.h"
#include "common/QStringPrinter.h"
#include "common/WaitUntil.h"
#include "convert/ConversionDriver.h"
#include "convert/LibreOfficeRtf.h"
#include "convert/Messages.h"
#include "convert/RipMode.h"

#include <QDir>
#include <QFile>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>

#include <limits>

using namespace convert;
using Outcome = ConversionDriver::Outcome;

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void writeStale(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("earlier run\n");
}

using HistoryFrontEnd = ProgressHistory<RecordingFrontEnd>;

class BatchTest : public ::testing::Test {
protected:
    BatchTest() { m_previous = QDir::currentPath(); }
    ~BatchTest() override { QDir::setCurrent(m_previous); }

    QString folderWith(const QStringList& names)
    {
        return fakes.makeFolderWith(QStringLiteral("pdfs %1").arg(++m_folders), names);
    }
    ConversionRequest request(int mode, const QString& folderText)
    {
        ConversionRequest r;
        r.ripModeText = RipModeText(mode);
        r.sourceFile = QStringLiteral("/ignored/when/a/folder/is/given.pdf");
        r.sourceFolder = folderText;
        r.destination = destination;
        return r;
    }

    FakePrograms fakes;
    FakeWordProcessor word;
    HistoryFrontEnd ui;
    ConversionDriver driver{ui};
    QString destination = fakes.makeFolder(QStringLiteral("out"));

private:
    QString m_previous;
    int m_folders = 0;
};

} // namespace

TEST_F(BatchTest, ThreeDocumentsOfTextInOrderWithProgressSummaryAndDone)
{
    const QString folder = folderWith({"b.pdf", "A.pdf", "c.PDF", "notes.txt", "sub.pdf/"});
    EXPECT_EQ(driver.start(request(PlainText, folder + "/*.PDF")), Outcome::Converted);

    EXPECT_EQ(ui.batchSteps, (QList<int>{0, 33, 67, 100}));
    EXPECT_EQ(ui.statuses,
              (QStringList{"Processing A.pdf ....", "Processing b.pdf ....", "Processing c.PDF ....", "Done."}));
    EXPECT_EQ(ui.messages, QStringList{"Task complete! 3 PDF files have been ripped and converted."});
    EXPECT_EQ(ui.prompts, 0); // a batch never offers to open a result
    for (const char* out : {"/A.txt", "/b.txt", "/c.txt"})
        EXPECT_TRUE(QFile::exists(destination + out)) << out;
    // Each converter got the document's whole path: it works in a private
    // folder beside the destination.
    QStringList sources;
    for (const auto& run : fakes.runs())
        sources << run.arguments.first();
    sources.sort();
    EXPECT_EQ(sources, QStringList({folder + "/A.pdf", folder + "/b.pdf", folder + "/c.PDF"}));
    EXPECT_EQ(QDir(QDir::currentPath()), QDir(folder)); // stays the working directory
    // Document progress runs through its three bands and ends at 100.
    ASSERT_EQ(ui.documentSteps.size(), 10);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(ui.documentSteps[3 * i] >= 1 && ui.documentSteps[3 * i] <= 33);
        EXPECT_TRUE(ui.documentSteps[3 * i + 1] >= 35 && ui.documentSteps[3 * i + 1] <= 77);
        EXPECT_TRUE(ui.documentSteps[3 * i + 2] >= 79 && ui.documentSteps[3 * i + 2] <= 99);
    }
    EXPECT_EQ(ui.documentSteps.last(), 100);
}

TEST_F(BatchTest, EmptyFolderAndFolderTypedByHand)
{
    const QString empty = folderWith({"readme.txt"});
    EXPECT_EQ(driver.start(request(PlainText, empty + "/*.PDF")), Outcome::Rejected);
    EXPECT_EQ(ui.messages, QStringList{NoPdfFoundMessage + empty});
    EXPECT_TRUE(ui.statuses.isEmpty());

    // Typed without a mask: the text is the folder, every case of .pdf counts.
    ui.messages.clear();
    const QString typed = folderWith({"x.Pdf", "y.pdf"});
    EXPECT_EQ(driver.start(request(PlainText, typed)), Outcome::Converted);
    EXPECT_EQ(ui.messages.first(), QStringLiteral("Task complete! 2 PDF files have been ripped and converted."));
}

TEST_F(BatchTest, SummaryCountsOnlyWrittenDocumentsAndNamesTheFailures)
{
    RecordingRecorder recorder;
    driver.setRecorder(&recorder);
    fakes.setBehaviour(QStringLiteral("empty"));
    const QString folder = folderWith({"one.pdf", "two.pdf"});
    EXPECT_EQ(driver.start(request(2, folder + "/*.PDF")), Outcome::Failed);
    QStringList records = recorder.summary();
    records.sort();
    EXPECT_EQ(records, (QStringList{"one.pdf failed " + NotWrittenReason, "two.pdf failed " + NotWrittenReason}));
    EXPECT_EQ(recorder.records[0].sourcePath, folder + "/" + recorder.records[0].sourcePath.section('/', -1));
    EXPECT_EQ(ui.messages,
              QStringList({"Task complete! 0 PDF files have been ripped and converted.",
                           BatchFailuresMessage({"one.pdf: " + NotWrittenReason, "two.pdf: " + NotWrittenReason})}));
    EXPECT_EQ(ui.status, QStringLiteral("Done."));
}

TEST_F(BatchTest, OnlyThisRunsCompleteOutputCountsAndFailuresSayWhy)
{
    // x.PDF and x.pdf would both make x.txt: the second is refused rather
    // than written over the first and counted with it. The first is locked
    // and fails, so the earlier x.txt stays as it was. "-dash.pdf" must not
    // pass for an option, "ab" keeps its whole name.
    writeStale(destination + "/x.txt");
    const QString folder = folderWith({"x.pdf", "-dash.pdf", "ab"});
    QFile locked(folder + "/x.PDF");
    ASSERT_TRUE(locked.open(QIODevice::WriteOnly));
    locked.write("locked");
    locked.close();
    EXPECT_EQ(driver.start(request(PlainText, folder + "/*")), Outcome::Failed);
    EXPECT_EQ(ui.messages.value(0), "Task complete! 2 PDF files have been ripped and converted.");
    EXPECT_EQ(ui.messages.value(1),
              BatchFailuresMessage({"x.PDF: Incorrect password", "x.pdf: x.txt is already the output of x.PDF"}));
    QDir out(destination);
    EXPECT_EQ(out.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name),
              QStringList({"-dash.txt", "ab.txt", "x.txt"}));
    EXPECT_EQ(contents(destination + "/x.txt"), "earlier run\n");
    EXPECT_EQ(fakes.runs().size(), 3);
}

TEST_F(BatchTest, RelativeDestinationIsTheOneBelowTheFolderStartWasPressedIn)
{
    const QString folder = folderWith({"a.pdf"});
    QDir::setCurrent(fakes.windir());
    auto r = request(PlainText, folder + "/*.PDF");
    r.destination = "out";
    EXPECT_EQ(driver.start(r), Outcome::Converted);
    EXPECT_EQ(contents(destination + "/a.txt"), "converted\n");
}

TEST(LibreOfficeRtfLimit, OneCallHasEachDocumentsTimeAndNeverWrapsRound)
{
    EXPECT_EQ(LibreOfficeRtf::groupTimeLimitMs(600000, 3), 1800000);
    EXPECT_EQ(LibreOfficeRtf::groupTimeLimitMs(0, 5), 0);
    // A call of 16 documents at --timeout 268500 (three days) came to 17
    // minutes; at the longest timeout, to no limit at all.
    EXPECT_EQ(LibreOfficeRtf::groupTimeLimitMs(268500000, 16), std::numeric_limits<int>::max());
    EXPECT_EQ(LibreOfficeRtf::groupTimeLimitMs(std::numeric_limits<int>::max(), 16), std::numeric_limits<int>::max());
}

TEST_F(BatchTest, RtfModesShareFewWordProcessorCallsWithResultsPerDocument)
{
    const QString folder = folderWith({"a.pdf", "b.pdf", "noword.pdf", "c.pdf"});
    EXPECT_EQ(driver.start(request(RtfWithoutImages, folder + "/*")), Outcome::Failed);
    EXPECT_EQ(ui.messages.value(0), "Task complete! 3 PDF files have been ripped and converted.");
    EXPECT_EQ(ui.messages.value(1), BatchFailuresMessage({"noword.pdf: LibreOffice could not save noword.rtf"}));
    int calls = 0;
    for (const auto& run : fakes.runs())
        calls += run.arguments.contains("--headless") ? 1 : 0;
    EXPECT_EQ(calls, 2); // a fresh profile's restart, then one call for all
    EXPECT_EQ(QDir(destination).entryList({"*.rtf"}, QDir::Files, QDir::Name),
              QStringList({"a.rtf", "b.rtf", "c.rtf"}));
}

TEST_F(BatchTest, ConvertersRunSideBySideUpToTheMachinesCores)
{
    const int cores = std::max(1, QThread::idealThreadCount());
    for (int mode : {HtmlWithoutImages, PlainText}) {
        SCOPED_TRACE(mode);
        QDir(fakes.path("running")).removeRecursively();
        QFile::remove(fakes.path("peaks"));
        fakes.countConcurrency();
        ui = HistoryFrontEnd();
        const QString folder = folderWith({"1.pdf", "2.pdf", "3.pdf", "4.pdf", "5.pdf", "6.pdf"});
        EXPECT_EQ(driver.start(request(mode, folder + "/*.PDF")), Outcome::Converted);

        const FakePrograms::Concurrency seen = fakes.concurrency();
        EXPECT_EQ(seen.runs, 6);
        EXPECT_LE(seen.peak, cores);
        EXPECT_TRUE(cores == 1 || seen.peak > 1);
        // The summary came after every converter had written its output.
        EXPECT_EQ(ui.messages, QStringList{"Task complete! 6 PDF files have been ripped and converted."});
        EXPECT_EQ(QDir(destination).entryList(QDir::Files).size(), 6 * (mode == PlainText ? 2 : 1));
    }
}

TEST_F(BatchTest, CancelDuringTheHtmlWaitEndsTheBatchAndStopsItsConverters)
{
    fakes.setBehaviour(QStringLiteral("hang"));
    const QString folder = folderWith({"first.pdf", "second.pdf"});
    QList<pid_t> pids;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (pids.isEmpty() && fakes.startedPids().size() == 2) {
            pids = fakes.startedPids();
            driver.cancel();
        }
    });
    poll.start(5);
    EXPECT_EQ(driver.start(request(3, folder + "/*.PDF")), Outcome::Canceled);
    EXPECT_EQ(ui.messages, QStringList{CanceledMessage});
    EXPECT_TRUE(ui.status.startsWith("Processing ")); // no summary, no "Done."
    ASSERT_EQ(pids.size(), 2);
    // The whole process group goes: the converter and what it started.
    EXPECT_TRUE(WaitUntil([&] { return !FakePrograms::isAlive(pids[0]) && !FakePrograms::isAlive(pids[1]); }));
    EXPECT_TRUE(QDir(destination).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

TEST_F(BatchTest, ControlCharactersInNamesAreShownAsQuestionMarks)
{
    // A newline would split the failure list's lines, an escape sequence
    // would reach the console's terminal.
    fakes.setBehaviour(QStringLiteral("empty"));
    const QString folder = folderWith({"two\nlines.pdf", "\x1b]0;title\a.pdf"});
    EXPECT_EQ(driver.start(request(PlainText, folder)), Outcome::Failed);
    EXPECT_TRUE(ui.statuses.contains("Processing two?lines.pdf ....")) << ui.statuses.join('|').toStdString();
    EXPECT_EQ(ui.messages.value(1),
              BatchFailuresMessage({"?]0;title?.pdf: " + NotWrittenReason, "two?lines.pdf: " + NotWrittenReason}));
    EXPECT_EQ(ui.messages.value(1).count(u'\n'), 2);
}
