#include "skin/controls/TToolButton.h"

#include <QToolBar>

TToolButton::TToolButton(QObject* parent) : QAction(parent)
{
    if (auto* bar = qobject_cast<QToolBar*>(parent))
        bar->addAction(this);
}

void TToolButton::setStyle(TToolButtonStyle style)
{
    m_style = style;
    setCheckable(style == tbsCheck);
    setSeparator(style == tbsSeparator || style == tbsDivider);
}
