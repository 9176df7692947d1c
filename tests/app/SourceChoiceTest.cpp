#include "app/SourceChoice.h"
#include "app/TypedPath.h"

#include "common/QStringPrinter.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using app::SourceChoice;

namespace {

class SourceChoiceTest : public ::testing::Test {
protected:
    SourceChoiceTest()
    {
        for (const char* name : {"in/a.pdf", "in/B.PDF", "in/notes.txt", "other/c.pdf"}) {
            QDir().mkpath(QFileInfo(path(name)).path());
            QFile(path(name)).open(QIODevice::WriteOnly);
        }
    }
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }

    QTemporaryDir dir;
};

} // namespace

TEST_F(SourceChoiceTest, ArgumentNamesAFolderOrElseAFile)
{
    const auto choice = app::SourceFromArgument(QStringLiteral("in/"), dir.path());
    EXPECT_EQ(choice.kind, SourceChoice::Folder);
    EXPECT_EQ(choice.path, path("in")); // absolute, no trailing delimiter
    const auto file = app::SourceFromArgument(QStringLiteral("in/../in/a.pdf"), dir.path());
    EXPECT_EQ(file.kind, SourceChoice::File);
    EXPECT_EQ(file.path, path("in/a.pdf"));
    EXPECT_EQ(app::SourceFromArgument(path("in/missing.pdf"), "/").kind, SourceChoice::File);
    EXPECT_EQ(app::SourceFromArgument(QString(), dir.path()).kind, SourceChoice::None);
}

TEST_F(SourceChoiceTest, DropTakesOnePdfOneFolderOrPdfsOfOneFolder)
{
    EXPECT_EQ(app::SourceFromDrop({path("in/B.PDF")}).kind, SourceChoice::File);
    EXPECT_EQ(app::SourceFromDrop({path("in")}).path, path("in"));
    const auto several = app::SourceFromDrop({path("in/a.pdf"), path("in/B.PDF")});
    EXPECT_EQ(several.kind, SourceChoice::Folder);
    EXPECT_EQ(several.path, path("in"));

    const QList<QStringList> refused = {
        {},
        {path("in/notes.txt")},
        {path("in/gone.pdf")},
        {path("in/a.pdf"), path("other/c.pdf")},
        {path("in/a.pdf"), path("in/notes.txt")},
        {path("in"), path("other")},
        {path("in"), path("in/a.pdf")},
    };
    for (const QStringList& paths : refused)
        EXPECT_EQ(app::SourceFromDrop(paths).kind, SourceChoice::None) << paths.join(' ').toStdString();
}

TEST(TypedPath, TildeAtTheStartAndPastedFileUrlsNameLocalPaths)
{
    EXPECT_EQ(app::TypedLocalPath("~", "/home/ann"), "/home/ann");
    EXPECT_EQ(app::TypedLocalPath("~/pdfs/*.PDF", "/home/ann"), "/home/ann/pdfs/*.PDF");
    EXPECT_EQ(app::TypedLocalPath("file:///home/ann/a%20b.pdf", "/x"), "/home/ann/a b.pdf");
    // Another machine's file, other addresses and other tildes stay as typed.
    for (const char* kept : {"~bob/x", "a/~/b", "/srv/~", "", "~x.pdf", "file://server/share/a.pdf",
                             "https://example.org/a.pdf", "file%3A/a.pdf"})
        EXPECT_EQ(app::TypedLocalPath(kept, "/home/ann"), kept);
}

// A file manager offers "Open with QUARLEX" for PDF files and hands the file
// over as the one argument.
TEST(DesktopEntry, ClaimsPdfFilesAndTakesTheFileAndIsValid)
{
    QFile entry(QStringLiteral(DESKTOP_ENTRY));
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(entry.readAll()).split('\n');
    EXPECT_TRUE(lines.contains(QStringLiteral("Exec=quarlex %f")));
    EXPECT_TRUE(lines.contains(QStringLiteral("MimeType=application/pdf;")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Icon=quarlex")));

    const QString validate = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (validate.isEmpty())
        GTEST_SKIP() << "desktop-file-utils is not installed";
    QProcess check;
    check.start(validate, {entry.fileName()});
    ASSERT_TRUE(check.waitForFinished(30000));
    EXPECT_EQ(check.exitCode(), 0) << check.readAllStandardOutput().toStdString();
}
