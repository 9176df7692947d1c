#pragma once

#include "skin/controls/ControlEnums.h"
#include "skin/theme/LookSource.h"

#include <QColor>
#include <QComboBox>
#include <QImage>
#include <QPointer>
#include <QRect>

class TsuiFileTheme;

// The skin a combo box draws over its native painting, copied before it
// paints.
struct ComboBoxOption {
    QRect rect;
    QColor borderColor;
    // The edit's own colour, for the inner frame.
    QColor baseColor;
    QRect button;
    // The MacOS or WinXP button picture, stretched over the button; null
    // where the button is filled with buttonColor behind a separator.
    QImage buttonBitmap;
    QColor buttonColor;
    // The XP button picture carries its own arrow.
    bool drawArrow = true;
    QColor arrowColor;
    bool enabled = true;
};

// The platform's combo box with a flat skin: after every native paint a
// one-pixel frame in BorderColor, the drop-down button filled with
// ButtonColor (or the MacOS / WinXP button bitmap) behind a separator line,
// and a small arrow; the open list is framed in BorderColor.
class TsuiCustomComboBox : public QComboBox {
    Q_OBJECT
    Q_PROPERTY(sui::TsuiUIStyle UIStyle READ uiStyle WRITE setUIStyle)
    Q_PROPERTY(TsuiFileTheme* FileTheme READ fileTheme WRITE setFileTheme)
    Q_PROPERTY(QColor BorderColor READ borderColor WRITE setBorderColor)
    Q_PROPERTY(QColor ButtonColor READ buttonColor WRITE setButtonColor)
    Q_PROPERTY(QColor ArrowColor READ arrowColor WRITE setArrowColor)

public:
    explicit TsuiCustomComboBox(QWidget* parent = nullptr);

    TsuiUIStyle uiStyle() const { return m_look.style(); }
    void setUIStyle(TsuiUIStyle style);
    TsuiFileTheme* fileTheme() const { return m_look.fileTheme(); }
    void setFileTheme(TsuiFileTheme* theme);
    QColor borderColor() const { return m_borderColor; }
    void setBorderColor(const QColor& color);
    QColor buttonColor() const { return m_buttonColor; }
    void setButtonColor(const QColor& color);
    QColor arrowColor() const { return m_arrowColor; }
    void setArrowColor(const QColor& color);

    TComboBoxStyle comboStyle() const { return m_comboStyle; }
    void setComboStyle(TComboBoxStyle style);

    // The drop-down button's rectangle as the native combo box lays it out.
    QRect buttonRect() const;
    // What the skin draws now; none for the simple style, which keeps its
    // native look.
    ComboBoxOption styleOption() const;

    void showPopup() override;
    void hidePopup() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyStyle();
    void paintSkin(const ComboBoxOption& option);
    // An editable box's completer never changes typed text (set again
    // whenever Qt makes a new editor).
    void keepTypedText();
    void loadButtonBitmap();

    LookSource m_look;
    QColor m_borderColor = Qt::black;
    QColor m_buttonColor;
    QColor m_arrowColor = Qt::black;
    TComboBoxStyle m_comboStyle = csDropDown;
    // Loaded when the style changes: the stored style decides, and a theme
    // file has no button bitmap.
    QImage m_buttonBitmap;
    QPointer<QWidget> m_popup;
    bool m_framingPopup = false;
};
