#pragma once

#include "skin/chrome/MenuImageList.h"
#include "skin/chrome/TsuiPopupMenu.h"

#include <QPointer>

class MenuItemStyle;

// The main menu of a window that carries a frame. It is never a native
// menu bar: its top-level items become the buttons of the frame's menu bar,
// and its drop-downs are painted by the same item rules as the popup menu.
// The menu itself is the root of the tree and is never shown.
//
// Right after it is made it links itself to the first frame of its form,
// and a frame made later links it in turn, so the order in a stored form
// does not matter. Changes of its items and looks are announced, so the
// bar follows them at once.
class TsuiMainMenu : public TsuiPopupMenu {
    Q_OBJECT
    Q_PROPERTY(MenuImageList* Images READ Images WRITE setImages)
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE setFileTheme)
    Q_PROPERTY(sui::TsuiUIStyle UIStyle READ UIStyle WRITE setUIStyle)
    Q_PROPERTY(QString FontName READ FontName WRITE setFontName)
    Q_PROPERTY(int FontSize READ FontSize WRITE setFontSize)
    Q_PROPERTY(int FontCharset READ FontCharset WRITE setFontCharset)
    Q_PROPERTY(bool UseSystemFont READ UseSystemFont WRITE setUseSystemFont)

public:
    explicit TsuiMainMenu(QWidget* owner = nullptr);
    ~TsuiMainMenu() override;

    // The user's image list; none while the menu's own check mark is used.
    MenuImageList* Images() const { return m_userImages; }
    void setImages(MenuImageList* images);

    void setFontName(const QString& name);
    void setFontSize(int size);
    void setFontCharset(int charset);
    void setUseSystemFont(bool use);
    using TsuiPopupMenu::FileTheme;
    using TsuiPopupMenu::FontCharset;
    using TsuiPopupMenu::FontName;
    using TsuiPopupMenu::FontSize;
    using TsuiPopupMenu::UIStyle;
    using TsuiPopupMenu::UseSystemFont;

    // The font the bar's buttons caption with: the system menu font, or
    // FontName and FontSize; and the colour of their captions at rest.
    QFont BarFont() const;
    runtime::TColor BarFontColor() const;

    // Skins every drop-down of the tree: the item handlers on every item,
    // and the item sizes and painting on every submenu.
    void InstallDropDownSkins();
    // The menu's rule for an item's image: its ImageIndex in the user's
    // image list, or none.
    QImage ItemImage(const QAction* item) const;
    void DrawDropDownItem(QAction* item, runtime::Canvas& canvas, const QRect& rect, bool selected) const;

    // Offered to the form loader: the stored items are all there now.
    Q_INVOKABLE void Loaded();
    // Makes this the Menu of the first frame on the owner form, if any.
    Q_INVOKABLE void LinkFrame();

signals:
    // Items were added or removed: the bar builds its buttons again.
    void itemsRebuilt();
    // A caption or enabled state changed: the bar refreshes its buttons.
    void itemsChanged();
    // Style, theme or font changed: the bar repaints (and resizes).
    void barLookChanged();

protected:
    void actionEvent(QActionEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void styleApplied() override { emit barLookChanged(); }

private:
    void skinDropDown(QMenu* menu);

    QPointer<MenuImageList> m_userImages;
    MenuItemStyle* m_itemStyle = nullptr;
};
