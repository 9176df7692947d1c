#include "skin/controls/TsuiComboBox.h"

#include <QLineEdit>

TsuiComboBox::TsuiComboBox(QWidget* parent) : TsuiCustomComboBox(parent)
{
    setMaxVisibleItems(8);
    // Typed text stays as typed; it is not added to the list.
    setInsertPolicy(QComboBox::NoInsert);
}

QStringList TsuiComboBox::items() const
{
    QStringList list;
    for (int i = 0; i < count(); ++i)
        list << itemText(i);
    return list;
}

void TsuiComboBox::setItems(const QStringList& items)
{
    const QString text = currentText();
    clear();
    addItems(items);
    if (m_sorted)
        model()->sort(0);
    setCurrentIndex(-1);
    if (isEditable())
        setEditText(text);
}

void TsuiComboBox::setItemIndex(int index)
{
    setCurrentIndex(index);
    if (index < 0 && isEditable())
        setEditText(QString());
    showTextStart();
}

void TsuiComboBox::showTextStart()
{
    // A text wider than the box shows its beginning, not its end.
    if (QLineEdit* edit = lineEdit())
        edit->setCursorPosition(0);
}

void TsuiComboBox::setText(const QString& text)
{
    if (isEditable()) {
        setEditText(text);
        showTextStart();
        return;
    }
    setCurrentIndex(findText(text));
}

void TsuiComboBox::setSorted(bool sorted)
{
    m_sorted = sorted;
    if (sorted)
        model()->sort(0);
}

QColor TsuiComboBox::color() const
{
    return palette().color(QPalette::Base);
}

void TsuiComboBox::setColor(const QColor& color)
{
    QPalette p = palette();
    p.setColor(QPalette::Base, color);
    setPalette(p);
}
