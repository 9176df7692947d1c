#include "widgets/FileListBox.h"
#include "common/MixedFolder.h"
#include "common/QStringPrinter.h"
#include "runtime/RuntimeError.h"

TEST_F(MixedFolder, FileListBoxFollowsAPathWithMaskAndMakesItTheWorkingDirectory)
{
    widgets::FileListBox list;
    EXPECT_EQ(list.directory(), QDir::currentPath());
    EXPECT_EQ(list.mask(), QStringLiteral("*.*"));

    list.applyFilePath(path(QStringLiteral("*.PDF")));
    EXPECT_EQ(list.directory(), QDir(m_dir.path()).absolutePath());
    EXPECT_EQ(QDir::currentPath(), list.directory());
    EXPECT_EQ(list.mask(), QStringLiteral("*.PDF"));
    EXPECT_EQ(list.names(), AllPdfs);
}

TEST_F(MixedFolder, FileListBoxRereadsFilesThatAppeared)
{
    widgets::FileListBox list;
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
    widgets::FileListBox list;
    list.setDirectory(m_dir.path());
    list.setFileType(widgets::FileListBox::ftNormal | widgets::FileListBox::ftDirectory);
    list.setMask(QStringLiteral("*.pdf"));
    const QStringList items = list.names();
    EXPECT_EQ(items.first(), QStringLiteral("[folder.pdf]"));
    EXPECT_EQ(items.mid(1), AllPdfs);
}

TEST_F(MixedFolder, FileListBoxRefusesAMissingFolderAndKeepsItsList)
{
    widgets::FileListBox list;
    list.setDirectory(m_dir.path());
    const int before = list.count();
    EXPECT_THROW(list.setDirectory(path(QStringLiteral("missing"))), runtime::RuntimeError);
    EXPECT_EQ(list.directory(), QDir(m_dir.path()).absolutePath());
    EXPECT_EQ(QDir::currentPath(), list.directory());
    EXPECT_EQ(list.count(), before);
}
