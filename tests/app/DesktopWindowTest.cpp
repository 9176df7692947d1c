// The main window as a desktop program: typed modes, sources dropped or
// handed over, remembered choices, closing mid-run, the style menu and
// accessible names.
#include "WindowFixture.h"

#include "ThemeTool.h"
#include "app/RememberedChoices.h"
#include "app/SourceChoice.h"
#include "app/StyleMenu.h"
#include "app/WindowLook.h"
#include "common/QStringPrinter.h"
#include "common/WaitUntil.h"
#include "convert/RipMode.h"
#include "pickers/TAHMFileLookup.h"
#include "pickers/TAHMFolderLookup.h"
#include "skin/chrome/TsuiForm.h"
#include "skin/chrome/TsuiTitleBar.h"
#include "skin/chrome/TsuiTitleBarPopupMenu.h"
#include "skin/controls/TsuiCheckBox.h"
#include "skin/controls/TsuiComboBox.h"
#include "skin/controls/TsuiEdit.h"
#include "skin/controls/TsuiProgressBar.h"
#include "skin/theme/FormHelpers.h"
#include "widgets/TLabel.h"

#include <QAccessible>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QSettings>
#include <QThread>
#include <QTimer>
#include <QUrl>

using namespace convert;

namespace {

using DesktopWindowTest = WindowTest;

// Sends a drag of local paths over the window and, when it is taken, drops
// it; returns whether the window took it.
bool dragAndDrop(QWidget& window, const QStringList& paths)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    data.setUrls(urls);
    const QPoint at(300, 200);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    return drop.isAccepted();
}

// The style of the frame and of every skinned part directly on it.
QList<TsuiUIStyle> stylesOnTheFrame(TsuiForm* frame)
{
    QList<TsuiUIStyle> styles{frame->UIStyle()};
    for (QObject* child : frame->children()) {
        const QVariant style = child->property("UIStyle");
        if (style.isValid())
            styles << style.value<TsuiUIStyle>();
    }
    return styles;
}

} // namespace

TEST_F(DesktopWindowTest, TypedModeStaysAsTypedAndTheListOffersAllFive)
{
    QStringList modes;
    for (int mode = 1; mode <= 5; ++mode)
        modes << RipModeText(mode);
    EXPECT_EQ(form.suiComboBox1->items(), modes);
    EXPECT_EQ(form.suiComboBox1->currentText(), RipModeText(1));

    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QLineEdit* edit = form.suiComboBox1->lineEdit();
    edit->setFocus(Qt::MouseFocusReason);
    // The second mode's text is the first one's beginning: nothing may
    // complete it into the first.
    for (const QString& typed : {RipModeText(2), QStringLiteral("pdf -> rtf"), RipModeText(4)}) {
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(edit, typed);
        EXPECT_EQ(form.suiComboBox1->currentText(), typed);
        QTest::keyClick(edit, Qt::Key_Return);
        EXPECT_EQ(form.suiComboBox1->currentText(), typed);
        EXPECT_EQ(form.gatherRequest().ripModeText, typed);
    }
}

TEST_F(DesktopWindowTest, DroppedOrHandedOverSourcesFillTheSourceStep)
{
    const QString folder = folderWith({"a.pdf", "b.PDF", "notes.txt"});
    const QString other = folderWith({"c.pdf"});

    EXPECT_TRUE(dragAndDrop(form, {folder + "/a.pdf", folder + "/b.PDF"}));
    EXPECT_EQ(form.AHMFolderLookup1->text(), folder + "/*.PDF");
    EXPECT_EQ(form.Label7->caption(), QStringLiteral("Batch Conversion"));

    // Refused drags change nothing.
    for (const QStringList& paths :
         {QStringList{folder + "/notes.txt"}, QStringList{folder + "/a.pdf", other + "/c.pdf"}})
        EXPECT_FALSE(dragAndDrop(form, paths));
    EXPECT_EQ(form.AHMFolderLookup1->text(), folder + "/*.PDF");
    EXPECT_TRUE(form.AHMFileLookup1->text().isEmpty());

    // One document replaces the batch.
    EXPECT_TRUE(dragAndDrop(form, {other + "/c.pdf"}));
    EXPECT_EQ(form.AHMFileLookup1->text(), other + "/c.pdf");
    EXPECT_TRUE(form.AHMFolderLookup1->text().isEmpty());
    EXPECT_TRUE(form.Label7->caption().isEmpty());
    EXPECT_EQ(form.gatherRequest().sourceFile, other + "/c.pdf");

    // `quarlex FOLDER` as a file manager starts it.
    form.openSource(app::SourceFromArgument(other, QDir::currentPath()));
    EXPECT_EQ(form.AHMFolderLookup1->text(), other + "/*.PDF");
    EXPECT_TRUE(form.AHMFileLookup1->text().isEmpty());
    EXPECT_TRUE(boxes.texts().isEmpty());
}

TEST_F(DesktopWindowTest, ChoicesAreRememberedButNeverThePasswords)
{
    const QString folder = folderWith({"a.pdf"});
    form.AHMFolderLookup2->setText(destination);
    form.suiComboBox1->setText(RipModeText(5));
    form.suiEdit4->setText(QStringLiteral("150%"));
    form.suiCheckBox2->setChecked(true);
    form.suiCheckBox4->setChecked(true);
    form.suiEdit5->setText(QStringLiteral("owner secret"));
    form.suiEdit6->setText(QStringLiteral("user secret"));
    form.AHMFileLookup1->setText(folder + "/a.pdf");
    ASSERT_TRUE(form.close());

    {
        TForm1 next;
        EXPECT_EQ(next.AHMFolderLookup2->text(), destination);
        EXPECT_EQ(next.suiComboBox1->currentText(), RipModeText(5));
        EXPECT_EQ(next.suiEdit4->text(), QStringLiteral("150%"));
        EXPECT_TRUE(next.suiCheckBox2->checked());
        EXPECT_TRUE(next.suiCheckBox4->checked());
        EXPECT_TRUE(next.suiEdit5->text().isEmpty());
        EXPECT_TRUE(next.AHMFileLookup1->text().isEmpty());
        // The pickers open where the last source was.
        dialogs.cancelNext();
        QTest::mouseClick(next.AHMFolderLookup1->editButton1()->button(), Qt::LeftButton);
        ASSERT_EQ(dialogs.requests().size(), 1);
        EXPECT_EQ(dialogs.requests()[0].selection, folder);
        EXPECT_EQ(next.AHMFileLookup1->initialDir(), folder);
    }
    const QString file = app::OpenSettings()->fileName();
    QFile stored(file);
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    EXPECT_FALSE(stored.readAll().contains("secret"));
    stored.close();

    // Closing with nothing changed leaves the file alone; a change is written.
    const auto storedText = [&stored] {
        stored.open(QIODevice::ReadOnly);
        const QByteArray text = stored.readAll();
        stored.close();
        return text;
    };
    ASSERT_TRUE(stored.open(QIODevice::Append));
    stored.write("; kept\n");
    stored.close();
    {
        TForm1 same;
        ASSERT_TRUE(same.close());
    }
    EXPECT_TRUE(storedText().contains("; kept"));
    {
        TForm1 changed;
        changed.suiEdit4->setText(QStringLiteral("175%"));
        ASSERT_TRUE(changed.close());
    }
    EXPECT_FALSE(storedText().contains("; kept"));
    EXPECT_TRUE(storedText().contains("175%"));

    // Flags as a later run reads them from the file: text, not flags.
    ASSERT_TRUE(stored.open(QIODevice::WriteOnly | QIODevice::Truncate));
    stored.write("[General]\nzoomEnabled=true\nauthorizationRequired=true\nzoom=125%\n");
    stored.close();
    {
        TForm1 later;
        EXPECT_TRUE(later.suiCheckBox2->checked());
        EXPECT_TRUE(later.suiCheckBox4->checked());
        EXPECT_EQ(later.suiEdit4->text(), QStringLiteral("125%"));
    }

    // A damaged file means the designed defaults, and no box.
    for (const QByteArray& damage :
         {QByteArray("[General\nripMode=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x1\nzoomEnabled=maybe\n"),
          QByteArray(8192, '\xff')}) {
        ASSERT_TRUE(stored.open(QIODevice::WriteOnly | QIODevice::Truncate));
        stored.write(damage);
        stored.close();
        TForm1 fresh;
        EXPECT_EQ(fresh.suiComboBox1->currentText(), RipModeText(1));
        EXPECT_EQ(fresh.suiEdit4->text(), QStringLiteral("100%"));
        EXPECT_FALSE(fresh.suiCheckBox2->checked());
        EXPECT_TRUE(fresh.AHMFolderLookup2->text().isEmpty());
    }
    EXPECT_TRUE(boxes.texts().isEmpty());
}

TEST_F(DesktopWindowTest, ClosingDuringABatchAsksThenStopsItAndStartsNoMoreConverters)
{
    // Closing the last window would otherwise end the test's event loops.
    QApplication::setQuitOnLastWindowClosed(false);
    fakes.setBehaviour(QStringLiteral("hang"));
    const QString folder = folderWith({"1.pdf", "2.pdf", "3.pdf", "4.pdf", "5.pdf", "6.pdf"});
    const int limit = std::max(1, QThread::idealThreadCount());

    int asked = 0;
    QList<pid_t> pids;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (asked == 0 && !fakes.startedPids().isEmpty()) {
            asked = 1;
            boxes.answerNext(runtime::IdNo); // keeps running
            EXPECT_FALSE(form.close());
            EXPECT_TRUE(form.isRunning());
        } else if (asked == 1 && fakes.startedPids().size() >= 2) {
            asked = 2;
            pids = fakes.startedPids();
            boxes.answerNext(runtime::IdYes);
            form.close();
        }
    });
    poll.start(5);
    dialogs.choose(folder);
    QTest::mouseClick(form.AHMFolderLookup1->editButton1()->button(), Qt::LeftButton);
    form.AHMFolderLookup2->setText(destination);
    clickStart();
    poll.stop();

    EXPECT_EQ(boxes.texts(), QStringList({TForm1::StopAndQuitPrompt, TForm1::StopAndQuitPrompt}));
    EXPECT_FALSE(form.isRunning());
    EXPECT_TRUE(WaitUntil([&] { return !form.isVisible(); }));
    // Only the converters that ran when the answer came; all of them gone.
    EXPECT_LE(fakes.runs().size(), limit);
    for (pid_t pid : fakes.startedPids())
        EXPECT_TRUE(WaitUntil([&] { return !FakePrograms::isAlive(pid); })) << pid;
    EXPECT_FALSE(pids.isEmpty());
    QApplication::setQuitOnLastWindowClosed(true);
}

TEST_F(DesktopWindowTest, StyleMenuDressesEveryPartAndRemembersTheChoice)
{
    TsuiTitleBarPopupMenu* windowMenu = form.suiForm1->TitleBar()->SystemMenu();
    StyleMenu* styles = form.styleMenu();
    EXPECT_EQ(windowMenu->actions().last()->menu(), styles);
    QStringList items;
    for (QAction* action : styles->actions())
        items << action->text();
    EXPECT_EQ(items,
              QStringList({"As designed", "MacOS", "WinXP", "DeepBlue", "Protein", "BlueGlass", "Theme file..."}));
    EXPECT_TRUE(styles->item("As designed")->isChecked());
    const QImage designed = form.grab().toImage();

    styles->item("WinXP")->trigger();
    EXPECT_EQ(stylesOnTheFrame(form.suiForm1),
              QList<TsuiUIStyle>(stylesOnTheFrame(form.suiForm1).size(), TsuiUIStyle::WinXP));
    EXPECT_TRUE(styles->item("WinXP")->isChecked());
    {
        TForm1 next;
        EXPECT_EQ(next.suiComboBox1->uiStyle(), TsuiUIStyle::WinXP);
        EXPECT_EQ(next.suiForm1->UIStyle(), TsuiUIStyle::WinXP);
    }

    // A damaged theme file is refused with the reader's error; the look stays.
    QFile bad(fakes.path("bad.theme"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a theme");
    bad.close();
    dialogs.choose(bad.fileName());
    styles->item("Theme file...")->trigger();
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_TRUE(boxes.boxes()[0].type & runtime::MbIconError);
    EXPECT_EQ(form.suiComboBox1->uiStyle(), TsuiUIStyle::WinXP);
    EXPECT_TRUE(styles->item("WinXP")->isChecked());

    const QString good = fakes.path("good.theme");
    SaveThemeFile(good, ExportBuiltinStyle(TsuiUIStyle::Protein));
    dialogs.choose(good);
    styles->item("Theme file...")->trigger();
    EXPECT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(form.suiComboBox1->uiStyle(), TsuiUIStyle::FromThemeFile);
    ASSERT_TRUE(form.suiComboBox1->fileTheme());
    EXPECT_EQ(form.suiForm1->FileTheme(), form.suiComboBox1->fileTheme());
    {
        TForm1 next;
        EXPECT_EQ(next.look()->themeFile(), good);
        EXPECT_EQ(next.suiForm1->UIStyle(), TsuiUIStyle::FromThemeFile);
    }

    // Back to the window as it was designed, to the pixel.
    styles->item("As designed")->trigger();
    EXPECT_EQ(form.suiComboBox1->uiStyle(), TsuiUIStyle::DeepBlue);
    EXPECT_EQ(form.suiForm1->UIStyle(), TsuiUIStyle::BlueGlass);
}

TEST_F(DesktopWindowTest, EveryInteractiveControlHasAnAccessibleName)
{
    // A field is named by the label beside it; on Linux a combo box's name is
    // its text, and the label reaches it as the label of the box.
    const auto labelOf = [](QAccessibleInterface* field) {
        const auto labels = field->relations(QAccessible::Label);
        return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name).trimmed();
    };
    const QList<QPair<QWidget*, QString>> named = {
        {form.AHMFileLookup1, "PDF File"}, {form.AHMFolderLookup1, "PDF Files"}, {form.AHMFolderLookup2, "Save To"},
        {form.suiEdit5, "Owner password"}, {form.suiEdit6, "User password"},     {form.suiEdit4, "Zoom ratio"},
        {form.PB1, "Document progress"},   {form.PB2, "Batch progress"},
    };
    for (const auto& [widget, name] : named)
        EXPECT_EQ(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name), name);
    EXPECT_EQ(labelOf(QAccessible::queryAccessibleInterface(form.suiComboBox1)), QStringLiteral("Rip Mode"));

    for (QWidget* widget : form.findChildren<QWidget*>()) {
        const bool interactive = widget->focusPolicy() != Qt::NoFocus || qobject_cast<QAbstractButton*>(widget);
        if (!interactive || !widget->isVisibleTo(&form) || widget->objectName().startsWith("qt_"))
            continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        ASSERT_TRUE(accessible);
        EXPECT_FALSE(accessible->text(QAccessible::Name).trimmed().isEmpty())
            << widget->metaObject()->className() << " " << widget->objectName().toStdString();
    }
}
