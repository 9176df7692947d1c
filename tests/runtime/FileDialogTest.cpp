#include "runtime/FileDialog.h"
#include "common/FileDialogResponder.h"
#include "common/PrivateQtSettings.h"
#include "common/QStringPrinter.h"
#include "common/TouchFile.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The names the dialog's file list shows, once the file system model has
// read the folder (it reads in the background).
QStringList shownNames(QFileDialog& dialog, int expected)
{
    auto* view = dialog.findChild<QAbstractItemView*>(QStringLiteral("listView"));
    if (!view)
        return {};
    QStringList names;
    (void)QTest::qWaitFor(
        [&] {
            names.clear();
            const QModelIndex root = view->rootIndex();
            for (int row = 0; row < view->model()->rowCount(root); ++row)
                names << view->model()->index(row, 0, root).data().toString();
            return names.size() >= expected;
        },
        5000);
    names.sort(Qt::CaseInsensitive);
    return names;
}

} // namespace

TEST(FileDialog, FiltersBecomeQtNameFilters)
{
    struct Row {
        const char* filter;
        QStringList expected;
    };
    const Row rows[] = {
        {"Adobe PDF Files|*.PDF", {QStringLiteral("Adobe PDF Files (*.PDF)")}},
        {"All Files|*.*", {QStringLiteral("All Files (*)")}},
        {"Texts|*.txt;*.TXT|All|*.*", {QStringLiteral("Texts (*.txt *.TXT)"), QStringLiteral("All (*)")}},
        {"", {}},
        {"Lonely description", {}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(runtime::QtNameFilters(QString::fromUtf8(row.filter)), row.expected) << row.filter;
}

TEST(FileDialog, ResponderAnswersInsteadOfADialog)
{
    FileDialogResponder responder;
    responder.choose(QStringLiteral("/tmp/x.pdf"));
    runtime::FileDialogRequest request;
    request.title = QStringLiteral("Pick");
    const auto first = runtime::FileDialogService::show(nullptr, request);
    const auto second = runtime::FileDialogService::show(nullptr, request);
    EXPECT_TRUE(first.accepted);
    EXPECT_EQ(first.path, QStringLiteral("/tmp/x.pdf"));
    EXPECT_FALSE(second.accepted);
    ASSERT_EQ(responder.requests().size(), 2);
    EXPECT_EQ(responder.requests().first().title, QStringLiteral("Pick"));
}

TEST(FileDialog, OpenFileDialogOffersLowerCasePdfUnderUpperCaseMask)
{
    QTemporaryDir dir;
    for (const char* name : {"report.pdf", "Other.Pdf", "LOUD.PDF", "notes.txt"})
        TouchFile(dir.path() + QLatin1Char('/') + QLatin1String(name));

    runtime::FileDialogRequest request;
    request.title = QStringLiteral("Choose a PDF");
    request.filter = QStringLiteral("Adobe PDF Files|*.PDF");
    request.fileName = dir.path() + QStringLiteral("/report.pdf");
    request.defaultExt = QStringLiteral("pdf");
    KeepQtSettingsPrivate();
    const auto dialog = runtime::CreateFileDialog(nullptr, request);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Choose a PDF"));
    EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(dialog->directory().absolutePath(), QDir(dir.path()).absolutePath());
    EXPECT_EQ(dialog->defaultSuffix(), QStringLiteral("pdf"));
    EXPECT_EQ(dialog->nameFilters(), QStringList{QStringLiteral("Adobe PDF Files (*.PDF)")});

    dialog->show();
    EXPECT_EQ(shownNames(*dialog, 3),
              (QStringList{QStringLiteral("LOUD.PDF"), QStringLiteral("Other.Pdf"), QStringLiteral("report.pdf")}));
}

TEST(FileDialog, OpenFileDialogStartsInInitialDirWhenTheNameHasNoFolder)
{
    QTemporaryDir dir;
    runtime::FileDialogRequest request;
    request.initialDir = dir.path();
    request.options = runtime::ofAllowMultiSelect;
    KeepQtSettingsPrivate();
    const auto dialog = runtime::CreateFileDialog(nullptr, request);
    EXPECT_EQ(dialog->directory().absolutePath(), QDir(dir.path()).absolutePath());
    EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFiles);
}

TEST(FileDialog, FolderDialogStatusLineAndSelection)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("inner")));
    const QString inner = QDir(dir.path()).absoluteFilePath(QStringLiteral("inner"));

    struct Row {
        bool statusLine;
        bool pathInStatus;
        bool hasLabel;
        QString labelText;
    };
    const Row rows[] = {
        {false, false, false, {}},
        {false, true, false, {}},
        {true, false, true, {}},
        {true, true, true, inner},
    };
    for (const Row& row : rows) {
        runtime::FileDialogRequest request;
        request.kind = runtime::FileDialogKind::Folder;
        request.title = QStringLiteral("Browse");
        request.selection = inner;
        request.statusLine = row.statusLine;
        request.pathInStatus = row.pathInStatus;
        KeepQtSettingsPrivate();
        const auto dialog = runtime::CreateFileDialog(nullptr, request);
        EXPECT_EQ(dialog->fileMode(), QFileDialog::Directory);
        EXPECT_TRUE(dialog->testOption(QFileDialog::ShowDirsOnly));
        EXPECT_EQ(dialog->directory().absolutePath(), inner);
        auto* label = dialog->findChild<QLabel*>(QLatin1String(runtime::FolderDialogStatusLineName));
        ASSERT_EQ(label != nullptr, row.hasLabel) << row.statusLine << row.pathInStatus;
        if (label) {
            EXPECT_EQ(label->text(), row.labelText);
        }
    }
}

TEST(FileDialog, FolderDialogKeepsTheUserInsideTheRoot)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("root")));
    const QString root = QDir(dir.path()).absoluteFilePath(QStringLiteral("root"));
    runtime::FileDialogRequest request;
    request.kind = runtime::FileDialogKind::Folder;
    request.root = root;
    request.selection = dir.path(); // outside the root: not preselected
    KeepQtSettingsPrivate();
    const auto dialog = runtime::CreateFileDialog(nullptr, request);
    EXPECT_EQ(dialog->directory().absolutePath(), root);
    dialog->setDirectory(dir.path());
    emit dialog->directoryEntered(dir.path());
    EXPECT_EQ(dialog->directory().absolutePath(), root);
}
