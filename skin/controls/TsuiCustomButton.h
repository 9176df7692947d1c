#pragma once

#include <QImage>
#include "runtime/Canvas.h"
#include "skin/controls/FrameCache.h"
#include "skin/theme/ThemeSource.h"

#include <QPointer>
#include <QWidget>

class QTimer;
class TsuiFileTheme;

// The skinned push button's behaviour: the look state machine (normal, hot,
// pressed, disabled), mouse and keyboard handling, default and cancel keys,
// the caption's accelerator, the modal result, the repeat timer, and the
// painting pipeline that composes the whole button off screen and copies it
// in one transfer. TsuiButton adds the glyph and the scaled skin.
class TsuiCustomButton : public QWidget {
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
    Q_PROPERTY(int MouseContinuouslyDownInterval READ mouseContinuouslyDownInterval WRITE
                   setMouseContinuouslyDownInterval)
    Q_PROPERTY(bool TabStop READ tabStop WRITE setTabStop)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(bool Visible READ isVisible WRITE setVisible)

public:
    explicit TsuiCustomButton(QWidget* parent = nullptr);
    ~TsuiCustomButton() override;

    TsuiUIStyle uiStyle() const { return m_theme.style(); }
    void setUIStyle(TsuiUIStyle style);
    TsuiFileTheme* fileTheme() const { return m_theme.fileTheme(); }
    void setFileTheme(TsuiFileTheme* theme);

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
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
    bool tabStop() const { return m_tabStop; }
    void setTabStop(bool tabStop);

    bool mouseIn() const { return m_mouseIn; }
    bool mouseDown() const { return m_mouseDown; }
    bool picTransparent() const { return m_picTransparent; }
    // The repeat timer while the left button is held; null otherwise.
    QTimer* repeatTimer() const { return m_repeatTimer; }

    // Clicks the button as the mouse, the keyboard and code do.
    void click();

signals:
    void clicked();
    void mouseEnter();
    void mouseExit();
    void mouseContinuouslyDown();

protected:
    // Hooks and painting steps the glyph button overrides.
    virtual void autoSizeChanged();
    virtual void uiStyleChanged() {}
    virtual void paintPic(runtime::Canvas& canvas, const QImage& picture);
    virtual void paintText(runtime::Canvas& canvas, const QString& text);
    virtual void paintFocus(runtime::Canvas& canvas);

    // Loads frame `frame` of 3 of the style's button image (cached until the
    // style or theme changes); a frame that cannot be loaded is a blank 74 x 21.
    const QImage& statePicture(int frame);
    const ThemeSource& theme() const { return m_theme; }

    bool m_focusBold = false;

    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setMouseDown(bool down);
    void releaseRepeatTimer();
    void composeInto(QImage& buffer);
    void paintBackground(QImage& buffer);
    const QImage& keyedPicture(const QImage& picture);
    void watchWindow();
    void updateMnemonic();
    bool isDialogKey(const QKeyEvent* key) const;

    ThemeSource m_theme;
    QString m_caption;
    bool m_autoSize = false;
    bool m_cancel = false;
    bool m_default = false;
    bool m_transparent = false;
    bool m_picTransparent = false;
    int m_modalResult = 0;
    int m_focusedRectMargin = 2;
    int m_repeatInterval = 100;
    bool m_tabStop = true;
    bool m_mouseIn = false;
    bool m_mouseDown = false;
    bool m_leftPressed = false;
    bool m_keyPressed = false;
    int m_mnemonicId = 0;
    QTimer* m_repeatTimer = nullptr;
    QPointer<QWidget> m_watchedWindow;
    FrameCache m_frames;
    QImage m_buffer;
    // The last state picture with its key colour made see-through, kept
    // while the picture stays the same: keying it out on every paint made
    // a transparent button slower to paint than a native one.
    QImage m_keyedPicture;
    qint64 m_keyedFrom = 0;
    QRgb m_keyedKey = 0;
};
