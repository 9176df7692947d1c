#pragma once

#include "runtime/TColor.h"
#include "skin/chrome/TitleBarTypes.h"
#include "skin/chrome/TsuiTitleBar.h"
#include "skin/theme/LookSource.h"
#include "skin/theme/UIStyle.h"

#include <QColor>
#include <QFont>
#include <QMenu>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <memory>

class FrameMenuBar;

// The skinned window frame. Dropped as a direct child on a top-level
// widget (its host form), it makes the host frameless, covers the host's
// client area, paints a border of BorderWidth pixels around itself and
// carries the title bar. An event filter on the host stands in for the
// frame that the window manager no longer draws: edge resizing, confining
// a maximised window to the work area, active/inactive captions, the
// outline after every size change, and Alt+Space or F10 for the system menu.
//
// While Menu is assigned the frame shows a menu bar under its title bar.
//
// Left out, because nothing in this system uses them: MDI child and parent
// hosts (their application messages and scrolling) and design-time
// behaviour.
class TsuiForm : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool TitleBarCustom READ TitleBarCustom WRITE setTitleBarCustom)
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE setFileTheme)
    Q_PROPERTY(sui::TsuiUIStyle UIStyle READ UIStyle WRITE setUIStyle)
    Q_PROPERTY(bool UIStyleAutoUpdateSub READ UIStyleAutoUpdateSub WRITE setUIStyleAutoUpdateSub)
    Q_PROPERTY(QColor BorderColor READ BorderQColor WRITE setBorderQColor)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE setBorderWidth)
    Q_PROPERTY(bool TitleBarVisible READ TitleBarVisible WRITE setTitleBarVisible)
    Q_PROPERTY(QColor Color READ QColorValue WRITE setQColorValue)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(QWidget* FormPanel READ FormPanel WRITE setFormPanel)
    Q_PROPERTY(bool TitleBarDrawAppIcon READ TitleBarDrawAppIcon WRITE setTitleBarDrawAppIcon)
    Q_PROPERTY(QObject* TitleBarButtons READ TitleBarButtonsObject)
    Q_PROPERTY(QObject* TitleBarSections READ TitleBarSectionsObject)
    Q_PROPERTY(QMenu* Menu READ Menu WRITE setMenu)
    Q_PROPERTY(QColor MenuBarColor READ MenuBarQColor WRITE setMenuBarQColor)
    Q_PROPERTY(int MenuBarHeight READ MenuBarHeight WRITE setMenuBarHeight)
    Q_PROPERTY(int Height READ Height WRITE setHeight)
    Q_PROPERTY(int Width READ Width WRITE setWidth)
    Q_PROPERTY(int RoundCorner READ RoundCorner WRITE setRoundCorner)
    Q_PROPERTY(QString Version READ Version WRITE setVersion)
    // The frame's font is its caption's: it goes to the title bar and is
    // not inherited by the controls on the panel.
    Q_PROPERTY(QFont Font READ TitleFont WRITE setTitleFont)
    Q_PROPERTY(runtime::TColor FontColor READ TitleFontColor WRITE setTitleFontColor)

public:
    explicit TsuiForm(QWidget* owner = nullptr);
    ~TsuiForm() override;

    bool TitleBarCustom() const { return m_titleBar->Custom(); }
    void setTitleBarCustom(bool custom) { m_titleBar->setCustom(custom); }
    TsuiFileTheme* FileTheme() const { return m_look.fileTheme(); }
    void setFileTheme(TsuiFileTheme* theme);
    TsuiUIStyle UIStyle() const { return m_look.style(); }
    void setUIStyle(TsuiUIStyle style);
    bool UIStyleAutoUpdateSub() const { return m_autoUpdateSub; }
    void setUIStyleAutoUpdateSub(bool update) { m_autoUpdateSub = update; }
    runtime::TColor BorderColor() const { return m_borderColor; }
    void setBorderColor(runtime::TColor color);
    int BorderWidth() const { return m_borderWidth; }
    void setBorderWidth(int width);
    bool TitleBarVisible() const { return m_titleBarVisible; }
    void setTitleBarVisible(bool visible);
    runtime::TColor Color() const { return m_color; }
    void setColor(runtime::TColor color);
    QString Caption() const { return m_titleBar->Caption(); }
    void setCaption(const QString& caption);
    QWidget* FormPanel() const { return m_formPanel; }
    void setFormPanel(QWidget* panel);
    bool TitleBarDrawAppIcon() const { return m_titleBar->DrawAppIcon(); }
    void setTitleBarDrawAppIcon(bool draw) { m_titleBar->setDrawAppIcon(draw); }
    QMenu* Menu() const { return m_menu; }
    void setMenu(QMenu* menu);
    runtime::TColor MenuBarColor() const { return m_menuBarColor; }
    void setMenuBarColor(runtime::TColor color);
    int MenuBarHeight() const { return m_menuBarHeight; }
    void setMenuBarHeight(int height);
    // The bar showing Menu; none while Menu is unassigned.
    FrameMenuBar* MenuBar() const;
    int Height() const { return height(); }
    void setHeight(int height);
    int Width() const { return width(); }
    void setWidth(int width);
    int RoundCorner() const { return m_titleBar->RoundCorner(); }
    void setRoundCorner(int corner) { m_titleBar->setRoundCorner(corner); }
    QString Version() const { return QStringLiteral("4.30"); }
    void setVersion(const QString&) {}

    TsuiTitleBar* TitleBar() const { return m_titleBar; }
    QFont TitleFont() const;
    void setTitleFont(const QFont& font);
    runtime::TColor TitleFontColor() const;
    void setTitleFontColor(runtime::TColor color);
    QWidget* HostForm() const { return m_host; }

    void UpdatePanelBounds();
    void DrawBorder();
    // 1 when the key was a shortcut of Menu (its item has run), else 0.
    int CheckMenuShortCut(const QKeyCombination& key);

signals:
    void titleBarCustomBtnsClick(TsuiTitleBar* sender, int buttonIndex);
    void titleBarHelpBtnClick(TsuiTitleBar* sender, int buttonIndex);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QColor BorderQColor() const;
    void setBorderQColor(const QColor& color);
    QColor QColorValue() const;
    void setQColorValue(const QColor& color);
    QColor MenuBarQColor() const { return runtime::ColorFromTColor(m_menuBarColor); }
    void setMenuBarQColor(const QColor& color) { setMenuBarColor(runtime::TColorFromColor(color)); }
    QObject* TitleBarButtonsObject() { return &m_titleBar->Buttons(); }
    QObject* TitleBarSectionsObject() { return &m_titleBar->Sections(); }

    void attachToHost();
    // Confines a maximised host to the work area only when `confine`.
    void sizeChanged(bool confine);
    void paintBorder();
    bool hostMouseEvent(QEvent* event);
    void layoutChildren();
    void applyStyle();

    TsuiTitleBar* m_titleBar = nullptr;
    QPointer<QMenu> m_menu;
    QPointer<FrameMenuBar> m_menuBar;
    QPointer<QWidget> m_host;
    TFormBorderStyle m_initialBorderStyle = bsSizeable;
    runtime::TColor m_borderColor = 0;
    QPointer<QWidget> m_formPanel;
    int m_borderWidth = 1;
    LookSource m_look;
    runtime::TColor m_menuBarColor = 0;
    int m_menuBarHeight = 22;
    std::unique_ptr<QObject> m_appHook;
    bool m_autoUpdateSub = false;
    runtime::TColor m_color = 0x8000000F;
    bool m_titleBarVisible = true;
    QRect m_designBounds;
    bool m_createdMaximized = false;
    bool m_constructing = true;
    bool m_ownsDetachedTitleBar = false;
};
