#include "skin/controls/TsuiCustomButton.h"

#include "skin/controls/ButtonRules.h"
#include "skin/controls/SkinPaint.h"
#include "skin/theme/BuiltinTheme.h"
#include "skin/theme/SkinBitmaps.h"
#include "skin/theme/StretchedSkin.h"
#include "skin/theme/WidgetDrawing.h"

#include <QDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>

namespace {

bool isPressKey(int key)
{
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

// The parent whose painting a transparent button shows: on a tab sheet, a
// data navigator or a tool bar the button captures from its parent, so the
// picture is the grandparent's at the parent's corner.
QWidget* backgroundSource(QWidget* button)
{
    QWidget* parent = button->parentWidget();
    if (parent && (IsTabSheet(parent) || parent->inherits("TsuiDBNavigator") || parent->inherits("TsuiToolBar")))
        return parent;
    return button;
}

} // namespace

// A frame that cannot be loaded is a blank 74 x 21 picture, so the button
// still paints its background, caption and glyph.
TsuiCustomButton::TsuiCustomButton(QWidget* parent)
    : QWidget(parent), m_frames(ThemeElement::ButtonImage, 3, QSize(74, 21))
{
    // The paint covers every pixel, so the background erase is skipped.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::TabFocus);
    m_theme.setStyle(GetOwnerFormUIStyle(parent ? parent->window() : nullptr));
    watchWindow();
}

TsuiCustomButton::~TsuiCustomButton() = default;

void TsuiCustomButton::setUIStyle(TsuiUIStyle style)
{
    m_theme.setStyle(style);
    m_frames.clear();
    uiStyleChanged();
    update();
}

void TsuiCustomButton::setFileTheme(TsuiFileTheme* theme)
{
    m_theme.setFileTheme(theme, this, [this] { setUIStyle(TsuiUIStyle::DeepBlue); });
    setUIStyle(uiStyle());
}

void TsuiCustomButton::setCaption(const QString& caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    updateMnemonic();
    update();
}

void TsuiCustomButton::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    autoSizeChanged();
    update();
}

void TsuiCustomButton::setTransparent(bool transparent)
{
    m_transparent = transparent;
    m_picTransparent = transparent;
    update();
}

void TsuiCustomButton::setFocusedRectMargin(int margin)
{
    m_focusedRectMargin = margin;
    update();
}

void TsuiCustomButton::setTabStop(bool tabStop)
{
    m_tabStop = tabStop;
    setFocusPolicy(tabStop ? Qt::TabFocus : Qt::NoFocus);
}

void TsuiCustomButton::autoSizeChanged()
{
    if (!m_autoSize)
        return;
    // Sized from the stored style's built-in strip; a theme file is not asked.
    QImage strip;
    try {
        GetBuiltinThemeBitmap(uiStyle(), ThemeElement::ButtonImage, strip, 0, 0);
    } catch (const std::exception&) {
        strip = QImage();
    }
    resize(ButtonAutoSize(strip.size()));
}

const QImage& TsuiCustomButton::statePicture(int frame)
{
    return m_frames.frame(m_theme, frame);
}

void TsuiCustomButton::paintEvent(QPaintEvent*)
{
    if (m_buffer.size() != size())
        m_buffer = QImage(size(), runtime::BitmapFormat);
    composeInto(m_buffer);
    QPainter(this).drawImage(0, 0, m_buffer);
}

void TsuiCustomButton::composeInto(QImage& buffer)
{
    const QImage& picture = statePicture(ButtonFrameOf(ButtonLookOf(isEnabled(), m_mouseDown, m_mouseIn)));
    paintBackground(buffer);
    runtime::Canvas canvas(&buffer);
    paintPic(canvas, picture);
    if (hasFocus() && m_tabStop)
        paintFocus(canvas);
    canvas.painter().setFont(font());
    if (!IsBlankCaption(m_caption))
        paintText(canvas, m_caption);
}

void TsuiCustomButton::paintBackground(QImage& buffer)
{
    buffer.fill(palette().color(backgroundRole()));
    if (m_transparent && parentWidget()) {
        runtime::Canvas canvas(&buffer);
        DrawParentBackground(canvas, backgroundSource(this));
    }
}

const QImage& TsuiCustomButton::keyedPicture(const QImage& picture)
{
    const QRgb key = picture.pixel(0, 0);
    if (m_keyedPicture.isNull() || picture.cacheKey() != m_keyedFrom || key != m_keyedKey) {
        m_keyedPicture = runtime::KeyedOut(picture, key);
        m_keyedFrom = picture.cacheKey();
        m_keyedKey = key;
    }
    return m_keyedPicture;
}

void TsuiCustomButton::paintPic(runtime::Canvas& canvas, const QImage& picture)
{
    if (picture.isNull())
        return;
    // The mask colour is the picture's top-left pixel.
    if (!isEnabled())
        canvas.drawDisabled(0, 0, picture, m_picTransparent);
    else if (m_picTransparent)
        canvas.draw(0, 0, keyedPicture(picture));
    else
        canvas.draw(0, 0, picture);
}

void TsuiCustomButton::paintText(runtime::Canvas& canvas, const QString& text)
{
    QFont f = font();
    if (m_focusBold)
        f.setBold(true);
    canvas.painter().setFont(f);
    QRect r = rect();
    const int centred = Qt::AlignCenter;
    if (!isEnabled()) {
        DrawSingleLine(canvas, r.translated(1, 1), centred, text, QColor(0xFF, 0xFF, 0xFF));
        DrawSingleLine(canvas, r, centred, text, QColor(0x80, 0x80, 0x80));
    } else {
        if (m_mouseDown)
            r.translate(1, 1);
        DrawSingleLine(canvas, r, centred, text, FontColorOf(this));
    }
    m_focusBold = false;
}

void TsuiCustomButton::paintFocus(runtime::Canvas& canvas)
{
    const int m = m_focusedRectMargin;
    DrawFocusRect(canvas, runtime::Rect(m, m, width() - m, height() - m));
}

void TsuiCustomButton::setMouseDown(bool down)
{
    if (m_mouseDown == down)
        return;
    m_mouseDown = down;
    update();
}

void TsuiCustomButton::releaseRepeatTimer()
{
    delete m_repeatTimer;
    m_repeatTimer = nullptr;
}

void TsuiCustomButton::click()
{
    if (m_mouseDown) {
        releaseRepeatTimer();
        setMouseDown(false);
    }
    m_keyPressed = false;
    if (m_tabStop && isEnabled() && isVisible())
        setFocus(Qt::OtherFocusReason);
    if (parentWidget()) {
        // Every click hands the form its modal result, 0 included; a modal
        // dialog closes on a result other than 0.
        QWidget* form = window();
        form->setProperty("ModalResult", m_modalResult);
        if (auto* dialog = qobject_cast<QDialog*>(form); dialog && m_modalResult != 0)
            dialog->done(m_modalResult);
    }
    emit clicked();
}

void TsuiCustomButton::enterEvent(QEnterEvent* event)
{
    m_mouseIn = true;
    update();
    emit mouseEnter();
    QWidget::enterEvent(event);
}

void TsuiCustomButton::leaveEvent(QEvent* event)
{
    m_mouseIn = false;
    setMouseDown(false);
    releaseRepeatTimer();
    update();
    emit mouseExit();
    QWidget::leaveEvent(event);
}

void TsuiCustomButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_leftPressed = true;
        m_keyPressed = false;
        setMouseDown(true);
        if (!m_repeatTimer) {
            m_repeatTimer = new QTimer(this);
            connect(m_repeatTimer, &QTimer::timeout, this, &TsuiCustomButton::mouseContinuouslyDown);
            // A timer of interval 0 or less never ticks (a zero QTimer would
            // fire on every pass of the event loop).
            m_repeatTimer->setInterval(std::max(m_repeatInterval, 0));
            if (m_repeatInterval > 0)
                m_repeatTimer->start();
        }
    }
    QWidget::mousePressEvent(event);
}

void TsuiCustomButton::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
    const QPointF p = event->position();
    // The edges count as inside; the repeat timer keeps running.
    if (p.x() < 0 || p.y() < 0 || p.x() > width() || p.y() > height()) {
        m_mouseIn = false;
        setMouseDown(false);
        update();
    }
}

void TsuiCustomButton::mouseReleaseEvent(QMouseEvent* event)
{
    QWidget::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !m_leftPressed)
        return;
    m_leftPressed = false;
    if (rect().contains(event->position().toPoint()))
        click();
}

void TsuiCustomButton::keyPressEvent(QKeyEvent* event)
{
    if (isPressKey(event->key()) && hasFocus() && isEnabled()) {
        if (!event->isAutoRepeat()) {
            m_keyPressed = true;
            setMouseDown(true);
        }
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TsuiCustomButton::keyReleaseEvent(QKeyEvent* event)
{
    if (isPressKey(event->key()) && !event->isAutoRepeat() && hasFocus() && m_mouseDown && isEnabled()) {
        setMouseDown(false);
        click();
        event->accept();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void TsuiCustomButton::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void TsuiCustomButton::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    // A key that pressed the button is released on another control; without
    // this the button would stay drawn pressed until the mouse passed over it.
    if (m_keyPressed && !m_leftPressed)
        setMouseDown(false);
    m_keyPressed = false;
    update();
}

void TsuiCustomButton::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    switch (event->type()) {
    case QEvent::EnabledChange:
    case QEvent::FontChange:
    case QEvent::PaletteChange:
        update();
        break;
    case QEvent::ParentChange:
        watchWindow();
        break;
    default:
        break;
    }
}

bool TsuiCustomButton::event(QEvent* event)
{
    if (event->type() == QEvent::Shortcut) {
        // The caption's accelerator.
        if (isEnabled())
            click();
        return true;
    }
    if (event->type() == QEvent::Show)
        watchWindow(); // the window may have changed above an unchanged parent
    return QWidget::event(event);
}

bool TsuiCustomButton::isDialogKey(const QKeyEvent* key) const
{
    if (key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier))
        return false;
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    const bool escape = key->key() == Qt::Key_Escape;
    return ((enter && m_default) || (escape && m_cancel)) && isEnabled() && isVisible();
}

bool TsuiCustomButton::eventFilter(QObject* watched, QEvent* event)
{
    // Enter and Escape that no control took reach the window; the default
    // and the cancel button answer them.
    if (watched == m_watchedWindow && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (isDialogKey(key)) {
            click();
            key->accept();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TsuiCustomButton::watchWindow()
{
    QWidget* form = window();
    if (form == m_watchedWindow)
        return;
    if (m_watchedWindow)
        m_watchedWindow->removeEventFilter(this);
    m_watchedWindow = form != this ? form : nullptr;
    if (m_watchedWindow)
        m_watchedWindow->installEventFilter(this);
}

void TsuiCustomButton::updateMnemonic()
{
    m_mnemonicId = GrabMnemonic(this, m_mnemonicId, m_caption);
}
