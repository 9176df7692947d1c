#include "skin/controls/TsuiCustomButton.h"

#include "runtime/Canvas.h"
#include "skin/controls/SkinPaint.h"
#include "skin/theme/BuiltinTheme.h"
#include "skin/theme/WidgetDrawing.h"

#include <QDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>

namespace {

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

bool isEnterKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

// A frame that cannot be loaded is a blank 74 x 21 picture, so the button
// still paints its background, caption and glyph.
TsuiCustomButton::TsuiCustomButton(QWidget* parent)
    : SkinnedButton(parent)
    , m_look(this, [this] { styleApplied(); })
    , m_frames(ThemeElement::ButtonImage, 3, QSize(74, 21))
{
    // The paint covers every pixel, so the background erase is skipped.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::TabFocus);
    // Connected before anyone else, so a handler of clicked already sees
    // the focus moved and the form's modal result set.
    connect(this, &QAbstractButton::clicked, this, &TsuiCustomButton::beforeClickHandlers);
    m_look.setStyle(GetOwnerFormUIStyle(parent ? parent->window() : nullptr));
    watchWindow();
}

TsuiCustomButton::~TsuiCustomButton() = default;

void TsuiCustomButton::styleApplied()
{
    m_frames.clear();
    uiStyleChanged();
    update();
}

void TsuiCustomButton::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    applyAutoSize();
    update();
}

void TsuiCustomButton::setTransparent(bool transparent)
{
    m_transparent = transparent;
    update();
}

void TsuiCustomButton::setFocusedRectMargin(int margin)
{
    m_focusedRectMargin = margin;
    update();
}

void TsuiCustomButton::applyAutoSize()
{
    if (!m_autoSize)
        return;
    // Sized from the strip the button paints with, so a theme file holding
    // a style's pictures sizes the button as that style does (the stored
    // style alone left a FromThemeFile button a 24 x 21 square).
    QImage strip;
    try {
        look().bitmap(ThemeElement::ButtonImage, strip);
    } catch (const std::exception&) {
        strip = QImage();
    }
    resize(ButtonAutoSize(strip.size()));
}

void TsuiCustomButton::initStyleOption(ButtonOption* option) const
{
    option->rect = rect();
    option->look = ButtonLookOf(isEnabled(), isDown(), m_mouseIn);
    option->transparent = m_transparent;
    option->focus = hasFocus() && tabStop() ? FocusMark::Rectangle : FocusMark::None;
    option->focusMargin = m_focusedRectMargin;
    option->caption = IsBlankCaption(text()) ? QString() : text();
    option->font = font();
    option->fontColor = FontColorOf(this);
}

void TsuiCustomButton::paintEvent(QPaintEvent*)
{
    ButtonOption option;
    initStyleOption(&option);
    compose(PrepareBuffer(m_buffer, this), option);
    QPainter(this).drawImage(0, 0, m_buffer);
}

void TsuiCustomButton::compose(QImage& buffer, const ButtonOption& option)
{
    const QImage& picture = m_frames.frame(look(), ButtonFrameOf(option.look));
    buffer.fill(palette().color(backgroundRole()));
    runtime::Canvas canvas(&buffer);
    if (m_transparent && parentWidget())
        DrawParentBackground(canvas, backgroundSource(this));
    paintPic(canvas, option, picture);
    if (option.focus == FocusMark::Rectangle) {
        const int m = option.focusMargin;
        DrawFocusRect(canvas, runtime::Rect(m, m, option.rect.width() - m, option.rect.height() - m));
    }
    canvas.painter().setFont(option.font);
    if (!option.caption.isEmpty())
        paintText(canvas, option);
}

const QImage& TsuiCustomButton::keyedPicture(const QImage& picture) const
{
    const QRgb key = picture.pixel(0, 0);
    if (m_keyedPicture.isNull() || picture.cacheKey() != m_keyedFrom || key != m_keyedKey) {
        m_keyedPicture = runtime::KeyedOut(picture, key);
        m_keyedFrom = picture.cacheKey();
        m_keyedKey = key;
    }
    return m_keyedPicture;
}

void TsuiCustomButton::paintPic(runtime::Canvas& canvas, const ButtonOption& option, const QImage& picture) const
{
    if (picture.isNull())
        return;
    // The mask colour is the picture's top-left pixel.
    if (!option.enabled())
        canvas.drawDisabled(0, 0, picture, option.transparent);
    else if (option.transparent)
        canvas.draw(0, 0, keyedPicture(picture));
    else
        canvas.draw(0, 0, picture);
}

void TsuiCustomButton::paintText(runtime::Canvas& canvas, const ButtonOption& option) const
{
    canvas.painter().setFont(option.font);
    QRect r = option.rect;
    const int centred = Qt::AlignCenter;
    if (!option.enabled()) {
        DrawSingleLine(canvas, r.translated(1, 1), centred, option.caption, QColor(0xFF, 0xFF, 0xFF));
        DrawSingleLine(canvas, r, centred, option.caption, QColor(0x80, 0x80, 0x80));
        return;
    }
    if (option.pressed())
        r.translate(1, 1);
    DrawSingleLine(canvas, r, centred, option.caption, option.fontColor);
}

void TsuiCustomButton::releaseRepeatTimer()
{
    delete m_repeatTimer;
    m_repeatTimer = nullptr;
}

void TsuiCustomButton::beforeClickHandlers()
{
    // A click ends any hold, whichever way it came.
    releaseRepeatTimer();
    update();
    if (tabStop() && isEnabled() && isVisible())
        setFocus(Qt::OtherFocusReason);
    if (parentWidget()) {
        // Every click hands the form its modal result, 0 included; a modal
        // dialog closes on a result other than 0.
        QWidget* form = window();
        form->setProperty("ModalResult", m_modalResult);
        if (auto* dialog = qobject_cast<QDialog*>(form); dialog && m_modalResult != 0)
            dialog->done(m_modalResult);
    }
}

void TsuiCustomButton::enterEvent(QEnterEvent* event)
{
    m_mouseIn = true;
    update();
    emit mouseEnter();
    QAbstractButton::enterEvent(event);
}

void TsuiCustomButton::leaveEvent(QEvent* event)
{
    m_mouseIn = false;
    setDown(false);
    releaseRepeatTimer();
    update();
    emit mouseExit();
    QAbstractButton::leaveEvent(event);
}

void TsuiCustomButton::mousePressEvent(QMouseEvent* event)
{
    QAbstractButton::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    m_leftHeld = true;
    if (!m_repeatTimer) {
        m_repeatTimer = new QTimer(this);
        m_repeatTimer->setObjectName(QStringLiteral("repeatTimer"));
        connect(m_repeatTimer, &QTimer::timeout, this, &TsuiCustomButton::mouseContinuouslyDown);
        // A timer of interval 0 or less never ticks (a zero QTimer would
        // fire on every pass of the event loop).
        m_repeatTimer->setInterval(std::max(m_repeatInterval, 0));
        if (m_repeatInterval > 0)
            m_repeatTimer->start();
    }
}

void TsuiCustomButton::mouseMoveEvent(QMouseEvent* event)
{
    // Leaving while held shows the button raised until the next press:
    // coming back does not press it again, as Qt's own move handling would.
    // The edges count as inside; the repeat goes on while the button is held.
    const QPointF p = event->position();
    if (p.x() < 0 || p.y() < 0 || p.x() > width() || p.y() > height()) {
        m_mouseIn = false;
        setDown(false);
        update();
    }
    QWidget::mouseMoveEvent(event);
}

void TsuiCustomButton::mouseReleaseEvent(QMouseEvent* event)
{
    const bool held = event->button() == Qt::LeftButton && m_leftHeld;
    const bool wasDown = isDown();
    if (held) {
        m_leftHeld = false;
        // Whatever happened while held, letting go ends the repeat.
        releaseRepeatTimer();
    }
    QAbstractButton::mouseReleaseEvent(event); // clicks when drawn pressed and inside
    if (held && !wasDown && hitButton(event->position().toPoint()))
        click(); // dragged out and back: raised, but a release inside still clicks
}

void TsuiCustomButton::changeEvent(QEvent* event)
{
    QAbstractButton::changeEvent(event);
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
    if (event->type() == QEvent::Show)
        watchWindow(); // the window may have changed above an unchanged parent
    return SkinnedButton::event(event);
}

bool TsuiCustomButton::isDialogKey(const QKeyEvent* key) const
{
    if (key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier))
        return false;
    const bool enter = isEnterKey(key->key());
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
    return QAbstractButton::eventFilter(watched, event);
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
