// The real dialogs on a real display. Skipped on the offscreen platform the
// suite normally runs on; run them under Xvfb with
//   xvfb-run -a env QT_QPA_PLATFORM=xcb pickers_tests --gtest_filter='RealDialog*'
#include "common/PrivateQtSettings.h"
#include "common/QStringPrinter.h"
#include "common/TouchFile.h"
#include "pickers/TAHMFileLookup.h"
#include "pickers/TAHMFolderLookup.h"
#include "runtime/FileDialog.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

namespace {

QFileDialog* openDialog()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<QFileDialog*>(widget); dialog && dialog->isVisible())
            return dialog;
    }
    return nullptr;
}

// Waits (inside the dialog's own event loop) for the file dialog and hands
// it to act on every tick until act has closed it; act does nothing while
// the dialog is not ready yet. A dialog that does not show up or does not
// close within five seconds fails the test and is rejected, so nothing hangs.
void whenDialogShows(std::function<void(QFileDialog&)> act)
{
    auto* timer = new QTimer;
    QElapsedTimer started;
    started.start();
    QObject::connect(timer, &QTimer::timeout, [=]() mutable {
        QFileDialog* dialog = openDialog();
        const bool timedOut = started.elapsed() > 5000;
        if (!dialog && !timedOut)
            return;
        if (timedOut) {
            ADD_FAILURE() << (dialog ? "the dialog did not close" : "no dialog showed up");
            if (dialog)
                dialog->reject();
        } else {
            act(*dialog);
            if (dialog->isVisible())
                return;
        }
        timer->stop();
        timer->deleteLater();
    });
    timer->start(50);
}

bool realDisplay()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

bool showsName(QFileDialog& dialog, const QString& name)
{
    // The list or the detail view, whichever the dialog shows.
    auto* view = dialog.findChild<QAbstractItemView*>(QStringLiteral("listView"));
    if (!view->isVisible())
        view = dialog.findChild<QAbstractItemView*>(QStringLiteral("treeView"));
    const QModelIndex root = view->rootIndex();
    for (int row = 0; row < view->model()->rowCount(root); ++row)
        if (view->model()->index(row, 0, root).data().toString() == name)
            return true;
    return false;
}

} // namespace

TEST(RealDialog, FolderLookupChoosesAFolder)
{
    if (!realDisplay())
        GTEST_SKIP() << "needs a display (platform xcb)";
    KeepQtSettingsPrivate();
    QTemporaryDir dir;
    const QString start = QDir(dir.path()).absolutePath();
    const QString sub = start + QString::fromUtf8("/PDF b\xc3\xa4nde");
    ASSERT_TRUE(QDir().mkpath(sub));

    TAHMFolderLookup lookup;
    lookup.setLookupCaption(QStringLiteral("Choose a folder"));
    lookup.setLookupFlags(lookup.lookupFlags() | TAHMFolderLookup::DisplayPath);
    lookup.setText(start);
    lookup.show();
    QSignalSpy changed(&lookup, &TAHMFolderLookup::OnPathChanged);

    // Confirming the preselected folder changes nothing.
    QString title, shownFolder, status;
    whenDialogShows([&](QFileDialog& dialog) {
        title = dialog.windowTitle();
        shownFolder = dialog.directory().absolutePath();
        if (auto* line = dialog.findChild<QLabel*>(QLatin1String(runtime::FolderDialogStatusLineName)))
            status = line->text();
        static_cast<QDialog&>(dialog).accept(); // as the OK button does
    });
    EXPECT_TRUE(lookup.Lookup());
    EXPECT_EQ(title, QStringLiteral("Choose a folder"));
    EXPECT_EQ(shownFolder, start);
    EXPECT_EQ(status, start);
    EXPECT_EQ(lookup.text(), start);
    EXPECT_EQ(changed.size(), 0);

    // Opening the sub-folder and choosing it fills the edit and reports the
    // change.
    whenDialogShows([&](QFileDialog& dialog) {
        if (showsName(dialog, QFileInfo(sub).fileName())) {
            dialog.setDirectory(sub);
            static_cast<QDialog&>(dialog).accept(); // as the OK button does
        }
    });
    EXPECT_TRUE(lookup.Lookup());
    EXPECT_EQ(lookup.text(), sub);
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed.first().at(1).toString(), start);
    EXPECT_EQ(changed.first().at(2).toString(), sub);

    whenDialogShows([](QFileDialog& dialog) { dialog.reject(); });
    EXPECT_FALSE(lookup.Lookup());
    EXPECT_EQ(lookup.text(), sub);
}

TEST(RealDialog, FileLookupOffersLowerCasePdfsAndTakesTheChosenFile)
{
    if (!realDisplay())
        GTEST_SKIP() << "needs a display (platform xcb)";
    KeepQtSettingsPrivate();
    QTemporaryDir dir;
    const QString folder = QDir(dir.path()).absolutePath();
    TouchFile(folder + QStringLiteral("/report.pdf"));
    TouchFile(folder + QStringLiteral("/notes.txt"));

    TAHMFileLookup lookup;
    lookup.setFilter(QStringLiteral("Adobe PDF Files|*.PDF"));
    lookup.setInitialDir(folder);
    lookup.show();
    bool txtShown = false;
    whenDialogShows([&](QFileDialog& dialog) {
        if (showsName(dialog, QStringLiteral("report.pdf"))) {
            txtShown = showsName(dialog, QStringLiteral("notes.txt"));
            // Typed into the name field, as a user would.
            dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("report.pdf"));
            static_cast<QDialog&>(dialog).accept(); // as the OK button does
        }
    });
    lookup.Lookup();
    EXPECT_FALSE(txtShown);
    EXPECT_EQ(lookup.text(), folder + QStringLiteral("/report.pdf"));
}
