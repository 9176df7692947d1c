#pragma once

#include "skin/controls/ButtonOption.h"
#include "skin/controls/FrameCache.h"
#include "skin/controls/SkinnedButton.h"
#include "skin/theme/LookSource.h"

#include <QImage>
#include <QPointer>

namespace runtime {
class Canvas;
}
class QTimer;
class TsuiFileTheme;

// The skinned push button's behaviour on Qt's button machinery (hit area,
// press and release, Space, the caption's & accelerator, clicked): adds the
// hot look, default and cancel keys, the modal
// result, the MouseContinuouslyDown repeat and the painting pipeline that
// composes the whole button off screen from a ButtonOption and copies it in
// one transfer. TsuiButton adds the glyph and the scaled skin.
class TsuiCustomButton : public SkinnedButton {
    Q_OBJECT
    Q_PROPERTY(sui::TsuiUIStyle UIStyle READ uiStyle WRITE setUIStyle)
    Q_PROPERTY(TsuiFileTheme* FileTheme READ fileTheme WRITE setFileTheme)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(bool AutoSize READ autoSize WRITE setAutoSize)
    Q_PROPERTY(bool Cancel READ cancel WRITE setCancel)
    Q_PROPERTY(bool Default READ isDefault WRITE setDefault)
    Q_PROPERTY(bool Transparent READ transparent WRITE setTransparent)
    Q_PROPERTY(int ModalResult READ modalResult WRITE setModalResult)
    Q_PROPERTY(int FocusedRectMargin READ focusedRectMargin WRITE setFocusedRectMargin)
    Q_PROPERTY(
        int MouseContinuouslyDownInterval READ mouseContinuouslyDownInterval WRITE setMouseContinuouslyDownInterval)
    Q_PROPERTY(bool TabStop READ tabStop WRITE setTabStop)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(bool Visible READ isVisible WRITE setVisible)

public:
    explicit TsuiCustomButton(QWidget* parent = nullptr);
    ~TsuiCustomButton() override;

    TsuiUIStyle uiStyle() const { return m_look.style(); }
    void setUIStyle(TsuiUIStyle style) { m_look.setStyle(style); }
    TsuiFileTheme* fileTheme() const { return m_look.fileTheme(); }
    void setFileTheme(TsuiFileTheme* theme) { m_look.setFileTheme(theme); }

    // The caption is the button's text, so its & accelerator and its
    // accessible name come from Qt.
    QString caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);
    bool cancel() const { return m_cancel; }
    void setCancel(bool cancel) { m_cancel = cancel; }
    bool isDefault() const { return m_default; }
    void setDefault(bool isDefault) { m_default = isDefault; }
    bool transparent() const { return m_transparent; }
    void setTransparent(bool transparent);
    int modalResult() const { return m_modalResult; }
    void setModalResult(int result) { m_modalResult = result; }
    int focusedRectMargin() const { return m_focusedRectMargin; }
    void setFocusedRectMargin(int margin);
    int mouseContinuouslyDownInterval() const { return m_repeatInterval; }
    void setMouseContinuouslyDownInterval(int interval) { m_repeatInterval = interval; }
    bool tabStop() const { return focusPolicy() != Qt::NoFocus; }
    void setTabStop(bool tabStop) { setFocusPolicy(tabStop ? Qt::TabFocus : Qt::NoFocus); }

    bool mouseIn() const { return m_mouseIn; }
    // Drawn pressed: the left button or Space/Enter held on the button.
    bool mouseDown() const { return isDown(); }
    // The repeat timer while the left button is held; null otherwise.

    // The button's state as its painting sees it.
    virtual void initStyleOption(ButtonOption* option) const;

signals:
    void mouseEnter();
    void mouseExit();
    void mouseContinuouslyDown();

protected:
    virtual void uiStyleChanged() {}
    // Painting steps the glyph button overrides; they only read.
    virtual void paintPic(runtime::Canvas& canvas, const ButtonOption& option, const QImage& picture) const;
    virtual void paintText(runtime::Canvas& canvas, const ButtonOption& option) const;

    const Look& look() const { return m_look.look(); }

    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void styleApplied();
    void applyAutoSize();
    void beforeClickHandlers();
    void releaseRepeatTimer();
    void compose(QImage& buffer, const ButtonOption& option);
    const QImage& keyedPicture(const QImage& picture) const;
    void watchWindow();
    bool isDialogKey(const QKeyEvent* key) const;

    LookSource m_look;
    bool m_autoSize = false;
    bool m_cancel = false;
    bool m_default = false;
    bool m_transparent = false;
    int m_modalResult = 0;
    int m_focusedRectMargin = 2;
    int m_repeatInterval = 100;
    bool m_mouseIn = false;
    bool m_leftHeld = false;
    QTimer* m_repeatTimer = nullptr;
    QPointer<QWidget> m_watchedWindow;
    FrameCache m_frames;
    QImage m_buffer;
    // The last state picture with its key colour made see-through, kept
    // while the picture stays the same: keying it out on every paint made
    // a transparent button slower to paint than a native one.
    mutable QImage m_keyedPicture;
    mutable qint64 m_keyedFrom = 0;
    mutable QRgb m_keyedKey = 0;
};
