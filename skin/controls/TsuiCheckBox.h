#pragma once

#include <QImage>
#include "runtime/Canvas.h"
#include "skin/controls/ControlEnums.h"
#include "skin/controls/FrameCache.h"
#include "skin/theme/ThemeSource.h"

#include <QWidget>

class TsuiFileTheme;

// The skinned two-state check box: one frame of the style's four-frame
// check image at the left edge, the caption to its right, a dotted focus
// rectangle around the caption. A click, Space, Enter or the accelerator
// toggles it; `clicked` follows every real change of Checked, from the user
// or from code, but never while the form is being loaded.
class TsuiCheckBox : public QWidget {
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

    TsuiUIStyle uiStyle() const { return m_theme.style(); }
    void setUIStyle(TsuiUIStyle style);
    TsuiFileTheme* fileTheme() const { return m_theme.fileTheme(); }
    void setFileTheme(TsuiFileTheme* theme);

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    bool checked() const { return m_checked; }
    void setChecked(bool checked);
    // A view of Checked: there is no third state, so cbGrayed unchecks.
    TCheckBoxState state() const { return m_checked ? cbChecked : cbUnchecked; }
    void setState(TCheckBoxState state) { setChecked(state == cbChecked); }
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);
    bool transparent() const { return m_transparent; }
    void setTransparent(bool transparent);
    QColor color() const;
    void setColor(const QColor& color);
    bool tabStop() const { return focusPolicy() != Qt::NoFocus; }
    void setTabStop(bool tabStop);

    // Clicks the box as the mouse, the keyboard and the accelerator do.
    void click();
    void toggle();

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    const QImage& framePicture(int frame);
    void applyAutoSize();
    void compose(QImage& buffer);
    void updateMnemonic();
    void doClick();

    ThemeSource m_theme;
    QString m_caption;
    bool m_checked = false;
    bool m_autoSize = true;
    bool m_transparent = false;
    bool m_leftPressed = false;
    int m_mnemonicId = 0;
    FrameCache m_frames;
    QImage m_buffer;
};
