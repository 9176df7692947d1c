#include "runtime/FileList.h"
#include "common/MixedFolder.h"
#include "common/QStringPrinter.h"

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
        // A star gives back what it took when a later part fails to match.
        {"abcabd.pdf", "*abd.pdf", true},
        {"a.pdf.pdf", "*.pdf*.pdf", true},
        {"a.pdf", "a**?*.pdf", false},
        // A character outside the basic plane is one "?".
        {"\xf0\x9f\x93\x84.pdf", "?.pdf", true},
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
    QStringList names = {QStringLiteral("b"), QStringLiteral("a"),   QStringLiteral("B"),
                         QStringLiteral("A"), QStringLiteral("[x]"), QStringLiteral("C")};
    runtime::SortIgnoringCase(names);
    // Letters compare folded, so "[" sorts before them, as punctuation does.
    EXPECT_EQ(names,
              (QStringList{QStringLiteral("[x]"), QStringLiteral("A"), QStringLiteral("a"), QStringLiteral("B"),
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
