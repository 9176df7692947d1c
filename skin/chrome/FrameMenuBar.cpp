#include "skin/chrome/FrameMenuBar.h"

#include "runtime/BitmapResource.h"
#include "skin/chrome/MenuBarButton.h"
#include "skin/chrome/TsuiMainMenu.h"
#include "skin/theme/Look.h"
#include "skin/theme/MenuDrawing.h"

#include <QKeyEvent>
#include <QMouseEvent>

FrameMenuBar::FrameMenuBar(QWidget* frame) : QWidget((InstallMenuBarAccessibility(), frame))
{
    setObjectName(QStringLiteral("MenuBar"));
    resize(frame ? frame->width() : 0, 22);
    UpdateMenuBarFont();
}

TsuiMainMenu* FrameMenuBar::mainMenu() const
{
    return qobject_cast<TsuiMainMenu*>(m_menu.data());
}

void FrameMenuBar::setMenu(QMenu* menu)
{
    for (const auto& c : m_menuWatch)
        disconnect(c);
    m_menuWatch.clear();
    m_menu = menu;
    if (TsuiMainMenu* main = mainMenu()) {
        m_menuWatch << connect(main, &TsuiMainMenu::itemsRebuilt, this, &FrameMenuBar::RebuildMenuBar)
                    << connect(main, &TsuiMainMenu::itemsChanged, this, &FrameMenuBar::RefreshMenuBarButtons)
                    << connect(main, &TsuiMainMenu::barLookChanged, this, &FrameMenuBar::UpdateMenuBarFont);
        main->InstallDropDownSkins();
    }
    UpdateMenuBarFont();
    RebuildMenuBar();
}

void FrameMenuBar::setFrameStyle(TsuiUIStyle style, TsuiFileTheme* fileTheme)
{
    m_frameStyle = style;
    m_frameTheme = fileTheme;
    if (TsuiMainMenu* main = mainMenu()) {
        main->setUIStyle(style);
        main->setFileTheme(fileTheme);
    }
    UpdateMenuBarFont();
}

void FrameMenuBar::setBarColor(runtime::TColor color)
{
    if (m_look.barColor == color)
        return;
    m_look.barColor = color;
    update();
}

void FrameMenuBar::setBarHeight(int height)
{
    resize(width(), height);
    layoutButtons();
}

void FrameMenuBar::RebuildMenuBar()
{
    if (m_openMenu)
        m_openMenu->hide();
    qDeleteAll(m_buttons);
    m_buttons.clear();
    m_open = nullptr;
    m_justClosed = nullptr;
    if (!m_menu)
        return;
    for (QAction* item : m_menu->actions()) {
        if (item->isSeparator())
            continue;
        auto* button = new MenuBarButton(item, this);
        connect(button, &MenuBarButton::openRequested, this, [this](MenuBarButton* b) {
            if (b != m_justClosed)
                OpenMenu(int(m_buttons.indexOf(b)));
        });
        m_buttons.append(button);
    }
    layoutButtons();
}

void FrameMenuBar::RefreshMenuBarButtons()
{
    for (MenuBarButton* button : m_buttons)
        button->Refresh();
    layoutButtons();
}

void FrameMenuBar::UpdateMenuBarFont()
{
    // The main menu's style and font; a plain menu takes the frame's style
    // and the system menu font.
    const TsuiMainMenu* main = mainMenu();
    const TsuiUIStyle style = main ? main->UIStyle() : m_frameStyle;
    const ::Look values = main ? main->CurrentLook() : ResolveLook(m_frameTheme.data(), style);
    m_look.mac = style == TsuiUIStyle::MacOS;
    m_look.selectedBackground = values.menuSelectedBackground;
    m_look.selectedBorder = values.menuSelectedBorder;
    m_look.selectedFont = values.menuSelectedFont;
    if (main) {
        m_look.font = main->BarFont();
        m_look.fontColor = main->BarFontColor();
    } else {
        AssignSystemMenuFont(m_look.font, m_look.fontColor);
    }
    if (m_look.mac && m_look.barBitmap.isNull()) {
        m_look.barBitmap = runtime::LoadBitmapResource(QStringLiteral("MACOS_MENU_BAR"));
        m_look.selectBitmap = runtime::LoadBitmapResource(QStringLiteral("MACOS_MENU_SELECT"));
    }
    layoutButtons();
    update();
}

void FrameMenuBar::layoutButtons()
{
    int x = 0;
    for (MenuBarButton* button : m_buttons) {
        if (button->isHidden() && button->Item() && !button->Item()->isVisible())
            continue;
        const int w = button->sizeHint().width();
        button->setGeometry(x, 0, w, height());
        button->update();
        x += w;
    }
}

int FrameMenuBar::neighbour(int from, int step) const
{
    const int n = int(m_buttons.size());
    for (int i = 1; i <= n; ++i) {
        const int at = ((from + step * i) % n + n) % n;
        if (m_buttons[at]->isEnabled() && !m_buttons[at]->isHidden())
            return at;
    }
    return from;
}

void FrameMenuBar::OpenMenu(int index)
{
    if (index < 0 || index >= m_buttons.size())
        return;
    MenuBarButton* button = m_buttons[index];
    QAction* item = button->Item();
    if (!item || !item->isEnabled())
        return;
    if (m_openMenu)
        m_openMenu->hide();
    QMenu* dropDown = item->menu();
    if (!dropDown) {
        item->trigger();
        return;
    }
    m_open = button;
    m_openMenu = dropDown;
    dropDown->installEventFilter(this);
    connect(dropDown, &QMenu::aboutToHide, this, &FrameMenuBar::menuHidden, Qt::UniqueConnection);
    for (MenuBarButton* b : m_buttons)
        b->update();
    dropDown->popup(button->mapToGlobal(QPoint(0, button->height())));
}

void FrameMenuBar::menuHidden()
{
    if (sender() != m_openMenu)
        return;
    m_openMenu->removeEventFilter(this);
    MenuBarButton* was = m_open;
    m_open = nullptr;
    m_openMenu = nullptr;
    if (was) {
        was->update();
        // A press on the open menu's button closes the menu first and is
        // then handed on to the button, in this same turn of the loop.
        m_justClosed = was;
        QMetaObject::invokeMethod(
            this, [this] { m_justClosed = nullptr; }, Qt::QueuedConnection);
    }
}

bool FrameMenuBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_openMenu || !m_open)
        return false;
    if (event->type() == QEvent::MouseMove)
        return pointerMoved(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
    if (event->type() == QEvent::KeyPress)
        return keyPressed(static_cast<QKeyEvent*>(event));
    return false;
}

bool FrameMenuBar::pointerMoved(const QPoint& global)
{
    // The open menu has the mouse to itself; the pointer crossing to
    // another bar button switches to that button's menu. An item without a
    // menu only runs when clicked.
    auto* over = qobject_cast<MenuBarButton*>(childAt(mapFromGlobal(global)));
    if (!over || over == m_open || !over->isEnabled() || !over->Item() || !over->Item()->menu())
        return false;
    OpenMenu(int(m_buttons.indexOf(over)));
    return true;
}

bool FrameMenuBar::keyPressed(const QKeyEvent* event)
{
    const int at = int(m_buttons.indexOf(m_open));
    if (event->key() == Qt::Key_Left) {
        OpenMenu(neighbour(at, -1));
        return true;
    }
    if (event->key() == Qt::Key_Right) {
        // Right first opens the selected item's own submenu.
        const QAction* active = m_openMenu->activeAction();
        if (active && active->menu())
            return false;
        OpenMenu(neighbour(at, 1));
        return true;
    }
    if (event->modifiers() != Qt::AltModifier)
        return false;
    // Alt+letter: the open menu's own items come first, then the bar's.
    const QKeySequence pressed(event->keyCombination());
    for (const QAction* item : m_openMenu->actions())
        if (item->isVisible() && item->isEnabled() && QKeySequence::mnemonic(item->text()) == pressed)
            return false;
    for (int i = 0; i < m_buttons.size(); ++i)
        if (m_buttons[i]->isEnabled() && QKeySequence::mnemonic(m_buttons[i]->text()) == pressed) {
            OpenMenu(i);
            return true;
        }
    return false;
}

void FrameMenuBar::paintEvent(QPaintEvent*)
{
    runtime::Canvas canvas(this);
    PaintMenuBarBackground(canvas, size(), m_look);
}
