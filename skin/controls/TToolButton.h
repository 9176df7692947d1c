#pragma once

#include <QAction>
#include <QMenu>

// A tool bar button as a stored form writes one, nested in its tool bar
// in button order.
class TToolButton : public QAction {
    Q_OBJECT
public:
    enum TToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };
    Q_ENUM(TToolButtonStyle)

private:
    Q_PROPERTY(QString Caption READ text WRITE setText)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(bool Down READ isChecked WRITE setChecked)
    Q_PROPERTY(TToolButtonStyle Style READ Style WRITE setStyle)
    Q_PROPERTY(QMenu* DropdownMenu READ menu WRITE setMenu)

public:
    explicit TToolButton(QObject* parent = nullptr);

    TToolButtonStyle Style() const { return m_style; }
    void setStyle(TToolButtonStyle style);
    // Drop-down buttons get the arrow part whether or not a menu is set.
    bool IsDropDown() const { return m_style == tbsDropDown; }

private:
    TToolButtonStyle m_style = tbsButton;
};
