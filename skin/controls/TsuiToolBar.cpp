#include "skin/controls/TsuiToolBar.h"

#include "skin/controls/TToolButton.h"
#include "skin/theme/BuiltinTheme.h"

#include <QActionEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QToolButton>

#include <algorithm>

namespace {

bool canTakeFocus(const QToolButton* button)
{
    return button->isEnabled() && !button->isHidden();
}

} // namespace

TsuiToolBar::TsuiToolBar(QWidget* owner) : QToolBar(owner), m_theme(this, [this] { applyStyle(); })
{
    setMovable(false);
    setFloatable(false);
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_look.font = font();
    m_look.textColor = palette().color(QPalette::ButtonText);
    setUIStyle(GetOwnerFormUIStyle(owner ? owner->window() : nullptr));
}

void TsuiToolBar::setFileTheme(TsuiFileTheme* theme)
{
    m_theme.setFileTheme(theme);
}

void TsuiToolBar::setUIStyle(TsuiUIStyle style)
{
    m_theme.setStyle(style);
}

void TsuiToolBar::applyStyle()
{
    const Look& look = m_theme.look();
    m_look.borderColor = look.toolBarButtonBorder;
    m_look.buttonColor = look.toolBarButtonBackground;
    m_look.downColor = look.toolBarButtonDownBackground;
    // The stored style decides, so FromThemeFile is always opaque.
    const TsuiUIStyle style = m_theme.style();
    setTransparent(style == TsuiUIStyle::MacOS || style == TsuiUIStyle::Protein);
    update();
}

void TsuiToolBar::setLookColor(runtime::TColor& field, runtime::TColor color)
{
    if (field == color)
        return;
    field = color;
    for (QToolButton* button : findChildren<QToolButton*>(Qt::FindDirectChildrenOnly))
        button->update();
}

void TsuiToolBar::setButtonColor(runtime::TColor color)
{
    setLookColor(m_look.buttonColor, color);
}

void TsuiToolBar::setButtonBorderColor(runtime::TColor color)
{
    setLookColor(m_look.borderColor, color);
}

void TsuiToolBar::setButtonDownColor(runtime::TColor color)
{
    setLookColor(m_look.downColor, color);
}

void TsuiToolBar::setColor(runtime::TColor color)
{
    if (m_color == color)
        return;
    m_color = color;
    update();
}

void TsuiToolBar::setTransparent(bool transparent)
{
    m_transparent = transparent;
    // Transparent: the parent's background shows through, since the bar
    // paints nothing of its own.
    setAttribute(Qt::WA_NoSystemBackground, transparent);
    setAutoFillBackground(false);
    update();
}

void TsuiToolBar::setShowCaptions(bool show)
{
    setToolButtonStyle(show ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
}

ToolButtonState TsuiToolBar::ButtonState(const QToolButton* button) const
{
    ToolButtonState state;
    state.size = button->size();
    const auto* item = qobject_cast<const TToolButton*>(button->defaultAction());
    state.dropDown = button->popupMode() == QToolButton::MenuButtonPopup || (item && item->IsDropDown());
    // Moved to from the keyboard, a button looks as under the pointer.
    state.hot = button->underMouse() || button->hasFocus();
    state.pressed = button->isDown();
    state.checked = button->isChecked();
    // Most buttons rest and are left to Qt: nothing more to gather.
    if (!SkinDrawsToolButton(state))
        return state;
    state.caption = button->text();
    state.captionWidth = m_captionWidths.value(state.caption, -1);
    state.showCaption = ShowCaptions();
    const QIcon icon = button->icon();
    if (!icon.isNull() && toolButtonStyle() != Qt::ToolButtonTextOnly) {
        state.imageSize = iconSize();
        state.image = icon.pixmap(iconSize(), button->devicePixelRatioF()).toImage();
        state.image.setDevicePixelRatio(button->devicePixelRatioF());
    }
    return state;
}

void TsuiToolBar::actionEvent(QActionEvent* event)
{
    QToolBar::actionEvent(event);
    if (event->type() == QEvent::ActionAdded) {
        if (auto* button = qobject_cast<QToolButton*>(widgetForAction(event->action()))) {
            button->setAttribute(Qt::WA_Hover);
            if (event->action()->menu())
                button->setPopupMode(QToolButton::MenuButtonPopup);
            button->installEventFilter(this);
        }
        chainButtons();
    }
    if (event->type() != QEvent::ActionChanged)
        updateTabStop();
    measureCaptions();
}

void TsuiToolBar::measureCaptions()
{
    // Shaping a caption to measure it costs as much as drawing it; the
    // widths are taken when captions change, not at every paint.
    m_captionWidths.clear();
    const QFontMetrics metrics(m_look.font);
    for (const QAction* action : actions())
        m_captionWidths.insert(action->iconText(), metrics.horizontalAdvance(action->iconText()));
}

void TsuiToolBar::chainButtons()
{
    // Qt chains a widget for Tab where it is made, and a button is made
    // when its action is added, perhaps after the widgets that follow the
    // bar; it is moved to the bar's place. setTabOrder passes over widgets
    // that take no focus, so each takes Tab focus for the move.
    QWidget* previous = this;
    const Qt::FocusPolicy own = focusPolicy();
    setFocusPolicy(Qt::TabFocus);
    for (QToolButton* button : actionButtons()) {
        button->setFocusPolicy(Qt::TabFocus);
        setTabOrder(previous, button);
        previous = button;
    }
    setFocusPolicy(own);
}

QList<QToolButton*> TsuiToolBar::actionButtons() const
{
    QList<QToolButton*> buttons;
    for (QAction* action : actions())
        if (auto* button = qobject_cast<QToolButton*>(widgetForAction(action)))
            buttons << button;
    return buttons;
}

void TsuiToolBar::updateTabStop()
{
    // The bar is one stop in the Tab chain, on the button last moved to,
    // or on its first usable one; the arrows move along the bar. A button
    // disabled for a while keeps its claim.
    const QList<QToolButton*> buttons = actionButtons();
    QToolButton* stop = m_tabStop;
    if (!stop || !buttons.contains(stop) || !canTakeFocus(stop)) {
        const auto usable = std::find_if(buttons.begin(), buttons.end(), canTakeFocus);
        stop = usable == buttons.end() ? nullptr : *usable;
    }
    for (QToolButton* button : buttons)
        button->setFocusPolicy(button == stop ? Qt::TabFocus : Qt::NoFocus);
}

bool TsuiToolBar::moveFocus(QToolButton* from, int key)
{
    const QList<QToolButton*> buttons = actionButtons();
    const qsizetype n = buttons.size(), at = buttons.indexOf(from);
    const bool forward = key == Qt::Key_Right || key == Qt::Key_Down || key == Qt::Key_Home;
    if (at < 0)
        return false;
    qsizetype next = key == Qt::Key_Home ? n - 1 : key == Qt::Key_End ? 0 : at;
    // Round the bar, passing over buttons that cannot be used.
    for (qsizetype i = 0; i < n; ++i) {
        next = ((next + (forward ? 1 : -1)) % n + n) % n;
        if (canTakeFocus(buttons[next]))
            break;
    }
    m_tabStop = buttons[next];
    updateTabStop();
    m_tabStop->setFocus(Qt::OtherFocusReason);
    return true;
}

bool TsuiToolBar::eventFilter(QObject* watched, QEvent* event)
{
    auto* button = qobject_cast<QToolButton*>(watched);
    if (!button)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool along = orientation() == Qt::Horizontal ? key == Qt::Key_Left || key == Qt::Key_Right
                                                           : key == Qt::Key_Up || key == Qt::Key_Down;
        return (along || key == Qt::Key_Home || key == Qt::Key_End) && moveFocus(button, key);
    }
    case QEvent::FocusIn:
        m_tabStop = button;
        updateTabStop();
        return false;
    case QEvent::EnabledChange:
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
        updateTabStop();
        return false;
    case QEvent::Paint:
        break;
    default:
        return false;
    }
    const ToolButtonState state = ButtonState(button);
    if (!SkinDrawsToolButton(state))
        return false;
    runtime::Canvas canvas(button);
    PaintToolButton(canvas, m_look, state);
    return true;
}

void TsuiToolBar::paintEvent(QPaintEvent*)
{
    if (m_transparent)
        return;
    QPainter painter(this);
    painter.fillRect(rect(), runtime::ColorFromTColor(m_color));
}
