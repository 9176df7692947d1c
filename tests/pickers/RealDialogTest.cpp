// The real dialogs on a real display. Skipped on the offscreen platform the
// suite normally runs on; run them under Xvfb with
//   xvfb-run -a env QT_QPA_PLATFORM=xcb pickers_tests --gtest_filter='RealDialog*'
#include "common/QStringPrinter.h"
#include "pickers/PickerTestSupport.h"
#include "pickers/TAHMFileLookup.h"
#include "pickers/TAHMFolderLookup.h"
#include "runtime/FileDialog.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

namespace {

// Waits (inside the dialog's own event loop) for the modal file dialog, then
// hands it to act, which closes it. A dialog that never shows up, or an act
// that never finishes, is rejected after five seconds so the test cannot hang.
void whenDialogShows(std::function<bool(QFileDialog&)> act)
{
    auto* timer = new QTimer;
    auto* started = new QElapsedTimer;
    started->start();
    QObject::connect(timer, &QTimer::timeout, [=] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        const bool timedOut = started->elapsed() > 5000;
        if (dialog && dialog->isVisible() && (act(*dialog) || timedOut)) {
            if (timedOut) {
                ADD_FAILURE() << "the dialog never got ready";
                dialog->reject();
            }
        } else if (!timedOut) {
            return;
        } else {
            ADD_FAILURE() << "no dialog showed up";
        }
        timer->stop();
        timer->deleteLater();
        delete started;
    });
    timer->start(50);
}

bool realDisplay()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

bool showsName(QFileDialog& dialog, const QString& name)
{
    auto* view = dialog.findChild<QAbstractItemView*>(QStringLiteral("listView"));
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
    SKIP_WITHOUT_GLYPH("AHMFolderLookup");
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
    whenDialogShows([&](QFileDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Choose a folder"));
        EXPECT_EQ(dialog.directory().absolutePath(), start);
        auto* status = dialog.findChild<QLabel*>(QLatin1String(runtime::FolderDialogStatusLineName));
        EXPECT_TRUE(status && status->text() == start);
        static_cast<QDialog&>(dialog).accept(); // as the OK button does
        return true;
    });
    EXPECT_TRUE(lookup.Lookup());
    EXPECT_EQ(lookup.text(), start);
    EXPECT_EQ(changed.size(), 0);

    // Choosing the sub-folder fills the edit and reports the change.
    whenDialogShows([&](QFileDialog& dialog) {
        if (!showsName(dialog, QFileInfo(sub).fileName()))
            return false;
        dialog.selectFile(sub);
        static_cast<QDialog&>(dialog).accept(); // as the OK button does
        return true;
    });
    EXPECT_TRUE(lookup.Lookup());
    EXPECT_EQ(lookup.text(), sub);
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed.first().at(1).toString(), start);
    EXPECT_EQ(changed.first().at(2).toString(), sub);

    whenDialogShows([](QFileDialog& dialog) {
        dialog.reject();
        return true;
    });
    EXPECT_FALSE(lookup.Lookup());
    EXPECT_EQ(lookup.text(), sub);
}

TEST(RealDialog, FileLookupOffersLowerCasePdfsAndTakesTheChosenFile)
{
    if (!realDisplay())
        GTEST_SKIP() << "needs a display (platform xcb)";
    SKIP_WITHOUT_GLYPH("TAHMFileLookupA");
    QTemporaryDir dir;
    const QString folder = QDir(dir.path()).absolutePath();
    TouchFile(folder + QStringLiteral("/report.pdf"));
    TouchFile(folder + QStringLiteral("/notes.txt"));

    TAHMFileLookup lookup;
    lookup.setFilter(QStringLiteral("Adobe PDF Files|*.PDF"));
    lookup.setInitialDir(folder);
    lookup.show();
    whenDialogShows([&](QFileDialog& dialog) {
        if (!showsName(dialog, QStringLiteral("report.pdf")))
            return false;
        EXPECT_FALSE(showsName(dialog, QStringLiteral("notes.txt")));
        dialog.selectFile(QStringLiteral("report.pdf"));
        static_cast<QDialog&>(dialog).accept(); // as the OK button does
        return true;
    });
    lookup.Lookup();
    EXPECT_EQ(lookup.text(), folder + QStringLiteral("/report.pdf"));
}
