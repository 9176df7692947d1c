#include "forms/ComponentRegistry.h"

#include "runtime/RuntimeError.h"

#include <QHash>
#include <QWidget>

namespace forms {

namespace {
QHash<QString, ComponentRegistry::Factory>& factories()
{
    static QHash<QString, ComponentRegistry::Factory> table;
    return table;
}
} // namespace

void ComponentRegistry::registerClass(const QString& className, Factory factory)
{
    factories().insert(className, std::move(factory));
}

bool ComponentRegistry::isRegistered(const QString& className)
{
    return factories().contains(className);
}

QObject* ComponentRegistry::create(const QString& className, QObject* owner, QObject* parent)
{
    const auto it = factories().constFind(className);
    if (it == factories().constEnd())
        throw runtime::RuntimeError(QStringLiteral("Class %1 not found").arg(className));
    return (*it)(owner, parent);
}

} // namespace forms
