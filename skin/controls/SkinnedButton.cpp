#include "skin/controls/SkinnedButton.h"

#include <QKeyEvent>

namespace {

bool isPlainEnter(const QKeyEvent* key)
{
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && !key->modifiers();
}

} // namespace

SkinnedButton::SkinnedButton(QWidget* parent) : QAbstractButton(parent)
{
    // Qt's buttons paint in the button colours; a skinned control shows its
    // parent's face and the font colour, as the form's other controls do.
    setBackgroundRole(QPalette::Window);
    setForegroundRole(QPalette::WindowText);
}

void SkinnedButton::keyPressEvent(QKeyEvent* event)
{
    enterAsSpace(event, [this](QKeyEvent* key) { QAbstractButton::keyPressEvent(key); });
}

void SkinnedButton::keyReleaseEvent(QKeyEvent* event)
{
    enterAsSpace(event, [this](QKeyEvent* key) { QAbstractButton::keyReleaseEvent(key); });
}

void SkinnedButton::enterAsSpace(QKeyEvent* event, const std::function<void(QKeyEvent*)>& handle)
{
    if (!isPlainEnter(event)) {
        handle(event);
        return;
    }
    QKeyEvent space(event->type(), Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), event->isAutoRepeat());
    handle(&space);
    event->setAccepted(space.isAccepted());
}

bool SkinnedButton::event(QEvent* event)
{
    if (event->type() == QEvent::Shortcut) {
        if (isEnabled())
            click();
        return true;
    }
    return QAbstractButton::event(event);
}
