#include "common/FileDialogResponder.h"
#include "common/QStringPrinter.h"
#include "pickers/TAHMFolderLookup.h"
#include "runtime/BitmapResource.h"
#include "runtime/SpecialFolder.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

TEST(FolderLookup, Defaults)
{
    TAHMFolderLookup lookup;
    EXPECT_EQ(lookup.lookupFlags(), TAHMFolderLookup::FileSystemDirsOnly | TAHMFolderLookup::StatusText);
    EXPECT_EQ(lookup.lookupRoot(), TAHMFolderLookup::csidlDesktopExpanded);
    EXPECT_FALSE(lookup.editButton2()->isVisible());
    EXPECT_EQ(lookup.editButton1()->numGlyphs(), 2);
    EXPECT_EQ(lookup.editButton1()->glyph(), runtime::LoadBitmapResource(QStringLiteral("AHMFolderLookup")));
}

TEST(FolderLookup, PathChangedFiresOnlyWhenTheTextChanges)
{
    struct Row {
        const char* text;
        bool accepted;
        const char* chosen;
        bool changed;
        const char* after;
    };
    const Row rows[] = {
        {"", true, "/data/pdfs", true, "/data/pdfs"},
        {"/data/pdfs/*.PDF", true, "/data/pdfs", true, "/data/pdfs"},
        // The same folder again: no event.
        {"/data/pdfs", true, "/data/pdfs", false, "/data/pdfs"},
        // Folders differing in case are different folders.
        {"/data/PDFs", true, "/data/pdfs", true, "/data/pdfs"},
        // Cancelled: text kept, no event.
        {"/data/pdfs", false, "", false, "/data/pdfs"},
        {"", false, "", false, ""},
    };
    for (const Row& row : rows) {
        TAHMFolderLookup lookup;
        lookup.setText(QString::fromUtf8(row.text));
        QStringList order;
        QObject::connect(&lookup, &TAHMFolderLookup::BeforeLookup, [&](QObject* sender) {
            EXPECT_EQ(sender, &lookup);
            order << QStringLiteral("before");
        });
        QObject::connect(&lookup, &TAHMFolderLookup::AfterLookup, [&](QObject* sender) {
            EXPECT_EQ(sender, &lookup);
            order << QStringLiteral("after");
        });
        QObject::connect(&lookup, &TAHMFolderLookup::OnPathChanged,
                         [&](QObject* sender, QString oldPath, QString newPath) {
                             EXPECT_EQ(sender, &lookup);
                             order << QStringLiteral("changed ") + oldPath + QStringLiteral(" -> ") + newPath;
                         });
        runtime::FileDialogService::setResponder([&](const runtime::FileDialogRequest&) {
            order << QStringLiteral("dialog");
            return runtime::FileDialogAnswer{row.accepted, QString::fromUtf8(row.chosen)};
        });
        EXPECT_EQ(lookup.Lookup(), row.accepted);
        runtime::FileDialogService::setResponder({});

        QStringList expected = {QStringLiteral("before"), QStringLiteral("dialog")};
        if (row.changed)
            expected
                << QStringLiteral("changed %1 -> %2").arg(QString::fromUtf8(row.text), QString::fromUtf8(row.after));
        expected << QStringLiteral("after");
        EXPECT_EQ(order, expected) << row.text << " / " << row.chosen;
        EXPECT_EQ(lookup.text(), QString::fromUtf8(row.after));
    }
}

TEST(FolderLookup, HandsItsSettingsToTheDialog)
{
    QTemporaryDir dir;
    const QString folder = QDir(dir.path()).absolutePath();
    using F = TAHMFolderLookup;
    struct Row {
        F::TAHMInfoFlagSet flags;
        QString text;
        bool dirsOnly;
        bool statusLine;
        bool pathInStatus;
        QString selection;
    };
    const Row rows[] = {
        {F::FileSystemDirsOnly | F::StatusText, folder, true, true, false, folder},
        // A folder followed by a mask is no folder: nothing preselected.
        {F::FileSystemDirsOnly | F::StatusText, folder + QStringLiteral("/*.PDF"), true, true, false, {}},
        {F::StatusText | F::DisplayPath, folder, false, true, true, folder},
        // The path needs the status line to be shown in.
        {F::DisplayPath, QString(), false, false, false, {}},
        {F::TAHMInfoFlagSet(), folder + QStringLiteral("/missing"), false, false, false, {}},
    };
    for (const Row& row : rows) {
        TAHMFolderLookup lookup;
        lookup.setLookupCaption(QStringLiteral("Choose the folder of PDF files"));
        lookup.setLookupFlags(row.flags);
        lookup.setText(row.text);
        FileDialogResponder responder;
        QTest::mouseClick(lookup.editButton1()->button(), Qt::LeftButton);
        ASSERT_EQ(responder.requests().size(), 1);
        const runtime::FileDialogRequest& request = responder.requests().first();
        EXPECT_EQ(request.kind, runtime::FileDialogKind::Folder);
        EXPECT_EQ(request.title, QStringLiteral("Choose the folder of PDF files"));
        EXPECT_TRUE(request.root.isEmpty()); // csidlDesktopExpanded: the whole tree
        EXPECT_EQ(request.dirsOnly, row.dirsOnly) << row.text.toStdString();
        EXPECT_EQ(request.statusLine, row.statusLine) << row.text.toStdString();
        EXPECT_EQ(request.pathInStatus, row.pathInStatus) << row.text.toStdString();
        EXPECT_EQ(request.selection, row.selection) << row.text.toStdString();
    }
}

TEST(FolderLookup, RootsKeepTheShellsNumbering)
{
    using F = TAHMFolderLookup;
    // In the order of TAHMRoots; -1: no root at all.
    const int numbers[] = {0, -1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 16, 17, 18, 19, 20, 21};
    for (int root = F::csidlDesktop; root <= F::csidlTemplates; ++root)
        EXPECT_EQ(F::SpecialFolderOf(F::TAHMRoots(root)), numbers[root]) << root;
}

TEST(FolderLookup, RootsMapToTheXdgFolders)
{
    QTemporaryDir home;
    const QString base = QDir(home.path()).absolutePath();
    const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
    const QByteArray savedData = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_CONFIG_HOME", (base + QStringLiteral("/config")).toUtf8());
    qputenv("XDG_DATA_HOME", (base + QStringLiteral("/data")).toUtf8());
    for (const char* sub : {"config/autostart", "data/Trash/files", "data/fonts", "data/applications", "Docs"})
        ASSERT_TRUE(QDir(base).mkpath(QLatin1String(sub)));
    {
        QFile dirs(base + QStringLiteral("/config/user-dirs.dirs"));
        ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
        dirs.write(QStringLiteral("XDG_DOCUMENTS_DIR=\"%1/Docs\"\n").arg(base).toUtf8());
    }

    using F = TAHMFolderLookup;
    struct Row {
        F::TAHMRoots root;
        QString folder;
    };
    const Row rows[] = {
        {F::csidlDesktopExpanded, {}},
        {F::csidlPersonal, base + QStringLiteral("/Docs")},
        {F::csidlStartup, base + QStringLiteral("/config/autostart")},
        {F::csidlRecycleBin, base + QStringLiteral("/data/Trash/files")},
        {F::csidlFonts, base + QStringLiteral("/data/fonts")},
        {F::csidlPrograms, base + QStringLiteral("/data/applications")},
        {F::csidlMyComputer, QStringLiteral("/")},
        // No Linux counterpart: the whole file system.
        {F::csidlControlPanel, {}},
        {F::csidlPrinters, {}},
        {F::csidlNetwork, {}},
        // A counterpart that does not exist here counts as none.
        {F::csidlRecent, {}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(F::RootFolder(row.root), row.folder) << row.root;

    qputenv("XDG_CONFIG_HOME", savedConfig);
    qputenv("XDG_DATA_HOME", savedData);
    if (savedConfig.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    if (savedData.isNull())
        qunsetenv("XDG_DATA_HOME");
}
