#pragma once

#include <QDataWidgetMapper>
#include <QObject>
#include <QPointer>
#include <QVariant>

#include <QSqlTableModel>

namespace data {

// The data-set side of the runtime: a table model with a current row, the
// states a navigator shows (active, at beginning, at end, can modify,
// editing) and the operations it calls. Editing works on the current row
// through the model's pending changes (and through the widgets bound to
// mapper()); post writes them to the database, cancel drops them. Moving,
// inserting or refreshing while editing posts first, so nothing typed is
// dropped silently. Failures of the database raise runtime::RuntimeError
// with the driver's text and leave the state as it was.
class SqlDataSet : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool active READ isActive WRITE setActive NOTIFY changed)
    Q_PROPERTY(bool readOnly READ isReadOnly WRITE setReadOnly NOTIFY changed)
public:
    enum class State { Inactive, Browse, Edit, Insert };
    Q_ENUM(State)

    explicit SqlDataSet(QObject* parent = nullptr);

    // The table, owned by the caller; its edit strategy becomes manual, so
    // only post writes.
    void setModel(QSqlTableModel* model);
    QSqlTableModel* model() const { return m_model; }
    // Follows the current row; bind editors to it.
    QDataWidgetMapper* mapper() { return &m_mapper; }

    bool isActive() const { return m_state != State::Inactive; }
    void setActive(bool active);
    bool isReadOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly);

    State state() const { return m_state; }
    bool isEditing() const { return m_state == State::Edit || m_state == State::Insert; }
    bool canModify() const { return isActive() && !m_readOnly; }
    // An empty or inactive data set is at both ends.
    bool atBeginning() const;
    bool atEnd() const;
    int currentRow() const { return m_row; }

    QVariant value(const QString& field) const;
    // Only while editing.
    void setValue(const QString& field, const QVariant& value);

    void first();
    void prior();
    void next();
    void last();
    void insert();
    void remove();
    void edit();
    void post();
    void cancel();
    void refresh();
    // Makes `row` current (clamped to the rows there are), as a table view
    // beside the navigator does when the user clicks a row.
    void moveToRow(int row);

signals:
    // Any change of state, position or rows.
    void changed();

private:
    void requireActive() const;
    void requireModifiable() const;
    void moveTo(int row);
    void setState(State state, int row);
    // The primary-key values of a row, to find it again after a re-read.
    QVariantList keyOf(int row) const;
    int rowOf(const QVariantList& key);
    // The nearest existing row, -1 when there is none.
    int clampRow(int row) const;

    QPointer<QSqlTableModel> m_model;
    QDataWidgetMapper m_mapper;
    State m_state = State::Inactive;
    bool m_readOnly = false;
    int m_row = -1;
    int m_rowBeforeInsert = -1;
};

} // namespace data
