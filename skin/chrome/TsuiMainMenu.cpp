#include "skin/chrome/TsuiMainMenu.h"

#include "runtime/BitmapResource.h"
#include "skin/chrome/MenuItemStyle.h"
#include "skin/chrome/MenuPicture.h"
#include "skin/theme/Look.h"
#include "skin/theme/MenuDrawing.h"

#include <QActionEvent>
#include <QApplication>
#include <QMenu>
#include <QPaintEvent>

namespace {

// The menus below `menu`, depth first.
void CollectSubmenus(const QMenu* menu, QList<QMenu*>& out)
{
    for (QAction* item : menu->actions()) {
        if (QMenu* sub = item->menu(); sub && !out.contains(sub)) {
            out.append(sub);
            CollectSubmenus(sub, out);
        }
    }
}

} // namespace

TsuiMainMenu::TsuiMainMenu(QWidget* owner) : TsuiPopupMenu(owner)
{
    m_itemStyle = new MenuItemStyle();
    m_itemStyle->setParent(this);
    LinkFrame();
}

TsuiMainMenu::~TsuiMainMenu() = default;

void TsuiMainMenu::LinkFrame()
{
    QWidget* owner = parentWidget();
    if (!owner)
        return;
    for (QObject* child : owner->children()) {
        if (child->inherits("TsuiForm")) {
            if (child->property("Menu").value<QMenu*>() != this)
                child->setProperty("Menu", QVariant::fromValue<QMenu*>(this));
            return;
        }
    }
}

void TsuiMainMenu::Loaded()
{
    InstallDropDownSkins();
    emit itemsRebuilt();
}

void TsuiMainMenu::setImages(MenuImageList* images)
{
    m_userImages = images;
    update();
}

QImage TsuiMainMenu::ItemImage(const QAction* item) const
{
    bool ok = false;
    const int index = item->property("ImageIndex").toInt(&ok);
    if (!ok || index == -1 || !m_userImages || index >= m_userImages->Count())
        return QImage();
    return m_userImages->Image(index);
}

void TsuiMainMenu::setFontName(const QString& name)
{
    TsuiPopupMenu::setFontName(name);
    emit barLookChanged();
}

void TsuiMainMenu::setFontSize(int size)
{
    TsuiPopupMenu::setFontSize(size);
    emit barLookChanged();
}

void TsuiMainMenu::setFontCharset(int charset)
{
    TsuiPopupMenu::setFontCharset(charset);
    emit barLookChanged();
}

void TsuiMainMenu::setUseSystemFont(bool use)
{
    TsuiPopupMenu::setUseSystemFont(use);
    emit barLookChanged();
}

QFont TsuiMainMenu::BarFont() const
{
    return ItemLook().font;
}

runtime::TColor TsuiMainMenu::BarFontColor() const
{
    if (!UseSystemFont())
        return FontColor();
    QFont ignored;
    runtime::TColor color = 0;
    AssignSystemMenuFont(ignored, color);
    return color;
}

void TsuiMainMenu::DrawDropDownItem(QAction* item, runtime::Canvas& canvas, const QRect& rect, bool selected) const
{
    const MenuItemLook look = ItemLook();
    bool isDefault = false;
    for (QObject* container : item->associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(container); menu && menu->defaultAction() == item)
            isDefault = true;
    PaintMenuItem(canvas, rect, look, MenuItemStateOf(item, selected, isDefault, ItemImage(item)));
}

void TsuiMainMenu::InstallDropDownSkins()
{
    const auto draw = [this](QAction* item, runtime::Canvas& canvas, const QRect& rect, bool selected) {
        DrawDropDownItem(item, canvas, rect, selected);
    };
    const auto measure = [this](QAction* item, int& width, int& height) {
        MenuItemLook look = ItemLook();
        const QSize size = MeasureMenuItem(look, MenuItemStateOf(item, false, false, QImage()));
        width = size.width();
        height = size.height();
    };
    for (QAction* item : actions())
        SetMenuItemDrawHandlers(item, draw, measure);
    QList<QMenu*> submenus;
    CollectSubmenus(this, submenus);
    for (QMenu* menu : submenus)
        skinDropDown(menu);
}

void TsuiMainMenu::skinDropDown(QMenu* menu)
{
    // A drop-down that is itself a skinned popup menu paints itself.
    if (qobject_cast<TsuiPopupMenu*>(menu))
        return;
    if (menu->style() != m_itemStyle)
        menu->setStyle(m_itemStyle);
    menu->removeEventFilter(this);
    menu->installEventFilter(this);
}

void TsuiMainMenu::actionEvent(QActionEvent* event)
{
    TsuiPopupMenu::actionEvent(event);
    switch (event->type()) {
    case QEvent::ActionAdded:
    case QEvent::ActionRemoved:
        // Items made in code after the menu was linked show at once, not
        // only those the stored form held.
        InstallDropDownSkins();
        emit itemsRebuilt();
        break;
    case QEvent::ActionChanged:
        emit itemsChanged();
        break;
    default:
        break;
    }
}

bool TsuiMainMenu::eventFilter(QObject* watched, QEvent* event)
{
    auto* menu = qobject_cast<QMenu*>(watched);
    if (!menu)
        return false;
    if (event->type() == QEvent::ActionAdded) {
        // An item added to a drop-down later gets the handlers too.
        QMetaObject::invokeMethod(this, &TsuiMainMenu::InstallDropDownSkins, Qt::QueuedConnection);
        return false;
    }
    if (event->type() != QEvent::Paint)
        return false;
    runtime::Canvas canvas(menu);
    PaintMenuItems(canvas, *menu, Color(), [this](QAction* item, runtime::Canvas& c, const QRect& r, bool selected) {
        DrawDropDownItem(item, c, r, selected);
    });
    PaintMenuFrame(canvas, menu->size(), FlatMenu(), CurrentLook().formBackground);
    return true;
}
