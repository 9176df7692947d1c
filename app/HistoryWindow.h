#pragma once

#include "skin/theme/UIStyle.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>

class QAction;
class QLabel;
class QTableView;
class QVBoxLayout;
class TForm1;
class TsuiDBNavigator;
class TsuiForm;
class TsuiMainMenu;
class TsuiToolBar;
class HistoryTableModel;
namespace data {
class SqlDataSet;
}
namespace history {
class HistoryDatabase;
}

// The conversion History window: the entries of the history file, newest
// first, in a table with a data navigator over it, and the commands to open
// an entry's result or folder, to fill the main window with it again, and
// to delete entries. The file is untrusted: one that is off, missing,
// unreadable or from a newer QUARLEX leaves the table empty and says why
// in the status line.
class HistoryWindow : public QWidget {
    Q_OBJECT
public:
    static const QString Caption;
    enum Command { OpenResult, OpenFolder, ConvertAgain, Close, Delete, ClearHistory };
    // The main window "Convert again" fills, created on demand when the
    // window was opened on its own.
    using MainWindow = std::function<TForm1*()>;

    // An empty path means history is off.
    HistoryWindow(const QString& historyFile, MainWindow mainWindow, QWidget* parent = nullptr);
    ~HistoryWindow() override;

    TsuiForm* frame() const { return m_frame; }
    // Frame, menu, tool bar and navigator wear `style`, as the main
    // window's parts do.
    void setUIStyle(TsuiUIStyle style);
    QTableView* table() const { return m_table; }
    TsuiDBNavigator* navigator() const { return m_navigator; }
    data::SqlDataSet* dataSet() const { return m_dataSet.get(); }
    QAction* action(Command command) const { return m_actions.at(command); }
    QString statusText() const;

    void openResult();
    void openFolder();
    void convertAgain();
    void deleteRecord();
    void clearHistory();
    // Reads the file again, keeping the current entry where it still is; a
    // file that had no conversions yet is opened now.
    void reload();

private:
    void createActions();
    void createMenuAndToolBar(QWidget* panel, QVBoxLayout* layout);
    void open(const QString& path);
    void refuse(const QString& why);
    void grantBudget();
    QString currentValue(const char* field) const;
    void showCurrentRow();
    void followTable(int row);
    void updateActions();
    void openWithDesktop(const QString& path);

    MainWindow m_mainWindow;
    QString m_historyFile;
    TsuiForm* m_frame = nullptr;
    TsuiMainMenu* m_menu = nullptr;
    TsuiToolBar* m_toolBar = nullptr;
    QTableView* m_table = nullptr;
    TsuiDBNavigator* m_navigator = nullptr;
    QLabel* m_status = nullptr;
    std::map<Command, QAction*> m_actions;
    // Declared in the order they depend on each other, so the table goes
    // before its connection.
    std::unique_ptr<history::HistoryDatabase> m_database;
    std::unique_ptr<HistoryTableModel> m_model;
    std::unique_ptr<data::SqlDataSet> m_dataSet;
    bool m_following = false;
};
