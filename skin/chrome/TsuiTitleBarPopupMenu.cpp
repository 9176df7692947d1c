#include "skin/chrome/TsuiTitleBarPopupMenu.h"

#include "skin/chrome/TsuiTitleBar.h"
#include "skin/chrome/WindowActions.h"

TsuiTitleBarPopupMenu::TsuiTitleBarPopupMenu(TsuiTitleBar* titleBar)
    : TsuiPopupMenu(titleBar), m_titleBar(titleBar)
{
    addAction(QStringLiteral("Mi&nimize"), this, [this] {
        if (QWidget* host = m_titleBar->HostForm())
            chrome::MinimizeWindow(host);
    });
    addAction(QStringLiteral("Ma&ximize/Restore"), this, [this] {
        TsuiTitleBarButtons& buttons = m_titleBar->Buttons();
        for (int i = 0; i < buttons.Count(); ++i)
            if (buttons[i]->ButtonType() == suiMax)
                buttons[i]->DoClick();
    });
    addSeparator()->setText(QStringLiteral("-"));
    addAction(QStringLiteral("&Close"), this, [this] {
        if (QWidget* host = m_titleBar->HostForm())
            host->close();
    });
    InstallItemHandlers();
}

void TsuiTitleBarPopupMenu::Popup(QPoint global)
{
    bool hasMin = false;
    bool hasMax = false;
    bool hasClose = false;
    // Hidden buttons count as well: the menu offers what the bar can do.
    TsuiTitleBarButtons& buttons = m_titleBar->Buttons();
    for (int i = 0; i < buttons.Count(); ++i) {
        hasMin |= buttons[i]->ButtonType() == suiMin;
        hasMax |= buttons[i]->ButtonType() == suiMax;
        hasClose |= buttons[i]->ButtonType() == suiClose;
    }
    MinimizeItem()->setEnabled(hasMin);
    MaximizeItem()->setEnabled(hasMax);
    CloseItem()->setEnabled(hasClose);
    popup(global);
}
