#include "skin/controls/TsuiEdit.h"

#include "skin/theme/BuiltinTheme.h"
#include "skin/theme/WidgetDrawing.h"

#include <QFocusEvent>

namespace {
// The band around the text area that the skin frame covers.
constexpr int BorderBand = 2;
} // namespace

TsuiEdit::TsuiEdit(QWidget* parent) : QLineEdit(parent), m_look(this, [this] { applyStyle(); })
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFrame(false);
    setTextMargins(BorderBand, BorderBand, BorderBand, BorderBand);
    setUIStyle(GetOwnerFormUIStyle(parent ? parent->window() : nullptr));
}

void TsuiEdit::setUIStyle(TsuiUIStyle style)
{
    m_look.setStyle(style);
}

void TsuiEdit::applyStyle()
{
    m_borderColor = runtime::ColorFromTColor(m_look.look().controlBorder);
    update();
}

void TsuiEdit::setFileTheme(TsuiFileTheme* theme)
{
    m_look.setFileTheme(theme);
}

void TsuiEdit::setBorderColor(const QColor& color)
{
    m_borderColor = color;
    update();
}

QColor TsuiEdit::color() const
{
    return palette().color(QPalette::Base);
}

void TsuiEdit::setColor(const QColor& color)
{
    QPalette p = palette();
    p.setColor(QPalette::Base, color);
    setPalette(p);
}

void TsuiEdit::setPasswordChar(const QString& passwordChar)
{
    m_passwordChar = passwordChar.left(1);
    setEchoMode(m_passwordChar.isEmpty() ? QLineEdit::Normal : QLineEdit::Password);
}

void TsuiEdit::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    DrawWindowBorder(this, runtime::TColorFromColor(m_borderColor), runtime::TColorFromColor(color()), true);
}

void TsuiEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        emit exited();
}
