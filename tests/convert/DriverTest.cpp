#include "FakeWordProcessor.h"
#include "RecordingFrontEnd.h"
#include "RecordingRecorder.h"
#include "common/FakePrograms.h"
#include "common/QStringPrinter.h"
#include "common/WaitUntil.h"
#include "convert/ConversionDriver.h"
#include "convert/FailureReason.h"
#include "convert/LibreOfficeRtf.h"
#include "convert/Messages.h"
#include "convert/RipMode.h"
#include "convert/Zoom.h"
#include "runtime/ChildProcess.h"
#include "runtime/RuntimeError.h"

#include <QDir>
#include <QFile>
#include <QTimer>
#include <gtest/gtest.h>

#include <csignal>

#include <sys/stat.h>

using namespace convert;
using Outcome = ConversionDriver::Outcome;

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void writeFile(const QString& path, const QByteArray& text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

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
    // Only the final files: no private folder of a run stays behind.
    QStringList destinationEntries() const
    {
        return QDir(destination).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

    FakePrograms fakes;
    FakeWordProcessor word;
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

bool bothGone(const QList<pid_t>& pids)
{
    return pids.size() == 2
        && WaitUntil([&] { return !FakePrograms::isAlive(pids[0]) && !FakePrograms::isAlive(pids[1]); });
}

} // namespace

TEST_F(DriverTest, ChecksComeInOrderAndStopTheRun)
{
    struct Case {
        QString mode, file, folder, destination, zoom, message;
    };
    const QString mode1 = RipModeText(1);
    const Case cases[] = {
        {"PDF -> RTF (with images, layout)", source, "", destination, "", "Invalid Ripper Mode!"},
        {"", "", "", "", "", "Invalid Ripper Mode!"},
        {mode1, "", "", "", "", "Please specify the destination folder to output result"},
        {mode1, source, "/pdfs/*.PDF", "", "", "Please specify the destination folder to output result"},
        {mode1, "", "", destination, "", "Please choose a PDF file to convert"},
        // A scripted zoom gets the field's check, and no front end passes
        // a ratio that is not more than zero.
        {mode1, source, "", destination, "150", NoPercentageMessage},
        {mode1, source, "", destination, "0%", ZoomNotPositiveMessage},
        {RipModeText(5), source, "", destination, "-50%", ZoomNotPositiveMessage},
    };
    for (const Case& c : cases) {
        ui.messages.clear();
        ConversionRequest r;
        r.ripModeText = c.mode;
        r.sourceFile = c.file;
        r.sourceFolder = c.folder;
        r.destination = c.destination;
        r.options.zoomEnabled = !c.zoom.isEmpty();
        r.options.zoomText = c.zoom;
        EXPECT_EQ(driver.start(r), Outcome::Rejected);
        EXPECT_EQ(ui.messages, QStringList{c.message}) << c.message.toStdString();
    }
    EXPECT_EQ(driver.runState(), 0);
    EXPECT_TRUE(fakes.runs().isEmpty());
    EXPECT_EQ(ui.prompts, 0);
}

TEST_F(DriverTest, SingleFileRoadInEveryMode)
{
    for (int mode = 1; mode <= 5; ++mode) {
        SCOPED_TRACE(mode);
        QFile::remove(fakes.path("log"));
        QDir(destination).removeRecursively();
        QDir().mkpath(destination);
        ui = RecordingFrontEnd();
        ui.answers.enqueue(true);

        EXPECT_EQ(driver.start(request(mode)), Outcome::Converted);
        const QString final = mode <= 2 ? ".html" : mode <= 4 ? ".rtf" : ".txt";
        EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join('|').toStdString();
        EXPECT_EQ(ui.prompts, 1);
        EXPECT_EQ(ui.opened, QStringList{'"' + out(final) + '"'});
        EXPECT_EQ(ui.status, mode <= 2 ? "" : "Done.");
        EXPECT_EQ(ui.documentProgress, 100);
        EXPECT_EQ(ui.batchProgress, 100);
        EXPECT_EQ(driver.runState(), ConversionDriver::Running);
        EXPECT_EQ(destinationEntries(),
                  MakesRtf(mode) ? QStringList({"Report.html", "Report.rtf"}) : QStringList{"Report" + final});

        // The converter works in a private folder beside the destination
        // and writes "./NAME", so its HTML refers to images relatively.
        const auto runs = fakes.runs();
        // LibreOffice asks to be started again on its fresh profile only.
        ASSERT_EQ(runs.size(), mode == RtfWithImages ? 3 : mode == RtfWithoutImages ? 2 : 1);
        EXPECT_EQ(QFileInfo(runs[0].workingDirectory).absolutePath(), destination);
        EXPECT_TRUE(QFileInfo(runs[0].workingDirectory).fileName().startsWith(StagingFolderPrefix));
        if (mode == 5) {
            EXPECT_EQ(runs[0].program, fakes.windir() + "/system32/quildo.exe");
            EXPECT_EQ(runs[0].arguments, QStringList({source, "./Report.txt"}));
        } else {
            EXPECT_EQ(runs[0].program, fakes.windir() + "/system32/zorvan.exe");
            QStringList args = {"-noframes", "-nomerge", source, "./Report.html"};
            if (LeavesImagesOut(mode))
                args.prepend("-i");
            EXPECT_EQ(runs[0].arguments, args);
        }
        if (MakesRtf(mode)) {
            EXPECT_EQ(runs.last().program, FakePrograms::fakeProgram());
            EXPECT_TRUE(runs.last().arguments.contains("--headless"));
            EXPECT_TRUE(runs.last().arguments.last().endsWith("/Report.html"));
        }
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

TEST_F(DriverTest, PasswordsReachBothConvertersZoomOnlyTheHtmlOne)
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
        const QStringList passwords = {"-upw", "my pass", "-opw", r.options.ownerPassword};
        const QStringList expected = mode == 5 ? passwords + QStringList{source, "./Report.txt"}
                                               : QStringList{"-zoom", "1.5"} + passwords
                + QStringList{"-i", "-noframes", "-nomerge", source, "./Report.html"};
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

TEST_F(DriverTest, AFailedRunNeverPassesForAnOlderOutputNorTouchesIt)
{
    struct Case {
        int mode;
        QString behaviour;
        QString reason;
    };
    const Case cases[] = {
        {1, "empty", NotWrittenReason},
        {2, "empty", NotWrittenReason},
        {3, "empty", NotWrittenReason},
        {4, "empty", NotWrittenReason},
        {5, "empty", NotWrittenReason},
        {3, "noword", "LibreOffice could not save noword.rtf"},
        {4, "no LibreOffice", "LibreOffice could not be started"},
        {1, "missing", "the converter could not be started"},
        {5, "missing", "the converter could not be started"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        SCOPED_TRACE(c.behaviour.toStdString());
        const QString final = c.mode <= 2 ? ".html" : c.mode <= 4 ? ".rtf" : ".txt";
        for (const QString& extension : {QString(".html"), final})
            writeFile(out(extension), "earlier run\n");
        auto r = request(c.mode);
        fakes.setBehaviour(c.behaviour == "empty" ? "empty" : "write");
        if (c.behaviour == "missing")
            fakes.removeConverters();
        if (c.behaviour == "noword")
            r.sourceFile = fakes.path("in dir/noword.pdf");
        if (c.behaviour == "no LibreOffice")
            LibreOfficeRtf::setProgram("/nonexistent/soffice.bin");
        ui = RecordingFrontEnd();

        EXPECT_EQ(driver.start(r), Outcome::Failed);
        const QString output = QFileInfo(r.sourceFile).path().replace("in dir", "out dir") + '/'
            + QFileInfo(r.sourceFile).completeBaseName() + final;
        EXPECT_EQ(ui.messages, QStringList{ConversionFailedMessage(output, c.reason)});
        EXPECT_EQ(ui.prompts, 0);
        EXPECT_EQ(ui.documentProgress, 0);
        EXPECT_EQ(contents(out(final)), "earlier run\n");
        EXPECT_EQ(contents(out(".html")), "earlier run\n");
        LibreOfficeRtf::setProgram(FakePrograms::fakeProgram());
        for (const QString& name : destinationEntries())
            QFile::remove(destination + '/' + name);
        EXPECT_TRUE(destinationEntries().isEmpty()) << destinationEntries().join(' ').toStdString();
    }
}

TEST_F(DriverTest, TheConvertersComplaintSaysWhy)
{
    ui = RecordingFrontEnd();
    auto r = request(PlainText);
    r.sourceFile = fakes.path("in dir/locked.pdf");
    EXPECT_EQ(driver.start(r), Outcome::Failed);
    EXPECT_EQ(ui.messages, QStringList{ConversionFailedMessage(destination + "/locked.txt", "Incorrect password")});
    // A folder given as the file is named as one.
    ui = RecordingFrontEnd();
    r.sourceFile = fakes.makeFolder("papers");
    EXPECT_EQ(driver.start(r), Outcome::Failed);
    EXPECT_EQ(ui.messages,
              QStringList{
                  ConversionFailedMessage(destination + "/papers.txt", r.sourceFile + " is a folder, not a PDF file")});
    // So is a named pipe, which a converter would wait on until its time limit.
    ui = RecordingFrontEnd();
    r.sourceFile = fakes.makeFolder("pipes") + "/pipe.pdf";
    ASSERT_EQ(mkfifo(QFile::encodeName(r.sourceFile).constData(), 0600), 0);
    EXPECT_EQ(driver.start(r), Outcome::Failed);
    EXPECT_EQ(ui.messages,
              QStringList{ConversionFailedMessage(destination + "/pipe.txt",
                                                  r.sourceFile + " is a named pipe or a device, not a PDF file")});
    r.sourceFile = fakes.path("in dir/locked.pdf");

    // With the password the text converter opens it, as the HTML one does.
    r.options.authorizationRequired = true;
    r.options.userPassword = "secret";
    for (int mode : {HtmlWithImages, PlainText}) {
        r.ripModeText = RipModeText(mode);
        EXPECT_EQ(driver.start(r), Outcome::Converted) << mode;
    }
}

TEST_F(DriverTest, RelativeDestinationIsMadeAbsolute)
{
    const QString saved = QDir::currentPath();
    QDir::setCurrent(fakes.windir());
    auto r = request(1);
    r.destination = "out dir";
    EXPECT_EQ(driver.start(r), Outcome::Converted);
    QDir::setCurrent(saved);
    EXPECT_EQ(contents(out(".html")), "converted\n");
}

TEST_F(DriverTest, ABlankInTheProgramFolderRunsNoOtherProgram)
{
    // Unquoted, ".../my apps/system32/quildo.exe" would start ".../my".
    const QString windir = fakes.makeFolder("my apps/system32");
    QFile::link(FakePrograms::fakeProgram(), windir + "/quildo.exe");
    QFile::link(FakePrograms::fakeProgram(), fakes.path("my"));
    qputenv("windir", fakes.path("my apps").toUtf8());
    EXPECT_EQ(driver.start(request(PlainText)), Outcome::Converted);
    qputenv("windir", fakes.windir().toUtf8());
    ASSERT_EQ(fakes.runs().size(), 1);
    EXPECT_EQ(fakes.runs()[0].program, windir + "/quildo.exe");
}

TEST_F(DriverTest, OutputAppearsWholeOnlyAndTwoRunsOfOneNameNeverMix)
{
    // Run A writes half its HTML and waits; meanwhile run B converts
    // another Report.pdf into the same destination. Released, A finishes:
    // the last complete run wins, whole.
    fakes.setBehaviour("partial");
    ConversionRequest other = request(HtmlWithImages);
    other.sourceFile = fakes.path("other/Report.pdf");
    bool seenPartial = false;
    bool nested = false;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        const QByteArray now = contents(out(".html"));
        seenPartial = seenPartial || (now.contains("first half") && !now.contains("second half"));
        if (nested || fakes.runs().isEmpty())
            return;
        nested = true;
        fakes.setBehaviour("write");
        EXPECT_EQ(driver.start(other), Outcome::Converted);
        EXPECT_EQ(contents(out(".html")), "converted\n");
        writeFile(fakes.path("release"), "");
    });
    timer.start(5);
    EXPECT_EQ(driver.start(request(HtmlWithImages)), Outcome::Converted);
    EXPECT_TRUE(nested);
    EXPECT_FALSE(seenPartial);
    EXPECT_EQ(contents(out(".html")), "<html><body>first half second half</body></html>\n");
    EXPECT_EQ(destinationEntries(), QStringList{"Report.html"});
}

TEST_F(DriverTest, CancelStopsTheRunsConvertersOnlyAndLeavesNothingBehind)
{
    fakes.setBehaviour("hang");
    // A child of the program that is no converter of this run.
    QPointer<runtime::ChildProcess> bystander = runtime::ChildProcess::launch("/bin/sleep", {"30"});
    writeFile(out(".txt"), "earlier run\n");
    for (int mode : {1, 3, 5}) {
        SCOPED_TRACE(mode);
        QFile::remove(fakes.startedMarker());
        ui = RecordingFrontEnd();
        CancelWhenStarted canceler(fakes, driver);
        EXPECT_EQ(driver.start(request(mode)), Outcome::Canceled);
        EXPECT_EQ(ui.messages, QStringList{CanceledMessage});
        EXPECT_EQ(ui.prompts, 0);
        EXPECT_EQ(driver.runState(), 0);
        EXPECT_TRUE(bothGone(canceler.pids));
        EXPECT_EQ(destinationEntries(), QStringList{"Report.txt"});
    }
    EXPECT_EQ(contents(out(".txt")), "earlier run\n");
    ASSERT_TRUE(bystander);
    EXPECT_FALSE(bystander->hasEnded());
    bystander->stopGroup();
}

TEST_F(DriverTest, AConverterPastItsTimeLimitIsStoppedAndReportedAsTimedOut)
{
    RecordingRecorder recorder;
    driver.setRecorder(&recorder);
    fakes.setBehaviour("hang");
    auto r = request(PlainText);
    r.timeLimit = std::chrono::milliseconds(300);
    EXPECT_EQ(driver.start(r), Outcome::Failed);
    EXPECT_EQ(ui.messages, QStringList{ConversionFailedMessage(out(".txt"), TimedOutReason)});
    EXPECT_EQ(recorder.summary(), QStringList{"Report.pdf failed timed out"});
    EXPECT_TRUE(bothGone(fakes.startedPids()));
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

    EXPECT_EQ(recorder.summary(),
              (QStringList{"Report.pdf converted", "Report.pdf failed " + NotWrittenReason, "Report.pdf canceled"}));
    const DocumentRecord& first = recorder.records[0];
    EXPECT_EQ(first.sourcePath, source);
    EXPECT_EQ(first.ripModeText, RipModeText(PlainText));
    EXPECT_EQ(first.destinationFolder, destination);
    EXPECT_EQ(first.outputPath, out(".txt"));
    EXPECT_EQ(recorder.records[2].outputPath, out(".rtf"));
    EXPECT_LE(before, first.startedAt);
    EXPECT_GE(first.durationMs, 0);
}
