#include "app/HistoryWindow.h"

#include "app/HistoryMenus.h"
#include "app/HistoryTableModel.h"
#include "app/SourceChoice.h"
#include "app/TForm1.h"
#include "data/SqlDataSet.h"
#include "history/HistoryDatabase.h"
#include "pickers/TAHMFolderLookup.h"
#include "runtime/MessageService.h"
#include "runtime/Shell.h"
#include "skin/chrome/TsuiForm.h"
#include "skin/chrome/TsuiMainMenu.h"
#include "skin/controls/TsuiComboBox.h"
#include "skin/controls/TsuiDBNavigator.h"
#include "skin/controls/TsuiToolBar.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableView>
#include <QVBoxLayout>

using namespace std::chrono_literals;
using Nav = TsuiDBNavigator;

const QString HistoryWindow::Caption = QStringLiteral("QUARLEX History");

namespace {

// Each statement on the file gets this long, however hostile the file.
constexpr auto StatementBudget = 5000ms;
constexpr auto BusyWait = 1000ms;

} // namespace

HistoryWindow::HistoryWindow(const QString& historyFile, MainWindow mainWindow, QWidget* parent)
    : QWidget(parent, parent ? Qt::Window : Qt::WindowFlags())
    , m_mainWindow(std::move(mainWindow))
    , m_dataSet(std::make_unique<data::SqlDataSet>())
{
    setWindowTitle(Caption);
    m_frame = new TsuiForm(this);
    m_frame->setCaption(Caption);
    auto* panel = new QWidget(m_frame);
    m_frame->setFormPanel(panel);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(4, 0, 4, 4);
    layout->setSpacing(3);

    createActions();
    createMenuAndToolBar(panel, layout);

    m_table = new QTableView(panel);
    m_table->setAccessibleName(QStringLiteral("Conversion history"));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Rows are picked whole, so Tab leaves the table for the tool bar and
    // navigator instead of walking its cells.
    m_table->setTabKeyNavigation(false);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(m_table, 1);

    // Browsing and deleting only: entries are what happened, not for editing.
    m_navigator = new TsuiDBNavigator(panel);
    m_navigator->setVisibleButtons(Nav::nbFirst | Nav::nbPrior | Nav::nbNext | Nav::nbLast | Nav::nbDelete
                                   | Nav::nbRefresh);
    m_navigator->setFixedHeight(25);
    m_navigator->setAccessibleName(QStringLiteral("History navigator"));
    m_navigator->setDataSource(m_dataSet.get());
    connect(m_navigator, &TsuiDBNavigator::beforeAction, this, &HistoryWindow::grantBudget);
    layout->addWidget(m_navigator);

    m_status = new QLabel(panel);
    m_status->setAccessibleName(QStringLiteral("Status"));
    m_status->setWordWrap(true);
    layout->addWidget(m_status);

    setTabOrder(m_table, m_navigator);
    // The window opens on the table, not on the tool bar ahead of it.
    m_table->setFocus();
    connect(m_dataSet.get(), &data::SqlDataSet::changed, this, &HistoryWindow::showCurrentRow);
    resize(760, 420);
    m_historyFile = historyFile;
    open(historyFile);
    updateActions();
}

HistoryWindow::~HistoryWindow()
{
    // The view lets go of the rows before they and their connection go.
    m_table->setModel(nullptr);
    m_navigator->setDataSource(nullptr);
}

void HistoryWindow::setUIStyle(TsuiUIStyle style)
{
    m_frame->setUIStyle(style);
    m_menu->setUIStyle(style);
    m_toolBar->setUIStyle(style);
    m_navigator->setUIStyle(style);
}

QString HistoryWindow::statusText() const
{
    return m_status->text();
}

void HistoryWindow::createActions()
{
    const auto add = [this](Command command, const QString& text, auto handler) {
        auto* action = new QAction(text, this);
        connect(action, &QAction::triggered, this, handler);
        m_actions[command] = action;
        return action;
    };
    add(OpenResult, QStringLiteral("&Open result"), &HistoryWindow::openResult);
    add(OpenFolder, QStringLiteral("Open &folder"), &HistoryWindow::openFolder);
    add(ConvertAgain, QStringLiteral("Convert &again"), &HistoryWindow::convertAgain);
    add(Close, QStringLiteral("&Close"), &QWidget::close)->setShortcut(QKeySequence::Close);
    add(Delete, QStringLiteral("&Delete"), &HistoryWindow::deleteRecord)->setShortcut(QKeySequence::Delete);
    add(ClearHistory, QStringLiteral("C&lear history..."), &HistoryWindow::clearHistory);
    for (const auto& [command, action] : m_actions)
        addAction(action); // shortcuts work wherever the focus is in the window
}

void HistoryWindow::open(const QString& path)
{
    if (path.isEmpty())
        return refuse(QStringLiteral("Conversion history is turned off (QUARLEX_HISTORY is empty)."));
    // Looking must not create the file.
    if (!QFileInfo::exists(path))
        return refuse(QStringLiteral("No conversions recorded yet (%1).").arg(path));
    m_database = std::make_unique<history::HistoryDatabase>(path, history::HistoryDatabase::Access::ReadWrite);
    if (!m_database->isOpen())
        return refuse(QStringLiteral("Cannot open the history %1: %2").arg(path, m_database->error()));
    grantBudget();
    history::HistoryDatabase::Layout layout;
    int version = 0;
    if (!m_database->readLayout(layout, version))
        return refuse(QStringLiteral("Cannot read the history %1: %2").arg(path, m_database->error()));
    switch (layout) {
    case history::HistoryDatabase::Layout::Empty:
        return refuse(QStringLiteral("No conversions recorded yet (%1).").arg(path));
    case history::HistoryDatabase::Layout::Newer:
        return refuse(QStringLiteral("The history %1 was written by a newer QUARLEX (layout %2); it is left as it is.")
                          .arg(path)
                          .arg(version));
    case history::HistoryDatabase::Layout::Foreign:
        return refuse(QStringLiteral("%1 is not a QUARLEX history; it is left as it is.").arg(path));
    case history::HistoryDatabase::Layout::Current:
        break;
    }
    m_model = std::make_unique<HistoryTableModel>(m_database->database(), [this] { grantBudget(); });
    m_model->setTable(QStringLiteral("conversions"));
    m_dataSet->setModel(m_model.get());
    try {
        m_dataSet->setActive(true);
    } catch (const std::exception&) {
        return refuse(QStringLiteral("Cannot read the history %1: %2").arg(path, m_model->lastError().text()));
    }
    m_table->setModel(m_model.get());
    m_table->hideColumn(m_model->column("id"));
    m_table->resizeColumnsToContents();
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { followTable(current.row()); });
    m_status->setText(QStringLiteral("History: %1").arg(path));
    showCurrentRow();
}

void HistoryWindow::refuse(const QString& why)
{
    m_status->setText(why);
    // A table already made keeps its connection until it goes.
    if (!m_model)
        m_database.reset();
}

void HistoryWindow::grantBudget()
{
    if (m_database)
        m_database->limit(StatementBudget, BusyWait);
}

QString HistoryWindow::currentValue(const char* field) const
{
    const int row = m_dataSet->currentRow();
    if (!m_model || !m_dataSet->isActive() || row < 0)
        return {};
    return m_model->QSqlTableModel::data(m_model->index(row, m_model->column(field))).toString();
}

void HistoryWindow::showCurrentRow()
{
    const int row = m_dataSet->currentRow();
    if (m_table->model() && row >= 0 && m_table->currentIndex().row() != row) {
        m_following = true;
        m_table->selectRow(row);
        m_following = false;
    }
    updateActions();
}

void HistoryWindow::followTable(int row)
{
    if (m_following || row < 0 || row == m_dataSet->currentRow())
        return;
    try {
        m_dataSet->moveToRow(row);
    } catch (const std::exception& error) {
        m_status->setText(QString::fromLocal8Bit(error.what()));
    }
}

void HistoryWindow::updateActions()
{
    const bool hasRow = m_dataSet->isActive() && m_dataSet->currentRow() >= 0;
    m_actions[OpenResult]->setEnabled(hasRow && !currentValue("output").isEmpty());
    for (Command command : {OpenFolder, ConvertAgain, Delete, ClearHistory})
        m_actions[command]->setEnabled(hasRow);
}

void HistoryWindow::createMenuAndToolBar(QWidget* panel, QVBoxLayout* layout)
{
    m_menu = CreateHistoryMainMenu(this, m_frame, m_actions);
    m_toolBar = CreateHistoryToolBar(panel, m_actions);
    layout->addWidget(m_toolBar);
}

void HistoryWindow::openResult()
{
    openWithDesktop(currentValue("output"));
}

void HistoryWindow::openFolder()
{
    const QString output = currentValue("output");
    openWithDesktop(output.isEmpty() ? currentValue("destination") : QFileInfo(output).absolutePath());
}

void HistoryWindow::openWithDesktop(const QString& path)
{
    // The path comes from a file anyone may have edited: only an existing
    // local file or folder goes to the desktop, never an address or a
    // relative name.
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isAbsolute() || !info.exists())
        return m_status->setText(QStringLiteral("%1 is no longer there.").arg(path));
    m_status->setText(runtime::ShellOpen(path) ? QStringLiteral("Opened %1.").arg(path)
                                               : QStringLiteral("The desktop could not open %1.").arg(path));
}

void HistoryWindow::convertAgain()
{
    if (m_dataSet->currentRow() < 0 || !m_mainWindow)
        return;
    TForm1* main = m_mainWindow();
    if (!main)
        return;
    if (main->isRunning())
        return m_status->setText(
            QStringLiteral("A conversion is running in the main window; try again when it has ended."));
    main->openSource(app::SourceFromArgument(currentValue("source"), QDir::rootPath()));
    main->suiComboBox1->setText(currentValue("mode"));
    main->AHMFolderLookup2->setText(currentValue("destination"));
    main->show();
    main->raise();
    main->activateWindow();
    m_status->setText(QStringLiteral("The main window holds %1 again.").arg(currentValue("source")));
}

void HistoryWindow::deleteRecord()
{
    if (!m_actions[Delete]->isEnabled())
        return;
    // The navigator asks "Delete record?" first.
    try {
        m_navigator->BtnClick(SuiNavigator::nbDelete);
    } catch (const std::exception& error) {
        m_status->setText(QStringLiteral("Cannot delete the entry: %1").arg(QString::fromLocal8Bit(error.what())));
    }
}

void HistoryWindow::reload()
{
    if (!m_dataSet->isActive()) {
        if (!m_model) {
            open(m_historyFile);
            updateActions();
        }
        return;
    }
    // The table's model grants each of its statements their time.
    try {
        m_dataSet->refresh();
    } catch (const std::exception& error) {
        m_status->setText(QString::fromLocal8Bit(error.what()));
    }
}

void HistoryWindow::clearHistory()
{
    if (!m_dataSet->isActive())
        return;
    const int answer = runtime::MessageBox(this, QStringLiteral("Delete every entry of the conversion history?"),
                                           Caption, runtime::MbYesNo | runtime::MbIconQuestion);
    if (answer != runtime::IdYes)
        return;
    grantBudget();
    QSqlQuery query(m_database->database());
    const bool cleared = query.exec(QStringLiteral("DELETE FROM conversions"));
    reload();
    if (!cleared)
        m_status->setText(QStringLiteral("Cannot clear the history: %1").arg(query.lastError().text()));
}
