#pragma once

#include "runtime/TColor.h"
#include "skin/chrome/TitleBarLayout.h"
#include "skin/chrome/TsuiTitleBarButton.h"
#include "skin/chrome/TsuiTitleBarSection.h"
#include "skin/theme/LookSource.h"
#include "skin/theme/UIStyle.h"
#include <QImage>

#include <QPointer>
#include <QWidget>

#include <optional>

class TsuiTitleBarPopupMenu;

// The skinned caption of a frame: picture sections, caption buttons, the
// control box or application icon and the caption text, composed off screen
// on every paint. It drags its window, toggles maximise on double-click,
// resizes from its top band and owns the window's outline and system menu.
class TsuiTitleBar : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool Custom READ Custom WRITE setCustom)
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE setFileTheme)
    Q_PROPERTY(sui::TsuiUIStyle UIStyle READ UIStyle WRITE setUIStyle)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE setAutoSize)
    Q_PROPERTY(QObject* Sections READ SectionsObject)
    Q_PROPERTY(QObject* Buttons READ ButtonsObject)
    Q_PROPERTY(int ButtonInterval READ ButtonInterval WRITE setButtonInterval)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(bool FormActive READ FormActive WRITE setFormActive)
    Q_PROPERTY(int LeftBtnXOffset READ LeftBtnXOffset WRITE setLeftBtnXOffset)
    Q_PROPERTY(int RightBtnXOffset READ RightBtnXOffset WRITE setRightBtnXOffset)
    Q_PROPERTY(bool DrawAppIcon READ DrawAppIcon WRITE setDrawAppIcon)
    Q_PROPERTY(int RoundCorner READ RoundCorner WRITE setRoundCorner)

public:
    explicit TsuiTitleBar(QWidget* owner = nullptr);
    ~TsuiTitleBar() override;

    bool Custom() const { return m_custom; }
    void setCustom(bool custom);
    TsuiFileTheme* FileTheme() const { return m_look.fileTheme(); }
    void setFileTheme(TsuiFileTheme* theme);
    TsuiUIStyle UIStyle() const { return m_look.style(); }
    void setUIStyle(TsuiUIStyle style);
    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);
    TsuiTitleBarSections& Sections() { return m_sections; }
    QObject* SectionsObject() { return &m_sections; }
    QObject* ButtonsObject() { return &m_buttons; }
    TsuiTitleBarButtons& Buttons() { return m_buttons; }
    int ButtonInterval() const { return m_buttonInterval; }
    void setButtonInterval(int interval);
    QString Caption() const { return m_caption; }
    void setCaption(const QString& caption);
    bool FormActive() const { return m_formActive; }
    void setFormActive(bool active);
    int LeftBtnXOffset() const { return m_leftBtnXOffset; }
    void setLeftBtnXOffset(int offset);
    int RightBtnXOffset() const { return m_rightBtnXOffset; }
    void setRightBtnXOffset(int offset);
    bool DrawAppIcon() const { return m_drawAppIcon; }
    void setDrawAppIcon(bool draw);
    int RoundCorner() const { return m_roundCorner; }
    void setRoundCorner(int corner);

    // The caption's colour; the font itself is the widget's font.
    runtime::TColor FontColor() const { return m_fontColor; }
    void setFontColor(runtime::TColor color);

    // The nearest window among the bar's parents; none for a bar that is a
    // window of its own.
    QWidget* HostForm() const;
    // Pushed down by the skinned frame that carries the bar: a framed bar
    // shapes the window's region and outline, and resizes the window from
    // its top band when the window was designed sizeable.
    void setFramed(bool framed, bool sizeable);
    bool ParentIsSkinForm() const { return m_framed; }

    // The window (system) menu. The program may add its own entries after
    // the bar's four (then InstallItemHandlers, so they wear the skin).
    TsuiTitleBarPopupMenu* SystemMenu() const { return m_systemMenu; }
    // Shows the system menu at the screen point, offering what the bar's
    // buttons can do (hidden buttons count as well).
    void PopupSystemMenu(QPoint global);

    // What a button's type does to the window: maximise or restore,
    // minimise, close, or the control box's own menu. Help and custom
    // buttons only fire their signals (from the mouse, not from here).
    void RunButtonAction(int index);

    void ApplyWindowRegion(int corner);
    void UpdateWindowRegion();
    void UpdateMaxButtons();

    // The whole bar as it paints now, for the screen and for tests.
    QImage Compose() const;

signals:
    void customBtnsClick(TsuiTitleBar* sender, int buttonIndex);
    void helpBtnClick(TsuiTitleBar* sender, int buttonIndex);

protected:
    virtual void DrawSections(QImage& bitmap) const;
    virtual void DrawButtonsAndCaption(QImage& bitmap) const;

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void applyStyle();
    void applyLayout(const Look& values);
    // Tells the buttons what they need from here: the theme, the window's
    // maximised state, whether the bar is custom.
    void pushButtonContext();
    chrome::ButtonRowLayout buttonLayout() const;
    int hotButtonAt(QPoint p) const;
    int edgeHitTest(QPoint p) const;

    bool m_custom = false;
    bool m_framed = false;
    bool m_sizeable = false;
    LookSource m_look;
    bool m_autoSize = false;
    TsuiTitleBarSections m_sections{this};
    TsuiTitleBarButtons m_buttons{this};
    int m_buttonInterval = 0;
    QString m_caption;
    bool m_formActive = true;
    int m_leftBtnXOffset = 0;
    int m_rightBtnXOffset = 0;
    bool m_drawAppIcon = false;
    int m_roundCorner = 0;
    runtime::TColor m_fontColor = 0xFFFFFF;

    TsuiTitleBarPopupMenu* m_systemMenu = nullptr;
    runtime::TColor m_outlineColor = 0;
    bool m_keepFontColor = false;
    bool m_mouseDown = false;
    int m_captionBandHeight = 0;
    int m_captionTop = 0;
    // Last cursor position over the bar; none once it has left.
    std::optional<QPoint> m_cursor;
    // A press on empty caption space waits for the first move before the
    // window is moved, so a double-click still reaches the bar.
    std::optional<QPoint> m_pendingMove;
};
