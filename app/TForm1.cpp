#include "app/TForm1.h"

#include "app/UserGuide.h"
#include "convert/Zoom.h"
#include "history/HistoryLocation.h"
#include "pickers/TAHMExplorerView.h"
#include "pickers/TAHMFileLookup.h"
#include "pickers/TAHMFolderLookup.h"
#include "resources/ProgramIcon.h"
#include "runtime/Application.h"
#include "runtime/FormLoader.h"
#include "runtime/RuntimeError.h"
#include "runtime/Shell.h"
#include "runtime/TLabel.h"
#include "skin/chrome/TsuiForm.h"
#include "skin/controls/TsuiButton.h"
#include "skin/controls/TsuiCheckBox.h"
#include "skin/controls/TsuiComboBox.h"
#include "skin/controls/TsuiEdit.h"
#include "skin/controls/TsuiProgressBar.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>

const char* const TForm1::kFormResource = ":/forms/Form1.qxf";

TForm1::TForm1(QWidget* parent)
    : QWidget(parent)
    , m_driver(*this)
    , m_history(history::HistoryFile())
{
    m_driver.setRecorder(&m_history);
    connect(&m_history, &history::HistoryStore::problemFound, this, &TForm1::setStatus);
    runtime::LoadFormFile(this, QString::fromLatin1(kFormResource));
    findComponents();
    setWindowIcon(resources::ProgramIcon());
    setMinimumWidth(270);
    // Placed in the middle of the screen it opens on.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect place(QPoint(), size());
        place.moveCenter(screen->availableGeometry().center());
        move(place.topLeft());
    }
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
    Label7 = component<runtime::TLabel>("Label7");
    Label10 = component<runtime::TLabel>("Label10");
    PB1 = component<TsuiProgressBar>("PB1");
    PB2 = component<TsuiProgressBar>("PB2");
}

convert::ConversionRequest TForm1::gatherRequest() const
{
    convert::ConversionRequest request;
    request.ripModeText = suiComboBox1->currentText();
    request.sourceFile = AHMFileLookup1->text();
    request.sourceFolder = AHMFolderLookup1->text();
    request.destination = AHMFolderLookup2->text();
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
    QStringList names;
    for (int i = 0; i < AEV->count(); ++i)
        names << AEV->item(i)->text();
    return names;
}

// The pictures and notices lead to this program's user guide; there is no
// web page to send anyone to.
void TForm1::Image1Click() { openGuide(); }
void TForm1::Image2Click() { openGuide(); }
void TForm1::Label11Click() { openGuide(); }
void TForm1::Label12Click() { openGuide(); }

void TForm1::openGuide()
{
    const QString guide = UserGuidePage();
    if (guide.isEmpty()) {
        showMessage(QStringLiteral("The QUARLEX user guide is not installed."));
        return;
    }
    runtime::ShellOpen(guide);
}
