#include "FakeWord.h"
#include "RecordingFrontEnd.h"
#include "RecordingRecorder.h"
#include "common/FakePrograms.h"
#include "common/WaitUntil.h"
#include "convert/ConversionDriver.h"
#include "convert/Messages.h"
#include "convert/RipMode.h"
#include "runtime/RuntimeError.h"

#include <QDir>
#include <QFile>
#include <QTimer>
#include <gtest/gtest.h>

using namespace convert;
using Outcome = ConversionDriver::Outcome;

namespace {

class DriverTest : public ::testing::Test {
protected:
    ConversionRequest request(int mode)
    {
        ConversionRequest r;
        r.ripModeText = RipModeText(mode);
        r.sourceFile = source;
        r.destination = destination;
        return r;
    }
    QString out(const QString& extension) const { return destination + "/Report" + extension; }
    QString quoted(const QString& extension) const { return '"' + out(extension) + '"'; }

    FakePrograms fakes;
    FakeWordRegistration word;
    RecordingFrontEnd ui;
    ConversionDriver driver{ui};
    QString source = fakes.path("in dir/Report.pdf");
    QString destination = fakes.makeFolder("out dir");
};

// Calls the driver's Cancel from inside its wait as soon as the hanging
// converter runs, and remembers the pids it stopped.
class CancelWhenStarted {
public:
    CancelWhenStarted(FakePrograms& fakes, ConversionDriver& driver)
    {
        QObject::connect(&m_timer, &QTimer::timeout, [&] {
            if (pids.isEmpty() && fakes.startedPids().size() == 2) {
                pids = fakes.startedPids();
                driver.cancel();
            }
        });
        m_timer.start(5);
    }
    QList<pid_t> pids;

private:
    QTimer m_timer;
};

} // namespace

TEST_F(DriverTest, ChecksComeInOrderAndStopTheRun)
{
    struct Case {
        QString mode, file, folder, destination, message;
    };
    const QString mode1 = RipModeText(1);
    const Case cases[] = {
        {"PDF -> RTF (with images, layout)", source, "", destination, "Invalid Ripper Mode!"},
        {"", "", "", "", "Invalid Ripper Mode!"},
        {mode1, "", "", "", "Please specify the destination folder to output result"},
        {mode1, source, "/pdfs/*.PDF", "", "Please specify the destination folder to output result"},
        {mode1, "", "", destination, "Please choose a PDF file to convert"},
    };
    for (const Case& c : cases) {
        ui.messages.clear();
        ConversionRequest r;
        r.ripModeText = c.mode;
        r.sourceFile = c.file;
        r.sourceFolder = c.folder;
        r.destination = c.destination;
        EXPECT_EQ(driver.start(r), Outcome::Rejected);
        EXPECT_EQ(ui.messages, QStringList{c.message}) << c.message.toStdString();
    }
    EXPECT_EQ(driver.runState(), 0);
    EXPECT_TRUE(fakes.runs().isEmpty());
    EXPECT_EQ(ui.prompts, 0);
}

TEST_F(DriverTest, SingleFileRoadInEveryMode)
{
    const QString word = "Word.Application";
    for (int mode = 1; mode <= 5; ++mode) {
        SCOPED_TRACE(mode);
        QFile::remove(fakes.path("log"));
        FakeWord::calls.clear();
        ui = RecordingFrontEnd();
        ui.answers.enqueue(true);

        EXPECT_EQ(driver.start(request(mode)), Outcome::Converted);
        const QString final = mode <= 2 ? ".html" : mode <= 4 ? ".rtf" : ".txt";
        EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join('|').toStdString();
        EXPECT_EQ(ui.prompts, 1);
        EXPECT_EQ(ui.opened, QStringList{quoted(final)});
        EXPECT_EQ(ui.status, mode <= 2 ? "" : "Done.");
        EXPECT_EQ(ui.documentProgress, 100);
        EXPECT_EQ(ui.batchProgress, 100);
        EXPECT_EQ(driver.runState(), ConversionDriver::Running);

        const auto runs = fakes.runs();
        ASSERT_EQ(runs.size(), 1);
        EXPECT_EQ(runs[0].workingDirectory, QDir::currentPath());
        if (mode == 5) {
            EXPECT_EQ(runs[0].program, fakes.windir() + "/system32/quildo.exe");
            EXPECT_EQ(runs[0].arguments, QStringList({source, out(".txt")}));
        } else {
            EXPECT_EQ(runs[0].program, fakes.windir() + "/system32/zorvan.exe");
            QStringList args = {"-q", "-noframes", "-nomerge", source, out(".html")};
            if (LeavesImagesOut(mode))
                args.prepend("-i");
            EXPECT_EQ(runs[0].arguments, args);
        }
        const QStringList sequence = {
            "DisplayAlerts=False", "Documents", "Open(FileName=" + out(".html") + ")", "Documents",
            "Item(" + out(".html") + ")", "SaveAs(" + quoted(".rtf") + ",6)", "Quit",
        };
        EXPECT_EQ(FakeWord::calls, MakesRtf(mode) ? sequence : QStringList());
    }
}

TEST_F(DriverTest, AnsweringNoOpensNothing)
{
    EXPECT_EQ(driver.start(request(5)), Outcome::Converted);
    EXPECT_EQ(ui.prompts, 1);
    EXPECT_TRUE(ui.opened.isEmpty());
    EXPECT_EQ(ui.status, "");
    EXPECT_EQ(ui.documentProgress, 100);
}

TEST_F(DriverTest, ZoomAndPasswordsReachOnlyTheHtmlConverter)
{
    for (int mode : {2, 5}) {
        QFile::remove(fakes.path("log"));
        auto r = request(mode);
        r.options.zoomEnabled = true;
        r.options.zoomText = "150%";
        r.options.authorizationRequired = true;
        r.options.userPassword = "my pass";
        r.options.ownerPassword = "o\"x -o /tmp/evil.html";
        EXPECT_EQ(driver.start(r), Outcome::Converted);
        ASSERT_EQ(fakes.runs().size(), 1);
        const QStringList expected = mode == 5
            ? QStringList{source, out(".txt")}
            : QStringList{"-zoom", "1.5", "-upw", "my pass", "-opw", r.options.ownerPassword, "-i",
                          "-q", "-noframes", "-nomerge", source, out(".html")};
        EXPECT_EQ(fakes.runs()[0].arguments, expected) << mode;
    }
}

TEST_F(DriverTest, UnusableZoomEndsTheRunBeforeAnyConverter)
{
    for (int mode = 1; mode <= 5; ++mode) {
        auto r = request(mode);
        r.options.zoomEnabled = true;
        r.options.zoomText = "%150";
        try {
            driver.start(r);
            ADD_FAILURE() << mode;
        } catch (const runtime::RuntimeError& error) {
            EXPECT_EQ(error.message(), "'%15' is not a valid integer value");
        }
        EXPECT_EQ(driver.outcome(), Outcome::Rejected);
    }
    EXPECT_TRUE(fakes.runs().isEmpty());
}

TEST_F(DriverTest, AMissingOutputIsReportedAsFailureNotSuccess)
{
    struct Case {
        int mode;
        bool convertersInstalled;
        QString missing;
    };
    const Case cases[] = {
        {1, true, ".html"}, {2, true, ".html"}, {3, true, ".html"}, {4, true, ".html"},
        {5, true, ".txt"}, {1, false, ".html"}, {5, false, ".txt"},
    };
    fakes.setBehaviour("empty");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        if (!c.convertersInstalled)
            fakes.removeConverters();
        ui = RecordingFrontEnd();
        EXPECT_EQ(driver.start(request(c.mode)), Outcome::Failed);
        EXPECT_EQ(ui.messages, QStringList{ConversionFailedMessage(out(c.missing))});
        EXPECT_EQ(ui.prompts, 0);
        EXPECT_EQ(ui.documentProgress, 0);
        EXPECT_EQ(ui.batchProgress, 0);
    }
    EXPECT_EQ(FakeWord::created, 0);
}

TEST_F(DriverTest, WordProcessorErrorsNameTheRtfFile)
{
    for (const QString call : {"Open", "SaveAs"}) {
        FakeWord::failingCall = call;
        FakeWord::calls.clear();
        ui = RecordingFrontEnd();
        EXPECT_EQ(driver.start(request(3)), Outcome::Failed);
        EXPECT_EQ(ui.messages, QStringList{ConversionFailedMessage(out(".rtf"), call + " failed")});
        EXPECT_EQ(ui.prompts, 0);
        EXPECT_FALSE(FakeWord::calls.contains("Quit"));
        EXPECT_EQ(ui.documentProgress, 0);
    }
}

TEST_F(DriverTest, AWordProcessorThatCannotBeCreatedEndsTheRunWithItsError)
{
    const auto saved = runtime::AutomationRegistry::registerClass("Word.Application", {});
    EXPECT_THROW(
        {
            try {
                driver.start(request(4));
            } catch (const runtime::RuntimeError& error) {
                EXPECT_EQ(error.message(), "Invalid class string");
                throw;
            }
        },
        runtime::RuntimeError);
    runtime::AutomationRegistry::registerClass("Word.Application", saved);
    EXPECT_EQ(driver.outcome(), Outcome::Failed);
    EXPECT_TRUE(QFile::exists(out(".html")));
}

TEST_F(DriverTest, RelativeDestinationIsMadeAbsolute)
{
    const QString saved = QDir::currentPath();
    QDir::setCurrent(fakes.windir());
    auto r = request(1);
    r.destination = "out dir";
    EXPECT_EQ(driver.start(r), Outcome::Converted);
    QDir::setCurrent(saved);
    ASSERT_EQ(fakes.runs().size(), 1);
    EXPECT_EQ(fakes.runs()[0].arguments.last(), QDir(fakes.windir()).canonicalPath() + "/out dir/Report.html");
}

TEST_F(DriverTest, RtfStepWaitsUntilTheHtmlConverterHasEnded)
{
    fakes.setBehaviour("partial");
    // The half-written HTML exists for a while; only once it does is the
    // converter allowed to finish.
    bool releasedEarly = false;
    QTimer releaser;
    QObject::connect(&releaser, &QTimer::timeout, [&] {
        if (QFile::exists(out(".html")) && !QFile::exists(fakes.path("release"))) {
            releasedEarly = FakeWord::created > 0;
            QFile release(fakes.path("release"));
            release.open(QIODevice::WriteOnly);
        }
    });
    releaser.start(5);
    EXPECT_EQ(driver.start(request(4)), Outcome::Converted);
    EXPECT_FALSE(releasedEarly);
    EXPECT_EQ(FakeWord::openedText, "<html><body>first half second half</body></html>\n");
}

TEST_F(DriverTest, CancelEndsEveryWaitAndStopsTheConverters)
{
    fakes.setBehaviour("hang");
    for (int mode : {1, 3, 5}) {
        SCOPED_TRACE(mode);
        QFile::remove(fakes.startedMarker());
        ui = RecordingFrontEnd();
        CancelWhenStarted canceler(fakes, driver);
        EXPECT_EQ(driver.start(request(mode)), Outcome::Canceled);
        EXPECT_EQ(ui.messages, QStringList{CanceledMessage});
        EXPECT_EQ(ui.prompts, 0);
        EXPECT_EQ(driver.runState(), 0);
        ASSERT_EQ(canceler.pids.size(), 2);
        EXPECT_TRUE(WaitUntil([&] {
            return !FakePrograms::isAlive(canceler.pids[0]) && !FakePrograms::isAlive(canceler.pids[1]);
        }));
    }
    EXPECT_EQ(FakeWord::created, 0);
}

TEST_F(DriverTest, CancelOutsideAWaitOnlyClearsRunState)
{
    driver.cancel();
    EXPECT_EQ(driver.runState(), 0);
    EXPECT_EQ(driver.start(request(1)), Outcome::Converted);
    EXPECT_EQ(driver.runState(), ConversionDriver::Running);
    driver.cancel();
    EXPECT_EQ(driver.runState(), 0);
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(DriverTest, EachRunReportsItsDocumentOnce)
{
    RecordingRecorder recorder;
    driver.setRecorder(&recorder);
    const QDateTime before = QDateTime::currentDateTime();
    EXPECT_EQ(driver.start(request(PlainText)), Outcome::Converted);
    fakes.setBehaviour("empty");
    EXPECT_EQ(driver.start(request(HtmlWithImages)), Outcome::Failed);
    fakes.setBehaviour("hang");
    CancelWhenStarted canceler(fakes, driver);
    EXPECT_EQ(driver.start(request(RtfWithImages)), Outcome::Canceled);

    EXPECT_EQ(recorder.summary(), (QStringList{"Report.pdf converted", "Report.pdf failed " + NotWrittenReason,
                                               "Report.pdf canceled"}));
    const DocumentRecord& first = recorder.records[0];
    EXPECT_EQ(first.sourcePath, source);
    EXPECT_EQ(first.ripModeText, RipModeText(PlainText));
    EXPECT_EQ(first.destinationFolder, destination);
    EXPECT_EQ(first.outputPath, out(".txt"));
    EXPECT_EQ(recorder.records[2].outputPath, out(".rtf"));
    EXPECT_LE(before, first.startedAt);
    EXPECT_GE(first.durationMs, 0);
}
