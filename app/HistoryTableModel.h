#pragma once

#include <QSqlTableModel>

#include <functional>

// The `conversions` table as the History window shows it: newest first,
// with column titles for people, and failed conversions marked in colour,
// with an icon and in the text assistive technology reads. The file is
// untrusted and its connection gives every statement a time budget, so
// `beforeQuery` runs before each read or write to grant a fresh one.
class HistoryTableModel : public QSqlTableModel {
    Q_OBJECT
public:
    HistoryTableModel(const QSqlDatabase& database, std::function<void()> beforeQuery);

    // The table's columns in the order shown; the key column is hidden.
    int column(const char* field) const { return fieldIndex(QLatin1String(field)); }
    bool isFailed(int row) const;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool select() override;
    void fetchMore(const QModelIndex& parent = QModelIndex()) override;

protected:
    QString orderByClause() const override;
    bool deleteRowFromTable(int row) override;

private:
    std::function<void()> m_beforeQuery;
};
