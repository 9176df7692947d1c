#include "WindowFixture.h"

#include "common/WaitUntil.h"
#include "convert/Messages.h"
#include "convert/RipMode.h"
#include "pickers/TAHMExplorerView.h"
#include "pickers/TAHMFolderLookup.h"
#include "skin/controls/TsuiComboBox.h"
#include "skin/controls/TsuiProgressBar.h"
#include "widgets/TLabel.h"

#include <QFile>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

using namespace convert;

namespace {

class BatchWindowTest : public WindowTest {
protected:
    // Picks the folder through its browse button as a user does, then
    // Start in the given mode.
    void runBatch(const QString& folder, int mode)
    {
        dialogs.choose(folder);
        QTest::mouseClick(form.AHMFolderLookup1->editButton1()->button(), Qt::LeftButton);
        form.AHMFolderLookup2->setText(destination);
        form.suiComboBox1->setText(RipModeText(mode));
        clickStart();
    }
};

QStringList filesIn(const QString& folder, const QString& mask)
{
    return QDir(folder).entryList({mask}, QDir::Files, QDir::Name);
}

} // namespace

TEST_F(BatchWindowTest, ThreeDocumentsAsTextWithProgressSummaryAndDone)
{
    const QString folder = folderWith({"b.pdf", "A.pdf", "c.PDF", "notes.txt", "sub.pdf/"});
    runBatch(folder, 5);

    EXPECT_EQ(form.batchSteps, (QList<int>{0, 33, 67, 100}));
    EXPECT_EQ(form.statuses,
              (QStringList{"Processing A.pdf ....", "Processing b.pdf ....", "Processing c.PDF ....", "Done."}));
    EXPECT_EQ(boxes.texts(), QStringList{"Task complete! 3 PDF files have been ripped and converted."});
    EXPECT_EQ(form.Label10->caption(), DoneStatus);
    EXPECT_EQ(form.PB1->position(), 100);
    EXPECT_EQ(form.PB2->position(), 100);
    EXPECT_EQ(filesIn(destination, "*.txt"), QStringList({"A.txt", "b.txt", "c.txt"}));
    // The hidden list was the batch's list; its folder is the working one.
    EXPECT_EQ(QDir(form.AEV->directory()), QDir(folder));
    EXPECT_EQ(QDir(QDir::currentPath()), QDir(folder));
}

TEST_F(BatchWindowTest, FolderTypedByHandAndExtensionsInAnyCase)
{
    const QString folder = folderWith({"x.Pdf", "y.pdf", "Z.PDF", "w.pdfx"});
    form.AHMFolderLookup1->setText(folder); // no mask, no path-changed event
    form.AHMFolderLookup2->setText(destination);
    form.suiComboBox1->setText(RipModeText(2));
    clickStart();
    EXPECT_EQ(boxes.texts(), QStringList{"Task complete! 3 PDF files have been ripped and converted."});
    EXPECT_EQ(filesIn(destination, "*.html"), QStringList({"Z.html", "x.html", "y.html"}));
    EXPECT_TRUE(form.Label7->caption().isEmpty()); // typed: no batch indicator
}

TEST_F(BatchWindowTest, FolderWithoutDocumentsSaysSo)
{
    const QString folder = folderWith({"readme.txt"});
    runBatch(folder, 1);
    EXPECT_EQ(boxes.texts(), QStringList{NoPdfFoundMessage + folder});
    EXPECT_TRUE(fakes.runs().isEmpty());
    EXPECT_TRUE(form.Label10->caption().isEmpty());
}

TEST_F(BatchWindowTest, AFolderThatCannotBeEnteredEndsInTheErrorBoxAndTheWindowGoesOn)
{
    const QString missing = fakes.path(QStringLiteral("no such folder"));
    form.AHMFolderLookup1->setText(missing);
    form.AHMFolderLookup2->setText(destination);
    clickStart();
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_TRUE(boxes.texts()[0].contains(missing)) << boxes.texts()[0].toStdString();
    EXPECT_TRUE(boxes.boxes()[0].type & runtime::MbIconError);
    EXPECT_TRUE(fakes.runs().isEmpty());
    // Start is live again: a good folder converts.
    form.AHMFolderLookup1->setText(folderWith({"ok.pdf"}));
    form.suiComboBox1->setText(RipModeText(5));
    clickStart();
    EXPECT_EQ(boxes.texts().last(), QStringLiteral("Task complete! 1 PDF files have been ripped and converted."));
}

TEST_F(BatchWindowTest, NoMoreConvertersAtOnceThanCoresAndTheWindowStaysLive)
{
    fakes.countConcurrency();
    // Events keep arriving while the batch waits for free slots.
    int ticks = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] { ++ticks; });
    tick.start(10);
    runBatch(folderWith({"1.pdf", "2.pdf", "3.pdf", "4.pdf", "5.pdf", "6.pdf", "7.pdf"}), 1);

    const FakePrograms::Concurrency seen = fakes.concurrency();
    EXPECT_EQ(seen.runs, 7);
    EXPECT_LE(seen.peak, std::max(1, QThread::idealThreadCount()));
    EXPECT_GT(ticks, 5); // seven converters of 100 ms each: the loop ran throughout
    EXPECT_EQ(boxes.texts(), QStringList{"Task complete! 7 PDF files have been ripped and converted."});
}

TEST_F(BatchWindowTest, CancelDuringTheRtfWaitEndsTheBatchAndItsConverters)
{
    fakes.setBehaviour(QStringLiteral("hang"));
    QList<pid_t> pids;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (pids.isEmpty() && fakes.startedPids().size() == 2) {
            pids = fakes.startedPids();
            clickCancel();
        }
    });
    poll.start(5);
    runBatch(folderWith({"first.pdf", "second.pdf"}), 4);

    EXPECT_EQ(boxes.texts(), QStringList{CanceledMessage});
    // No summary, no "Done.": the line still names a document of the batch.
    EXPECT_TRUE(form.Label10->caption().startsWith(QStringLiteral("Processing ")));
    ASSERT_EQ(pids.size(), 2);
    EXPECT_TRUE(WaitUntil([&] { return !FakePrograms::isAlive(pids[0]) && !FakePrograms::isAlive(pids[1]); }));
    for (const auto& run : fakes.runs())
        EXPECT_FALSE(run.arguments.contains("--headless")); // the word processor never started
    EXPECT_TRUE(form.suiButton1->isEnabled());
}

// The real converters on real PDFs: a small folder to text, then to HTML.
TEST_F(BatchWindowTest, RealConvertersTurnAFolderIntoTextAndHtml)
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    const QString pdftohtml = QStandardPaths::findExecutable(QStringLiteral("pdftohtml"));
    if (pdftotext.isEmpty() || pdftohtml.isEmpty())
        GTEST_SKIP() << "poppler-utils is not installed";
    fakes.removeConverters();
    ASSERT_TRUE(QFile::link(pdftohtml, fakes.windir() + "/system32/zorvan.exe"));
    ASSERT_TRUE(QFile::link(pdftotext, fakes.windir() + "/system32/quildo.exe"));
    const QString folder = fakes.makeFolder(QStringLiteral("real pdfs"));
    for (const char* name : {"first report.pdf", "Zweiter Bericht.PDF"})
        ASSERT_TRUE(QFile::copy(TEST_DATA "/sample.pdf", folder + "/" + name));

    runBatch(folder, 5);
    EXPECT_EQ(boxes.texts(), QStringList{"Task complete! 2 PDF files have been ripped and converted."});
    EXPECT_EQ(filesIn(destination, "*.txt"), QStringList({"Zweiter Bericht.txt", "first report.txt"}));
    QFile text(destination + "/first report.txt");
    ASSERT_TRUE(text.open(QIODevice::ReadOnly));
    EXPECT_FALSE(text.readAll().trimmed().isEmpty());

    boxes.clear();
    form.suiComboBox1->setText(RipModeText(2));
    clickStart();
    EXPECT_EQ(boxes.texts(), QStringList{"Task complete! 2 PDF files have been ripped and converted."});
    QFile html(destination + "/Zweiter Bericht.html");
    ASSERT_TRUE(html.open(QIODevice::ReadOnly));
    EXPECT_TRUE(html.readAll().contains("<html"));
}
