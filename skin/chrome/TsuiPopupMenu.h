#pragma once

#include "runtime/Canvas.h"
#include "runtime/TColor.h"
#include "skin/chrome/MenuItemPainter.h"
#include "skin/theme/LookSource.h"
#include "skin/theme/TsuiFileTheme.h"
#include "skin/theme/UIStyle.h"

#include <QMenu>
#include <QPointer>

// A popup menu whose items are measured and painted by the skin: a left
// bar strip, the body colour, a framed selection, the check-mark bitmap and
// the MacOS bitmap looks. Items carry the menu's draw and measure handlers
// (installed by InstallItemHandlers); the menu paints itself through them.
class TsuiPopupMenu : public QMenu {
    Q_OBJECT
    Q_PROPERTY(bool OwnerDraw READ OwnerDraw WRITE setOwnerDraw)
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE setFileTheme)
    Q_PROPERTY(sui::TsuiUIStyle UIStyle READ UIStyle WRITE setUIStyle)
    Q_PROPERTY(int MenuItemHeight READ MenuItemHeight WRITE setMenuItemHeight)
    Q_PROPERTY(int SeparatorHeight READ SeparatorHeight WRITE setSeparatorHeight)
    Q_PROPERTY(int BarWidth READ BarWidth WRITE setBarWidth)
    Q_PROPERTY(runtime::TColor BarColor READ BarColor WRITE setBarColor)
    Q_PROPERTY(runtime::TColor Color READ Color WRITE setColor)
    Q_PROPERTY(runtime::TColor SeparatorColor READ SeparatorColor WRITE setSeparatorColor)
    Q_PROPERTY(runtime::TColor SelectedBorderColor READ SelectedBorderColor WRITE setSelectedBorderColor)
    Q_PROPERTY(runtime::TColor SelectedColor READ SelectedColor WRITE setSelectedColor)
    Q_PROPERTY(runtime::TColor SelectedFontColor READ SelectedFontColor WRITE setSelectedFontColor)
    Q_PROPERTY(runtime::TColor FontColor READ FontColor WRITE setFontColor)
    Q_PROPERTY(runtime::TColor BorderColor READ BorderColor WRITE setBorderColor)
    Q_PROPERTY(bool FlatMenu READ FlatMenu WRITE setFlatMenu)
    Q_PROPERTY(QString FontName READ FontName WRITE setFontName)
    Q_PROPERTY(int FontSize READ FontSize WRITE setFontSize)
    Q_PROPERTY(int FontCharset READ FontCharset WRITE setFontCharset)
    Q_PROPERTY(bool UseSystemFont READ UseSystemFont WRITE setUseSystemFont)

public:
    explicit TsuiPopupMenu(QWidget* owner = nullptr);

    // Always owner-drawn; writes are ignored.
    bool OwnerDraw() const { return true; }
    void setOwnerDraw(bool) {}

    TsuiFileTheme* FileTheme() const { return m_look.fileTheme(); }
    void setFileTheme(TsuiFileTheme* theme) { m_look.setFileTheme(theme); }
    TsuiUIStyle UIStyle() const { return m_look.style(); }
    void setUIStyle(TsuiUIStyle style) { m_look.setStyle(style); }

    int MenuItemHeight() const { return m_menuItemHeight; }
    void setMenuItemHeight(int height);
    int SeparatorHeight() const { return m_separatorHeight; }
    void setSeparatorHeight(int height);
    int BarWidth() const { return m_barWidth; }
    void setBarWidth(int width);
    bool FlatMenu() const { return m_flatMenu; }
    void setFlatMenu(bool flat) { m_flatMenu = flat; }
    QString FontName() const { return m_fontName; }
    void setFontName(const QString& name) { m_fontName = name; }
    int FontSize() const { return m_fontSize; }
    void setFontSize(int size) { m_fontSize = size; }
    int FontCharset() const { return m_fontCharset; }
    void setFontCharset(int charset) { m_fontCharset = charset; }
    bool UseSystemFont() const { return m_useSystemFont; }
    void setUseSystemFont(bool use) { m_useSystemFont = use; }

    // Written colours last until the next style or theme write.
    runtime::TColor BarColor() const { return m_barColor; }
    void setBarColor(runtime::TColor c) { setColour(m_barColor, c); }
    runtime::TColor Color() const { return m_color; }
    void setColor(runtime::TColor c) { setColour(m_color, c); }
    runtime::TColor SeparatorColor() const { return m_separatorColor; }
    void setSeparatorColor(runtime::TColor c) { setColour(m_separatorColor, c); }
    runtime::TColor SelectedBorderColor() const { return m_selectedBorderColor; }
    void setSelectedBorderColor(runtime::TColor c) { setColour(m_selectedBorderColor, c); }
    runtime::TColor SelectedColor() const { return m_selectedColor; }
    void setSelectedColor(runtime::TColor c) { setColour(m_selectedColor, c); }
    runtime::TColor SelectedFontColor() const { return m_selectedFontColor; }
    void setSelectedFontColor(runtime::TColor c) { setColour(m_selectedFontColor, c); }
    runtime::TColor FontColor() const { return m_fontColor; }
    void setFontColor(runtime::TColor c) { setColour(m_fontColor, c); }
    // Stored and published only: the flat border is always black.
    runtime::TColor BorderColor() const { return m_borderColor; }
    void setBorderColor(runtime::TColor c) { m_borderColor = c; }

    // Gives every top-level item (and its sub-items) this menu's handlers.
    // Items added later get none until this runs again.
    void InstallItemHandlers();

    // The item rules; public so the main menu's drop-downs and the tests
    // can run them on any canvas.
    void MeasureItem(QAction* item, int& width, int& height) const;
    void DrawItem(QAction* item, runtime::Canvas& canvas, const QRect& rect, bool selected) const;
    // What the items are painted with now.
    MenuItemLook ItemLook() const;
    // The style's values, kept up to date as style and theme change.
    const Look& CurrentLook() const { return m_look.look(); }

    // The whole menu as it paints now.
    QImage Compose();

protected:
    void paintEvent(QPaintEvent* event) override;
    // After every change of look: a new style, a new theme, or the theme
    // gone and DeepBlue in its place.
    virtual void styleApplied() {}

private:
    // Stores a colour and repaints an open menu with it.
    void setColour(runtime::TColor& field, runtime::TColor colour);
    QFont itemFont() const;
    // Makes the menu measure its items again.
    void relayout();
    void applyStyle();

    LookSource m_look;
    int m_menuItemHeight = 21;
    int m_separatorHeight = 21;
    int m_barWidth = 0;
    runtime::TColor m_barColor = 0x8000000F; // button face
    runtime::TColor m_color = 0xFFFFFF;
    runtime::TColor m_separatorColor = 0x808080;
    runtime::TColor m_selectedBorderColor = 0x8000000D; // highlight
    runtime::TColor m_selectedColor = 0x8000000D;
    runtime::TColor m_selectedFontColor = 0xFFFFFF;
    runtime::TColor m_fontColor = 0xFFFFFF;
    runtime::TColor m_borderColor = 0;
    bool m_flatMenu = false;
    QString m_fontName = QStringLiteral("MS Sans Serif");
    int m_fontSize = 8;
    int m_fontCharset = 1;
    bool m_useSystemFont = true;
};
