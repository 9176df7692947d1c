#include "app/HistoryWindow.h"
#include "WindowFixture.h"
#include "convert/RipMode.h"
#include "data/SqlDataSet.h"
#include "history/HistoryReader.h"
#include "history/HistoryStore.h"
#include "pickers/TAHMFileLookup.h"
#include "pickers/TAHMFolderLookup.h"
#include "skin/chrome/TsuiForm.h"
#include "skin/chrome/TsuiTitleBar.h"
#include "skin/chrome/TsuiTitleBarPopupMenu.h"
#include "skin/controls/TsuiComboBox.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QTableView>
#include <QTemporaryDir>

namespace {

history::HistoryEntry entry(const QString& source, const QString& outcome, const QString& output)
{
    history::HistoryEntry e;
    e.startedAt = QStringLiteral("2026-12-01T10:00:00Z");
    e.source = source;
    e.mode = QStringLiteral("Rip to Text File");
    e.destination = QStringLiteral("/tmp/out");
    e.output = output;
    e.outcome = outcome;
    e.reason = outcome == QLatin1String("failed") ? QStringLiteral("damaged file") : QString();
    return e;
}

class RecordedOpens : public QObject {
    Q_OBJECT
public:
    RecordedOpens() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
    ~RecordedOpens() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

// The main window beside a History window over a real history file of
// three conversions, the middle one failed.
class HistoryWindowTest : public WindowTest {
protected:
    HistoryWindowTest()
    {
        {
            history::HistoryStore store(path);
            store.append(entry(QStringLiteral("/docs/a.pdf"), QStringLiteral("converted"), outputFile));
            store.append(entry(QStringLiteral("/docs/b.pdf"), QStringLiteral("failed"), QString()));
            store.append(entry(dir.path(), QStringLiteral("converted"), outputFile));
        }
        window = std::make_unique<HistoryWindow>(path, [this] { return &form; });
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    QString cell(int row, int column) const { return window->table()->model()->index(row, column).data().toString(); }
    int rowCount() const { return window->table()->model()->rowCount(); }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("history.sqlite"));
    QString outputFile =
        fakes.makeFolderWith(QStringLiteral("results"), {QStringLiteral("a.txt")}) + QStringLiteral("/a.txt");
    std::unique_ptr<HistoryWindow> window;
};

} // namespace

TEST_F(HistoryWindowTest, ListsNewestFirstWithFailuresMarkedAndFollowsTheNavigator)
{
    EXPECT_EQ(window->windowTitle(), HistoryWindow::Caption);
    ASSERT_EQ(rowCount(), 3);
    EXPECT_EQ(cell(0, 2), dir.path());
    EXPECT_EQ(cell(2, 2), QStringLiteral("/docs/a.pdf"));
    // Started in UTC, shown in local time (two hours east here), exact on hover.
    const QByteArray zone = qgetenv("TZ");
    qputenv("TZ", "XST-2");
    EXPECT_EQ(cell(0, 1), QStringLiteral("2026-12-01 12:00:00"));
    EXPECT_EQ(window->table()->model()->index(0, 1).data(Qt::ToolTipRole).toString(),
              QStringLiteral("2026-12-01T10:00:00Z"));
    zone.isNull() ? qunsetenv("TZ") : qputenv("TZ", zone);
    const QModelIndex failedOutcome = window->table()->model()->index(1, 6);
    EXPECT_EQ(failedOutcome.data(Qt::AccessibleTextRole).toString(), QStringLiteral("Failed: damaged file"));
    EXPECT_TRUE(failedOutcome.data(Qt::ForegroundRole).isValid());
    EXPECT_FALSE(window->table()->model()->index(0, 6).data(Qt::ForegroundRole).isValid());

    // Navigator and table select the same row both ways; a failed row has
    // no result to open.
    EXPECT_EQ(window->table()->currentIndex().row(), 0);
    window->dataSet()->next();
    EXPECT_EQ(window->table()->currentIndex().row(), 1);
    EXPECT_FALSE(window->action(HistoryWindow::OpenResult)->isEnabled());
    window->table()->selectRow(2);
    EXPECT_EQ(window->dataSet()->currentRow(), 2);

    // The tool bar from the keyboard: one Tab stop before the table, the
    // arrows along it, Space to press.
    RecordedOpens opens;
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->table()->setFocus();
    QTest::keyClick(window->table(), Qt::Key_Backtab, Qt::ShiftModifier);
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    EXPECT_EQ(focused->accessibleName(), QStringLiteral("Open result"));
    QTest::keyClick(focused, Qt::Key_Right);
    EXPECT_EQ(QApplication::focusWidget()->accessibleName(), QStringLiteral("Open folder"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    window->action(HistoryWindow::OpenResult)->trigger();
    EXPECT_EQ(
        opens.urls,
        (QList<QUrl>{QUrl::fromLocalFile(QFileInfo(outputFile).absolutePath()), QUrl::fromLocalFile(outputFile)}));
}

TEST_F(HistoryWindowTest, ConvertAgainFillsTheMainWindow)
{
    window->table()->selectRow(2);
    window->action(HistoryWindow::ConvertAgain)->trigger();
    EXPECT_EQ(form.AHMFileLookup1->text(), QStringLiteral("/docs/a.pdf"));
    EXPECT_EQ(form.suiComboBox1->currentText(), QStringLiteral("Rip to Text File"));
    EXPECT_EQ(form.AHMFolderLookup2->text(), QStringLiteral("/tmp/out"));

    // A folder comes back as batch work.
    window->table()->selectRow(0);
    window->action(HistoryWindow::ConvertAgain)->trigger();
    EXPECT_TRUE(form.AHMFolderLookup1->text().startsWith(dir.path()));
    EXPECT_TRUE(form.AHMFileLookup1->text().isEmpty());
}

TEST_F(HistoryWindowTest, DeleteAndClearAskFirst)
{
    window->table()->selectRow(1);
    boxes.answerNext(runtime::IdCancel);
    QTest::keyClick(window->table(), Qt::Key_Delete);
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("Delete record?")});
    EXPECT_EQ(rowCount(), 3);

    boxes.answerNext(runtime::IdOk);
    window->action(HistoryWindow::Delete)->trigger();
    ASSERT_EQ(rowCount(), 2);
    EXPECT_EQ(cell(1, 2), QStringLiteral("/docs/a.pdf"));

    boxes.answerNext(runtime::IdNo);
    window->action(HistoryWindow::ClearHistory)->trigger();
    EXPECT_EQ(rowCount(), 2);
    boxes.answerNext(runtime::IdYes);
    window->action(HistoryWindow::ClearHistory)->trigger();
    EXPECT_EQ(rowCount(), 0);
    EXPECT_FALSE(window->action(HistoryWindow::Delete)->isEnabled());
    // What was deleted is gone from the file too.
    EXPECT_TRUE(history::ReadHistory(path, 10).entries.isEmpty());
}

TEST_F(WindowTest, HistoryWindowOpensFromTheWindowMenuAndSaysWhyItIsEmpty)
{
    QAction* item = nullptr;
    for (QAction* action : form.suiForm1->TitleBar()->SystemMenu()->actions())
        item = action->text() == QStringLiteral("History...") ? action : item;
    ASSERT_NE(item, nullptr);
    item->trigger();
    auto* window = form.findChild<HistoryWindow*>();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    // The tests run with history off.
    EXPECT_TRUE(window->statusText().contains(QStringLiteral("turned off")));
    EXPECT_FALSE(window->action(HistoryWindow::ConvertAgain)->isEnabled());

    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("none.sqlite"));
    const QString corrupt = dir.filePath(QStringLiteral("corrupt.sqlite"));
    QFile file(corrupt);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, 'x'));
    file.close();
    EXPECT_TRUE(HistoryWindow(missing, {}).statusText().startsWith(QStringLiteral("No conversions")));
    EXPECT_FALSE(QFileInfo::exists(missing));
    EXPECT_TRUE(HistoryWindow(corrupt, {}).statusText().startsWith(QStringLiteral("Cannot read")));
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(WindowTest, AnOpenHistoryWindowShowsEachConversionAsItIsRecorded)
{
    QTemporaryDir dir;
    qputenv("QUARLEX_HISTORY", dir.filePath(QStringLiteral("history.sqlite")).toLocal8Bit());
    RecordingForm recording;
    qputenv("QUARLEX_HISTORY", "");
    // Opened before anything was recorded: the file does not exist yet.
    HistoryWindow* window = recording.showHistory();
    EXPECT_TRUE(window->statusText().startsWith(QStringLiteral("No conversions")));

    recording.AHMFolderLookup2->setText(destination);
    recording.suiComboBox1->setText(convert::RipModeText(5));
    for (const char* name : {"a.pdf", "b.pdf"}) {
        recording.AHMFileLookup1->setText(fakes.path(QString::fromLatin1(name)));
        QTest::mouseClick(recording.suiButton1, Qt::LeftButton);
    }
    ASSERT_EQ(window->table()->model()->rowCount(), 2);
    EXPECT_EQ(window->table()->model()->index(0, 2).data().toString(), fakes.path(QStringLiteral("b.pdf")));
}

#include "HistoryWindowTest.moc"
