#pragma once

#include "skin/controls/CheckBoxOption.h"
#include "skin/controls/ControlEnums.h"
#include "skin/controls/FrameCache.h"
#include "skin/controls/SkinnedButton.h"
#include "skin/theme/LookSource.h"

#include <QImage>

class TsuiFileTheme;

// The skinned two-state check box on Qt's button machinery (a checkable
// button: click, Space, the caption's & accelerator, its accessible role and
// state): one frame of the style's four-frame check image at the left edge,
// the caption to its right, a dotted focus rectangle around the caption.
// `clicked` follows every real change of
// Checked, from the user or from code, but never while the form is being
// loaded; it stands in for Qt's clicked(bool), which follows the user only.
class TsuiCheckBox : public SkinnedButton {
    Q_OBJECT
    Q_PROPERTY(sui::TsuiUIStyle UIStyle READ uiStyle WRITE setUIStyle)
    Q_PROPERTY(TsuiFileTheme* FileTheme READ fileTheme WRITE setFileTheme)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(bool Checked READ checked WRITE setChecked)
    Q_PROPERTY(SuiControls::TCheckBoxState State READ state WRITE setState)
    Q_PROPERTY(bool AutoSize READ autoSize WRITE setAutoSize)
    Q_PROPERTY(bool Transparent READ transparent WRITE setTransparent)
    Q_PROPERTY(QColor Color READ color WRITE setColor)
    Q_PROPERTY(bool TabStop READ tabStop WRITE setTabStop)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(bool Visible READ isVisible WRITE setVisible)

public:
    explicit TsuiCheckBox(QWidget* parent = nullptr);

    TsuiUIStyle uiStyle() const { return m_look.style(); }
    void setUIStyle(TsuiUIStyle style) { m_look.setStyle(style); }
    TsuiFileTheme* fileTheme() const { return m_look.fileTheme(); }
    void setFileTheme(TsuiFileTheme* theme) { m_look.setFileTheme(theme); }

    QString caption() const { return text(); }
    void setCaption(const QString& caption);
    bool checked() const { return isChecked(); }
    void setChecked(bool checked) { QAbstractButton::setChecked(checked); }
    // A view of Checked: there is no third state, so cbGrayed unchecks.
    TCheckBoxState state() const { return isChecked() ? cbChecked : cbUnchecked; }
    void setState(TCheckBoxState state) { setChecked(state == cbChecked); }
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);
    bool transparent() const { return m_transparent; }
    void setTransparent(bool transparent);
    QColor color() const;
    void setColor(const QColor& color);
    bool tabStop() const { return focusPolicy() != Qt::NoFocus; }
    void setTabStop(bool tabStop) { setFocusPolicy(tabStop ? Qt::TabFocus : Qt::NoFocus); }

    CheckBoxOption styleOption() const;

    // Stored properties arrive one by one (style, caption, font, size):
    // the box takes its size from them once they are all set.
    Q_INVOKABLE void Loaded() { applyAutoSize(); }

signals:
    void clicked();

protected:
    void nextCheckState() override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void styleApplied();
    void checkedChanged();
    const QImage& framePicture(int frame);
    void applyAutoSize();
    void compose(QImage& buffer, const CheckBoxOption& option);

    LookSource m_look;
    bool m_autoSize = true;
    bool m_transparent = false;
    FrameCache m_frames;
    QImage m_buffer;
};
