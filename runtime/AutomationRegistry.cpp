#include "runtime/AutomationRegistry.h"

#include "runtime/RuntimeError.h"
#include "runtime/WriterApplication.h"

#include <QHash>

namespace runtime {

namespace {
QHash<QString, AutomationRegistry::Factory>& classes()
{
    static QHash<QString, AutomationRegistry::Factory> table{
        {QStringLiteral("Word.Application"), [] { return new WriterApplication; }},
    };
    return table;
}
} // namespace

AutomationRegistry::Factory AutomationRegistry::registerClass(const QString& className, Factory factory)
{
    Factory previous = classes().value(className);
    if (factory)
        classes().insert(className, std::move(factory));
    else
        classes().remove(className);
    return previous;
}

std::unique_ptr<AutomationObject> AutomationRegistry::create(const QString& className)
{
    const Factory factory = classes().value(className);
    if (!factory)
        throw RuntimeError(QStringLiteral("Invalid class string"));
    return std::unique_ptr<AutomationObject>(factory());
}

} // namespace runtime
