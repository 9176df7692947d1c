#include "skin/controls/TsuiNavButton.h"

#include "skin/controls/TsuiDBNavigator.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

TsuiNavButton::TsuiNavButton(SuiNavigator::TNavigateBtn index, TsuiDBNavigator* navigator)
    : TsuiButton(navigator)
    , m_index(index)
    , m_navigator(navigator)
{
    setTabStop(false);
    // The navigator's own repeat replaces the button's.
    setMouseContinuouslyDownInterval(0);
}

TsuiNavButton::FocusMark TsuiNavButton::focusMark() const
{
    FocusMark mark;
    mark.shown = m_navigator->hasFocus() && m_navigator->focusedButton() == m_index;
    mark.rect = rect().adjusted(3, 3, -3, -3);
    if (mouseDown())
        mark.rect.translate(1, 1);
    return mark;
}

void TsuiNavButton::mousePressEvent(QMouseEvent* event)
{
    TsuiButton::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    m_navigator->buttonPressed(m_index);
    if (!repeats())
        return;
    m_held = true;
    if (!m_timer) {
        // Created on the first press of a repeating button.
        m_timer = new QTimer(this);
        m_timer->setObjectName(QStringLiteral("navigationTimer"));
        connect(m_timer, &QTimer::timeout, this, &TsuiNavButton::repeat);
    }
    m_timer->start(FirstRepeatMs);
}

void TsuiNavButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        stopRepeat();
    TsuiButton::mouseReleaseEvent(event);
}

void TsuiNavButton::changeEvent(QEvent* event)
{
    TsuiButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        stopRepeat();
}

void TsuiNavButton::stopRepeat()
{
    m_held = false;
    if (m_timer)
        m_timer->stop();
}

void TsuiNavButton::repeat()
{
    m_timer->setInterval(RepeatMs);
    if (!m_held || !mouseDown())
        return;
    try {
        m_navigator->BtnClick(m_index);
    } catch (...) {
        m_timer->stop();
        throw;
    }
}

void TsuiNavButton::paintEvent(QPaintEvent* event)
{
    TsuiButton::paintEvent(event);
    const FocusMark mark = focusMark();
    if (!mark.shown)
        return;
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawRect(mark.rect.adjusted(0, 0, -1, -1));
}
