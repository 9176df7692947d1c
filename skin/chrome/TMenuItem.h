#pragma once

#include <QAction>

class QMenu;

// A menu item as a stored form writes one: nested inside its main menu or
// inside the item whose drop-down it belongs to, in menu order.
class TMenuItem : public QAction {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ text WRITE setCaption)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(bool Visible READ isVisible WRITE setVisible)
    Q_PROPERTY(bool Checked READ isChecked WRITE setChecked)
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE setImageIndex)
    Q_PROPERTY(int ShortCut READ ShortCut WRITE setShortCut)

public:
    explicit TMenuItem(QObject* parent = nullptr);

    void setCaption(const QString& caption);
    // Read by the main menu through the ImageIndex property, which plain
    // actions may carry as a dynamic property.
    int ImageIndex() const { return m_imageIndex; }
    void setImageIndex(int index) { m_imageIndex = index; }
    // The stored shortcut code: a key code in the low byte, 0x2000 Shift,
    // 0x4000 Ctrl, 0x8000 Alt.
    int ShortCut() const { return m_shortCut; }
    void setShortCut(int code);

    // The drop-down this item opens, made when its first sub-item arrives.
    QMenu* SubMenu();

private:
    int m_shortCut = 0;
    int m_imageIndex = -1;
};

// The key sequence of a stored shortcut code; empty for 0.
QKeySequence KeySequenceFromShortCut(int code);
