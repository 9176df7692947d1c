#pragma once

#include <QAbstractButton>
#include <QPointer>

class FrameMenuBar;
class QAction;

// Lets screen readers see the frame's menu bar as a menu bar of menu
// items; runs once, before the first bar exists.
void InstallMenuBarAccessibility();

// One button of a frame's menu bar, bound to a top-level menu item. A press
// or its Alt+letter accelerator asks the bar to drop the item's menu down;
// the bar knows which menu is open, so painting only reads state.
class MenuBarButton : public QAbstractButton {
    Q_OBJECT
public:
    MenuBarButton(QAction* item, FrameMenuBar* bar);

    QAction* Item() const { return m_item; }
    // Takes the item's caption, enabled state and visibility.
    void Refresh();
    // Its caption's width; the bar's height.
    QSize sizeHint() const override;

signals:
    void openRequested(MenuBarButton* button);

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    FrameMenuBar* m_bar;
    QPointer<QAction> m_item;
};
