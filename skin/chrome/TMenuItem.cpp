#include "skin/chrome/TMenuItem.h"

#include <QMenu>

namespace {

// The menu at the root of the tree, which owns every drop-down widget.
QWidget* RootMenu(QObject* object)
{
    for (; object; object = object->parent())
        if (auto* menu = qobject_cast<QMenu*>(object))
            return menu;
    return nullptr;
}

} // namespace

TMenuItem::TMenuItem(QObject* parent) : QAction(parent)
{
    if (auto* item = qobject_cast<TMenuItem*>(parent))
        item->SubMenu()->addAction(this);
    else if (auto* menu = qobject_cast<QMenu*>(parent))
        menu->addAction(this);
}

void TMenuItem::setCaption(const QString& caption)
{
    setText(caption);
    setSeparator(caption == QLatin1String("-"));
}

QMenu* TMenuItem::SubMenu()
{
    if (!menu()) {
        auto* dropDown = new QMenu(RootMenu(parent()));
        dropDown->setObjectName(objectName() + QStringLiteral("Menu"));
        setMenu(dropDown);
    }
    return menu();
}

void TMenuItem::setShortCut(int code)
{
    m_shortCut = code;
    setShortcut(KeySequenceFromShortCut(code));
}

QKeySequence KeySequenceFromShortCut(int code)
{
    const int vk = code & 0xFF;
    if (vk == 0)
        return QKeySequence();
    int key = vk;
    if (vk >= 0x70 && vk <= 0x87) // F1 to F24
        key = Qt::Key_F1 + (vk - 0x70);
    else if (vk == 0x2E)
        key = Qt::Key_Delete;
    else if (vk == 0x2D)
        key = Qt::Key_Insert;
    int modifiers = 0;
    if (code & 0x2000)
        modifiers |= Qt::SHIFT;
    if (code & 0x4000)
        modifiers |= Qt::CTRL;
    if (code & 0x8000)
        modifiers |= Qt::ALT;
    return QKeySequence(key | modifiers);
}
