#include "data/SqlDataSet.h"

#include "runtime/RuntimeError.h"

#include <QSqlError>
#include <QSqlIndex>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlTableModel>

#include <algorithm>

namespace data {

namespace {

[[noreturn]] void raise(const QString& text)
{
    throw runtime::RuntimeError(text);
}

} // namespace

SqlDataSet::SqlDataSet(QObject* parent) : QObject(parent)
{
    m_mapper.setSubmitPolicy(QDataWidgetMapper::ManualSubmit);
}

void SqlDataSet::setModel(QSqlTableModel* model)
{
    if (model == m_model)
        return;
    setActive(false);
    m_model = model;
    if (model) {
        model->setEditStrategy(QSqlTableModel::OnManualSubmit);
        m_mapper.setModel(model);
    }
}

void SqlDataSet::setActive(bool active)
{
    if (active == isActive())
        return;
    if (!active) {
        // Closing drops what was not posted, as a closed table has no row
        // to keep it in.
        if (m_model)
            m_model->revertAll();
        setState(State::Inactive, -1);
        return;
    }
    if (!m_model)
        raise(QStringLiteral("The data set has no table to open"));
    if (!m_model->select())
        raise(m_model->lastError().text());
    setState(State::Browse, m_model->rowCount() > 0 ? 0 : -1);
}

void SqlDataSet::setReadOnly(bool readOnly)
{
    if (readOnly == m_readOnly)
        return;
    if (readOnly && isEditing())
        cancel();
    m_readOnly = readOnly;
    emit changed();
}

bool SqlDataSet::atBeginning() const
{
    return m_row <= 0;
}

bool SqlDataSet::atEnd() const
{
    return m_row < 0 || (m_row >= m_model->rowCount() - 1 && !m_model->canFetchMore());
}

void SqlDataSet::requireActive() const
{
    if (!isActive())
        raise(QStringLiteral("Cannot perform this operation on a closed data set"));
}

void SqlDataSet::requireModifiable() const
{
    requireActive();
    if (m_readOnly)
        raise(QStringLiteral("Cannot modify a read-only data set"));
}

void SqlDataSet::setState(State state, int row)
{
    m_state = state;
    m_row = row;
    if (row >= 0)
        m_mapper.setCurrentIndex(row);
    emit changed();
}

void SqlDataSet::moveTo(int row)
{
    if (row != m_row || m_state != State::Browse)
        setState(State::Browse, row);
}

void SqlDataSet::first()
{
    requireActive();
    post();
    moveTo(m_model->rowCount() > 0 ? 0 : -1);
}

void SqlDataSet::prior()
{
    requireActive();
    post();
    moveTo(m_row > 0 ? m_row - 1 : m_row);
}

void SqlDataSet::next()
{
    requireActive();
    post();
    if (m_row + 1 >= m_model->rowCount() && m_model->canFetchMore())
        m_model->fetchMore();
    moveTo(m_row + 1 < m_model->rowCount() ? m_row + 1 : m_row);
}

void SqlDataSet::last()
{
    requireActive();
    post();
    while (m_model->canFetchMore())
        m_model->fetchMore();
    moveTo(m_model->rowCount() - 1);
}

void SqlDataSet::insert()
{
    requireModifiable();
    post();
    const int row = std::max(m_row, 0);
    if (!m_model->insertRow(row))
        raise(m_model->lastError().text());
    m_rowBeforeInsert = m_row;
    setState(State::Insert, row);
}

void SqlDataSet::edit()
{
    requireModifiable();
    if (isEditing())
        return;
    if (m_row < 0) {
        insert();
        return;
    }
    setState(State::Edit, m_row);
}

QVariant SqlDataSet::value(const QString& field) const
{
    if (m_row < 0)
        return {};
    return m_model->data(m_model->index(m_row, m_model->fieldIndex(field)), Qt::EditRole);
}

void SqlDataSet::setValue(const QString& field, const QVariant& value)
{
    if (!isEditing())
        raise(QStringLiteral("The data set is not being edited"));
    if (!m_model->setData(m_model->index(m_row, m_model->fieldIndex(field)), value))
        raise(QStringLiteral("The data set has no field named ") + field);
}

void SqlDataSet::post()
{
    if (!isEditing())
        return;
    m_mapper.submit();
    QVariantList key = keyOf(m_row);
    if (!m_model->submitAll())
        raise(m_model->lastError().text());
    // A new row of a table keyed by its row id learns its key only now.
    if (m_state == State::Insert && key.size() == 1 && key[0].isNull()) {
        QSqlQuery query(m_model->database());
        if (query.exec(QStringLiteral("SELECT last_insert_rowid()")) && query.next())
            key[0] = query.value(0);
    }
    const int row = rowOf(key);
    setState(State::Browse, row >= 0 ? row : clampRow(m_row));
}

void SqlDataSet::cancel()
{
    if (!isEditing())
        return;
    const int row = m_state == State::Insert ? m_rowBeforeInsert : m_row;
    m_model->revertAll();
    m_mapper.revert();
    setState(State::Browse, clampRow(row));
}

void SqlDataSet::remove()
{
    requireModifiable();
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    cancel();
    if (m_row < 0)
        raise(QStringLiteral("Cannot perform this operation on an empty data set"));
    if (!m_model->removeRow(m_row) || !m_model->submitAll()) {
        const QString error = m_model->lastError().text();
        m_model->revertAll();
        raise(error);
    }
    setState(State::Browse, clampRow(m_row));
}

void SqlDataSet::refresh()
{
    requireActive();
    post();
    const QVariantList key = keyOf(m_row);
    if (!m_model->select())
        raise(m_model->lastError().text());
    const int row = rowOf(key);
    setState(State::Browse, row >= 0 ? row : clampRow(m_row));
}

void SqlDataSet::moveToRow(int row)
{
    requireActive();
    if (row == m_row && m_state == State::Browse)
        return;
    post();
    moveTo(clampRow(row));
}

int SqlDataSet::clampRow(int row) const
{
    return m_model->rowCount() > 0 ? std::clamp(row, 0, m_model->rowCount() - 1) : -1;
}

QVariantList SqlDataSet::keyOf(int row) const
{
    QVariantList key;
    if (row < 0)
        return key;
    const QSqlIndex primary = m_model->primaryKey();
    for (int i = 0; i < primary.count(); ++i)
        key << m_model->data(m_model->index(row, m_model->fieldIndex(primary.fieldName(i))), Qt::EditRole);
    return key;
}

int SqlDataSet::rowOf(const QVariantList& key)
{
    if (key.isEmpty())
        return -1;
    for (int row = 0;; ++row) {
        if (row >= m_model->rowCount()) {
            if (!m_model->canFetchMore())
                return -1;
            m_model->fetchMore();
            if (row >= m_model->rowCount())
                return -1;
        }
        if (keyOf(row) == key)
            return row;
    }
}

} // namespace data
