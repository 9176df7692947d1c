#pragma once

#include "convert/ConversionDriver.h"
#include "convert/ConversionFrontEnd.h"
#include "history/HistoryStore.h"

#include <QPointer>
#include <QWidget>

namespace widgets {
class TLabel;
}
class TAHMExplorerView;
class TAHMFileLookup;
class TAHMFolderLookup;
class TsuiButton;
class TsuiCheckBox;
class TsuiComboBox;
class TsuiEdit;
class TsuiForm;
class TsuiProgressBar;
class WindowLook;
class StyleMenu;
class HistoryWindow;

namespace app {
struct SourceChoice;
}

// The main window: a three-step wizard built from its stored form
// description. Start gathers the request from the controls and runs the
// conversion driver with the window as the driver's front end (message
// boxes, status line, both progress bars); the window stays live while
// converters run. It takes a source from the command line or dropped
// on it, remembers the user's choices between runs and wears the look the
// user picks from the window menu.
class TForm1 : public QWidget, public convert::ConversionFrontEnd {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ windowTitle WRITE setWindowTitle)
public:
    // The stored form description the window is built from.
    static const char* const kFormResource;
    // Asked when the window is closed during a run.
    static const QString StopAndQuitPrompt;

    explicit TForm1(QWidget* parent = nullptr);

    // What building the window begins with and needs no fonts for: reading
    // its form and remembered choices and decoding the pictures of its look.
    // Done while the font configuration is still being read, it shortens
    // the building; the next window built takes what was read.
    static void prepare();

    // Everything Start reads, exactly as the controls hold it now.
    convert::ConversionRequest gatherRequest() const;
    bool isRunning() const { return m_running; }
    convert::ConversionDriver& driver() { return m_driver; }

    // Fills the source step as if the user had picked the file or folder
    // (a folder switches to batch work); a source of kind None changes
    // nothing.
    void openSource(const app::SourceChoice& source);
    // Writes the remembered choices to the program's settings.
    void saveChoices() const;

    WindowLook* look() const { return m_look; }
    StyleMenu* styleMenu() const { return m_styleMenu; }
    // Opens the History window ("History..." in the window menu), or brings
    // forward the one already open.
    HistoryWindow* showHistory();

    // The components the handlers work with, found by name once the
    // description has been loaded.
    TsuiForm* suiForm1 = nullptr;
    TAHMFileLookup* AHMFileLookup1 = nullptr;
    TAHMFolderLookup* AHMFolderLookup1 = nullptr;
    TAHMFolderLookup* AHMFolderLookup2 = nullptr;
    TsuiComboBox* suiComboBox1 = nullptr;
    TsuiCheckBox* suiCheckBox2 = nullptr;
    TsuiCheckBox* suiCheckBox4 = nullptr;
    TsuiEdit* suiEdit4 = nullptr;
    TsuiEdit* suiEdit5 = nullptr;
    TsuiEdit* suiEdit6 = nullptr;
    TAHMExplorerView* AEV = nullptr;
    TsuiButton* suiButton1 = nullptr;
    TsuiButton* suiButton3 = nullptr;
    widgets::TLabel* Label7 = nullptr;
    widgets::TLabel* Label10 = nullptr;
    TsuiProgressBar* PB1 = nullptr;
    TsuiProgressBar* PB2 = nullptr;

    // ConversionFrontEnd
    void setStatus(const QString& text) override;
    void setDocumentProgress(int percent) override;
    void setBatchProgress(int percent) override;
    QStringList listDocuments(const QString& folderText, QString& directory) override;
    QWidget* owner() const override { return const_cast<TForm1*>(this); }
    void showMessage(const QString& text) override;
    bool askToViewResult() override;

public slots:
    void suiButton1Click();
    void suiButton3Click();
    void suiEdit4Exit();
    void AHMFolderLookup1PathChanged(QObject* sender, QString oldPath, QString newPath);
    void Image1Click();
    void Image2Click();
    void Label11Click();
    void Label12Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    template <class T>
    T* component(const char* name) const;
    void findComponents();
    void openGuide();
    void nameControls();
    void acceptDropsOnTheWindowOnly();
    void restoreChoices();

    convert::ConversionDriver m_driver;
    bool m_running = false;
    // Every document converted goes into the history; a history that
    // cannot be kept is said once in the status line.
    history::HistoryStore m_history;
    // The user chose to stop the run and quit: the run ends without further
    // boxes and the window closes once it has unwound.
    bool m_quitting = false;
    WindowLook* m_look = nullptr;
    StyleMenu* m_styleMenu = nullptr;
    QPointer<HistoryWindow> m_historyWindow;
    // Where the source pickers open, remembered from the last run.
    QString m_sourceFolder;
};
