#pragma once

#include <QAbstractButton>

#include <functional>

// What the skinned push button and check box add alike to Qt's button
// machinery: Enter works the focused button as Space does, and the
// caption's accelerator clicks at once (Qt animates a click that lands a
// moment later, which stored forms' handlers do not expect).
class SkinnedButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit SkinnedButton(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    void enterAsSpace(QKeyEvent* event, const std::function<void(QKeyEvent*)>& handle);
};
