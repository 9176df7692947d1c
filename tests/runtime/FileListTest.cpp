#include "common/QStringPrinter.h"
#include "common/TouchFile.h"
#include "runtime/FileList.h"
#include "runtime/FileListBox.h"
#include "runtime/RuntimeError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A folder of mixed-case PDF names, other files, folders and a hidden file.
class MixedFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        for (const char* name : {"a.pdf", "B.Pdf", "C.PDF", "notes.txt", "My Report.pdf", "zeta.PDF",
                                 "\xc3\x9c" "bersicht.pdf", "archive.pdf.gz", ".hidden.pdf", "bar"})
            TouchFile(path(QString::fromUtf8(name)));
        ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("folder.pdf")));
        ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("Sub")));
    }
    void TearDown() override { QDir::setCurrent(m_savedCwd); }

    QString path(const QString& name) const { return m_dir.path() + QLatin1Char('/') + name; }

    QTemporaryDir m_dir;
    QString m_savedCwd = QDir::currentPath();
};

const QStringList AllPdfs = {QStringLiteral("a.pdf"), QStringLiteral("B.Pdf"), QStringLiteral("C.PDF"),
                             QStringLiteral("My Report.pdf"), QStringLiteral("zeta.PDF"),
                             QString::fromUtf8("\xc3\x9c" "bersicht.pdf")};

} // namespace

TEST(FileList, MatchesMaskIgnoresCaseAndKnowsOnlyStarAndQuestionMark)
{
    struct Row {
        const char* name;
        const char* masks;
        bool matches;
    };
    const Row rows[] = {
        {"a.pdf", "*.PDF", true},
        {"B.Pdf", "*.pdf", true},
        {"C.PDF", "*.pdf", true},
        {"a.pdfx", "*.pdf", false},
        {"a.pdf.gz", "*.pdf", false},
        {"a.b.pdf", "*.pdf", true},
        {"noext", "*.*", true},
        {"noext", "*", true},
        {"a.txt", "*.pdf;*.txt", true},
        {"a.txt", "*.pdf; *.TXT", true},
        {"a.txt", "*.pdf;;", false},
        {"a.txt", "", false},
        {"ab.pdf", "a?.pdf", true},
        {"abc.pdf", "a?.pdf", false},
        {"report [1].pdf", "report [1].pdf", true},
        {"report 1.pdf", "report [1].pdf", false},
        {"a+b(1).pdf", "a+b(1).*", true},
        {"\xc3\x84rger.PDF", "\xc3\xa4*.pdf", true},
    };
    for (const Row& row : rows)
        EXPECT_EQ(runtime::MatchesMask(QString::fromUtf8(row.name), QString::fromUtf8(row.masks)), row.matches)
            << row.name << " ~ " << row.masks;
}

TEST_F(MixedFolder, ListsMatchingFilesOnlyWhateverTheCaseSorted)
{
    EXPECT_EQ(runtime::ListMatchingFiles(m_dir.path(), QStringLiteral("*.PDF")), AllPdfs);
    EXPECT_EQ(runtime::ListMatchingFiles(m_dir.path(), QStringLiteral("*.pdf")), AllPdfs);
    // Two masks that both match a name list it once.
    EXPECT_EQ(runtime::ListMatchingFiles(m_dir.path(), QStringLiteral("*.pdf;*.PDF;?.pdf")), AllPdfs);
    EXPECT_EQ(runtime::ListMatchingFiles(m_dir.path(), QStringLiteral("*.txt;b*")),
              (QStringList{QStringLiteral("B.Pdf"), QStringLiteral("bar"), QStringLiteral("notes.txt")}));
    EXPECT_TRUE(runtime::ListMatchingFiles(m_dir.path() + QStringLiteral("/missing"), QStringLiteral("*.*")).isEmpty());
}

TEST(FileList, SortIgnoringCaseKeepsAFixedOrderForCaseTwins)
{
    QStringList names = {QStringLiteral("b"), QStringLiteral("a"), QStringLiteral("B"), QStringLiteral("A"),
                         QStringLiteral("[x]"), QStringLiteral("C")};
    runtime::SortIgnoringCase(names);
    // Letters compare folded, so "[" sorts before them, as punctuation does.
    EXPECT_EQ(names, (QStringList{QStringLiteral("[x]"), QStringLiteral("A"), QStringLiteral("a"), QStringLiteral("B"),
                                  QStringLiteral("b"), QStringLiteral("C")}));
}

TEST(FileList, SplitFolderAndMask)
{
    struct Row {
        const char* path;
        char delimiter;
        const char* folder;
        const char* mask;
    };
    const Row rows[] = {
        {"/pdfs/*.PDF", '/', "/pdfs", "*.PDF"},
        {"/pdfs", '/', "/pdfs", ""},
        {"/pdfs/a.pdf", '/', "/pdfs/a.pdf", ""},
        {"/*.pdf", '/', "/", "*.pdf"},
        {"*.pdf", '/', "", "*.pdf"},
        {"/my pdfs/\xc3\xa4?.pdf", '/', "/my pdfs", "\xc3\xa4?.pdf"},
        {"/a*b/c", '/', "/a*b/c", ""},
        {"C:\\PDFs\\*.PDF", '\\', "C:\\PDFs", "*.PDF"},
    };
    for (const Row& row : rows) {
        const auto parts = runtime::SplitFolderAndMask(QString::fromUtf8(row.path), QLatin1Char(row.delimiter));
        EXPECT_EQ(parts.folder, QString::fromUtf8(row.folder)) << row.path;
        EXPECT_EQ(parts.mask, QString::fromUtf8(row.mask)) << row.path;
    }
}

TEST_F(MixedFolder, FileListBoxFollowsAPathWithMaskAndMakesItTheWorkingDirectory)
{
    runtime::FileListBox list;
    EXPECT_EQ(list.directory(), QDir::currentPath());
    EXPECT_EQ(list.mask(), QStringLiteral("*.*"));

    list.applyFilePath(path(QStringLiteral("*.PDF")));
    EXPECT_EQ(list.directory(), QDir(m_dir.path()).absolutePath());
    EXPECT_EQ(QDir::currentPath(), list.directory());
    EXPECT_EQ(list.mask(), QStringLiteral("*.PDF"));
    QStringList items;
    for (int i = 0; i < list.count(); ++i)
        items << list.item(i)->text();
    EXPECT_EQ(items, AllPdfs);
}

TEST_F(MixedFolder, FileListBoxRereadsFilesThatAppeared)
{
    runtime::FileListBox list;
    list.setMask(QStringLiteral("*.pdf"));
    list.setDirectory(m_dir.path());
    ASSERT_EQ(list.count(), AllPdfs.size());

    TouchFile(path(QStringLiteral("Another one.PDF")));
    TouchFile(path(QStringLiteral("late.txt")));
    EXPECT_EQ(list.count(), AllPdfs.size()); // nothing changes until it is read again
    list.reread();
    ASSERT_EQ(list.count(), AllPdfs.size() + 1);
    EXPECT_EQ(list.item(1)->text(), QStringLiteral("Another one.PDF"));
}

TEST_F(MixedFolder, FileListBoxListsFoldersInBracketsWhenAsked)
{
    runtime::FileListBox list;
    list.setDirectory(m_dir.path());
    list.setFileType(runtime::FileListBox::ftNormal | runtime::FileListBox::ftDirectory);
    list.setMask(QStringLiteral("*.pdf"));
    QStringList items;
    for (int i = 0; i < list.count(); ++i)
        items << list.item(i)->text();
    EXPECT_EQ(items.first(), QStringLiteral("[folder.pdf]"));
    EXPECT_EQ(items.mid(1), AllPdfs);
}

TEST_F(MixedFolder, FileListBoxRefusesAMissingFolderAndKeepsItsList)
{
    runtime::FileListBox list;
    list.setDirectory(m_dir.path());
    const int before = list.count();
    EXPECT_THROW(list.setDirectory(path(QStringLiteral("missing"))), runtime::RuntimeError);
    EXPECT_EQ(list.directory(), QDir(m_dir.path()).absolutePath());
    EXPECT_EQ(QDir::currentPath(), list.directory());
    EXPECT_EQ(list.count(), before);
}
