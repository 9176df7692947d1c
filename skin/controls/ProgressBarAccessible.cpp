#include "skin/controls/ProgressBarAccessible.h"

#include "skin/controls/TsuiProgressBar.h"

namespace {

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    if (className == QLatin1String("TsuiProgressBar"))
        if (auto* bar = qobject_cast<TsuiProgressBar*>(object))
            return new ProgressBarAccessible(bar);
    return nullptr;
}

} // namespace

ProgressBarAccessible::ProgressBarAccessible(TsuiProgressBar* bar) : QAccessibleWidget(bar, QAccessible::ProgressBar)
{
}

void ProgressBarAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
}

const TsuiProgressBar* ProgressBarAccessible::bar() const
{
    return static_cast<const TsuiProgressBar*>(object());
}

void* ProgressBarAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString ProgressBarAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return bar()->caption();
    return QAccessibleWidget::text(t);
}

QVariant ProgressBarAccessible::currentValue() const
{
    return bar()->position();
}

QVariant ProgressBarAccessible::maximumValue() const
{
    return bar()->max();
}

QVariant ProgressBarAccessible::minimumValue() const
{
    return bar()->min();
}
