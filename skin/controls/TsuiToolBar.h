#pragma once

#include "runtime/TColor.h"
#include "skin/controls/ToolButtonPainter.h"
#include "skin/theme/LookSource.h"
#include "skin/theme/TsuiFileTheme.h"
#include "skin/theme/UIStyle.h"

#include <QHash>
#include <QPointer>
#include <QToolBar>

class QToolButton;

// A flat tool bar whose buttons keep their native look at rest and are
// drawn by the skin while the pointer is over them, while they are down or
// while they are checked. In MacOS and Protein the bar is transparent and
// shows its parent's background, as do skinned push buttons placed on it.
// From the keyboard the bar is one Tab stop; the arrow keys, Home and End
// move along its buttons, and Space presses the one with the focus.
class TsuiToolBar : public QToolBar {
    Q_OBJECT
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE setFileTheme)
    Q_PROPERTY(sui::TsuiUIStyle UIStyle READ UIStyle WRITE setUIStyle)
    Q_PROPERTY(runtime::TColor ButtonColor READ ButtonColor WRITE setButtonColor)
    Q_PROPERTY(runtime::TColor ButtonBorderColor READ ButtonBorderColor WRITE setButtonBorderColor)
    Q_PROPERTY(runtime::TColor ButtonDownColor READ ButtonDownColor WRITE setButtonDownColor)
    Q_PROPERTY(runtime::TColor Color READ Color WRITE setColor)
    Q_PROPERTY(bool Transparent READ Transparent WRITE setTransparent)
    Q_PROPERTY(bool ShowCaptions READ ShowCaptions WRITE setShowCaptions)

public:
    explicit TsuiToolBar(QWidget* owner = nullptr);

    TsuiFileTheme* FileTheme() const { return m_theme.fileTheme(); }
    void setFileTheme(TsuiFileTheme* theme);
    TsuiUIStyle UIStyle() const { return m_theme.style(); }
    // Takes the button colours from the style; MacOS and Protein make the
    // bar transparent, the others opaque.
    void setUIStyle(TsuiUIStyle style);

    runtime::TColor ButtonColor() const { return m_look.buttonColor; }
    void setButtonColor(runtime::TColor color);
    runtime::TColor ButtonBorderColor() const { return m_look.borderColor; }
    void setButtonBorderColor(runtime::TColor color);
    runtime::TColor ButtonDownColor() const { return m_look.downColor; }
    void setButtonDownColor(runtime::TColor color);
    runtime::TColor Color() const { return m_color; }
    void setColor(runtime::TColor color);
    bool Transparent() const { return m_transparent; }
    void setTransparent(bool transparent);
    bool ShowCaptions() const { return toolButtonStyle() != Qt::ToolButtonIconOnly; }
    void setShowCaptions(bool show);

    // The state a button is painted from now; caption and image only when
    // the skin draws it.
    ToolButtonState ButtonState(const QToolButton* button) const;

protected:
    void actionEvent(QActionEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void applyStyle();
    QList<QToolButton*> actionButtons() const;
    void measureCaptions();
    // Puts the buttons into the Tab chain right after the bar.
    void chainButtons();
    // Keeps exactly one usable button in the Tab chain.
    void updateTabStop();
    // Left/Right (Up/Down on a vertical bar), Home and End.
    bool moveFocus(QToolButton* from, int key);
    void setLookColor(runtime::TColor& field, runtime::TColor color);

    // Style and theme; applyStyle runs whenever they change.
    LookSource m_theme;
    ToolButtonLook m_look;
    runtime::TColor m_color = runtime::clBtnFace;
    bool m_transparent = false;
    // The button last moved to from the keyboard.
    QPointer<QToolButton> m_tabStop;
    // Caption widths in the look's font, by caption.
    QHash<QString, int> m_captionWidths;
};
