#include "WindowFixture.h"

#include "common/WaitUntil.h"
#include "convert/Messages.h"
#include "convert/RipMode.h"
#include "convert/Zoom.h"
#include "pickers/TAHMExplorerView.h"
#include "pickers/TAHMFileLookup.h"
#include "pickers/TAHMFolderLookup.h"
#include "runtime/Application.h"
#include "skin/chrome/TsuiForm.h"
#include "skin/controls/TsuiButton.h"
#include "skin/controls/TsuiCheckBox.h"
#include "skin/controls/TsuiComboBox.h"
#include "skin/controls/TsuiEdit.h"
#include "skin/controls/TsuiProgressBar.h"
#include "widgets/TLabel.h"

#include <QDesktopServices>
#include <QFile>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

using namespace convert;

namespace {

// The name of the form component that holds the focus (an editable combo
// box's inner edit counts as the combo box).
QString focusedComponent()
{
    for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget()) {
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
            return w->objectName();
    }
    return {};
}

// Catches what the shell would open, instead of a browser.
class OpenedUrls : public QObject {
    Q_OBJECT
public:
    OpenedUrls() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
    ~OpenedUrls() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

} // namespace

TEST_F(WindowTest, StartsAsTheWizardWithEverythingEmpty)
{
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Advanced QUARLEX (PDF to HTML)"));
    // The frame fits its window around itself: its own size and border.
    EXPECT_EQ(form.size(), QSize(624, 442));
    EXPECT_EQ(form.minimumWidth(), 270);
    EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(form.suiForm1->UIStyle(), TsuiUIStyle::BlueGlass);
    EXPECT_EQ(form.suiForm1->geometry(), QRect(1, 0, 622, 441));

    EXPECT_EQ(form.suiComboBox1->currentText(), RipModeText(1));
    EXPECT_TRUE(form.suiComboBox1->isEditable());
    EXPECT_EQ(form.suiEdit4->text(), QStringLiteral("100%"));
    for (const char* name : {"suiCheckBox1", "suiCheckBox2", "suiCheckBox3", "suiCheckBox4"}) {
        EXPECT_FALSE(form.findChild<TsuiCheckBox*>(name)->checked()) << name;
        // Opaque, in the panel's colour.
        EXPECT_EQ(form.findChild<TsuiCheckBox*>(name)->color(), QColor(0xE7, 0xE7, 0xE7)) << name;
    }
    EXPECT_TRUE(form.AHMFileLookup1->text().isEmpty());
    EXPECT_TRUE(form.AHMFolderLookup1->text().isEmpty());
    EXPECT_TRUE(form.AHMFolderLookup2->text().isEmpty());
    EXPECT_TRUE(form.Label7->caption().isEmpty());
    EXPECT_TRUE(form.Label10->caption().isEmpty());
    EXPECT_EQ(form.PB1->position(), 0);
    EXPECT_EQ(form.PB2->position(), 0);
    EXPECT_FALSE(form.AEV->isVisible());
    EXPECT_EQ(form.suiButton1->caption(), QStringLiteral("Start"));
    EXPECT_EQ(form.suiButton3->caption(), QStringLiteral("Cancel"));
    EXPECT_TRUE(form.suiButton1->isEnabled());

    // Passwords are shown as typed.
    QTest::keyClicks(form.suiEdit5, QStringLiteral("owner 1"));
    EXPECT_EQ(form.suiEdit5->echoMode(), QLineEdit::Normal);
    EXPECT_EQ(form.suiEdit5->displayText(), QStringLiteral("owner 1"));
    EXPECT_EQ(form.suiEdit6->echoMode(), QLineEdit::Normal);

    const auto* guide = form.findChild<widgets::TLabel*>(QStringLiteral("Label6"));
    ASSERT_TRUE(guide);
    EXPECT_TRUE(guide->caption().startsWith(QStringLiteral("[Step 1]\r\nChoose a PDF\r\n")));
    EXPECT_TRUE(guide->caption().endsWith(QStringLiteral("folder to save\r\nresult.")));
}

TEST_F(WindowTest, TabVisitsTheStepsThenStartCancelAndTheCheckBoxes)
{
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.AHMFileLookup1->setFocus(Qt::OtherFocusReason);
    QStringList visited{focusedComponent()};
    for (int i = 0; i < 10; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << focusedComponent();
    }
    EXPECT_EQ(
        visited,
        QStringList({"AHMFileLookup1", "AHMFolderLookup1", "suiComboBox1", "AHMFolderLookup2", "suiButton1",
                     "suiButton3", "suiCheckBox1", "suiCheckBox2", "suiCheckBox3", "suiCheckBox4", "AHMFileLookup1"}));
}

TEST_F(WindowTest, ChecksShowTheirMessageInOrderAndChangeNothing)
{
    form.AHMFileLookup1->setText(QStringLiteral("/nowhere/a.pdf"));
    form.suiComboBox1->setText(QStringLiteral("PDF -> RTF (with images, layout)")); // one blank: no mode
    clickStart();
    form.suiComboBox1->setText(RipModeText(5));
    clickStart();
    form.AHMFolderLookup2->setText(destination);
    form.AHMFileLookup1->setText(QString());
    clickStart();
    EXPECT_EQ(boxes.texts(), QStringList({InvalidRipperModeMessage, NoDestinationMessage, NoSourceFileMessage}));
    for (const auto& box : boxes.boxes())
        EXPECT_EQ(box.caption, QStringLiteral("QUARLEX"));
    EXPECT_TRUE(fakes.runs().isEmpty());
    EXPECT_TRUE(form.Label10->caption().isEmpty());
    EXPECT_EQ(form.AHMFolderLookup2->text(), destination);
}

TEST_F(WindowTest, ZoomWithoutPercentSignIsResetWhenFocusLeaves)
{
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.suiEdit4->setFocus(Qt::MouseFocusReason);
    form.suiEdit4->selectAll();
    QTest::keyClicks(form.suiEdit4, QStringLiteral("150"));
    form.suiComboBox1->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(boxes.texts(), QStringList{NoPercentageMessage});
    EXPECT_EQ(form.suiEdit4->text(), DefaultZoomText);

    form.suiEdit4->setFocus(Qt::MouseFocusReason);
    form.suiEdit4->setText(QStringLiteral("150%"));
    form.suiComboBox1->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(boxes.texts().size(), 1);
    EXPECT_EQ(form.suiEdit4->text(), QStringLiteral("150%"));
}

TEST_F(WindowTest, OneFileInEveryModeFromTheControlsToTheProgressBars)
{
    const QString source = fakes.path(QStringLiteral("in dir/Report.pdf"));
    // Typed as on Linux, from the home folder.
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(QFileInfo(destination).path()));
    form.AHMFileLookup1->setText(QStringLiteral("~/in dir/Report.pdf"));
    form.AHMFolderLookup2->setText(QStringLiteral("~/out dir"));
    form.suiCheckBox2->setChecked(true);
    form.suiEdit4->setText(QStringLiteral("150%"));
    form.suiCheckBox4->setChecked(true);
    form.suiEdit6->setText(QStringLiteral("user pass"));
    for (int mode = 1; mode <= 5; ++mode) {
        SCOPED_TRACE(mode);
        QFile::remove(fakes.path(QStringLiteral("log")));
        boxes.clear();
        form.suiComboBox1->setText(RipModeText(mode));
        clickStart();

        const QString final = mode <= 2 ? ".html" : mode <= 4 ? ".rtf" : ".txt";
        // Only the result prompt, answered No.
        EXPECT_EQ(boxes.texts(), QStringList{ViewResultPrompt});
        EXPECT_EQ(form.PB1->position(), 100);
        EXPECT_EQ(form.PB2->position(), 100);
        EXPECT_TRUE(form.Label10->caption().isEmpty()); // "Done." only after opening a result
        // The RTF modes run the word processor after the HTML converter.
        ASSERT_EQ(fakes.runs().size() > 1, MakesRtf(mode));
        const QStringList args = fakes.runs()[0].arguments;
        if (mode == 5) {
            EXPECT_EQ(args, QStringList({"-upw", "user pass", source, "./Report.txt"}));
        } else {
            EXPECT_EQ(args.mid(0, 4), QStringList({"-zoom", "1.5", "-upw", "user pass"}));
            EXPECT_EQ(args.contains("-i"), LeavesImagesOut(mode));
            EXPECT_EQ(args.last(), "./Report.html");
        }
        EXPECT_TRUE(QFile::exists(destination + "/Report" + final));
        EXPECT_TRUE(form.suiButton1->isEnabled());
    }
    qputenv("HOME", home);
}

TEST_F(WindowTest, StartIsIgnoredWhileARunGoesOnAndCancelStaysLive)
{
    fakes.setBehaviour(QStringLiteral("hang"));
    form.AHMFileLookup1->setText(fakes.path(QStringLiteral("Report.pdf")));
    form.AHMFolderLookup2->setText(destination);
    form.suiComboBox1->setText(RipModeText(3));

    bool startLookedDisabled = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (fakes.startedPids().size() != 2)
            return;
        poll.stop();
        startLookedDisabled = !form.suiButton1->isEnabled();
        // A second Start reaches the handler directly: still no second run.
        form.suiButton1Click();
        clickCancel();
    });
    poll.start(5);
    clickStart();

    EXPECT_TRUE(startLookedDisabled);
    EXPECT_EQ(fakes.runs().size(), 1);
    EXPECT_EQ(boxes.texts(), QStringList{CanceledMessage});
    EXPECT_TRUE(form.suiButton1->isEnabled());
    EXPECT_FALSE(form.isRunning());
}

TEST_F(WindowTest, ChoosingASourceFolderSwitchesToBatchWork)
{
    const QString folder = folderWith({"a.pdf"});
    form.AHMFileLookup1->setText(QStringLiteral("/some/file.pdf"));
    dialogs.choose(folder);
    QTest::mouseClick(form.AHMFolderLookup1->editButton1()->button(), Qt::LeftButton);
    EXPECT_EQ(form.AHMFolderLookup1->text(), folder + "/*.PDF");
    EXPECT_TRUE(form.AHMFileLookup1->text().isEmpty());
    EXPECT_EQ(form.Label7->caption(), QStringLiteral("Batch Conversion"));

    // The same folder chosen again changes nothing.
    form.AHMFolderLookup1->setText(folder);
    dialogs.choose(folder);
    QTest::mouseClick(form.AHMFolderLookup1->editButton1()->button(), Qt::LeftButton);
    EXPECT_EQ(form.AHMFolderLookup1->text(), folder);

    // The destination lookup has no such handler; F4 browses from the field.
    dialogs.choose(destination);
    QTest::keyClick(form.AHMFolderLookup2, Qt::Key_F4);
    EXPECT_EQ(form.AHMFolderLookup2->text(), destination);
}

TEST_F(WindowTest, PicturesAndNoticesOpenTheRenderedUserGuide)
{
    QStandardPaths::setTestModeEnabled(true); // the page goes to a test cache
    OpenedUrls opened;
    for (const char* name : {"Image1", "Image2", "Label11", "Label12"}) {
        QWidget* link = form.findChild<QWidget*>(name);
        ASSERT_TRUE(link) << name;
        QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(2, 2));
    }
    ASSERT_EQ(opened.urls.size(), 4);
    for (const QUrl& url : opened.urls) {
        EXPECT_TRUE(url.toLocalFile().endsWith(QStringLiteral("quarlex-guide.html"))) << url.toString().toStdString();
        QFile page(url.toLocalFile());
        ASSERT_TRUE(page.open(QIODevice::ReadOnly));
        EXPECT_TRUE(page.readAll().contains("QUARLEX"));
    }
    EXPECT_TRUE(boxes.texts().isEmpty());
    QStandardPaths::setTestModeEnabled(false);
}

#include "WindowTest.moc"
