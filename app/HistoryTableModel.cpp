#include "app/HistoryTableModel.h"

#include "convert/DocumentRecord.h"

#include <QApplication>
#include <QColor>
#include <QDateTime>
#include <QSqlRecord>
#include <QStyle>

namespace {

const QColor FailedColor(0xb0, 0x10, 0x20);

const struct {
    const char* field;
    const char* title;
} Titles[] = {
    {"started_at", "Started"}, {"source", "Source"},   {"mode", "Mode"},     {"destination", "Destination"},
    {"output", "Output"},      {"outcome", "Outcome"}, {"reason", "Reason"}, {"duration_ms", "Duration (ms)"},
};

// Start times are stored in UTC; the window shows them in the user's own
// time. A value that is not a time (the file is not trusted) shows as stored.
QString LocalTimeText(const QString& storedUtc)
{
    const QDateTime time = QDateTime::fromString(storedUtc, Qt::ISODateWithMs);
    return time.isValid() ? time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : storedUtc;
}

} // namespace

HistoryTableModel::HistoryTableModel(const QSqlDatabase& database, std::function<void()> beforeQuery)
    : QSqlTableModel(nullptr, database)
    , m_beforeQuery(std::move(beforeQuery))
{
}

bool HistoryTableModel::isFailed(int row) const
{
    return QSqlTableModel::data(index(row, column("outcome"))).toString()
        == convert::OutcomeText(convert::DocumentRecord::Outcome::Failed);
}

QVariant HistoryTableModel::data(const QModelIndex& index, int role) const
{
    // The exact stored time stays one hover away.
    if (index.isValid() && index.column() == column("started_at")
        && (role == Qt::DisplayRole || role == Qt::ToolTipRole)) {
        const QString stored = QSqlTableModel::data(index, Qt::DisplayRole).toString();
        return role == Qt::DisplayRole ? LocalTimeText(stored) : stored;
    }
    if (!index.isValid() || !isFailed(index.row()))
        return QSqlTableModel::data(index, role);
    switch (role) {
    case Qt::ForegroundRole:
        return FailedColor;
    case Qt::DecorationRole:
        if (index.column() == column("outcome"))
            return QApplication::style()->standardIcon(QStyle::SP_MessageBoxCritical);
        break;
    case Qt::AccessibleTextRole:
    case Qt::ToolTipRole:
        // Colour and icon are lost on a screen reader; the row says it.
        if (index.column() == column("outcome"))
            return QStringLiteral("Failed: %1")
                .arg(QSqlTableModel::data(this->index(index.row(), column("reason"))).toString());
        break;
    default:
        break;
    }
    return QSqlTableModel::data(index, role);
}

QVariant HistoryTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        const QString field = record().fieldName(section);
        for (const auto& title : Titles) {
            if (field == QLatin1String(title.field))
                return QString::fromLatin1(title.title);
        }
    }
    return QSqlTableModel::headerData(section, orientation, role);
}

bool HistoryTableModel::select()
{
    m_beforeQuery();
    return QSqlTableModel::select();
}

void HistoryTableModel::fetchMore(const QModelIndex& parent)
{
    m_beforeQuery();
    QSqlTableModel::fetchMore(parent);
}

QString HistoryTableModel::orderByClause() const
{
    // Insertion order: newest first without trusting the clock texts, and
    // without a sort over a file of any size.
    return QStringLiteral("ORDER BY rowid DESC");
}

bool HistoryTableModel::deleteRowFromTable(int row)
{
    m_beforeQuery();
    return QSqlTableModel::deleteRowFromTable(row);
}
