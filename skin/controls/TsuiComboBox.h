#pragma once

#include "skin/controls/TsuiCustomComboBox.h"

#include <QStringList>

// The published combo box: the native combo box's usual properties under
// their stored names.
class TsuiComboBox : public TsuiCustomComboBox {
    Q_OBJECT
    Q_PROPERTY(SuiControls::TComboBoxStyle Style READ comboStyle WRITE setComboStyle)
    Q_PROPERTY(QStringList Items READ items WRITE setItems)
    Q_PROPERTY(int ItemIndex READ currentIndex WRITE setItemIndex)
    Q_PROPERTY(QString Text READ currentText WRITE setText)
    Q_PROPERTY(int DropDownCount READ maxVisibleItems WRITE setMaxVisibleItems)
    Q_PROPERTY(bool Sorted READ sorted WRITE setSorted)
    Q_PROPERTY(QColor Color READ color WRITE setColor)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(bool Visible READ isVisible WRITE setVisible)
    Q_PROPERTY(bool TabStop READ tabStop WRITE setTabStop)
    Q_PROPERTY(int ItemHeight READ itemHeight WRITE setItemHeight)

public:
    explicit TsuiComboBox(QWidget* parent = nullptr);

    QStringList items() const;
    void setItems(const QStringList& items);
    // -1 clears the selection (and the text).
    void setItemIndex(int index);
    void setText(const QString& text);
    // Kept for stored forms; the list sizes its rows from the font.
    int itemHeight() const { return m_itemHeight; }
    void setItemHeight(int height) { m_itemHeight = height; }
    bool sorted() const { return m_sorted; }
    void setSorted(bool sorted);
    QColor color() const;
    void setColor(const QColor& color);
    bool tabStop() const { return focusPolicy() != Qt::NoFocus && focusPolicy() != Qt::ClickFocus; }
    void setTabStop(bool tabStop) { setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus); }

private:
    void showTextStart();

    bool m_sorted = false;
    int m_itemHeight = 13;
};
