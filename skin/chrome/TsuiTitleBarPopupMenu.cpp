#include "skin/chrome/TsuiTitleBarPopupMenu.h"

TsuiTitleBarPopupMenu::TsuiTitleBarPopupMenu(QWidget* owner) : TsuiPopupMenu(owner)
{
    addAction(QStringLiteral("Mi&nimize"));
    addAction(QStringLiteral("Ma&ximize/Restore"));
    addSeparator()->setText(QStringLiteral("-"));
    addAction(QStringLiteral("&Close"));
    InstallItemHandlers();
}

void TsuiTitleBarPopupMenu::Popup(QPoint global, bool canMinimize, bool canMaximize, bool canClose)
{
    MinimizeItem()->setEnabled(canMinimize);
    MaximizeItem()->setEnabled(canMaximize);
    CloseItem()->setEnabled(canClose);
    popup(global);
}
