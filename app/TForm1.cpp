#include "app/TForm1.h"

#include "app/HistoryWindow.h"
#include "app/RememberedChoices.h"
#include "app/SourceChoice.h"
#include "app/StyleMenu.h"
#include "app/TypedPath.h"
#include "app/UserGuide.h"
#include "app/WindowLook.h"
#include "convert/Zoom.h"
#include "forms/FormLoader.h"
#include "history/HistoryLocation.h"
#include "pickers/TAHMExplorerView.h"
#include "pickers/TAHMFileLookup.h"
#include "pickers/TAHMFolderLookup.h"
#include "resources/ProgramIcon.h"
#include "runtime/Application.h"
#include "runtime/MessageService.h"
#include "runtime/RuntimeError.h"
#include "runtime/Shell.h"
#include "skin/chrome/TsuiForm.h"
#include "skin/chrome/TsuiTitleBar.h"
#include "skin/chrome/TsuiTitleBarPopupMenu.h"
#include "skin/controls/TsuiButton.h"
#include "skin/controls/TsuiCheckBox.h"
#include "skin/controls/TsuiComboBox.h"
#include "skin/controls/TsuiEdit.h"
#include "skin/controls/TsuiProgressBar.h"
#include "skin/theme/BuiltinTheme.h"
#include "widgets/TLabel.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QScreen>
#include <QSettings>
#include <QTimer>
#include <QUrl>

#include <optional>
#include <utility>

const char* const TForm1::kFormResource = ":/forms/Form1.qxf";
const QString TForm1::StopAndQuitPrompt = QStringLiteral("A conversion is running. Stop it and quit?");

TForm1::TForm1(QWidget* parent) : QWidget(parent), m_driver(*this), m_history(history::HistoryFile())
{
    m_driver.setRecorder(&m_history);
    connect(&m_history, &history::HistoryStore::problemFound, this, &TForm1::setStatus);
    connect(&m_history, &history::HistoryStore::entriesWritten, this, [this] {
        if (m_historyWindow)
            m_historyWindow->reload();
    });
    forms::LoadFormFile(this, QString::fromLatin1(kFormResource));
    findComponents();
    nameControls();
    acceptDropsOnTheWindowOnly();
    // Created after the frame, so destroyed after it with the theme it holds.
    m_look = new WindowLook(suiForm1, this);
    TsuiTitleBarPopupMenu* windowMenu = suiForm1->TitleBar()->SystemMenu();
    m_styleMenu = new StyleMenu(m_look, windowMenu);
    windowMenu->addSeparator()->setText(QStringLiteral("-"));
    windowMenu->addAction(QStringLiteral("History..."), this, &TForm1::showHistory);
    windowMenu->addMenu(m_styleMenu);
    windowMenu->InstallItemHandlers();
    restoreChoices();
    // A look is remembered as soon as it is chosen.
    connect(m_look, &WindowLook::changed, this, [this] { saveChoices(); });
    setWindowIcon(resources::ProgramIcon());
    setMinimumWidth(270);
    // Placed in the middle of the screen it opens on.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect place(QPoint(), size());
        place.moveCenter(screen->availableGeometry().center());
        move(place.topLeft());
    }
}

namespace {

// Read by prepare() for the next window built, which takes them; a window
// built without it reads the settings itself.
std::optional<app::RememberedChoices> s_preparedChoices;

app::RememberedChoices TakeRememberedChoices()
{
    if (std::optional<app::RememberedChoices> prepared = std::exchange(s_preparedChoices, std::nullopt))
        return std::move(*prepared);
    return app::RememberedChoices::load(*app::OpenSettings());
}

} // namespace

void TForm1::prepare()
{
    forms::PrepareFormFile(QString::fromLatin1(kFormResource));
    s_preparedChoices = app::RememberedChoices::load(*app::OpenSettings());
    // The bitmaps the building decodes: the frame starts in the default
    // style until its stored one reaches it; the check boxes are designed
    // DeepBlue, the buttons and bars BlueGlass.
    using E = ThemeElement;
    const QList<E> frame = {E::TitleBarLeftImage, E::TitleBarClientImage, E::TitleBarRightImage,
                            E::TitleBarButtonImage};
    PrepareBuiltinBitmaps(TsuiUIStyle::DeepBlue, frame + QList{E::CheckBoxImage});
    PrepareBuiltinBitmaps(TsuiUIStyle::BlueGlass, frame + QList{E::ButtonImage, E::ProgressBarImage});
    // A style the window was left in reaches every part.
    if (const TsuiUIStyle remembered = WindowLook::rememberedStyle(*s_preparedChoices);
        remembered != TsuiUIStyle::BlueGlass)
        PrepareBuiltinBitmaps(remembered, frame + QList{E::ButtonImage, E::CheckBoxImage, E::ProgressBarImage});
}

HistoryWindow* TForm1::showHistory()
{
    if (!m_historyWindow) {
        // The file this window records into, whatever the environment says now.
        m_historyWindow = new HistoryWindow(
            m_history.path(), [this] { return this; }, this);
        m_historyWindow->setAttribute(Qt::WA_DeleteOnClose);
        m_historyWindow->setUIStyle(suiForm1->UIStyle());
    }
    m_historyWindow->show();
    m_historyWindow->raise();
    m_historyWindow->activateWindow();
    return m_historyWindow;
}

template <class T>
T* TForm1::component(const char* name) const
{
    T* found = findChild<T*>(QString::fromLatin1(name));
    if (!found)
        throw runtime::RuntimeError(QStringLiteral("Component %1 not found in %2")
                                        .arg(QString::fromLatin1(name), QString::fromLatin1(kFormResource)));
    return found;
}

void TForm1::findComponents()
{
    suiForm1 = component<TsuiForm>("suiForm1");
    AHMFileLookup1 = component<TAHMFileLookup>("AHMFileLookup1");
    AHMFolderLookup1 = component<TAHMFolderLookup>("AHMFolderLookup1");
    AHMFolderLookup2 = component<TAHMFolderLookup>("AHMFolderLookup2");
    suiComboBox1 = component<TsuiComboBox>("suiComboBox1");
    suiCheckBox2 = component<TsuiCheckBox>("suiCheckBox2");
    suiCheckBox4 = component<TsuiCheckBox>("suiCheckBox4");
    suiEdit4 = component<TsuiEdit>("suiEdit4");
    suiEdit5 = component<TsuiEdit>("suiEdit5");
    suiEdit6 = component<TsuiEdit>("suiEdit6");
    AEV = component<TAHMExplorerView>("AEV");
    suiButton1 = component<TsuiButton>("suiButton1");
    suiButton3 = component<TsuiButton>("suiButton3");
    Label7 = component<widgets::TLabel>("Label7");
    Label10 = component<widgets::TLabel>("Label10");
    PB1 = component<TsuiProgressBar>("PB1");
    PB2 = component<TsuiProgressBar>("PB2");
}

void TForm1::nameControls()
{
    // Assistive technology announces each field by the label beside it (on
    // Linux a combo box's name is its text; the label's buddy relation names
    // it there).
    const auto labelText = [this](const char* label, QWidget* field) {
        auto* found = component<widgets::TLabel>(label);
        found->setBuddy(field);
        return found->caption().trimmed();
    };
    const auto nameLookup = [](TAHMCustomLookupEdit* lookup, const QString& name) {
        lookup->setAccessibleName(name);
        lookup->editButton1()->button()->setAccessibleName(QStringLiteral("Browse: ") + name);
        // The browse button takes no focus, as a speed button never does:
        // F4 in the field opens it, as F4 opens a combo box's list.
        lookup->editButton1()->setShortCutKey(QKeySequence(Qt::Key_F4));
        lookup->setAccessibleDescription(QStringLiteral("F4 browses"));
    };
    nameLookup(AHMFileLookup1, labelText("Label1", AHMFileLookup1));
    nameLookup(AHMFolderLookup1, labelText("Label5", AHMFolderLookup1));
    nameLookup(AHMFolderLookup2, labelText("Label2", AHMFolderLookup2));
    suiComboBox1->setAccessibleName(labelText("Label3", suiComboBox1));
    if (QLineEdit* edit = suiComboBox1->lineEdit())
        edit->setAccessibleName(suiComboBox1->accessibleName());
    suiEdit4->setAccessibleName(QStringLiteral("Zoom ratio"));
    suiEdit5->setAccessibleName(labelText("Label8", suiEdit5));
    suiEdit6->setAccessibleName(labelText("Label9", suiEdit6));
    // No label stands beside the bars; their value alone would not say which is which.
    PB1->setAccessibleName(QStringLiteral("Document progress"));
    PB2->setAccessibleName(QStringLiteral("Batch progress"));
}

void TForm1::acceptDropsOnTheWindowOnly()
{
    // The fields would take a dropped file's address as text; the window
    // takes it as a source instead, wherever it is dropped.
    for (QWidget* child : findChildren<QWidget*>())
        child->setAcceptDrops(false);
    setAcceptDrops(true);
}

void TForm1::restoreChoices()
{
    const app::RememberedChoices choices = TakeRememberedChoices();
    if (choices.destination)
        AHMFolderLookup2->setText(*choices.destination);
    if (choices.ripModeText)
        suiComboBox1->setText(*choices.ripModeText);
    if (choices.zoomText)
        suiEdit4->setText(*choices.zoomText);
    if (choices.zoomEnabled)
        suiCheckBox2->setChecked(*choices.zoomEnabled);
    if (choices.authorizationRequired)
        suiCheckBox4->setChecked(*choices.authorizationRequired);
    if (choices.sourceFolder) {
        m_sourceFolder = *choices.sourceFolder;
        AHMFileLookup1->setInitialDir(m_sourceFolder);
        AHMFolderLookup1->setInitialDir(m_sourceFolder);
    }
    // A style whose theme file has gone since leaves the designed look.
    if (choices.style)
        m_look->restore(*choices.style, choices.themeFile.value_or(QString()));
}

void TForm1::saveChoices() const
{
    app::RememberedChoices choices;
    choices.destination = AHMFolderLookup2->text();
    choices.ripModeText = suiComboBox1->currentText();
    choices.zoomText = suiEdit4->text();
    choices.zoomEnabled = suiCheckBox2->checked();
    choices.authorizationRequired = suiCheckBox4->checked();
    // The pickers open where the last source was: the batch folder (without
    // its mask) or the single file's folder.
    QString folder = m_sourceFolder;
    if (!AHMFolderLookup1->text().isEmpty()) {
        const QFileInfo source(AHMFolderLookup1->text());
        folder = source.isDir() ? source.absoluteFilePath() : source.absolutePath();
    } else if (!AHMFileLookup1->text().isEmpty()) {
        folder = QFileInfo(AHMFileLookup1->text()).absolutePath();
    }
    if (!folder.isEmpty())
        choices.sourceFolder = folder;
    choices.style = m_look->choice();
    if (!m_look->themeFile().isEmpty())
        choices.themeFile = m_look->themeFile();
    // Unchanged choices are not written again: every close would otherwise
    // rewrite and flush the file to disk.
    const std::unique_ptr<QSettings> settings = app::OpenSettings();
    if (app::RememberedChoices::load(*settings) != choices)
        choices.save(*settings);
}

void TForm1::openSource(const app::SourceChoice& source)
{
    switch (source.kind) {
    case app::SourceChoice::None:
        return;
    case app::SourceChoice::File:
        // One document replaces a batch chosen before.
        AHMFolderLookup1->setText(QString());
        Label7->setCaption(QString());
        AHMFileLookup1->setText(source.path);
        return;
    case app::SourceChoice::Folder: {
        const QString old = AHMFolderLookup1->text();
        AHMFolderLookup1->setText(source.path);
        AHMFolderLookup1PathChanged(AHMFolderLookup1, old, source.path);
        return;
    }
    }
}

namespace {

app::SourceChoice droppedSource(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return {};
    QStringList paths;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile())
            return {};
        paths << url.toLocalFile();
    }
    return app::SourceFromDrop(paths);
}

} // namespace

void TForm1::dragEnterEvent(QDragEnterEvent* event)
{
    // Refused drags show the no-entry cursor; nothing changes.
    if (!m_running && droppedSource(event->mimeData()).kind != app::SourceChoice::None)
        event->acceptProposedAction();
    else
        event->ignore();
}

void TForm1::dragMoveEvent(QDragMoveEvent* event)
{
    if (!m_running && droppedSource(event->mimeData()).kind != app::SourceChoice::None)
        event->acceptProposedAction();
    else
        event->ignore();
}

void TForm1::dropEvent(QDropEvent* event)
{
    const app::SourceChoice source = droppedSource(event->mimeData());
    if (m_running || source.kind == app::SourceChoice::None) {
        event->ignore();
        return;
    }
    openSource(source);
    event->acceptProposedAction();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (!m_running) {
        saveChoices();
        event->accept();
        return;
    }
    // Never closed under a running conversion: Qt would end every wait of
    // the run as if it were done and the run would go on without its waits.
    event->ignore();
    if (m_quitting)
        return;
    const int answer = runtime::MessageBox(this, StopAndQuitPrompt, runtime::Application::title(),
                                           runtime::MbYesNo | runtime::MbIconQuestion);
    if (answer != runtime::IdYes)
        return;
    if (!m_running) { // the run ended while the question was open
        saveChoices();
        event->accept();
        return;
    }
    m_quitting = true;
    m_driver.cancel();
}

void TForm1::showMessage(const QString& text)
{
    // After "Stop it and quit?" the run ends without a word.
    if (!m_quitting)
        ConversionFrontEnd::showMessage(text);
}

bool TForm1::askToViewResult()
{
    return !m_quitting && ConversionFrontEnd::askToViewResult();
}

convert::ConversionRequest TForm1::gatherRequest() const
{
    convert::ConversionRequest request;
    request.ripModeText = suiComboBox1->currentText();
    const QString home = QDir::homePath();
    request.sourceFile = app::TypedLocalPath(AHMFileLookup1->text(), home);
    request.sourceFolder = app::TypedLocalPath(AHMFolderLookup1->text(), home);
    request.destination = app::TypedLocalPath(AHMFolderLookup2->text(), home);
    request.options.authorizationRequired = suiCheckBox4->checked();
    request.options.ownerPassword = suiEdit5->text();
    request.options.userPassword = suiEdit6->text();
    request.options.zoomEnabled = suiCheckBox2->checked();
    request.options.zoomText = suiEdit4->text();
    return request;
}

void TForm1::suiButton1Click()
{
    // Runs never nest: while one goes on, Start looks disabled and a click
    // that still reaches it is ignored; Cancel stays live.
    if (m_running)
        return;
    m_running = true;
    suiButton1->setEnabled(false);
    struct Finish {
        TForm1* form;
        ~Finish()
        {
            form->m_running = false;
            form->suiButton1->setEnabled(true);
            // The user asked to quit during the run; it has unwound now.
            if (form->m_quitting)
                QTimer::singleShot(0, form, &QWidget::close);
        }
    } finish{this};
    // An error the driver does not catch (a folder that cannot be entered, a
    // word processor that cannot start) ends the run in the application's
    // error box here, before it could unwind through Qt's event delivery.
    try {
        m_driver.start(gatherRequest());
    } catch (const std::exception& error) {
        runtime::Application::handleException(error);
    }
}

void TForm1::suiButton3Click()
{
    m_driver.cancel();
}

void TForm1::suiEdit4Exit()
{
    if (convert::HasPercentageSymbol(suiEdit4->text()))
        return;
    showMessage(convert::NoPercentageMessage);
    suiEdit4->setText(convert::DefaultZoomText);
}

void TForm1::AHMFolderLookup1PathChanged(QObject*, QString, QString)
{
    // Batch work from here on: the folder reads as a folder and a mask, the
    // single file is forgotten and the batch indicator says so.
    AHMFolderLookup1->setText(AHMFolderLookup1->text() + QDir::separator() + QStringLiteral("*.PDF"));
    if (!AHMFileLookup1->text().isEmpty())
        AHMFileLookup1->setText(QString());
    Label7->setCaption(QStringLiteral("Batch Conversion"));
}

void TForm1::setStatus(const QString& text)
{
    Label10->setCaption(text);
}

void TForm1::setDocumentProgress(int percent)
{
    PB1->setPosition(percent);
}

void TForm1::setBatchProgress(int percent)
{
    PB2->setPosition(percent);
}

QStringList TForm1::listDocuments(const QString& folderText, QString& directory)
{
    // The hidden explorer view is the batch's list, as the window shows it;
    // pointing it at the path reads the folder afresh.
    AEV->applyFilePath(folderText);
    directory = AEV->directory();
    return AEV->names();
}

// The pictures and notices lead to this program's user guide; there is no
// web page to send anyone to.
void TForm1::Image1Click()
{
    openGuide();
}
void TForm1::Image2Click()
{
    openGuide();
}
void TForm1::Label11Click()
{
    openGuide();
}
void TForm1::Label12Click()
{
    openGuide();
}

void TForm1::openGuide()
{
    const QString guide = UserGuidePage();
    if (guide.isEmpty()) {
        showMessage(QStringLiteral("The QUARLEX user guide is not installed."));
        return;
    }
    runtime::ShellOpen(guide);
}
