#include "skin/controls/TsuiToolBar.h"

#include "skin/controls/TToolButton.h"
#include "skin/theme/BuiltinTheme.h"

#include <QActionEvent>
#include <QPainter>
#include <QToolButton>

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
    state.caption = button->text();
    state.showCaption = ShowCaptions();
    const auto* item = qobject_cast<const TToolButton*>(button->defaultAction());
    state.dropDown = button->popupMode() == QToolButton::MenuButtonPopup || (item && item->IsDropDown());
    state.hot = button->underMouse();
    state.pressed = button->isDown();
    state.checked = button->isChecked();
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
    if (event->type() != QEvent::ActionAdded)
        return;
    if (auto* button = qobject_cast<QToolButton*>(widgetForAction(event->action()))) {
        button->setAttribute(Qt::WA_Hover);
        if (event->action()->menu())
            button->setPopupMode(QToolButton::MenuButtonPopup);
        button->installEventFilter(this);
    }
}

bool TsuiToolBar::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Paint)
        return false;
    auto* button = qobject_cast<QToolButton*>(watched);
    if (!button)
        return false;
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
